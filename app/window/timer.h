#pragma once

#include <functional>
#include <memory>
#include <string>

#include "app/runtime/event_loop.h"

namespace vclock {

// A window's timer: an interval, an enabled flag and a handler. The runtime
// delivers the ticks; this class keeps the handler from being re-entered by
// its own timer (a tick that falls due while the handler is paused in a
// yield or a modal show is dropped, not queued).
class Timer {
public:
    Timer(EventLoop& loop, std::string name, int intervalMs, bool enabled);
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    const std::string& name() const { return name_; }
    int interval() const { return intervalMs_; }
    bool enabled() const { return enabled_; }
    // Enabling a stopped timer starts its count from now; disabling stops it;
    // setting the state it already has changes nothing.
    void setEnabled(bool enabled);
    void setHandler(std::function<void()> handler) { handler_ = std::move(handler); }

    bool running() const { return running_; }

private:
    void due();

    EventLoop& loop_;
    std::string name_;
    int intervalMs_;
    bool enabled_ = false;
    bool running_ = false;
    std::function<void()> handler_;
    std::unique_ptr<TimerHandle> handle_;
};

}  // namespace vclock
