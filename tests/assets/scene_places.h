#pragma once

#include <cstring>

#include "app/window/geometry.h"
#include "app/window/picture.h"
#include "assets/main_window_layout.h"

namespace vclock::testing {

struct PixelRect {
    int left, top, width, height;
};

// Where an element of the main window lies on the scene, in pixels.
inline PixelRect scenePlaceOf(const char* name) {
    for (const auto& e : main_layout::elements())
        if (std::strcmp(e.name, name) == 0)
            return {twipsToPixels(e.left), twipsToPixels(e.top), twipsToPixels(e.width), twipsToPixels(e.height)};
    return {};
}

inline bool samePixels(const Picture& a, const Picture& b) {
    return a.width == b.width && a.height == b.height && a.pixels == b.pixels;
}

inline int red(std::uint32_t argb) { return (argb >> 16) & 0xff; }
inline int green(std::uint32_t argb) { return (argb >> 8) & 0xff; }
inline int blue(std::uint32_t argb) { return argb & 0xff; }

}  // namespace vclock::testing
