#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFontInfo>
#include <QKeyEvent>
#include <QPushButton>
#include <QTimer>

#include "alarm/notice_form.h"
#include "app/qt/qt_painter.h"
#include "app/qt/qt_runtime.h"
#include "assets/artwork.h"

namespace vclock::qt {
namespace {

// The notice shown modally over an owner window, inspected from inside its
// own event loop the way a user meets it.
class QtNoticeWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        owner.load();
        runtime.showWindow(owner);
    }

    // Runs `inspect` once the notice shows; returns after the notice closed.
    void showNotice(std::function<void(WindowHost&)> inspect) {
        bool inspected = false;
        QTimer::singleShot(50, [&] {
            WindowHost* host = runtime.hostOf(notice.window());
            ASSERT_NE(host, nullptr);
            inspected = true;
            inspect(*host);
        });
        // A closing deadline, so a notice that ignores its keys fails rather than hangs.
        QTimer::singleShot(3000, [&] {
            if (notice.window().loaded()) notice.window().unload();
        });
        showModal(notice.window(), owner);
        EXPECT_TRUE(inspected);
    }

    static QPushButton* buttonNamed(WindowHost& host, const char* text) {
        for (QPushButton* b : host.findChildren<QPushButton*>()) {
            if (b->text() == QLatin1String(text)) return b;
        }
        return nullptr;
    }

    QtRuntime runtime;
    Window owner{runtime, "owner", 6000, 6000};
    NoticeForm notice{runtime, embeddedArtwork()};
};

TEST_F(QtNoticeWindowTest, ButtonsSitWhereTheLayoutPutsThemAndCloseHasTheFocus) {
    showNotice([&](WindowHost& host) {
        EXPECT_TRUE(host.isModal());
        // A dialog frame of three pixels on every side, drawn by the window
        // itself, as no window manager frames it.
        EXPECT_EQ(host.size(), QSize(twipsToPixels(notice.window().clientWidth()) + 6,
                                     twipsToPixels(notice.window().clientHeight()) + 6));
        EXPECT_TRUE(host.windowFlags() & Qt::FramelessWindowHint);
        for (const char* name : {"cmdok", "cmdmailme", "cmdmywebsite"}) {
            Element& element = notice.window().element(name);
            QPushButton* button = buttonNamed(host, element.text().c_str());
            ASSERT_NE(button, nullptr) << name;
            const Rect r = element.visibleRect();
            EXPECT_EQ(button->geometry(), QRect(r.left + 3, r.top + 3, r.width, r.height)) << name;
        }
        EXPECT_EQ(host.focusWidget(), buttonNamed(host, "Close"));
        notice.window().unload();
    });
    EXPECT_FALSE(notice.window().loaded());
}

TEST_F(QtNoticeWindowTest, TabAndShiftTabMoveTheFocusAmongTheButtonsAndKeepItOpen) {
    showNotice([&](WindowHost& host) {
        const auto press = [&](Qt::Key key, Qt::KeyboardModifiers modifiers) {
            QKeyEvent event(QEvent::KeyPress, key, modifiers, key == Qt::Key_Tab ? QStringLiteral("\t") : QString());
            QCoreApplication::sendEvent(host.focusWidget(), &event);
        };
        press(Qt::Key_Tab, Qt::NoModifier);
        EXPECT_EQ(host.focusWidget(), buttonNamed(host, "Mail me"));
        press(Qt::Key_Tab, Qt::NoModifier);
        EXPECT_EQ(host.focusWidget(), buttonNamed(host, "Visit my website"));
        press(Qt::Key_Backtab, Qt::ShiftModifier);
        press(Qt::Key_Backtab, Qt::ShiftModifier);
        EXPECT_EQ(host.focusWidget(), buttonNamed(host, "Close"));
        EXPECT_TRUE(notice.window().loaded()) << "Tab is no character key";
        notice.window().unload();
    });
}

TEST(QtFontsTest, TheLayoutsWindowsFontsResolveToArialMetricLiberationSans) {
    for (const char* family : {"Arial", "MS Sans Serif"}) {
        for (bool bold : {false, true}) {
            const QFontInfo shown(qtFont({family, 8.25, bold}));
            EXPECT_EQ(shown.family(), QStringLiteral("Liberation Sans")) << family << " bold " << bold;
            EXPECT_EQ(shown.bold(), bold) << family;
        }
    }
}

TEST_F(QtNoticeWindowTest, AnyCharacterKeyClosesItEvenWhenAButtonHasTheFocus) {
    for (const QString key : {QStringLiteral("x"), QStringLiteral("\r"), QStringLiteral(" ")}) {
        showNotice([&](WindowHost& host) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, key);
            QCoreApplication::sendEvent(buttonNamed(host, "Close"), &press);
            EXPECT_FALSE(notice.window().loaded()) << key.toStdString();
        });
    }
}

}  // namespace
}  // namespace vclock::qt
