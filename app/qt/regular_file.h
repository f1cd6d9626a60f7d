#pragma once

#include <QByteArray>
#include <QString>

namespace vclock::qt {

// What reading a file found. Only a regular file is read: a pipe, a device,
// a socket or a folder in its place would block the user-interface thread
// or never end, so it counts as unusable and is not read.
struct FileContents {
    enum class Status { Read, Missing, Unusable, TooLarge };
    Status status = Status::Missing;
    QByteArray bytes;  // the whole file, when Read
};

// Opens the file without blocking, checks what it is on the open descriptor
// (so nothing can be swapped in between the check and the read), and reads
// it whole when it has at most `largest` bytes.
FileContents readRegularFile(const QString& path, qint64 largest);

}  // namespace vclock::qt
