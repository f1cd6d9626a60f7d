#pragma once

#include "app/window/window.h"

namespace vclock {

// Leaving the program: the main window unloads (its unload handler stores
// what must be kept), then everything stops at once, also a handler that
// is paused in a yield. Nothing here can be cancelled.
void unloadAndEnd(Window& mainWindow);

}  // namespace vclock
