#pragma once

#include <algorithm>
#include <array>

namespace vclock {

// Places and sizes of the layout are in twips; the face is drawn for
// 15 twips per pixel. Everything the painter and the backends see is in
// pixels of that design density; a backend scales the whole face uniformly
// when the screen's density differs.
inline constexpr int kTwipsPerPixel = 15;

constexpr int twipsToPixels(int twips) {
    // Rounded to the nearest pixel, so places that are not whole pixels
    // (the smoke's loop) land where the layout means them.
    return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel
                      : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}

constexpr int pixelsToTwips(int pixels) { return pixels * kTwipsPerPixel; }

struct Point {
    int x = 0;
    int y = 0;
    friend constexpr bool operator==(Point, Point) = default;
};

// Half-open rectangle: covers x in [left, left + width), y in [top, top + height).
struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    constexpr int right() const { return left + width; }
    constexpr int bottom() const { return top + height; }
    constexpr bool empty() const { return width <= 0 || height <= 0; }
    constexpr bool contains(Point p) const {
        return p.x >= left && p.x < right() && p.y >= top && p.y < bottom();
    }
    constexpr long long area() const { return empty() ? 0 : 1LL * width * height; }
    friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

constexpr Rect intersect(const Rect& a, const Rect& b) {
    const int l = std::max(a.left, b.left);
    const int t = std::max(a.top, b.top);
    const int r = std::min(a.right(), b.right());
    const int btm = std::min(a.bottom(), b.bottom());
    if (r <= l || btm <= t) return {};
    return {l, t, r - l, btm - t};
}

constexpr Rect unite(const Rect& a, const Rect& b) {
    if (a.empty()) return b;
    if (b.empty()) return a;
    const int l = std::min(a.left, b.left);
    const int t = std::min(a.top, b.top);
    return {l, t, std::max(a.right(), b.right()) - l, std::max(a.bottom(), b.bottom()) - t};
}

// The parts of `a` outside `b`: above, below, left and right of it; the
// ones that do not exist are empty.
constexpr std::array<Rect, 4> outside(const Rect& a, const Rect& b) {
    const Rect c = intersect(a, b);
    if (c.empty()) return {a, Rect{}, Rect{}, Rect{}};
    return {Rect{a.left, a.top, a.width, c.top - a.top}, Rect{a.left, c.bottom(), a.width, a.bottom() - c.bottom()},
            Rect{a.left, c.top, c.left - a.left, c.height}, Rect{c.right(), c.top, a.right() - c.right(), c.height}};
}

constexpr Rect twipsRectToPixels(int left, int top, int width, int height) {
    const int l = twipsToPixels(left);
    const int t = twipsToPixels(top);
    return {l, t, twipsToPixels(left + width) - l, twipsToPixels(top + height) - t};
}

}  // namespace vclock
