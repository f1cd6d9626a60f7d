#pragma once

#include "app/runtime/clock.h"
#include "app/window/element.h"

namespace vclock {

// The tooltip of the door display `imgalarmdisplay`: the date and time of
// the last mouse move over it, not a running clock.
class DateTooltip {
public:
    DateTooltip(Clock& clock, Element& imgalarmdisplay) : clock_(clock), imgalarmdisplay_(imgalarmdisplay) {}

    // "Medium Date" of today, two spaces, the current time as date text.
    void imgalarmdisplay_MouseMove();

private:
    Clock& clock_;
    Element& imgalarmdisplay_;
};

}  // namespace vclock
