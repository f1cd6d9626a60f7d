#pragma once

#include "app/window/window.h"

namespace vclock {

// Leaving the program: the main window unloads (its unload handler stores
// what must be kept), then everything stops at once, also a handler that
// is paused in a yield. Nothing here can be cancelled.
void unloadAndEnd(Window& mainWindow);

// The platform ends the program from outside its windows: a signal, the
// session's end, a lost display. The main window closes as any platform
// close does, so its unload stores what must be kept, and the program ends
// whatever that close did.
void closeAndEnd(Window& mainWindow);

}  // namespace vclock
