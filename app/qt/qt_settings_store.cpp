#include "app/qt/qt_settings_store.h"

#include <QSettings>

namespace vclock::qt {
namespace {

QString keyPath(const std::string& section, const std::string& key) {
    return QString::fromStdString(section) + QLatin1Char('/') + QString::fromStdString(key);
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
    // replaced by one holding only this value.
    if (settings.status() != QSettings::NoError) return;
    settings.setValue(keyPath(section, key), QString::fromStdString(value));
    settings.sync();
}

}  // namespace vclock::qt
