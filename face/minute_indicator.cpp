#include "face/minute_indicator.h"

#include "assets/main_window_layout.h"

namespace vclock {

MinuteIndicator::MinuteIndicator(Clock& clock, Element& imgsmokedisplay)
    : clock_(clock), imgsmokedisplay_(imgsmokedisplay) {}

void MinuteIndicator::placesmoke() {
    const int sector = clock_.currentTime().minute() / 5;
    const main_layout::Place& place = main_layout::kSmokePlaces[static_cast<std::size_t>(sector)];
    imgsmokedisplay_.move(place.left, place.top);
}

}  // namespace vclock
