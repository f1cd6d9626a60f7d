#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include "app/qt/qt_settings_store.h"

namespace vclock::qt {
namespace {

class QtSettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
        QDir().mkpath(folder);
        path = folder + QStringLiteral("/Vordane Clock.conf");
        QDir(path).removeRecursively();
        QFile::remove(path);
    }
    void TearDown() override {
        QDir(path).removeRecursively();
        QFile::remove(path);
    }
    QByteArray fileText() const {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void writeFile(const QByteArray& text) const {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text);
    }

    QtSettingsStore store;
    QString folder;
    QString path;
};

TEST_F(QtSettingsStoreTest, WritesTheApplicationsFileInTheUsersConfigFolder) {
    EXPECT_EQ(folder, qEnvironmentVariable("XDG_CONFIG_HOME"));
    store.write("Vordane Clock", "Alarm", "currentime", "12:00:00 PM");
    EXPECT_TRUE(fileText().contains("[Alarm]\ncurrentime=12:00:00 PM")) << fileText().constData();
    EXPECT_EQ(store.read("Vordane Clock", "Alarm", "currentime"), "12:00:00 PM");
    EXPECT_EQ(store.read("Vordane Clock", "Popup", "okornot"), "");
}

TEST_F(QtSettingsStoreTest, ValuesRoundTripExactly) {
    const std::string values[] = {
        "", " leading and trailing ", "a \"quoted\", comma; value", "=[Alarm]\nnext line\r\n",
        "Grüße, 時計, 🕰", "back\\slash %20 #hash", std::string(100000, 'x'),
    };
    for (const std::string& v : values) {
        store.write("Vordane Clock", "Alarm", "currentime", v);
        EXPECT_EQ(store.read("Vordane Clock", "Alarm", "currentime"), v);
    }
}

TEST_F(QtSettingsStoreTest, SeesValuesEditedWhileRunning) {
    store.write("Vordane Clock", "Alarm", "currentime", "7:30:00 AM");
    // Qt notices a changed file by its size and time stamp; an edit within
    // the same instant is told apart by its size.
    writeFile("[Alarm]\ncurrentime=11:45:00 PM\n");
    EXPECT_EQ(store.read("Vordane Clock", "Alarm", "currentime"), "11:45:00 PM");
}

TEST_F(QtSettingsStoreTest, AnUnusableLocationNeitherStopsNorCorrupts) {
    // A folder where the file should be: nothing can be read or written.
    QDir().mkpath(path);
    store.write("Vordane Clock", "Alarm", "currentime", "7:30:00 AM");
    EXPECT_EQ(store.read("Vordane Clock", "Alarm", "currentime"), "");
    EXPECT_TRUE(QFileInfo(path).isDir());
}

TEST_F(QtSettingsStoreTest, AnotherSectionsWriteKeepsEveryStoredValue) {
    writeFile("[Alarm]\ncurrentime=7:30:00 AM\n\n[Other]\nkept=yes\n");
    store.write("Vordane Clock", "Popup", "okornot", "true");
    EXPECT_EQ(store.read("Vordane Clock", "Alarm", "currentime"), "7:30:00 AM");
    EXPECT_EQ(store.read("Vordane Clock", "Other", "kept"), "yes");
    EXPECT_EQ(store.read("Vordane Clock", "Popup", "okornot"), "true");
}

TEST_F(QtSettingsStoreTest, AFileReadOnlyInPartIsNeverWrittenOver) {
    // The stray continuation makes the reader take the section below it
    // into the value above.
    const QByteArray edited = "note=\\\n[Alarm]\ncurrentime=7:30:00 AM\n";
    writeFile(edited);
    store.write("Vordane Clock", "Alarm", "currentime", "12:00:00 PM");
    store.write("Vordane Clock", "Popup", "okornot", "true");
    EXPECT_EQ(fileText(), edited);
}

}  // namespace
}  // namespace vclock::qt
