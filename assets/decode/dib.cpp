#include "assets/decode/dib.h"

#include <cstddef>

namespace vclock::dib {
namespace {

constexpr std::uint32_t kInfoHeaderBytes = 40;
constexpr std::uint32_t kUncompressed = 0;
constexpr std::uint32_t kMostPaletteEntries = 256;
constexpr std::uint32_t kOpaque = 0xFF000000;

std::uint32_t opaque(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return kOpaque | std::uint32_t{red} << 16 | std::uint32_t{green} << 8 | blue;
}

bool isSupportedDepth(unsigned bitsPerPixel) {
    return bitsPerPixel == 1 || bitsPerPixel == 4 || bitsPerPixel == 8 || bitsPerPixel == 24 || bitsPerPixel == 32;
}

// The colour index of pixel x in a row of 1, 4 or 8 bits per pixel; the
// leftmost pixel sits in the highest bits of its byte.
unsigned indexAt(std::span<const std::uint8_t> row, int x, unsigned bitsPerPixel) {
    const std::size_t bit = static_cast<std::size_t>(x) * bitsPerPixel;
    const unsigned shift = 8 - bitsPerPixel - bit % 8;
    return (row[bit / 8] >> shift) & ((1u << bitsPerPixel) - 1);
}

}  // namespace

std::optional<InfoHeader> readInfoHeader(ByteReader& reader) {
    const std::uint32_t headerBytes = reader.u32();
    InfoHeader header;
    header.width = reader.i32();
    header.height = reader.i32();
    const std::uint16_t planes = reader.u16();
    header.bitsPerPixel = reader.u16();
    const std::uint32_t compression = reader.u32();
    reader.skip(12);  // image size, which the row layout already fixes, and the resolution
    header.coloursUsed = reader.u32();
    reader.skip(4);  // important colours, a hint for palette displays
    if (!reader.ok() || headerBytes != kInfoHeaderBytes || planes != 1 || compression != kUncompressed) {
        return std::nullopt;
    }
    return header;
}

std::optional<std::uint32_t> paletteSize(const InfoHeader& header) {
    if (header.bitsPerPixel > 8) {
        if (header.coloursUsed > kMostPaletteEntries) return std::nullopt;
        return header.coloursUsed;
    }
    const std::uint32_t indexable = 1u << header.bitsPerPixel;
    if (header.coloursUsed > indexable) return std::nullopt;
    return header.coloursUsed == 0 ? indexable : header.coloursUsed;
}

std::vector<std::uint32_t> readPalette(ByteReader& reader, std::uint32_t count) {
    std::vector<std::uint32_t> palette;
    palette.reserve(count);
    for (std::uint32_t i = 0; i < count && reader.ok(); ++i) {
        const std::uint8_t blue = reader.u8();
        const std::uint8_t green = reader.u8();
        const std::uint8_t red = reader.u8();
        reader.u8();
        palette.push_back(opaque(red, green, blue));
    }
    return palette;
}

std::uint64_t rowBytes(std::uint32_t width, unsigned bitsPerPixel) {
    return (std::uint64_t{width} * bitsPerPixel + 31) / 32 * 4;
}

std::optional<Picture> readPixels(std::span<const std::uint8_t> rows, int width, int height, bool topDown,
                                  unsigned bitsPerPixel, const std::vector<std::uint32_t>& palette) {
    if (!isSupportedDepth(bitsPerPixel) || width <= 0 || height <= 0 || width > kLargestSide ||
        height > kLargestSide) {
        return std::nullopt;
    }
    const std::size_t stride = static_cast<std::size_t>(rowBytes(static_cast<std::uint32_t>(width), bitsPerPixel));
    if (rows.size() < stride * static_cast<std::size_t>(height)) return std::nullopt;
    Picture picture;
    picture.width = width;
    picture.height = height;
    picture.pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    const std::size_t bytesPerPixel = bitsPerPixel / 8;
    for (int stored = 0; stored < height; ++stored) {
        const std::span<const std::uint8_t> row = rows.subspan(static_cast<std::size_t>(stored) * stride, stride);
        const int y = topDown ? stored : height - 1 - stored;
        std::uint32_t* out = picture.pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width);
        for (int x = 0; x < width; ++x) {
            if (bitsPerPixel <= 8) {
                const unsigned index = indexAt(row, x, bitsPerPixel);
                if (index >= palette.size()) return std::nullopt;
                out[x] = palette[index];
            } else {
                // Blue, green, red, and at 32 bits an alpha byte that icons replace by their mask.
                const std::uint8_t* pixel = row.data() + static_cast<std::size_t>(x) * bytesPerPixel;
                out[x] = opaque(pixel[2], pixel[1], pixel[0]);
            }
        }
    }
    return picture;
}

}  // namespace vclock::dib
