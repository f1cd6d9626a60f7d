#include <gtest/gtest.h>

#include <cstdlib>

#include "assets/artwork.h"
#include "assets/main_window_layout.h"
#include "tests/assets/scene_places.h"

namespace vclock {
namespace {

using testing::PixelRect;
using testing::scenePlaceOf;

// How far the painted leaf may reach from the centre of the label it carries.
constexpr int kLeafReachX = 20;
constexpr int kLeafReachY = 14;
// The spray rises from the bottom of the strip at most this high.
constexpr int kSprayReach = 46;

struct LeafCentre {
    int x, y;
};

LeafCentre leafCentre(std::size_t frame) {
    const PixelRect strip = scenePlaceOf("imgseconddisplay");
    const PixelRect label = scenePlaceOf("lblseconds");
    const auto& place = main_layout::kSecondsLabelPlaces[frame];
    return {twipsToPixels(place.left) - strip.left + label.width / 2,
            twipsToPixels(place.top) - strip.top + label.height / 2};
}

TEST(SecondsFrames, EqualTheSceneOutsideTheLeafAndTheSpray) {
    const Artwork& a = embeddedArtwork();
    const PixelRect strip = scenePlaceOf("imgseconddisplay");
    const bool spray[] = {true, true, true, false, false, true};
    for (std::size_t k = 0; k < a.second.size(); ++k) {
        SCOPED_TRACE(k);
        const Picture& f = *a.second[k];
        const LeafCentre leaf = leafCentre(k);
        int changedOutsideLeaf = 0;
        for (int y = 0; y < f.height; ++y)
            for (int x = 0; x < f.width; ++x) {
                const bool onLeaf = std::abs(x - leaf.x) <= kLeafReachX && std::abs(y - leaf.y) <= kLeafReachY;
                const bool inSpray = spray[k] && y >= f.height - kSprayReach;
                const bool same = f.at(x, y) == a.scene->at(strip.left + x, strip.top + y);
                if (!onLeaf && !inSpray) {
                    ASSERT_TRUE(same) << x << "," << y;
                }
                if (!onLeaf && !same) ++changedOutsideLeaf;
            }
        if (spray[k]) {
            EXPECT_GT(changedOutsideLeaf, 20) << "foam at the pool";
        }
    }
}

TEST(SecondsFrames, LeafLiesUnderTheLabelOfItsFrame) {
    const Artwork& a = embeddedArtwork();
    const PixelRect strip = scenePlaceOf("imgseconddisplay");
    for (std::size_t k = 0; k < a.second.size(); ++k) {
        SCOPED_TRACE(k);
        const LeafCentre leaf = leafCentre(k);
        const std::uint32_t px = a.second[k]->at(leaf.x, leaf.y - 2);
        EXPECT_NE(px, a.scene->at(strip.left + leaf.x, strip.top + leaf.y - 2));
        EXPECT_GT(testing::green(px), testing::red(px) + 20);
        EXPECT_GT(testing::green(px), testing::blue(px) + 20);
    }
}

// Only the berry stands out from the scene around the exit's place.
TEST(ExitLooks, AreTheSceneWithARedOrGreenBerry) {
    const Artwork& a = embeddedArtwork();
    const PixelRect place = scenePlaceOf("imgexit0");
    for (const Picture* look : {a.exitNormal.get(), a.exitPressed.get()})
        for (int y = 0; y < look->height; ++y)
            for (int x = 0; x < look->width; ++x) {
                const bool nearBerry = x >= 5 && x <= 26;
                if (!nearBerry) {
                    ASSERT_EQ(look->at(x, y), a.scene->at(place.left + x, place.top + y)) << x << "," << y;
                }
            }
    const std::uint32_t normal = a.exitNormal->at(17, 24), pressed = a.exitPressed->at(17, 24);
    EXPECT_GT(testing::red(normal), 2 * testing::green(normal));
    EXPECT_GT(testing::green(pressed), 2 * testing::red(pressed));
    const std::uint32_t rim = a.exitPressed->at(16, 31);
    EXPECT_GT(testing::red(rim), 2 * testing::green(rim)) << "the pressed berry keeps a red rim";
}

TEST(Scene, HoldsNoPixelOfTheDoorsBlue) {
    for (std::uint32_t px : embeddedArtwork().scene->pixels) ASSERT_NE(px, 0xff0000ffu);
}

}  // namespace
}  // namespace vclock
