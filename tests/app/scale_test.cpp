#include "app/window/scale.h"

#include <gtest/gtest.h>

namespace vclock {
namespace {

// The densities Windows offers (100 % to 300 %) and two odd ones.
constexpr int kDensities[] = {96, 120, 144, 168, 192, 240, 288, 100, 72};

TEST(Scale, DesignPixelsBecomeBlocksThatTileTheScreen) {
    for (int dpi : kDensities) {
        const Scale scale(dpi);
        for (int device = -300; device < 2000; ++device) {
            const int design = scale.toDesign(device);
            ASSERT_LE(scale.toDevice(design), device) << dpi << " dpi, device pixel " << device;
            ASSERT_LT(device, scale.toDevice(design + 1)) << dpi << " dpi, device pixel " << device;
        }
    }
}

TEST(Scale, ScalesEdgesByTheDensity) {
    struct Case {
        int dpi;
        int design;
        int device;
    };
    const Case cases[] = {
        {96, 800, 800},    // control row: the design's own density
        {144, 800, 1200},  // 150 %
        {144, 1, 2},       // a block of 1.5 pixels starts at the next whole pixel
        {144, -1, -1},
        {120, 600, 750},   // 125 %
        {192, 33, 66},     // 200 %: every pixel doubled
        {0, 800, 800},     // no density: the design's
    };
    for (const Case& c : cases) EXPECT_EQ(Scale(c.dpi).toDevice(c.design), c.device) << c.dpi << " dpi, " << c.design;
}

TEST(Scale, RectanglesThatMeetInTheDesignMeetOnTheScreen) {
    const Scale scale(144);
    const Rect left{0, 10, 333, 7};
    const Rect right{333, 10, 1, 7};
    EXPECT_EQ(scale.toDevice(left).right(), scale.toDevice(right).left);
    EXPECT_EQ(scale.toDevice(Rect{0, 0, 800, 600}), (Rect{0, 0, 1200, 900}));
}

TEST(Scale, CoveringRectangleHoldsEveryDevicePixel) {
    for (int dpi : kDensities) {
        const Scale scale(dpi);
        for (int left = -5; left < 12; ++left) {
            for (int width = 1; width < 9; ++width) {
                const Rect device{left, 3, width, 5};
                const Rect back = scale.toDevice(scale.covering(device));
                EXPECT_EQ(intersect(back, device), device) << dpi << " dpi, " << left << "+" << width;
            }
        }
        EXPECT_TRUE(scale.covering({}).empty());
    }
}

TEST(Scale, FontsGrowWithTheDensity) {
    const Font design{"Arial", 8.25, true};
    EXPECT_EQ(Scale().toDevice(design), design);
    const Font big = Scale(144).toDevice(design);
    EXPECT_DOUBLE_EQ(big.pointSize, 12.375);
    EXPECT_EQ(big.family, "Arial");
    EXPECT_TRUE(big.bold);
}

}  // namespace
}  // namespace vclock
