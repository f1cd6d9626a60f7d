#pragma once

#include <compare>
#include <cstdint>

namespace vclock {

// A date and a time of day with whole seconds, counted from the zero date
// (30 December 1899, the day before day 1). A value whose date part is zero
// is a time of day alone; that is how typed times such as "7:30" and the
// clock's current time are held.
class DateTime {
public:
    static constexpr std::int64_t kSecondsPerDay = 86400;

    constexpr DateTime() = default;
    static constexpr DateTime fromSeconds(std::int64_t totalSeconds) { return DateTime(totalSeconds); }
    static constexpr DateTime fromParts(std::int64_t days, int hour, int minute, int second) {
        return DateTime(days * kSecondsPerDay + hour * 3600 + minute * 60 + second);
    }
    static constexpr DateTime timeOfDay(int hour, int minute, int second) {
        return fromParts(0, hour, minute, second);
    }
    // Civil calendar date (proleptic Gregorian), time midnight.
    static DateTime fromCivil(int year, int month, int day);

    constexpr std::int64_t totalSeconds() const { return seconds_; }
    // Whole days from the zero date, rounded down, so the time part is never negative.
    constexpr std::int64_t days() const {
        return seconds_ >= 0 ? seconds_ / kSecondsPerDay : -((-seconds_ + kSecondsPerDay - 1) / kSecondsPerDay);
    }
    constexpr std::int64_t secondsOfDay() const { return seconds_ - days() * kSecondsPerDay; }
    constexpr bool hasDate() const { return days() != 0; }
    constexpr bool hasTime() const { return secondsOfDay() != 0; }

    constexpr int hour() const { return static_cast<int>(secondsOfDay() / 3600); }
    constexpr int minute() const { return static_cast<int>(secondsOfDay() / 60 % 60); }
    constexpr int second() const { return static_cast<int>(secondsOfDay() % 60); }

    struct Civil {
        int year;
        int month;  // 1..12
        int day;    // 1..31
    };
    Civil civil() const;

    // The date alone (time part zero) and the time alone (date part zero).
    constexpr DateTime datePart() const { return DateTime(days() * kSecondsPerDay); }
    constexpr DateTime timePart() const { return DateTime(secondsOfDay()); }

    friend constexpr auto operator<=>(DateTime, DateTime) = default;

private:
    constexpr explicit DateTime(std::int64_t totalSeconds) : seconds_(totalSeconds) {}
    std::int64_t seconds_ = 0;
};

}  // namespace vclock
