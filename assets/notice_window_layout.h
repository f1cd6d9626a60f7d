#pragma once

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

}  // namespace vclock::notice_layout
