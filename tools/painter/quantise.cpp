#include "tools/painter/quantise.h"

#include <array>

namespace painter {
namespace {

constexpr int kBins = 32;
int bin(std::uint8_t v) { return v >> 3; }
int index(int r, int g, int b) { return (r * kBins + g) * kBins + b; }

struct Histogram {
    std::vector<std::uint32_t> count = std::vector<std::uint32_t>(kBins * kBins * kBins, 0);
    std::vector<std::array<std::uint64_t, 3>> sum =
        std::vector<std::array<std::uint64_t, 3>>(kBins * kBins * kBins, {0, 0, 0});
};

struct Box {
    std::array<int, 3> lo{}, hi{};  // inclusive bin ranges
    std::uint64_t count = 0;
};

std::uint64_t countIn(const Histogram& h, const Box& box) {
    std::uint64_t n = 0;
    for (int r = box.lo[0]; r <= box.hi[0]; ++r)
        for (int g = box.lo[1]; g <= box.hi[1]; ++g)
            for (int b = box.lo[2]; b <= box.hi[2]; ++b) n += h.count[index(r, g, b)];
    return n;
}

// Counts of the box's pixels per bin along one axis.
std::array<std::uint64_t, kBins> profile(const Histogram& h, const Box& box, int axis) {
    std::array<std::uint64_t, kBins> p{};
    for (int r = box.lo[0]; r <= box.hi[0]; ++r)
        for (int g = box.lo[1]; g <= box.hi[1]; ++g)
            for (int b = box.lo[2]; b <= box.hi[2]; ++b) {
                const int at = axis == 0 ? r : (axis == 1 ? g : b);
                p[static_cast<std::size_t>(at)] += h.count[index(r, g, b)];
            }
    return p;
}

bool split(const Histogram& h, const Box& box, Box& first, Box& second) {
    int axis = -1, widest = 0;
    for (int a = 0; a < 3; ++a)
        if (box.hi[a] - box.lo[a] > widest) widest = box.hi[a] - box.lo[a], axis = a;
    if (axis < 0) return false;
    const auto p = profile(h, box, axis);
    std::uint64_t seen = 0;
    int cut = box.lo[axis];
    for (int v = box.lo[axis]; v < box.hi[axis]; ++v) {
        seen += p[static_cast<std::size_t>(v)];
        cut = v;
        if (2 * seen >= box.count) break;
    }
    first = box;
    second = box;
    first.hi[axis] = cut;
    second.lo[axis] = cut + 1;
    first.count = countIn(h, first);
    second.count = countIn(h, second);
    return true;
}

Rgb meanOf(const Histogram& h, const Box& box) {
    std::array<std::uint64_t, 3> s{0, 0, 0};
    std::uint64_t n = 0;
    for (int r = box.lo[0]; r <= box.hi[0]; ++r)
        for (int g = box.lo[1]; g <= box.hi[1]; ++g)
            for (int b = box.lo[2]; b <= box.hi[2]; ++b) {
                const int i = index(r, g, b);
                n += h.count[i];
                for (int c = 0; c < 3; ++c) s[c] += h.sum[i][c];
            }
    if (n == 0) return {};
    return {static_cast<std::uint8_t>((s[0] + n / 2) / n), static_cast<std::uint8_t>((s[1] + n / 2) / n),
            static_cast<std::uint8_t>((s[2] + n / 2) / n)};
}

int distance(const Rgb& p, int r, int g, int b) {
    const int dr = p.r - r, dg = p.g - g, db = p.b - b;
    return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

}  // namespace

Palette fitPalette(const std::vector<Colour>& pixels, int count) {
    Histogram h;
    for (const Colour& c : pixels) {
        const Rgb v = toRgb(c);
        const int i = index(bin(v.r), bin(v.g), bin(v.b));
        ++h.count[i];
        h.sum[i][0] += v.r;
        h.sum[i][1] += v.g;
        h.sum[i][2] += v.b;
    }
    std::vector<Box> boxes{Box{{0, 0, 0}, {kBins - 1, kBins - 1, kBins - 1}, pixels.size()}};
    while (static_cast<int>(boxes.size()) < count) {
        // Split the most populous box that can still be split.
        int pick = -1;
        for (int i = 0; i < static_cast<int>(boxes.size()); ++i) {
            const Box& b = boxes[static_cast<std::size_t>(i)];
            const bool splittable = b.hi[0] > b.lo[0] || b.hi[1] > b.lo[1] || b.hi[2] > b.lo[2];
            if (splittable && b.count > 1 && (pick < 0 || b.count > boxes[static_cast<std::size_t>(pick)].count))
                pick = i;
        }
        Box a, b;
        if (pick < 0 || !split(h, boxes[static_cast<std::size_t>(pick)], a, b)) break;
        boxes[static_cast<std::size_t>(pick)] = a;
        boxes.push_back(b);
    }
    Palette palette;
    for (const Box& b : boxes) palette.push_back(meanOf(h, b));
    while (static_cast<int>(palette.size()) < count) palette.push_back({});
    return palette;
}

std::uint8_t nearest(const Palette& palette, Colour c) {
    const Rgb v = toRgb(c);
    int best = 0, bestDistance = distance(palette[0], v.r, v.g, v.b);
    for (int i = 1; i < static_cast<int>(palette.size()); ++i) {
        const int d = distance(palette[static_cast<std::size_t>(i)], v.r, v.g, v.b);
        if (d < bestDistance) best = i, bestDistance = d;
    }
    return static_cast<std::uint8_t>(best);
}

std::vector<std::uint8_t> mapDithered(const std::vector<Colour>& pixels, int width, const Palette& palette,
                                      float strength) {
    static constexpr int kBayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    std::vector<std::uint8_t> out(pixels.size());
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        const int x = static_cast<int>(i % static_cast<std::size_t>(width));
        const int y = static_cast<int>(i / static_cast<std::size_t>(width));
        const float d = (static_cast<float>(kBayer[y % 4][x % 4]) - 7.5f) / 16.0f * strength;
        const Colour& c = pixels[i];
        out[i] = nearest(palette, {c.r + d, c.g + d, c.b + d});
    }
    return out;
}

const Palette& standard16() {
    static const Palette p{{0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
                           {0, 0, 128},     {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
                           {128, 128, 128}, {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
                           {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};
    return p;
}

const Palette& general256() {
    static const Palette p = [] {
        Palette q;
        for (int r = 0; r < 6; ++r)
            for (int g = 0; g < 6; ++g)
                for (int b = 0; b < 6; ++b)
                    q.push_back({static_cast<std::uint8_t>(r * 51), static_cast<std::uint8_t>(g * 51),
                                 static_cast<std::uint8_t>(b * 51)});
        for (int i = 0; i < 40; ++i) q.push_back({static_cast<std::uint8_t>(6 + i * 6), static_cast<std::uint8_t>(6 + i * 6),
                                                  static_cast<std::uint8_t>(6 + i * 6)});
        return q;
    }();
    return p;
}

IconEntry toIconEntry(const IconImage& image, int bitsPerPixel) {
    IconEntry e;
    e.size = image.size();
    e.bitsPerPixel = bitsPerPixel;
    e.palette = bitsPerPixel == 4 ? standard16() : general256();
    e.drawn = image.drawn;
    e.indices.resize(image.colour.pixels.size(), 0);
    for (std::size_t i = 0; i < e.indices.size(); ++i)
        if (image.drawn[i]) e.indices[i] = nearest(e.palette, toColour(image.colour.pixels[i]));
    return e;
}

}  // namespace painter
