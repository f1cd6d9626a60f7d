#pragma once

#include <array>
#include <string>

namespace vclock {

// How the user's region writes times and dates. Backends fill it from the
// system (Qt: QLocale; Windows: the user's locale); the simulated runtime
// carries fixed tables. Patterns use these fields:
//   h hh  hour 1-12 (hh: two digits)     H HH  hour 0-23
//   m mm  minute                         s ss  second
//   tt    AM/PM designator
//   d dd  day    M MM  month number    MMM abbreviated month    MMMM month name
//   yy    two-digit year               yyyy  four-digit year
// Any other character is written as it stands; text in single quotes is literal.
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

}  // namespace vclock
