#pragma once

#include "app/runtime/clock.h"
#include "app/runtime/desktop.h"
#include "app/runtime/event_loop.h"
#include "app/runtime/storage.h"

namespace vclock {

// All the services the clock relies on, as the one object `main` builds;
// the Qt, Windows and simulated runtimes implement it. A part of the clock
// that needs only one of them takes that one. Calls come only from the
// user-interface thread.
class Runtime : public Clock, public EventLoop, public Desktop, public Storage {};

}  // namespace vclock
