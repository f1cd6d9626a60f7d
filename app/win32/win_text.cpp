#include "app/win32/win_text.h"

#include <cmath>

#include "app/window/system_colors.h"

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

namespace {

Color fixed(COLORREF c) { return Color::rgb(GetRValue(c), GetGValue(c), GetBValue(c)); }

// The desktop's colours, read once from the system's colour table.
const SystemColors& systemColors() {
    static const SystemColors colors{fixed(GetSysColor(COLOR_WINDOWTEXT)), fixed(GetSysColor(COLOR_BTNFACE)),
                                     fixed(GetSysColor(COLOR_BTNTEXT)), fixed(GetSysColor(COLOR_BTNSHADOW))};
    return colors;
}

}  // namespace

COLORREF toColorRef(Color color) {
    const Color shown = resolve(color, systemColors());
    return RGB(shown.r, shown.g, shown.b);
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
