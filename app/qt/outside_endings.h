#pragma once

#include <QObject>

namespace vclock {
class Runtime;
class Window;
}  // namespace vclock

namespace vclock::qt {

// Brings the endings that come from outside the program's windows to its
// main window, so that every ending stores the typed entry:
// - SIGTERM, SIGINT and SIGHUP, and the session's quit, close the main
//   window as any platform close does, which ends the program with status 0.
//   A signal only wakes the event loop through a pipe; no core code runs
//   inside a signal handler.
// - The session manager's request to save before logging off, which may
//   still be cancelled, and a lost display connection (Qt then leaves
//   through exit(), with no display left for a close) store what the
//   unload would store.
// One at a time, for the life of the event loop; it puts the signals back
// as they were when it goes.
class OutsideEndings final : public QObject {
public:
    OutsideEndings(Runtime& runtime, Window& mainWindow);
    OutsideEndings(const OutsideEndings&) = delete;
    OutsideEndings& operator=(const OutsideEndings&) = delete;
    ~OutsideEndings() override;

    // From now on also stores the entry when Qt leaves through exit(). To be
    // called once the settings store has been used: exit() destroys the
    // statics made after its handler was registered before running it, so
    // the store's statics must be made first.
    void storeAtExit();

private:
    void signalled();
    void closeMainWindow();
    void storeBeforeEnd();
    static void onExit();

    Runtime& runtime_;
    Window& mainWindow_;
    int wakeRead_ = -1;  // the pipe's read end, watched by the event loop
};

}  // namespace vclock::qt
