#pragma once

#include <chrono>

namespace vclock {

// Decides whether a yield runs a pass over the platform's events. A pass
// asks the system whether anything waits (a poll of the display connection,
// a peek into the message queue): a system call even when nothing does.
// The tick yields sixty-one times within a fraction of a millisecond, so a
// yield that follows a pass by less than `kQuiet` runs none: whatever came
// in since is treated as having come just after it, and runs in the next
// yield or in the event loop, a moment later. Timers, which fall due 50 ms
// apart at the closest, still run inside yields.
class YieldPacer {
public:
    using SteadyClock = std::chrono::steady_clock;
    static constexpr SteadyClock::duration kQuiet = std::chrono::milliseconds(2);

    // Whether a yield at `now` runs a pass; if so, the pass counts from now.
    bool passDue(SteadyClock::time_point now) {
        if (passed_ && now - lastPass_ < kQuiet) return false;
        passed_ = true;
        lastPass_ = now;
        return true;
    }

private:
    bool passed_ = false;
    SteadyClock::time_point lastPass_{};
};

}  // namespace vclock
