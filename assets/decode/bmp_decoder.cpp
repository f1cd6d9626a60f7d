#include "assets/decode/bmp_decoder.h"

#include <new>

#include "assets/decode/byte_reader.h"
#include "assets/decode/dib.h"

namespace vclock {
namespace {

constexpr std::uint16_t kMagic = 0x4D42;  // "BM"
constexpr std::uint64_t kFileHeaderBytes = 14;
constexpr std::uint64_t kInfoHeaderBytes = 40;

std::optional<Picture> decode(std::span<const std::uint8_t> bytes) {
    ByteReader reader(bytes);
    const std::uint16_t magic = reader.u16();
    const std::uint32_t fileBytes = reader.u32();
    reader.skip(4);  // reserved
    const std::uint32_t pixelOffset = reader.u32();
    // A file that says it is longer than it is was cut short.
    if (!reader.ok() || magic != kMagic || fileBytes > bytes.size()) return std::nullopt;

    const std::optional<dib::InfoHeader> header = dib::readInfoHeader(reader);
    if (!header || (header->bitsPerPixel != 8 && header->bitsPerPixel != 24)) return std::nullopt;
    // Rows run top-down when the height is negative; widen before negating.
    const std::int64_t storedHeight = header->height;
    const bool topDown = storedHeight < 0;
    const std::int64_t height = topDown ? -storedHeight : storedHeight;
    if (header->width < 1 || header->width > dib::kLargestSide || height < 1 || height > dib::kLargestSide) {
        return std::nullopt;
    }

    const std::optional<std::uint32_t> paletteSize = dib::paletteSize(*header);
    if (!paletteSize) return std::nullopt;
    const std::vector<std::uint32_t> palette = dib::readPalette(reader, *paletteSize);
    // The colour table lies between the headers and the pixels.
    if (!reader.ok() || kFileHeaderBytes + kInfoHeaderBytes + std::uint64_t{*paletteSize} * 4 > pixelOffset) {
        return std::nullopt;
    }

    reader.seek(pixelOffset);
    const std::span<const std::uint8_t> rows =
        reader.take(dib::rowBytes(static_cast<std::uint32_t>(header->width), header->bitsPerPixel) *
                    static_cast<std::uint64_t>(height));
    if (!reader.ok()) return std::nullopt;
    auto picture = dib::readPixels(rows, header->width, static_cast<int>(height), topDown, header->bitsPerPixel, palette);
    if (picture) picture->opaque = true;  // a bitmap has no mask
    return picture;
}

}  // namespace

std::optional<Picture> decodeBmp(std::span<const std::uint8_t> bytes) {
    try {
        return decode(bytes);
    } catch (const std::bad_alloc&) {
        // A picture too large for the memory at hand is a picture we cannot show.
        return std::nullopt;
    }
}

}  // namespace vclock
