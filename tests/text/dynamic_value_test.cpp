#include "app/text/dynamic_value.h"

#include <gtest/gtest.h>

namespace vclock {
namespace {

DateTime timeOfDay(int hour, int minute, int second) { return DateTime::timeOfDay(hour, minute, second); }

TEST(DynamicValue, ComparisonAcrossKinds) {
    const auto check = [](const char* name, const DynamicValue& a, const DynamicValue& b, bool equal, bool aBelowB,
                          bool bBelowA) {
        EXPECT_EQ(a == b, equal) << name;
        EXPECT_EQ(b == a, equal) << name << ", swapped";
        EXPECT_EQ(a < b, aBelowB) << name;
        EXPECT_EQ(b < a, bBelowA) << name;
    };
    check("control: equal numbers", 3, 3, true, false, false);
    check("numbers by value", 2, 3, false, true, false);
    check("empty against empty", DynamicValue(), DynamicValue(), true, false, false);
    check("empty is 0 against a number", DynamicValue(), 0, true, false, false);
    check("empty below a positive number", DynamicValue(), 1, false, true, false);
    check("empty above a negative number", DynamicValue(), -1, false, false, true);
    check("empty is midnight against a time", DynamicValue(), timeOfDay(0, 0, 0), true, false, false);
    check("empty below a later time", DynamicValue(), timeOfDay(0, 0, 1), false, true, false);
    check("empty is \"\" against a string", DynamicValue(), "", true, false, false);
    check("empty below a string", DynamicValue(), "a", false, true, false);
    check("a number never equals its text", 3, "3", false, true, false);
    check("zero never equals the empty string", 0, "", false, true, false);
    check("a time never equals its text", timeOfDay(7, 30, 0), "7:30:00 AM", false, true, false);
    check("strings by character", "abc", "abd", false, true, false);
    check("capitals before small letters", "B", "a", false, true, false);
    check("a prefix first", "a", "ab", false, true, false);
    check("equal strings", "7:30", "7:30", true, false, false);
    check("a number counts days", 1, DateTime::fromParts(1, 0, 0, 0), true, false, false);
    check("a number below a later moment of its day", 1, DateTime::fromParts(1, 0, 0, 1), false, true, false);
    check("times by value", timeOfDay(7, 30, 0), timeOfDay(7, 30, 1), false, true, false);
    check("a date after every time of day", timeOfDay(23, 59, 59), DateTime::fromParts(1, 0, 0, 0), false, true, false);
}

TEST(DynamicValue, AddingWholeNumbers) {
    const auto check = [](const char* name, const DynamicValue& value, std::int64_t addend,
                          const DynamicValue& expected) {
        const DynamicValue sum = value + addend;
        EXPECT_EQ(sum.isEmpty(), expected.isEmpty()) << name;
        EXPECT_EQ(sum.isNumber(), expected.isNumber()) << name;
        EXPECT_EQ(sum.isString(), expected.isString()) << name;
        EXPECT_EQ(sum.isDateTime(), expected.isDateTime()) << name;
        EXPECT_TRUE(sum == expected) << name;
    };
    check("control: number plus number", 2, 3, 5);
    check("empty plus 1 is the number 1", DynamicValue(), 1, 1);
    check("empty plus 0 is a number", DynamicValue(), 0, 0);
    check("negative addend", 2, -5, -3);
    check("a date-time moves by days", DateTime::fromParts(2, 7, 30, 0), 3, DateTime::fromParts(5, 7, 30, 0));
    check("a time of day moves back before the zero date", timeOfDay(7, 30, 0), -1, DateTime::fromParts(-1, 7, 30, 0));
    check("a string is left as it is", "abc", 1, "abc");
}

// The armed alarm against every second of the day: when it matches the
// clock, and when the clock is before it (which re-arms a raised alarm).
TEST(DynamicValue, AlarmAgainstEveryTimeOfDay) {
    struct Row {
        const char* name;
        DynamicValue alarm;
        bool (*matches)(DateTime now);
        bool (*nowIsBefore)(DateTime now);
    };
    const auto never = [](DateTime) { return false; };
    const auto always = [](DateTime) { return true; };
    const Row rows[] = {
        {"nothing committed", DynamicValue(), [](DateTime now) { return now == DateTime(); }, never},
        {"an empty entry", "", never, always},
        {"an invalid entry", "abc", never, always},
        {"a time of day", timeOfDay(7, 30, 0), [](DateTime now) { return now == timeOfDay(7, 30, 0); },
         [](DateTime now) { return now < timeOfDay(7, 30, 0); }},
        {"midnight", timeOfDay(0, 0, 0), [](DateTime now) { return now == DateTime(); }, never},
        {"a date with a time", DateTime::fromParts(36975, 7, 30, 0), never, always},
        {"a date before the zero date", DateTime::fromParts(-1, 7, 30, 0), never, never},
    };
    for (const Row& row : rows) {
        for (std::int64_t second = 0; second < DateTime::kSecondsPerDay; ++second) {
            const DateTime now = DateTime::fromSeconds(second);
            ASSERT_EQ(row.alarm == DynamicValue(now), row.matches(now)) << row.name << " at " << second;
            ASSERT_EQ(DynamicValue(now) < row.alarm, row.nowIsBefore(now)) << row.name << " at " << second;
        }
    }
}

}  // namespace
}  // namespace vclock
