#pragma once

#include <cstdint>

#include "app/text/date_time.h"
#include "app/text/regional_forms.h"

namespace vclock {

// The clocks at one instant. The local wall time is what the clock shows;
// UTC and the time that really passed tell why it moved: a change of the
// zone's offset moves the local time alone, a suspend moves all three
// alike, and a step of the wall clock moves local time and UTC but not the
// time that passed.
struct ClockReading {
    DateTime local;              // whole seconds
    std::int64_t utcMs = 0;      // the same instant: milliseconds since 1 January 1970, UTC
    std::int64_t elapsedMs = 0;  // milliseconds since a fixed point such as the machine's start, time asleep included

    // 1 January 1970, 00:00 in milliseconds from the zero date.
    static constexpr std::int64_t kUnixEpochMs = 25569 * DateTime::kSecondsPerDay * 1000;
    // The whole seconds of a count of milliseconds, rounded down also below zero.
    static constexpr std::int64_t wholeSeconds(std::int64_t ms) { return ms / 1000 - (ms % 1000 < 0); }

    // The local time in milliseconds from the zero date, its fraction of a
    // second taken from UTC (a zone's offset is whole seconds).
    constexpr std::int64_t localMs() const { return local.totalSeconds() * 1000 + utcMs - wholeSeconds(utcMs) * 1000; }
    // How far the local time is ahead of UTC, in seconds.
    constexpr std::int64_t utcOffsetSeconds() const {
        return local.totalSeconds() - wholeSeconds(utcMs + kUnixEpochMs);
    }
};

// The time and the user's regional forms for writing and reading it.
class Clock {
public:
    virtual ~Clock() = default;

    // One reading of every clock at once. Most callers want only the local
    // wall-clock date and time with whole seconds.
    virtual ClockReading readClock() = 0;
    DateTime now() { return readClock().local; }
    DateTime currentTime() { return now().timePart(); }
    DateTime currentDate() { return now().datePart(); }

    virtual const RegionalForms& regionalForms() = 0;
};

}  // namespace vclock
