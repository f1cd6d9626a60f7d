#include "assets/decode/ico_decoder.h"

#include <algorithm>
#include <array>
#include <memory>
#include <new>
#include <utility>

#include "assets/decode/byte_reader.h"
#include "assets/decode/dib.h"

namespace vclock {
namespace {

constexpr std::uint16_t kIconType = 1;
constexpr std::uint64_t kDirectoryHeaderBytes = 6;
constexpr std::uint64_t kEntryBytes = 16;
// Entries may share their image bytes, so the count bounds the decoding work;
// real icons hold a handful of sizes and depths.
constexpr std::uint16_t kMostImages = 64;
// Icon images as bitmaps are at most 256 pixels a side; the directory writes 256 as 0.
constexpr int kLargestSide = 256;
constexpr std::array<std::uint8_t, 8> kPngSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

struct Entry {
    int width = 0;
    int height = 0;
    std::uint32_t bytes = 0;
    std::uint32_t offset = 0;
};

int sideOf(std::uint8_t stored) { return stored == 0 ? kLargestSide : stored; }

bool isPng(std::span<const std::uint8_t> image) {
    return image.size() >= kPngSignature.size() && std::equal(kPngSignature.begin(), kPngSignature.end(), image.begin());
}

// One image: its header (height doubled to count the mask), the colour table,
// the colour rows and the 1-bit mask rows, all bottom-up, each row padded to
// 4 bytes. A set mask bit makes the pixel transparent, whatever its colour.
std::optional<Picture> decodeImage(std::span<const std::uint8_t> image, const Entry& entry, int& bitsPerPixel) {
    ByteReader reader(image);
    const std::optional<dib::InfoHeader> header = dib::readInfoHeader(reader);
    if (!header || header->width != entry.width || header->height != 2 * std::int64_t{entry.height}) {
        return std::nullopt;
    }
    const std::optional<std::uint32_t> paletteSize = dib::paletteSize(*header);
    if (!paletteSize) return std::nullopt;
    const std::vector<std::uint32_t> palette = dib::readPalette(reader, *paletteSize);
    const auto width = static_cast<std::uint32_t>(entry.width);
    const auto height = static_cast<std::uint64_t>(entry.height);
    const std::span<const std::uint8_t> colours = reader.take(dib::rowBytes(width, header->bitsPerPixel) * height);
    const std::uint64_t maskStride = dib::rowBytes(width, 1);
    const std::span<const std::uint8_t> mask = reader.take(maskStride * height);
    if (!reader.ok()) return std::nullopt;

    std::optional<Picture> picture =
        dib::readPixels(colours, entry.width, entry.height, false, header->bitsPerPixel, palette);
    if (!picture) return std::nullopt;
    for (int y = 0; y < entry.height; ++y) {
        const std::uint8_t* maskRow = mask.data() + static_cast<std::size_t>(entry.height - 1 - y) * maskStride;
        std::uint32_t* row = picture->pixels.data() + static_cast<std::size_t>(y) * width;
        for (int x = 0; x < entry.width; ++x) {
            if (maskRow[x / 8] & (0x80 >> (x % 8))) row[x] = 0;
        }
    }
    bitsPerPixel = static_cast<int>(header->bitsPerPixel);
    return picture;
}

std::optional<Icon> decode(std::span<const std::uint8_t> bytes) {
    ByteReader reader(bytes);
    const std::uint16_t reserved = reader.u16();
    const std::uint16_t type = reader.u16();
    const std::uint16_t count = reader.u16();
    if (!reader.ok() || reserved != 0 || type != kIconType || count == 0 || count > kMostImages) return std::nullopt;
    const std::uint64_t directoryEnd = kDirectoryHeaderBytes + kEntryBytes * count;

    Icon icon;
    for (std::uint16_t i = 0; i < count; ++i) {
        Entry entry;
        entry.width = sideOf(reader.u8());
        entry.height = sideOf(reader.u8());
        reader.skip(6);  // colour count, reserved, planes, depth: the image's own header says these
        entry.bytes = reader.u32();
        entry.offset = reader.u32();
        // Images lie after the directory and inside the file.
        if (!reader.ok() || entry.offset < directoryEnd || !reader.holds(entry.offset, entry.bytes)) {
            return std::nullopt;
        }
        const std::span<const std::uint8_t> image = bytes.subspan(entry.offset, entry.bytes);
        // Compressed images are left out: the images beside them still serve.
        if (isPng(image)) continue;
        int bitsPerPixel = 0;
        std::optional<Picture> picture = decodeImage(image, entry, bitsPerPixel);
        if (!picture) return std::nullopt;
        icon.images.push_back({std::make_shared<const Picture>(std::move(*picture)), bitsPerPixel});
    }
    if (icon.images.empty()) return std::nullopt;
    return icon;
}

}  // namespace

std::optional<Icon> decodeIco(std::span<const std::uint8_t> bytes) {
    try {
        return decode(bytes);
    } catch (const std::bad_alloc&) {
        // An icon too large for the memory at hand is an icon we cannot show.
        return std::nullopt;
    }
}

}  // namespace vclock
