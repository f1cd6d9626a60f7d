#pragma once

#include <array>
#include <span>

#include "app/runtime/font.h"
#include "app/window/painter.h"
#include "assets/layout.h"

namespace vclock::main_layout {

// The main window as it loads: attributes, elements top-most first, timers,
// and the tables of places the indicators move between.

inline constexpr const char* kWindowName = "frmVordaneClock";
inline constexpr const char* kDesignCaption = "Vordane Clock";
inline constexpr int kClientWidth = 11610;   // twips, normal state
inline constexpr int kClientHeight = 8610;
inline constexpr Color kBackColor = Color::rgb(0, 128, 0);
inline constexpr Color kFieldBlue = Color::rgb(0, 0, 255);

const Font& boldSansSerif();

std::span<const ElementSpec> elements();

struct TimerSpec {
    const char* name;
    int intervalMs;
    bool enabled;
};
inline constexpr std::array<TimerSpec, 5> kTimers{{
    {"tmalarm", 50, true},
    {"tmbuttfly", 300, true},
    {"tmclosealarmdoor", 100, false},
    {"tmopenalarmdoor", 50, false},
    {"tmsecond", 150, true},
}};

// Twips; Left and Top of an element's top-left corner.
struct Place {
    int left;
    int top;
};

// The smoke's place for each five-minute sector, clockwise from the top.
inline constexpr std::array<Place, 12> kSmokePlaces{{
    {2350, 5100}, {2800, 5190}, {3050, 5460}, {3230, 5820}, {3100, 6200}, {2830, 6530},
    {2400, 6790}, {1900, 6650}, {1600, 6300}, {1470, 5820}, {1620, 5400}, {1900, 5140},
}};

// The second number's place for each frame of the falling leaf.
inline constexpr std::array<Place, 6> kSecondsLabelPlaces{{
    {5600, 5160}, {5790, 5370}, {5850, 6090}, {5800, 7230}, {5830, 7890}, {5800, 8820},
}};

// What a screen reader says of the window and of the parts a user acts on.
// The window's description is the time it shows.
inline constexpr const char* kAccessibleName = "Vordane Clock";
inline constexpr std::array<AccessibleSpec, 3> kAccessibleElements{{
    {"imgalarmdisplay", AccessibleRole::Button, "Alarm door"},
    {"txtalarm", AccessibleRole::Text, "Alarm time"},
    {"imgexit0", AccessibleRole::Button, "Exit"},
}};

// The exit control's area once the window has been activated.
inline constexpr int kExitActiveWidth = 2500;
inline constexpr int kExitActiveHeight = 3000;

}  // namespace vclock::main_layout
