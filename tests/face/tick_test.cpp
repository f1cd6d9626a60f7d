#include <vector>

#include "tests/support/clock_fixture.h"

namespace vclock::testing {
namespace {

class TickTest : public ClockFixture {
protected:
    int member(const std::string& display, const std::string& set) {
        const FrameSet frames = form.window().frameSet(set);
        for (int i = 0; i < frames.size(); ++i) {
            if (element(display).picture() == frames.picture(i)) return i;
        }
        return -1;
    }
};

TEST_F(TickTest, TheFirstRunShowsTheFirstFramesAndLeavesTheCountersOneOn) {
    form.start();
    runTicks(1);
    EXPECT_EQ(member("imgsmokedisplay", "imgsmoke"), 0);
    EXPECT_EQ(member("imgseconddisplay", "imgsecond"), 0);
    EXPECT_EQ(element("lblseconds").left(), 5600);
    EXPECT_EQ(element("lblseconds").top(), 5160);
    const Tick& tick = form.tick();
    EXPECT_EQ(tick.smokeframe(), 1);
    EXPECT_TRUE(tick.smokerising());
    EXPECT_EQ(tick.secondframe(), 1);
    EXPECT_EQ(tick.hourtick(), 1);
    EXPECT_EQ(form.window().caption(), "V-Clock 10:15:20 AM");
    EXPECT_EQ(element("lblseconds").text(), "20");
}

TEST_F(TickTest, SmokeGoesUpAndDownAndTheLeafFallsOneFramePerRun) {
    form.start();
    std::vector<int> smoke, leaf;
    for (int run = 1; run <= 25; ++run) {
        runTicks(1);
        smoke.push_back(member("imgsmokedisplay", "imgsmoke"));
        leaf.push_back(member("imgseconddisplay", "imgsecond"));
    }
    const std::vector<int> smokeCycle = {0, 1, 2, 3, 4, 5, 6, 7, 8, 7, 6, 5, 4, 3, 2, 1, 0, 1, 2, 3, 4, 5, 6, 7, 8};
    EXPECT_EQ(smoke, smokeCycle);
    for (int run = 1; run <= 25; ++run) EXPECT_EQ(leaf[run - 1], (run - 1) % 6) << "run " << run;
}

TEST_F(TickTest, EveryFifthRunRefreshesTheHourPicture) {
    sim.setClock(2026, 12, 10, 10, 29, 59, 300);
    form.start();
    EXPECT_EQ(member("imghourdisplay", "imghour"), 20);
    runTicks(4);  // the clock passes 10:30 during these runs
    EXPECT_EQ(member("imghourdisplay", "imghour"), 20) << "followed only at the refresh";
    EXPECT_EQ(form.tick().hourtick(), 4);
    runTicks(1);
    EXPECT_EQ(member("imghourdisplay", "imghour"), 21);
    EXPECT_EQ(form.tick().hourtick(), 0);
    runTicks(5);
    EXPECT_EQ(form.tick().hourtick(), 0);
}

TEST_F(TickTest, ARunYieldsSixtyOneTimes) {
    form.start();
    const int before = sim.yieldCount();
    runTicks(1);
    EXPECT_EQ(sim.yieldCount() - before, 61);
}

TEST_F(TickTest, RunsWithinOneSecondWriteTheSameCaption) {
    RecordingView view;
    form.window().setView(&view);
    form.start();
    runTicks(1);
    const std::string first = form.window().caption();
    const int changes = view.captionChanges;
    runTicks(2);  // 10:15:20.45, still the same second
    EXPECT_EQ(form.window().caption(), first);
    EXPECT_EQ(view.captionChanges, changes) << "an unchanged caption is not passed to the platform";
    form.window().setView(nullptr);
}

// The second-number scan against a clock that moves during it. `moveAtYield`
// is the yield of the run (1 = the one before the leaf, 2 + i = the one
// before candidate i's reading) at whose start the clock steps a second on;
// 0 means it stays.
struct ScanRow {
    const char* what;
    int startSecond;
    int moveAtYield;
    std::vector<std::string> textsSeen;  // label texts in the order they appeared in the run
};

TEST_F(TickTest, TheScanLeavesTheLastCandidateThatMatchedItsReading) {
    const ScanRow rows[] = {
        {"control: the clock stays", 20, 0, {"20"}},
        {"moves before the reading of s", 20, 2 + 20, {"21"}},
        {"moves between the readings of s and s+1", 20, 2 + 21, {"20", "21"}},
        {"moves after the reading of s+1", 20, 2 + 22, {"20"}},
        {"59 to 0 before the reading of 59", 59, 2 + 59, {}},
        {"59 to 0 after the scan", 59, 62, {"59"}},
        {"0: a single digit", 0, 0, {"0"}},
    };
    for (const ScanRow& row : rows) {
        SimRuntime rt;
        MainForm clock(rt, embeddedArtwork());
        rt.setClock(2026, 12, 10, 8, 0, row.startSecond, 0);
        clock.start();
        Element& label = clock.window().element("lblseconds");
        std::vector<std::string> seen;
        int yieldOfRun = 0;
        rt.setYieldHook([&] {
            if (label.text() != " 55 " && (seen.empty() || seen.back() != label.text())) seen.push_back(label.text());
            if (++yieldOfRun == row.moveAtYield) rt.setNowMs(rt.nowMs() + 1000);
        });
        rt.advance(150);
        if (label.text() != " 55 " && (seen.empty() || seen.back() != label.text())) seen.push_back(label.text());
        EXPECT_EQ(seen, row.textsSeen) << row.what;
    }
}

TEST_F(TickTest, ARunPausedInAYieldNeverResumesOnceTheProgramHasEnded) {
    form.start();
    int yields = 0;
    sim.setYieldHook([&] {
        if (++yields == 10) sim.end();
    });
    runTicks(1);
    EXPECT_TRUE(sim.ended());
    EXPECT_EQ(yields, 10);
    EXPECT_EQ(element("lblseconds").text(), " 55 ") << "the scan stopped where the program ended";
    EXPECT_EQ(form.tick().hourtick(), 0);
    sim.advance(1000);
    EXPECT_EQ(yields, 10) << "no handler runs after the end";
}

}  // namespace
}  // namespace vclock::testing
