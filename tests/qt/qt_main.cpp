#include <gtest/gtest.h>

#include <QApplication>

#include "app/qt/fonts/metric_fonts.h"

// Widgets need one application object for the whole run; the tests are
// headless, also when the test list is read at build time.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // As the program does, so the windows show in the fonts it shows them in.
    if (!vclock::qt::useMetricCompatibleFonts()) return 1;
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
