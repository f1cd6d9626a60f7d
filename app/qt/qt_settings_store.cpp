#include "app/qt/qt_settings_store.h"

#include <QFile>
#include <QRegularExpression>
#include <QSettings>
#include <QUrl>

namespace vclock::qt {
namespace {

QString keyPath(const std::string& section, const std::string& key) {
    return QString::fromStdString(section) + QLatin1Char('/') + QString::fromStdString(key);
}

// Qt's reader is lenient: a hand-edited line such as `note=\` or `x="abc`
// silently takes the sections after it into its value, and reports no
// error. Writing through such a reading would drop those sections from the
// file, so a file is written only when every well-formed section header in
// it was read as a group.
bool readFaithfully(const QSettings& settings) {
    QFile file(settings.fileName());
    if (!file.exists()) return true;
    if (!file.open(QIODevice::ReadOnly)) return false;
    static const QRegularExpression header(QStringLiteral("^\\s*\\[([^\\[\\]]+)\\]\\s*$"));
    const QStringList groups = settings.childGroups();
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine());
        const QRegularExpressionMatch match = header.match(line);
        if (!match.hasMatch()) continue;
        const QString name = QUrl::fromPercentEncoding(match.captured(1).trimmed().toUtf8());
        if (name.compare(QLatin1String("General"), Qt::CaseInsensitive) != 0 && !groups.contains(name)) return false;
    }
    return true;
}

}  // namespace


std::string QtSettingsStore::read(const std::string& app, const std::string& section, const std::string& key) {
    QSettings settings(QString::fromStdString(app));
    if (settings.status() != QSettings::NoError) return {};
    return settings.value(keyPath(section, key)).toString().toStdString();
}

void QtSettingsStore::write(const std::string& app, const std::string& section, const std::string& key,
                            const std::string& value) {
    QSettings settings(QString::fromStdString(app));
    // A file that cannot be read or parsed is left as it is rather than
    // replaced by one holding only what could be read.
    if (settings.status() != QSettings::NoError || !readFaithfully(settings)) return;
    settings.setValue(keyPath(section, key), QString::fromStdString(value));
    settings.sync();
}

}  // namespace vclock::qt
