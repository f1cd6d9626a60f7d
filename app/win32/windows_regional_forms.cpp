#include "app/win32/windows_regional_forms.h"

#include <windows.h>

#include <string>

#include "app/win32/win_text.h"

namespace vclock::win32 {
namespace {

std::string localeText(LCTYPE what) {
    wchar_t buffer[128] = {};
    const int length = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, what, buffer, 128);
    if (length <= 1) return {};
    return toUtf8(std::wstring(buffer, static_cast<std::size_t>(length - 1)));
}

// Windows writes a one-letter designator as "t"; the date text knows "tt".
std::string withFullDesignator(std::string pattern) {
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != 't') continue;
        if (i + 1 < pattern.size() && pattern[i + 1] == 't') {
            ++i;
        } else {
            pattern.insert(i, 1, 't');
            ++i;
        }
    }
    return pattern;
}

// Day names, eras and three-letter years are Windows forms the date text
// does not write.
bool writableDatePattern(const std::string& pattern) {
    if (pattern.empty() || pattern.find("ddd") != std::string::npos || pattern.find('g') != std::string::npos) {
        return false;
    }
    std::size_t run = 0;
    for (std::size_t i = 0; i <= pattern.size(); ++i) {
        if (i < pattern.size() && pattern[i] == 'y') {
            ++run;
            continue;
        }
        if (run != 0 && run != 2 && run != 4) return false;
        run = 0;
    }
    return true;
}

}  // namespace

RegionalForms userRegionalForms() {
    RegionalForms forms = RegionalForms::englishUnitedStates();
    const std::string name = localeText(LOCALE_SNAME);
    if (name.empty()) return forms;
    forms.name = name;

    const std::string time = localeText(LOCALE_STIMEFORMAT);
    if (!time.empty()) forms.timePattern = withFullDesignator(time);
    forms.amDesignator = localeText(LOCALE_S1159);
    forms.pmDesignator = localeText(LOCALE_S2359);

    const std::string date = localeText(LOCALE_SSHORTDATE);
    if (writableDatePattern(date)) forms.shortDatePattern = date;

    const RegionalForms fallback = RegionalForms::englishUnitedStates();
    for (int i = 0; i < 12; ++i) {
        const std::string month = localeText(static_cast<LCTYPE>(LOCALE_SMONTHNAME1 + i));
        const std::string shortMonth = localeText(static_cast<LCTYPE>(LOCALE_SABBREVMONTHNAME1 + i));
        forms.monthNames[static_cast<std::size_t>(i)] = month.empty() ? fallback.monthNames[i] : month;
        forms.abbreviatedMonthNames[static_cast<std::size_t>(i)] =
            shortMonth.empty() ? fallback.abbreviatedMonthNames[i] : shortMonth;
    }
    return forms;
}

}  // namespace vclock::win32
