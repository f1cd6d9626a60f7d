#pragma once

#include <cstdint>
#include <functional>

#include "app/text/dynamic_value.h"
#include "app/window/element.h"
#include "app/window/frame_set.h"
#include "app/window/timer.h"

namespace vclock {

// The door in the foliage that hides the alarm field: a click on the door
// opens it in six 50 ms steps and then shows the field; a click on the bare
// background commits the entry and, if the door is open, hides the field and
// closes the door in six 100 ms steps. The two animations are independent;
// the display shows whichever member was assigned last. It does not know how
// the entry is read or stored: the entry's three operations are handed in.
class AlarmDoor {
public:
    struct Parts {
        Element& imgalarmdisplay;
        FrameSet imgalarmdoor;
        Element& txtalarm;
        Timer& tmopenalarmdoor;
        Timer& tmclosealarmdoor;
    };
    struct Entry {
        std::function<void()> loadalarm;
        std::function<void()> readalarm;
        std::function<void()> savealarm;
    };

    AlarmDoor(Parts parts, Entry entry);

    void imgalarmdisplay_Click();
    void Form_Click();
    void tmopenalarmdoor_Timer();
    void tmclosealarmdoor_Timer();

    // Open exactly when the display shares the open door's very picture:
    // only the opening's last step shares it and the closing's first
    // replaces it, so a door half way either way is not open.
    bool isOpen() const;

    std::int16_t openstep() const { return openstep_; }
    std::int16_t closestep() const { return closestep_; }
    const DynamicValue& closeframe() const { return closeframe_; }

    static constexpr int kOpenMember = 6;

private:
    Parts parts_;
    Entry entry_;
    std::int16_t openstep_ = 0;
    std::int16_t closestep_ = 0;
    DynamicValue closeframe_;
};

}  // namespace vclock
