#pragma once

#include <windows.h>

#include <string>

#include "app/runtime/font.h"
#include "app/window/painter.h"

namespace vclock::win32 {

// The core speaks UTF-8; Windows' wide functions speak UTF-16. Invalid
// UTF-8 (hand-edited settings, pasted bytes) turns into replacement
// characters rather than failing.
std::wstring toWide(const std::string& utf8);
std::string toUtf8(const std::wstring& wide);

// The colour a layout colour stands for on this desktop.
COLORREF toColorRef(Color color);

// A GDI font for a layout font at the design density (96 pixels per inch);
// the caller owns it.
HFONT createFont(const Font& font);

}  // namespace vclock::win32
