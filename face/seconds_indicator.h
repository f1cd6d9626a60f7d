#pragma once

#include "app/window/element.h"
#include "app/window/frame_set.h"

namespace vclock {

// The falling leaf and the second's number riding on it: `imgseconddisplay`
// shows a member of `imgsecond`, and `lblseconds` stands at that frame's
// place and shows the second in plain digits.
class SecondsIndicator {
public:
    SecondsIndicator(Element& imgseconddisplay, Element& lblseconds, FrameSet imgsecond);

    // Shows a frame and puts the label at its place; the label keeps its size.
    void showFrame(int secondframe);
    void writeSecond(int second);

private:
    Element& imgseconddisplay_;
    Element& lblseconds_;
    FrameSet imgsecond_;
};

}  // namespace vclock
