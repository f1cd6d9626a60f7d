#pragma once

#include <cstdint>

namespace painter {

// Hash noise of our own, so that every build paints the same pixels: only
// integer mixing and the basic float operations, no library randomness.
std::uint32_t hash(std::int32_t x, std::int32_t y, std::uint32_t seed);
float hash01(std::int32_t x, std::int32_t y, std::uint32_t seed);  // 0 <= v < 1

// Smoothly interpolated lattice noise in 0..1; `cell` is the lattice spacing.
float valueNoise(float x, float y, float cell, std::uint32_t seed);
// Several octaves of value noise, halving the cell each time, in 0..1.
float fractalNoise(float x, float y, float cell, int octaves, std::uint32_t seed);

float clamp01(float v);
float smoothstep(float edge0, float edge1, float v);

}  // namespace painter
