#include <gtest/gtest.h>

#include <functional>

#include <QAccessible>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

#include "app/main_form.h"
#include "app/qt/picture_image.h"
#include "app/qt/qt_runtime.h"
#include "assets/artwork.h"

namespace vclock::qt {
namespace {

void runEventsFor(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Runs events until `done` holds, for at most `mostMs`: what waits for a
// timer's animation must not depend on how busy the machine is.
bool runEventsUntil(const std::function<bool()>& done, int mostMs = 10000) {
    QElapsedTimer waited;
    waited.start();
    while (!done()) {
        if (waited.elapsed() > mostMs) return false;
        runEventsFor(20);
    }
    return true;
}

QAccessibleInterface* childNamed(QAccessibleInterface* parent, const QString& name) {
    for (int i = 0; i < parent->childCount(); ++i) {
        QAccessibleInterface* child = parent->child(i);
        if (child && child->text(QAccessible::Name) == name) return child;
    }
    return nullptr;
}

class QtWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        // An acknowledged first-run message, so no box waits for an answer.
        runtime.settings().write("Vordane Clock", "Popup", "okornot", "true");
        form.start();
        host = runtime.hostOf(form.window());
        ASSERT_NE(host, nullptr);
        runEventsFor(50);
    }

    // The screen as painted by the host.
    QImage shown() const { return host->grab().toImage().convertToFormat(QImage::Format_ARGB32); }

    // True when the picture appears unscaled at `at` in `image`.
    static bool showsPicture(const QImage& image, const Picture& picture, QPoint at) {
        const QImage expected = imageOf(picture);
        for (int y = 0; y < picture.height; ++y) {
            for (int x = 0; x < picture.width; ++x) {
                if (image.pixel(at.x() + x, at.y() + y) != expected.pixel(x, y)) return false;
            }
        }
        return true;
    }

    QPoint placeOf(const std::string& name) {
        const Rect r = form.window().element(name).pixelRect();
        return {r.left, r.top};
    }

    QtRuntime runtime;
    MainForm form{runtime, embeddedArtwork()};
    WindowHost* host = nullptr;
};

TEST_F(QtWindowTest, PaintsTheSceneAndTheFaceWhereTheLayoutPutsThem) {
    runEventsFor(400);  // the first ticks have run
    const QImage image = shown();
    ASSERT_GE(image.width(), 800);
    ASSERT_GE(image.height(), 600);
    Window& window = form.window();
    EXPECT_EQ(host->windowTitle().left(8).toStdString(), "V-Clock ");
    EXPECT_TRUE(showsPicture(image, *window.element("imgalarmdisplay").picture(), placeOf("imgalarmdisplay")));
    EXPECT_TRUE(showsPicture(image, *window.element("imgexit0").picture(), placeOf("imgexit0")));
    // Top-left corner, where no element lies: the scene itself.
    const Picture& scene = *embeddedArtwork().scene;
    EXPECT_EQ(image.pixel(2, 2), imageOf(scene).pixel(2, 2));
}

TEST_F(QtWindowTest, FillsTheScreenBeyondTheFaceWithGreen) {
    host->setGeometry(0, 0, 1024, 768);
    runEventsFor(50);
    const QImage image = shown();
    EXPECT_EQ(image.pixel(1000, 700), qRgb(0, 128, 0));
    EXPECT_EQ(image.pixel(810, 10), qRgb(0, 128, 0));
}

TEST_F(QtWindowTest, TicksRepaintOnlyWhatChanged) {
    const long long before = host->paintedPixels();
    runEventsFor(1000);  // six or seven ticks
    const long long perTick = (host->paintedPixels() - before) / 6;
    EXPECT_GT(host->paintedPixels(), before);
    EXPECT_LT(perTick, 480000 / 4);
}

// The entry field as the user types into it: keys arrive as the window
// system delivers them, many at once when the clock is busy.
class QtTypingTest : public QtWindowTest {
protected:
    void SetUp() override {
        QtWindowTest::SetUp();
        field.setVisible(true);
        edit = host->findChild<QLineEdit*>();
        ASSERT_NE(edit, nullptr);
        edit->setFocus();
        edit->selectAll();
    }

    static void postKey(QWidget* to, int key, const QString& text, Qt::KeyboardModifiers modifiers = {}) {
        QCoreApplication::postEvent(to, new QKeyEvent(QEvent::KeyPress, key, modifiers, text));
        QCoreApplication::postEvent(to, new QKeyEvent(QEvent::KeyRelease, key, modifiers, text));
    }
    void postText(const QString& text) {
        for (const QChar c : text) postKey(edit, c.unicode(), QString(c));
    }

    Element& field = form.window().element("txtalarm");
    QLineEdit* edit = nullptr;
};

TEST_F(QtTypingTest, AKeyBurstReachesTheCoreWholeInOrderAndWithoutALengthLimit) {
    // Beyond QLineEdit's own default limit of 32767 characters.
    QString burst;
    for (int i = 0; burst.size() < 40000; ++i) burst += QString::number(i % 10);
    postText(burst);
    runEventsFor(50);
    EXPECT_EQ(field.text(), burst.toStdString());

    // Keys that are not plain text keep their place among the characters.
    postText("ab");
    postKey(edit, Qt::Key_Backspace, QString(QChar(8)));
    postText("c");
    postKey(edit, Qt::Key_A, "a", Qt::ControlModifier);  // select all
    postText("9:09");
    runEventsFor(50);
    EXPECT_EQ(field.text(), "9:09");
    EXPECT_EQ(edit->text(), "9:09");
}

TEST_F(QtTypingTest, TheCoreReadsAndWritesAfterKeysThatWereDeliveredBefore) {
    const auto send = [this](const QString& text) {
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, c.unicode(), Qt::NoModifier, QString(c));
            QCoreApplication::sendEvent(edit, &press);
        }
    };
    send("7:45");
    EXPECT_EQ(field.text(), "7:45") << "read before the burst is inserted";
    send("abc");
    field.setText("12:00:00 PM");  // the door reloads the field
    runEventsFor(20);
    EXPECT_EQ(edit->text(), "12:00:00 PM") << "the keys came first, so the core's text replaces them";
    EXPECT_EQ(field.text(), "12:00:00 PM");
}

// The clock's window through Qt's accessibility interfaces, as the AT-SPI
// bridge reads and drives it.
TEST_F(QtWindowTest, AScreenReaderReadsTheClockAndSetsTheAlarm) {
    ASSERT_TRUE(runEventsUntil([&] { return !form.window().accessibleDescription().empty(); }));  // a tick has run

    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(host);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->role(), QAccessible::Window);
    EXPECT_EQ(window->text(QAccessible::Name), "Vordane Clock");
    EXPECT_EQ(window->text(QAccessible::Description).toStdString(), form.window().accessibleDescription());
    EXPECT_FALSE(form.window().accessibleDescription().empty());
    for (int i = 0; i < window->childCount(); ++i) EXPECT_EQ(window->indexOfChild(window->child(i)), i);

    QAccessibleInterface* door = childNamed(window, "Alarm door");
    QAccessibleInterface* field = childNamed(window, "Alarm time");
    QAccessibleInterface* exit = childNamed(window, "Exit");
    ASSERT_TRUE(door && field && exit);
    EXPECT_EQ(door->role(), QAccessible::Button);
    EXPECT_EQ(exit->role(), QAccessible::Button);
    EXPECT_EQ(door->parent(), window);
    const Rect doorBox = form.window().element("imgalarmdisplay").visibleRect();
    EXPECT_EQ(door->rect(), QRect(host->mapToGlobal(QPoint(doorBox.left, doorBox.top)), QSize(doorBox.width, doorBox.height)));

    ASSERT_NE(door->actionInterface(), nullptr);
    door->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_FALSE(form.door().isOpen()) << "the press waits for the event loop, as a click does";
    ASSERT_TRUE(runEventsUntil([&] { return form.door().isOpen(); }));

    ASSERT_NE(field->editableTextInterface(), nullptr);
    field->editableTextInterface()->replaceText(0, field->textInterface()->characterCount(), "6:45 AM");
    EXPECT_EQ(form.window().element("txtalarm").text(), "6:45 AM") << "a screen reader's text reaches the core";
    window->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(runEventsUntil([&] { return runtime.settings().read("Vordane Clock", "Alarm", "currentime") == "6:45:00 AM"; }));
}

}  // namespace
}  // namespace vclock::qt
