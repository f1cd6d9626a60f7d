#pragma once

#include <array>
#include <string>

namespace vclock {

// How the user's region writes times and dates. Backends fill it from the
// system (Qt: QLocale; Windows: the user's locale) and mend it with
// soundForms; the simulated runtime carries fixed tables. Patterns use
// these fields:
//   h hh  hour 1-12 (hh: two digits)     H HH  hour 0-23
//   m mm  minute                         s ss  second
//   tt    AM/PM designator
//   d dd  day    M MM  month number    MMM abbreviated month    MMMM month name
//   yy    two-digit year               yyyy  four-digit year
// Any other ASCII letter is a field the clock does not write (ddd and dddd
// weekdays, eras, time zones). Text in single quotes is literal, and so is
// any other character.
struct RegionalForms {
    std::string name;              // e.g. "en-US", for diagnostics only
    std::string timePattern;       // long time: "h:mm:ss tt", "HH:mm:ss"
    std::string amDesignator;      // "AM"; empty where the region writes 24-hour times
    std::string pmDesignator;      // "PM"
    std::string shortDatePattern;  // "M/d/yyyy", "dd/MM/yyyy", "dd.MM.yyyy"
    std::array<std::string, 12> monthNames;
    std::array<std::string, 12> abbreviatedMonthNames;

    static RegionalForms englishUnitedStates();
    static RegionalForms englishUnitedKingdom();
    static RegionalForms germanGermany();
};

// Forms as a system gave them, mended where they would write text that does
// not read back as the time it stands for:
// - fields the clock does not write are left out with their joiners;
// - a time pattern without an hour, a minute or a second, or a date pattern
//   without a day, a month and a year (or with a time field), is replaced
//   by the English (United States) one;
// - years are written with four digits, since two do not tell the century;
// - a twelve-hour time without two designators that differ is written on
//   the 24-hour clock;
// - month names that are missing or not all different give way to the
//   English ones.
RegionalForms soundForms(RegionalForms forms);

}  // namespace vclock
