#include "app/window/picture.h"

#include <algorithm>
#include <cstdlib>

namespace vclock {

const Icon::Image* Icon::best(int wantedSize) const {
    const Image* chosen = nullptr;
    for (const Image& image : images) {
        if (!image.picture) continue;
        if (!chosen) {
            chosen = &image;
            continue;
        }
        const int distance = std::abs(image.picture->width - wantedSize);
        const int chosenDistance = std::abs(chosen->picture->width - wantedSize);
        if (distance < chosenDistance ||
            (distance == chosenDistance && image.bitsPerPixel > chosen->bitsPerPixel)) {
            chosen = &image;
        }
    }
    return chosen;
}

std::vector<Rect> differingAreas(const Picture& a, const Picture& b) {
    if (a.width != b.width || a.height != b.height) {
        return {{0, 0, std::max(a.width, b.width), std::max(a.height, b.height)}};
    }
    // Rows alike between two bands of differences: up to this many, the
    // band goes on; a separate rectangle would save less than it costs.
    constexpr int kJoinedGap = 8;
    std::vector<Rect> areas;
    Rect band;
    int alikeRows = 0;
    for (int y = 0; y < a.height; ++y) {
        int left = a.width;
        int right = 0;
        for (int x = 0; x < a.width; ++x) {
            if (a.at(x, y) == b.at(x, y)) continue;
            left = std::min(left, x);
            right = x + 1;
        }
        if (right == 0) {
            ++alikeRows;
            continue;
        }
        const Rect row{left, y, right - left, 1};
        if (!band.empty() && alikeRows > kJoinedGap) {
            areas.push_back(band);
            band = {};
        }
        band = unite(band, row);
        alikeRows = 0;
    }
    if (!band.empty()) areas.push_back(band);
    return areas;
}

}  // namespace vclock
