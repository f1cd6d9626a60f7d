#include "app/text/pattern_text.h"

#include <algorithm>
#include <cstdint>

#include "app/text/date_pattern.h"
#include "app/text/reading_rules.h"
#include "app/text/text_folding.h"

namespace vclock {
namespace {

void appendNumber(std::string& out, std::int64_t value, std::size_t width) {
    if (value < 0) out += '-';
    const std::string digits = std::to_string(value < 0 ? -value : value);
    if (digits.size() < width) out.append(width - digits.size(), '0');
    out += digits;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// What the text gave for each field so far; -1 for none.
struct Fields {
    int hour = -1;
    bool twelveHour = false;
    std::optional<bool> afternoon;
    int minute = -1;
    int second = -1;
    int day = -1;
    int month = -1;
    int year = -1;
    std::size_t yearDigits = 0;
};

std::optional<DateTime> valueOf(const Fields& f) {
    const bool hasDate = f.day >= 0 || f.month >= 0 || f.year >= 0;
    if (hasDate && (f.day < 0 || f.month < 0 || f.year < 0)) return std::nullopt;
    if (f.hour < 0 && (!hasDate || f.minute >= 0 || f.second >= 0)) return std::nullopt;
    std::int64_t days = 0;
    if (hasDate) {
        const std::optional<int> year = yearAsTyped(f.yearDigits, f.year);
        const std::optional<std::int64_t> date = year ? daysOfDate(*year, f.month, f.day) : std::nullopt;
        if (!date) return std::nullopt;
        days = *date;
    }
    std::int64_t seconds = 0;
    if (f.hour >= 0) {
        const std::optional<int> hour = hourOfDay(f.hour, f.twelveHour ? f.afternoon : std::nullopt);
        if (!hour || f.minute > 59 || f.second > 59) return std::nullopt;
        seconds = *hour * 3600 + std::max(f.minute, 0) * 60 + std::max(f.second, 0);
    }
    return DateTime::fromSeconds(days * DateTime::kSecondsPerDay + seconds);
}

// Where the reader stands in the patterns: which pattern, and the offset of
// the next piece in it.
struct Place {
    std::size_t pattern = 0;
    std::size_t offset = 0;
};

// A search over the ways the text fits the patterns, piece by piece, that
// stops at the first way that gives a value.
class PatternReader {
public:
    PatternReader(std::string_view folded, std::span<const std::string_view> patterns, const RegionalForms& forms)
        : text_(folded), patterns_(patterns), forms_(forms) {}

    std::optional<DateTime> read(Place place, std::size_t at, Fields fields) const {
        std::optional<PatternPiece> piece;
        while (place.pattern < patterns_.size() && !(piece = nextPiece(patterns_[place.pattern], place.offset))) {
            place = Place{place.pattern + 1, 0};
        }
        if (!piece) return at == text_.size() ? valueOf(fields) : std::nullopt;
        const PatternPiece& p = *piece;
        if (p.field == 0) {
            const std::optional<std::size_t> length = matchFolded(text_.substr(at), p.text);
            return length ? read(place, at + *length, fields) : std::nullopt;
        }
        if (!isWrittenField(p)) return read(place, at, fields);
        if (p.field == 't') return readDesignator(place, at, fields);
        if (p.field == 'M' && p.count >= 3) return readMonthName(place, at, fields);
        return readNumber(p, place, at, fields);
    }

private:
    // The designator: am or pm, each tried.
    std::optional<DateTime> readDesignator(Place next, std::size_t at, Fields fields) const {
        for (const bool afternoon : {false, true}) {
            const std::string& designator = afternoon ? forms_.pmDesignator : forms_.amDesignator;
            if (designator.empty()) continue;
            const std::optional<std::size_t> length = matchFolded(text_.substr(at), designator);
            if (!length) continue;
            fields.afternoon = afternoon;
            if (auto value = read(next, at + *length, fields)) return value;
        }
        return std::nullopt;
    }

    // A month name, abbreviated or in full, each that fits tried.
    std::optional<DateTime> readMonthName(Place next, std::size_t at, Fields fields) const {
        for (const auto* names : {&forms_.abbreviatedMonthNames, &forms_.monthNames}) {
            for (std::size_t m = 0; m < names->size(); ++m) {
                if ((*names)[m].empty()) continue;
                const std::optional<std::size_t> length = matchFolded(text_.substr(at), (*names)[m]);
                if (!length) continue;
                fields.month = static_cast<int>(m) + 1;
                if (auto value = read(next, at + *length, fields)) return value;
            }
        }
        return std::nullopt;
    }

    // One or two digits (a year up to four), the longest first.
    std::optional<DateTime> readNumber(const PatternPiece& p, Place next, std::size_t at, Fields fields) const {
        const std::size_t most = p.field == 'y' && p.count >= 3 ? 4 : 2;
        std::size_t digits = 0;
        while (digits < most && at + digits < text_.size() && isDigit(text_[at + digits])) ++digits;
        for (; digits >= 1; --digits) {
            int value = 0;
            for (std::size_t i = 0; i < digits; ++i) value = value * 10 + (text_[at + i] - '0');
            switch (p.field) {
                case 'h': fields.hour = value; fields.twelveHour = true; break;
                case 'H': fields.hour = value; fields.twelveHour = false; break;
                case 'm': fields.minute = value; break;
                case 's': fields.second = value; break;
                case 'd': fields.day = value; break;
                case 'M': fields.month = value; break;
                default: fields.year = value; fields.yearDigits = digits; break;
            }
            if (auto result = read(next, at + digits, fields)) return result;
        }
        return std::nullopt;
    }

    std::string_view text_;
    std::span<const std::string_view> patterns_;
    const RegionalForms& forms_;
};

}  // namespace

std::string writeByPattern(DateTime value, std::string_view pattern, const RegionalForms& forms) {
    std::optional<DateTime::Civil> civil;
    const auto date = [&] { return civil ? *civil : *(civil = value.civil()); };
    std::string out;
    std::size_t offset = 0;
    while (const std::optional<PatternPiece> piece = nextPiece(pattern, offset)) {
        const PatternPiece& p = *piece;
        if (p.field == 0) {
            out += p.text;
            continue;
        }
        if (!isWrittenField(p)) continue;
        const std::size_t width = p.count >= 2 ? 2 : 1;
        switch (p.field) {
            case 'h': appendNumber(out, (value.hour() + 11) % 12 + 1, width); break;
            case 'H': appendNumber(out, value.hour(), width); break;
            case 'm': appendNumber(out, value.minute(), width); break;
            case 's': appendNumber(out, value.second(), width); break;
            case 't': out += value.hour() < 12 ? forms.amDesignator : forms.pmDesignator; break;
            case 'd': appendNumber(out, date().day, width); break;
            case 'M':
                if (p.count >= 4) out += forms.monthNames[date().month - 1];
                else if (p.count == 3) out += forms.abbreviatedMonthNames[date().month - 1];
                else appendNumber(out, date().month, width);
                break;
            default:  // 'y'
                if (p.count >= 3) appendNumber(out, date().year, 4);
                else appendNumber(out, (date().year % 100 + 100) % 100, width);
        }
    }
    return out;
}

std::optional<DateTime> readByPattern(std::string_view folded, std::span<const std::string_view> patterns,
                                      const RegionalForms& forms) {
    return PatternReader(folded, patterns, forms).read(Place{}, 0, Fields{});
}

}  // namespace vclock
