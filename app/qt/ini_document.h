#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vclock::qt {

// The text of a settings file in the INI format QSettings reads and writes
// on Linux: "[section]" headers, "key=value" lines, ';' comments, escaped
// names and values (see ini_escapes.h). A value is found by the path Qt
// gives it, "section/key", and reads as QSettings would read it.
//
// Storing a value changes only the line that holds it, or adds one, so
// other programs' sections, comments and lines it does not understand stay
// as they are. That needs a text read whole, line by line as Qt reads it.
// A text that is not, is never edited: storing a value into it gives a
// fresh text with every value that could be read. Not read whole are: bytes
// that are not UTF-8 (or UTF-16 with a byte-order mark), NUL bytes, a line
// that Qt would continue onto the next (an open quote, a backslash at its
// end), a header without ']', a name or value that no UTF-8 text can hold,
// and one path given by two sections (Qt's answer then depends on how it
// sorts them).
//
// Neither reads nor writes files; the settings store does.
class IniDocument {
public:
    // `bytes`: the file as it is on disk; UTF-8 (a byte-order mark is
    // skipped) or UTF-16 with a byte-order mark.
    explicit IniDocument(std::string_view bytes);

    // Found out on the first call, so that a lookup alone reads the text once.
    bool readWhole() const;

    // The value stored at section/key, or "" when there is none.
    std::string value(std::string_view section, std::string_view key) const;

    // The text of the file, in UTF-8, once `value` is stored at section/key.
    // Invalid UTF-8 in the names or the value is stored as U+FFFD; an
    // address without a name in it (only '/') stores nothing.
    std::string withValue(std::string_view section, std::string_view key, std::string_view value) const;

private:
    bool readsWhole() const;
    std::string editedText(const std::string& path, std::string_view value) const;
    std::string freshText(const std::string& path, std::string_view value) const;

    std::string text_;
    mutable std::optional<bool> readWhole_;
};

}  // namespace vclock::qt
