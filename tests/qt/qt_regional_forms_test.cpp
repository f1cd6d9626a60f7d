#include <gtest/gtest.h>

#include "app/qt/qt_regional_forms.h"

namespace vclock::qt {
namespace {

TEST(QtRegionalForms, QtFormatsBecomeClockPatterns) {
    const struct {
        const char* qt;
        const char* clock;
    } cases[] = {
        {"h:mm:ss AP t", "h:mm:ss tt"},  // zone dropped
        {"h:mm:ss ap", "h:mm:ss tt"},
        {"HH:mm:ss", "HH:mm:ss"},
        {"h:mm:ss", "H:mm:ss"},  // no designator: h means the 24-hour clock
        {"M/d/yy", "M/d/yyyy"},
        {"dd/MM/yyyy", "dd/MM/yyyy"},
        {"dd.MM.yy", "dd.MM.yyyy"},
        {"dddd, d MMMM yyyy", ", d MMMM yyyy"},
        {"HH 'h' mm", "HH 'h' mm"},
        {"hh:mm:ss.zzz AP", "hh:mm:ss. tt"},
    };
    for (const auto& c : cases) EXPECT_EQ(patternOf(QString::fromLatin1(c.qt)), c.clock) << c.qt;
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

}  // namespace
}  // namespace vclock::qt
