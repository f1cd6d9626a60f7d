#pragma once

#include <windows.h>

namespace vclock::win32 {

// The screen density a window is shown at, for a program that the manifest
// makes aware of each monitor's density. Windows 10 (1607 on) gives each
// monitor its own; Windows 7 and 8 (and Wine's older releases) have one
// density for every monitor, the system's, which is what the fallbacks give.
int windowDpi(HWND window);

}  // namespace vclock::win32
