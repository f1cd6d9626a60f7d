#pragma once

#include <windows.h>

#include "app/window/picture.h"

namespace vclock::win32 {

// A Windows icon made from the icon image nearest to `size` pixels; null
// when the icon has no image. The caller destroys it.
HICON createIcon(const Icon& icon, int size);
// A cursor of the picture's size; null when it cannot be made. The caller destroys it.
HCURSOR createCursor(const Picture& picture);

}  // namespace vclock::win32
