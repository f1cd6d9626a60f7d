#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Writes small bitmap and icon files for the decoder tests, byte by byte the
// way the formats lay them out, so that each test can describe its picture
// and then break the file in one chosen place.
namespace vclock::testing {

using Bytes = std::vector<std::uint8_t>;

void put16(Bytes& bytes, std::size_t at, std::uint16_t value);
void put32(Bytes& bytes, std::size_t at, std::uint32_t value);

// Pixels are given top-down, row by row: colour-table indices at 8 bits per
// pixel and fewer, 0xRRGGBB colours above (0xAARRGGBB at 32 bits).
struct PictureSpec {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 24;
    std::vector<std::uint32_t> palette;  // 0xRRGGBB; written in full, its size as the colours used
    std::vector<std::uint32_t> pixels;
    std::vector<bool> masked;  // icons only: top-down, true where transparent; empty means none
};

// Offsets of the fields the tests break.
namespace bmp {
inline constexpr std::size_t kFileSize = 2;
inline constexpr std::size_t kPixelOffset = 10;
inline constexpr std::size_t kHeaderSize = 14;
inline constexpr std::size_t kWidth = 18;
inline constexpr std::size_t kHeight = 22;
inline constexpr std::size_t kPlanes = 26;
inline constexpr std::size_t kBitsPerPixel = 28;
inline constexpr std::size_t kCompression = 30;
inline constexpr std::size_t kColoursUsed = 46;
inline constexpr std::size_t kPalette = 54;
}  // namespace bmp
namespace ico {
inline constexpr std::size_t kType = 2;
inline constexpr std::size_t kCount = 4;
inline constexpr std::size_t kEntries = 6;
inline constexpr std::size_t kEntryBytes = 16;
// Within an entry:
inline constexpr std::size_t kEntryWidth = 0;
inline constexpr std::size_t kEntryHeight = 1;
inline constexpr std::size_t kEntrySize = 8;
inline constexpr std::size_t kEntryOffset = 12;
}  // namespace ico

// A bitmap file; `topDown` stores the rows top-down with a negative height.
// `gap` extra bytes lie between the colour table and the pixels.
Bytes writeBmp(const PictureSpec& picture, bool topDown = false, std::size_t gap = 0);

// An icon file with one directory entry per image, images in order after the directory.
Bytes writeIco(const std::vector<PictureSpec>& images);

// Where image `index` of an icon file from writeIco starts.
std::size_t icoImageOffset(const Bytes& file, std::size_t index);

}  // namespace vclock::testing
