#pragma once

#include <QLocale>

#include "app/text/regional_forms.h"

namespace vclock::qt {

// The regional forms of a Qt locale, mended by soundForms; the C locale (no
// region set) writes like English (United States).
RegionalForms regionalFormsOf(const QLocale& locale);

// Turns a Qt date or time format into the clock's pattern language. Fields
// the clock does not write (weekdays, time zones, milliseconds, letters Qt
// has no meaning for) are left out with the blanks, brackets and commas that
// join them; the CLDR day periods "B" and "b" are the designator.
std::string patternOf(const QString& qtFormat);

}  // namespace vclock::qt
