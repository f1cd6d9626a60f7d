#include "app/text/date_text.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>

namespace vclock {
namespace {

// ---------------------------------------------------------------- patterns

bool isFieldLetter(char c) {
    return c == 'h' || c == 'H' || c == 'm' || c == 's' || c == 't' || c == 'd' || c == 'M' || c == 'y';
}

void appendNumber(std::string& out, std::int64_t value, std::size_t width) {
    if (value < 0) out += '-';
    const std::string digits = std::to_string(value < 0 ? -value : value);
    if (digits.size() < width) out.append(width - digits.size(), '0');
    out += digits;
}

// Writes `value` by one of the patterns described with RegionalForms. A run
// of one field letter is one field: one letter writes the number as it is,
// two or more pad it to two digits; "MMM" and "MMMM" write month names,
// "yyy" and longer a four-digit year, and any run of 't' the designator.
std::string format(DateTime value, std::string_view pattern, const RegionalForms& forms) {
    const DateTime::Civil date = value.civil();
    std::string out;
    std::size_t i = 0;
    while (i < pattern.size()) {
        const char c = pattern[i];
        if (c == '\'') {
            const std::size_t close = std::min(pattern.find('\'', i + 1), pattern.size());
            out.append(pattern.substr(i + 1, close - i - 1));
            i = close + 1;
            continue;
        }
        std::size_t run = 1;
        while (isFieldLetter(c) && i + run < pattern.size() && pattern[i + run] == c) ++run;
        i += run;
        const std::size_t width = run >= 2 ? 2 : 1;
        switch (c) {
            case 'h': appendNumber(out, (value.hour() + 11) % 12 + 1, width); break;
            case 'H': appendNumber(out, value.hour(), width); break;
            case 'm': appendNumber(out, value.minute(), width); break;
            case 's': appendNumber(out, value.second(), width); break;
            case 't': out += value.hour() < 12 ? forms.amDesignator : forms.pmDesignator; break;
            case 'd': appendNumber(out, date.day, width); break;
            case 'M':
                if (run >= 4) out += forms.monthNames[date.month - 1];
                else if (run == 3) out += forms.abbreviatedMonthNames[date.month - 1];
                else appendNumber(out, date.month, width);
                break;
            case 'y':
                if (run >= 3) appendNumber(out, date.year, 4);
                else appendNumber(out, (date.year % 100 + 100) % 100, width);
                break;
            default: out += c;
        }
    }
    return out;
}

// What a reader needs to know of a pattern: the order of day, month and year
// ("Mdy" for "M/d/yyyy") and the first literal character, the separator
// ('/'); 0 when there is none.
struct PatternShape {
    std::string dateOrder;
    char separator = 0;
};

PatternShape shapeOf(std::string_view pattern) {
    PatternShape shape;
    bool quoted = false;
    for (const char c : pattern) {
        if (c == '\'') {
            quoted = !quoted;
        } else if (quoted || !isFieldLetter(c)) {
            if (shape.separator == 0) shape.separator = c;
        } else if ((c == 'd' || c == 'M' || c == 'y') && shape.dateOrder.find(c) == std::string::npos) {
            shape.dateOrder += c;
        }
    }
    return shape;
}

// ---------------------------------------------------------------- reading

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

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
// Letters of any script: ASCII letters and every byte of a multi-byte UTF-8 sequence.
bool isWordByte(char c) {
    const auto u = static_cast<unsigned char>(c);
    return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || u >= 0x80;
}
bool isPunctuation(char c) { return c > ' ' && c < 0x7f && !isDigit(c) && !isWordByte(c); }

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

// One pass over the text: runs of digits, of letters and of blanks, and single
// punctuation characters. Control characters, NULs and too many or too long
// pieces reject the text.
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
        } else if (isBlank(c)) {
            token.kind = Token::Kind::Blank;
            while (i < text.size() && isBlank(text[i])) ++i;
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

bool sameLetters(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

class Cursor {
public:
    explicit Cursor(const Tokens& tokens) : tokens_(tokens) {}

    bool atEnd() const { return at_ == tokens_.count; }
    void rewind() { at_ = 0; }

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

int daysInMonth(int year, int month) {
    static constexpr std::array<int, 12> kDays{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

// A year as typed: one or two digits fall in 1930..2029, three or four are
// taken as written from the year 100 on.
std::optional<int> yearOf(const Token& token) {
    if (token.text.size() <= 2) return token.value < 30 ? 2000 + token.value : 1900 + token.value;
    if (token.value < 100) return std::nullopt;
    return token.value;
}

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
    const PatternShape shape = shapeOf(forms.shortDatePattern);
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
    } else if (separator == shape.separator && shape.dateOrder.size() == 3) {
        const std::array<const Token*, 3> typed{first, second, third};
        for (std::size_t i = 0; i < typed.size(); ++i) {
            const char field = shape.dateOrder[i];
            (field == 'd' ? day : field == 'M' ? month : year) = typed[i];
        }
    } else {
        return std::nullopt;
    }

    const std::optional<int> y = yearOf(*year);
    const std::optional<int> m = monthName ? monthOf(monthName->text, forms)
                                           : (month->text.size() <= 2 ? std::optional<int>(month->value) : std::nullopt);
    if (!y || !m || *m < 1 || *m > 12 || day->text.size() > 2 || day->value < 1 || day->value > daysInMonth(*y, *m)) {
        return std::nullopt;
    }
    return ReadDate{DateTime::fromCivil(*y, *m, day->value).days(), iso};
}

// Whether a designator means the afternoon: the region's own, or the
// English "AM"/"PM" and "A"/"P", in any case.
std::optional<bool> afternoon(std::string_view word, const RegionalForms& forms) {
    const std::array<std::pair<std::string_view, bool>, 6> designators{{
        {forms.amDesignator, false}, {forms.pmDesignator, true}, {"AM", false}, {"PM", true}, {"A", false}, {"P", true}}};
    for (const auto& [text, pm] : designators) {
        if (!text.empty() && sameLetters(word, text)) return pm;
    }
    return std::nullopt;
}

// A time of day as seconds from midnight: hours, minutes and seconds joined
// by ':' (or the region's time separator), the last two optional, then an
// optional designator with or without a blank before it. Without a designator
// the hours count 0 to 23; with one 1 to 12, and 12 AM is midnight. A bare
// number is not a time: it needs minutes or a designator.
std::optional<std::int64_t> readTime(Cursor& in, const RegionalForms& forms) {
    const std::string separators{':', shapeOf(forms.timePattern).separator};
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
    in.take(Token::Kind::Blank);
    const Token* designator = in.take(Token::Kind::Word);
    int hours = hour->value;
    if (designator) {
        const std::optional<bool> pm = afternoon(designator->text, forms);
        if (!pm || hours < 1 || hours > 12) return std::nullopt;
        hours = hours % 12 + (*pm ? 12 : 0);
    } else if (!hasMinutes || hours > 23) {
        return std::nullopt;
    }
    if (minute > 59 || second > 59) return std::nullopt;
    return hours * 3600 + minute * 60 + second;
}

}  // namespace

std::string dateToText(DateTime value, const RegionalForms& forms) {
    if (!value.hasDate()) return format(value, forms.timePattern, forms);
    if (!value.hasTime()) return format(value, forms.shortDatePattern, forms);
    return format(value, forms.shortDatePattern, forms) + ' ' + format(value, forms.timePattern, forms);
}

std::string mediumDate(DateTime value, const RegionalForms& forms) { return format(value, "dd-MMM-yy", forms); }

std::optional<DateTime> textToDate(std::string_view text, const RegionalForms& forms) {
    const std::optional<Tokens> tokens = tokenize(trimBlanks(text));
    if (!tokens) return std::nullopt;
    // A time alone first: where a region separates both times and dates by
    // dots, "1.02.03" is the time its own time form writes, not a date.
    Cursor in(*tokens);
    if (const std::optional<std::int64_t> time = readTime(in, forms); time && in.atEnd()) {
        return DateTime::fromSeconds(*time);
    }
    in.rewind();
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

bool isDate(std::string_view text, const RegionalForms& forms) { return textToDate(text, forms).has_value(); }

std::string numberToText(long long value) { return std::to_string(value); }

}  // namespace vclock
