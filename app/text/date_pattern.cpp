#include "app/text/date_pattern.h"

#include <algorithm>
#include <array>

#include "app/text/text_folding.h"

namespace vclock {
namespace {

bool isAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isAsciiPunctuation(char c) { return c > ' ' && c < 0x7f && !isAsciiLetter(c) && !(c >= '0' && c <= '9'); }

// What may join a left-out field to its neighbours, in UTF-8: blanks,
// brackets, commas (Latin, Arabic, ideographic, full-width) and direction
// marks.
constexpr std::array<std::string_view, 2> kPlainBlanks{" ", "\t"};
constexpr std::array<std::string_view, 10> kBracketsAndCommas{"(", ")", "[", "]", "{", "}", ",", "\xd8\x8c",
                                                              "\xe3\x80\x81", "\xef\xbc\x8c"};

enum Joiners { kBlanks = 1, kOthers = 2, kAll = 3 };

// Strips joiners of the given kinds from the end (or the start) of `text`;
// true when it stripped any.
bool stripJoiners(std::string_view& text, bool fromEnd, int kinds) {
    bool stripped = false;
    for (bool more = true; more && !text.empty();) {
        more = false;
        const auto strip = [&](std::string_view joiner) {
            const bool found = fromEnd ? text.ends_with(joiner) : text.starts_with(joiner);
            if (!found) return;
            fromEnd ? text.remove_suffix(joiner.size()) : text.remove_prefix(joiner.size());
            more = stripped = true;
        };
        if (kinds & kOthers) {
            for (const std::string_view j : kBracketsAndCommas) strip(j);
            for (const std::string_view j : kDirectionMarks) strip(j);
        }
        if (kinds & kBlanks) {
            for (const std::string_view j : kPlainBlanks) strip(j);
            for (const std::string_view j : kWideBlanks) strip(j);
        }
    }
    return stripped;
}

bool onlyJoinersAndPunctuation(std::string_view text) {
    while (!text.empty()) {
        if (stripJoiners(text, false, kAll)) continue;
        if (!isAsciiPunctuation(text.front())) return false;
        text.remove_prefix(1);
    }
    return true;
}

// The literal text that stays on one side of a field left out at an end of
// the pattern: joiners go, and a separator that touched the field goes too.
void trimSide(std::string_view& text, bool fromEnd) {
    if (stripJoiners(text, fromEnd, kAll) || text.empty()) return;
    if (isAsciiPunctuation(fromEnd ? text.back() : text.front())) fromEnd ? text.remove_suffix(1) : text.remove_prefix(1);
}

}  // namespace

bool isWrittenField(const PatternPiece& piece) {
    switch (piece.field) {
        case 'h': case 'H': case 'm': case 's': case 't': case 'M': case 'y': return true;
        case 'd': return piece.count <= 2;  // ddd and dddd are weekdays
        default: return false;
    }
}

std::optional<PatternPiece> nextPiece(std::string_view pattern, std::size_t& at) {
    while (at < pattern.size() && pattern[at] == '\'') {
        const std::size_t open = at;
        const std::size_t close = std::min(pattern.find('\'', open + 1), pattern.size());
        at = close + 1;
        if (close > open + 1) return PatternPiece::ofText(pattern.substr(open + 1, close - open - 1), true);
    }
    if (at >= pattern.size()) return std::nullopt;
    const char c = pattern[at];
    const std::size_t start = at++;
    if (isAsciiLetter(c)) {
        while (at < pattern.size() && pattern[at] == c) ++at;
        return PatternPiece{c, at - start, {}, false};
    }
    while (at < pattern.size() && pattern[at] != '\'' && !isAsciiLetter(pattern[at])) ++at;
    return PatternPiece::ofText(pattern.substr(start, at - start));
}

std::vector<PatternPiece> splitPattern(std::string_view pattern) {
    std::vector<PatternPiece> pieces;
    std::size_t at = 0;
    while (const std::optional<PatternPiece> piece = nextPiece(pattern, at)) pieces.push_back(*piece);
    return pieces;
}

std::string joinPattern(const std::vector<PatternPiece>& pieces) {
    std::string out;
    for (const PatternPiece& piece : pieces) {
        if (piece.field != 0) {
            out.append(piece.count, piece.field);
            continue;
        }
        std::string text(piece.text);
        std::erase(text, '\'');
        if (std::any_of(text.begin(), text.end(), isAsciiLetter)) {
            out += '\'' + text + '\'';
        } else {
            out += text;
        }
    }
    return out;
}

void leaveOut(std::vector<PatternPiece>& pieces, std::size_t index) {
    const auto looseText = [&](std::size_t i) {
        return i < pieces.size() && pieces[i].field == 0 && !pieces[i].quoted;
    };
    const bool hasBefore = index > 0 && looseText(index - 1);
    const bool hasAfter = looseText(index + 1);
    const std::size_t first = hasBefore ? index - 1 : index;
    const std::size_t end = hasAfter ? index + 2 : index + 1;
    const bool restBefore = first > 0;
    const bool restAfter = end < pieces.size();

    std::vector<PatternPiece> kept;
    if (restBefore && restAfter) {
        // Between two others: one joint stays, the one after the field
        // without its brackets and commas, else the one before.
        std::string_view joint = hasAfter ? pieces[index + 1].text : std::string_view();
        stripJoiners(joint, false, kOthers);
        if (joint.empty() && hasBefore) {
            joint = pieces[index - 1].text;
            stripJoiners(joint, true, kOthers);
        }
        if (!joint.empty()) kept.push_back(PatternPiece::ofText(joint));
    } else if (restBefore || restAfter) {
        // At one end: the text towards the rest keeps what is not a joiner;
        // the text towards the end goes when it holds nothing else.
        const std::size_t inner = restBefore ? index - 1 : index + 1;
        const std::size_t outer = restBefore ? index + 1 : index - 1;
        const bool hasInner = restBefore ? hasBefore : hasAfter;
        const bool hasOuter = restBefore ? hasAfter : hasBefore;
        if (hasInner) {
            PatternPiece piece = pieces[inner];
            trimSide(piece.text, restBefore);
            if (!piece.text.empty()) kept.push_back(piece);
        }
        if (hasOuter && !onlyJoinersAndPunctuation(pieces[outer].text)) {
            PatternPiece piece = pieces[outer];
            stripJoiners(piece.text, !restBefore, kAll);
            kept.insert(restBefore ? kept.end() : kept.begin(), piece);
        }
    }
    const auto at = pieces.erase(pieces.begin() + static_cast<std::ptrdiff_t>(first),
                                 pieces.begin() + static_cast<std::ptrdiff_t>(end));
    pieces.insert(at, kept.begin(), kept.end());
}

void leaveOutUnwritten(std::vector<PatternPiece>& pieces) {
    for (std::size_t i = 0; i < pieces.size();) {
        if (pieces[i].field != 0 && !isWrittenField(pieces[i])) {
            leaveOut(pieces, i);
            i = 0;
        } else {
            ++i;
        }
    }
    for (const bool atEnd : {false, true}) {
        if (pieces.empty()) return;
        PatternPiece& outer = atEnd ? pieces.back() : pieces.front();
        if (outer.field != 0 || outer.quoted) continue;
        stripJoiners(outer.text, atEnd, kBlanks);
        if (outer.text.empty()) pieces.erase(atEnd ? pieces.end() - 1 : pieces.begin());
    }
}

std::string writtenPattern(std::string_view pattern) {
    std::vector<PatternPiece> pieces = splitPattern(pattern);
    leaveOutUnwritten(pieces);
    return joinPattern(pieces);
}

}  // namespace vclock
