#pragma once

#include "app/runtime.h"
#include "app/window/element.h"

namespace vclock {

// The tooltip of the door display `imgalarmdisplay`: the date and time of
// the last mouse move over it, not a running clock.
class DateTooltip {
public:
    DateTooltip(Runtime& runtime, Element& imgalarmdisplay) : runtime_(runtime), imgalarmdisplay_(imgalarmdisplay) {}

    // "Medium Date" of today, two spaces, the current time as date text.
    void imgalarmdisplay_MouseMove();

private:
    Runtime& runtime_;
    Element& imgalarmdisplay_;
};

}  // namespace vclock
