#include <gtest/gtest.h>

#include <optional>

#include <QDateTime>
#include <QThread>

#include "app/qt/qt_runtime.h"
#include "tests/support/time_zone.h"

namespace vclock::qt {
namespace {

// One reading gives local time and UTC of one instant, each in its own
// unit and from its own start, and the real time that passed; in zones
// whose offsets are not whole hours too.
TEST(QtRuntimeClock, ReadsLocalTimeUtcAndTheTimeThatPassedOfOneInstant) {
    for (const char* name : {"UTC", "Europe/Berlin", "Asia/Kathmandu", "America/St_Johns"}) {
        SCOPED_TRACE(name);
        const vclock::testing::TimeZoneGuard zone(name);
        QtRuntime runtime;
        const ClockReading first = runtime.readClock();
        QThread::msleep(200);
        const ClockReading second = runtime.readClock();

        EXPECT_NEAR(static_cast<double>(second.utcMs), static_cast<double>(QDateTime::currentMSecsSinceEpoch()), 2000);
        EXPECT_EQ(second.utcOffsetSeconds(), vclock::testing::utcOffsetAt(second.utcMs / 1000));
        EXPECT_GE(second.elapsedMs - first.elapsedMs, 150);
        EXPECT_NEAR(static_cast<double>(second.elapsedMs - first.elapsedMs),
                    static_cast<double>(second.utcMs - first.utcMs), 1000);
    }
}

// The zone is asked again once a second, not at every reading: a change
// of the system's time zone shows within about a second.
TEST(QtRuntimeClock, FollowsAChangeOfTheTimeZoneWithinASecond) {
    std::optional<vclock::testing::TimeZoneGuard> zone(std::in_place, "UTC");
    QtRuntime runtime;
    EXPECT_EQ(runtime.readClock().utcOffsetSeconds(), 0);
    zone.reset();
    zone.emplace("Asia/Kathmandu");
    QThread::msleep(1100);
    EXPECT_EQ(runtime.readClock().utcOffsetSeconds(), 5 * 3600 + 45 * 60);
}

}  // namespace
}  // namespace vclock::qt
