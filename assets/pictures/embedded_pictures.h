#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace vclock::embedded_pictures {

// The bytes of a picture file built into the program, by its file name in
// assets/pictures ("scene.bmp", "hour07.bmp"); empty for a name not built in.
std::span<const std::uint8_t> file(std::string_view name);

// The file name of member `index` of a frame set of `count` members:
// "smoke3.bmp", and two digits in sets of more than ten, "hour07.bmp".
inline std::string memberFileName(std::string_view stem, std::size_t index, std::size_t count) {
    return std::string(stem) + (count > 10 && index < 10 ? "0" : "") + std::to_string(index) + ".bmp";
}

}  // namespace vclock::embedded_pictures
