#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "app/window/picture.h"

namespace vclock {

// Reads a Windows icon file: a directory of images, each a bitmap (40-byte
// header, height doubled for the mask) of 1, 4, 8, 24 or 32 bits per pixel
// followed by its 1-bit mask; masked pixels get alpha 0 (and colour 0), all
// others alpha 255, also at 32 bits, whose own alpha byte is not used. The
// images keep the directory's order and carry their depth. PNG-compressed
// images are left out. A file that is truncated or inconsistent (an image
// whose size differs from its directory entry, or that lies outside the
// file) or holds no bitmap image gives nothing; no byte outside `bytes` is read.
std::optional<Icon> decodeIco(std::span<const std::uint8_t> bytes);

}  // namespace vclock
