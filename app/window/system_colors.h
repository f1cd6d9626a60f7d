#pragma once

#include "app/window/painter.h"

namespace vclock {

// The desktop's colours for the system roles the layout names. Each backend
// fills one table from its platform; the defaults are the classic Windows
// colours, for a desktop that names none.
struct SystemColors {
    Color windowText = Color::rgb(0, 0, 0);
    Color buttonFace = Color::rgb(240, 240, 240);
    Color buttonText = Color::rgb(0, 0, 0);
    Color buttonShadow = Color::rgb(160, 160, 160);
};

// The colour to show: a system colour takes the desktop's colour for its
// role, a fixed colour is itself. The result is always a fixed colour.
constexpr Color resolve(Color color, const SystemColors& system) {
    switch (color.role) {
        case Color::Role::WindowText: return system.windowText;
        case Color::Role::ButtonFace: return system.buttonFace;
        case Color::Role::ButtonText: return system.buttonText;
        case Color::Role::ButtonShadow: return system.buttonShadow;
        case Color::Role::Fixed: break;
    }
    return color;
}

}  // namespace vclock
