#include "tests/support/clock_fixture.h"

namespace vclock::testing {
namespace {

class HourIndicatorTest : public ClockFixture {
protected:
    // The member of imghour that the display shares, or -1.
    int shownMember() {
        const FrameSet hours = form.window().frameSet("imghour");
        for (int i = 0; i < hours.size(); ++i) {
            if (element("imghourdisplay").picture() == hours.picture(i)) return i;
        }
        return -1;
    }
};

TEST_F(HourIndicatorTest, TheActivationShowsTheHalfHourOfTheTimeOfDay) {
    struct Row {
        const char* what;
        int hour, minute, member;
    };
    const Row rows[] = {
        {"midnight", 0, 0, 0},          {"last minute of the first half", 0, 29, 0},
        {"noon shares midnight", 12, 0, 0}, {"noon's first half", 12, 29, 0},
        {"half past midnight", 0, 30, 1}, {"last minute of noon's hour", 12, 59, 1},
        {"one o'clock", 1, 0, 2},       {"half past one pm", 13, 30, 3},
        {"before the half hour", 7, 29, 14}, {"at the half hour", 7, 30, 15},
        {"last minute am", 11, 59, 23}, {"last minute pm", 23, 59, 23},
    };
    form.start();
    for (const Row& row : rows) {
        sim.setTimeOfDay(row.hour, row.minute, 0);
        form.Form_Activate();
        EXPECT_EQ(shownMember(), row.member) << row.what;
    }
}

TEST_F(HourIndicatorTest, EachHalfOfTheDayIsLeftToItsOwnOperation) {
    HourIndicator hours(sim, element("imghourdisplay"), form.window().frameSet("imghour"));
    sim.setTimeOfDay(15, 10, 0);
    hours.sethouram();
    EXPECT_FALSE(element("imghourdisplay").picture()) << "sethouram at 15:10 changes nothing";
    sim.setTimeOfDay(3, 10, 0);
    hours.sethourpm();
    EXPECT_FALSE(element("imghourdisplay").picture()) << "sethourpm at 03:10 changes nothing";
    hours.sethouram();
    EXPECT_EQ(shownMember(), 6);
}

TEST_F(HourIndicatorTest, TheDisplaySharesTheMembersPictureAndTakesItsSize) {
    form.start();
    const Element& display = element("imghourdisplay");
    EXPECT_EQ(display.picture().get(), form.window().frameSet("imghour").picture(20).get());
    EXPECT_EQ(display.width(), 1875);
    EXPECT_EQ(display.height(), 1875);
}

}  // namespace
}  // namespace vclock::testing
