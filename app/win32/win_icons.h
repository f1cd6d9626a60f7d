#pragma once

#include <windows.h>

#include "app/window/picture.h"

namespace vclock::win32 {

// A Windows icon (or cursor) made from the icon image nearest to `size`
// pixels; null when the icon has no image. The caller destroys it.
HICON createIcon(const Icon& icon, int size);
HCURSOR createCursor(const Icon& icon, int size);

}  // namespace vclock::win32
