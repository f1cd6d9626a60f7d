#pragma once

#include <QIcon>
#include <QImage>

#include "app/window/picture.h"

namespace vclock::qt {

// A view of a picture's pixels as a QImage, without copying; valid as long
// as the picture lives (pictures are immutable and shared by handle).
QImage imageOf(const Picture& picture);

// Every image of an icon, for window icons.
QIcon iconOf(const Icon& icon);

}  // namespace vclock::qt
