#pragma once

#include <cstdint>
#include <string>

#include "app/runtime/font.h"
#include "app/window/geometry.h"
#include "app/window/picture.h"

namespace vclock {

// A colour of the layout. System colours carry their role, which the
// desktop's own colours resolve (SystemColors); rgb is what they are where
// no desktop says.
struct Color {
    enum class Role { Fixed, WindowText, ButtonFace, ButtonText, ButtonShadow };
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    Role role = Role::Fixed;

    static constexpr Color rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) { return {r, g, b, Role::Fixed}; }
    static constexpr Color windowText() { return {0, 0, 0, Role::WindowText}; }
    static constexpr Color buttonFace() { return {240, 240, 240, Role::ButtonFace}; }
    static constexpr Color buttonText() { return {0, 0, 0, Role::ButtonText}; }
    static constexpr Color buttonShadow() { return {160, 160, 160, Role::ButtonShadow}; }
    friend constexpr bool operator==(const Color&, const Color&) = default;
};

enum class Align { Left, Center, Right };

// What the core needs to draw a window. Coordinates are pixels of the
// window's client area. Everything drawn is clipped to the current clip.
class Painter {
public:
    virtual ~Painter() = default;
    virtual void setClip(const Rect& clip) = 0;
    virtual void fillRect(const Rect& area, Color color) = 0;
    // Unscaled, top-left at `at`; pixels with alpha 0 are not drawn.
    virtual void drawPicture(const Picture& picture, Point at) = 0;
    // Stretched to fill `target`, proportions not kept.
    virtual void drawPictureScaled(const Picture& picture, const Rect& target) = 0;
    // Text laid out in `box`: one line unless `wrap`, then broken at word
    // boundaries to the box's width; cut at the box's edges.
    virtual void drawText(const std::string& text, const Rect& box, const Font& font, Color color, Align align,
                          bool wrap) = 0;
    // A plain single-line border just inside `box`.
    virtual void drawFrameBorder(const Rect& box, Color color) = 0;
};

}  // namespace vclock
