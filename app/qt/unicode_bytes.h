#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vclock::qt {

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool isUtf8(std::string_view bytes);

// Appends the UTF-8 form of a Unicode scalar value.
void appendUtf8(std::string& out, char32_t codePoint);

// Calls visit(codePoint) for each character of `bytes`, with U+FFFD for each
// byte that does not begin a valid UTF-8 sequence.
template <typename Visit>
void forEachCodePoint(std::string_view bytes, Visit visit);

// `bytes` with every invalid UTF-8 sequence replaced by U+FFFD.
std::string validUtf8(std::string_view bytes);

// UTF-16 text (without its byte-order mark) in UTF-8. A unit that is not
// part of a valid character, or an odd last byte, becomes the byte 0xFF,
// which no UTF-8 text holds, so that the reader can tell where it was.
std::string utf16ToUtf8(std::string_view bytes, bool bigEndian);

// The length of the valid UTF-8 sequence that starts at `bytes[at]`, or 0.
std::size_t utf8SequenceLength(std::string_view bytes, std::size_t at);

// The scalar value of the valid sequence of `length` bytes at `bytes[at]`.
char32_t decodeUtf8(std::string_view bytes, std::size_t at, std::size_t length);

template <typename Visit>
void forEachCodePoint(std::string_view bytes, Visit visit) {
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t length = utf8SequenceLength(bytes, at);
        if (length == 0) {
            visit(char32_t{0xFFFD});
            ++at;
        } else {
            visit(decodeUtf8(bytes, at, length));
            at += length;
        }
    }
}

}  // namespace vclock::qt
