#pragma once

#include <QLocale>

#include "app/text/regional_forms.h"

namespace vclock::qt {

// The regional forms of a Qt locale; the C locale (no region set) writes
// like English (United States).
RegionalForms regionalFormsOf(const QLocale& locale);

// Turns a Qt date or time format into the clock's pattern language; fields
// the clock does not write (weekdays, time zones) are dropped.
std::string patternOf(const QString& qtFormat);

}  // namespace vclock::qt
