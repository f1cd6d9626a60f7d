#include "alarm/alarm_trigger.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/sim/sim_runtime.h"
#include "app/window/timer.h"
#include "assets/artwork.h"

namespace vclock::testing {
namespace {

constexpr DateTime timeOfDay(int h, int m, int s) { return DateTime::timeOfDay(h, m, s); }

// The check on its own timer, over a plain owner window. Each notice writes
// down its alarm line and is closed by `whileOpen`, or at once.
class AlarmTriggerTest : public ::testing::Test {
protected:
    AlarmTriggerTest() {
        owner.events.activate = [this] { ++activations; };
        owner.load();
        tmalarm.setHandler([this] { trigger.tmalarm_Timer(); });
        sim.setModalHandler([this](Window& dialog) {
            lines.push_back(dialog.element("lblalarmtime").text());
            if (whileOpen) whileOpen();
            dialog.unload();
        });
    }

    // Sets the clock; the check's timer counts from there.
    void at(int day, int h, int m, int s, int ms = 0) {
        sim.setClock(2026, 12, day, h, m, s, ms);
        tmalarm.setEnabled(false);
        tmalarm.setEnabled(true);
    }

    SimRuntime sim;
    Window owner{sim, "frmVordaneClock", 11610, 8610};
    DynamicValue alarmtime;
    AlarmTrigger trigger{sim, owner, embeddedArtwork(), alarmtime};
    Timer tmalarm{sim, "tmalarm", 50, true};
    std::vector<std::string> lines;
    std::function<void()> whileOpen;
    int activations = 0;
};

// One check against each kind of armed value. `fires`: a first check with
// `alarmdone` false beeps; `clears`: a check with `alarmdone` true clears it.
TEST(AlarmTriggerTable, ComparesTheArmedValueWithTheClockByItsKind) {
    struct Case {
        const char* name;
        DynamicValue alarm;
        DateTime now;
        bool fires;
        bool clears;
    };
    const DateTime today = DateTime::fromCivil(2026, 12, 10);
    const std::vector<Case> cases = {
        {"control: a time of day at its second", timeOfDay(7, 30, 0), timeOfDay(7, 30, 0), true, false},
        {"time of day, a second early", timeOfDay(7, 30, 0), timeOfDay(7, 29, 59), false, true},
        {"time of day, a second late with no earlier check", timeOfDay(7, 30, 0), timeOfDay(7, 30, 1), false, false},
        {"empty at midnight (counts as 0)", DynamicValue(), timeOfDay(0, 0, 0), true, false},
        {"empty later in the day", DynamicValue(), timeOfDay(12, 0, 0), false, false},
        {"midnight at midnight", timeOfDay(0, 0, 0), timeOfDay(0, 0, 0), true, false},
        {"midnight: no time is before it", timeOfDay(0, 0, 0), timeOfDay(23, 59, 59), false, false},
        {"empty text never matches, always after", DynamicValue(""), timeOfDay(0, 0, 0), false, true},
        {"invalid text", DynamicValue("7:3o"), timeOfDay(7, 30, 0), false, true},
        {"a date alone, checked at midnight", DynamicValue(today), timeOfDay(0, 0, 0), false, true},
        {"a date and time of the present era", DateTime::fromParts(today.days(), 7, 30, 0), timeOfDay(7, 30, 0),
         false, true},
        {"a date before the zero date", DateTime::fromParts(-3, 7, 30, 0), timeOfDay(7, 30, 0), false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SimRuntime sim;
        Window owner{sim, "owner", 100, 100};
        owner.load();
        const auto checkAt = [&](AlarmTrigger& trigger, DateTime day, DateTime time) {
            sim.setNowMs((day.totalSeconds() + time.totalSeconds()) * 1000);
            trigger.tmalarm_Timer();
        };
        {
            DynamicValue alarmtime = c.alarm;
            AlarmTrigger fresh{sim, owner, embeddedArtwork(), alarmtime};
            checkAt(fresh, today, c.now);
            EXPECT_EQ(sim.beeps(), c.fires ? 1 : 0);
            EXPECT_EQ(sim.modalShows(), c.fires ? 1 : 0);
            EXPECT_EQ(fresh.alarmdone(), c.fires);
        }
        {
            // Raised the day before by an empty value at midnight, then armed anew.
            DynamicValue alarmtime;
            AlarmTrigger raised{sim, owner, embeddedArtwork(), alarmtime};
            checkAt(raised, DateTime::fromCivil(2026, 12, 9), timeOfDay(0, 0, 0));
            ASSERT_TRUE(raised.alarmdone());
            const int beeps = sim.beeps();
            alarmtime = c.alarm;
            checkAt(raised, today, c.now);
            EXPECT_EQ(sim.beeps(), beeps) << "a raised alarm does not fire again before it is cleared";
            EXPECT_EQ(raised.alarmdone(), !c.clears);
        }
    }
}

TEST_F(AlarmTriggerTest, BeepsOnceAndShowsTheNoticeOnceInTheAlarmsSecond) {
    alarmtime = timeOfDay(7, 30, 0);
    at(10, 7, 29, 59);
    // The notice stays open for part of its second; the checks after it in
    // that second raise nothing.
    whileOpen = [this] { sim.advance(300); };
    sim.advance(3000);
    EXPECT_EQ(sim.beeps(), 1);
    EXPECT_EQ(sim.modalShows(), 1);
    EXPECT_EQ(lines, std::vector<std::string>{"ALARM AT: 7:30:00 AM"});
    EXPECT_TRUE(trigger.alarmdone());
    EXPECT_EQ(activations, 1) << "the main window is activated again once the notice closes";
}

TEST_F(AlarmTriggerTest, NoticeClosedWithinItsSecondRaisesNoSecondNotice) {
    alarmtime = timeOfDay(7, 30, 0);
    at(10, 7, 30, 0, 900);
    sim.advance(2000);
    EXPECT_EQ(sim.beeps(), 1);
    EXPECT_EQ(sim.modalShows(), 1);
}

TEST_F(AlarmTriggerTest, ReArmsAfterMidnightAndFiresNextDayWithOneNoticeServingEveryAlarm) {
    alarmtime = timeOfDay(7, 30, 0);
    at(10, 7, 29, 59, 900);
    sim.advance(200);
    ASSERT_EQ(sim.beeps(), 1);
    const NoticeForm* first = trigger.frmabout();
    at(10, 23, 59, 59);
    sim.advance(950);
    EXPECT_TRUE(trigger.alarmdone());
    sim.advance(50);  // midnight: the clock is before the alarm again
    EXPECT_FALSE(trigger.alarmdone());
    alarmtime = timeOfDay(8, 15, 0);
    at(11, 8, 14, 59, 900);
    sim.advance(200);
    EXPECT_EQ(sim.beeps(), 2);
    EXPECT_EQ(trigger.frmabout(), first);
    EXPECT_EQ(lines, (std::vector<std::string>{"ALARM AT: 7:30:00 AM", "ALARM AT: 8:15:00 AM"}));
}

TEST_F(AlarmTriggerTest, ANoticeLeftOpenPastTheNextAlarmRaisesNothingMore) {
    alarmtime = timeOfDay(7, 30, 0);
    at(10, 7, 29, 59, 950);
    whileOpen = [this] {
        // Open overnight and through the next day's alarm second: the check
        // that raised it is still waiting, so its timer does not run it.
        at(11, 7, 29, 59);
        sim.advance(3000);
    };
    sim.advance(100);
    EXPECT_EQ(sim.beeps(), 1);
    EXPECT_EQ(sim.modalShows(), 1);
    EXPECT_TRUE(trigger.alarmdone());
    sim.advance(5000);
    EXPECT_EQ(sim.beeps(), 1);
}

TEST_F(AlarmTriggerTest, ANoticeOpenWhileTheNextDaysAlarmPassesRaisesNothingForItAfterwards) {
    alarmtime = timeOfDay(7, 30, 0);
    at(10, 7, 29, 59, 950);
    // A day and five seconds pass while it is open: the next day's alarm was
    // passed in real time, but while the check that opened it waited.
    whileOpen = [this] { sim.passTime(DateTime::kSecondsPerDay * 1000 + 5000); };
    sim.advance(100);
    ASSERT_EQ(sim.beeps(), 1);
    sim.advance(60'000);
    EXPECT_EQ(sim.beeps(), 1);
    EXPECT_EQ(lines, std::vector<std::string>{"ALARM AT: 7:30:00 AM"});
}

TEST_F(AlarmTriggerTest, ATimeCommittedLaterThanNowFiresTheSameDayAndAnEarlierOneTheNextDay) {
    alarmtime = timeOfDay(7, 30, 0);
    at(10, 7, 29, 59, 950);
    sim.advance(100);
    ASSERT_EQ(sim.beeps(), 1);
    alarmtime = timeOfDay(9, 0, 0);  // later than now: cleared at the next check
    sim.advance(50);
    EXPECT_FALSE(trigger.alarmdone());
    at(10, 8, 59, 59, 950);
    sim.advance(100);
    EXPECT_EQ(sim.beeps(), 2);
    alarmtime = timeOfDay(8, 0, 0);  // earlier than now: stays raised until after midnight
    sim.advance(1000);
    EXPECT_TRUE(trigger.alarmdone());
}

TEST_F(AlarmTriggerTest, ALateNoticeShowsTheTimeItOpened) {
    alarmtime = timeOfDay(7, 30, 0);
    at(10, 7, 29, 59, 900);
    sim.advance(50);  // one check, at 7:29:59.950
    // The machine is held up: the next check, due at 7:30:00, runs at 7:30:40.
    sim.passTime(40'050);
    sim.advance(10);
    EXPECT_EQ(sim.beeps(), 1);
    EXPECT_EQ(lines, std::vector<std::string>{"ALARM AT: 7:30:40 AM"});
}

}  // namespace
}  // namespace vclock::testing
