#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace vclock::embedded_pictures {

// The bytes of a picture file built into the program, by its file name in
// assets/pictures ("scene.bmp", "hour07.bmp"); empty for a name not built in.
std::span<const std::uint8_t> file(std::string_view name);

}  // namespace vclock::embedded_pictures
