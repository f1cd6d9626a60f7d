#include "alarm/alarm_trigger.h"

namespace vclock {

AlarmTrigger::AlarmTrigger(Runtime& runtime, Window& owner, const Artwork& artwork, const DynamicValue& alarmtime)
    : runtime_(runtime), owner_(owner), artwork_(artwork), alarmtime_(alarmtime) {}

bool AlarmTrigger::matches(DateTime now) const {
    const DateTime current = now.timePart();
    if (alarmtime_ == DynamicValue(current)) return true;
    // Only a time of day is caught up; an empty value, a string or a value
    // with a date keeps its plain comparison.
    if (!alarmtime_.isDateTime() || alarmtime_.dateTime().hasDate() || !previousCheck_) return false;
    if (previousCheck_->datePart() != now.datePart()) return false;
    const DateTime alarm = alarmtime_.dateTime();
    const DateTime previous = previousCheck_->timePart();
    return previous < alarm && alarm <= current &&
           current.totalSeconds() - alarm.totalSeconds() <= kMostSecondsLate;
}

void AlarmTrigger::tmalarm_Timer() {
    const DateTime now = runtime_.now();
    const bool due = matches(now);
    previousCheck_ = now;
    if (due && alarmdone_ == 0) {
        runtime_.beep();
        if (!frmabout_) frmabout_ = std::make_unique<NoticeForm>(runtime_, artwork_);
        showModal(frmabout_->window(), owner_);
        alarmdone_ = -1;
    } else if (DynamicValue(runtime_.currentTime()) < alarmtime_) {
        alarmdone_ = 0;
    }
}

}  // namespace vclock
