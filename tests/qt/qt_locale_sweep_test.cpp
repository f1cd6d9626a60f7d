#include <gtest/gtest.h>

#include <QLocale>

#include "app/qt/qt_regional_forms.h"
#include "app/text/date_text.h"
#include "tests/text/forms_sweep.h"

namespace vclock::qt {
namespace {

QList<QLocale> everyLocale() {
    return QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
}

std::string join(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& line : lines) out += "\n  " + line;
    return out;
}

// Every locale Qt knows, with the forms this backend makes of it: times and
// dates read back as written, nothing stray is written, and what people
// type or older versions stored reads.
TEST(QtLocaleSweep, EveryLocaleReadsBackWhatItWrites) {
    const QList<QLocale> locales = everyLocale();
    ASSERT_GT(locales.size(), 500);
    const std::vector<std::int64_t> days = sweep::datesInTurn();
    for (const QLocale& locale : locales) {
        const RegionalForms forms = regionalFormsOf(locale);
        const std::vector<std::string> words = sweep::quotedWords(locale.timeFormat(QLocale::LongFormat).toStdString());
        const std::vector<std::string> failed = sweep::failures(forms, words, days);
        EXPECT_TRUE(failed.empty()) << locale.name().toStdString() << " (" << forms.timePattern << ", "
                                    << forms.shortDatePattern << "):" << join(failed);
    }
    RecordProperty("locales", static_cast<int>(locales.size()));
}

// Where the locale puts the day period (before or after the time in its
// format), the written time has the designator: at its start or its end.
TEST(QtLocaleSweep, DesignatorStandsWhereTheLocalePutsIt) {
    for (const QLocale& locale : everyLocale()) {
        const QString format = locale.timeFormat(QLocale::LongFormat);
        qsizetype period = -1;
        qsizetype hour = -1;
        bool quoted = false;
        for (qsizetype i = 0; i < format.size(); ++i) {
            const QChar c = format[i];
            if (c == QLatin1Char('\'')) quoted = !quoted;
            if (quoted) continue;
            if (period < 0 && QStringLiteral("AaBb").contains(c)) period = i;
            if (hour < 0 && c.toLower() == QLatin1Char('h')) hour = i;
        }
        if (period < 0 || locale.language() == QLocale::C) continue;
        const RegionalForms forms = regionalFormsOf(locale);
        for (const auto& [time, designator] : {std::pair{DateTime::timeOfDay(7, 30, 0), locale.amText()},
                                               std::pair{DateTime::timeOfDay(19, 30, 0), locale.pmText()}}) {
            const std::string text = dateToText(time, forms);
            const std::string expected = designator.toStdString();
            if (period < hour) {
                EXPECT_TRUE(text.starts_with(expected)) << locale.name().toStdString() << ": " << text;
            } else {
                EXPECT_TRUE(text.ends_with(expected)) << locale.name().toStdString() << ": " << text;
            }
        }
    }
}

}  // namespace
}  // namespace vclock::qt
