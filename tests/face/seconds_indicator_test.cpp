#include "tests/support/clock_fixture.h"

namespace vclock::testing {
namespace {

using SecondsIndicatorTest = ClockFixture;

TEST_F(SecondsIndicatorTest, EachFrameCarriesTheLabelToItsPlaceWithoutResizingIt) {
    const int places[6][2] = {{5600, 5160}, {5790, 5370}, {5850, 6090}, {5800, 7230}, {5830, 7890}, {5800, 8820}};
    Element& label = element("lblseconds");
    SecondsIndicator seconds(element("imgseconddisplay"), label, form.window().frameSet("imgsecond"));
    const int width = label.width();
    const int height = label.height();
    for (int frame = 0; frame < 6; ++frame) {
        seconds.showFrame(frame);
        EXPECT_EQ(element("imgseconddisplay").picture(), form.window().frameSet("imgsecond").picture(frame));
        EXPECT_EQ(label.left(), places[frame][0]) << "frame " << frame;
        EXPECT_EQ(label.top(), places[frame][1]) << "frame " << frame;
        EXPECT_EQ(label.width(), width);
        EXPECT_EQ(label.height(), height);
        EXPECT_EQ(label.text(), " 55 ") << "moving never writes the number";
    }
}

TEST_F(SecondsIndicatorTest, TheNumberIsPlainDigitsAndTheBoxFollowsIt) {
    Element& label = element("lblseconds");
    SecondsIndicator seconds(element("imgseconddisplay"), label, form.window().frameSet("imgsecond"));
    seconds.showFrame(3);
    seconds.writeSecond(42);
    EXPECT_EQ(label.text(), "42");
    const int twoDigits = label.width();
    seconds.writeSecond(7);
    EXPECT_EQ(label.text(), "7");
    EXPECT_LT(label.width(), twoDigits);
    EXPECT_EQ(label.left(), 5800) << "the top-left corner stays";
    EXPECT_EQ(label.top(), 7230);
    seconds.writeSecond(0);
    EXPECT_EQ(label.text(), "0");
}

}  // namespace
}  // namespace vclock::testing
