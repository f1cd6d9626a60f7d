#pragma once

#include <windows.h>

#include <string>

namespace vclock::win32 {

// Gives native windows the names and description the core decides, through
// Windows' standard annotation service (IAccPropServices in oleacc), which
// screen readers read as the window's own: a host window by its core
// window's accessible name and description, a control by its element's
// accessible name. The core-painted door and exit control have no window of
// their own to carry a name. Where the service cannot be had (an old system,
// a stub) nothing is named and nothing fails.
namespace accessible_names {

void name(HWND hwnd, const std::string& text);
void describe(HWND hwnd, const std::string& text);
// Drops what was given to a window that is about to go.
void forget(HWND hwnd);

}  // namespace accessible_names
}  // namespace vclock::win32
