#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "app/window/picture.h"

namespace vclock {

// Reads a Windows icon file: a directory of images, each a bitmap (40-byte
// header, height doubled for the mask) of 1, 4, 8, 24 or 32 bits per pixel
// followed by its 1-bit mask; masked pixels get alpha 0. A file that is
// truncated, inconsistent or holds no image gives nothing; no byte outside
// `bytes` is read.
std::optional<Icon> decodeIco(std::span<const std::uint8_t> bytes);

}  // namespace vclock
