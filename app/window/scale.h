#pragma once

#include "app/runtime/font.h"
#include "app/window/geometry.h"

namespace vclock {

// The screen density the layout is drawn for: 1440 twips to the inch at
// 15 twips per pixel.
inline constexpr int kDesignDpi = 1440 / kTwipsPerPixel;

// The face on a screen of another density, scaled uniformly by dpi / 96 so
// that the whole design stays intact. Design pixel p covers the device
// pixels [toDevice(p), toDevice(p + 1)), the same block for every element:
// places scale with the design, pictures that meet in the design meet on
// the screen, and a picture is scaled by repeating whole pixels (nearest
// neighbour, also where the blocks alternate in size, as at 1.5x). That
// keeps the pictures' transparent pixels exactly transparent and their
// cut-outs in register with the scene behind them, which smoothing would
// blur into fringes. Fonts are made for the density instead, so text stays
// sharp.
class Scale {
public:
    constexpr Scale() = default;
    // A density that makes no sense (0 or less) is taken as the design's.
    constexpr explicit Scale(int dpi) : dpi_(dpi > 0 ? dpi : kDesignDpi) {}

    constexpr int dpi() const { return dpi_; }

    // The first device pixel of design pixel `design`; also the device
    // coordinate of a design edge.
    constexpr int toDevice(int design) const {
        return static_cast<int>(ceilDiv(static_cast<long long>(design) * dpi_, kDesignDpi));
    }
    // The design pixel that covers device pixel `device`.
    constexpr int toDesign(int device) const {
        return static_cast<int>(floorDiv(static_cast<long long>(device) * kDesignDpi, dpi_));
    }
    constexpr Point toDesign(Point device) const { return {toDesign(device.x), toDesign(device.y)}; }

    // The device pixels of a design rectangle: its edges scaled, so that
    // rectangles that share an edge in the design share it on the screen.
    constexpr Rect toDevice(const Rect& design) const {
        const int l = toDevice(design.left);
        const int t = toDevice(design.top);
        return {l, t, toDevice(design.right()) - l, toDevice(design.bottom()) - t};
    }
    // The smallest design rectangle whose pixels cover every pixel of `device`.
    constexpr Rect covering(const Rect& device) const {
        if (device.empty()) return {};
        const int l = toDesign(device.left);
        const int t = toDesign(device.top);
        return {l, t, toDesign(device.right() - 1) + 1 - l, toDesign(device.bottom() - 1) + 1 - t};
    }

    // The font that shows at this density as `design` shows at the design's.
    Font toDevice(Font design) const {
        design.pointSize = design.pointSize * dpi_ / kDesignDpi;
        return design;
    }

    friend constexpr bool operator==(const Scale&, const Scale&) = default;

private:
    static constexpr long long floorDiv(long long a, long long b) { return a / b - (a % b != 0 && (a < 0) != (b < 0)); }
    static constexpr long long ceilDiv(long long a, long long b) { return -floorDiv(-a, b); }

    int dpi_ = kDesignDpi;
};

}  // namespace vclock
