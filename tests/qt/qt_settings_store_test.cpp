#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <csignal>
#include <string>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

#include "app/qt/qt_settings_store.h"

namespace vclock::qt {
namespace {

class QtSettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
        QDir(folder).removeRecursively();
        QDir().mkpath(folder);
        path = folder + QStringLiteral("/Vordane Clock.conf");
    }
    void TearDown() override { QDir(folder).removeRecursively(); }

    QByteArray fileText(const QString& name) const {
        QFile f(name);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QByteArray fileText() const { return fileText(path); }
    void writeFile(const QByteArray& text, const QString& name) const {
        QFile f(name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(f.write(text), text.size());
    }
    void writeFile(const QByteArray& text) const { writeFile(text, path); }

    // Every name in the folder but the settings file's.
    QStringList othersInFolder() const {
        QStringList names = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        names.removeAll(QStringLiteral("Vordane Clock.conf"));
        return names;
    }

    std::string read(const char* section, const char* key) { return store.read("Vordane Clock", section, key); }
    void write(const char* section, const char* key, const std::string& value) {
        store.write("Vordane Clock", section, key, value);
    }

    QtSettingsStore store;
    QString folder;
    QString path;
};

TEST_F(QtSettingsStoreTest, WritesTheApplicationsFileInTheUsersConfigFolder) {
    EXPECT_EQ(folder, qEnvironmentVariable("XDG_CONFIG_HOME"));
    write("Alarm", "currentime", "12:00:00 PM");
    EXPECT_EQ(fileText(), "[Alarm]\ncurrentime=12:00:00 PM\n");
    EXPECT_EQ(read("Alarm", "currentime"), "12:00:00 PM");
    EXPECT_EQ(read("Popup", "okornot"), "");
    EXPECT_TRUE(othersInFolder().isEmpty()) << othersInFolder().join(u' ').toStdString();
}

TEST_F(QtSettingsStoreTest, ValuesRoundTripExactly) {
    const std::string values[] = {
        "", " leading and trailing ", "a \"quoted\", comma; value", "=[Alarm]\nnext line\r\n",
        "Grüße, 時計, 🕰", "back\\slash %20 #hash", std::string(100000, 'x'),
    };
    for (const std::string& v : values) {
        write("Alarm", "currentime", v);
        EXPECT_EQ(read("Alarm", "currentime"), v);
    }
}

TEST_F(QtSettingsStoreTest, SeesValuesEditedWhileRunning) {
    write("Alarm", "currentime", "7:30:00 AM");
    writeFile("[Alarm]\ncurrentime=11:45:00 PM\n");
    EXPECT_EQ(read("Alarm", "currentime"), "11:45:00 PM");
}

TEST_F(QtSettingsStoreTest, AnotherSectionsWriteKeepsEveryLineAsItWas) {
    const QByteArray before = "; kept\n[Alarm]\ncurrentime=7:30:00 AM\n\n[Other]\nkept=yes\nnot a setting\n";
    writeFile(before);
    write("Popup", "okornot", "true");
    EXPECT_EQ(fileText(), before + "\n[Popup]\nokornot=true\n");
    EXPECT_EQ(read("Alarm", "currentime"), "7:30:00 AM");
    EXPECT_EQ(read("Other", "kept"), "yes");
    EXPECT_EQ(read("Popup", "okornot"), "true");
}

// Each makes `path` something that is not a regular file, without blocking.
struct Unusable {
    const char* what;
    void (*make)(const QString& path);
    bool (*stillThere)(const QString& path);
};

bool isDir(const QString& p) { return QFileInfo(p).isDir() && !QFileInfo(p).isSymLink(); }
bool isFifo(const QString& p) {
    struct stat s {};
    return ::stat(QFile::encodeName(p).constData(), &s) == 0 && S_ISFIFO(s.st_mode);
}
bool isSocket(const QString& p) {
    struct stat s {};
    return ::lstat(QFile::encodeName(p).constData(), &s) == 0 && S_ISSOCK(s.st_mode);
}
bool isLinkToDevice(const QString& p) { return QFileInfo(p).symLinkTarget() == QStringLiteral("/dev/zero"); }

const Unusable kUnusable[] = {
    {"a folder", [](const QString& p) { QDir().mkpath(p + QStringLiteral("/inside")); }, isDir},
    {"a named pipe", [](const QString& p) { ASSERT_EQ(::mkfifo(QFile::encodeName(p).constData(), 0600), 0); }, isFifo},
    {"a socket",
     [](const QString& p) {
         // Bound and left behind: nobody listens, and an open() of it fails.
         const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
         sockaddr_un address{};
         address.sun_family = AF_UNIX;
         const QByteArray name = QFile::encodeName(p);
         ASSERT_LT(static_cast<std::size_t>(name.size()), sizeof address.sun_path) << "the test folder's path is too long";
         std::copy(name.begin(), name.end(), address.sun_path);
         ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
         ::close(fd);
     },
     isSocket},
    {"a link to a device", [](const QString& p) { ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), p)); }, isLinkToDevice},
    {"a link to a named pipe",
     [](const QString& p) {
         ASSERT_EQ(::mkfifo(QFile::encodeName(p + QStringLiteral(".pipe")).constData(), 0600), 0);
         ASSERT_TRUE(QFile::link(p + QStringLiteral(".pipe"), p));
     },
     isFifo},
};

TEST_F(QtSettingsStoreTest, SomethingElseInTheFilesPlaceIsLeftAloneAndReadsAsEmpty) {
    for (const Unusable& c : kUnusable) {
        SCOPED_TRACE(c.what);
        SetUp();
        c.make(path);
        const QStringList others = othersInFolder();
        // A blocking open or an endless read would hang here.
        EXPECT_EQ(read("Alarm", "currentime"), "");
        write("Alarm", "currentime", "7:30:00 AM");
        write("Popup", "okornot", "true");
        EXPECT_EQ(read("Alarm", "currentime"), "");
        EXPECT_TRUE(c.stillThere(path));
        EXPECT_EQ(othersInFolder(), others);
    }
}

TEST_F(QtSettingsStoreTest, AFileWeMayNotWriteOrReadIsLeftAlone) {
    if (::geteuid() == 0) GTEST_SKIP() << "permission bits do not stop root";
    const QByteArray before = "[Alarm]\ncurrentime=7:30:00 AM\n";
    writeFile(before);
    ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner));
    write("Alarm", "currentime", "9:09:00 AM");
    EXPECT_EQ(read("Alarm", "currentime"), "7:30:00 AM");

    ASSERT_TRUE(QFile::setPermissions(path, {}));
    write("Alarm", "currentime", "9:09:00 AM");
    EXPECT_EQ(read("Alarm", "currentime"), "");
    ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner));
    EXPECT_EQ(fileText(), before);
    EXPECT_TRUE(othersInFolder().isEmpty());
}

TEST_F(QtSettingsStoreTest, APrivateFileStaysPrivateAndALinkStaysALink) {
    const QString real = folder + QStringLiteral("/elsewhere/settings.conf");
    QDir().mkpath(QFileInfo(real).path());
    writeFile("[Alarm]\ncurrentime=7:30:00 AM\n", real);
    ASSERT_TRUE(QFile::setPermissions(real, QFile::ReadOwner | QFile::WriteOwner));
    ASSERT_TRUE(QFile::link(real, path));

    write("Alarm", "currentime", "9:09:00 AM");
    EXPECT_TRUE(QFileInfo(path).isSymLink());
    EXPECT_EQ(fileText(real), "[Alarm]\ncurrentime=9:09:00 AM\n");
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(real).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0600u);
}

// The names the store keeps unreadable files under.
QStringList keptFiles(const QString& folder) {
    return QDir(folder).entryList({QStringLiteral("Vordane Clock.conf.unreadable-*")}, QDir::Files, QDir::Name);
}

TEST_F(QtSettingsStoreTest, AFileNotReadWholeIsKeptAsideOnceAndTheReadableValuesLiveOn) {
    // The stray continuation makes Qt's reader take the section below it
    // into the value above; the sections after it can still be read.
    const QByteArray edited = "note=\\\n[Alarm]\ncurrentime=7:30:00 AM\n[Other]\nkept=yes\n";
    writeFile(edited);
    EXPECT_EQ(read("Alarm", "currentime"), "7:30:00 AM");
    const QString before = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    write("Popup", "okornot", "false");
    const QString after = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));

    const QStringList kept = keptFiles(folder);
    ASSERT_EQ(kept.size(), 1);
    static const QRegularExpression stamped(QStringLiteral("^Vordane Clock\\.conf\\.unreadable-(\\d{8}-\\d{6})$"));
    const QString stamp = stamped.match(kept[0]).captured(1);
    EXPECT_TRUE(stamp == before || stamp == after) << kept[0].toStdString();
    EXPECT_EQ(fileText(folder + u'/' + kept[0]), edited);
    EXPECT_EQ(fileText(), "[Alarm]\ncurrentime=7:30:00 AM\n\n[Other]\nkept=yes\n\n[Popup]\nokornot=false\n");

    // From then on the file is written as any other.
    write("Popup", "okornot", "true");
    write("Alarm", "currentime", "9:09:00 AM");
    EXPECT_EQ(keptFiles(folder).size(), 1);
    EXPECT_EQ(read("Alarm", "currentime"), "9:09:00 AM");
    EXPECT_EQ(read("Popup", "okornot"), "true");
    EXPECT_EQ(read("Other", "kept"), "yes");
}

TEST_F(QtSettingsStoreTest, AFileTooLargeToReadIsKeptAside) {
    const QByteArray huge = "[Alarm]\ncurrentime=7:30:00 AM\n[Junk]\nx=" + QByteArray(4 << 20, 'x') + '\n';
    writeFile(huge);
    EXPECT_EQ(read("Alarm", "currentime"), "");
    write("Alarm", "currentime", "12:00:00 PM");
    const QStringList kept = keptFiles(folder);
    ASSERT_EQ(kept.size(), 1);
    EXPECT_EQ(fileText(folder + u'/' + kept[0]), huge);
    EXPECT_EQ(fileText(), "[Alarm]\ncurrentime=12:00:00 PM\n");
}

TEST_F(QtSettingsStoreTest, AnEarlierKeptFileIsNeverOverwritten) {
    // Names for this second and the next few, as an earlier run may have left.
    const QDateTime now = QDateTime::currentDateTime();
    QStringList earlier;
    for (int s = 0; s < 3; ++s) {
        const QString name = path + QStringLiteral(".unreadable-") + now.addSecs(s).toString(QStringLiteral("yyyyMMdd-HHmmss"));
        writeFile("earlier " + QByteArray::number(s), name);
        earlier << name;
    }
    writeFile("[Alarm]\ncurrentime=\xFF\n");
    write("Alarm", "currentime", "12:00:00 PM");
    EXPECT_EQ(keptFiles(folder).size(), 4);
    for (int s = 0; s < 3; ++s) EXPECT_EQ(fileText(earlier[s]), "earlier " + QByteArray::number(s));
    EXPECT_EQ(read("Alarm", "currentime"), "12:00:00 PM");
}

TEST_F(QtSettingsStoreTest, AByteOrderMarkIsReadAndTheFileRewrittenAsUtf8) {
    QByteArray utf16 = "\xFF\xFE";
    for (char c : QByteArray("[Alarm]\r\ncurrentime=7:30:00 AM\r\n")) utf16 += QByteArray(1, c) + '\0';
    writeFile(utf16);
    EXPECT_EQ(read("Alarm", "currentime"), "7:30:00 AM");
    write("Alarm", "currentime", "7:30:00 AM");
    EXPECT_EQ(fileText(), "[Alarm]\r\ncurrentime=7:30:00 AM\r\n");
    EXPECT_TRUE(othersInFolder().isEmpty());
}

// Lets file writes fail past a size, as a full disk makes them fail, and
// turns off the signal that would end the process.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_);
    }

private:
    rlimit saved_{};
    void (*previous_)(int) = nullptr;
};

TEST_F(QtSettingsStoreTest, AWriteThatCannotCompleteLeavesTheOldFileByteForByte) {
    const QByteArray old =
        "[Alarm]\ncurrentime=7:30:00 AM\n\n[Popup]\nokornot=true\n\n[Notes]\ntext=" + QByteArray(100, 'n') + '\n';
    const QByteArray expected = QByteArray(old).replace("7:30:00 AM", "11:45:00 PM");
    // Every amount of room for the new file, from none to twice its size.
    for (qsizetype room = 0; room <= 2 * expected.size(); ++room) {
        SCOPED_TRACE(room);
        writeFile(old);
        {
            const FileSizeLimit limit(static_cast<rlim_t>(room));
            write("Alarm", "currentime", "11:45:00 PM");
        }
        ASSERT_EQ(fileText(), room >= expected.size() ? expected : old);
        ASSERT_TRUE(othersInFolder().isEmpty()) << othersInFolder().join(u' ').toStdString();
    }
}

}  // namespace
}  // namespace vclock::qt
