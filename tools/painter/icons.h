#pragma once

#include "tools/painter/file_writers.h"

namespace painter {

Bytes windowIconFile();     // red alarm clock: 32 and 16 pixels at 16 colours
Bytes menuIconFile();       // the same alarm clock as a scalable SVG drawing, for desktop menus
Bytes butterflyIconFile();  // the exit pointer: 48, 32, 16 at 256 colours; 16, 32, 48 at 16
Bytes emblemIconFile();     // red helmet head: 32 pixels at 256 colours

// The two run-time pointer pictures the butterfly flaps between.
Bytes butterflyFrameFile(bool wingsRaised);

}  // namespace painter
