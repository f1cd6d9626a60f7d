#include <gtest/gtest.h>

#include "app/sim/sim_runtime.h"
#include "app/window/timer.h"

namespace vclock {
namespace {

TEST(TimerTest, FiresAtItsIntervalAndNotBefore) {
    SimRuntime sim;
    Timer timer(sim, "t", 150, true);
    int ticks = 0;
    timer.setHandler([&] { ++ticks; });
    sim.advance(149);
    EXPECT_EQ(ticks, 0);
    sim.advance(1);
    EXPECT_EQ(ticks, 1);
    sim.advance(300);
    EXPECT_EQ(ticks, 3);
}

TEST(TimerTest, DisabledTimersDoNotFireAndEnablingCountsFromThen) {
    SimRuntime sim;
    Timer timer(sim, "t", 100, false);
    int ticks = 0;
    timer.setHandler([&] { ++ticks; });
    sim.advance(500);
    EXPECT_EQ(ticks, 0);
    sim.advance(30);
    timer.setEnabled(true);
    sim.advance(99);
    EXPECT_EQ(ticks, 0);
    sim.advance(1);
    EXPECT_EQ(ticks, 1);
}

TEST(TimerTest, AHandlerCanStopItsOwnTimer) {
    SimRuntime sim;
    Timer timer(sim, "t", 50, true);
    int ticks = 0;
    timer.setHandler([&] {
        if (++ticks == 3) timer.setEnabled(false);
    });
    sim.advance(1000);
    EXPECT_EQ(ticks, 3);
}

TEST(TimerTest, AHandlerPausedInAYieldIsNotReenteredAndMissedTicksAreNotQueued) {
    SimRuntime sim;
    Timer slow(sim, "slow", 100, true);
    Timer fast(sim, "fast", 50, true);
    int slowRuns = 0, fastRuns = 0, depth = 0, deepest = 0;
    fast.setHandler([&] { ++fastRuns; });
    slow.setHandler([&] {
        ++slowRuns;
        deepest = std::max(deepest, ++depth);
        if (slowRuns == 1) {
            sim.advance(1000);  // ten of its own ticks fall due while it waits
            sim.yield();
        }
        --depth;
    });
    sim.advance(100);
    EXPECT_EQ(slowRuns, 1);
    EXPECT_EQ(deepest, 1) << "never re-entered";
    EXPECT_GE(fastRuns, 20) << "other timers run inside the wait";
    sim.advance(100);
    EXPECT_LE(slowRuns, 3) << "the missed ticks are not made up";
}

TEST(TimerTest, AMessageBoxLetsTimersRunBehindIt) {
    SimRuntime sim;
    Timer timer(sim, "t", 50, true);
    int ticks = 0;
    timer.setHandler([&] { ++ticks; });
    sim.setMessageBoxAnswer([&](const SimRuntime::MessageBoxCall&) {
        sim.advance(500);
        return kAnswerCancel;
    });
    EXPECT_EQ(sim.messageBox("text", MessageIcon::Information, MessageButtons::OkCancel, "title"), kAnswerCancel);
    EXPECT_EQ(ticks, 10);
}

TEST(TimerTest, NothingRunsOnceTheProgramHasEnded) {
    SimRuntime sim;
    Timer a(sim, "a", 50, true);
    Timer b(sim, "b", 50, true);
    int bRuns = 0;
    a.setHandler([&] { sim.end(); });
    b.setHandler([&] { ++bRuns; });
    sim.advance(1000);
    EXPECT_TRUE(sim.ended());
    EXPECT_EQ(bRuns, 0) << "b was due together with a, after it";
    EXPECT_THROW(sim.yield(), ProgramEnded);
}

}  // namespace
}  // namespace vclock
