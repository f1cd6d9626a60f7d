#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/window/painter.h"

namespace vclock::testing {

// A painter that draws into pixels of its own, as a backend's screen
// would: pictures pixel by pixel (alpha 0 left out), fills, a one-pixel
// frame border, and text as a pattern that depends on the text, font,
// colour and place and leaves what lies under it showing between its
// "glyphs". Two screens painted by different routes compare pixel for pixel.
class PixelPainter final : public Painter {
public:
    PixelPainter(int width, int height);

    void setClip(const Rect& clip) override { clip_ = intersect(clip, {0, 0, width_, height_}); }
    void fillRect(const Rect& area, Color color) override;
    void drawPicture(const Picture& picture, Point at) override;
    void drawPictureScaled(const Picture& picture, const Rect& target) override;
    void drawText(const std::string& text, const Rect& box, const Font& font, Color color, Align align,
                  bool wrap) override;
    void drawFrameBorder(const Rect& box, Color color) override;

    const std::vector<std::uint32_t>& pixels() const { return pixels_; }
    // The first pixel where two screens differ, as text; empty when they are alike.
    static std::string firstDifference(const PixelPainter& a, const PixelPainter& b);

private:
    void put(int x, int y, std::uint32_t value);

    int width_;
    int height_;
    Rect clip_;
    std::vector<std::uint32_t> pixels_;
};

}  // namespace vclock::testing
