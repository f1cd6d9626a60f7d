#pragma once

#include <cstdint>
#include <ostream>
#include <vector>

#include "alarm/alarm_trigger.h"
#include "app/sim/sim_runtime.h"
#include "app/window/window.h"

namespace vclock {

// GoogleTest shows a date and time as 2026-12-10 08:01:00.
void PrintTo(const DateTime& dateTime, std::ostream* out);

namespace testing {

// The alarm check on the simulated runtime, run by the test instead of by
// its timer, over an owner window the test loads. Each notice closes at once
// (the runtime's default), and the local time it opened at is written down.
class CheckedAlarm {
public:
    CheckedAlarm(SimRuntime& sim, Window& owner, DynamicValue alarm);
    CheckedAlarm(const CheckedAlarm&) = delete;
    CheckedAlarm& operator=(const CheckedAlarm&) = delete;

    void check();
    // Real time passes for `ms`, with a check every `everyMs`.
    void checkFor(std::int64_t ms, std::int64_t everyMs = 1000);

    const std::vector<DateTime>& rings() const { return rings_; }

private:
    SimRuntime& sim_;
    DynamicValue alarmtime_;
    AlarmTrigger trigger_;
    std::vector<DateTime> rings_;
};

}  // namespace testing
}  // namespace vclock
