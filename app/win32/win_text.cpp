#include "app/win32/win_text.h"

#include <cmath>

namespace vclock::win32 {

std::wstring toWide(const std::string& utf8) {
    if (utf8.empty()) return {};
    const int size = static_cast<int>(utf8.size());
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
    if (length <= 0) return {};
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), length);
    return wide;
}

std::string toUtf8(const std::wstring& wide) {
    if (wide.empty()) return {};
    const int size = static_cast<int>(wide.size());
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    if (length <= 0) return {};
    std::string utf8(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, utf8.data(), length, nullptr, nullptr);
    return utf8;
}

COLORREF toColorRef(Color color) {
    switch (color.role) {
        case Color::Role::WindowText: return GetSysColor(COLOR_WINDOWTEXT);
        case Color::Role::ButtonFace: return GetSysColor(COLOR_BTNFACE);
        case Color::Role::ButtonText: return GetSysColor(COLOR_BTNTEXT);
        case Color::Role::Fixed: break;
    }
    return RGB(color.r, color.g, color.b);
}

HFONT createFont(const Font& font) {
    constexpr double kPixelsPerPoint = 96.0 / 72.0;
    LOGFONTW spec{};
    spec.lfHeight = -static_cast<LONG>(std::lround(font.pointSize * kPixelsPerPoint));
    spec.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
    spec.lfCharSet = DEFAULT_CHARSET;
    spec.lfQuality = DEFAULT_QUALITY;
    const std::wstring family = toWide(font.family).substr(0, LF_FACESIZE - 1);
    wcsncpy(spec.lfFaceName, family.c_str(), LF_FACESIZE - 1);
    return CreateFontIndirectW(&spec);
}

}  // namespace vclock::win32
