#include "app/qt/ini_document.h"

#include <algorithm>
#include <map>
#include <optional>
#include <unordered_map>
#include <vector>

#include "app/qt/ini_escapes.h"
#include "app/qt/unicode_bytes.h"

namespace vclock::qt {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; }

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return s;
}

// ASCII letters in either case, as Qt compares "[General]".
bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return std::ranges::equal(a, b, {}, lower, lower);
}

// A path as QSettings addresses it: no empty parts, so no leading, trailing
// or doubled '/'.
std::string normalisedPath(std::string_view path) {
    std::string out;
    std::size_t at = 0;
    while (at <= path.size()) {
        std::size_t slash = path.find('/', at);
        if (slash == std::string_view::npos) slash = path.size();
        if (slash > at) {
            if (!out.empty()) out += '/';
            out += path.substr(at, slash - at);
        }
        at = slash + 1;
    }
    return out;
}

std::string pathOf(std::string_view section, std::string_view key) {
    return normalisedPath(validUtf8(section) + '/' + validUtf8(key));
}

// QSettings stores a path under the section named by its first part, or
// under [General] when it has one part only.
struct PathParts {
    std::string_view section;  // "" for [General]
    std::string_view key;
};

PathParts partsOf(std::string_view path) {
    const std::size_t slash = path.find('/');
    if (slash == std::string_view::npos) return {{}, path};
    return {path.substr(0, slash), path.substr(slash + 1)};
}

std::string sectionPrefix(std::string_view section) { return section.empty() ? std::string() : std::string(section) + '/'; }

std::string headerLine(std::string_view section) {
    if (section.empty()) return "[General]";
    const std::string name = ini::escapeName(section);
    // "[General]" means the entries without a section; a section of that
    // name is written with a '%' in front.
    return equalsIgnoringCase(name, "general") ? "[%" + name + "]" : "[" + name + "]";
}

std::string entryLine(std::string_view key, std::string_view value) {
    return ini::escapeName(key) + '=' + ini::escapeValue(value);
}

// One line of the text, read as Qt reads it.
struct Line {
    enum class Kind { Blank, Comment, Header, Entry, Other, Broken };
    Kind kind = Kind::Other;
    std::size_t begin = 0, end = 0, next = 0;  // the line, where it ends, where the next line begins
    std::string prefix;                        // Header: the prefix of the paths below it, "" or "name/"
    std::string path;                          // Entry: the prefix in force and the key
    std::size_t prefixLength = 0;              // Entry
    std::size_t valueBegin = 0, valueEnd = 0;  // Entry: the value as written

    bool hasTerminator() const { return next > end; }
    std::string_view prefixInForce() const { return std::string_view(path).substr(0, prefixLength); }
};

// Reads the text line by line. A line ends at "\n", "\r\n" or "\r", as in
// Qt's reader; where Qt's reader would run on into the next line, the line
// is Broken, and the next one is read on its own.
class LineReader {
public:
    explicit LineReader(std::string_view text) : text_(text) {}

    bool next(Line& line) {
        if (at_ >= text_.size()) return false;
        std::size_t end = at_;
        while (end < text_.size() && text_[end] != '\n' && text_[end] != '\r') ++end;
        std::size_t next = end;
        if (end < text_.size()) next += text_.compare(end, 2, "\r\n") == 0 ? 2 : 1;
        line = Line{};
        line.begin = at_;
        line.end = end;
        line.next = next;
        at_ = next;
        read(line);
        return true;
    }

private:
    void read(Line& line) {
        const std::string_view s = text_.substr(line.begin, line.end - line.begin);
        const std::size_t start = s.find_first_not_of(" \t");
        if (start == std::string_view::npos) {
            line.kind = Line::Kind::Blank;
            return;
        }
        const bool header = s[start] == '[';
        const auto broken = [&] {
            line.kind = Line::Kind::Broken;
            if (header) prefix_.reset();  // the entries below it belong to no known section
        };
        if (s.find('\0') != std::string_view::npos || !isUtf8(s)) return broken();
        if (s[start] == ';') {
            line.kind = Line::Kind::Comment;
            return;
        }
        // Where Qt's reader sees the '=' and where the line ends: a ';'
        // outside quotes begins a comment; a backslash hides the next byte.
        bool inQuotes = false;
        std::size_t equals = std::string_view::npos, end = s.size();
        for (std::size_t i = start; i < s.size(); ++i) {
            const char c = s[i];
            if (c == '\\') {
                if (i + 1 == s.size()) return broken();
                ++i;
            } else if (c == '"') {
                inQuotes = !inQuotes;
            } else if (c == '=' && !inQuotes && equals == std::string_view::npos) {
                equals = i;
            } else if (c == ';' && !inQuotes) {
                end = i;
                break;
            }
        }
        if (inQuotes) return broken();
        if (header) return readHeader(line, s.substr(start, end - start));
        if (equals == std::string_view::npos) {
            line.kind = Line::Kind::Other;
            return;
        }
        const std::optional<std::string> key = ini::unescapeName(trimmed(s.substr(start, equals - start)));
        if (!prefix_ || !key) return broken();
        line.kind = Line::Kind::Entry;
        line.path = *prefix_ + *key;
        line.prefixLength = prefix_->size();
        line.valueBegin = line.begin + equals + 1;
        line.valueEnd = line.begin + end;
    }

    void readHeader(Line& line, std::string_view s) {
        const std::size_t close = s.find(']');
        const std::string_view name = close == std::string_view::npos ? std::string_view() : trimmed(s.substr(1, close - 1));
        std::optional<std::string> prefix;
        if (close == std::string_view::npos) {
            // Qt takes the whole line as the name and reports an error.
        } else if (equalsIgnoringCase(name, "general")) {
            prefix = "";
        } else if (equalsIgnoringCase(name, "%general")) {
            prefix = std::string(name.substr(1)) + '/';
        } else if (const std::optional<std::string> unescaped = ini::unescapeName(name)) {
            prefix = *unescaped + '/';
        }
        prefix_ = prefix;
        if (!prefix) {
            line.kind = Line::Kind::Broken;
            return;
        }
        line.kind = Line::Kind::Header;
        line.prefix = *prefix;
    }

    std::string_view text_;
    std::size_t at_ = 0;
    std::optional<std::string> prefix_ = std::string();  // before any header: the entries without a section
};

std::string decoded(std::string_view bytes) {
    if (bytes.starts_with("\xEF\xBB\xBF")) return std::string(bytes.substr(3));
    if (bytes.starts_with("\xFF\xFE")) return utf16ToUtf8(bytes.substr(2), false);
    if (bytes.starts_with("\xFE\xFF")) return utf16ToUtf8(bytes.substr(2), true);
    return std::string(bytes);
}

}  // namespace

IniDocument::IniDocument(std::string_view bytes) : text_(decoded(bytes)) {}

bool IniDocument::readWhole() const {
    if (!readWhole_) readWhole_ = readsWhole();
    return *readWhole_;
}

bool IniDocument::readsWhole() const {
    // One path given by two sections: only possible where a key holds a '/'.
    std::map<std::string, std::size_t, std::less<>> slashed;  // path -> length of its prefix
    LineReader reader(text_);
    Line line;
    while (reader.next(line)) {
        if (line.kind == Line::Kind::Broken) return false;
        if (line.kind != Line::Kind::Entry) continue;
        const std::string_view value(text_.data() + line.valueBegin, line.valueEnd - line.valueBegin);
        if (!ini::unescapeValue(value)) return false;
        if (line.path.find('/', line.prefixLength) != std::string::npos) slashed.emplace(line.path, line.prefixLength);
    }
    if (slashed.empty()) return true;
    LineReader again(text_);
    while (again.next(line)) {
        if (line.kind != Line::Kind::Entry) continue;
        const auto found = slashed.find(line.path);
        if (found != slashed.end() && found->second != line.prefixLength) return false;
    }
    return true;
}

std::string IniDocument::value(std::string_view section, std::string_view key) const {
    const std::string path = pathOf(section, key);
    std::string found;
    if (path.empty()) return found;
    LineReader reader(text_);
    Line line;
    while (reader.next(line)) {
        if (line.kind != Line::Kind::Entry || line.path != path) continue;
        const std::string_view value(text_.data() + line.valueBegin, line.valueEnd - line.valueBegin);
        if (std::optional<std::string> unescaped = ini::unescapeValue(value)) found = std::move(*unescaped);
    }
    return found;
}

std::string IniDocument::withValue(std::string_view section, std::string_view key, std::string_view value) const {
    const std::string path = pathOf(section, key);
    if (!readWhole()) return freshText(path, validUtf8(value));
    return path.empty() ? text_ : editedText(path, validUtf8(value));
}

std::string IniDocument::editedText(const std::string& path, std::string_view value) const {
    const PathParts parts = partsOf(path);
    const std::string prefix = sectionPrefix(parts.section);
    // The value's last line (the one Qt reads), or else the place after the
    // last line of its section.
    std::optional<Line> match;
    std::optional<Line> last;
    std::string eol;
    LineReader reader(text_);
    Line line;
    while (reader.next(line)) {
        if (eol.empty() && line.hasTerminator()) eol = text_.substr(line.end, line.next - line.end);
        if (line.kind == Line::Kind::Header && line.prefix == prefix) last = line;
        if (line.kind != Line::Kind::Entry) continue;
        if (line.path == path) match = line;
        if (line.prefixInForce() == prefix) last = line;
    }
    if (eol.empty()) eol = "\n";

    if (match) {
        return text_.substr(0, match->valueBegin) + ini::escapeValue(value) + text_.substr(match->valueEnd);
    }
    const std::string entry = entryLine(parts.key, value);
    if (last) {
        std::string out = text_.substr(0, last->next);
        if (!last->hasTerminator()) out += eol;
        return out + entry + eol + text_.substr(last->next);
    }
    std::string out = text_;
    if (!out.empty()) {
        if (out.back() != '\n' && out.back() != '\r') out += eol;
        out += eol;
    }
    return out + headerLine(parts.section) + eol + entry + eol;
}

std::string IniDocument::freshText(const std::string& path, std::string_view value) const {
    // Every value that could be read, at the first place its path was seen.
    struct Entry {
        std::string path;
        std::string value;
    };
    std::vector<Entry> entries;
    std::unordered_map<std::string, std::size_t> places;
    const auto put = [&](const std::string& entryPath, std::string entryValue) {
        const auto [place, added] = places.emplace(entryPath, entries.size());
        if (added) {
            entries.push_back({entryPath, std::move(entryValue)});
        } else {
            entries[place->second].value = std::move(entryValue);
        }
    };
    LineReader reader(text_);
    Line line;
    while (reader.next(line)) {
        // A path that no lookup can reach (an empty part) stays in the old file only.
        if (line.kind != Line::Kind::Entry || line.path.empty() || normalisedPath(line.path) != line.path) continue;
        const std::string_view raw(text_.data() + line.valueBegin, line.valueEnd - line.valueBegin);
        if (std::optional<std::string> unescaped = ini::unescapeValue(raw)) put(line.path, std::move(*unescaped));
    }
    if (!path.empty()) put(path, std::string(value));

    // One block per section, in the order the sections were first seen.
    std::vector<std::string_view> sections;
    std::unordered_map<std::string_view, std::vector<const Entry*>> members;
    for (const Entry& entry : entries) {
        const std::string_view section = partsOf(entry.path).section;
        auto& list = members[section];
        if (list.empty()) sections.push_back(section);
        list.push_back(&entry);
    }
    std::string out;
    for (const std::string_view section : sections) {
        if (!out.empty()) out += '\n';
        out += headerLine(section) + '\n';
        for (const Entry* entry : members[section]) out += entryLine(partsOf(entry->path).key, entry->value) + '\n';
    }
    return out;
}

}  // namespace vclock::qt
