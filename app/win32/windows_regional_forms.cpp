#include "app/win32/windows_regional_forms.h"

#include <windows.h>

#include <string>

#include "app/win32/win_text.h"

namespace vclock::win32 {
namespace {

// One text of the locale, or "" when it has none. The longest a locale
// gives (a month name, a format) is 80 characters.
std::string localeText(const wchar_t* localeName, LCTYPE what) {
    wchar_t buffer[128] = {};
    const int length = GetLocaleInfoEx(localeName, what, buffer, 128);
    if (length <= 1) return {};
    return toUtf8(std::wstring(buffer, static_cast<std::size_t>(length - 1)));
}

}  // namespace

// Windows' format pictures are the clock's pattern language but for a
// one-letter designator "t", which the clock writes as any run of 't'; eras
// and day names are fields the clock leaves out.
RegionalForms regionalFormsOf(const wchar_t* localeName) {
    RegionalForms forms = RegionalForms::englishUnitedStates();
    const std::string name = localeText(localeName, LOCALE_SNAME);
    if (name.empty()) return forms;
    forms.name = name;

    if (std::string time = localeText(localeName, LOCALE_STIMEFORMAT); !time.empty()) forms.timePattern = time;
    forms.amDesignator = localeText(localeName, LOCALE_S1159);
    forms.pmDesignator = localeText(localeName, LOCALE_S2359);
    if (std::string date = localeText(localeName, LOCALE_SSHORTDATE); !date.empty()) forms.shortDatePattern = date;
    for (int i = 0; i < 12; ++i) {
        forms.monthNames[static_cast<std::size_t>(i)] = localeText(localeName, static_cast<LCTYPE>(LOCALE_SMONTHNAME1 + i));
        forms.abbreviatedMonthNames[static_cast<std::size_t>(i)] =
            localeText(localeName, static_cast<LCTYPE>(LOCALE_SABBREVMONTHNAME1 + i));
    }
    return soundForms(forms);
}

RegionalForms userRegionalForms() { return regionalFormsOf(LOCALE_NAME_USER_DEFAULT); }

}  // namespace vclock::win32
