#pragma once

#include "app/text/regional_forms.h"

namespace vclock::win32 {

// The regional forms of a Windows locale by name ("ko-KR"; null for the
// user's), mended by soundForms. Where the locale gives nothing, that part
// comes from the English (United States) table.
RegionalForms regionalFormsOf(const wchar_t* localeName);

// The user's regional forms: regionalFormsOf the user's default locale.
RegionalForms userRegionalForms();

}  // namespace vclock::win32
