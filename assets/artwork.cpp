#include "assets/artwork.h"

#include <memory>

namespace vclock {
namespace {

// Stand-in pictures of the catalogued sizes, each set's members told apart
// by colour, until the painted artwork is built in.
PictureHandle solid(int width, int height, std::uint32_t argb) {
    auto p = std::make_shared<Picture>();
    p->width = width;
    p->height = height;
    p->pixels.assign(static_cast<std::size_t>(width) * height, argb);
    return p;
}

IconHandle icon(int size, std::uint32_t argb) {
    auto i = std::make_shared<Icon>();
    i->images.push_back({solid(size, size, argb), 32});
    return i;
}

Artwork build() {
    Artwork a;
    a.scene = solid(800, 600, 0xff1e5a28);
    a.windowIcon = icon(32, 0xffc02020);
    a.exitNormal = solid(32, 35, 0xffc03030);
    a.exitPressed = solid(32, 35, 0xff30c030);
    a.butterfly = icon(32, 0xffff8c00);
    for (std::size_t i = 0; i < a.hour.size(); ++i) a.hour[i] = solid(125, 125, 0xff204020 + (i << 2));
    for (std::size_t i = 0; i < a.smoke.size(); ++i) a.smoke[i] = solid(11, 25, 0xff303030 + (i << 12));
    for (std::size_t i = 0; i < a.second.size(); ++i) a.second[i] = solid(67, 264, 0xff2060a0 + (i << 4));
    for (std::size_t i = 0; i < a.door.size(); ++i) a.door[i] = solid(118, 104, 0xff184018 + i);
    a.closedDoor = solid(118, 104, 0xff184018);
    a.emblem = icon(32, 0xffc01010);
    return a;
}

}  // namespace

const Artwork& embeddedArtwork() {
    static const Artwork artwork = build();
    return artwork;
}

}  // namespace vclock
