#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vclock {

// How the date reader compares text: tabs, no-break spaces (U+00A0) and
// narrow no-break spaces (U+202F) are blanks, and a run of blanks counts as
// one; the direction marks U+200E, U+200F and U+061C are invisible and do
// not count at all; ASCII letters compare without regard to case. Other
// scripts compare byte for byte.

// UTF-8 of the blanks beside space and tab, and of the direction marks.
inline constexpr std::array<std::string_view, 2> kWideBlanks{"\xc2\xa0", "\xe2\x80\xaf"};
inline constexpr std::array<std::string_view, 3> kDirectionMarks{"\xe2\x80\x8e", "\xe2\x80\x8f", "\xd8\x9c"};

// The text as it compares: each run of blanks one ' ', no direction marks,
// no blanks at either end.
std::string foldedText(std::string_view text);

// How many bytes at the start of `folded` (a text from foldedText) read as
// `word` (a designator, a month name, literal text of a pattern), compared
// as above; nothing when they do not. A blank in `word` matches one blank.
std::optional<std::size_t> matchFolded(std::string_view folded, std::string_view word);

}  // namespace vclock
