#include <gtest/gtest.h>

#include <QEventLoop>
#include <QImage>
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

}  // namespace
}  // namespace vclock::qt
