#include <gtest/gtest.h>

#include <QAccessible>
#include <QEventLoop>
#include <QTimer>

#include "app/main_form.h"
#include "app/qt/qt_runtime.h"
#include "assets/artwork.h"
#include "settings/settings_store.h"

namespace vclock::qt {
namespace {

void runEventsFor(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

QAccessibleInterface* childNamed(QAccessibleInterface* parent, const QString& name) {
    for (int i = 0; i < parent->childCount(); ++i) {
        QAccessibleInterface* child = parent->child(i);
        if (child && child->text(QAccessible::Name) == name) return child;
    }
    return nullptr;
}

// The clock's window through Qt's accessibility interfaces, as the AT-SPI
// bridge reads and drives it.
TEST(QtAccessibilityTest, AScreenReaderReadsTheClockAndSetsTheAlarm) {
    QtRuntime runtime;
    runtime.settings().write("Vordane Clock", "Popup", "okornot", "true");
    MainForm form(runtime, embeddedArtwork());
    form.start();
    WindowHost* host = runtime.hostOf(form.window());
    ASSERT_NE(host, nullptr);
    runEventsFor(400);  // the first ticks have run

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
    runEventsFor(500);
    ASSERT_TRUE(form.door().isOpen());

    ASSERT_NE(field->editableTextInterface(), nullptr);
    field->editableTextInterface()->replaceText(0, field->textInterface()->characterCount(), "6:45 AM");
    EXPECT_EQ(form.window().element("txtalarm").text(), "6:45 AM") << "a screen reader's text reaches the core";
    window->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    runEventsFor(50);
    EXPECT_EQ(runtime.settings().read("Vordane Clock", "Alarm", "currentime"), "6:45:00 AM");
}

}  // namespace
}  // namespace vclock::qt
