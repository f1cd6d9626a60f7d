#pragma once

#include "app/runtime/clock.h"
#include "app/window/element.h"
#include "app/window/frame_set.h"

namespace vclock {

// The sundial plant's shadow: `imghourdisplay` shows the member of `imghour`
// for the current half hour of a twelve-hour dial. `sethouram` serves the
// hours 0 to 11 and `sethourpm` 12 to 23; callers run them as a pair.
class HourIndicator {
public:
    HourIndicator(Clock& clock, Element& imghourdisplay, FrameSet imghour);

    void sethouram();
    void sethourpm();

    // The member for a time of day: two per hour of the dial.
    static int memberFor(int hour, int minute) { return 2 * (hour % 12) + (minute >= 30 ? 1 : 0); }

private:
    void showIfHourIn(int firstHour, int lastHour);

    Clock& clock_;
    Element& imghourdisplay_;
    FrameSet imghour_;
};

}  // namespace vclock
