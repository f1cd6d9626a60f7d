#pragma once

#include "app/runtime/clock.h"
#include "app/window/element.h"

namespace vclock {

// The smoke puff: `placesmoke` stands `imgsmokedisplay` at the place of the
// current five-minute sector, so it travels round the hour picture once an
// hour. Its animation frame is the tick's business.
class MinuteIndicator {
public:
    MinuteIndicator(Clock& clock, Element& imgsmokedisplay);

    void placesmoke();

private:
    Clock& clock_;
    Element& imgsmokedisplay_;
};

}  // namespace vclock
