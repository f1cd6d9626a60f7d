#include "app/qt/qt_regional_forms.h"

namespace vclock::qt {

std::string patternOf(const QString& qtFormat) {
    const bool twelveHour = qtFormat.contains(QLatin1String("ap"), Qt::CaseInsensitive);
    QString out;
    for (qsizetype i = 0; i < qtFormat.size();) {
        const QChar c = qtFormat[i];
        qsizetype run = 1;
        while (i + run < qtFormat.size() && qtFormat[i + run] == c) ++run;
        if (c == QLatin1Char('\'')) {
            // Quoted text passes through, quotes included.
            const qsizetype close = qtFormat.indexOf(QLatin1Char('\''), i + 1);
            const qsizetype end = close < 0 ? qtFormat.size() : close + 1;
            out += qtFormat.mid(i, end - i);
            i = end;
            continue;
        }
        const QString field(run, c);
        if (c == QLatin1Char('h')) {
            out += QString(std::min<qsizetype>(run, 2), twelveHour ? QLatin1Char('h') : QLatin1Char('H'));
        } else if (c == QLatin1Char('H') || c == QLatin1Char('m') || c == QLatin1Char('s')) {
            out += QString(std::min<qsizetype>(run, 2), c);
        } else if (c == QLatin1Char('A') || c == QLatin1Char('a')) {
            out += QLatin1String("tt");
            if (i + 1 < qtFormat.size() && qtFormat[i + 1].toLower() == QLatin1Char('p')) ++run;
        } else if (c == QLatin1Char('M')) {
            out += QString(std::min<qsizetype>(run, 4), c);
        } else if (c == QLatin1Char('d')) {
            if (run <= 2) out += field;  // ddd and dddd are weekdays
        } else if (c == QLatin1Char('y')) {
            // Two-digit years are ambiguous when read back; the clock writes four.
            out += QLatin1String("yyyy");
        } else if (c == QLatin1Char('t') || c == QLatin1Char('z')) {
            // time zone or milliseconds: not written
        } else {
            out += field;
        }
        i += run;
    }
    return out.trimmed().toStdString();
}

RegionalForms regionalFormsOf(const QLocale& locale) {
    if (locale.language() == QLocale::C) return RegionalForms::englishUnitedStates();
    RegionalForms forms;
    forms.name = locale.bcp47Name().toStdString();
    forms.timePattern = patternOf(locale.timeFormat(QLocale::LongFormat));
    if (forms.timePattern.find("tt") != std::string::npos) {
        forms.amDesignator = locale.amText().toStdString();
        forms.pmDesignator = locale.pmText().toStdString();
    }
    forms.shortDatePattern = patternOf(locale.dateFormat(QLocale::ShortFormat));
    for (int m = 0; m < 12; ++m) {
        forms.monthNames[m] = locale.monthName(m + 1, QLocale::LongFormat).toStdString();
        forms.abbreviatedMonthNames[m] = locale.monthName(m + 1, QLocale::ShortFormat).toStdString();
    }
    return forms;
}

}  // namespace vclock::qt
