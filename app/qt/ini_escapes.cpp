#include "app/qt/ini_escapes.h"

#include <algorithm>
#include <cstdint>

#include "app/qt/unicode_bytes.h"

namespace vclock::qt::ini {
namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";
constexpr char kLowerHexDigits[] = "0123456789abcdef";

int hexValue(char32_t c) {
    if (c >= '0' && c <= '9') return static_cast<int>(c - '0');
    if (c >= 'a' && c <= 'f') return static_cast<int>(c - 'a' + 10);
    if (c >= 'A' && c <= 'F') return static_cast<int>(c - 'A' + 10);
    return -1;
}

bool isAsciiBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

// Collects UTF-16 units and UTF-8 text as UTF-8, joining surrogate pairs;
// fails on a surrogate that is not part of a pair.
class Utf16Collector {
public:
    explicit Utf16Collector(std::string& out) : out_(out) {}

    bool unit(char16_t u) {
        if (high_ != 0) {
            if (u < 0xDC00 || u > 0xDFFF) return false;
            appendUtf8(out_, 0x10000 + ((char32_t{high_} - 0xD800) << 10) + (u - 0xDC00));
            high_ = 0;
            return true;
        }
        if (u >= 0xD800 && u <= 0xDBFF) {
            high_ = u;
            return true;
        }
        if (u >= 0xDC00 && u <= 0xDFFF) return false;
        appendUtf8(out_, u);
        return true;
    }

    bool text(std::string_view utf8) {
        if (high_ != 0) return false;
        out_ += utf8;
        return true;
    }

    bool complete() const { return high_ == 0; }

private:
    std::string& out_;
    char16_t high_ = 0;
};

// The UTF-16 units of a UTF-8 text.
template <typename Visit>
void forEachUnit(std::string_view utf8, Visit visit) {
    forEachCodePoint(utf8, [&](char32_t c) {
        if (c < 0x10000) {
            visit(static_cast<char16_t>(c));
        } else {
            visit(static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10)));
            visit(static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF)));
        }
    });
}

// A number as Qt's QString::toUShort(base 16) reads it: blanks around it,
// a '+' and a "0x" in front are allowed. Non-ASCII text (which Qt may take
// as a blank or a digit) gives `ambiguous`.
struct HexField {
    std::optional<char16_t> value;
    bool ambiguous = false;
};

HexField readHexField(std::string_view field) {
    for (char c : field) {
        if (static_cast<unsigned char>(c) >= 0x80) return {std::nullopt, true};
    }
    while (!field.empty() && isAsciiBlank(field.front())) field.remove_prefix(1);
    while (!field.empty() && isAsciiBlank(field.back())) field.remove_suffix(1);
    if (!field.empty() && field.front() == '+') field.remove_prefix(1);
    if (field.size() > 2 && field[0] == '0' && (field[1] == 'x' || field[1] == 'X')) field.remove_prefix(2);
    if (field.empty()) return {};
    unsigned value = 0;
    for (char c : field) {
        const int digit = hexValue(static_cast<unsigned char>(c));
        if (digit < 0) return {};
        value = value * 16 + static_cast<unsigned>(digit);
    }
    return {static_cast<char16_t>(value), false};
}

void appendHex(std::string& out, char32_t c) {
    std::string digits;
    do {
        digits.insert(digits.begin(), kLowerHexDigits[c % 16]);
        c /= 16;
    } while (c != 0);
    out += digits;
}

}  // namespace

std::string escapeName(std::string_view name) {
    std::string out;
    out.reserve(name.size());
    forEachUnit(name, [&](char16_t u) {
        const bool plain = (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == '_' ||
                           u == '-' || u == '.';
        if (u == '/') {
            out += '\\';
        } else if (plain) {
            out += static_cast<char>(u);
        } else if (u <= 0xFF) {
            out += '%';
            out += kHexDigits[u >> 4];
            out += kHexDigits[u & 0xF];
        } else {
            out += "%U";
            for (int shift = 12; shift >= 0; shift -= 4) out += kHexDigits[(u >> shift) & 0xF];
        }
    });
    return out;
}

std::optional<std::string> unescapeName(std::string_view escaped) {
    std::string out;
    Utf16Collector collector(out);
    std::size_t i = 0;
    while (i < escaped.size()) {
        const char c = escaped[i];
        if (c == '\\') {
            if (!collector.text("/")) return std::nullopt;
            ++i;
            continue;
        }
        if (c == '%' && i + 1 < escaped.size()) {
            const bool wide = escaped[i + 1] == 'U';
            const std::size_t first = i + (wide ? 2 : 1), digits = wide ? 4 : 2;
            if (first + digits <= escaped.size()) {
                const HexField field = readHexField(escaped.substr(first, digits));
                if (field.ambiguous) return std::nullopt;
                if (field.value) {
                    if (!collector.unit(*field.value)) return std::nullopt;
                    i = first + digits;
                    continue;
                }
            }
        }
        const std::size_t length = std::max<std::size_t>(1, utf8SequenceLength(escaped, i));
        if (!collector.text(escaped.substr(i, length))) return std::nullopt;
        i += length;
    }
    if (!collector.complete()) return std::nullopt;
    return out;
}

std::string escapeValue(std::string_view value) {
    std::string out;
    out.reserve(value.size() + 2);
    if (!value.empty() && value.front() == '@') out += '@';
    bool quote = false;
    // After \0 or \xNN a hex digit would be read as part of the escape.
    bool escapeHexDigit = false;
    forEachCodePoint(value, [&](char32_t c) {
        if (c == ';' || c == ',' || c == '=') quote = true;
        if (escapeHexDigit && hexValue(c) >= 0) {
            out += "\\x";
            appendHex(out, c);
            return;
        }
        escapeHexDigit = false;
        switch (c) {
            case '\0': out += "\\0"; escapeHexDigit = true; return;
            case '\a': out += "\\a"; return;
            case '\b': out += "\\b"; return;
            case '\f': out += "\\f"; return;
            case '\n': out += "\\n"; return;
            case '\r': out += "\\r"; return;
            case '\t': out += "\\t"; return;
            case '\v': out += "\\v"; return;
            case '"': out += "\\\""; return;
            case '\\': out += "\\\\"; return;
            default: break;
        }
        if (c <= 0x1F) {
            out += "\\x";
            appendHex(out, c);
            escapeHexDigit = true;
            return;
        }
        appendUtf8(out, c);
    });
    if (quote || (!out.empty() && (out.front() == ' ' || out.back() == ' '))) out = '"' + out + '"';
    return out;
}

std::optional<std::string> unescapeValue(std::string_view escaped) {
    static constexpr char kNamedEscapes[][2] = {{'a', '\a'}, {'b', '\b'}, {'f', '\f'}, {'n', '\n'},  {'r', '\r'}, {'t', '\t'},
                                                {'v', '\v'}, {'"', '"'},  {'?', '?'},  {'\'', '\''}, {'\\', '\\'}};
    std::string out;
    Utf16Collector collector(out);
    std::size_t i = 0;
    bool inQuotes = false, quoted = false;
    // Unquoted blanks at the end are dropped, but not those an escape gave.
    std::size_t keep = 0;
    bool chopBlanks = true;
    const auto skipBlanks = [&] {
        while (i < escaped.size() && (escaped[i] == ' ' || escaped[i] == '\t')) ++i;
    };
    skipBlanks();
    while (i < escaped.size()) {
        const char c = escaped[i];
        if (c == '"') {
            ++i;
            quoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes) skipBlanks();
            keep = out.size();
            continue;
        }
        if (c != '\\') {
            std::size_t end = i + 1;
            while (end < escaped.size() && escaped[end] != '\\' && escaped[end] != '"') ++end;
            if (!collector.text(escaped.substr(i, end - i))) return std::nullopt;
            i = end;
            continue;
        }
        // A backslash: an escape, or (at the end) nothing at all.
        if (++i >= escaped.size()) {
            chopBlanks = false;
            break;
        }
        const char e = escaped[i++];
        // Qt drops the one byte after an unknown escape, which would leave
        // the rest of a character behind; what it reads then is not ours to guess.
        if (static_cast<unsigned char>(e) >= 0x80) return std::nullopt;
        bool named = false;
        for (const auto& [letter, meaning] : kNamedEscapes) {
            if (e == letter) {
                if (!collector.text(std::string_view(&meaning, 1))) return std::nullopt;
                named = true;
                break;
            }
        }
        if (!named && (e == 'x' || (e >= '0' && e <= '7'))) {
            const int base = e == 'x' ? 16 : 8;
            if (e == 'x' && i >= escaped.size()) {
                chopBlanks = false;
                break;
            }
            const auto digit = [&](char d) {
                const int v = hexValue(static_cast<unsigned char>(d));
                return v < base ? v : -1;
            };
            if (e != 'x' || digit(escaped[i]) >= 0) {
                // Qt collects the number in 16 bits, dropping what overflows.
                std::uint16_t number = e == 'x' ? 0 : static_cast<std::uint16_t>(e - '0');
                while (i < escaped.size() && digit(escaped[i]) >= 0) {
                    number = static_cast<std::uint16_t>(number * base + digit(escaped[i]));
                    ++i;
                }
                if (!collector.unit(number)) return std::nullopt;
                if (i >= escaped.size()) chopBlanks = false;
            }
        }
        keep = out.size();
    }
    if (!collector.complete()) return std::nullopt;
    if (chopBlanks && !quoted) {
        while (out.size() > keep && (out.back() == ' ' || out.back() == '\t')) out.pop_back();
    }
    if (out.starts_with("@String(") && out.ends_with(')')) return out.substr(8, out.size() - 9);
    if (out.starts_with("@@")) return out.substr(1);
    return out;
}

}  // namespace vclock::qt::ini
