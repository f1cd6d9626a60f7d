#include <gtest/gtest.h>

#include <QApplication>

// Widgets need one application object for the whole run; the tests are
// headless, also when the test list is read at build time.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
