#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "app/window/picture.h"
#include "assets/decode/byte_reader.h"

// What a bitmap file and an icon image share: the 40-byte information
// header, the colour table and the stored rows of pixels, each row padded to
// a multiple of 4 bytes.
namespace vclock::dib {

// No side of a picture may be longer, so that sizes computed from hostile
// headers stay far from overflowing.
inline constexpr int kLargestSide = 16384;

struct InfoHeader {
    std::int32_t width = 0;
    std::int32_t height = 0;  // as stored: negative for top-down rows, doubled in icons
    unsigned bitsPerPixel = 0;
    std::uint32_t coloursUsed = 0;
};

// Reads the header at the reader's place. Nothing unless the header is the
// 40-byte kind, with one plane and no compression; the caller checks sizes
// and depths, which differ between bitmaps and icons.
std::optional<InfoHeader> readInfoHeader(ByteReader& reader);

// How many colour-table entries follow the header: the count the header
// gives, or for 8 bits per pixel and fewer a full table when it gives 0.
// Nothing when that is more than the depth can index or more than 256.
std::optional<std::uint32_t> paletteSize(const InfoHeader& header);

// Reads `count` (at most 256) 4-byte blue, green, red, unused entries as
// opaque colours; the reader fails when they pass its end.
std::vector<std::uint32_t> readPalette(ByteReader& reader, std::uint32_t count);

// Bytes of one stored row of `width` pixels, padding included.
std::uint64_t rowBytes(std::uint32_t width, unsigned bitsPerPixel);

// Decodes stored rows of 1, 4, 8 (through `palette`), 24 or 32 bits per pixel
// into opaque pixels. The first stored row is the bottom one unless `topDown`.
// Nothing for any other depth, for a side outside 1 to kLargestSide, when `rows` holds fewer than
// height * rowBytes(width, bitsPerPixel) bytes, or when a pixel names a
// colour the palette does not have.
std::optional<Picture> readPixels(std::span<const std::uint8_t> rows, int width, int height, bool topDown,
                                  unsigned bitsPerPixel, const std::vector<std::uint32_t>& palette);

}  // namespace vclock::dib
