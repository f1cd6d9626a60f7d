#include "app/lifecycle/program_exit.h"

#include "app/runtime.h"

namespace vclock {

void unloadAndEnd(Window& mainWindow) {
    mainWindow.unload();
    mainWindow.runtime().end();
}

}  // namespace vclock
