#pragma once

#include <string_view>

#include <QByteArray>
#include <QString>

namespace vclock::qt {

// Replaces a file so that the name always leads to a whole file: the old
// one, or the complete new one. The new contents go to a new file beside
// the old one; only when every write and the flush to disk succeeded does
// it take the old file's place, by a rename. Whatever fails on the way
// leaves the old file as it was, byte for byte, and removes the new one.
//
// Does not follow symbolic links (the caller passes the file they lead to)
// and does not lock: of two writers at once, the last rename wins.
class FileReplacement {
public:
    explicit FileReplacement(const QString& path);
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    // Writes `bytes` to a new file beside the old one, with the old one's
    // permissions, and flushes it to disk. False when any step failed, or
    // when the old file may not be written (a file made read-only is left
    // as it is).
    bool prepare(std::string_view bytes);

    enum class Kept { Yes, NameTaken, Failed };

    // After prepare: makes the old file reachable under `name` too (a hard
    // link beside it), never replacing a file of that name.
    Kept keepOldAs(const QString& name);

    // After prepare: puts the new file in the old one's place and flushes
    // the folder. If the rename fails, the new file is removed and the name
    // given to keepOldAs is taken away again. True when the new file is in
    // place.
    bool commit();

private:
    void discard();

    QByteArray path_;
    QByteArray temporary_;
    QByteArray kept_;
};

}  // namespace vclock::qt
