#include "app/win32/back_buffer_painter.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <memory>

namespace vclock::win32 {
namespace {

// Paints into the back buffer and copies it to a screen of its own, whose pixels the test reads.
class BackBufferPainterTest : public ::testing::Test {
protected:
    static constexpr int kSize = 8;

    BackBufferPainterTest() {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), kSize, -kSize, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        screenDc = CreateCompatibleDC(nullptr);
        screen = CreateDIBSection(screenDc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        pixels = static_cast<std::uint32_t*>(bits);
        old = SelectObject(screenDc, screen);
        painter.resize(kSize, kSize);
        painter.setClip({0, 0, kSize, kSize});
        painter.fillRect({0, 0, kSize, kSize}, Color::rgb(0, 0, 0));
    }
    ~BackBufferPainterTest() override {
        SelectObject(screenDc, old);
        DeleteObject(screen);
        DeleteDC(screenDc);
    }

    std::uint32_t at(int x, int y) {
        GdiFlush();
        return pixels[y * kSize + x] & 0x00ffffffu;
    }
    void present(const Rect& area) { painter.present(screenDc, area); }

    FontCache fonts;
    BackBufferPainter painter{fonts};
    HDC screenDc;
    HBITMAP screen;
    HGDIOBJ old;
    std::uint32_t* pixels;
};

TEST_F(BackBufferPainterTest, FillsOnlyInsideTheClip) {
    painter.setClip({2, 2, 3, 3});
    painter.fillRect({0, 0, kSize, kSize}, Color::rgb(0, 0, 255));
    present({0, 0, kSize, kSize});
    EXPECT_EQ(at(2, 2), 0x0000ffu);
    EXPECT_EQ(at(4, 4), 0x0000ffu);
    EXPECT_EQ(at(1, 2), 0u);
    EXPECT_EQ(at(5, 4), 0u);
}

TEST_F(BackBufferPainterTest, PresentsOnlyTheGivenRectangle) {
    painter.fillRect({0, 0, kSize, kSize}, Color::rgb(255, 0, 0));
    present({1, 1, 2, 2});
    EXPECT_EQ(at(1, 1), 0xff0000u);
    EXPECT_EQ(at(2, 2), 0xff0000u);
    EXPECT_EQ(at(3, 3), 0u);
    EXPECT_EQ(at(0, 0), 0u);
}

TEST_F(BackBufferPainterTest, PicturesSkipTransparentPixelsAndClipAtTheEdges) {
    Picture p;
    p.width = 2;
    p.height = 2;
    p.pixels = {0xff112233u, 0x00ffffffu, 0xff445566u, 0xff778899u};
    painter.drawPicture(p, {-1, 0});  // the left column lies outside
    painter.drawPicture(p, {4, 4});
    present({0, 0, kSize, kSize});
    EXPECT_EQ(at(0, 0), 0u);          // transparent
    EXPECT_EQ(at(0, 1), 0x778899u);
    EXPECT_EQ(at(4, 4), 0x112233u);
    EXPECT_EQ(at(5, 4), 0u);
    EXPECT_EQ(at(5, 5), 0x778899u);
}

TEST_F(BackBufferPainterTest, ScaledPicturesFillTheirTarget) {
    Picture p;
    p.width = 2;
    p.height = 1;
    p.pixels = {0xff0000ffu, 0xffff0000u};
    painter.drawPictureScaled(p, {0, 0, 4, 2});
    present({0, 0, kSize, kSize});
    EXPECT_EQ(at(1, 1), 0x0000ffu);
    EXPECT_EQ(at(2, 0), 0xff0000u);
    EXPECT_EQ(at(3, 1), 0xff0000u);
    EXPECT_EQ(at(4, 0), 0u);
}

TEST_F(BackBufferPainterTest, AtOneAndAHalfPicturesLieOnTheScenesGrid) {
    // At 144 DPI design pixel 0 covers screen pixels 0 and 1, pixel 1 covers
    // pixel 2, pixel 2 covers 3 and 4: a picture one design pixel in takes
    // the blocks the scene has there, not blocks of its own.
    painter.setScale(Scale(144));
    painter.setClip({0, 0, kSize, kSize});
    Picture p;
    p.width = 2;
    p.height = 1;
    p.pixels = {0xff0000ffu, 0xffff0000u};
    painter.drawPicture(p, {1, 1});
    present({0, 0, kSize, kSize});
    EXPECT_EQ(at(1, 2), 0u);
    EXPECT_EQ(at(2, 2), 0x0000ffu);
    EXPECT_EQ(at(3, 2), 0xff0000u);
    EXPECT_EQ(at(4, 2), 0xff0000u);
    EXPECT_EQ(at(5, 2), 0u);
    EXPECT_EQ(at(2, 1), 0u);  // design row 1 is screen row 2 alone
    EXPECT_EQ(at(2, 3), 0u);
}

TEST_F(BackBufferPainterTest, TextStaysInsideTheClip) {
    painter.setClip({0, 0, 3, kSize});
    painter.drawText("WWWW", {0, 0, kSize, kSize}, Font{"Arial", 12, true}, Color::rgb(255, 255, 255), Align::Left,
                     false);
    present({0, 0, kSize, kSize});
    bool inside = false;
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            if (x < 3) {
                inside = inside || at(x, y) != 0;
            } else {
                EXPECT_EQ(at(x, y), 0u) << x << "," << y;
            }
        }
    }
    EXPECT_TRUE(inside);
}

}  // namespace
}  // namespace vclock::win32
