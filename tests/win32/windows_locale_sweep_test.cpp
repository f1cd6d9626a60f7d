#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "app/text/date_text.h"
#include "app/win32/win_text.h"
#include "app/win32/windows_regional_forms.h"
#include "tests/text/forms_sweep.h"

namespace vclock::win32 {
namespace {

BOOL CALLBACK collectName(LPWSTR name, DWORD, LPARAM names) {
    reinterpret_cast<std::vector<std::wstring>*>(names)->push_back(name);
    return TRUE;
}

std::vector<std::wstring> everyLocale() {
    std::vector<std::wstring> names;
    EXPECT_TRUE(EnumSystemLocalesEx(collectName, LOCALE_ALL, reinterpret_cast<LPARAM>(&names), nullptr));
    return names;
}

std::string timeFormatOf(const std::wstring& name) {
    wchar_t buffer[128] = {};
    const int length = GetLocaleInfoEx(name.c_str(), LOCALE_STIMEFORMAT, buffer, 128);
    return length > 1 ? toUtf8(std::wstring(buffer, static_cast<std::size_t>(length - 1))) : std::string();
}

std::string join(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& line : lines) out += "\n  " + line;
    return out;
}

// Every locale the system lists, with the forms this backend reads of it:
// times and dates read back as written, nothing stray is written, and what
// people type or older versions stored reads.
TEST(WindowsLocaleSweep, EveryLocaleReadsBackWhatItWrites) {
    const std::vector<std::wstring> names = everyLocale();
    ASSERT_GT(names.size(), 100U);
    const std::vector<std::int64_t> days = sweep::datesInTurn();
    for (const std::wstring& name : names) {
        const RegionalForms forms = regionalFormsOf(name.c_str());
        const std::vector<std::string> failed = sweep::failures(forms, sweep::quotedWords(timeFormatOf(name)), days);
        EXPECT_TRUE(failed.empty()) << toUtf8(name) << " (" << forms.timePattern << ", " << forms.shortDatePattern
                                    << "):" << join(failed);
    }
    RecordProperty("locales", static_cast<int>(names.size()));
}

// A locale by name and the user's own (English (United States) under Wine).
TEST(WindowsLocaleSweep, NamedAndUserLocales) {
    const RegionalForms korean = regionalFormsOf(L"ko-KR");
    EXPECT_EQ(korean.name, "ko-KR");
    EXPECT_EQ(dateToText(DateTime::timeOfDay(19, 30, 0), korean).find(korean.pmDesignator), 0U);
    EXPECT_EQ(regionalFormsOf(L"no-such-locale").timePattern, RegionalForms::englishUnitedStates().timePattern);
    EXPECT_FALSE(userRegionalForms().name.empty());
}

}  // namespace
}  // namespace vclock::win32
