#include "app/qt/file_replacement.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include <QFile>
#include <QRandomGenerator>

namespace vclock::qt {
namespace {

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// The new file is created with the user's default permissions; an old file
// with others (a private 0600, say) passes them on.
bool takeMode(int fd, mode_t mode) {
    struct stat created {};
    if (::fstat(fd, &created) != 0) return false;
    if ((created.st_mode & 07777) == (mode & 07777)) return true;
    return ::fchmod(fd, mode & 07777) == 0;
}

QByteArray folderOf(const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0) return ".";
    return slash == 0 ? QByteArray("/") : path.left(slash);
}

// Makes the rename itself durable. When that fails there is nothing to
// undo: the new file is in place either way.
void syncFolder(const QByteArray& folder) {
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

FileReplacement::FileReplacement(const QString& path) : path_(QFile::encodeName(path)) {}

FileReplacement::~FileReplacement() { discard(); }

bool FileReplacement::prepare(std::string_view bytes) {
    discard();
    struct stat old {};
    const bool exists = ::stat(path_.constData(), &old) == 0;
    if (exists && ::access(path_.constData(), W_OK) != 0) return false;

    int fd = -1;
    for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
        temporary_ = path_ + ".new-" + QByteArray::number(QRandomGenerator::global()->generate(), 16);
        fd = ::open(temporary_.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) {
        temporary_.clear();
        return false;
    }
    bool written = writeAll(fd, bytes) && (!exists || takeMode(fd, old.st_mode)) && ::fsync(fd) == 0;
    // Some file systems report a failed write only when the file is closed.
    written = ::close(fd) == 0 && written;
    if (!written) discard();
    return written;
}

FileReplacement::Kept FileReplacement::keepOldAs(const QString& name) {
    if (temporary_.isEmpty()) return Kept::Failed;
    const QByteArray keptName = QFile::encodeName(name);
    if (::link(path_.constData(), keptName.constData()) == 0) {
        kept_ = keptName;
        return Kept::Yes;
    }
    return errno == EEXIST ? Kept::NameTaken : Kept::Failed;
}

bool FileReplacement::commit() {
    if (temporary_.isEmpty()) return false;
    if (::rename(temporary_.constData(), path_.constData()) != 0) {
        discard();
        return false;
    }
    temporary_.clear();
    kept_.clear();
    syncFolder(folderOf(path_));
    return true;
}

void FileReplacement::discard() {
    if (!temporary_.isEmpty()) ::unlink(temporary_.constData());
    if (!kept_.isEmpty()) ::unlink(kept_.constData());
    temporary_.clear();
    kept_.clear();
}

}  // namespace vclock::qt
