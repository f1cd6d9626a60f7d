#include "alarm/catch_up.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "tests/support/checked_alarm.h"

namespace vclock::testing {
namespace {

constexpr std::int64_t kSecond = 1000;
constexpr std::int64_t kMinute = 60 * kSecond;
constexpr std::int64_t kHour = 60 * kMinute;
constexpr std::int64_t kDay = 24 * kHour;

DateTime on(int year, int month, int day, int h, int m, int s) {
    return DateTime::fromParts(DateTime::fromCivil(year, month, day).days(), h, m, s);
}
DateTime december(int day, int h, int m, int s) { return on(2026, 12, day, h, m, s); }

// An instant in UTC, in milliseconds since 1970.
std::int64_t utcMs(int year, int month, int day, int h, int m, int s = 0) {
    return on(year, month, day, h, m, s).totalSeconds() * 1000 - ClockReading::kUnixEpochMs;
}

// Central European time in 2026: an hour ahead of UTC, two from 29 March to
// 25 October; both changes at 01:00 UTC.
std::int64_t centralEurope2026(std::int64_t secondsSince1970) {
    static const std::int64_t spring = utcMs(2026, 3, 29, 1, 0) / 1000;
    static const std::int64_t autumn = utcMs(2026, 10, 25, 1, 0) / 1000;
    return secondsSince1970 >= spring && secondsSince1970 < autumn ? 7200 : 3600;
}

class AlarmCatchUpTest : public ::testing::Test {
protected:
    AlarmCatchUpTest() { owner.load(); }

    SimRuntime sim;
    Window owner{sim, "owner", 100, 100};
};

// The machine sleeps, or the program is held up, over the 8:01:00 alarm,
// mostly from the last moment before it. Its notice shows the time it opened.
TEST_F(AlarmCatchUpTest, ASuspendOverTheAlarmRingsOnWakingIfNoLaterThanTheLimit) {
    struct Row {
        const char* name;
        DateTime from;
        std::int64_t asleepMs;
        std::vector<DateTime> rings;
    };
    const DateTime lastMoment = december(10, 8, 0, 59);  // and 999 ms
    const std::vector<Row> rows = {
        {"asleep 30 s", lastMoment, 30 * kSecond, {december(10, 8, 1, 29)}},
        {"asleep 5 min", lastMoment, 5 * kMinute, {december(10, 8, 5, 59)}},
        {"asleep as long as the limit", lastMoment, catch_up::kMostLateMs, {december(10, 8, 30, 59)}},
        {"asleep a second longer: a stale alarm", lastMoment, catch_up::kMostLateMs + kSecond, {}},
        {"asleep longer than the limit, waking a minute late", december(10, 7, 21, 59), 40 * kMinute,
         {december(10, 8, 1, 59)}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        sim.setNowMs(row.from.totalSeconds() * 1000 + 999);
        CheckedAlarm alarm(sim, owner, DateTime::timeOfDay(8, 1, 0));
        alarm.check();
        sim.passTime(row.asleepMs);
        alarm.check();
        EXPECT_EQ(alarm.rings(), row.rings);
        // Nothing more that day; the next day at its time.
        alarm.checkFor(kDay);
        std::vector<DateTime> all = row.rings;
        all.push_back(december(11, 8, 1, 0));
        EXPECT_EQ(alarm.rings(), all);
    }
}

// Asleep from 23:58 to 0:03, then a day of checks. An alarm rings once for
// each day whose time it passed, counted by the day it belongs to.
TEST_F(AlarmCatchUpTest, ASuspendOverMidnightReArmsTheAlarmButNotAMidnightAlarmThatRang) {
    struct Row {
        const char* name;
        DateTime alarm;
        bool rangTheDayBefore;
        std::vector<DateTime> rings;  // from the suspend on
    };
    const DateTime waking = december(10, 0, 3, 0);
    const auto timeOfDay = DateTime::timeOfDay;
    const std::vector<Row> rows = {
        {"rang the day before: re-armed on the way", timeOfDay(0, 2, 0), true, {waking, december(11, 0, 2, 0)}},
        {"the day before's, passed asleep", timeOfDay(23, 59, 0), false, {waking, december(10, 23, 59, 0)}},
        {"midnight, never rang: once only", timeOfDay(0, 0, 0), false, {waking}},
        {"midnight, rang the day before: no time lies before it", timeOfDay(0, 0, 0), true, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        sim.setClock(2026, 12, 9, row.alarm.hour(), row.alarm.minute(), row.alarm.second());
        CheckedAlarm alarm(sim, owner, row.alarm);
        if (row.rangTheDayBefore) {
            alarm.check();
            ASSERT_EQ(alarm.rings().size(), 1u);
        }
        sim.setClock(2026, 12, 9, 23, 58, 0);
        alarm.check();
        sim.passTime(5 * kMinute);
        alarm.check();
        alarm.checkFor(kDay);
        const std::vector<DateTime> after(alarm.rings().begin() + (row.rangTheDayBefore ? 1 : 0),
                                          alarm.rings().end());
        EXPECT_EQ(after, row.rings);
    }
}

// The user sets the clock while the program runs, checking every second.
// Starting at 8:00:30, or at 8:01:30 once the 8:01:00 alarm has rung, the
// clock is stepped (several steps 10 s apart), then runs for a day.
TEST_F(AlarmCatchUpTest, AStepRingsNothingItJumpsOverAndNothingTwiceADay) {
    struct Row {
        const char* name;
        bool rangFirst;
        std::vector<std::int64_t> steps;
        std::vector<DateTime> rings;  // after the steps
    };
    const DateTime tomorrow = december(11, 8, 1, 0);
    const std::vector<Row> rows = {
        {"a minute forward over it", false, {kMinute}, {tomorrow}},
        {"an hour forward over it", false, {kHour}, {tomorrow}},
        {"a day forward over it", false, {kDay}, {tomorrow}},
        {"a minute back before it rang", false, {-kMinute}, {december(10, 8, 1, 0)}},
        {"an hour back before it rang", false, {-kHour}, {december(10, 8, 1, 0)}},
        {"a day back before it rang", false, {-kDay}, {december(9, 8, 1, 0)}},
        {"a minute forward after it rang", true, {kMinute}, {tomorrow}},
        {"an hour forward after it rang", true, {kHour}, {tomorrow}},
        {"a day forward after it rang: over the next day's", true, {kDay}, {december(12, 8, 1, 0)}},
        {"a minute back after it rang", true, {-kMinute}, {}},
        {"an hour back after it rang", true, {-kHour}, {}},
        {"a day back after it rang: that day has rung", true, {-kDay}, {}},
        {"an hour back and forward again after it rang", true, {-kHour, kHour}, {tomorrow}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        sim.setClock(2026, 12, 10, 8, 0, 0);
        CheckedAlarm alarm(sim, owner, DateTime::timeOfDay(8, 1, 0));
        alarm.checkFor(row.rangFirst ? 90 * kSecond : 30 * kSecond);
        const std::size_t before = row.rangFirst ? 1 : 0;
        ASSERT_EQ(alarm.rings().size(), before);
        for (const std::int64_t step : row.steps) {
            sim.setNowMs(sim.nowMs() + step);
            alarm.checkFor(10 * kSecond);
        }
        alarm.checkFor(kDay);
        const std::vector<DateTime> after(alarm.rings().begin() + before, alarm.rings().end());
        EXPECT_EQ(after, row.rings);
    }
}

// An alarm in the hour the clocks skip rings as they go forward; one in the
// hour they repeat rings on its first pass only. Checks every 50 ms.
TEST_F(AlarmCatchUpTest, TheClocksGoingForwardOrBackRingEveryAlarmOnceOnTime) {
    struct Row {
        const char* name;
        std::int64_t startUtcMs;
        DateTime alarm;
        std::vector<DateTime> rings;
    };
    const std::int64_t spring = utcMs(2026, 3, 29, 0, 59, 0);  // 01:59:00, an hour ahead
    const std::int64_t autumn = utcMs(2026, 10, 25, 0, 0, 0);  // 02:00:00, two hours ahead
    const auto timeOfDay = DateTime::timeOfDay;
    const std::vector<Row> rows = {
        {"spring: the last second before the change", spring, timeOfDay(1, 59, 59), {on(2026, 3, 29, 1, 59, 59)}},
        {"spring: the first skipped second", spring, timeOfDay(2, 0, 0), {on(2026, 3, 29, 3, 0, 0)}},
        {"spring: inside the skipped hour", spring, timeOfDay(2, 30, 0), {on(2026, 3, 29, 3, 0, 0)}},
        {"spring: the last skipped second", spring, timeOfDay(2, 59, 59), {on(2026, 3, 29, 3, 0, 0)}},
        {"spring: the first second after", spring, timeOfDay(3, 0, 1), {on(2026, 3, 29, 3, 0, 1)}},
        {"autumn: the first repeated second", autumn, timeOfDay(2, 0, 0), {on(2026, 10, 25, 2, 0, 0)}},
        {"autumn: inside the repeated hour", autumn, timeOfDay(2, 30, 0), {on(2026, 10, 25, 2, 30, 0)}},
        {"autumn: the last repeated second", autumn, timeOfDay(2, 59, 59), {on(2026, 10, 25, 2, 59, 59)}},
        {"autumn: the first second after", autumn, timeOfDay(3, 0, 0), {on(2026, 10, 25, 3, 0, 0)}},
    };
    sim.setTimeZone(centralEurope2026);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        sim.setUtcMs(row.startUtcMs);
        CheckedAlarm alarm(sim, owner, row.alarm);
        alarm.checkFor(2 * kHour + 2 * kMinute, 50);
        EXPECT_EQ(alarm.rings(), row.rings);
    }
}

// A suspend over a change of the offset. Forward: what the clock passed
// rings on waking. Back: the local time went back, so nothing counts as
// passed; an alarm the sleep hid in the repeated hour comes on its second
// pass, and one after that hour is not rung early.
TEST_F(AlarmCatchUpTest, ASuspendOverAChangeOfOffsetRingsWhatWasPassedAndNothingEarly) {
    struct Row {
        const char* name;
        std::int64_t asleepFromUtcMs;
        std::int64_t asleepMs;
        DateTime alarm;
        std::vector<DateTime> rings;
    };
    const std::int64_t spring = utcMs(2026, 3, 29, 0, 50, 0);  // 01:50 an hour ahead; wakes at 03:10
    const std::int64_t autumn = utcMs(2026, 10, 25, 0, 50, 0);  // 02:50 two hours ahead; wakes at 02:10
    const DateTime springWaking = on(2026, 3, 29, 3, 10, 0);
    const std::vector<Row> rows = {
        {"forward: before the skipped hour", spring, 20 * kMinute, DateTime::timeOfDay(1, 55, 0), {springWaking}},
        {"forward: in the skipped hour", spring, 20 * kMinute, DateTime::timeOfDay(2, 30, 0), {springWaking}},
        {"forward: after it", spring, 20 * kMinute, DateTime::timeOfDay(3, 5, 0), {springWaking}},
        {"back: hidden in the repeated hour", autumn, 20 * kMinute, DateTime::timeOfDay(2, 55, 0),
         {on(2026, 10, 25, 2, 55, 0)}},
        {"back: after the repeated hour", autumn, 20 * kMinute, DateTime::timeOfDay(3, 5, 0),
         {on(2026, 10, 25, 3, 5, 0)}},
        // 01:50 to 02:10 on the clock, but 80 minutes of real time: 75 late.
        {"back: before the repeated hour, beyond the limit", autumn - 60 * kMinute, 80 * kMinute,
         DateTime::timeOfDay(1, 55, 0), {}},
    };
    sim.setTimeZone(centralEurope2026);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        sim.setUtcMs(row.asleepFromUtcMs);
        CheckedAlarm alarm(sim, owner, row.alarm);
        alarm.check();
        sim.passTime(row.asleepMs);
        alarm.check();
        alarm.checkFor(2 * kHour);
        EXPECT_EQ(alarm.rings(), row.rings);
    }
}

}  // namespace
}  // namespace vclock::testing
