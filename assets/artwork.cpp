#include "assets/artwork.h"

#include <memory>
#include <string>

#include "assets/decode/bmp_decoder.h"
#include "assets/decode/ico_decoder.h"
#include "assets/pictures/embedded_pictures.h"

namespace vclock {
namespace {

// The built-in files are painted and checked with the program, so a failed
// decode means a broken build; it still gives an empty picture, not a crash.
PictureHandle bitmap(const std::string& name) {
    auto decoded = decodeBmp(embedded_pictures::file(name));
    return std::make_shared<const Picture>(decoded ? std::move(*decoded) : Picture{});
}

IconHandle icon(const std::string& name) {
    auto decoded = decodeIco(embedded_pictures::file(name));
    return std::make_shared<const Icon>(decoded ? std::move(*decoded) : Icon{});
}

template <std::size_t N>
void loadSet(std::array<PictureHandle, N>& set, const std::string& stem) {
    for (std::size_t i = 0; i < N; ++i) set[i] = bitmap(embedded_pictures::memberFileName(stem, i, N));
}

Artwork build() {
    Artwork a;
    a.scene = bitmap("scene.bmp");
    a.windowIcon = icon("window.ico");
    a.exitNormal = bitmap("exit_normal.bmp");
    a.exitPressed = bitmap("exit_pressed.bmp");
    a.butterfly = icon("butterfly.ico");
    loadSet(a.hour, "hour");
    loadSet(a.smoke, "smoke");
    loadSet(a.second, "second");
    loadSet(a.door, "door");
    a.closedDoor = bitmap("door0.bmp");  // the same pixels, a picture of its own
    a.emblem = icon("emblem.ico");
    return a;
}

}  // namespace

const Artwork& embeddedArtwork() {
    static const Artwork artwork = build();
    return artwork;
}

}  // namespace vclock
