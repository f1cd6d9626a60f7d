#include "tests/support/clock_fixture.h"

namespace vclock::testing {
namespace {

using RepaintTest = ClockFixture;

// The face changes only in small places per tick (the leaf, the smoke, the
// second's label, now and then the hour picture); a tick that reports the
// whole 800 x 600 window changed, or large parts of it, redraws in vain.
TEST_F(RepaintTest, TicksReportOnlyTheSmallPlacesThatChange) {
    constexpr int kTicks = 1000;
    constexpr long long kMostPixelsPerTick = 22'000;  // a full redraw is 480,000

    form.start();
    RecordingView view;
    form.window().setView(&view);
    runTicks(kTicks);

    form.window().setView(nullptr);

    const long long perTick = view.pixels() / kTicks;
    EXPECT_GT(perTick, 0) << "the ticks reported no change at all";
    EXPECT_LE(perTick, kMostPixelsPerTick);
}

}  // namespace
}  // namespace vclock::testing
