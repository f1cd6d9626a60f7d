#include "face/seconds_indicator.h"

#include "app/text/date_text.h"
#include "assets/main_window_layout.h"

namespace vclock {

SecondsIndicator::SecondsIndicator(Element& imgseconddisplay, Element& lblseconds, FrameSet imgsecond)
    : imgseconddisplay_(imgseconddisplay), lblseconds_(lblseconds), imgsecond_(std::move(imgsecond)) {}

void SecondsIndicator::showFrame(int secondframe) {
    imgsecond_.show(imgseconddisplay_, secondframe);
    const main_layout::Place& place = main_layout::kSecondsLabelPlaces[static_cast<std::size_t>(secondframe)];
    lblseconds_.move(place.left, place.top);
}

void SecondsIndicator::writeSecond(int second) { lblseconds_.setText(numberToText(second)); }

}  // namespace vclock
