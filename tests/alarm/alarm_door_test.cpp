#include "alarm/alarm_door.h"

#include <string>
#include <vector>

#include "tests/support/clock_fixture.h"

namespace vclock::testing {
namespace {

// The door on the main window's own elements, with timers of its own and an
// entry that only writes down what was asked of it. The window is not
// started, so nothing but the door's two timers runs.
class AlarmDoorTest : public ClockFixture {
protected:
    AlarmDoorTest()
        : door(AlarmDoor::Parts{element("imgalarmdisplay"), form.window().frameSet("imgalarmdoor"),
                                element("txtalarm"), opening, closing},
               AlarmDoor::Entry{[this] { log.push_back("loadalarm"); }, [this] { log.push_back("readalarm"); },
                                [this] { log.push_back("savealarm"); }}) {
        opening.setHandler([this] {
            door.tmopenalarmdoor_Timer();
            shown.push_back(member());
        });
        closing.setHandler([this] {
            door.tmclosealarmdoor_Timer();
            shown.push_back(member());
        });
    }

    // The member the display shares, -1 for a picture of its own.
    int member() {
        const FrameSet frames = form.window().frameSet("imgalarmdoor");
        for (int i = 0; i < frames.size(); ++i) {
            if (element("imgalarmdisplay").picture() == frames.picture(i)) return i;
        }
        return -1;
    }
    bool fieldVisible() { return element("txtalarm").visible(); }
    void openFully() {
        door.imgalarmdisplay_Click();
        sim.advance(300);
        shown.clear();
        log.clear();
    }

    Timer opening{sim, "tmopenalarmdoor", 50, false};
    Timer closing{sim, "tmclosealarmdoor", 100, false};
    std::vector<std::string> log;
    std::vector<int> shown;  // the member after each step
    AlarmDoor door;
};

TEST_F(AlarmDoorTest, AtLoadTheDoorIsClosedWithAPictureOfItsOwn) {
    EXPECT_EQ(member(), -1);
    EXPECT_FALSE(door.isOpen());
    EXPECT_FALSE(fieldVisible());
    EXPECT_TRUE(door.closeframe().isEmpty());
}

TEST_F(AlarmDoorTest, AClickOnTheClosedDoorRefillsTheFieldAndOpensInSixStepsOf50Ms) {
    door.imgalarmdisplay_Click();
    EXPECT_EQ(log, std::vector<std::string>{"loadalarm"});
    EXPECT_TRUE(opening.enabled());
    sim.advance(250);
    EXPECT_EQ(shown, (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_FALSE(fieldVisible()) << "the field shows only once the door is fully open";
    EXPECT_FALSE(door.isOpen());
    sim.advance(49);
    EXPECT_EQ(shown.size(), 5u);
    sim.advance(1);
    EXPECT_EQ(shown, (std::vector<int>{1, 2, 3, 4, 5, 6}));
    EXPECT_TRUE(fieldVisible());
    EXPECT_TRUE(door.isOpen());
    EXPECT_FALSE(opening.enabled());
    EXPECT_EQ(door.openstep(), 0);
}

TEST_F(AlarmDoorTest, OpenMeansSharingTheOpenMembersPictureNotLookingLikeIt) {
    // A copy of member 6's pixels is not the open door.
    const PictureHandle copy = std::make_shared<Picture>(*form.window().frameSet("imgalarmdoor").picture(6));
    element("imgalarmdisplay").setPicture(copy);
    EXPECT_FALSE(door.isOpen());
    element("imgalarmdisplay").setPicture(form.window().frameSet("imgalarmdoor").picture(6));
    EXPECT_TRUE(door.isOpen());
}

TEST_F(AlarmDoorTest, AClickOnTheOpenDoorOnlyRefillsTheField) {
    openFully();
    door.imgalarmdisplay_Click();
    EXPECT_EQ(log, std::vector<std::string>{"loadalarm"});
    EXPECT_FALSE(opening.enabled());
    sim.advance(1000);
    EXPECT_TRUE(shown.empty());
    EXPECT_TRUE(door.isOpen());
}

TEST_F(AlarmDoorTest, AClickOnTheBackgroundWithTheDoorClosedOnlyCommits) {
    door.Form_Click();
    EXPECT_EQ(log, (std::vector<std::string>{"readalarm", "savealarm"}));
    EXPECT_FALSE(closing.enabled());
    sim.advance(1000);
    EXPECT_TRUE(shown.empty());
}

TEST_F(AlarmDoorTest, AClickOnTheBackgroundWithTheDoorOpenCommitsThenClosesInSixStepsOf100Ms) {
    openFully();
    door.Form_Click();
    EXPECT_EQ(log, (std::vector<std::string>{"readalarm", "savealarm"}));
    EXPECT_TRUE(fieldVisible());
    sim.advance(100);
    EXPECT_FALSE(fieldVisible()) << "hidden at the first closing step";
    EXPECT_FALSE(door.isOpen());
    EXPECT_EQ(door.closeframe(), DynamicValue(5));
    sim.advance(499);
    EXPECT_EQ(shown, (std::vector<int>{5, 4, 3, 2, 1}));
    sim.advance(1);
    EXPECT_EQ(shown, (std::vector<int>{5, 4, 3, 2, 1, 0}));
    EXPECT_EQ(door.closeframe(), DynamicValue(0));
    EXPECT_EQ(door.closestep(), 0);
    EXPECT_FALSE(closing.enabled());
    // The next opening starts again at its first step.
    shown.clear();
    door.imgalarmdisplay_Click();
    sim.advance(300);
    EXPECT_EQ(shown, (std::vector<int>{1, 2, 3, 4, 5, 6}));
}

TEST_F(AlarmDoorTest, AClickOnTheBackgroundDuringTheOpeningCommitsAndTheDoorStaysOpen) {
    door.imgalarmdisplay_Click();
    sim.advance(100);
    door.Form_Click();
    EXPECT_EQ(log, (std::vector<std::string>{"loadalarm", "readalarm", "savealarm"}));
    EXPECT_FALSE(closing.enabled());
    sim.advance(1000);
    EXPECT_EQ(shown, (std::vector<int>{1, 2, 3, 4, 5, 6}));
    EXPECT_TRUE(door.isOpen());
    EXPECT_TRUE(fieldVisible());
}

TEST_F(AlarmDoorTest, AClickOnTheDoorDuringTheClosingRunsBothAnimations) {
    openFully();
    door.Form_Click();
    sim.advance(100);  // closing step 1: member 5, field hidden
    door.imgalarmdisplay_Click();
    EXPECT_TRUE(opening.enabled()) << "a closing door is not open";
    sim.advance(600);
    // After the click on the door the opening steps at 50, 100, ... 300 ms,
    // the closing at 100, 200, ... 500 ms; at equal times the closing, started
    // first, steps first.
    EXPECT_EQ(shown, (std::vector<int>{5, 1, 4, 2, 3, 3, 4, 5, 2, 6, 1, 0}));
    EXPECT_EQ(member(), 0);
    EXPECT_TRUE(fieldVisible()) << "shown again by the opening's last step";
    EXPECT_FALSE(door.isOpen());
    EXPECT_FALSE(opening.enabled());
    EXPECT_FALSE(closing.enabled());
    // So a click on the background closes nothing, and the door opens again on a click.
    shown.clear();
    door.Form_Click();
    sim.advance(1000);
    EXPECT_TRUE(shown.empty());
    door.imgalarmdisplay_Click();
    sim.advance(300);
    EXPECT_EQ(shown, (std::vector<int>{1, 2, 3, 4, 5, 6}));
}

}  // namespace
}  // namespace vclock::testing
