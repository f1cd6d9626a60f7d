#include "alarm/catch_up.h"

#include <algorithm>
#include <cstdlib>

namespace vclock::catch_up {

std::optional<std::int64_t> passedDay(const ClockReading& previous, const ClockReading& current, DateTime timeOfDay) {
    const std::int64_t realMs = current.elapsedMs - previous.elapsedMs;
    if (std::abs(current.utcMs - previous.utcMs - realMs) > kStepToleranceMs) return std::nullopt;

    // The latest occurrence up to now; an earlier one lies a day further back.
    std::int64_t day = current.local.days();
    if (timeOfDay.secondsOfDay() > current.local.secondsOfDay()) --day;
    const DateTime occurrence = DateTime::fromSeconds(day * DateTime::kSecondsPerDay + timeOfDay.secondsOfDay());
    if (occurrence <= previous.local) return std::nullopt;

    // How late it is in real time cannot be more than the time that passed,
    // nor more than its distance on the local clock; when the zone's offset
    // went back meanwhile, local time lost that much against real time.
    // (Where the offset went forward, the alarm is less late than the local
    // distance, or not late at all when it lay in the skipped hour.)
    const std::int64_t offsetLostMs =
        std::max<std::int64_t>(0, previous.utcOffsetSeconds() - current.utcOffsetSeconds()) * 1000;
    const std::int64_t lateMs = std::min(realMs, current.localMs() - occurrence.totalSeconds() * 1000 + offsetLostMs);
    if (lateMs > kMostLateMs) return std::nullopt;
    return day;
}

}  // namespace vclock::catch_up
