#include "app/qt/fonts/metric_fonts.h"

#include <fontconfig/fontconfig.h>

#include "app/qt/fonts/metric_fonts_conf.h"

namespace vclock::qt {

bool useMetricCompatibleFonts() {
    FcConfig* config = FcConfigGetCurrent();
    return config &&
           FcConfigParseAndLoadFromMemory(config, reinterpret_cast<const FcChar8*>(kMetricFontsConf), FcTrue);
}

}  // namespace vclock::qt
