#pragma once

#include <cstdint>
#include <vector>

namespace painter {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// A colour while painting: channels 0..255 as floats, so layers blend
// without rounding until the picture is written.
struct Colour {
    float r = 0, g = 0, b = 0;
};

inline Colour mix(Colour a, Colour b, float t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}
inline Colour scale(Colour c, float k) { return {c.r * k, c.g * k, c.b * k}; }

inline std::uint8_t toByte(float v) {
    if (v <= 0) return 0;
    if (v >= 255) return 255;
    return static_cast<std::uint8_t>(v + 0.5f);
}
inline Rgb toRgb(Colour c) { return {toByte(c.r), toByte(c.g), toByte(c.b)}; }
inline Colour toColour(Rgb c) { return {float(c.r), float(c.g), float(c.b)}; }

// A true-colour picture, rows top-down.
struct Image {
    int width = 0, height = 0;
    std::vector<Rgb> pixels;

    Image() = default;
    Image(int w, int h, Rgb fill = {}) : width(w), height(h), pixels(std::size_t(w) * h, fill) {}
    Rgb& at(int x, int y) { return pixels[std::size_t(y) * width + x]; }
    const Rgb& at(int x, int y) const { return pixels[std::size_t(y) * width + x]; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    Image cut(int left, int top, int w, int h) const {
        Image out(w, h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) out.at(x, y) = at(left + x, top + y);
        return out;
    }
};

// An icon image while painting: colour plus whether the pixel is drawn.
struct IconImage {
    Image colour;
    std::vector<bool> drawn;

    explicit IconImage(int size) : colour(size, size), drawn(std::size_t(size) * size, false) {}
    int size() const { return colour.width; }
    void set(int x, int y, Rgb c) {
        if (!colour.contains(x, y)) return;
        colour.at(x, y) = c;
        drawn[std::size_t(y) * size() + x] = true;
    }
    bool isDrawn(int x, int y) const { return drawn[std::size_t(y) * size() + x]; }
};

}  // namespace painter
