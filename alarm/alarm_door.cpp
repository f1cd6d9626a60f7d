#include "alarm/alarm_door.h"

#include <utility>

namespace vclock {

AlarmDoor::AlarmDoor(Parts parts, Entry entry) : parts_(std::move(parts)), entry_(std::move(entry)) {}

bool AlarmDoor::isOpen() const {
    return parts_.imgalarmdisplay.picture() == parts_.imgalarmdoor.picture(kOpenMember);
}

void AlarmDoor::imgalarmdisplay_Click() {
    entry_.loadalarm();
    if (!isOpen()) parts_.tmopenalarmdoor.setEnabled(true);
}

void AlarmDoor::Form_Click() {
    // The entry is committed whatever it holds; the door closes regardless of
    // whether it was accepted, so a rejected entry can be typed again only
    // after reopening, which reloads the stored time.
    entry_.readalarm();
    entry_.savealarm();
    if (isOpen()) parts_.tmclosealarmdoor.setEnabled(true);
}

void AlarmDoor::tmopenalarmdoor_Timer() {
    ++openstep_;
    parts_.imgalarmdoor.show(parts_.imgalarmdisplay, openstep_);
    if (openstep_ == kOpenMember) {
        openstep_ = 0;
        parts_.txtalarm.setVisible(true);
        parts_.tmopenalarmdoor.setEnabled(false);
    }
}

void AlarmDoor::tmclosealarmdoor_Timer() {
    ++closestep_;
    // Step 1 shows member 5, step 6 the closed door, member 0.
    closeframe_ = DynamicValue(kOpenMember - closestep_);
    if (closestep_ == 1) parts_.txtalarm.setVisible(false);
    if (closestep_ == kOpenMember) {
        closestep_ = 0;
        parts_.tmclosealarmdoor.setEnabled(false);
    }
    parts_.imgalarmdoor.show(parts_.imgalarmdisplay, static_cast<int>(closeframe_.number()));
}

}  // namespace vclock
