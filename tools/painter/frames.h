#pragma once

#include <array>
#include <vector>

#include "tools/painter/image.h"

namespace painter {

// A display's place on the scene, in pixels.
struct Spot {
    int left = 0, top = 0;
};

std::array<Image, 24> hourFrames();
std::array<Image, 9> smokeFrames();
// The door frames, cut from the scene at `at`.
std::array<Image, 7> doorFrames(const Image& scene, Spot at);
// The seconds frames, cut from the scene at `at`; `labels` are the second
// number's places per frame on the scene, and the leaf lies under each.
std::array<Image, 6> secondFrames(const Image& scene, Spot at, const std::array<Spot, 6>& labels, Spot labelSize);
// The exit control's normal and pressed looks, cut from the scene at `at`.
std::array<Image, 2> exitLooks(const Image& scene, Spot at);

// The blue opening of door frame `frame`: how many pixels it has.
inline constexpr std::array<int, 7> kDoorBluePixels{0, 549, 1544, 2058, 2939, 4125, 5091};

}  // namespace painter
