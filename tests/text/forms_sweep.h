#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "app/text/regional_forms.h"

namespace vclock::sweep {

// What must hold for the forms of any region, checked over many times and
// dates; shared by the sweeps over every locale of each backend.
//
// - Every time of day of timesOfDay() reads back as itself.
// - Each of `days` (counted from the zero date) reads back with a time and
//   at midnight; its medium date is the day, the month abbreviation and the
//   two-digit year joined by hyphens, and reads back within 1930..2029.
// - The written time has nothing stray: see strayInTime.
// - A time typed as "7:30", "19:30", "7:30 PM", "7 PM", or written in
//   English (United States) forms ("12:00:00 PM", "7:30:00 AM") reads as
//   that time; "abc", "24:00", "7:60" and "7" do not read.
//
// Returns what failed, one line each (at most a few per kind), or nothing.
// `quotedWords` are the words the region's own format quotes ("Klock",
// "h"): the only ASCII letters a written time may hold beside its
// designator.
std::vector<std::string> failures(const RegionalForms& forms, const std::vector<std::string>& quotedWords,
                                  const std::vector<std::int64_t>& days);

// Every minute of the day, each at another second, and every second of
// the minutes next to midnight and noon: all hours, both halves of the day
// and their edges.
std::vector<std::int64_t> timesOfDay();

// Every month, days 1, 12, 13 and 28 to 31 where the month has them, in
// every year from 1999 to 2100: 8,568 dates.
std::vector<std::int64_t> dates();

// The same years and months with one of those days each, in turn, so that
// every month has each of them in some year (the last day of the month for
// a day it does not have): 1,224 dates, for sweeps over hundreds of locales.
std::vector<std::int64_t> datesInTurn();

// What is stray in a written time, or "" when nothing is. It has no blank
// at either end and no two blanks in a row; it neither starts with ASCII
// punctuation nor ends with any, but for a dot after a letter ("ч.",
// "a.m."); and once the designators and the quoted words are left out, no
// ASCII letter (a pattern letter written as text), bracket or comma is left.
std::string strayInTime(std::string_view text, const RegionalForms& forms, const std::vector<std::string>& quotedWords);

// The words a Windows or Qt format quotes: "HH 'h' mm" gives "h".
std::vector<std::string> quotedWords(std::string_view format);

}  // namespace vclock::sweep
