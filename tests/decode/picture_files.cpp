#include "tests/decode/picture_files.h"

namespace vclock::testing {
namespace {

void append16(Bytes& bytes, std::uint16_t value) {
    bytes.push_back(static_cast<std::uint8_t>(value));
    bytes.push_back(static_cast<std::uint8_t>(value >> 8));
}

void append32(Bytes& bytes, std::uint32_t value) {
    append16(bytes, static_cast<std::uint16_t>(value));
    append16(bytes, static_cast<std::uint16_t>(value >> 16));
}

void appendInfoHeader(Bytes& bytes, const PictureSpec& picture, std::int32_t height) {
    append32(bytes, 40);
    append32(bytes, static_cast<std::uint32_t>(picture.width));
    append32(bytes, static_cast<std::uint32_t>(height));
    append16(bytes, 1);
    append16(bytes, static_cast<std::uint16_t>(picture.bitsPerPixel));
    append32(bytes, 0);  // uncompressed
    append32(bytes, 0);  // image size, optional when uncompressed
    append32(bytes, 2835);
    append32(bytes, 2835);
    append32(bytes, static_cast<std::uint32_t>(picture.palette.size()));
    append32(bytes, 0);
}

void appendPalette(Bytes& bytes, const std::vector<std::uint32_t>& palette) {
    for (std::uint32_t colour : palette) append32(bytes, colour & 0xFFFFFF);
}

// One row of `values` at `bitsPerPixel`, padded to 4 bytes.
void appendRow(Bytes& bytes, const std::uint32_t* values, int width, int bitsPerPixel) {
    Bytes row;
    if (bitsPerPixel < 8) {
        row.assign((static_cast<std::size_t>(width) * bitsPerPixel + 7) / 8, 0);
        for (int x = 0; x < width; ++x) {
            const std::size_t bit = static_cast<std::size_t>(x) * bitsPerPixel;
            row[bit / 8] |= static_cast<std::uint8_t>(values[x] << (8 - bitsPerPixel - bit % 8));
        }
    } else {
        for (int x = 0; x < width; ++x) {
            for (int byte = 0; byte < bitsPerPixel / 8; ++byte) row.push_back(static_cast<std::uint8_t>(values[x] >> (8 * byte)));
        }
    }
    while (row.size() % 4 != 0) row.push_back(0);
    bytes.insert(bytes.end(), row.begin(), row.end());
}

void appendRowsBottomUp(Bytes& bytes, const std::vector<std::uint32_t>& values, int width, int height, int bitsPerPixel) {
    for (int y = height - 1; y >= 0; --y) appendRow(bytes, values.data() + static_cast<std::size_t>(y) * width, width, bitsPerPixel);
}

Bytes iconImage(const PictureSpec& image) {
    Bytes bytes;
    appendInfoHeader(bytes, image, 2 * image.height);
    appendPalette(bytes, image.palette);
    appendRowsBottomUp(bytes, image.pixels, image.width, image.height, image.bitsPerPixel);
    std::vector<std::uint32_t> mask(image.pixels.size(), 0);
    for (std::size_t i = 0; i < image.masked.size(); ++i) mask[i] = image.masked[i] ? 1 : 0;
    appendRowsBottomUp(bytes, mask, image.width, image.height, 1);
    return bytes;
}

}  // namespace

void put16(Bytes& bytes, std::size_t at, std::uint16_t value) {
    bytes.at(at) = static_cast<std::uint8_t>(value);
    bytes.at(at + 1) = static_cast<std::uint8_t>(value >> 8);
}

void put32(Bytes& bytes, std::size_t at, std::uint32_t value) {
    put16(bytes, at, static_cast<std::uint16_t>(value));
    put16(bytes, at + 2, static_cast<std::uint16_t>(value >> 16));
}

Bytes writeBmp(const PictureSpec& picture, bool topDown, std::size_t gap) {
    Bytes bytes = {'B', 'M'};
    append32(bytes, 0);  // file size, filled in below
    append32(bytes, 0);
    append32(bytes, static_cast<std::uint32_t>(bmp::kPalette + 4 * picture.palette.size() + gap));
    appendInfoHeader(bytes, picture, topDown ? -picture.height : picture.height);
    appendPalette(bytes, picture.palette);
    bytes.resize(bytes.size() + gap, 0xEE);
    if (topDown) {
        for (int y = 0; y < picture.height; ++y) {
            appendRow(bytes, picture.pixels.data() + static_cast<std::size_t>(y) * picture.width, picture.width,
                      picture.bitsPerPixel);
        }
    } else {
        appendRowsBottomUp(bytes, picture.pixels, picture.width, picture.height, picture.bitsPerPixel);
    }
    put32(bytes, bmp::kFileSize, static_cast<std::uint32_t>(bytes.size()));
    return bytes;
}

Bytes writeIco(const std::vector<PictureSpec>& images) {
    Bytes bytes;
    append16(bytes, 0);
    append16(bytes, 1);
    append16(bytes, static_cast<std::uint16_t>(images.size()));
    std::vector<Bytes> encoded;
    std::size_t offset = ico::kEntries + ico::kEntryBytes * images.size();
    for (const PictureSpec& image : images) {
        encoded.push_back(iconImage(image));
        bytes.push_back(static_cast<std::uint8_t>(image.width));  // 256 wraps to 0, as the format wants
        bytes.push_back(static_cast<std::uint8_t>(image.height));
        bytes.push_back(static_cast<std::uint8_t>(image.bitsPerPixel < 8 ? 1 << image.bitsPerPixel : 0));
        bytes.push_back(0);
        append16(bytes, 1);
        append16(bytes, static_cast<std::uint16_t>(image.bitsPerPixel));
        append32(bytes, static_cast<std::uint32_t>(encoded.back().size()));
        append32(bytes, static_cast<std::uint32_t>(offset));
        offset += encoded.back().size();
    }
    for (const Bytes& image : encoded) bytes.insert(bytes.end(), image.begin(), image.end());
    return bytes;
}

std::size_t icoImageOffset(const Bytes& file, std::size_t index) {
    const std::size_t at = ico::kEntries + ico::kEntryBytes * index + ico::kEntryOffset;
    return file.at(at) | file.at(at + 1) << 8 | file.at(at + 2) << 16 | static_cast<std::size_t>(file.at(at + 3)) << 24;
}

}  // namespace vclock::testing
