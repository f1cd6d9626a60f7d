#include "app/window/timer.h"

namespace vclock {

Timer::Timer(EventLoop& loop, std::string name, int intervalMs, bool enabled)
    : loop_(loop), name_(std::move(name)), intervalMs_(intervalMs) {
    setEnabled(enabled);
}

void Timer::setEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    handle_.reset();
    if (enabled) handle_ = loop_.startTimer(intervalMs_, [this] { due(); });
}

void Timer::due() {
    if (running_ || !enabled_ || !handler_) return;
    running_ = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{running_};
    handler_();
}

}  // namespace vclock
