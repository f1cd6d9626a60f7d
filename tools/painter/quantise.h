#pragma once

#include <cstdint>
#include <vector>

#include "tools/painter/file_writers.h"
#include "tools/painter/image.h"

namespace painter {

// A palette of `count` colours fitted to a picture by median cut over a
// 5-bit-per-channel histogram; integer arithmetic only.
Palette fitPalette(const std::vector<Colour>& pixels, int count);

// The index of the palette colour nearest to `c` (ties to the lower index).
std::uint8_t nearest(const Palette& palette, Colour c);

// Maps a painting onto a palette with a light ordered dither, so gradients
// do not band.
std::vector<std::uint8_t> mapDithered(const std::vector<Colour>& pixels, int width, const Palette& palette,
                                      float strength);

// The sixteen colours of the standard 16-colour display.
const Palette& standard16();
// A general 256-colour palette: a 6 x 6 x 6 cube and a ramp of greys.
const Palette& general256();

// An icon image mapped onto a palette without dither.
IconEntry toIconEntry(const IconImage& image, int bitsPerPixel);

}  // namespace painter
