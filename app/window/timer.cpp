#include "app/window/timer.h"

namespace vclock {

Timer::Timer(Runtime& runtime, std::string name, int intervalMs, bool enabled)
    : runtime_(runtime), name_(std::move(name)), intervalMs_(intervalMs) {
    setEnabled(enabled);
}

void Timer::setEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    handle_.reset();
    if (enabled) handle_ = runtime_.startTimer(intervalMs_, [this] { due(); });
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
