#pragma once

namespace vclock::setting_names {

// Where the program keeps its two values in the per-user store. The
// application name is used exactly as written, space included, so that
// every backend finds the same values.
inline constexpr const char* kApp = "Vordane Clock";

struct Address {
    const char* section;
    const char* key;
};

// The alarm time as date text; seeded with kDefaultAlarm when found empty.
inline constexpr Address kAlarm{"Alarm", "currentime"};
inline constexpr const char* kDefaultAlarm = "12:00:00 PM";

// Empty until the first-run message is answered with OK; "false" right
// after that answer, "true" from the next activation on.
inline constexpr Address kFreeInfo{"Popup", "okornot"};

}  // namespace vclock::setting_names
