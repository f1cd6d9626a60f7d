#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "app/text/date_time.h"
#include "app/text/regional_forms.h"

namespace vclock {

// Date-to-text: the regional form. A value with date part zero is written
// as the time alone, with seconds ("7:30:00 AM"); a value with a date as the
// short date, a blank and the time, or the date alone when its time is midnight.
std::string dateToText(DateTime value, const RegionalForms& forms);

// The named format "Medium Date": day, abbreviated month name and two-digit
// year joined by hyphens ("25-Mar-01").
std::string mediumDate(DateTime value, const RegionalForms& forms);

// Text-to-date: first by the region's own patterns, so that whatever
// dateToText and mediumDate wrote reads back as the value they wrote; then
// lenient the way people type times: "7:30", "7:30 PM", "7:30pm", "PM 7:30",
// "19:30", "7:30:15", "7 PM", a short date in the regional order with or
// without a time, ISO "2001-03-25". Blanks at either end, direction marks
// and the kind of blank are ignored; anything else that is not part of a
// date or time rejects the whole text. A time alone gives a value with date
// part zero.
std::optional<DateTime> textToDate(std::string_view text, const RegionalForms& forms);

// The validity test: true exactly when textToDate succeeds.
bool isDate(std::string_view text, const RegionalForms& forms);

// Whole numbers as text: decimal digits, a minus sign when negative, no padding.
std::string numberToText(long long value);

}  // namespace vclock
