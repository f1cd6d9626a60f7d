#include <gtest/gtest.h>

#include "app/qt/qt_regional_forms.h"
#include "app/text/date_text.h"

namespace vclock::qt {
namespace {

TEST(QtRegionalForms, QtFormatsBecomeClockPatterns) {
    const struct {
        const char* qt;
        const char* clock;
    } cases[] = {
        {"h:mm:ss AP t", "h:mm:ss tt"},  // control: zone dropped with its blank
        {"h:mm:ss ap", "h:mm:ss tt"},
        {"HH:mm:ss", "HH:mm:ss"},
        {"h:mm:ss", "H:mm:ss"},  // no designator: h means the 24-hour clock
        {"M/d/yy", "M/d/yyyy"},
        {"dd/MM/yyyy", "dd/MM/yyyy"},
        {"dd.MM.yy", "dd.MM.yyyy"},
        {"dddd, d MMMM yyyy", "d MMMM yyyy"},  // weekday dropped with its comma
        {"HH 'h' mm", "HH 'h' mm"},
        {"hh:mm:ss.zzz AP", "hh:mm:ss tt"},  // milliseconds dropped with their dot
        {"H:mm:ss (t)", "H:mm:ss"},          // zone in brackets
        {"APh:mm:ss [t]", "tth:mm:ss"},
        {"Bh:mm:ss [t]", "tth:mm:ss"},  // the CLDR day period Qt leaves unconverted
        {"t APh:mm:ss", "tth:mm:ss"},   // zone first
        {"h:mm:ss AP, t", "h:mm:ss tt"},
        {"HH:mm:ss, t", "HH:mm:ss"},
        {"H:mm:ss 'ч'. t", "H:mm:ss ч."},  // the dot of an abbreviation stays
        {"'kl'. HH:mm:ss t", "'kl'. HH:mm:ss"},
        {"AP h시 m분 s초 t", "tt h시 m분 s초"},
        {"H-'a' 'horo' 'kaj' m:ss t", "H-'a' 'horo' 'kaj' m:ss"},
        {"HH:mm:ss Q", "HH:mm:ss"},  // a letter Qt has no meaning for is no text
        {"HH 'o''clock'", "HH 'o''clock'"},  // "oclock": a quote cannot stand in the clock's patterns
    };
    for (const auto& c : cases) EXPECT_EQ(patternOf(QString::fromUtf8(c.qt)), c.clock) << c.qt;
}

TEST(QtRegionalForms, CLocaleWritesLikeTheUnitedStates) {
    const RegionalForms forms = regionalFormsOf(QLocale::c());
    EXPECT_EQ(forms.timePattern, "h:mm:ss tt");
    EXPECT_EQ(forms.pmDesignator, "PM");
}

TEST(QtRegionalForms, GermanLocaleWritesTwentyFourHours) {
    const RegionalForms forms = regionalFormsOf(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(forms.timePattern, "HH:mm:ss");
    EXPECT_TRUE(forms.amDesignator.empty());
    EXPECT_EQ(forms.shortDatePattern, "dd.MM.yyyy");
    EXPECT_EQ(forms.monthNames[2], "März");
}

// Regions whose written times once read back as nothing, so that one click
// after a restart stored noon: what they write now.
TEST(QtRegionalForms, UnusualRegionsWriteTheirOwnTime) {
    const struct {
        const char* locale;
        const char* morning;  // 7:30
        const char* medium;   // 25 March 2001
    } cases[] = {
        {"en_US", "7:30:00 AM", "25-Mar-01"},  // control
        {"ca_ES", "7:30:00", "25-març-01"},
        {"eu_ES", "07:30:00", "25-mar.-01"},
        {"bg_BG", "7:30:00 ч.", "25-март-01"},
        {"be_BY", "07:30:00", "25-сак-01"},
        {"ko_KR", "오전 7시 30분 0초", "25-3월-01"},
        {"zh_TW", "上午7:30:00", "25-3月-01"},
    };
    for (const auto& c : cases) {
        const RegionalForms forms = regionalFormsOf(QLocale(QString::fromLatin1(c.locale)));
        const DateTime morning = DateTime::timeOfDay(7, 30, 0);
        EXPECT_EQ(dateToText(morning, forms), c.morning) << c.locale;
        EXPECT_EQ(textToDate(c.morning, forms), morning) << c.locale;
        EXPECT_EQ(mediumDate(DateTime::fromCivil(2001, 3, 25), forms), c.medium) << c.locale;
    }
}

}  // namespace
}  // namespace vclock::qt
