#include "app/win32/window_host.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "app/win32/win_runtime.h"
#include "app/window/window.h"

namespace vclock::win32 {
namespace {

RECT placeInParent(HWND control) {
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// A window moved to a monitor of another density: Windows sends
// WM_DPICHANGED with the rectangle it suggests, and the window, its field
// and the field's font follow the new density.
TEST(WindowHostDensity, FollowsTheNewDensityWhenTheWindowMovesToAnotherMonitor) {
    WinRuntime runtime(GetModuleHandleW(nullptr));
    Window window(runtime, "frmtest", 1500, 1200);  // 100 x 80 design pixels
    window.add(ElementKind::TextField, "txtfield").setBounds(150, 300, 600, 300);
    WindowHost host(runtime, window, nullptr);
    ASSERT_TRUE(host.hwnd());
    HWND field = FindWindowExW(host.hwnd(), nullptr, L"EDIT", nullptr);
    ASSERT_TRUE(field);

    RECT suggested{40, 30, 240, 190};
    SendMessageW(host.hwnd(), WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&suggested));

    RECT frame{};
    GetWindowRect(host.hwnd(), &frame);
    EXPECT_EQ(frame.left, 40);
    EXPECT_EQ(frame.right - frame.left, 200);
    EXPECT_EQ(frame.bottom - frame.top, 160);
    const RECT place = placeInParent(field);
    EXPECT_EQ(place.left, 20);
    EXPECT_EQ(place.top, 40);
    EXPECT_EQ(place.right - place.left, 80);
    EXPECT_EQ(place.bottom - place.top, 40);
    LOGFONTW font{};
    ASSERT_TRUE(GetObjectW(reinterpret_cast<HFONT>(SendMessageW(field, WM_GETFONT, 0, 0)), sizeof font, &font));
    EXPECT_EQ(font.lfHeight, -22) << "8.25 points at 192 DPI";
}

}  // namespace
}  // namespace vclock::win32
