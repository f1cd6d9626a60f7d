#pragma once

namespace vclock::qt {

// Adds the clock's font replacements (metric_fonts.conf, built into the
// program) to fontconfig's configuration, so that the layout's Windows font
// names resolve to fonts of the same widths. Must run before Qt loads its
// fonts. False when fontconfig rejects them; the desktop's defaults then stay.
bool useMetricCompatibleFonts();

}  // namespace vclock::qt
