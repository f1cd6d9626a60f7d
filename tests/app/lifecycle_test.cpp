#include <string>
#include <vector>

#include "app/lifecycle/program_exit.h"
#include "assets/main_window_layout.h"
#include "tests/support/clock_fixture.h"

namespace vclock::testing {
namespace {

// The main window from start to end: activation, minimising, the exit
// control, the platform's close and the date tooltip.
class LifecycleTest : public ClockFixture {
protected:
    std::string stored(const char* section, const char* key) { return sim.store().read("Vordane Clock", section, key); }
    std::string storedAlarm() { return stored("Alarm", "currentime"); }
    void acknowledgeFreeInfo() { sim.store().write("Vordane Clock", "Popup", "okornot", "true"); }
    // Shows another window of the program modally and closes it, as the alarm notice does.
    void showAndCloseAModalWindow() {
        Window dialog(sim, "frmabout", 6000, 4000);
        showModal(dialog, form.window());
    }

    static constexpr Point kBackground{400, 50};  // no shown element there
    static constexpr Point kHourInsideExitArea{110, 380};
};

TEST_F(LifecycleTest, FirstStartRunsTheActivationStepsInOrder) {
    struct Seen {
        std::string alarm;
        bool hourShown;
        int exitWidth;
        int exitHeight;
    };
    std::vector<Seen> seen;
    sim.setMessageBoxAnswer([&](const auto&) {
        seen.push_back({storedAlarm(), element("imghourdisplay").picture() == form.window().frameSet("imghour").picture(20),
                        element("imgexit0").width(), element("imgexit0").height()});
        return kAnswerOk;
    });
    form.start();
    ASSERT_EQ(seen.size(), 1u) << "the first-run message shows once";
    EXPECT_EQ(seen[0].alarm, "12:00:00 PM") << "loadalarm before the message";
    EXPECT_TRUE(seen[0].hourShown) << "the hour indicator before the message";
    EXPECT_EQ(seen[0].exitWidth, 480) << "the exit control is sized after the answer";
    EXPECT_EQ(seen[0].exitHeight, 525);
    EXPECT_EQ(element("imgexit0").width(), main_layout::kExitActiveWidth);
    EXPECT_EQ(element("imgexit0").height(), main_layout::kExitActiveHeight);
    EXPECT_EQ(element("imgexit0").left(), 1350) << "the design place is kept";
    EXPECT_EQ(element("imgexit0").top(), 3810);
    EXPECT_EQ(element("txtalarm").text(), "12:00:00 PM");
    EXPECT_EQ(stored("Popup", "okornot"), "false");
    EXPECT_TRUE(form.alarmEntry().alarmtime().isEmpty()) << "nothing is armed at start";
}

TEST_F(LifecycleTest, TheClockRunsBehindTheFirstRunMessage) {
    std::string captionDuringMessage;
    sim.setMessageBoxAnswer([&](const auto&) {
        sim.advance(200);
        captionDuringMessage = form.window().caption();
        return kAnswerCancel;
    });
    form.start();
    EXPECT_EQ(captionDuringMessage.rfind("V-Clock ", 0), 0u) << captionDuringMessage;
}

TEST_F(LifecycleTest, EveryModalCloseRunsTheWholeSequenceAgain) {
    sim.setMessageBoxAnswer([](const auto&) { return kAnswerCancel; });
    form.start();
    sim.store().write("Vordane Clock", "Alarm", "currentime", "7:30:00 AM");
    element("txtalarm").setText("8:15");  // typed, never committed
    element("imgexit0").setWidth(480);
    showAndCloseAModalWindow();
    EXPECT_EQ(element("txtalarm").text(), "7:30:00 AM");
    EXPECT_EQ(sim.messageBoxes().size(), 2u) << "a message never acknowledged follows every notice";
    EXPECT_EQ(element("imgexit0").width(), 2500);

    sim.setMessageBoxAnswer([](const auto&) { return kAnswerOk; });
    showAndCloseAModalWindow();
    EXPECT_EQ(stored("Popup", "okornot"), "false");
    showAndCloseAModalWindow();
    EXPECT_EQ(stored("Popup", "okornot"), "true");
    EXPECT_EQ(sim.messageBoxes().size(), 3u);
}

TEST_F(LifecycleTest, ClosingAMessageBoxIsNoActivation) {
    acknowledgeFreeInfo();
    form.start();
    element("txtalarm").setText("abc");
    sim.click(form.window(), kBackground);
    ASSERT_EQ(sim.messageBoxes().size(), 1u);
    EXPECT_EQ(sim.messageBoxes()[0].title, "Time Format Error!!");
    EXPECT_EQ(element("txtalarm").text(), "abc") << "the field was not reloaded";
}

TEST_F(LifecycleTest, ABackgroundClickArmsAndStoresTheEntry) {
    acknowledgeFreeInfo();
    form.start();
    element("txtalarm").setText("7:30");
    sim.click(form.window(), kBackground);
    EXPECT_TRUE(form.alarmEntry().alarmtime() == DynamicValue(DateTime::timeOfDay(7, 30, 0)));
    EXPECT_EQ(storedAlarm(), "7:30:00 AM");
    EXPECT_EQ(element("txtalarm").text(), "7:30");
}

TEST_F(LifecycleTest, ADoubleClickCommitsTheEntryThenMinimises) {
    acknowledgeFreeInfo();
    form.start();
    element("txtalarm").setText("abc");
    std::vector<WindowState> stateAtMessage;
    sim.setMessageBoxAnswer([&](const auto&) {
        stateAtMessage.push_back(form.window().windowState());
        return kAnswerOk;
    });
    sim.doubleClick(form.window(), kBackground);
    EXPECT_EQ(stateAtMessage, std::vector<WindowState>{WindowState::Maximized}) << "one commit, before minimising";
    EXPECT_EQ(form.window().windowState(), WindowState::Minimized);
}

TEST_F(LifecycleTest, ExitControlEndsWithAnyButtonWhereverReleased) {
    struct Case {
        const char* name;
        MouseButton button;
        bool releaseOutside;
    };
    const Case cases[] = {
        {"control: left, released on it", MouseButton::Left, false},
        {"right button", MouseButton::Right, false},
        {"middle button", MouseButton::Middle, false},
        {"released off the control", MouseButton::Left, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SimRuntime run;
        run.store().write("Vordane Clock", "Popup", "okornot", "true");
        MainForm f(run, embeddedArtwork());
        f.start();
        Element& exit = f.window().element("imgexit0");
        const Rect r = exit.pixelRect();
        const Point on{r.left + 5, r.top + 5};
        run.press(f.window(), on, c.button);
        EXPECT_EQ(exit.mousePointer(), MousePointer::Default);
        EXPECT_EQ(exit.picture(), f.window().element("imgexit1").picture()) << "shared, not copied";
        EXPECT_EQ(exit.width(), 480) << "back to the pressed picture's size";
        EXPECT_EQ(f.window().pointerAt(on), nullptr) << "the default arrow";
        EXPECT_FALSE(run.ended());
        f.window().element("txtalarm").setText("6:45");
        run.release(f.window(), c.releaseOutside ? kBackground : on, c.button);
        EXPECT_TRUE(run.ended());
        EXPECT_FALSE(f.window().loaded());
        EXPECT_EQ(run.store().read("Vordane Clock", "Alarm", "currentime"), "6:45:00 AM") << "unload saved the entry";
        const int beforeTicks = run.yieldCount();
        run.advance(10000);
        EXPECT_EQ(run.yieldCount(), beforeTicks) << "nothing runs after the end";
    }
}

TEST_F(LifecycleTest, AfterActivationAPressOnTheHourIndicatorInsideTheExitAreaEnds) {
    EXPECT_NE(form.window().hitTest(kHourInsideExitArea), &element("imgexit0")) << "design size before activation";
    acknowledgeFreeInfo();
    form.start();
    EXPECT_EQ(form.window().hitTest(kHourInsideExitArea), &element("imgexit0"));
    sim.click(form.window(), kHourInsideExitArea);
    EXPECT_TRUE(sim.ended());
}

TEST_F(LifecycleTest, EndingDuringATicksYieldStopsTheTickThere) {
    acknowledgeFreeInfo();
    form.start();
    sim.press(form.window(), centreOf("imgexit0"));
    const int before = sim.yieldCount();
    bool released = false;
    sim.setYieldHook([&] {
        if (released) return;
        released = true;
        sim.release(form.window(), kBackground);
    });
    sim.advance(150);
    EXPECT_TRUE(sim.ended());
    EXPECT_EQ(sim.yieldCount(), before + 1) << "the paused tick did not resume";
    sim.advance(5000);
    EXPECT_EQ(sim.yieldCount(), before + 1);
}

TEST_F(LifecycleTest, APlatformCloseSavesAndEndsLikeTheExitControl) {
    acknowledgeFreeInfo();
    form.start();
    element("txtalarm").setText("19:05");
    sim.closeWindow(form.window());
    EXPECT_TRUE(sim.ended());
    EXPECT_FALSE(form.window().loaded());
    EXPECT_EQ(storedAlarm(), "7:05:00 PM");
}

TEST_F(LifecycleTest, APlatformCloseWhileTheFirstRunMessageWaitsEndsWithoutFinishingActivation) {
    sim.setMessageBoxAnswer([&](const auto&) {
        sim.closeWindow(form.window());
        return kAnswerOk;
    });
    form.start();
    EXPECT_TRUE(sim.ended());
    EXPECT_FALSE(sim.store().contains("Vordane Clock", "Popup", "okornot")) << "the answer came after the end";
    EXPECT_EQ(element("imgexit0").width(), 480);
}

// A signal or the session's end reaches the program wherever it waits; the
// notice's close must not reload the field over the typed text first.
TEST_F(LifecycleTest, AnEndingFromOutsideWhileTheNoticeShowsStoresTheTypedText) {
    acknowledgeFreeInfo();
    form.start();
    sim.click(form.window(), centreOf("imgalarmdisplay"));
    sim.advance(300);
    element("txtalarm").setText("10:15:22 AM");
    sim.click(form.window(), kBackground);
    element("txtalarm").setText("9:09");  // typed, never committed
    sim.setModalHandler([&](Window&) { closeAndEnd(form.window()); });
    sim.advance(3000);
    ASSERT_EQ(sim.modalShows(), 1);
    EXPECT_TRUE(sim.ended());
    EXPECT_FALSE(form.window().loaded());
    EXPECT_EQ(storedAlarm(), "9:09:00 AM");
}

TEST_F(LifecycleTest, AnEndingThatMayNotWaitStoresTheTypedEntryAndTheProgramRunsOn) {
    acknowledgeFreeInfo();
    form.start();
    element("txtalarm").setText("9:09");
    form.window().endingSoon();
    EXPECT_EQ(storedAlarm(), "9:09:00 AM");
    EXPECT_FALSE(sim.ended());
    EXPECT_TRUE(form.window().loaded());
    EXPECT_TRUE(form.alarmEntry().alarmtime().isEmpty()) << "stored, not armed";

    element("txtalarm").setText("6:45");
    sim.dispatch([&] { closeAndEnd(form.window()); });
    form.window().endingSoon();
    EXPECT_EQ(storedAlarm(), "6:45:00 AM") << "the close stored the entry once more; nothing after the end";
}

TEST_F(LifecycleTest, LeavingWithAnInvalidEntryKeepsTheStoredTime) {
    acknowledgeFreeInfo();
    form.start();
    sim.store().write("Vordane Clock", "Alarm", "currentime", "9:00:00 AM");
    for (const char* typed : {"", "abc"}) {
        element("txtalarm").setText(typed);
        form.window().unload();
        EXPECT_EQ(storedAlarm(), "9:00:00 AM") << typed;
        form.window().load();
    }
    EXPECT_TRUE(sim.messageBoxes().empty()) << "leaving shows no message";
}

TEST_F(LifecycleTest, AHandEditedAlarmValueDoesNotStopActivation) {
    acknowledgeFreeInfo();
    sim.store().write("Vordane Clock", "Alarm", "currentime", "half past seven");
    form.start();
    EXPECT_EQ(element("txtalarm").text(), "12:00:00 PM");
    EXPECT_EQ(storedAlarm(), "half past seven");
    EXPECT_EQ(element("imgexit0").width(), 2500) << "the sequence ran to its end";
}

TEST_F(LifecycleTest, AnUnwritableStoreNeverStopsTheProgram) {
    sim.store().setWritable(false);
    form.start();
    element("txtalarm").setText("7:30");
    sim.click(form.window(), kBackground);
    showAndCloseAModalWindow();
    EXPECT_EQ(sim.messageBoxes().size(), 2u) << "the message is never acknowledged";
    EXPECT_EQ(element("txtalarm").text(), "7:30") << "nothing stored to reload";
    EXPECT_TRUE(form.alarmEntry().alarmtime() == DynamicValue(DateTime::timeOfDay(7, 30, 0)));
    sim.click(form.window(), centreOf("imgexit0"));
    EXPECT_TRUE(sim.ended());
    EXPECT_GT(sim.store().writes(), 0) << "writes were tried";
    EXPECT_FALSE(sim.store().contains("Vordane Clock", "Alarm", "currentime"));
}

TEST_F(LifecycleTest, TheTooltipShowsTheDateAndTimeOfTheLastMove) {
    acknowledgeFreeInfo();
    form.start();
    sim.moveMouse(form.window(), centreOf("imgalarmdisplay"));
    EXPECT_EQ(element("imgalarmdisplay").toolTip(), "10-Dec-26  10:15:20 AM");
    sim.setClock(2027, 1, 5, 20, 5, 9);
    EXPECT_EQ(element("imgalarmdisplay").toolTip(), "10-Dec-26  10:15:20 AM") << "not a running clock";
    sim.moveMouse(form.window(), centreOf("imgalarmdisplay"));
    EXPECT_EQ(form.window().toolTipAt(centreOf("imgalarmdisplay")), "05-Jan-27  8:05:09 PM");
}

}  // namespace
}  // namespace vclock::testing
