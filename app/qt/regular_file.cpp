#include "app/qt/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include <QFile>

namespace vclock::qt {
namespace {

// Closes the descriptor on every way out.
struct Descriptor {
    int fd;
    ~Descriptor() {
        if (fd >= 0) ::close(fd);
    }
};

}  // namespace

FileContents readRegularFile(const QString& path, qint64 largest) {
    // O_NONBLOCK: opening a named pipe for reading would otherwise wait for
    // a writer for ever. It changes nothing for a regular file.
    const Descriptor file{::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY)};
    if (file.fd < 0) {
        return {errno == ENOENT || errno == ENOTDIR ? FileContents::Status::Missing : FileContents::Status::Unusable,
                {}};
    }
    struct stat info {};
    if (::fstat(file.fd, &info) != 0 || !S_ISREG(info.st_mode)) return {FileContents::Status::Unusable, {}};
    if (info.st_size > largest) return {FileContents::Status::TooLarge, {}};

    // Read to the end, not to the size seen: the file may change meanwhile.
    QByteArray bytes;
    char chunk[16384];
    for (;;) {
        const ssize_t got = ::read(file.fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return {FileContents::Status::Unusable, {}};
        if (got == 0) break;
        if (bytes.size() + got > largest) return {FileContents::Status::TooLarge, {}};
        bytes.append(chunk, got);
    }
    return {FileContents::Status::Read, bytes};
}

}  // namespace vclock::qt
