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
// A time of day is caught also when the check comes late: it fires when the
// alarm lies after the previous check and no later than this one, on the
// same day and at most a minute late, so a check held up past the alarm's
// second (a busy or suspended machine) no longer skips the day's alarm.
class AlarmTrigger {
public:
    AlarmTrigger(Runtime& runtime, Window& owner, const Artwork& artwork, const DynamicValue& alarmtime);

    void tmalarm_Timer();

    bool alarmdone() const { return alarmdone_ != 0; }
    // The notice, once the first alarm has created it.
    NoticeForm* frmabout() const { return frmabout_.get(); }

    static constexpr std::int64_t kMostSecondsLate = 60;

private:
    bool matches(DateTime now) const;

    Runtime& runtime_;
    Window& owner_;
    const Artwork& artwork_;
    const DynamicValue& alarmtime_;
    std::int16_t alarmdone_ = 0;  // 0 false, -1 true
    std::optional<DateTime> previousCheck_;
    std::unique_ptr<NoticeForm> frmabout_;
};

}  // namespace vclock
