#pragma once

#include <array>

#include "app/window/picture.h"

namespace vclock {

// Every picture the clock carries, decoded once and shared by handle.
struct Artwork {
    PictureHandle scene;                 // the main window's picture, 800 x 600
    IconHandle windowIcon;               // alarm clock, 32 x 32 and 16 x 16
    PictureHandle exitNormal;            // imgexit0, 32 x 35
    PictureHandle exitPressed;           // imgexit1, 32 x 35
    IconHandle butterfly;                // imgexit0's pointer icon at start, six images
    std::array<PictureHandle, 24> hour;  // imghour, 125 x 125
    std::array<PictureHandle, 9> smoke;  // imgsmoke, 11 x 25
    std::array<PictureHandle, 6> second; // imgsecond, 67 x 264
    std::array<PictureHandle, 7> door;   // imgalarmdoor, 118 x 104
    PictureHandle closedDoor;            // imgalarmdisplay's own: door 0's pixels, a picture of its own
    IconHandle emblem;                   // the notice window's emblem, 32 x 32
};

// The pictures built into the program, decoded on first use.
const Artwork& embeddedArtwork();

}  // namespace vclock
