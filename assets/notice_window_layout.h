#pragma once

#include <array>
#include <span>

#include "app/window/painter.h"
#include "assets/layout.h"

namespace vclock::notice_layout {

// The alarm notice `frmabout` as it loads: attributes and elements, top-most
// first. Every element but the frame lies inside the frame, which bears the
// window's own name; their places are measured from the frame's corner.

inline constexpr const char* kWindowName = "frmabout";
inline constexpr const char* kFrameName = "frmabout";
inline constexpr int kClientWidth = 7380;  // twips
inline constexpr int kClientHeight = 4755;
inline constexpr Color kBackColor = Color::buttonFace();
// The emblem is drawn at this icon size, stretched to its element's box.
inline constexpr int kEmblemSize = 32;
inline constexpr const char* kEmblemElement = "imgLogo";

std::span<const ElementSpec> elements();

// What a screen reader says of the notice: the alarm line, which is why it
// shows, then the title, each by its text; the buttons speak for themselves.
inline constexpr const char* kAccessibleName = "Vordane Clock";
inline constexpr std::array<AccessibleSpec, 2> kAccessibleElements{{
    {"lblalarmtime", AccessibleRole::Label},
    {"lblProductName", AccessibleRole::Label},
}};

}  // namespace vclock::notice_layout
