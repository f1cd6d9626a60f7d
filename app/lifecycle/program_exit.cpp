#include "app/lifecycle/program_exit.h"

#include "app/runtime.h"

namespace vclock {

void unloadAndEnd(Window& mainWindow) {
    mainWindow.unload();
    mainWindow.runtime().end();
}

void closeAndEnd(Window& mainWindow) {
    mainWindow.requestClose();
    if (!mainWindow.runtime().ended()) mainWindow.runtime().end();
}

}  // namespace vclock
