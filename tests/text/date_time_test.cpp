#include "app/text/date_time.h"

#include <gtest/gtest.h>

#include <string>

namespace vclock {
namespace {

TEST(DateTime, CivilDatesCountFromTheZeroDate) {
    struct Row {
        const char* name;
        int year, month, day;
        std::int64_t days;
    };
    const Row rows[] = {
        {"zero date", 1899, 12, 30, 0},
        {"day before the zero date", 1899, 12, 29, -1},
        {"first day", 1899, 12, 31, 1},
        {"1900 is no leap year", 1900, 3, 1, 61},
        {"2000 is a leap year", 2000, 2, 29, 36585},
        {"a date of this era", 2001, 3, 25, 36975},
        {"last four-digit year", 9999, 12, 31, 2958465},
        {"first year 100", 100, 1, 1, -657434},
        {"year zero, proleptic", 0, 3, 1, -693899},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const DateTime value = DateTime::fromCivil(row.year, row.month, row.day);
        EXPECT_EQ(value.days(), row.days);
        EXPECT_FALSE(value.hasTime());
        const DateTime::Civil civil = value.civil();
        EXPECT_EQ(civil.year, row.year);
        EXPECT_EQ(civil.month, row.month);
        EXPECT_EQ(civil.day, row.day);
    }
}

// Every day from the year -400 to 10000 follows its predecessor in the
// calendar and converts back to the same day count.
TEST(DateTime, EveryDayRoundTripsAndFollowsThePreviousOne) {
    const std::int64_t first = DateTime::fromCivil(-400, 1, 1).days();
    const std::int64_t last = DateTime::fromCivil(10000, 12, 31).days();
    DateTime::Civil previous = DateTime::fromParts(first - 1, 0, 0, 0).civil();
    for (std::int64_t day = first; day <= last; ++day) {
        const DateTime::Civil c = DateTime::fromParts(day, 0, 0, 0).civil();
        const bool nextDay = c.year == previous.year && c.month == previous.month && c.day == previous.day + 1;
        const bool nextMonth = c.year == previous.year && c.month == previous.month + 1 && c.day == 1;
        const bool nextYear = c.year == previous.year + 1 && c.month == 1 && c.day == 1 && previous.month == 12;
        ASSERT_TRUE(nextDay || nextMonth || nextYear) << "day " << day;
        ASSERT_EQ(DateTime::fromCivil(c.year, c.month, c.day).days(), day);
        previous = c;
    }
}

TEST(DateTime, PartsOfValuesBeforeAndAfterTheZeroDate) {
    struct Row {
        const char* name;
        std::int64_t totalSeconds;
        std::int64_t days;
        int hour, minute, second;
    };
    const Row rows[] = {
        {"midnight of the zero date", 0, 0, 0, 0, 0},
        {"time of day alone", 7 * 3600 + 30 * 60 + 15, 0, 7, 30, 15},
        {"last second of the zero date", 86399, 0, 23, 59, 59},
        {"first second of day 1", 86400, 1, 0, 0, 0},
        {"one second before the zero date", -1, -1, 23, 59, 59},
        {"a whole day before", -86400, -1, 0, 0, 0},
        {"just over a day before", -86401, -2, 23, 59, 59},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const DateTime value = DateTime::fromSeconds(row.totalSeconds);
        EXPECT_EQ(value.days(), row.days);
        EXPECT_EQ(value.hour(), row.hour);
        EXPECT_EQ(value.minute(), row.minute);
        EXPECT_EQ(value.second(), row.second);
        EXPECT_EQ(value.datePart().totalSeconds() + value.timePart().totalSeconds(), row.totalSeconds);
    }
}

}  // namespace
}  // namespace vclock
