#pragma once

#include <optional>
#include <string_view>

#include "app/text/date_time.h"
#include "app/text/regional_forms.h"

namespace vclock {

// Reads a date or time the way people type them, whatever the region's own
// patterns say: "7:30", "7:30 PM", "7:30pm", "PM 7:30", "19:30", "7:30:15",
// "7 PM", a short date in the region's order with or without a time, ISO
// "2001-03-25", a day, month name and year ("25-Mar-01"). Hours, minutes
// and seconds are joined by ':' or the region's own time separator. A
// designator is the region's own or the English "AM"/"PM" or "A"/"P", in
// any case and with or without its dots, before or after the time.
// `folded` comes from foldedText; anything that is not part of a date or
// time rejects the whole text.
std::optional<DateTime> readLeniently(std::string_view folded, const RegionalForms& forms);

}  // namespace vclock
