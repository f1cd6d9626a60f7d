#include "app/window/picture.h"

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

}  // namespace vclock
