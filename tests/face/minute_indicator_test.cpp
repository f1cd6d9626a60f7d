#include "tests/support/clock_fixture.h"

namespace vclock::testing {
namespace {

using MinuteIndicatorTest = ClockFixture;

TEST_F(MinuteIndicatorTest, TheSmokeStandsAtThePlaceOfTheFiveMinuteSector) {
    struct Row {
        int minute, left, top;
    };
    const Row rows[] = {
        {0, 2350, 5100}, {4, 2350, 5100}, {5, 2800, 5190},  {14, 3050, 5460}, {15, 3230, 5820},
        {29, 2830, 6530}, {30, 2400, 6790}, {39, 1900, 6650}, {45, 1470, 5820}, {59, 1900, 5140},
    };
    Element& smoke = element("imgsmokedisplay");
    MinuteIndicator minutes(sim, smoke);
    for (const Row& row : rows) {
        sim.setTimeOfDay(9, row.minute, 30);
        minutes.placesmoke();
        EXPECT_EQ(smoke.left(), row.left) << "minute " << row.minute;
        EXPECT_EQ(smoke.top(), row.top) << "minute " << row.minute;
        EXPECT_EQ(smoke.width(), 375) << "placing never resizes";
        EXPECT_EQ(smoke.height(), 435);
    }
}

TEST_F(MinuteIndicatorTest, BeforeTheFirstTickTheSmokeHasNoPictureAndItsLayoutPlace) {
    form.start();
    const Element& smoke = element("imgsmokedisplay");
    EXPECT_FALSE(smoke.picture());
    EXPECT_EQ(smoke.left(), 1860);
    EXPECT_EQ(smoke.top(), 5190);
    runTicks(1);
    EXPECT_EQ(smoke.picture(), form.window().frameSet("imgsmoke").picture(0));
    EXPECT_EQ(smoke.width(), 165);
    EXPECT_EQ(smoke.height(), 375);
    EXPECT_EQ(smoke.left(), 3230) << "10:15 is in the fourth sector";
}

}  // namespace
}  // namespace vclock::testing
