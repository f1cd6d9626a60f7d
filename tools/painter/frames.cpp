#include "tools/painter/frames.h"

#include <algorithm>
#include <stdexcept>

#include "tools/painter/noise.h"
#include "tools/painter/scene.h"
#include "tools/painter/shapes.h"

namespace painter {
namespace {

constexpr Rgb kPureBlue{0, 0, 255};

void blend(Image& image, int x, int y, Colour c, float amount) {
    if (!image.contains(x, y) || amount <= 0) return;
    image.at(x, y) = toRgb(mix(toColour(image.at(x, y)), c, clamp01(amount)));
}

Vec centreOf(int x, int y) { return {static_cast<float>(x) + 0.5f, static_cast<float>(y) + 0.5f}; }

// --- hour ---------------------------------------------------------------

void paintPlant(Image& image, Vec centre, const std::array<Vec, 24>& directions) {
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            const Vec p = centreOf(x, y);
            for (int leaf = 0; leaf < 6; ++leaf) {
                const Vec d = directions[static_cast<std::size_t>((leaf * 4 + 1) % 24)];
                const float f = ellipse(p, {centre.x + d.x * 5, centre.y + d.y * 5}, d, 6, 2.6f);
                if (f < 1) {
                    const float vein = std::fabs(-(p.x - centre.x) * d.y + (p.y - centre.y) * d.x);
                    Colour c = mix(Colour{150, 214, 96}, Colour{96, 170, 60}, clamp01(f));
                    if (vein < 0.5f) c = Colour{84, 150, 52};
                    image.at(x, y) = toRgb(c);
                }
            }
            if (ellipse(p, centre, {1, 0}, 2.2f, 2.2f) < 1) image.at(x, y) = toRgb(Colour{190, 230, 120});
        }
}

// --- door ---------------------------------------------------------------

struct RankedPixel {
    float key;
    int x, y;
};

// The fully open oval: the pixels nearest its centre, as many as the last
// frame's opening has.
std::vector<RankedPixel> openOval(int width, int height) {
    constexpr float cx = 60, cy = 53, rx = 53.5f, ry = 30.5f;
    std::vector<RankedPixel> all;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const float u = (static_cast<float>(x) - cx) / rx, v = (static_cast<float>(y) - cy) / ry;
            all.push_back({u * u + v * v, x, y});
        }
    std::stable_sort(all.begin(), all.end(), [](const auto& a, const auto& b) { return a.key < b.key; });
    all.resize(static_cast<std::size_t>(kDoorBluePixels.back()));
    // Opening like a waxing moon: ranked by how far right of the oval's middle
    // a pixel lies, relative to its row's half-width.
    for (RankedPixel& p : all) {
        const float u = (static_cast<float>(p.x) - cx) / rx, v = (static_cast<float>(p.y) - cy) / ry;
        const float half = std::sqrt(std::max(1 - v * v, 0.0025f));
        p.key = -u / half;
    }
    std::stable_sort(all.begin(), all.end(), [](const auto& a, const auto& b) { return a.key < b.key; });
    return all;
}

// --- seconds ------------------------------------------------------------

constexpr std::array<Vec, 6> kLeafTilts{{{0.93f, 0.37f}, {0.97f, -0.24f}, {0.92f, 0.39f},
                                         {0.96f, -0.28f}, {0.99f, 0.14f}, {1, 0}}};
// How much spray rises from the pool in each frame: thrown up as the leaf
// lands in frame 5, settling through frames 0 to 2.
constexpr std::array<float, 6> kSpray{0.7f, 0.45f, 0.25f, 0, 0, 1};

void paintLeaf(Image& image, Vec centre, Vec axis) {
    const Vec stemEnd{centre.x - axis.x * 17, centre.y - axis.y * 17};
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            const Vec p = centreOf(x, y);
            if (std::fabs(p.x - centre.x) > 20 || std::fabs(p.y - centre.y) > 14) continue;
            const float f = ellipse(p, centre, axis, 14, 7);
            if (f < 1) {
                const float across = -(p.x - centre.x) * axis.y + (p.y - centre.y) * axis.x;
                Colour c = mix(Colour{118, 196, 62}, Colour{46, 128, 34}, f);
                if (across > 0) c = scale(c, 0.82f);
                if (std::fabs(across) < 0.6f) c = Colour{40, 96, 28};
                image.at(x, y) = toRgb(c);
            } else if (segmentDistance(p, stemEnd, {centre.x - axis.x * 13, centre.y - axis.y * 13}) < 0.8f) {
                image.at(x, y) = toRgb(Colour{70, 110, 30});
            }
        }
}

void paintSpray(Image& image, float strength, unsigned seed) {
    if (strength <= 0) return;
    const float reach = 46 * strength;
    for (int y = image.height - 1; y >= 0; --y) {
        const float rise = static_cast<float>(image.height - y);
        if (rise > reach) break;
        for (int x = 0; x < image.width; ++x) {
            const float fade = 1 - rise / reach;
            const float cloud = fractalNoise(static_cast<float>(x), static_cast<float>(y), 7, 2, seed);
            const float drop = hash01(x, y, seed + 7);
            if (cloud > 0.62f - 0.25f * fade) blend(image, x, y, Colour{246, 250, 250}, 0.5f + 0.5f * fade);
            else if (drop > 1 - 0.12f * fade) blend(image, x, y, Colour{255, 255, 255}, 0.9f);
        }
    }
}

// --- smoke --------------------------------------------------------------

struct Puff {
    Vec centre;
    float rx, ry;
    Colour colour;
    float density;
};

void paintPuff(Image& image, const Puff& puff, unsigned seed) {
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            const float f = ellipse(centreOf(x, y), puff.centre, {1, 0}, puff.rx, puff.ry);
            const float billow = valueNoise(static_cast<float>(x), static_cast<float>(y), 3, seed);
            const float amount = (1 - smoothstep(0.5f, 1.1f, f + 0.4f * (billow - 0.5f))) * puff.density;
            blend(image, x, y, puff.colour, amount);
        }
}

void spark(Image& image, int x, int y, Colour c) {
    blend(image, x, y, c, 1);
    blend(image, x, y - 1, c, 0.5f);
}

}  // namespace

std::array<Image, 24> hourFrames() {
    const auto directions = clockDirections();
    Image ground(125, 125);
    for (int y = 0; y < 125; ++y)
        for (int x = 0; x < 125; ++x)
            ground.at(x, y) = toRgb(foliage(static_cast<float>(x), static_cast<float>(y), 200, 0.7f, false));
    const Vec centre{62.5f, 62.5f};
    std::array<Image, 24> frames;
    for (std::size_t i = 0; i < frames.size(); ++i) {
        Image f = ground;
        const Vec d = directions[i];
        const Vec tip{centre.x + d.x * 54, centre.y + d.y * 54};
        for (int y = 0; y < 125; ++y)
            for (int x = 0; x < 125; ++x) {
                const Vec p = centreOf(x, y);
                const float along = (p.x - centre.x) * d.x + (p.y - centre.y) * d.y;
                const float width = 5.0f - 2.0f * clamp01(along / 54);
                const float dist = segmentDistance(p, centre, tip);
                const float shadow = 1 - smoothstep(width - 1, width + 0.5f, dist);
                if (shadow > 0) f.at(x, y) = toRgb(scale(toColour(f.at(x, y)), 1 - 0.8f * shadow));
            }
        paintPlant(f, centre, directions);
        frames[i] = std::move(f);
    }
    return frames;
}

std::array<Image, 9> smokeFrames() {
    Image bare(11, 25);
    for (int y = 0; y < 25; ++y)
        for (int x = 0; x < 11; ++x)
            bare.at(x, y) = toRgb(foliage(static_cast<float>(x) + 40, static_cast<float>(y) + 40, 300, 0.55f, false));
    const Colour orange{255, 140, 20}, yellow{255, 226, 60}, red{224, 40, 20};
    std::array<Image, 9> f;
    f.fill(bare);
    paintPuff(f[1], {{5.5f, 21.5f}, 2.2f, 2.0f, {30, 30, 28}, 0.8f}, 401);
    spark(f[1], 5, 22, orange);
    paintPuff(f[2], {{5.5f, 20.5f}, 3.4f, 3.2f, {36, 36, 34}, 0.85f}, 402);
    spark(f[2], 5, 22, yellow);
    spark(f[2], 6, 21, yellow);
    paintPuff(f[3], {{5.5f, 18}, 4.2f, 5.0f, {70, 70, 68}, 0.9f}, 403);
    spark(f[3], 5, 23, orange);
    paintPuff(f[4], {{5.5f, 16.5f}, 5.2f, 8.5f, {112, 112, 110}, 0.9f}, 404);
    paintPuff(f[5], {{5.5f, 14}, 5.2f, 10.5f, {146, 146, 144}, 0.9f}, 405);
    paintPuff(f[6], {{5.5f, 12.5f}, 5.8f, 12.5f, {176, 176, 174}, 0.92f}, 406);
    paintPuff(f[7], {{5.5f, 11}, 5.0f, 15.0f, {196, 196, 194}, 0.95f}, 407);
    paintPuff(f[8], {{5.5f, 11}, 5.6f, 15.5f, {208, 208, 206}, 0.97f}, 408);
    for (int y = 19; y < 25; ++y)
        for (int x = 2; x < 9; ++x) {
            const float f8 = ellipse(centreOf(x, y), {5.5f, 23}, {1, 0}, 3.5f, 4.5f);
            if (f8 < 1) blend(f[8], x, y, f8 < 0.4f ? yellow : red, 1);
        }
    return f;
}

std::array<Image, 7> doorFrames(const Image& scene, Spot at) {
    const Image closed = scene.cut(at.left, at.top, 118, 104);
    for (const Rgb& c : closed.pixels)
        if (c == kPureBlue) throw std::runtime_error("the scene holds the door's blue");
    const auto ranked = openOval(closed.width, closed.height);
    std::array<Image, 7> frames;
    frames[0] = closed;
    for (std::size_t k = 1; k < frames.size(); ++k) {
        Image f = closed;
        std::vector<bool> open(closed.pixels.size(), false);
        for (int i = 0; i < kDoorBluePixels[k]; ++i) {
            const RankedPixel& p = ranked[static_cast<std::size_t>(i)];
            open[static_cast<std::size_t>(p.y) * f.width + p.x] = true;
            f.at(p.x, p.y) = kPureBlue;
        }
        // A dark lip round the opening, so it reads as a hole in the leaves.
        for (int y = 0; y < f.height; ++y)
            for (int x = 0; x < f.width; ++x) {
                if (open[static_cast<std::size_t>(y) * f.width + x]) continue;
                bool edge = false;
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx)
                        if (f.contains(x + dx, y + dy) && open[static_cast<std::size_t>(y + dy) * f.width + x + dx])
                            edge = true;
                if (edge) f.at(x, y) = toRgb(scale(toColour(f.at(x, y)), 0.35f));
            }
        frames[k] = std::move(f);
    }
    return frames;
}

std::array<Image, 6> secondFrames(const Image& scene, Spot at, const std::array<Spot, 6>& labels, Spot labelSize) {
    const Image strip = scene.cut(at.left, at.top, 67, 264);
    std::array<Image, 6> frames;
    for (std::size_t k = 0; k < frames.size(); ++k) {
        Image f = strip;
        paintSpray(f, kSpray[k], 500 + static_cast<unsigned>(k));
        const Vec centre{static_cast<float>(labels[k].left - at.left) + static_cast<float>(labelSize.left) / 2,
                         static_cast<float>(labels[k].top - at.top) + static_cast<float>(labelSize.top) / 2};
        const Vec t = kLeafTilts[k];
        const float n = length(t);
        paintLeaf(f, centre, {t.x / n, t.y / n});
        frames[k] = std::move(f);
    }
    return frames;
}

std::array<Image, 2> exitLooks(const Image& scene, Spot at) {
    const Image ground = scene.cut(at.left, at.top, 32, 35);
    std::array<Image, 2> looks{ground, ground};
    const Vec berry{16, 21};
    for (int y = 0; y < 35; ++y)
        for (int x = 0; x < 32; ++x) {
            const Vec p = centreOf(x, y);
            if (segmentDistance(p, {16, 11}, {19, 5}) < 1.3f || segmentDistance(p, {19, 5}, {23, 2}) < 1.1f) {
                looks[0].at(x, y) = looks[1].at(x, y) = toRgb(Colour{176, 104, 40});
                continue;
            }
            const float f = ellipse(p, berry, {0, 1}, 11, 9);
            if (f >= 1) continue;
            const float light = 1 - clamp01(ellipse(p, {13, 16}, {1, 0}, 5, 5));
            looks[0].at(x, y) = toRgb(mix(mix(Colour{206, 28, 26}, Colour{120, 10, 14}, f), Colour{255, 190, 180}, 0.7f * light));
            const Colour green = mix(mix(Colour{70, 180, 50}, Colour{30, 110, 30}, f), Colour{200, 250, 180}, 0.6f * light);
            looks[1].at(x, y) = toRgb(f > 0.62f ? Colour{200, 24, 24} : green);
        }
    return looks;
}

}  // namespace painter
