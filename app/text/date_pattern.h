#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vclock {

// One piece of a date or time pattern (the language is described with
// RegionalForms): a field, which is a run of one ASCII letter, or literal
// text. Writing, reading and mending patterns all go through these pieces,
// so that they agree on what a pattern says. Literal text is a view into the
// pattern the pieces were split from, which must outlive them.
struct PatternPiece {
    char field = 0;         // the letter; 0 for literal text
    std::size_t count = 0;  // how many times the letter stands in a row
    std::string_view text;  // literal text, without quotes
    bool quoted = false;    // literal text that stood in quotes

    static PatternPiece ofText(std::string_view text, bool quoted = false) { return {0, 0, text, quoted}; }
};

// Whether the clock writes this field: h H m s t, d and dd, M to MMMM, y.
// Other letters (weekdays, eras, time zones) are fields it leaves out.
bool isWrittenField(const PatternPiece& piece);

// The piece of `pattern` that starts at `at`, moving `at` past it; nothing
// at the end of the pattern.
std::optional<PatternPiece> nextPiece(std::string_view pattern, std::size_t& at);

// All pieces of `pattern`, by nextPiece.
std::vector<PatternPiece> splitPattern(std::string_view pattern);

// The pattern of these pieces; literal text with ASCII letters is quoted
// (a quote itself cannot stand in literal text and is left out).
std::string joinPattern(const std::vector<PatternPiece>& pieces);

// Removes the field at `index` together with what joins it to the rest:
// the blanks, brackets and commas around it, or the separator of a field
// between two others ("ss.zzz AP" loses ".zzz"). Quoted text stays.
void leaveOut(std::vector<PatternPiece>& pieces, std::size_t index);

// leaveOut for every field the clock does not write, then blanks at either
// end of the pattern.
void leaveOutUnwritten(std::vector<PatternPiece>& pieces);

// The pattern without the fields the clock does not write: split,
// leaveOutUnwritten and joined again.
std::string writtenPattern(std::string_view pattern);

}  // namespace vclock
