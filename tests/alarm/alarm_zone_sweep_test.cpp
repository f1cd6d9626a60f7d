#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/checked_alarm.h"
#include "tests/support/time_zone.h"

namespace vclock::testing {
namespace {

// The first of January of a year, 00:00 UTC, in seconds since 1970.
std::int64_t newYear(int year) {
    return DateTime::fromCivil(year, 1, 1).totalSeconds() - ClockReading::kUnixEpochMs / 1000;
}

std::int64_t secondOfDay(std::int64_t localSeconds) {
    return (localSeconds % DateTime::kSecondsPerDay + DateTime::kSecondsPerDay) % DateTime::kSecondsPerDay;
}

// One change of a zone's offset, swept: alarms at every minute from three
// before the change to three after it, on the clock before and after the
// change (so every minute of a skipped or repeated span), and at the last
// second before and the first two after. The check runs every minute
// for two hours plus the change on either side, and every 50 ms for two
// seconds either side of the change. Each alarm must ring once for each day
// whose occurrence of it lies in the span of local time the run covered, at
// the first check that reached or passed it, and never otherwise.
// Returns the alarms swept; writes down what went wrong.
//
// The simulated zone has the two offsets of the change; asking the C library
// at every check would make the sweep fifteen times slower. It asks once that
// nothing else changes within the run.
int sweepChange(const ZoneChange& change, std::vector<std::string>& wrong) {
    const std::int64_t reach = std::abs(change.after - change.before) + 2 * 3600;
    if (utcOffsetAt(change.at - reach) != change.before || utcOffsetAt(change.at + reach) != change.after) {
        wrong.push_back("another change lies within the run");
        return 0;
    }
    SimRuntime sim;
    sim.setTimeZone([change](std::int64_t t) { return t < change.at ? change.before : change.after; });
    Window owner{sim, "owner", 100, 100};
    owner.load();

    const std::int64_t lastBefore = change.at - 1 + change.before;  // local seconds since 1970
    const std::int64_t firstAfter = change.at + change.after;
    std::set<std::int64_t> times;
    const std::int64_t firstMinute = std::min(lastBefore + 1, firstAfter) / 60 * 60 - 180;
    const std::int64_t lastMinute = std::max(lastBefore, firstAfter) + 180;
    for (std::int64_t t = firstMinute; t <= lastMinute; t += 60) times.insert(secondOfDay(t));
    for (const std::int64_t t : {lastBefore, firstAfter, firstAfter + 1}) times.insert(secondOfDay(t));
    std::vector<std::unique_ptr<CheckedAlarm>> alarms;
    for (const std::int64_t t : times) {
        alarms.push_back(std::make_unique<CheckedAlarm>(sim, owner, DateTime::fromSeconds(t)));
    }

    std::vector<std::int64_t> instants;  // of the checks, UTC milliseconds
    for (std::int64_t t = change.at - reach; t <= change.at + reach; t += 60) instants.push_back(t * 1000);
    for (int step = -40; step <= 40; ++step) instants.push_back(change.at * 1000 + step * 50);
    std::sort(instants.begin(), instants.end());
    instants.erase(std::unique(instants.begin(), instants.end()), instants.end());

    std::vector<DateTime> seen;  // the local time at each check
    sim.setUtcMs(instants.front());
    for (std::size_t i = 0; i < instants.size(); ++i) {
        if (i > 0) sim.passTime(instants[i] - instants[i - 1]);
        seen.push_back(sim.now());
        for (const auto& alarm : alarms) alarm->check();
    }

    for (std::size_t a = 0; a < alarms.size(); ++a) {
        const std::int64_t alarm = *std::next(times.begin(), static_cast<std::ptrdiff_t>(a));
        std::vector<DateTime> expected;
        for (std::int64_t day = seen.front().days() - 1; day <= seen.back().days() + 1; ++day) {
            const DateTime occurrence = DateTime::fromSeconds(day * DateTime::kSecondsPerDay + alarm);
            if (occurrence <= seen.front() || occurrence > seen.back()) continue;
            expected.push_back(*std::find_if(seen.begin(), seen.end(), [&](DateTime t) { return t >= occurrence; }));
        }
        if (alarms[a]->rings() != expected) {
            std::ostringstream text;
            text << "alarm " << ::testing::PrintToString(DateTime::fromSeconds(alarm)).substr(11) << " rang at "
                 << ::testing::PrintToString(alarms[a]->rings()) << ", expected "
                 << ::testing::PrintToString(expected);
            wrong.push_back(text.str());
        }
    }
    return static_cast<int>(alarms.size());
}

TEST(AlarmZoneSweep, EveryChangeOfEveryZoneIn2026And2027RingsEachAlarmOnceADayOnTime) {
    const auto started = std::chrono::steady_clock::now();
    int zones = 0;
    int changes = 0;
    int alarms = 0;
    std::vector<std::string> wrong;
    for (const auto& file : zoneFiles("/usr/share/zoneinfo")) {
        const TimeZoneGuard zone(":" + file.string());
        const std::vector<ZoneChange> found = zoneChanges(newYear(2026), newYear(2028));
        if (!found.empty()) ++zones;
        for (const ZoneChange& change : found) {
            std::vector<std::string> wrongHere;
            alarms += sweepChange(change, wrongHere);
            ++changes;
            for (const std::string& w : wrongHere) {
                const DateTime at = DateTime::fromSeconds(change.at + ClockReading::kUnixEpochMs / 1000);
                wrong.push_back(file.string() + ", change at " + ::testing::PrintToString(at) + " UTC: " + w);
            }
        }
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::printf("swept %d zones, %d changes, %d alarms in %.1f s\n", zones, changes, alarms, seconds);
    // tzdata 2025 has some 130 distinct zones that change in those years.
    EXPECT_GE(zones, 100) << "is tzdata installed?";
    if (!wrong.empty()) {
        std::string first;
        for (std::size_t i = 0; i < std::min<std::size_t>(wrong.size(), 10); ++i) first += "\n" + wrong[i];
        ADD_FAILURE() << wrong.size() << " alarms went wrong; the first:" << first;
    }
}

}  // namespace
}  // namespace vclock::testing
