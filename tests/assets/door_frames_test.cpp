#include <gtest/gtest.h>

#include <algorithm>

#include "assets/artwork.h"
#include "tests/assets/scene_places.h"

namespace vclock {
namespace {

using testing::PixelRect;
using testing::scenePlaceOf;

constexpr std::uint32_t kDoorBlue = 0xff0000ff;

struct BlueArea {
    int count = 0;
    int left = 1 << 20, top = 1 << 20, right = -1, bottom = -1;
};

BlueArea blueOf(const Picture& p) {
    BlueArea a;
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x)
            if (p.at(x, y) == kDoorBlue) {
                ++a.count;
                a.left = std::min(a.left, x);
                a.right = std::max(a.right, x);
                a.top = std::min(a.top, y);
                a.bottom = std::max(a.bottom, y);
            }
    return a;
}

TEST(DoorFrames, BlueOpeningGrowsByItsCataloguedPixelCounts) {
    const auto& door = embeddedArtwork().door;
    const int expected[] = {0, 549, 1544, 2058, 2939, 4125, 5091};
    for (std::size_t k = 0; k < door.size(); ++k) EXPECT_EQ(blueOf(*door[k]).count, expected[k]) << "frame " << k;
}

TEST(DoorFrames, OpeningGrowsFromTheRightIntoTheFullOval) {
    const auto& door = embeddedArtwork().door;
    const BlueArea first = blueOf(*door[1]);
    EXPECT_GT(first.left, 59) << "a crescent at the right of the oval";
    EXPECT_EQ(first.right, 113);
    for (std::size_t k = 2; k < door.size(); ++k) EXPECT_LT(blueOf(*door[k]).left, blueOf(*door[k - 1]).left);

    const BlueArea open = blueOf(*door[6]);
    EXPECT_EQ(open.left, 7);
    EXPECT_EQ(open.right, 113);
    EXPECT_EQ(open.top, 23);
    EXPECT_EQ(open.bottom, 83);
}

// The alarm field shows inside the open door as if set into it.
TEST(DoorFrames, OpenDoorHoldsTheWholeAlarmField) {
    const PixelRect door = scenePlaceOf("imgalarmdisplay");
    const PixelRect field = scenePlaceOf("txtalarm");
    const Picture& open = *embeddedArtwork().door[6];
    const int left = field.left - door.left, top = field.top - door.top;
    EXPECT_EQ(left, 21);
    EXPECT_EQ(top, 43);
    for (int y = top; y <= top + field.height; ++y)
        for (int x = left; x <= left + field.width; ++x) ASSERT_EQ(open.at(x, y), kDoorBlue) << x << "," << y;
}

TEST(DoorFrames, ClosedDoorIsTheFoliageOfTheSceneAndItsOwnPicture) {
    const Artwork& a = embeddedArtwork();
    ASSERT_TRUE(a.closedDoor);
    EXPECT_NE(a.closedDoor, a.door[0]);
    EXPECT_TRUE(testing::samePixels(*a.closedDoor, *a.door[0]));
    const PixelRect place = scenePlaceOf("imgalarmdisplay");
    for (int y = 0; y < a.closedDoor->height; ++y)
        for (int x = 0; x < a.closedDoor->width; ++x)
            ASSERT_EQ(a.closedDoor->at(x, y), a.scene->at(place.left + x, place.top + y)) << x << "," << y;
}

}  // namespace
}  // namespace vclock
