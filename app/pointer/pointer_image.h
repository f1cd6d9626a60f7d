#pragma once

#include "app/window/picture.h"
#include "app/window/scale.h"

namespace vclock {

// A mouse pointer's size in design pixels, as a desktop's pointers are at 96 DPI.
inline constexpr int kPointerSize = 32;

// The picture a backend makes a mouse pointer of, for an icon pointer at a
// screen density. A pointer is 32 design pixels, so at 150 % it is 48 device
// pixels: the icon's image nearest that size, and where the icon has no image
// of that size (the butterfly files hold 32 and 16) that image with each
// pixel repeated as the face's pictures are, so the pointer stays as large
// as the face around it. Null when the icon has no image.
PictureHandle pointerImage(const Icon& icon, const Scale& scale);

}  // namespace vclock
