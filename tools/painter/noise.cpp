#include "tools/painter/noise.h"

#include <cmath>

namespace painter {

std::uint32_t hash(std::int32_t x, std::int32_t y, std::uint32_t seed) {
    std::uint32_t h = seed * 0x9e3779b9u;
    h ^= static_cast<std::uint32_t>(x) * 0x85ebca6bu;
    h = (h << 13) | (h >> 19);
    h ^= static_cast<std::uint32_t>(y) * 0xc2b2ae35u;
    h ^= h >> 16;
    h *= 0x7feb352du;
    h ^= h >> 15;
    h *= 0x846ca68bu;
    h ^= h >> 16;
    return h;
}

float hash01(std::int32_t x, std::int32_t y, std::uint32_t seed) {
    return static_cast<float>(hash(x, y, seed) >> 8) / 16777216.0f;
}

float clamp01(float v) { return v < 0 ? 0 : (v > 1 ? 1 : v); }

float smoothstep(float edge0, float edge1, float v) {
    const float t = clamp01((v - edge0) / (edge1 - edge0));
    return t * t * (3 - 2 * t);
}

float valueNoise(float x, float y, float cell, std::uint32_t seed) {
    const float fx = x / cell, fy = y / cell;
    const float ix = std::floor(fx), iy = std::floor(fy);
    const float tx = fx - ix, ty = fy - iy;
    const float sx = tx * tx * (3 - 2 * tx), sy = ty * ty * (3 - 2 * ty);
    const auto cx = static_cast<std::int32_t>(ix), cy = static_cast<std::int32_t>(iy);
    const float a = hash01(cx, cy, seed), b = hash01(cx + 1, cy, seed);
    const float c = hash01(cx, cy + 1, seed), d = hash01(cx + 1, cy + 1, seed);
    const float top = a + (b - a) * sx, bottom = c + (d - c) * sx;
    return top + (bottom - top) * sy;
}

float fractalNoise(float x, float y, float cell, int octaves, std::uint32_t seed) {
    float sum = 0, weight = 1, total = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += valueNoise(x, y, cell, seed + static_cast<std::uint32_t>(i) * 101u) * weight;
        total += weight;
        weight *= 0.5f;
        cell *= 0.5f;
    }
    return sum / total;
}

}  // namespace painter
