#pragma once

#include "app/runtime.h"
#include "app/text/date_time.h"
#include "app/text/dynamic_value.h"
#include "app/window/element.h"

namespace vclock {

// Moves the alarm time between the entry field `txtalarm`, the armed value
// `alarmtime` and the settings store. Arming and storing stay separate:
// only `readalarm` changes `alarmtime`. It does not decide when it runs.
class AlarmEntry {
public:
    AlarmEntry(Runtime& runtime, Element& txtalarm);

    // Arms the field's text: a date-time when it is a valid date text,
    // otherwise the text itself (which never matches the clock). A text
    // that is neither empty nor valid gets the time-format message.
    void readalarm();
    // Stores the normalised form of the field's time; an empty or invalid
    // field stores nothing.
    void savealarm();
    // Shows the stored time in the field, or seeds the store with the default.
    void loadalarm();

    // The armed alarm: empty until the first commit.
    const DynamicValue& alarmtime() const { return alarmtime_; }

private:
    Runtime& runtime_;
    Element& txtalarm_;
    DynamicValue alarmtime_;
    DateTime savedalarm_;
    DateTime storedalarm_;
};

}  // namespace vclock
