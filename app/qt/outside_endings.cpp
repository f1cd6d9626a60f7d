#include "app/qt/outside_endings.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <csignal>
#include <cstdlib>

#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>

#include "app/lifecycle/program_exit.h"
#include "app/runtime.h"
#include "app/window/window.h"

namespace vclock::qt {
namespace {

constexpr std::array kEndSignals{SIGTERM, SIGINT, SIGHUP};
std::array<struct sigaction, kEndSignals.size()> previousActions;

// The pipe's write end for the signal handler, -1 while nobody listens.
volatile std::sig_atomic_t wakeWrite = -1;
OutsideEndings* listening = nullptr;

// Async-signal-safe: one byte into the pipe wakes the event loop. A full
// pipe holds a wake-up already.
extern "C" void wakeOnSignal(int) {
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(wakeWrite, &byte, 1);
    errno = saved;
}

}  // namespace

OutsideEndings::OutsideEndings(Runtime& runtime, Window& mainWindow) : runtime_(runtime), mainWindow_(mainWindow) {
    int fds[2];
    // Without a pipe the signals keep their default action.
    if (::pipe2(fds, O_CLOEXEC | O_NONBLOCK) == 0) {
        wakeRead_ = fds[0];
        wakeWrite = fds[1];
        auto* wake = new QSocketNotifier(wakeRead_, QSocketNotifier::Read, this);
        connect(wake, &QSocketNotifier::activated, this, [this] { signalled(); });
        struct sigaction action {};
        action.sa_handler = &wakeOnSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        for (std::size_t i = 0; i < kEndSignals.size(); ++i) sigaction(kEndSignals[i], &action, &previousActions[i]);
    }
    if (auto* app = qGuiApp) {
        connect(app, &QGuiApplication::commitDataRequest, this, [this](QSessionManager&) { storeBeforeEnd(); });
        // The session manager's last word, or anything else that stops the
        // event loop without a close, still closes the main window.
        connect(app, &QCoreApplication::aboutToQuit, this, [this] { closeMainWindow(); });
    }
    listening = this;
}

OutsideEndings::~OutsideEndings() {
    listening = nullptr;
    if (wakeRead_ < 0) return;
    for (std::size_t i = 0; i < kEndSignals.size(); ++i) sigaction(kEndSignals[i], &previousActions[i], nullptr);
    ::close(wakeWrite);
    wakeWrite = -1;
    ::close(wakeRead_);
}

void OutsideEndings::signalled() {
    char bytes[16];
    while (::read(wakeRead_, bytes, sizeof bytes) > 0) {
    }
    closeMainWindow();
}

void OutsideEndings::closeMainWindow() {
    runtime_.dispatch([this] { closeAndEnd(mainWindow_); });
}

void OutsideEndings::storeBeforeEnd() {
    runtime_.dispatch([this] { mainWindow_.endingSoon(); });
}

void OutsideEndings::storeAtExit() {
    static const bool registered = std::atexit(&OutsideEndings::onExit) == 0;
    static_cast<void>(registered);  // without it, a lost display loses the typed entry, as before
}

void OutsideEndings::onExit() {
    // Qt's xcb platform calls exit() when the display connection breaks;
    // after a normal end the runtime has ended and nothing runs.
    if (listening) listening->storeBeforeEnd();
}

}  // namespace vclock::qt
