#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "alarm/notice_form.h"
#include "app/runtime.h"
#include "app/text/date_time.h"
#include "app/text/dynamic_value.h"
#include "app/window/window.h"
#include "assets/artwork.h"

namespace vclock {

// The alarm check `tmalarm_Timer`: compares the armed `alarmtime` with the
// clock, and on a match beeps once and shows the notice modally over the
// main window. `alarmdone` keeps one match from being raised twice and is
// cleared once the clock is before the alarm again, so the alarm repeats
// daily. While the notice is open this check is paused in the modal show and
// its timer does not re-enter it, so there is never a second notice.
//
// A time of day rings once on each calendar day on which the local time
// reaches or passes it while the clock runs, and never twice on one day:
// - a check that comes after the alarm's second still rings it when real
//   time carried the clock past it (a busy or suspended machine, the clocks
//   going forward), within the limit of catch_up;
// - a step of the wall clock forward over it rings nothing;
// - once it has rung on a date it does not ring again on that date for the
//   same value, whether the clock is stepped back or the clocks going back
//   repeat the hour. A new value may ring the same day.
// An empty value, a string or a value with a date keeps its plain comparison.
class AlarmTrigger {
public:
    AlarmTrigger(Runtime& runtime, Window& owner, const Artwork& artwork, const DynamicValue& alarmtime);

    void tmalarm_Timer();

    bool alarmdone() const { return alarmdone_ != 0; }
    // The notice, once the first alarm has created it.
    NoticeForm* frmabout() const { return frmabout_.get(); }

private:
    struct Ring {
        std::int64_t day;  // of the occurrence, from the zero date
        DynamicValue value;
    };

    // The day whose occurrence of the alarm falls due at this reading.
    std::optional<std::int64_t> dueDay(const ClockReading& reading);
    bool rangOn(std::int64_t day) const { return lastRing_ && lastRing_->day == day && lastRing_->value == alarmtime_; }

    Runtime& runtime_;
    Window& owner_;
    const Artwork& artwork_;
    const DynamicValue& alarmtime_;
    std::int16_t alarmdone_ = 0;  // 0 false, -1 true
    std::optional<ClockReading> previous_;
    std::optional<Ring> lastRing_;
    std::unique_ptr<NoticeForm> frmabout_;
};

}  // namespace vclock
