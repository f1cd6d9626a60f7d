#include "tests/support/pixel_painter.h"

#include <algorithm>
#include <functional>

namespace vclock::testing {
namespace {

// What no painting gives, so that a pixel nobody drew stands out.
constexpr std::uint32_t kNeverDrawn = 0x00badbad;

std::uint32_t argb(Color color) { return 0xff000000u | (color.r << 16) | (color.g << 8) | color.b; }

}  // namespace

PixelPainter::PixelPainter(int width, int height)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height, kNeverDrawn) {}

void PixelPainter::put(int x, int y, std::uint32_t value) {
    if (!clip_.contains({x, y})) return;
    pixels_[static_cast<std::size_t>(y) * width_ + x] = value;
}

void PixelPainter::fillRect(const Rect& area, Color color) {
    const Rect r = intersect(area, clip_);
    for (int y = r.top; y < r.bottom(); ++y) {
        std::uint32_t* row = &pixels_[static_cast<std::size_t>(y) * width_];
        std::fill(row + r.left, row + r.right(), argb(color));
    }
}

void PixelPainter::drawPicture(const Picture& picture, Point at) {
    const Rect r = intersect({at.x, at.y, picture.width, picture.height}, clip_);
    for (int y = r.top; y < r.bottom(); ++y) {
        std::uint32_t* row = &pixels_[static_cast<std::size_t>(y) * width_];
        for (int x = r.left; x < r.right(); ++x) {
            const std::uint32_t pixel = picture.at(x - at.x, y - at.y);
            if (pixel >> 24) row[x] = pixel;
        }
    }
}

void PixelPainter::drawPictureScaled(const Picture& picture, const Rect& target) {
    if (target.empty() || picture.width <= 0 || picture.height <= 0) return;
    const Rect r = intersect(target, clip_);
    for (int y = r.top; y < r.bottom(); ++y) {
        for (int x = r.left; x < r.right(); ++x) {
            const std::uint32_t pixel = picture.at((x - target.left) * picture.width / target.width,
                                                   (y - target.top) * picture.height / target.height);
            if (pixel >> 24) put(x, y, pixel);
        }
    }
}

void PixelPainter::drawText(const std::string& text, const Rect& box, const Font& font, Color color, Align align,
                            bool wrap) {
    const std::size_t seed = std::hash<std::string>{}(text + '/' + font.family) ^ static_cast<std::size_t>(align) ^
                             (wrap ? 0x9e37 : 0) ^ (font.bold ? 0x51 : 0) ^ static_cast<std::size_t>(font.pointSize * 8);
    const Rect r = intersect(box, clip_);
    for (int y = r.top; y < r.bottom(); ++y) {
        for (int x = r.left; x < r.right(); ++x) {
            const std::size_t h = seed ^ (static_cast<std::size_t>(x - box.left) * 31 + (y - box.top)) * 2654435761u;
            if (h % 3 == 0) put(x, y, argb(color) ^ static_cast<std::uint32_t>(h & 0x3f));
        }
    }
}

void PixelPainter::drawFrameBorder(const Rect& box, Color color) {
    const std::uint32_t pixel = argb(color);
    for (int x = box.left; x < box.right(); ++x) {
        put(x, box.top, pixel);
        put(x, box.bottom() - 1, pixel);
    }
    for (int y = box.top; y < box.bottom(); ++y) {
        put(box.left, y, pixel);
        put(box.right() - 1, y, pixel);
    }
}

std::string PixelPainter::firstDifference(const PixelPainter& a, const PixelPainter& b) {
    if (a.width_ != b.width_ || a.height_ != b.height_) return "different sizes";
    if (a.pixels_ == b.pixels_) return {};
    for (std::size_t i = 0; i < a.pixels_.size(); ++i) {
        if (a.pixels_[i] == b.pixels_[i]) continue;
        return "pixel (" + std::to_string(i % a.width_) + ", " + std::to_string(i / a.width_) + ")";
    }
    return {};
}

}  // namespace vclock::testing
