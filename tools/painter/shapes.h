#pragma once

#include <array>
#include <cmath>

namespace painter {

struct Vec {
    float x = 0, y = 0;
};

inline float length(Vec v) { return std::sqrt(v.x * v.x + v.y * v.y); }

// Distance from p to the segment a..b.
inline float segmentDistance(Vec p, Vec a, Vec b) {
    const Vec ab{b.x - a.x, b.y - a.y}, ap{p.x - a.x, p.y - a.y};
    const float len2 = ab.x * ab.x + ab.y * ab.y;
    float t = len2 > 0 ? (ap.x * ab.x + ap.y * ab.y) / len2 : 0;
    t = t < 0 ? 0 : (t > 1 ? 1 : t);
    return length({ap.x - ab.x * t, ap.y - ab.y * t});
}

// (p - centre) in units of the ellipse's radii, along `axis` (a unit vector)
// and across it; inside where the squared result is below 1.
inline float ellipse(Vec p, Vec centre, Vec axis, float along, float across) {
    const float dx = p.x - centre.x, dy = p.y - centre.y;
    const float u = (dx * axis.x + dy * axis.y) / along;
    const float v = (-dx * axis.y + dy * axis.x) / across;
    return u * u + v * v;
}

// Unit vectors turned clockwise from straight up (screen y down) in steps of
// 15 degrees, from exact roots so every build gets the same bits.
inline std::array<Vec, 24> clockDirections() {
    const float c = (std::sqrt(6.0f) + std::sqrt(2.0f)) / 4, s = (std::sqrt(6.0f) - std::sqrt(2.0f)) / 4;
    std::array<Vec, 24> out{};
    Vec v{0, -1};
    for (auto& d : out) {
        d = v;
        v = {v.x * c - v.y * s, v.x * s + v.y * c};
    }
    return out;
}

}  // namespace painter
