#include "app/qt/qt_regional_forms.h"

#include <algorithm>
#include <vector>

#include "app/text/date_pattern.h"

namespace vclock::qt {
namespace {

bool isAsciiLetter(QChar c) { return c.unicode() < 0x80 && c.isLetter(); }

// Whether a Qt format writes a day period: "AP", "ap", "A", "a", or the
// CLDR day periods "B" and "b", which Qt leaves in its formats unconverted.
bool writesDayPeriod(const QString& qtFormat) {
    bool quoted = false;
    for (const QChar c : qtFormat) {
        if (c == QLatin1Char('\'')) quoted = !quoted;
        if (!quoted && QStringLiteral("AaBb").contains(c)) return true;
    }
    return false;
}

// The clock's field for a run of one letter of a Qt format. Letters Qt
// gives no meaning stay themselves, and the clock leaves them out as it
// does the fields it does not write; Qt's time zone 't', which would be the
// clock's designator, becomes 'z', as milliseconds are.
QString fieldOf(QChar letter, qsizetype run, bool twelveHour) {
    const auto capped = [&](QChar c, qsizetype most) { return QString(std::min(run, most), c); };
    switch (letter.toLatin1()) {
        case 'h': return capped(twelveHour ? QLatin1Char('h') : QLatin1Char('H'), 2);
        case 'H': case 'm': case 's': return capped(letter, 2);
        case 'A': case 'a': case 'B': case 'b': return QStringLiteral("tt");
        case 'M': case 'd': return capped(letter, 4);
        // Two-digit years are ambiguous when read back; the clock writes four.
        case 'y': return QStringLiteral("yyyy");
        case 't': return QStringLiteral("z");
        default: return capped(letter, 4);
    }
}

}  // namespace

std::string patternOf(const QString& qtFormat) {
    const bool twelveHour = writesDayPeriod(qtFormat);
    QString clock;
    for (qsizetype i = 0; i < qtFormat.size();) {
        const QChar c = qtFormat[i];
        if (c == QLatin1Char('\'')) {
            // Quoted text stays quoted; two quotes in a row, which stand for
            // a quote in Qt, are left out: the clock's patterns cannot hold one.
            const qsizetype close = qtFormat.indexOf(QLatin1Char('\''), i + 1);
            const qsizetype end = close < 0 ? qtFormat.size() : close;
            clock += QLatin1Char('\'') + qtFormat.mid(i + 1, end - i - 1) + QLatin1Char('\'');
            i = end + 1;
            continue;
        }
        if (!isAsciiLetter(c)) {
            clock += c;
            ++i;
            continue;
        }
        qsizetype run = 1;
        while (i + run < qtFormat.size() && qtFormat[i + run] == c) ++run;
        // "AP" and "ap" are one field, as "A" and "a" are.
        if ((c == QLatin1Char('A') || c == QLatin1Char('a')) && i + run < qtFormat.size() &&
            qtFormat[i + run].toLower() == QLatin1Char('p')) {
            ++run;
        }
        clock += fieldOf(c, run, twelveHour);
        i += run;
    }
    return writtenPattern(clock.toStdString());
}

RegionalForms regionalFormsOf(const QLocale& locale) {
    if (locale.language() == QLocale::C) return RegionalForms::englishUnitedStates();
    RegionalForms forms;
    forms.name = locale.bcp47Name().toStdString();
    forms.timePattern = patternOf(locale.timeFormat(QLocale::LongFormat));
    const std::vector<PatternPiece> time = splitPattern(forms.timePattern);
    if (std::any_of(time.begin(), time.end(), [](const PatternPiece& p) { return p.field == 't'; })) {
        forms.amDesignator = locale.amText().toStdString();
        forms.pmDesignator = locale.pmText().toStdString();
    }
    forms.shortDatePattern = patternOf(locale.dateFormat(QLocale::ShortFormat));
    // The names as they stand alone: the medium date joins them with hyphens,
    // where a name for use inside a phrase ("de gen.") would not fit.
    for (int m = 0; m < 12; ++m) {
        forms.monthNames[m] = locale.standaloneMonthName(m + 1, QLocale::LongFormat).toStdString();
        forms.abbreviatedMonthNames[m] = locale.standaloneMonthName(m + 1, QLocale::ShortFormat).toStdString();
    }
    return soundForms(forms);
}

}  // namespace vclock::qt
