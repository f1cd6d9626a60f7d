#pragma once

#include "app/text/regional_forms.h"

namespace vclock::win32 {

// The user's regional forms from the Windows locale. Where the locale
// gives a form the date text cannot write (or gives nothing), that part
// comes from the English (United States) table.
RegionalForms userRegionalForms();

}  // namespace vclock::win32
