#include <gtest/gtest.h>

#include "app/runtime/local_time_cache.h"
#include "app/runtime.h"

namespace vclock {
namespace {

// A zone that moves from one hour ahead of UTC to two hours ahead at
// kChange, as central Europe does in spring, and counts how often it is asked.
constexpr std::int64_t kChange = 1'774'746'000;  // 29 March 2026, 01:00 UTC
int asked = 0;
std::int64_t springZone(std::int64_t utcSeconds) {
    ++asked;
    return utcSeconds < kChange ? 3600 : 7200;
}

DateTime localOf(std::int64_t utcSeconds, std::int64_t offset) {
    return DateTime::fromSeconds(utcSeconds + offset + ClockReading::kUnixEpochMs / 1000);
}

// Hundreds of readings a second cost one question to the system per
// second, and the millisecond before the change and the one at it each
// get their own offset.
TEST(LocalTimeCache, AsksOncePerSecondAndIsExactAcrossAChangeOfOffset) {
    asked = 0;
    LocalTimeCache cache(springZone);
    struct Case {
        const char* what;
        std::int64_t utcMs;
        DateTime local;
    };
    const Case cases[] = {
        {"two seconds before", (kChange - 2) * 1000, localOf(kChange - 2, 3600)},
        {"last millisecond before", kChange * 1000 - 1, localOf(kChange - 1, 3600)},
        {"first millisecond after", kChange * 1000, localOf(kChange, 7200)},
        {"later the same second", kChange * 1000 + 999, localOf(kChange, 7200)},
        {"back before it (the clock was set back)", kChange * 1000 - 1, localOf(kChange - 1, 3600)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(cache.localAt(c.utcMs).totalSeconds(), c.local.totalSeconds());
    }

    asked = 0;
    for (std::int64_t ms = 0; ms < 3000; ms += 2) cache.localAt((kChange + 10) * 1000 + ms);
    EXPECT_EQ(asked, 3);
}

// Readings before 1970 fall into the second they belong to, not the next.
TEST(LocalTimeCache, RoundsInstantsBefore1970Down) {
    LocalTimeCache cache(springZone);
    EXPECT_EQ(cache.localAt(-1).totalSeconds(), localOf(-1, 3600).totalSeconds());
}

}  // namespace
}  // namespace vclock
