#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "tools/painter/image.h"

namespace painter {

using Bytes = std::vector<std::uint8_t>;
using Palette = std::vector<Rgb>;

// Windows bitmap files: 40-byte information header, uncompressed, rows
// bottom-up, each row padded to four bytes. `trailing` zero bytes follow the
// pixels, as some painting programs leave them.
Bytes bitmap24(const Image& image);
Bytes bitmap8(int width, int height, const std::vector<std::uint8_t>& indices, const Palette& palette,
              int trailing);

// One image of an icon: indices into its palette (16 or 256 entries) and
// whether each pixel is drawn; undrawn pixels are masked.
struct IconEntry {
    int size = 0;
    int bitsPerPixel = 0;  // 4 or 8
    Palette palette;
    std::vector<std::uint8_t> indices;
    std::vector<bool> drawn;
};

// An icon file: its directory followed by each image's bitmap and 1-bit mask.
Bytes iconFile(const std::vector<IconEntry>& images);

}  // namespace painter
