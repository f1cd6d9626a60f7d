#include "app/text/date_text.h"

#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <ostream>
#include <string>

namespace vclock {

// Failure messages show date-times as day count and time of day.
void PrintTo(const DateTime& value, std::ostream* out) {
    *out << "day " << value.days() << ' ' << value.hour() << ':' << value.minute() << ':' << value.second();
}

namespace {

const RegionalForms kUs = RegionalForms::englishUnitedStates();
const RegionalForms kGb = RegionalForms::englishUnitedKingdom();
const RegionalForms kDe = RegionalForms::germanGermany();
// Some regions separate the parts of times by dots too, as their dates.
const RegionalForms kDotted = [] {
    RegionalForms forms = RegionalForms::germanGermany();
    forms.name = "dotted";
    forms.timePattern = "H.mm.ss";
    forms.shortDatePattern = "d.M.yyyy";
    return forms;
}();
const RegionalForms* const kRegions[] = {&kUs, &kGb, &kDe, &kDotted};

DateTime timeOfDay(int hour, int minute, int second) { return DateTime::timeOfDay(hour, minute, second); }

DateTime at(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
    return DateTime::fromParts(DateTime::fromCivil(year, month, day).days(), hour, minute, second);
}

// The regional form of dateToText and the fixed form of mediumDate.
TEST(DateToText, RegionalAndMediumForms) {
    RegionalForms hourMarks = kGb;
    hourMarks.timePattern = "H'h'mm'm'ss's'";
    using Writer = std::string (*)(DateTime, const RegionalForms&);
    const auto check = [](const char* name, Writer write, const RegionalForms& forms, DateTime value,
                          const char* expected) { EXPECT_EQ(write(value, forms), expected) << name << " (" << forms.name << ")"; };
    check("control: noon alone, the stored default", dateToText, kUs, timeOfDay(12, 0, 0), "12:00:00 PM");
    check("morning alone", dateToText, kUs, timeOfDay(7, 30, 0), "7:30:00 AM");
    check("midnight alone", dateToText, kUs, timeOfDay(0, 0, 0), "12:00:00 AM");
    check("evening alone, padded minutes", dateToText, kUs, timeOfDay(20, 5, 9), "8:05:09 PM");
    check("date and time", dateToText, kUs, at(2001, 3, 25, 7, 30), "3/25/2001 7:30:00 AM");
    check("date at midnight is the date alone", dateToText, kUs, at(2001, 3, 25), "3/25/2001");
    check("year padded to four digits", dateToText, kUs, at(999, 1, 2), "1/2/0999");
    check("date before the zero date", dateToText, kUs, at(1899, 12, 29, 6, 0), "12/29/1899 6:00:00 AM");
    check("24-hour morning", dateToText, kGb, timeOfDay(7, 30, 0), "07:30:00");
    check("24-hour midnight", dateToText, kGb, timeOfDay(0, 0, 0), "00:00:00");
    check("day first, padded", dateToText, kGb, at(2001, 3, 5, 20, 5, 9), "05/03/2001 20:05:09");
    check("German morning", dateToText, kDe, timeOfDay(7, 30, 0), "07:30:00");
    check("German date and time", dateToText, kDe, at(2001, 3, 25, 19, 30, 15), "25.03.2001 19:30:15");
    check("German date alone", dateToText, kDe, at(2001, 3, 25), "25.03.2001");
    check("quoted text is literal", dateToText, hourMarks, timeOfDay(7, 5, 9), "7h05m09s");
    check("medium date", mediumDate, kUs, at(2001, 3, 25), "25-Mar-01");
    check("medium date, day padded", mediumDate, kUs, at(2002, 1, 5), "05-Jan-02");
    check("medium date, last century", mediumDate, kUs, at(1999, 12, 31), "31-Dec-99");
    check("medium date leaves the time out", mediumDate, kUs, at(2001, 3, 25, 20, 5, 9), "25-Mar-01");
    check("medium date of a time alone is the zero date", mediumDate, kUs, timeOfDay(7, 30, 0), "30-Dec-99");
    check("German medium date, March", mediumDate, kDe, at(2001, 3, 25), "25-Mrz-01");
    check("German medium date, October", mediumDate, kDe, at(1990, 10, 3), "03-Okt-90");
}

TEST(TextToDate, AcceptedForms) {
    const auto check = [](const char* name, const RegionalForms& forms, std::string_view text, DateTime expected) {
        EXPECT_EQ(textToDate(text, forms), expected) << name << " (" << forms.name << ")";
        EXPECT_TRUE(isDate(text, forms)) << name << " (" << forms.name << ")";
    };
    check("control: the stored default", kUs, "12:00:00 PM", timeOfDay(12, 0, 0));
    check("hours and minutes", kUs, "7:30", timeOfDay(7, 30, 0));
    check("designator after a blank", kUs, "7:30 PM", timeOfDay(19, 30, 0));
    check("designator attached, lower case", kUs, "7:30pm", timeOfDay(19, 30, 0));
    check("one-letter designator", kUs, "7:30 p", timeOfDay(19, 30, 0));
    check("24-hour", kUs, "19:30", timeOfDay(19, 30, 0));
    check("seconds", kUs, "7:30:15", timeOfDay(7, 30, 15));
    check("hour and designator", kUs, "7 PM", timeOfDay(19, 0, 0));
    check("hour and designator attached", kUs, "7am", timeOfDay(7, 0, 0));
    check("12 AM is midnight", kUs, "12:00 AM", timeOfDay(0, 0, 0));
    check("12 PM is noon", kUs, "12:30 PM", timeOfDay(12, 30, 0));
    check("leading zeros", kUs, "07:05:09", timeOfDay(7, 5, 9));
    check("one-digit minute", kUs, "7:5", timeOfDay(7, 5, 0));
    check("surrounding blanks and tabs", kUs, " \t 7:30 PM\t ", timeOfDay(19, 30, 0));
    check("several blanks before the designator", kUs, "7:30   PM", timeOfDay(19, 30, 0));
    check("short date and time", kUs, "3/25/2001 7:30", at(2001, 3, 25, 7, 30));
    check("short date, time and designator", kUs, "3/25/2001 7:30:15 PM", at(2001, 3, 25, 19, 30, 15));
    check("short date alone", kUs, "3/25/2001", at(2001, 3, 25));
    check("two-digit year 01", kUs, "3/25/01", at(2001, 3, 25));
    check("two-digit year 29 is 2029", kUs, "1/1/29", at(2029, 1, 1));
    check("two-digit year 30 is 1930", kUs, "1/1/30", at(1930, 1, 1));
    check("three-digit year as written", kUs, "1/2/999", at(999, 1, 2));
    check("leap day", kUs, "2/29/2000", at(2000, 2, 29));
    check("ISO date", kUs, "2001-03-25", at(2001, 3, 25));
    check("ISO date and time", kUs, "2001-03-25 19:30:15", at(2001, 3, 25, 19, 30, 15));
    check("ISO date, T and time", kUs, "2001-03-25T07:30", at(2001, 3, 25, 7, 30));
    check("medium date", kUs, "25-Mar-01", at(2001, 3, 25));
    check("month abbreviation in any case", kUs, "25-MAR-2001", at(2001, 3, 25));
    check("full month name", kUs, "25-March-2001 7:30", at(2001, 3, 25, 7, 30));
    check("the zero date gives a time alone", kUs, "12/30/1899 7:30", timeOfDay(7, 30, 0));
    check("day first", kGb, "25/03/2001", at(2001, 3, 25));
    check("day first with time", kGb, "25/03/2001 19:30", at(2001, 3, 25, 19, 30));
    check("24-hour with seconds", kGb, "07:30:00", timeOfDay(7, 30, 0));
    check("designator in a 24-hour region", kGb, "7:30 pm", timeOfDay(19, 30, 0));
    check("German date and time", kDe, "25.03.2001 07:30", at(2001, 3, 25, 7, 30));
    check("German time", kDe, "07:30", timeOfDay(7, 30, 0));
    check("German time with seconds", kDe, "19:30:15", timeOfDay(19, 30, 15));
    check("German short numbers", kDe, "1.2.03", at(2003, 2, 1));
    check("English designator without regional ones", kDe, "7:30 PM", timeOfDay(19, 30, 0));
    check("German medium date", kDe, "25-Mrz-01", at(2001, 3, 25));
    check("German month name with umlaut", kDe, "25-März-2001", at(2001, 3, 25));
    check("the stored default in a German region", kDe, "12:00:00 PM", timeOfDay(12, 0, 0));
    check("ISO date in a German region", kDe, "2001-03-25", at(2001, 3, 25));
    check("dots between hours and minutes", kDotted, "7.30", timeOfDay(7, 30, 0));
    check("colons where the region writes dots", kDotted, "7:30:15", timeOfDay(7, 30, 15));
    check("three dotted numbers are a time first", kDotted, "1.02.03", timeOfDay(1, 2, 3));
    check("a dotted date with a four-digit year", kDotted, "1.2.2003", at(2003, 2, 1));
    check("a dotted date and time", kDotted, "1.2.2003 1.02.03", at(2003, 2, 1, 1, 2, 3));
}

TEST(TextToDate, RejectedTextLeavesNothing) {
    const auto check = [](const char* name, const RegionalForms& forms, std::string_view text) {
        EXPECT_EQ(textToDate(text, forms), std::nullopt) << name << " (" << forms.name << ")";
        EXPECT_FALSE(isDate(text, forms)) << name << " (" << forms.name << ")";
    };
    check("empty", kUs, "");
    check("blanks only", kUs, " \t ");
    check("a word", kUs, "abc");
    check("hour 24", kUs, "24:00");
    check("hour 25", kUs, "25:00");
    check("minute 60", kUs, "7:60");
    check("second 60", kUs, "7:30:60");
    check("13 with a designator", kUs, "13:00 PM");
    check("0 with a designator", kUs, "0:30 PM");
    check("a bare number is no time", kUs, "7");
    check("trailing letter", kUs, "7:30x");
    check("two designators", kUs, "7:30 PM PM");
    check("trailing separator", kUs, "7:30:");
    check("four time fields", kUs, "7:30:15:10");
    check("three-digit minute", kUs, "7:030");
    check("blank inside the time", kUs, "7 :30");
    check("sign", kUs, "-7:30");
    check("fractional seconds", kUs, "2001-03-25 07:30:15.5");
    check("30 February", kUs, "2/30/2001");
    check("29 February of a common year", kUs, "2/29/2001");
    check("month 13", kUs, "13/1/2001");
    check("day 0", kUs, "3/0/2001");
    check("day before month in a month-first region", kUs, "25/03/2001");
    check("mixed date separators", kUs, "3/25-2001");
    check("another region's date separator", kUs, "3.25.2001");
    check("month and day without a year", kUs, "3/25");
    check("year below 100 written out", kUs, "3/25/0099");
    check("five-digit year", kUs, "3/25/20011");
    check("time before the date", kUs, "7:30 3/25/2001");
    check("T after a short date", kUs, "3/25/2001T7:30");
    check("unknown month name", kUs, "25-Foo-01");
    check("another region's month name", kUs, "25-Mrz-01");
    check("NUL inside", kUs, std::string_view("7:30\0PM", 7));
    check("control character", kUs, "7:30\x01");
    check("line break", kUs, "7:30\n");
    check("month first in a day-first region", kGb, "3/25/2001");
    check("German word after the time", kDe, "7:30 Uhr");
    check("dot between hours and minutes", kDe, "7.30");
}

// Text far longer than any date, of every kind, is rejected after a few
// characters; blanks around a valid time are still only blanks.
TEST(TextToDate, LongAndHostileText) {
    const std::size_t megabyte = 1 << 20;
    const auto reject = [](const char* name, const std::string& text) {
        EXPECT_FALSE(textToDate(text, kUs).has_value()) << name;
    };
    reject("digits", std::string(megabyte, '7'));
    reject("colons", std::string(megabyte, ':'));
    reject("letters", std::string(megabyte, 'a'));
    reject("NULs", std::string(megabyte, '\0'));
    reject("invalid UTF-8", std::string(megabyte, '\xff'));
    reject("a time repeated", [&] {
        std::string text;
        while (text.size() < megabyte) text += "7:30 ";
        return text;
    }());
    reject("full-width digits", "\xef\xbc\x97:\xef\xbc\x93\xef\xbc\x90");
    reject("a designator of another script", "7:30 \xe5\x8d\x88\xe5\xbe\x8c");
    reject("a truncated UTF-8 sequence", "7:30 \xc3");
    const std::string blanks(megabyte, ' ');
    EXPECT_EQ(textToDate(blanks + "7:30" + blanks + "PM" + blanks, kUs), timeOfDay(19, 30, 0));
    for (int byte = 0; byte < 256; ++byte) {
        const std::string text = "7:30" + std::string(1, static_cast<char>(byte));
        EXPECT_EQ(textToDate(text, kUs).has_value(), isDate(text, kUs)) << byte;
    }
}

// Every hour typed with no designator, AM and PM: without one the hours
// count 0 to 23; with one 1 to 12, where 12 AM is midnight and 12 PM noon.
TEST(TextToDate, EveryTwelveAndTwentyFourHourPairing) {
    const char* const designators[] = {"", " AM", " PM", "am", "pm"};
    for (const RegionalForms* forms : kRegions) {
        for (int typed = 0; typed <= 24; ++typed) {
            for (const std::string designator : designators) {
                const bool pm = designator.find_first_of("Pp") != std::string::npos;
                std::optional<DateTime> expected;
                if (designator.empty() && typed <= 23) expected = timeOfDay(typed, 0, 0);
                if (!designator.empty() && typed >= 1 && typed <= 12) expected = timeOfDay(typed % 12 + (pm ? 12 : 0), 0, 0);
                const std::string text = std::to_string(typed) + ":00" + designator;
                EXPECT_EQ(textToDate(text, *forms), expected) << text << " (" << forms->name << ")";
            }
        }
    }
}

TEST(TextToDate, EveryTimeOfDayRoundTrips) {
    for (const RegionalForms* forms : kRegions) {
        for (std::int64_t second = 0; second < DateTime::kSecondsPerDay; ++second) {
            const DateTime value = DateTime::fromSeconds(second);
            const std::string text = dateToText(value, *forms);
            ASSERT_EQ(textToDate(text, *forms), value) << text << " (" << forms->name << ")";
        }
    }
}

// Dates from the year 100 to 9999, each with another time of day, and a date
// at midnight, which is written as the date alone.
TEST(TextToDate, DatesWithTimesRoundTrip) {
    const std::int64_t first = DateTime::fromCivil(100, 1, 1).days();
    const std::int64_t last = DateTime::fromCivil(9999, 12, 31).days();
    for (const RegionalForms* forms : kRegions) {
        for (std::int64_t day = first; day <= last; day += 97) {
            const DateTime value = DateTime::fromParts(day, 0, 0, static_cast<int>((day * 7919 % 86400 + 86400) % 86400));
            const std::string text = dateToText(value, *forms);
            ASSERT_EQ(textToDate(text, *forms), value) << text << " (" << forms->name << ")";
        }
        EXPECT_EQ(textToDate(dateToText(at(2001, 3, 25), *forms), *forms), at(2001, 3, 25)) << forms->name;
    }
}

// The medium date names its year with two digits, so it reads back within
// the hundred years those stand for.
TEST(TextToDate, MediumDatesReadBack) {
    const std::int64_t first = DateTime::fromCivil(1930, 1, 1).days();
    const std::int64_t last = DateTime::fromCivil(2029, 12, 31).days();
    for (const RegionalForms* forms : kRegions) {
        for (std::int64_t day = first; day <= last; day += 13) {
            const DateTime value = DateTime::fromParts(day, 0, 0, 0);
            ASSERT_EQ(textToDate(mediumDate(value, *forms), *forms), value) << mediumDate(value, *forms);
        }
    }
}

TEST(NumberToText, PlainDecimal) {
    const auto check = [](const char* name, long long value, const char* expected) {
        EXPECT_EQ(numberToText(value), expected) << name;
    };
    check("zero", 0, "0");
    check("one digit, no padding", 7, "7");
    check("negative", -42, "-42");
    check("large", 1234567890123LL, "1234567890123");
    check("smallest", LLONG_MIN, "-9223372036854775808");
    check("largest", LLONG_MAX, "9223372036854775807");
}

}  // namespace
}  // namespace vclock
