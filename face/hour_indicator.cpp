#include "face/hour_indicator.h"

namespace vclock {

HourIndicator::HourIndicator(Clock& clock, Element& imghourdisplay, FrameSet imghour)
    : clock_(clock), imghourdisplay_(imghourdisplay), imghour_(std::move(imghour)) {}

void HourIndicator::sethouram() { showIfHourIn(0, 11); }

void HourIndicator::sethourpm() { showIfHourIn(12, 23); }

void HourIndicator::showIfHourIn(int firstHour, int lastHour) {
    const DateTime now = clock_.currentTime();
    if (now.hour() < firstHour || now.hour() > lastHour) return;
    imghour_.show(imghourdisplay_, memberFor(now.hour(), now.minute()));
}

}  // namespace vclock
