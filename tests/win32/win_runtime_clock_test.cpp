#include "app/win32/win_runtime.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace vclock::win32 {
namespace {

// One reading gives local time and UTC of one instant, each in its own
// unit and from its own start, and the real time that passed.
TEST(WinRuntimeClock, ReadsLocalTimeUtcAndTheTimeThatPassedOfOneInstant) {
    WinRuntime runtime(GetModuleHandleW(nullptr));
    const ClockReading first = runtime.readClock();
    Sleep(300);
    const ClockReading second = runtime.readClock();

    SYSTEMTIME utc{};
    GetSystemTime(&utc);
    const std::int64_t day = DateTime::fromCivil(utc.wYear, utc.wMonth, utc.wDay).days();
    const std::int64_t utcMs = DateTime::fromParts(day, utc.wHour, utc.wMinute, utc.wSecond).totalSeconds() * 1000 +
                               utc.wMilliseconds - ClockReading::kUnixEpochMs;
    EXPECT_NEAR(static_cast<double>(second.utcMs), static_cast<double>(utcMs), 2000);

    TIME_ZONE_INFORMATION zone{};
    const DWORD state = GetTimeZoneInformation(&zone);
    const LONG biasMinutes = zone.Bias + (state == TIME_ZONE_ID_DAYLIGHT ? zone.DaylightBias : zone.StandardBias);
    EXPECT_EQ(second.utcOffsetSeconds(), -biasMinutes * 60) << "local time and UTC of one instant";

    EXPECT_GE(second.elapsedMs - first.elapsedMs, 250);
    EXPECT_NEAR(static_cast<double>(second.elapsedMs - first.elapsedMs),
                static_cast<double>(second.utcMs - first.utcMs), 1000);
}

}  // namespace
}  // namespace vclock::win32
