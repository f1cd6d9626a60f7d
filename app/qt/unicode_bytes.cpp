#include "app/qt/unicode_bytes.h"

namespace vclock::qt {
namespace {

constexpr bool isContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

constexpr bool isSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDFFF; }

}  // namespace

std::size_t utf8SequenceLength(std::string_view bytes, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[at + i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    // The smallest and largest second byte that keep the sequence in range:
    // no overlong forms, no surrogates, nothing above U+10FFFF.
    unsigned char low = 0x80, high = 0xBF;
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (at + length > bytes.size() || byte(1) < low || byte(1) > high) return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if (!isContinuation(byte(i))) return 0;
    }
    return length;
}

char32_t decodeUtf8(std::string_view bytes, std::size_t at, std::size_t length) {
    static constexpr unsigned char kLeadBits[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
    char32_t value = static_cast<unsigned char>(bytes[at]) & kLeadBits[length];
    for (std::size_t i = 1; i < length; ++i) value = (value << 6) | (static_cast<unsigned char>(bytes[at + i]) & 0x3F);
    return value;
}

bool isUtf8(std::string_view bytes) {
    for (std::size_t at = 0; at < bytes.size();) {
        if (static_cast<unsigned char>(bytes[at]) < 0x80) {
            ++at;
            continue;
        }
        const std::size_t length = utf8SequenceLength(bytes, at);
        if (length == 0) return false;
        at += length;
    }
    return true;
}

void appendUtf8(std::string& out, char32_t codePoint) {
    const auto put = [&](char32_t bits) { out.push_back(static_cast<char>(bits)); };
    if (codePoint < 0x80) {
        put(codePoint);
    } else if (codePoint < 0x800) {
        put(0xC0 | (codePoint >> 6));
        put(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        put(0xE0 | (codePoint >> 12));
        put(0x80 | ((codePoint >> 6) & 0x3F));
        put(0x80 | (codePoint & 0x3F));
    } else {
        put(0xF0 | (codePoint >> 18));
        put(0x80 | ((codePoint >> 12) & 0x3F));
        put(0x80 | ((codePoint >> 6) & 0x3F));
        put(0x80 | (codePoint & 0x3F));
    }
}

std::string validUtf8(std::string_view bytes) {
    if (isUtf8(bytes)) return std::string(bytes);
    std::string out;
    out.reserve(bytes.size());
    forEachCodePoint(bytes, [&](char32_t c) { appendUtf8(out, c); });
    return out;
}

std::string utf16ToUtf8(std::string_view bytes, bool bigEndian) {
    const auto unitAt = [&](std::size_t at) -> char32_t {
        const auto first = static_cast<unsigned char>(bytes[at]), second = static_cast<unsigned char>(bytes[at + 1]);
        return bigEndian ? (first << 8 | second) : (second << 8 | first);
    };
    constexpr char kNotText = '\xFF';
    std::string out;
    out.reserve(bytes.size());
    std::size_t at = 0;
    for (; at + 1 < bytes.size(); at += 2) {
        const char32_t unit = unitAt(at);
        if (!isSurrogate(unit)) {
            appendUtf8(out, unit);
            continue;
        }
        const bool paired = unit < 0xDC00 && at + 3 < bytes.size() && unitAt(at + 2) >= 0xDC00 && unitAt(at + 2) <= 0xDFFF;
        if (!paired) {
            out.push_back(kNotText);
            continue;
        }
        appendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (unitAt(at + 2) - 0xDC00));
        at += 2;
    }
    if (at < bytes.size()) out.push_back(kNotText);
    return out;
}

}  // namespace vclock::qt
