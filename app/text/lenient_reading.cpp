#include "app/text/lenient_reading.h"

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "app/text/date_pattern.h"
#include "app/text/reading_rules.h"
#include "app/text/text_folding.h"

namespace vclock {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
// Letters of any script: ASCII letters and every byte of a multi-byte UTF-8 sequence.
bool isWordByte(char c) {
    const auto u = static_cast<unsigned char>(c);
    return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || u >= 0x80;
}
bool isPunctuation(char c) { return c > ' ' && c < 0x7f && !isDigit(c) && !isWordByte(c); }

// ---------------------------------------------------------------- patterns

// The separator that follows the field at `index`: one punctuation
// character (direction marks left out), or 0.
char separatorAfter(const std::vector<PatternPiece>& pieces, std::size_t index) {
    if (index + 1 >= pieces.size() || pieces[index + 1].field != 0) return 0;
    const std::string text = foldedText(pieces[index + 1].text);
    return text.size() == 1 && isPunctuation(text[0]) ? text[0] : 0;
}

// What the reader needs to know of the short date pattern: the order of
// day, month and year ("Mdy" for "M/d/yyyy") and the separator after its
// first field ('/'); 0 when there is none.
struct DateShape {
    std::string order;
    char separator = 0;
};

DateShape dateShapeOf(std::string_view pattern) {
    const std::vector<PatternPiece> pieces = splitPattern(pattern);
    DateShape shape;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const char c = pieces[i].field;
        if ((c != 'd' && c != 'M' && c != 'y') || !isWrittenField(pieces[i])) continue;
        if (shape.order.empty()) shape.separator = separatorAfter(pieces, i);
        if (shape.order.find(c) == std::string::npos) shape.order += c;
    }
    return shape;
}

// The separator between hours and minutes in the time pattern, or 0.
char timeSeparatorOf(std::string_view pattern) {
    const std::vector<PatternPiece> pieces = splitPattern(pattern);
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        if (pieces[i].field == 'h' || pieces[i].field == 'H') return separatorAfter(pieces, i);
    }
    return 0;
}

// ---------------------------------------------------------------- tokens

// The longest text read has thirteen pieces ("3/25/2001 7:30:15 PM") and no
// number longer than a year, so more or longer pieces reject the text at
// once, before any work grows with its length.
constexpr std::size_t kMaxTokens = 16;
constexpr std::size_t kMaxDigits = 4;
constexpr std::size_t kMaxWordBytes = 32;

struct Token {
    enum class Kind { Number, Word, Separator, Blank };
    Kind kind = Kind::Blank;
    int value = 0;  // a Number's value
    std::string_view text;
};

struct Tokens {
    std::array<Token, kMaxTokens> items;
    std::size_t count = 0;
};

// One pass over the folded text: runs of digits and of letters, single
// blanks and single punctuation characters. Control characters, NULs and
// too many or too long pieces reject the text.
std::optional<Tokens> tokenize(std::string_view text) {
    Tokens tokens;
    std::size_t i = 0;
    while (i < text.size()) {
        if (tokens.count == kMaxTokens) return std::nullopt;
        Token& token = tokens.items[tokens.count++];
        const std::size_t start = i;
        const char c = text[i];
        if (isDigit(c)) {
            token.kind = Token::Kind::Number;
            for (; i < text.size() && isDigit(text[i]); ++i) {
                if (i - start == kMaxDigits) return std::nullopt;
                token.value = token.value * 10 + (text[i] - '0');
            }
        } else if (isWordByte(c)) {
            token.kind = Token::Kind::Word;
            for (; i < text.size() && isWordByte(text[i]); ++i) {
                if (i - start == kMaxWordBytes) return std::nullopt;
            }
        } else if (c == ' ') {
            token.kind = Token::Kind::Blank;
            ++i;
        } else if (isPunctuation(c)) {
            token.kind = Token::Kind::Separator;
            ++i;
        } else {
            return std::nullopt;
        }
        token.text = text.substr(start, i - start);
    }
    return tokens;
}

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool sameLetters(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

class Cursor {
public:
    explicit Cursor(const Tokens& tokens) : tokens_(tokens) {}

    bool atEnd() const { return at_ == tokens_.count; }
    std::size_t position() const { return at_; }
    void seek(std::size_t position) { at_ = position; }

    // Takes the next token when it is of `kind`.
    const Token* take(Token::Kind kind) {
        if (atEnd() || tokens_.items[at_].kind != kind) return nullptr;
        return &tokens_.items[at_++];
    }
    // Takes the next token when it is a number of at most `maxDigits` digits.
    const Token* takeNumber(std::size_t maxDigits) {
        if (atEnd() || tokens_.items[at_].kind != Token::Kind::Number || tokens_.items[at_].text.size() > maxDigits) {
            return nullptr;
        }
        return &tokens_.items[at_++];
    }
    // Takes the next token when it is one of the separator characters in
    // `accepted`, and gives that character; 0 when it takes nothing.
    char takeSeparator(std::string_view accepted) {
        if (atEnd() || tokens_.items[at_].kind != Token::Kind::Separator) return 0;
        const char c = tokens_.items[at_].text.front();
        if (accepted.find(c) == std::string_view::npos) return 0;
        ++at_;
        return c;
    }

private:
    const Tokens& tokens_;
    std::size_t at_ = 0;
};

// ---------------------------------------------------------------- dates

std::optional<int> monthOf(std::string_view word, const RegionalForms& forms) {
    for (std::size_t i = 0; i < 12; ++i) {
        if (sameLetters(word, forms.abbreviatedMonthNames[i]) || sameLetters(word, forms.monthNames[i])) {
            return static_cast<int>(i) + 1;
        }
    }
    return std::nullopt;
}

struct ReadDate {
    std::int64_t days;
    bool iso;  // year first, as "2001-03-25"; may be followed by 'T' and a time
};

// A date in one of three forms: the region's short date ("3/25/2001",
// "25.03.01"), ISO year-month-day with hyphens ("2001-03-25"), and day,
// month name and year ("25-Mar-01", the medium date). Both separators are
// the same character, a hyphen or the region's date separator.
std::optional<ReadDate> readDate(Cursor& in, const RegionalForms& forms) {
    const DateShape shape = dateShapeOf(forms.shortDatePattern);
    const Token* first = in.takeNumber(kMaxDigits);
    const char separator = first ? in.takeSeparator(std::string{'-', shape.separator}) : 0;
    if (separator == 0) return std::nullopt;
    const Token* monthName = in.take(Token::Kind::Word);
    const Token* second = monthName ? nullptr : in.takeNumber(kMaxDigits);
    if ((!monthName && !second) || !in.takeSeparator(std::string_view(&separator, 1))) return std::nullopt;
    const Token* third = in.takeNumber(kMaxDigits);
    if (!third) return std::nullopt;

    // Day, month and year tokens, in the order of the form the text has.
    const Token* day = nullptr;
    const Token* month = second;
    const Token* year = nullptr;
    bool iso = false;
    if (monthName) {
        day = first;
        year = third;
    } else if (separator == '-' && first->text.size() > 2) {
        year = first;
        day = third;
        iso = true;
    } else if (separator == shape.separator && shape.order.size() == 3) {
        const std::array<const Token*, 3> typed{first, second, third};
        for (std::size_t i = 0; i < typed.size(); ++i) {
            const char field = shape.order[i];
            (field == 'd' ? day : field == 'M' ? month : year) = typed[i];
        }
    } else {
        return std::nullopt;
    }

    const std::optional<int> y = yearAsTyped(year->text.size(), year->value);
    const std::optional<int> m = monthName ? monthOf(monthName->text, forms)
                                           : (month->text.size() <= 2 ? std::optional<int>(month->value) : std::nullopt);
    if (!y || !m || day->text.size() > 2) return std::nullopt;
    const std::optional<std::int64_t> days = daysOfDate(*y, *m, day->value);
    if (!days) return std::nullopt;
    return ReadDate{*days, iso};
}

// ---------------------------------------------------------------- times

// A designator as compared: folded, without dots and blanks, ASCII letters
// in lower case ("p. m." and "PM" both "pm").
std::string squeezed(std::string_view designator) {
    std::string out;
    for (const char c : foldedText(designator)) {
        if (c != '.' && c != ' ') out += lower(c);
    }
    return out;
}

// Whether a squeezed designator means the afternoon: the region's own, or
// the English "AM"/"PM" and "A"/"P".
std::optional<bool> afternoon(std::string_view typed, const RegionalForms& forms) {
    const std::array<std::pair<std::string, bool>, 6> designators{{{squeezed(forms.amDesignator), false},
                                                                    {squeezed(forms.pmDesignator), true},
                                                                    {"am", false},
                                                                    {"pm", true},
                                                                    {"a", false},
                                                                    {"p", true}}};
    for (const auto& [text, pm] : designators) {
        if (!text.empty() && text == typed) return pm;
    }
    return std::nullopt;
}

// A designator at the cursor: words, dots and blanks up to the next number
// or the end. Takes it and tells whether it means the afternoon; takes
// nothing when the tokens there are no designator.
std::optional<bool> takeDesignator(Cursor& in, const RegionalForms& forms) {
    const std::size_t start = in.position();
    std::string typed;
    bool hasWord = false;
    while (true) {
        if (const Token* word = in.take(Token::Kind::Word)) {
            for (const char c : word->text) typed += lower(c);
            hasWord = true;
        } else if (!in.take(Token::Kind::Blank) && !in.takeSeparator(".")) {
            break;
        }
    }
    const std::optional<bool> pm = hasWord ? afternoon(typed, forms) : std::nullopt;
    if (!pm) in.seek(start);
    return pm;
}

// A time of day as seconds from midnight: hours, minutes and seconds joined
// by ':' (or the region's time separator), the last two optional, and a
// designator before or after, with or without a blank. A bare number is not
// a time: it needs minutes or a designator.
std::optional<std::int64_t> readTime(Cursor& in, const RegionalForms& forms) {
    const std::string separators{':', timeSeparatorOf(forms.timePattern)};
    std::optional<bool> pm = takeDesignator(in, forms);
    const Token* hour = in.takeNumber(2);
    if (!hour) return std::nullopt;
    int minute = 0;
    int second = 0;
    const bool hasMinutes = in.takeSeparator(separators) != 0;
    if (hasMinutes) {
        const Token* m = in.takeNumber(2);
        if (!m) return std::nullopt;
        minute = m->value;
        if (in.takeSeparator(separators) != 0) {
            const Token* s = in.takeNumber(2);
            if (!s) return std::nullopt;
            second = s->value;
        }
    }
    if (!pm) pm = takeDesignator(in, forms);
    if (!pm && !hasMinutes) return std::nullopt;
    const std::optional<int> hours = hourOfDay(hour->value, pm);
    if (!hours || minute > 59 || second > 59) return std::nullopt;
    return *hours * 3600 + minute * 60 + second;
}

}  // namespace

std::optional<DateTime> readLeniently(std::string_view folded, const RegionalForms& forms) {
    const std::optional<Tokens> tokens = tokenize(folded);
    if (!tokens) return std::nullopt;
    // A time alone first: where a region separates both times and dates by
    // dots, "1.02.03" is the time its own time form writes, not a date.
    Cursor in(*tokens);
    if (const std::optional<std::int64_t> time = readTime(in, forms); time && in.atEnd()) {
        return DateTime::fromSeconds(*time);
    }
    in.seek(0);
    const std::optional<ReadDate> date = readDate(in, forms);
    if (!date) return std::nullopt;
    const std::int64_t dateSeconds = date->days * DateTime::kSecondsPerDay;
    if (in.atEnd()) return DateTime::fromSeconds(dateSeconds);
    if (!in.take(Token::Kind::Blank)) {
        const Token* t = date->iso ? in.take(Token::Kind::Word) : nullptr;
        if (!t || !sameLetters(t->text, "T")) return std::nullopt;
    }
    const std::optional<std::int64_t> time = readTime(in, forms);
    if (!time || !in.atEnd()) return std::nullopt;
    return DateTime::fromSeconds(dateSeconds + *time);
}

}  // namespace vclock
