#pragma once

#include <cstdint>
#include <optional>

#include "app/runtime.h"
#include "app/text/date_time.h"

namespace vclock::catch_up {

// When an alarm's time of day counts as reached although no check fell in
// its second: the local time passed it between two readings, and real time,
// not a step of the wall clock, carried it there. That is a busy or
// suspended machine, a program held up, or local time jumping forward with
// its zone's offset (daylight saving), where real time moves on normally.
//
// Half an hour late at most: a machine that slept through the alarm while
// its user was near, a lid closed over a break, still gives the notice when
// it wakes; later than that, the moment the alarm stood for has gone, and a
// notice showing the time it opened would only announce a stale alarm.
inline constexpr std::int64_t kMostLateMs = 30 * 60 * 1000;

// How far the wall clock may drift from the time that passed before a move
// counts as a step: enough for readings taken a moment apart and for the
// corrections a time service makes after a resume, far below the minute or
// hour a user sets a clock by. A step this small rings at most this late.
inline constexpr std::int64_t kStepToleranceMs = 5000;

// The day (from the zero date) of the occurrence of `timeOfDay` that lies
// after `previous` and no later than `current`, when real time carried the
// clock there and it is at most kMostLateMs late; nothing otherwise.
std::optional<std::int64_t> passedDay(const ClockReading& previous, const ClockReading& current, DateTime timeOfDay);

}  // namespace vclock::catch_up
