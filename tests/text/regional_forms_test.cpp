#include "app/text/regional_forms.h"

#include <gtest/gtest.h>

#include "tests/text/forms_sweep.h"

namespace vclock {
namespace {

RegionalForms withTime(const char* pattern, const char* am, const char* pm) {
    RegionalForms forms = RegionalForms::englishUnitedStates();
    forms.timePattern = pattern;
    forms.amDesignator = am;
    forms.pmDesignator = pm;
    return forms;
}

RegionalForms withDate(const char* pattern) {
    RegionalForms forms = RegionalForms::englishUnitedStates();
    forms.shortDatePattern = pattern;
    return forms;
}

// Forms as a system may give them become forms whose every time and date
// reads back; forms that already do stay as they are.
TEST(SoundForms, MendWhatWouldNotReadBack) {
    const auto check = [](const char* name, const RegionalForms& given, const char* time, const char* date) {
        const RegionalForms sound = soundForms(given);
        EXPECT_EQ(sound.timePattern, time) << name;
        EXPECT_EQ(sound.shortDatePattern, date) << name;
        EXPECT_EQ(sweep::failures(sound, {}, sweep::datesInTurn()), std::vector<std::string>{}) << name;
    };
    check("control: the United States", RegionalForms::englishUnitedStates(), "h:mm:ss tt", "M/d/yyyy");
    check("control: Germany", RegionalForms::germanGermany(), "HH:mm:ss", "dd.MM.yyyy");
    check("twelve hours without designators", withTime("h:mm:ss tt", "", ""), "H:mm:ss", "M/d/yyyy");
    check("designator first, none given", withTime("tt h:mm:ss", "", ""), "H:mm:ss", "M/d/yyyy");
    check("designators that do not differ", withTime("h:mm:ss tt", "am", "AM"), "H:mm:ss", "M/d/yyyy");
    check("twelve hours and no designator field", withTime("h:mm:ss", "AM", "PM"), "H:mm:ss", "M/d/yyyy");
    check("a designator field but no designators", withTime("HH:mm:ss tt", "", ""), "HH:mm:ss", "M/d/yyyy");
    check("no seconds", withTime("HH:mm", "AM", "PM"), "h:mm:ss tt", "M/d/yyyy");
    check("two hour fields", withTime("HH:mm:ss (h)", "AM", "PM"), "h:mm:ss tt", "M/d/yyyy");
    check("a date in the time", withTime("d HH:mm:ss", "AM", "PM"), "h:mm:ss tt", "M/d/yyyy");
    check("an era", withDate("gg yyyy/M/d"), "h:mm:ss tt", "yyyy/M/d");
    check("two-digit year", withDate("dd/MM/yy"), "h:mm:ss tt", "dd/MM/yyyy");
    check("no day", withDate("MMMM yyyy"), "h:mm:ss tt", "M/d/yyyy");
    check("a time in the date", withDate("d/M/yyyy HH"), "h:mm:ss tt", "M/d/yyyy");
}

TEST(SoundForms, MonthNamesThatCannotBeToldApart) {
    RegionalForms given = RegionalForms::germanGermany();
    given.abbreviatedMonthNames[5] = "Jun";
    given.abbreviatedMonthNames[6] = "jun";  // the reader ignores case
    given.monthNames[11] = "";
    const RegionalForms sound = soundForms(given);
    EXPECT_EQ(sound.abbreviatedMonthNames, RegionalForms::englishUnitedStates().abbreviatedMonthNames);
    EXPECT_EQ(sound.monthNames, RegionalForms::englishUnitedStates().monthNames);
    EXPECT_EQ(soundForms(RegionalForms::germanGermany()).abbreviatedMonthNames[2], "Mrz");  // control
}

}  // namespace
}  // namespace vclock
