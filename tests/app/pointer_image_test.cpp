#include "app/pointer/pointer_image.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>

namespace vclock {
namespace {

PictureHandle square(int size, std::uint32_t corner) {
    auto p = std::make_shared<Picture>();
    p->width = p->height = size;
    p->pixels.assign(static_cast<std::size_t>(size) * size, 0xff000000u);
    p->pixels[0] = corner;
    return p;
}

TEST(PointerImage, TakesTheIconsImageOfTheScaledSize) {
    Icon icon{{{square(48, 1), 8}, {square(32, 2), 8}, {square(16, 3), 8}}};
    EXPECT_EQ(pointerImage(icon, Scale()), icon.images[1].picture);      // control row: 96 DPI
    EXPECT_EQ(pointerImage(icon, Scale(144)), icon.images[0].picture);   // 150 %
}

TEST(PointerImage, RepeatsThePixelsOfTheDesignImageWhereTheIconHasNoLargerOne) {
    // The butterfly files hold 32 and 16 pixels.
    Icon icon{{{square(16, 3), 8}, {square(32, 0x00ff0000u), 8}}};
    const PictureHandle at200 = pointerImage(icon, Scale(192));
    ASSERT_TRUE(at200);
    EXPECT_EQ(at200->width, 64);
    EXPECT_EQ(at200->height, 64);
    EXPECT_EQ(at200->at(1, 1), 0x00ff0000u) << "design pixel 0,0 is a block of 2 x 2";
    EXPECT_EQ(at200->at(2, 1), 0xff000000u);
    EXPECT_EQ(pointerImage(icon, Scale(144))->width, 48);
}

TEST(PointerImage, NothingWithoutAnImage) { EXPECT_FALSE(pointerImage(Icon{}, Scale(144))); }

}  // namespace
}  // namespace vclock
