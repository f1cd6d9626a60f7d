#include "app/pointer/pointer_image.h"

#include <memory>

namespace vclock {
namespace {

// The picture scaled from its top-left corner, each design pixel a block of
// device pixels.
Picture scaled(const Picture& picture, const Scale& scale) {
    Picture out;
    out.width = scale.toDevice(picture.width);
    out.height = scale.toDevice(picture.height);
    out.pixels.resize(static_cast<std::size_t>(out.width) * out.height);
    for (int y = 0; y < out.height; ++y) {
        for (int x = 0; x < out.width; ++x)
            out.pixels[static_cast<std::size_t>(y) * out.width + x] = picture.at(scale.toDesign(x), scale.toDesign(y));
    }
    return out;
}

}  // namespace

PictureHandle pointerImage(const Icon& icon, const Scale& scale) {
    const int wanted = scale.toDevice(kPointerSize);
    const Icon::Image* image = icon.best(wanted);
    if (!image || !image->picture) return nullptr;
    if (image->picture->width >= wanted || image->picture->width <= 0) return image->picture;
    // The image drawn for the design's pointer, scaled as the face is.
    const Icon::Image* design = icon.best(kPointerSize);
    return std::make_shared<const Picture>(scaled(*design->picture, scale));
}

}  // namespace vclock
