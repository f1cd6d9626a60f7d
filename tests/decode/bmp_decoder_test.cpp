#include "assets/decode/bmp_decoder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "tests/decode/picture_files.h"

namespace vclock {
namespace {

using testing::Bytes;
using testing::PictureSpec;
namespace bmp = testing::bmp;

constexpr std::uint32_t kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF, kGrey = 0x808080, kWhite = 0xFFFFFF;

std::optional<Picture> decode(const Bytes& bytes) { return decodeBmp(bytes); }

// Opaque versions of 0xRRGGBB colours, top-down.
std::vector<std::uint32_t> opaque(std::vector<std::uint32_t> colours) {
    for (std::uint32_t& colour : colours) colour |= 0xFF000000;
    return colours;
}

// Three pixels a row: one byte short of a multiple of four at 8 bits, three at 24.
PictureSpec paletted() {
    return {3, 2, 8, {kRed, kGreen, kBlue, kGrey}, {0, 1, 2, 3, 3, 0}, {}};
}

PictureSpec trueColour() {
    return {3, 2, 24, {}, {kRed, kGreen, kBlue, kGrey, kWhite, 0x123456}, {}};
}

void expectPixels(const std::optional<Picture>& picture, int width, int height, const std::vector<std::uint32_t>& pixels) {
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->width, width);
    EXPECT_EQ(picture->height, height);
    EXPECT_EQ(picture->pixels, pixels);
}

TEST(DecodeBmp, PalettedRowsBottomUpAndPadded) {
    expectPixels(decode(testing::writeBmp(paletted())), 3, 2, opaque({kRed, kGreen, kBlue, kGrey, kGrey, kRed}));
}

TEST(DecodeBmp, PalettedRowsTopDown) {
    expectPixels(decode(testing::writeBmp(paletted(), true)), 3, 2, opaque({kRed, kGreen, kBlue, kGrey, kGrey, kRed}));
}

TEST(DecodeBmp, FullPaletteWhenColoursUsedIsZero) {
    PictureSpec picture = paletted();
    picture.palette.resize(256, kWhite);
    picture.pixels = {255, 0, 1, 2, 3, 254};
    Bytes file = testing::writeBmp(picture);
    testing::put32(file, bmp::kColoursUsed, 0);
    expectPixels(decode(file), 3, 2, opaque({kWhite, kRed, kGreen, kBlue, kGrey, kWhite}));
}

TEST(DecodeBmp, TrueColourBottomUpAndTopDown) {
    const std::vector<std::uint32_t> expected = opaque({kRed, kGreen, kBlue, kGrey, kWhite, 0x123456});
    expectPixels(decode(testing::writeBmp(trueColour())), 3, 2, expected);
    expectPixels(decode(testing::writeBmp(trueColour(), true)), 3, 2, expected);
}

TEST(DecodeBmp, RowsNeedingNoPadding) {
    const PictureSpec picture{4, 1, 24, {}, {kRed, kGreen, kBlue, kGrey}, {}};
    expectPixels(decode(testing::writeBmp(picture)), 4, 1, opaque({kRed, kGreen, kBlue, kGrey}));
}

TEST(DecodeBmp, PixelsWhereTheOffsetSaysAndTrailingBytesIgnored) {
    Bytes file = testing::writeBmp(paletted(), false, 10);
    file.resize(file.size() + 7, 0xAB);
    expectPixels(decode(file), 3, 2, opaque({kRed, kGreen, kBlue, kGrey, kGrey, kRed}));
}

// Each row breaks one valid file in one way; every one must give nothing.
TEST(DecodeBmp, RejectsMalformedFiles) {
    using Edit = std::function<void(Bytes&)>;
    const auto check = [](const char* name, const PictureSpec& picture, const Edit& edit) {
        Bytes file = testing::writeBmp(picture);
        edit(file);
        EXPECT_FALSE(decode(file)) << name;
    };
    const auto put32 = [](std::size_t at, std::uint32_t value) { return [=](Bytes& f) { testing::put32(f, at, value); }; };
    const auto put16 = [](std::size_t at, std::uint16_t value) { return [=](Bytes& f) { testing::put16(f, at, value); }; };
    // Cuts also clear the file-size field, which many writers leave 0, so that the cut itself must be noticed.
    const auto cutTo = [](std::size_t size) {
        return [=](Bytes& f) {
            testing::put32(f, bmp::kFileSize, 0);
            f.resize(size);
        };
    };
    const Bytes paletteFile = testing::writeBmp(paletted());
    const std::size_t pixelsStart = bmp::kPalette + 4 * 4;

    // Control: the untouched files decode.
    ASSERT_TRUE(decode(paletteFile));
    ASSERT_TRUE(decode(testing::writeBmp(trueColour())));

    check("no bytes", paletted(), [](Bytes& f) { f.clear(); });
    check("wrong magic", paletted(), [](Bytes& f) { f[1] = 'A'; });
    check("cut inside the file header", paletted(), cutTo(9));
    check("cut after the file header", paletted(), cutTo(bmp::kHeaderSize));
    check("cut inside the information header", paletted(), cutTo(bmp::kHeaderSize + 20));
    check("cut after the information header", paletted(), cutTo(bmp::kPalette));
    check("cut inside the palette", paletted(), cutTo(bmp::kPalette + 6));
    check("cut after the palette", paletted(), cutTo(pixelsStart));
    check("cut inside the last row", paletted(), cutTo(paletteFile.size() - 1));
    check("file size larger than the file", paletted(), put32(bmp::kFileSize, static_cast<std::uint32_t>(paletteFile.size() + 1)));
    check("core header (12 bytes)", paletted(), put32(bmp::kHeaderSize, 12));
    check("version 5 header (124 bytes)", paletted(), put32(bmp::kHeaderSize, 124));
    check("two planes", paletted(), put16(bmp::kPlanes, 2));
    check("run-length compression", paletted(), put32(bmp::kCompression, 1));
    check("bit-field compression", trueColour(), put32(bmp::kCompression, 3));
    check("4 bits per pixel", paletted(), put16(bmp::kBitsPerPixel, 4));
    check("16 bits per pixel", trueColour(), put16(bmp::kBitsPerPixel, 16));
    check("32 bits per pixel", trueColour(), put16(bmp::kBitsPerPixel, 32));
    check("zero width", trueColour(), put32(bmp::kWidth, 0));
    check("negative width", trueColour(), put32(bmp::kWidth, 0xFFFFFFFD));
    check("zero height", trueColour(), put32(bmp::kHeight, 0));
    check("most negative height", trueColour(), put32(bmp::kHeight, 0x80000000));
    check("width past the limit", trueColour(), put32(bmp::kWidth, 16385));
    check("height past the limit", trueColour(), put32(bmp::kHeight, 16385));
    check("top-down height past the limit", trueColour(), put32(bmp::kHeight, static_cast<std::uint32_t>(-16385)));
    check("largest sides, few bytes", trueColour(), [&](Bytes& f) {
        testing::put32(f, bmp::kWidth, 16384);
        testing::put32(f, bmp::kHeight, 16384);
    });
    check("row bytes times height wrap 32 bits", trueColour(), [&](Bytes& f) {
        testing::put32(f, bmp::kWidth, 0x5556);  // 3 * 0x5556 rounds up to 0x10004 bytes a row
        testing::put32(f, bmp::kHeight, 0x10000);
    });
    check("more rows than bytes", trueColour(), put32(bmp::kHeight, 3));
    check("pixel offset past the end", paletted(), put32(bmp::kPixelOffset, static_cast<std::uint32_t>(paletteFile.size() + 1)));
    check("pixel offset near 4 GiB", paletted(), put32(bmp::kPixelOffset, 0xFFFFFFF0));
    check("pixel offset inside the palette", paletted(), put32(bmp::kPixelOffset, bmp::kPalette + 8));
    check("pixels start too late for the rows", paletted(), put32(bmp::kPixelOffset, pixelsStart + 1));
    check("palette larger than 8 bits can index", paletted(), put32(bmp::kColoursUsed, 257));
    check("palette count near 4 GiB", paletted(), put32(bmp::kColoursUsed, 0xFFFFFFFF));
    check("true-colour palette count too big", trueColour(), put32(bmp::kColoursUsed, 300));
    check("pixel names a colour past the palette", paletted(), [&](Bytes& f) { f[pixelsStart] = 4; });
}

// Also with the file-size field cleared, which leaves the cut to the other checks.
TEST(DecodeBmp, RejectsEveryTruncation) {
    std::vector<Bytes> files = {testing::writeBmp(paletted()), testing::writeBmp(trueColour(), true)};
    for (std::size_t i = 0, count = files.size(); i < count; ++i) {
        files.push_back(files[i]);
        testing::put32(files.back(), bmp::kFileSize, 0);
    }
    for (const Bytes& file : files) {
        ASSERT_TRUE(decode(file));
        for (std::size_t size = 0; size < file.size(); ++size) {
            Bytes cut(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(size));
            EXPECT_FALSE(decode(cut)) << "cut to " << size << " of " << file.size() << " bytes";
        }
    }
}

}  // namespace
}  // namespace vclock
