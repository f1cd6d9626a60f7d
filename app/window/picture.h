#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "app/window/geometry.h"

namespace vclock {

// One decoded picture: 32-bit pixels 0xAARRGGBB, rows top-down. Bitmaps are
// fully opaque; icon images carry their mask as alpha 0 (transparent) or
// 255 (drawn). Pictures are immutable once made and shared by handle, so a
// display element that shows a frame refers to the very same picture as the
// frame, and "is the door open" is a comparison of handles.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;  // width * height entries
    // Every pixel is drawn (a bitmap): whatever lies under the picture
    // never shows, so it need not be painted.
    bool opaque = false;

    std::uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// Where two pictures differ, in their own pixels: a few rectangles, one
// per band of rows that has differing pixels, each as wide as they spread.
// None when they are alike throughout; the whole of the larger when their
// sizes differ. Bands close together are taken as one, so the rectangles
// stay few.
std::vector<Rect> differingAreas(const Picture& a, const Picture& b);

using PictureHandle = std::shared_ptr<const Picture>;

// An icon file holds several images of one drawing at different sizes and
// depths; whoever shows it picks the image that suits.
struct Icon {
    struct Image {
        PictureHandle picture;
        int bitsPerPixel = 0;
    };
    std::vector<Image> images;

    // The image whose size is closest to the wanted one, preferring more colours.
    const Image* best(int wantedSize) const;
};

using IconHandle = std::shared_ptr<const Icon>;

}  // namespace vclock
