#pragma once

#include <cstdint>
#include <string>

#include "app/runtime.h"
#include "app/window/frame_set.h"
#include "app/window/window.h"
#include "face/hour_indicator.h"
#include "face/minute_indicator.h"
#include "face/seconds_indicator.h"

namespace vclock {

// The clock's main loop, `tmsecond_Timer`, run every 150 ms: caption (and
// the time as the window's accessible description), smoke
// frame and place, a yield, leaf frame and label place, the second-number
// scan (60 more yields), and every fifth run the hour picture. It owns the
// face's animation state; it keeps nothing across a yield but its scan
// candidate, so whatever runs inside a yield sees a consistent face.
class Tick {
public:
    struct Parts {
        Window& window;
        Element& imgsmokedisplay;
        FrameSet imgsmoke;
        MinuteIndicator& minutes;
        SecondsIndicator& seconds;
        HourIndicator& hours;
    };

    Tick(Runtime& runtime, Parts parts);

    void tmsecond_Timer();

    std::int16_t smokeframe() const { return smokeframe_; }
    bool smokerising() const { return smokerising_; }
    std::int16_t secondframe() const { return secondframe_; }
    std::int16_t hourtick() const { return hourtick_; }

    static constexpr const char* kCaptionPrefix = "V-Clock ";

private:
    void stepSmoke();

    Runtime& runtime_;
    Parts parts_;
    std::int16_t smokeframe_ = 0;
    bool smokerising_ = false;
    std::int16_t secondframe_ = 0;
    std::int16_t hourtick_ = 0;
    // Scratch for the caption text, kept so that its storage is reused and
    // a run allocates nothing once the face is running.
    std::string caption_;
};

}  // namespace vclock
