#include "tests/support/checked_alarm.h"

#include <cstdio>

#include "assets/artwork.h"

namespace vclock {

void PrintTo(const DateTime& dateTime, std::ostream* out) {
    const DateTime::Civil date = dateTime.civil();
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", date.year, date.month, date.day,
                  dateTime.hour(), dateTime.minute(), dateTime.second());
    *out << text;
}

namespace testing {

CheckedAlarm::CheckedAlarm(SimRuntime& sim, Window& owner, DynamicValue alarm)
    : sim_(sim), alarmtime_(std::move(alarm)), trigger_(sim, owner, embeddedArtwork(), alarmtime_) {}

void CheckedAlarm::check() {
    const int beeps = sim_.beeps();
    trigger_.tmalarm_Timer();
    if (sim_.beeps() != beeps) rings_.push_back(sim_.now());
}

void CheckedAlarm::checkFor(std::int64_t ms, std::int64_t everyMs) {
    for (std::int64_t passed = 0; passed < ms; passed += everyMs) {
        sim_.passTime(everyMs);
        check();
    }
}

}  // namespace testing
}  // namespace vclock
