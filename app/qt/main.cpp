#include <QApplication>

#include "app/main_form.h"
#include "app/qt/fonts/metric_fonts.h"
#include "app/qt/outside_endings.h"
#include "app/qt/qt_runtime.h"
#include "assets/artwork.h"

int main(int argc, char** argv) {
    // Without the replacements the text only looks wider; the clock runs on.
    vclock::qt::useMetricCompatibleFonts();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vordane Clock"));
    vclock::qt::QtRuntime runtime;
    vclock::MainForm form(runtime, vclock::embeddedArtwork());
    vclock::qt::OutsideEndings endings(runtime, form.window());
    form.start();
    if (runtime.ended()) return 0;
    endings.storeAtExit();
    return QApplication::exec();
}
