#include "app/qt/qt_settings_store.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "app/qt/file_replacement.h"
#include "app/qt/ini_document.h"
#include "app/qt/regular_file.h"

namespace vclock::qt {
namespace {

// Far above anything the clock writes (two short values), with room for
// hand-edited values of a megabyte or two; a file this large is still read
// and searched in tens of milliseconds.
constexpr qint64 kLargestFile = 4 << 20;

// The file QSettings(app) used: <app>.conf in the user's configuration
// folder. Nothing when there is no such folder.
QString settingsPath(const std::string& app) {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (folder.isEmpty()) return {};
    return folder + QLatin1Char('/') + QString::fromStdString(app) + QStringLiteral(".conf");
}

// A settings file kept as a link to a file elsewhere (as some users keep
// their configuration) is written where the link leads, and stays a link.
QString fileBehind(const QString& path) {
    const QFileInfo info(path);
    const QString target = info.isSymLink() ? info.canonicalFilePath() : QString();
    return target.isEmpty() ? path : target;
}

std::string_view viewOf(const QByteArray& bytes) { return {bytes.constData(), static_cast<std::size_t>(bytes.size())}; }

// Keeps the old file under "<name>.unreadable-<local date>-<time>" (with
// "-2", "-3"… when that name is taken), never over an earlier kept file.
bool keepAside(FileReplacement& replacement, const QString& path) {
    const QString stamped =
        path + QStringLiteral(".unreadable-") + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    for (int n = 1; n <= 100; ++n) {
        const QString name = n == 1 ? stamped : stamped + QLatin1Char('-') + QString::number(n);
        switch (replacement.keepOldAs(name)) {
            case FileReplacement::Kept::Yes: return true;
            case FileReplacement::Kept::NameTaken: continue;
            case FileReplacement::Kept::Failed: return false;
        }
    }
    return false;
}

}  // namespace

std::string QtSettingsStore::read(const std::string& app, const std::string& section, const std::string& key) {
    const QString path = settingsPath(app);
    if (path.isEmpty()) return {};
    const FileContents file = readRegularFile(path, kLargestFile);
    if (file.status != FileContents::Status::Read) return {};
    return IniDocument(viewOf(file.bytes)).value(section, key);
}

void QtSettingsStore::write(const std::string& app, const std::string& section, const std::string& key,
                            const std::string& value) {
    const QString settings = settingsPath(app);
    if (settings.isEmpty()) return;
    QDir().mkpath(QFileInfo(settings).absolutePath());
    const QString path = fileBehind(settings);

    // A pipe, a device or a folder in the file's place, or a file we may not
    // read, is left alone; a file too large to read is kept aside like one
    // that cannot be read whole.
    const FileContents file = readRegularFile(path, kLargestFile);
    if (file.status == FileContents::Status::Unusable) return;
    const IniDocument document(file.status == FileContents::Status::Read ? viewOf(file.bytes) : std::string_view());
    const bool keepOld = file.status == FileContents::Status::TooLarge || !document.readWhole();
    const std::string text = document.withValue(section, key, value);
    if (file.status == FileContents::Status::Read && !keepOld && viewOf(file.bytes) == text) return;

    FileReplacement replacement(path);
    if (!replacement.prepare(text)) return;
    if (keepOld && !keepAside(replacement, path)) return;
    replacement.commit();
}

}  // namespace vclock::qt
