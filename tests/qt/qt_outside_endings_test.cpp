#include <gtest/gtest.h>

#include <csignal>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>

#include "app/qt/outside_endings.h"
#include "app/sim/sim_runtime.h"
#include "app/window/window.h"

namespace vclock::qt {
namespace {

// A main window on the simulated runtime, so that ending the program
// leaves Qt's event loops to the other tests; the signals still reach it
// through Qt's event loop.
struct Program {
    Program() : window(runtime, "frmVordaneClock", 12000, 9000) {
        window.events.unload = [this] { ++unloads; };
        window.load();
    }

    // Runs Qt's events until the program has ended, for at most two seconds.
    void runUntilEnded() {
        QElapsedTimer waited;
        waited.start();
        while (!runtime.ended() && waited.elapsed() < 2000) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        }
    }

    SimRuntime runtime;
    Window window;
    int unloads = 0;
};

TEST(QtOutsideEndingsTest, EachEndSignalClosesTheMainWindowFromTheEventLoop) {
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(signal);
        Program program;
        {
            OutsideEndings endings(program.runtime, program.window);
            ASSERT_EQ(std::raise(signal), 0);
            EXPECT_EQ(program.unloads, 0) << "nothing of the window runs inside the signal handler";
            program.runUntilEnded();
        }
        EXPECT_EQ(program.unloads, 1);
        EXPECT_TRUE(program.runtime.ended());
        struct sigaction now {};
        sigaction(signal, nullptr, &now);
        EXPECT_EQ(now.sa_handler, SIG_DFL) << "the signal's own action is back";
    }
}

TEST(QtOutsideEndingsTest, ABurstOfSignalsClosesOnce) {
    Program program;
    OutsideEndings endings(program.runtime, program.window);
    for (int i = 0; i < 100; ++i) std::raise(SIGTERM);
    program.runUntilEnded();
    EXPECT_TRUE(program.runtime.ended());
    EXPECT_EQ(program.unloads, 1);
}

}  // namespace
}  // namespace vclock::qt
