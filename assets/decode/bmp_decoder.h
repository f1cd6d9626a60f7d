#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "app/window/picture.h"

namespace vclock {

// Reads a Windows bitmap file: 40-byte information header, uncompressed,
// 8 bits per pixel with a palette or 24 bits per pixel, rows bottom-up or
// top-down, at most 16384 pixels a side; the picture is opaque. Anything
// else, and any file whose sizes, offsets or palette do not fit inside its
// bytes, or whose pixels name colours its palette lacks, gives nothing; no
// byte outside `bytes` is read.
std::optional<Picture> decodeBmp(std::span<const std::uint8_t> bytes);

}  // namespace vclock
