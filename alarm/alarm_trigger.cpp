#include "alarm/alarm_trigger.h"

#include "alarm/catch_up.h"

namespace vclock {

AlarmTrigger::AlarmTrigger(Runtime& runtime, Window& owner, const Artwork& artwork, const DynamicValue& alarmtime)
    : runtime_(runtime), owner_(owner), artwork_(artwork), alarmtime_(alarmtime) {}

std::optional<std::int64_t> AlarmTrigger::dueDay(const ClockReading& reading) {
    const bool timeOfDay = alarmtime_.isDateTime() && !alarmtime_.dateTime().hasDate();
    const std::optional<std::int64_t> passed =
        timeOfDay && previous_ ? catch_up::passedDay(*previous_, reading, alarmtime_.dateTime()) : std::nullopt;
    // On its way there the clock went through times before the alarm, as
    // a check in time would have seen: they re-arm it. No time lies before
    // midnight, so a midnight alarm stays as it is.
    if (passed && alarmtime_.dateTime().hasTime()) alarmdone_ = 0;
    if (alarmtime_ == DynamicValue(reading.local.timePart())) return reading.local.days();
    return passed;
}

void AlarmTrigger::tmalarm_Timer() {
    const ClockReading reading = runtime_.readClock();
    const std::optional<std::int64_t> day = dueDay(reading);
    previous_ = reading;
    if (day && alarmdone_ == 0 && !rangOn(*day)) {
        runtime_.beep();
        lastRing_ = Ring{*day, alarmtime_};
        if (!frmabout_) frmabout_ = std::make_unique<NoticeForm>(runtime_, artwork_);
        showModal(frmabout_->window(), owner_);
        alarmdone_ = -1;
        // This check waited while the notice was open: what the clock passed
        // meanwhile is not caught up afterwards.
        previous_ = runtime_.readClock();
    } else if (DynamicValue(runtime_.currentTime()) < alarmtime_) {
        alarmdone_ = 0;
    }
}

}  // namespace vclock
