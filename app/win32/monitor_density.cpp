#include "app/win32/monitor_density.h"

namespace vclock::win32 {
namespace {

int systemDpi() {
    HDC screen = GetDC(nullptr);
    if (!screen) return 0;
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi;
}

}  // namespace

int windowDpi(HWND window) {
    // Looked up at run time: Windows 7 and 8 lack it, and the program runs there too.
    using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = [] {
        HMODULE user32 = GetModuleHandleW(L"user32.dll");
        return user32 ? reinterpret_cast<GetDpiForWindowFunction>(
                            reinterpret_cast<void*>(GetProcAddress(user32, "GetDpiForWindow")))
                      : nullptr;
    }();
    const UINT dpi = getDpiForWindow && window ? getDpiForWindow(window) : 0;
    return dpi ? static_cast<int>(dpi) : systemDpi();
}

}  // namespace vclock::win32
