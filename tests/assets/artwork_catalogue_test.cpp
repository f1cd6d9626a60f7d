#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "assets/artwork.h"
#include "assets/decode/ico_decoder.h"
#include "assets/pictures/embedded_pictures.h"

namespace vclock {
namespace {

struct CataloguedFile {
    std::string name;
    std::size_t bytes;
    int bitsPerPixel;  // of a bitmap; 0 for an icon
};

std::vector<CataloguedFile> catalogue() {
    std::vector<CataloguedFile> files{{"scene.bmp", 481080, 8},       {"exit_normal.bmp", 3414, 24},
                                      {"exit_pressed.bmp", 3414, 24}, {"window.ico", 1078, 0},
                                      {"butterfly.ico", 10134, 0},    {"emblem.ico", 2238, 0}};
    const auto set = [&](const std::string& stem, int count, std::size_t bytes) {
        for (int i = 0; i < count; ++i)
            files.push_back({embedded_pictures::memberFileName(stem, static_cast<std::size_t>(i),
                                                              static_cast<std::size_t>(count)),
                             bytes, 24});
    };
    set("hour", 24, 47054);
    set("smoke", 9, 954);
    set("door", 7, 37078);
    set("second", 6, 53910);
    return files;
}

TEST(ArtworkCatalogue, EveryFileHasItsCataloguedByteCountAndDepth) {
    for (const auto& f : catalogue()) {
        SCOPED_TRACE(f.name);
        const auto bytes = embedded_pictures::file(f.name);
        EXPECT_EQ(bytes.size(), f.bytes);
        if (f.bitsPerPixel > 0 && bytes.size() > 29) {
            EXPECT_EQ(bytes[28], f.bitsPerPixel);
        }
    }
    EXPECT_TRUE(embedded_pictures::file("buttfly01.ico").empty()) << "the butterfly frames stay files";
    EXPECT_TRUE(embedded_pictures::file("no such picture").empty());
}

void expectSize(const PictureHandle& p, int width, int height) {
    ASSERT_TRUE(p);
    EXPECT_EQ(p->width, width);
    EXPECT_EQ(p->height, height);
}

TEST(ArtworkCatalogue, PicturesHaveTheirSizes) {
    const Artwork& a = embeddedArtwork();
    expectSize(a.scene, 800, 600);
    expectSize(a.exitNormal, 32, 35);
    expectSize(a.exitPressed, 32, 35);
    expectSize(a.closedDoor, 118, 104);
    for (const auto& p : a.hour) expectSize(p, 125, 125);
    for (const auto& p : a.smoke) expectSize(p, 11, 25);
    for (const auto& p : a.door) expectSize(p, 118, 104);
    for (const auto& p : a.second) expectSize(p, 67, 264);
}

template <std::size_t N>
void expectDistinct(const std::array<PictureHandle, N>& set) {
    for (std::size_t i = 0; i < N; ++i)
        for (std::size_t j = i + 1; j < N; ++j) EXPECT_NE(set[i]->pixels, set[j]->pixels) << i << " and " << j;
}

TEST(ArtworkCatalogue, NoTwoMembersOfASetAreAlike) {
    const Artwork& a = embeddedArtwork();
    expectDistinct(a.hour);
    expectDistinct(a.smoke);
    expectDistinct(a.door);
    expectDistinct(a.second);
    EXPECT_NE(a.exitNormal->pixels, a.exitPressed->pixels);
}

int brightness(std::uint32_t argb) { return ((argb >> 16) & 0xff) + ((argb >> 8) & 0xff) + (argb & 0xff); }

// The shadow of frame i points i x 15 degrees clockwise from straight up:
// a spot on its path is darker than the same spot in the frame pointing the
// opposite way.
TEST(ArtworkCatalogue, HourShadowPointsLikeAClockHand) {
    const Artwork& a = embeddedArtwork();
    const double pi = 3.14159265358979323846;
    for (int i = 0; i < 24; ++i) {
        SCOPED_TRACE(i);
        const double angle = i * 15 * pi / 180;
        const int x = 62 + static_cast<int>(std::lround(35 * std::sin(angle)));
        const int y = 62 - static_cast<int>(std::lround(35 * std::cos(angle)));
        const Picture& here = *a.hour[static_cast<std::size_t>(i)];
        const Picture& opposite = *a.hour[static_cast<std::size_t>((i + 12) % 24)];
        EXPECT_LT(brightness(here.at(x, y)) * 2, brightness(opposite.at(x, y)));
    }
}

struct ImageShape {
    int size;
    int bitsPerPixel;
};

void expectImages(const IconHandle& icon, const std::vector<ImageShape>& shapes) {
    ASSERT_TRUE(icon);
    ASSERT_EQ(icon->images.size(), shapes.size());
    for (std::size_t i = 0; i < shapes.size(); ++i) {
        SCOPED_TRACE(i);
        const Picture& p = *icon->images[i].picture;
        EXPECT_EQ(p.width, shapes[i].size);
        EXPECT_EQ(p.height, shapes[i].size);
        EXPECT_EQ(icon->images[i].bitsPerPixel, shapes[i].bitsPerPixel);
        // Masked round the drawing: the corners show what lies beneath.
        const int last = p.width - 1;
        for (auto [x, y] : {std::pair{0, 0}, {last, 0}, {0, last}, {last, last}}) EXPECT_EQ(p.at(x, y) >> 24, 0u);
        int drawn = 0;
        for (std::uint32_t px : p.pixels) drawn += (px >> 24) == 255;
        EXPECT_GT(drawn, p.width * p.height / 5);
    }
}

TEST(ArtworkCatalogue, IconsHaveTheirImagesAndMasks) {
    const Artwork& a = embeddedArtwork();
    expectImages(a.windowIcon, {{32, 4}, {16, 4}});
    expectImages(a.butterfly, {{48, 8}, {32, 8}, {16, 8}, {16, 4}, {32, 4}, {48, 4}});
    expectImages(a.emblem, {{32, 8}});
}

std::vector<std::uint8_t> readFile(const char* path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(ArtworkCatalogue, ButterflyFramesBesideTheProgramAreTwoDifferentIcons) {
    const auto raised = decodeIco(readFile(VCLOCK_BUTTERFLY_RAISED));
    const auto lowered = decodeIco(readFile(VCLOCK_BUTTERFLY_LOWERED));
    ASSERT_TRUE(raised && lowered);
    const Icon::Image* a = raised->best(32);
    const Icon::Image* b = lowered->best(32);
    ASSERT_TRUE(a && b);
    EXPECT_EQ(a->picture->width, 32);
    EXPECT_NE(a->picture->pixels, b->picture->pixels);
    EXPECT_EQ(a->picture->at(0, 0) >> 24, 0u);
}

}  // namespace
}  // namespace vclock
