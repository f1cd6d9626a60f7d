#include <string>

#include "tests/support/clock_fixture.h"

namespace vclock::testing {
namespace {

// The door and the alarm as the user meets them on the running main window.
class AlarmInMainWindowTest : public ClockFixture {
protected:
    AlarmInMainWindowTest() { form.start(); }

    std::string storedAlarm() { return sim.store().read("Vordane Clock", "Alarm", "currentime"); }
    // Opens the door, types a time and clicks the background.
    void commit(const std::string& typed) {
        sim.click(form.window(), centreOf("imgalarmdisplay"));
        sim.advance(300);
        element("txtalarm").setText(typed);
        sim.click(form.window(), kBackground);
    }

    static constexpr Point kBackground{400, 50};  // no shown element there
};

TEST_F(AlarmInMainWindowTest, ClickingTheDoorOpensItAndTheBackgroundCommitsAndClosesIt) {
    sim.click(form.window(), centreOf("imgalarmdisplay"));
    sim.advance(300);
    EXPECT_TRUE(form.door().isOpen());
    Element& field = element("txtalarm");
    ASSERT_TRUE(field.visible());
    sim.click(form.window(), centreOf("txtalarm"));
    EXPECT_EQ(form.window().focus(), &field) << "the field shown on the open door takes the focus";
    field.setText("7:30");
    sim.click(form.window(), kBackground);
    EXPECT_EQ(storedAlarm(), "7:30:00 AM");
    EXPECT_EQ(form.alarmEntry().alarmtime(), DynamicValue(DateTime::timeOfDay(7, 30, 0)));
    sim.advance(600);
    EXPECT_FALSE(field.visible());
    EXPECT_EQ(element("imgalarmdisplay").picture(), form.window().frameSet("imgalarmdoor").picture(0));
}

TEST_F(AlarmInMainWindowTest, TheNoticeReloadsTheFieldWhenItClosesAndCountsOneAlarm) {
    commit("10:15:22 AM");
    sim.advance(3000);
    EXPECT_EQ(sim.beeps(), 1);
    EXPECT_EQ(sim.modalShows(), 1);
    EXPECT_EQ(element("txtalarm").text(), "10:15:22 AM") << "reloaded by the activation after the notice";
}

// Opened inside a yield of the tick, the notice holds the tick, so the face
// stands still behind it; opened between ticks, the face goes on.
TEST_F(AlarmInMainWindowTest, TheFaceStandsStillBehindANoticeOpenedInsideTheTick) {
    for (const bool insideTick : {true, false}) {
        SCOPED_TRACE(insideTick ? "inside the tick" : "between ticks");
        SimRuntime& s = sim;
        // Time passing during the tick's yields lets the check fall due inside them.
        s.setYieldHook(insideTick ? std::function<void()>([&s] { s.setNowMs(s.nowMs() + 1); }) : nullptr);
        bool heldTick = false;
        bool faceMoved = false;
        s.setModalHandler([&](Window& dialog) {
            heldTick = form.timer("tmsecond").running();
            const int leaf = form.tick().secondframe();
            s.advance(1000);
            faceMoved = form.tick().secondframe() != leaf;
            dialog.unload();
        });
        const std::int64_t dueAt = s.nowMs() + 5000;
        const DateTime alarm = DateTime::fromSeconds(dueAt / 1000).timePart();
        commit(std::to_string(alarm.hour()) + ":" + std::to_string(alarm.minute()) + ":" +
               std::to_string(alarm.second()));
        const int shows = s.modalShows();
        s.advance(dueAt + 1500 - s.nowMs());
        ASSERT_EQ(s.modalShows(), shows + 1);
        EXPECT_EQ(heldTick, insideTick);
        EXPECT_EQ(faceMoved, !insideTick);
    }
}

}  // namespace
}  // namespace vclock::testing
