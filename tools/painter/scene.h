#pragma once

#include <vector>

#include "tools/painter/image.h"

namespace painter {

inline constexpr int kSceneWidth = 800;
inline constexpr int kSceneHeight = 600;

// The gorge with its two-tier waterfall, footbridge and patch of sky, as a
// true-colour painting of kSceneWidth x kSceneHeight, rows top-down.
std::vector<Colour> paintScene();

// Dense foliage on its own, for pictures that are not cut from the scene;
// `seed` picks the leaves, `light` scales their brightness, `crowns` groups
// them into tree tops with deep shade between (seen from afar, not close up).
Colour foliage(float x, float y, unsigned seed, float light, bool crowns);

}  // namespace painter
