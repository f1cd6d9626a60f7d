#include "face/tick.h"

#include "app/text/date_text.h"

namespace vclock {

namespace {
constexpr int kLastSmokeFrame = 8;
constexpr int kSecondFrames = 6;
constexpr int kRunsPerHourRefresh = 5;
}  // namespace

Tick::Tick(Runtime& runtime, Parts parts) : runtime_(runtime), parts_(std::move(parts)) {}

void Tick::tmsecond_Timer() {
    caption_.assign(kCaptionPrefix);
    caption_ += dateToText(runtime_.currentTime(), runtime_.regionalForms());
    parts_.window.setCaption(caption_);
    // A screen reader hears the time alone; it changes once a second.
    parts_.window.setAccessibleDescription(std::string_view(caption_).substr(std::string_view(kCaptionPrefix).size()));

    parts_.imgsmoke.show(parts_.imgsmokedisplay, smokeframe_);
    stepSmoke();
    parts_.minutes.placesmoke();

    runtime_.yield();

    parts_.seconds.showFrame(secondframe_);
    ++secondframe_;
    if (secondframe_ == kSecondFrames) secondframe_ = 0;

    // Every candidate whose fresh reading shows it is written, so a second
    // that changes during the scan still ends on a number the clock showed.
    for (int candidate = 0; candidate < 60; ++candidate) {
        runtime_.yield();
        if (runtime_.currentTime().second() == candidate) parts_.seconds.writeSecond(candidate);
    }

    ++hourtick_;
    if (hourtick_ >= kRunsPerHourRefresh) {
        parts_.hours.sethouram();
        parts_.hours.sethourpm();
        hourtick_ = 0;
    }
}

void Tick::stepSmoke() {
    if (smokeframe_ == 0) smokerising_ = true;
    if (smokeframe_ == kLastSmokeFrame) smokerising_ = false;
    if (smokerising_) {
        ++smokeframe_;
    } else {
        --smokeframe_;
    }
}

}  // namespace vclock
