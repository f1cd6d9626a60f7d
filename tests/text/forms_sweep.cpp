#include "tests/text/forms_sweep.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <sstream>

#include "app/text/date_text.h"
#include "app/text/date_time.h"

namespace vclock::sweep {
namespace {

std::string show(std::optional<DateTime> value) {
    if (!value) return "nothing";
    const DateTime::Civil date = value->civil();
    std::ostringstream out;
    if (value->hasDate()) out << date.year << '-' << date.month << '-' << date.day << ' ';
    out << value->hour() << ':' << value->minute() << ':' << value->second();
    return out.str();
}

// Collects failures, a few of each kind, so that one broken locale tells
// what broke without thousands of lines.
class Report {
public:
    void add(const std::string& kind, const std::string& what) {
        if (++counts_[kind] <= 3) lines_.push_back(kind + ": " + what);
    }
    std::vector<std::string> lines() const { return lines_; }

private:
    std::map<std::string, int> counts_;
    std::vector<std::string> lines_;
};

void checkReadsBack(Report& report, const std::string& kind, std::string_view text, DateTime expected,
                    const RegionalForms& forms) {
    const std::optional<DateTime> read = textToDate(text, forms);
    if (read != expected) report.add(kind, "'" + std::string(text) + "' reads as " + show(read) + ", not " + show(expected));
}

constexpr std::array<std::string_view, 3> kBlanks{" ", "\xc2\xa0", "\xe2\x80\xaf"};

std::size_t blankAt(std::string_view text, std::size_t at) {
    for (const std::string_view blank : kBlanks) {
        if (text.substr(at, blank.size()) == blank) return blank.size();
    }
    return 0;
}
bool endsWithBlank(std::string_view text) {
    for (const std::string_view blank : kBlanks) {
        if (text.ends_with(blank)) return true;
    }
    return false;
}
bool isAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isAsciiPunctuation(char c) {
    return c > ' ' && c < 0x7f && !isAsciiLetter(c) && !(c >= '0' && c <= '9');
}

void eraseAll(std::string& text, std::string_view word) {
    if (word.empty()) return;
    for (std::size_t at = text.find(word); at != std::string::npos; at = text.find(word, at)) text.erase(at, word.size());
}

constexpr std::array<int, 7> kSampleDays{1, 12, 13, 28, 29, 30, 31};

}  // namespace

std::vector<std::int64_t> timesOfDay() {
    std::vector<std::int64_t> times;
    for (std::int64_t minute = 0; minute < 24 * 60; ++minute) times.push_back(minute * 60 + minute * 7 % 60);
    for (const std::int64_t edge : {0, 11 * 60 + 59, 12 * 60, 23 * 60 + 59}) {
        for (std::int64_t second = 0; second < 60; ++second) times.push_back(edge * 60 + second);
    }
    return times;
}

std::vector<std::int64_t> dates() {
    std::vector<std::int64_t> days;
    for (int year = 1999; year <= 2100; ++year) {
        for (int month = 1; month <= 12; ++month) {
            for (const int day : kSampleDays) {
                const DateTime date = DateTime::fromCivil(year, month, day);
                if (date.civil().day == day) days.push_back(date.days());
            }
        }
    }
    return days;
}

std::vector<std::int64_t> datesInTurn() {
    std::vector<std::int64_t> days;
    for (int year = 1999; year <= 2100; ++year) {
        for (int month = 1; month <= 12; ++month) {
            // 12 months are 5 in sevens, so a month's day moves through all
            // seven in seven years.
            const int day = kSampleDays[static_cast<std::size_t>(year * 12 + month) % kSampleDays.size()];
            const DateTime date = DateTime::fromCivil(year, month, day);
            days.push_back(date.civil().day == day ? date.days() : DateTime::fromCivil(year, month + 1, 1).days() - 1);
        }
    }
    return days;
}

std::string strayInTime(std::string_view text, const RegionalForms& forms, const std::vector<std::string>& quotedWords) {
    if (text.empty()) return "nothing written";
    if (blankAt(text, 0) != 0 || endsWithBlank(text)) return "a blank at an end";
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (const std::size_t n = blankAt(text, i); n != 0 && blankAt(text, i + n) != 0) return "two blanks in a row";
    }
    if (isAsciiPunctuation(text.front())) return "punctuation first";
    const bool dotAfterLetter = text.size() >= 2 && text.back() == '.' &&
                                (isAsciiLetter(text[text.size() - 2]) || static_cast<unsigned char>(text[text.size() - 2]) >= 0x80);
    if (isAsciiPunctuation(text.back()) && !dotAfterLetter) return "punctuation last";
    // What the region words itself (its designators and quoted words, the
    // longer first) may hold any letter or punctuation; the rest may not.
    std::vector<std::string_view> words(quotedWords.begin(), quotedWords.end());
    words.push_back(forms.amDesignator);
    words.push_back(forms.pmDesignator);
    std::sort(words.begin(), words.end(), [](std::string_view a, std::string_view b) { return a.size() > b.size(); });
    std::string rest(text);
    for (const std::string_view word : words) eraseAll(rest, word);
    for (const std::string_view mark : {"(", ")", "[", "]", "{", "}", "<", ">", ",", "\xd8\x8c", "\xe3\x80\x81", "\xef\xbc\x8c"}) {
        if (rest.find(mark) != std::string::npos) return "a bracket or comma";
    }
    for (const char c : rest) {
        if (isAsciiLetter(c)) return std::string("the letter ") + c;
    }
    return "";
}

std::vector<std::string> quotedWords(std::string_view format) {
    std::vector<std::string> words;
    for (std::size_t open = format.find('\''); open != std::string_view::npos; open = format.find('\'', open)) {
        const std::size_t close = format.find('\'', open + 1);
        if (close == std::string_view::npos) break;
        if (close > open + 1) words.emplace_back(format.substr(open + 1, close - open - 1));
        open = close + 1;
    }
    return words;
}

std::vector<std::string> failures(const RegionalForms& forms, const std::vector<std::string>& quotedWords,
                                  const std::vector<std::int64_t>& days) {
    Report report;
    for (const std::int64_t second : timesOfDay()) {
        const DateTime time = DateTime::fromSeconds(second);
        const std::string text = dateToText(time, forms);
        checkReadsBack(report, "time", text, time, forms);
        if (const std::string stray = strayInTime(text, forms, quotedWords); !stray.empty()) {
            report.add("stray", "'" + text + "': " + stray);
        }
    }
    const std::string morning = dateToText(DateTime::timeOfDay(7, 30, 0), forms);
    const std::string evening = dateToText(DateTime::timeOfDay(19, 30, 0), forms);
    if (morning == evening) report.add("twelve hours", "7:30 and 19:30 are both '" + morning + "'");

    for (std::size_t i = 0; i < days.size(); ++i) {
        const DateTime withTime = DateTime::fromSeconds(days[i] * DateTime::kSecondsPerDay +
                                                        static_cast<std::int64_t>(i * 7919 % 86399 + 1));
        checkReadsBack(report, "date and time", dateToText(withTime, forms), withTime, forms);
        const DateTime date = DateTime::fromParts(days[i], 0, 0, 0);
        checkReadsBack(report, "date", dateToText(date, forms), date, forms);

        const DateTime::Civil civil = date.civil();
        const std::string medium = mediumDate(date, forms);
        const std::string day = (civil.day < 10 ? "0" : "") + std::to_string(civil.day);
        const std::string year = (civil.year % 100 < 10 ? "0" : "") + std::to_string(civil.year % 100);
        const std::string expected = day + '-' + forms.abbreviatedMonthNames[civil.month - 1] + '-' + year;
        if (medium != expected) report.add("medium date", "'" + medium + "', not '" + expected + "'");
        if (civil.year <= 2029) checkReadsBack(report, "medium date", medium, date, forms);
    }

    const struct {
        const char* text;
        DateTime time;
    } typed[] = {
        {"7:30", DateTime::timeOfDay(7, 30, 0)},       {"19:30", DateTime::timeOfDay(19, 30, 0)},
        {"7:30 PM", DateTime::timeOfDay(19, 30, 0)},   {"7 PM", DateTime::timeOfDay(19, 0, 0)},
        {"12:00:00 PM", DateTime::timeOfDay(12, 0, 0)}, {"12:00:00 AM", DateTime::timeOfDay(0, 0, 0)},
        {"7:30:00 AM", DateTime::timeOfDay(7, 30, 0)}, {"7:30:00 PM", DateTime::timeOfDay(19, 30, 0)},
    };
    for (const auto& t : typed) checkReadsBack(report, "typed", t.text, t.time, forms);
    for (const char* text : {"abc", "24:00", "7:60", "7"}) {
        if (isDate(text, forms)) report.add("typed", std::string("'") + text + "' reads as a time");
    }
    return report.lines();
}

}  // namespace vclock::sweep
