#include "tools/painter/scene.h"

#include <cmath>

#include "tools/painter/noise.h"

namespace painter {
namespace {

constexpr Colour kLeafColours[] = {
    {34, 78, 30}, {52, 104, 38}, {70, 120, 44}, {28, 64, 34}, {96, 138, 56}, {44, 92, 52},
};

// The topmost of the jittered round leaf clumps on a lattice of `cell`
// pixels: its shade at (x, y), or a negative value in the gaps.
struct Clump {
    float shade = -1;
    std::uint32_t id = 0;
};

Clump clumpAt(float x, float y, float cell, unsigned seed) {
    const auto cx = static_cast<int>(std::floor(x / cell));
    const auto cy = static_cast<int>(std::floor(y / cell));
    Clump best;
    std::uint32_t bestDepth = 0;
    for (int j = -1; j <= 1; ++j)
        for (int i = -1; i <= 1; ++i) {
            const int gx = cx + i, gy = cy + j;
            const float px = (static_cast<float>(gx) + hash01(gx, gy, seed)) * cell;
            const float py = (static_cast<float>(gy) + hash01(gx, gy, seed + 1)) * cell;
            const float radius = cell * (0.65f + 0.45f * hash01(gx, gy, seed + 2));
            const float dx = (x - px) / radius, dy = (y - py) / radius;
            const float d2 = dx * dx + dy * dy;
            if (d2 >= 1) continue;
            const std::uint32_t depth = hash(gx, gy, seed + 3);
            if (best.shade >= 0 && depth < bestDepth) continue;
            // Lit from the upper left: brighter towards that side of the clump.
            const float dome = std::sqrt(1 - d2);
            best.shade = clamp01(0.35f + 0.45f * dome - 0.3f * (dx + dy) * 0.5f);
            best.id = hash(gx, gy, seed + 4);
            bestDepth = depth;
        }
    return best;
}

Colour rock(float x, float y) {
    const float n = fractalNoise(x, y, 48, 4, 11);
    const float strata = valueNoise(x * 2.0f, y * 0.25f, 6, 12);
    const float grain = hash01(static_cast<int>(x), static_cast<int>(y), 13);
    Colour c = mix(Colour{40, 38, 32}, Colour{118, 110, 92}, n);
    c = mix(c, Colour{24, 22, 18}, 0.55f * smoothstep(0.6f, 0.85f, strata));
    const float moss = smoothstep(0.55f, 0.8f, fractalNoise(x, y, 20, 3, 14));
    c = mix(c, Colour{48, 82, 36}, 0.7f * moss);
    return scale(c, 0.9f + 0.2f * grain);
}

float waterStreaks(float x, float y, unsigned seed) {
    const float fine = valueNoise(x * 5, y * 0.12f, 5, seed);
    const float coarse = valueNoise(x * 1.5f, y * 0.05f, 6, seed + 1);
    return clamp01(0.55f * fine + 0.45f * coarse);
}

Colour water(float x, float y, float depthShade, unsigned seed) {
    const float s = waterStreaks(x, y, seed);
    Colour c = mix(Colour{120, 138, 140}, Colour{238, 242, 240}, smoothstep(0.25f, 0.75f, s));
    const float sparkle = hash01(static_cast<int>(x), static_cast<int>(y), seed + 5);
    if (sparkle > 0.97f) c = mix(c, Colour{252, 252, 250}, 0.8f);
    return scale(c, depthShade);
}

// Half-width and centre of each fall, from the top of the picture down.
float upperCentre(float y) { return 398 + 4 * valueNoise(0, y, 40, 21) - 2; }
float upperHalfWidth(float y) { return 14 + (y - 60) * 0.05f; }
constexpr float kUpperTop = 64, kUpperBottom = 278;
constexpr float kLowerCentre = 396, kLowerHalfWidth = 37, kLowerTop = 318;

Colour sky(float x, float y) {
    const float t = clamp01(y / 90);
    Colour c = mix(Colour{96, 150, 214}, Colour{178, 208, 232}, t);
    const float cloud = smoothstep(0.55f, 0.85f, fractalNoise(x, y * 1.8f, 60, 4, 31));
    return mix(c, Colour{236, 240, 244}, 0.8f * cloud);
}

float skyAmount(float x, float y) {
    const float dx = (x - 400) / 150, dy = (y + 20) / 100;
    const float edge = 1 + 0.35f * (fractalNoise(x, y, 24, 3, 32) - 0.5f);
    return 1 - smoothstep(edge - 0.08f, edge, std::sqrt(dx * dx + dy * dy));
}

// The arched footbridge between the tiers.
struct BridgeHit {
    bool hit = false;
    Colour colour;
};

BridgeHit bridge(float x, float y) {
    constexpr float left = 282, right = 518, rise = 26, base = 314;
    if (x < left || x > right) return {};
    const float u = (x - 400) / ((right - left) / 2);
    const float deck = base - rise * (1 - u * u);
    const Colour wood{104, 66, 36}, dark{56, 34, 20}, rail{124, 84, 48};
    if (y >= deck && y < deck + 7) {
        const float grain = valueNoise(x * 0.3f, y * 3, 2, 41);
        const float shade = y < deck + 2 ? 1.15f : (y >= deck + 5 ? 0.6f : 0.9f);
        return {true, scale(mix(wood, rail, grain), shade)};
    }
    // Arch beam underneath, a shallower curve.
    const float beam = base + 6 - (rise + 8) * (1 - u * u) + 10;
    if (y >= beam && y < beam + 4 && std::fabs(u) < 0.92f) return {true, scale(dark, 1.1f)};
    // Hand rail and posts.
    const float railY = deck - 13;
    if (y >= railY && y < railY + 3) return {true, y < railY + 1 ? rail : wood};
    const float post = std::fmod(x - left, 13.0f);
    if (y > railY && y < deck && post < 2) return {true, post < 1 ? rail : dark};
    if (y > railY + 6 && y < railY + 8) return {true, scale(wood, 0.8f)};
    return {};
}

// How much of the ground is leaves rather than bare rock.
float foliageAmount(float x, float y) {
    const float n = fractalNoise(x, y, 90, 3, 51);
    const float nearWater = std::fabs(x - 397) < 150 && y > 40 ? 1 - std::fabs(x - 397) / 150 : 0;
    return smoothstep(0.42f, 0.5f, n + 0.26f - 0.6f * nearWater);
}

}  // namespace

Colour foliage(float x, float y, unsigned seed, float light, bool crowns) {
    const Clump crown = clumpAt(x, y, 46, seed + 30);
    const Clump big = clumpAt(x, y, 7, seed);
    const Clump small = clumpAt(x + 3, y + 5, 3, seed + 10);
    const float broad = fractalNoise(x, y, 70, 3, seed + 20);
    Colour c{14, 30, 16};  // the shadow between clumps
    if (big.shade >= 0) {
        const Colour leaf = kLeafColours[big.id % 6];
        c = scale(leaf, 0.45f + 0.75f * big.shade);
        if (small.shade >= 0) c = scale(c, 0.8f + 0.4f * small.shade);
        else c = scale(c, 0.72f);
    }
    // Tree crowns: each a rounded mass lit from above, deep shade between them.
    const float crownLight = !crowns ? 1.0f : (crown.shade >= 0 ? 0.45f + 0.8f * crown.shade : 0.3f);
    return scale(c, light * crownLight * (0.7f + 0.5f * broad));
}

std::vector<Colour> paintScene() {
    std::vector<Colour> out(static_cast<std::size_t>(kSceneWidth) * kSceneHeight);
    for (int iy = 0; iy < kSceneHeight; ++iy)
        for (int ix = 0; ix < kSceneWidth; ++ix) {
            const float x = static_cast<float>(ix), y = static_cast<float>(iy);
            // The gorge darkens towards its floor and its sides.
            const float side = std::fabs(x - 400) / 400;
            const float depth = 1.05f - 0.3f * (y / kSceneHeight) - 0.25f * side * side;
            Colour c = mix(rock(x, y), foliage(x, y, 61, 0.9f, true), foliageAmount(x, y));
            c = scale(c, depth);

            // Upper fall.
            if (y >= kUpperTop - 6 && y <= kUpperBottom) {
                const float w = upperHalfWidth(y), d = std::fabs(x - upperCentre(y));
                const float body = 1 - smoothstep(w - 3, w + 1, d);
                const float start = smoothstep(kUpperTop - 6, kUpperTop + 6, y);
                c = mix(c, water(x, y, 0.95f, 71), body * start);
            }
            // Churning pool between the tiers.
            {
                const float dx = (x - 398) / 70, dy = (y - 292) / 22;
                const float pool = 1 - smoothstep(0.8f, 1.0f, std::sqrt(dx * dx + dy * dy));
                const float foam = fractalNoise(x, y, 10, 3, 81);
                c = mix(c, mix(Colour{130, 150, 148}, Colour{235, 240, 238}, foam), pool);
            }
            // Lower fall, down to the bottom edge.
            if (y >= kLowerTop) {
                const float wobble = 2 * (valueNoise(0, y, 30, 91) - 0.5f);
                const float d = std::fabs(x - kLowerCentre - wobble);
                const float body = 1 - smoothstep(kLowerHalfWidth - 3, kLowerHalfWidth + 2, d);
                const float start = smoothstep(kLowerTop, kLowerTop + 10, y);
                c = mix(c, water(x, y, 0.92f - 0.12f * (y - kLowerTop) / 280, 95), body * start);
            }
            // Foam at the foot.
            {
                const float dx = (x - 396) / 150, dy = (y - 606) / 30;
                const float pool = 1 - smoothstep(0.7f, 1.0f, std::sqrt(dx * dx + dy * dy));
                const float foam = smoothstep(0.35f, 0.7f, fractalNoise(x, y * 2, 12, 3, 101));
                const float nearFall = clamp01(1 - std::fabs(x - 396) / 90);
                const Colour pond = mix(Colour{70, 96, 92}, Colour{240, 244, 242}, clamp01(foam * 0.6f + nearFall * 0.6f));
                c = mix(c, pond, pool * 0.92f);
            }
            // Mist around the falls.
            {
                const float dx = (x - 398) / 150;
                const float mist = clamp01(1 - dx * dx) * 0.22f * fractalNoise(x, y, 40, 3, 111);
                c = mix(c, Colour{214, 224, 222}, mist);
            }
            // Sky at the top centre, behind the tree tops.
            const float open = skyAmount(x, y);
            if (open > 0) c = mix(c, sky(x, y), open);

            const BridgeHit b = bridge(x, y);
            if (b.hit) c = b.colour;
            out[static_cast<std::size_t>(iy) * kSceneWidth + ix] = c;
        }
    return out;
}

}  // namespace painter
