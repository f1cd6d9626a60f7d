#pragma once

#include <functional>
#include <memory>

namespace vclock {

class Window;

// Thrown once the program has ended, to unwind whatever core code is still
// on the stack (a handler paused in a yield, a modal show). Every place
// where a backend calls into the core catches it; nothing else does.
struct ProgramEnded {};

// A running timer; dropping the handle stops it. Rules every runtime keeps:
// the callback runs on the user-interface thread between other events, also
// inside yields, modal shows and message boxes; ticks that fall due while
// the callback cannot run are not queued (re-entry is prevented by Timer).
class TimerHandle {
public:
    virtual ~TimerHandle() = default;
};

// Timers, yields, modal windows and the program's end.
class EventLoop {
public:
    virtual ~EventLoop() = default;

    virtual std::unique_ptr<TimerHandle> startTimer(int intervalMs, std::function<void()> onDue) = 0;

    // Runs every pending event, then returns. Throws ProgramEnded once ended.
    virtual void yield() = 0;

    // Shows the window and returns after it has been unloaded; the owner
    // takes no input meanwhile. Throws ProgramEnded once ended.
    virtual void showModal(Window& dialog, Window& owner) = 0;

    // Ends the program at once: no handler runs afterwards. Stored values
    // are already on disk (every write is). Throws ProgramEnded.
    [[noreturn]] virtual void end() = 0;
    virtual bool ended() const = 0;

    // Calls into the core from the event loop go through here, so that the
    // unwinding of an ended program stops at the backend's boundary.
    template <class F>
    void dispatch(F&& handler) {
        if (ended()) return;
        try {
            handler();
        } catch (const ProgramEnded&) {
        }
    }
};

}  // namespace vclock
