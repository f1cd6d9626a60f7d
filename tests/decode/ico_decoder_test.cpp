#include "assets/decode/ico_decoder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "tests/decode/picture_files.h"

namespace vclock {
namespace {

using testing::Bytes;
using testing::PictureSpec;
namespace ico = testing::ico;

constexpr std::uint32_t kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF;

std::optional<Icon> decode(const Bytes& bytes) { return decodeIco(bytes); }

// A square image of `side` pixels at `bitsPerPixel` whose pixel values run
// through the palette (or a colour ramp above 8 bits), masked on its first
// row and on its last column.
PictureSpec image(int side, int bitsPerPixel) {
    PictureSpec spec{side, side, bitsPerPixel, {}, {}, {}};
    if (bitsPerPixel <= 8) {
        for (int i = 0; i < 1 << bitsPerPixel; ++i) spec.palette.push_back(static_cast<std::uint32_t>(i * 0x010203));
    }
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const auto n = static_cast<std::uint32_t>(y * side + x);
            spec.pixels.push_back(bitsPerPixel <= 8 ? n % spec.palette.size() : n * 0x030507 % 0x1000000);
            spec.masked.push_back(y == 0 || x == side - 1);
        }
    }
    return spec;
}

// What `spec` must decode to: opaque colours, 0 where masked.
std::vector<std::uint32_t> expectedPixels(const PictureSpec& spec) {
    std::vector<std::uint32_t> pixels;
    for (std::size_t i = 0; i < spec.pixels.size(); ++i) {
        const std::uint32_t colour = spec.bitsPerPixel <= 8 ? spec.palette[spec.pixels[i]] : spec.pixels[i] & 0xFFFFFF;
        pixels.push_back(!spec.masked.empty() && spec.masked[i] ? 0 : 0xFF000000 | colour);
    }
    return pixels;
}

void expectImage(const Icon::Image& decoded, const PictureSpec& spec) {
    ASSERT_TRUE(decoded.picture);
    EXPECT_EQ(decoded.bitsPerPixel, spec.bitsPerPixel);
    EXPECT_EQ(decoded.picture->width, spec.width);
    EXPECT_EQ(decoded.picture->height, spec.height);
    EXPECT_EQ(decoded.picture->pixels, expectedPixels(spec));
}

// The window icon's shape: two 16-colour images.
TEST(DecodeIco, SixteenColourImagesInDirectoryOrder) {
    const std::vector<PictureSpec> images = {image(32, 4), image(16, 4)};
    const Bytes file = testing::writeIco(images);
    EXPECT_EQ(file.size(), 1078u);  // the standard layout, as the window icon's file has it
    const std::optional<Icon> icon = decode(file);
    ASSERT_TRUE(icon);
    ASSERT_EQ(icon->images.size(), 2u);
    expectImage(icon->images[0], images[0]);
    expectImage(icon->images[1], images[1]);
}

TEST(DecodeIco, EveryDepthWithItsMask) {
    for (int bitsPerPixel : {1, 4, 8, 24, 32}) {
        SCOPED_TRACE(bitsPerPixel);
        // 5 pixels a row leave padding in colour and mask rows at every depth.
        const PictureSpec spec = image(5, bitsPerPixel);
        const std::optional<Icon> icon = decode(testing::writeIco({spec}));
        ASSERT_TRUE(icon);
        ASSERT_EQ(icon->images.size(), 1u);
        expectImage(icon->images[0], spec);
    }
}

TEST(DecodeIco, MaskAloneDecidesTransparencyAtThirtyTwoBits) {
    PictureSpec spec{2, 1, 32, {}, {0x00FF0000, 0xFF00FF00}, {false, true}};
    const std::optional<Icon> icon = decode(testing::writeIco({spec}));
    ASSERT_TRUE(icon);
    EXPECT_EQ(icon->images[0].picture->pixels, (std::vector<std::uint32_t>{0xFFFF0000, 0}));
}

TEST(DecodeIco, SmallPaletteWhereTheHeaderSaysSo) {
    PictureSpec spec{3, 1, 8, {kRed, kGreen, kBlue}, {2, 1, 0}, {}};
    const std::optional<Icon> icon = decode(testing::writeIco({spec}));
    ASSERT_TRUE(icon);
    EXPECT_EQ(icon->images[0].picture->pixels, (std::vector<std::uint32_t>{0xFF0000FF, 0xFF00FF00, 0xFFFF0000}));
}

TEST(DecodeIco, DirectoryWritesTwoHundredFiftySixAsZero) {
    const PictureSpec spec = image(256, 1);
    const Bytes file = testing::writeIco({spec});
    ASSERT_EQ(file[ico::kEntries + ico::kEntryWidth], 0);
    const std::optional<Icon> icon = decode(file);
    ASSERT_TRUE(icon);
    expectImage(icon->images[0], spec);
}

// Compressed images are left out; the bitmap images beside them still count.
TEST(DecodeIco, LeavesOutPngImages) {
    Bytes file = testing::writeIco({image(16, 8), image(16, 4)});
    const std::size_t png = testing::icoImageOffset(file, 0);
    const std::uint8_t signature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::copy(std::begin(signature), std::end(signature), file.begin() + static_cast<std::ptrdiff_t>(png));
    const std::optional<Icon> icon = decode(file);
    ASSERT_TRUE(icon);
    ASSERT_EQ(icon->images.size(), 1u);
    EXPECT_EQ(icon->images[0].bitsPerPixel, 4);

    Bytes onlyPng = testing::writeIco({image(16, 8)});
    std::copy(std::begin(signature), std::end(signature), onlyPng.begin() + static_cast<std::ptrdiff_t>(png - ico::kEntryBytes));
    EXPECT_FALSE(decode(onlyPng));
}

// Each row breaks one valid two-image file in one way; every one must give nothing.
TEST(DecodeIco, RejectsMalformedFiles) {
    const Bytes valid = testing::writeIco({image(16, 8), image(5, 4)});
    ASSERT_TRUE(decode(valid));  // control
    const std::size_t entry1 = ico::kEntries + ico::kEntryBytes;
    const std::size_t image0 = testing::icoImageOffset(valid, 0);
    const std::size_t image1 = testing::icoImageOffset(valid, 1);
    const auto check = [&](const char* name, const std::function<void(Bytes&)>& edit) {
        Bytes file = valid;
        edit(file);
        EXPECT_FALSE(decode(file)) << name;
    };
    const auto put32 = [](std::size_t at, std::uint32_t value) { return [=](Bytes& f) { testing::put32(f, at, value); }; };
    const auto put16 = [](std::size_t at, std::uint16_t value) { return [=](Bytes& f) { testing::put16(f, at, value); }; };
    const auto putByte = [](std::size_t at, std::uint8_t value) { return [=](Bytes& f) { f.at(at) = value; }; };
    const auto cutTo = [](std::size_t size) { return [=](Bytes& f) { f.resize(size); }; };

    check("no bytes", cutTo(0));
    check("reserved field set", put16(0, 1));
    check("cursor file", put16(ico::kType, 2));
    check("no images", put16(ico::kCount, 0));
    check("more images than the limit", put16(ico::kCount, 65));
    check("most images, directory past the end", put16(ico::kCount, 0xFFFF));
    check("one entry more than written", put16(ico::kCount, 3));
    check("cut inside the directory header", cutTo(4));
    check("cut inside the directory", cutTo(entry1 + 5));
    check("cut inside an image header", cutTo(image1 + 20));
    check("cut inside the palette", cutTo(image0 + 40 + 100));
    check("cut inside the colour rows", cutTo(image1 + 40 + 64 + 3));
    check("cut inside the mask", cutTo(valid.size() - 1));
    check("entry size past the end", put32(entry1 + ico::kEntrySize, static_cast<std::uint32_t>(valid.size() - image1 + 1)));
    check("entry size near 4 GiB", put32(entry1 + ico::kEntrySize, 0xFFFFFFFF));
    check("entry size too small for the mask", [&](Bytes& f) {
        testing::put32(f, ico::kEntries + ico::kEntrySize, static_cast<std::uint32_t>(image1 - image0 - 1));
    });
    check("entry offset past the end", put32(entry1 + ico::kEntryOffset, static_cast<std::uint32_t>(valid.size() + 1)));
    check("entry offset near 4 GiB", put32(entry1 + ico::kEntryOffset, 0xFFFFFFF8));
    check("entry offset inside the directory", put32(ico::kEntries + ico::kEntryOffset, ico::kEntries));
    check("entry width differs from the image", putByte(entry1 + ico::kEntryWidth, 6));
    check("entry height differs from the image", putByte(entry1 + ico::kEntryHeight, 4));
    check("image height not doubled", put32(image1 + 8, 5));
    check("image height negative", put32(image1 + 8, static_cast<std::uint32_t>(-10)));
    check("image width zero", [&](Bytes& f) {
        f[entry1 + ico::kEntryWidth] = 0;
        testing::put32(f, image1 + 4, 0);
    });
    check("image wider than 256", [&](Bytes& f) {
        f[entry1 + ico::kEntryWidth] = 0;
        testing::put32(f, image1 + 4, 257);
    });
    check("wrong header size", put32(image1, 108));
    check("two planes", put16(image1 + 12, 2));
    check("16 bits per pixel", put16(image1 + 14, 16));
    check("0 bits per pixel", put16(image1 + 14, 0));
    check("compression set", put32(image1 + 16, 1));
    check("palette larger than 4 bits can index", put32(image1 + 32, 17));
    check("palette count near 4 GiB", put32(image0 + 32, 0xFFFFFFFF));
    check("pixel names a colour past the palette", [&](Bytes& f) {
        testing::put32(f, image1 + 32, 2);  // the pixels use all 16
    });
}

TEST(DecodeIco, RejectsEveryTruncation) {
    const Bytes file = testing::writeIco({image(8, 4), image(3, 24)});
    ASSERT_TRUE(decode(file));
    for (std::size_t size = 0; size < file.size(); ++size) {
        const Bytes cut(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(size));
        EXPECT_FALSE(decode(cut)) << "cut to " << size << " of " << file.size() << " bytes";
    }
}

}  // namespace
}  // namespace vclock
