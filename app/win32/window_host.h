#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "app/win32/back_buffer_painter.h"
#include "app/win32/font_cache.h"
#include "app/window/window.h"

namespace vclock::win32 {

class WinRuntime;

// One core window on screen: the native window and its controls (an EDIT
// for each text field, a BUTTON for each button), the back buffer it paints
// through, and the translation of Windows messages into the window model.
class WindowHost final : public WindowView {
public:
    // Creates the native window, hidden. `owner` is null for a top-level
    // window; a dialog is owned by the window it shows over.
    WindowHost(WinRuntime& runtime, Window& window, HWND owner);
    WindowHost(const WindowHost&) = delete;
    WindowHost& operator=(const WindowHost&) = delete;
    ~WindowHost() override;

    static void registerClass(HINSTANCE instance);

    Window& window() const { return window_; }
    HWND hwnd() const { return hwnd_; }
    bool closed() const { return closed_; }

    // Shows the window, and gives the focus to the control the window says.
    void show();
    // A key message for this window or one of its controls, before it is
    // translated or dispatched: the window decides what the key does
    // (Window::keyTyped), ahead of the control. True when the message has
    // been dealt with; false when it is not a key of this window.
    bool routeKey(MSG& message);

    // WindowView
    void invalidate(const Rect& area) override;
    void captionChanged() override;
    void windowStateChanged() override;
    void controlChanged(Element& element) override;
    std::string fieldText(const Element& element) override;
    void pointerChanged() override;
    void focusRequested(Element& element) override;
    void unloaded() override;
    void accessibleDescriptionChanged() override;

private:
    struct Control {
        Element* element;
        HWND hwnd;
        HBRUSH background;
    };

    static LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void createControls();
    // Sizes the window, its controls and its painting for a screen density;
    // the face is scaled uniformly from the design's 96 DPI.
    void applyDpi(int dpi);
    void dpiChanged(int dpi, const RECT& suggested);
    Control* controlFor(HWND hwnd);
    void paint();
    void mouse(UINT message, WPARAM wParam, LPARAM lParam);
    bool updateCursor();
    void updateIcons();
    void applyWindowState();
    void place(WindowState state);
    void followPlatformState(WPARAM sizeKind);
    // The character of a WM_CHAR, put together from UTF-16 halves; 0
    // while only the first half of a pair has come.
    char32_t characterOf(const MSG& message);
    // Hands a typed key to the window; true when the control must not get it.
    bool keyToWindow(char32_t key, bool shift);
    // The standard tooltip over the window, showing the text of the element
    // under the pointer; made when an element first has one to show.
    void updateToolTip(Point at, WPARAM wParam, LPARAM lParam);

    WinRuntime& runtime_;
    Window& window_;
    FontCache fonts_;
    BackBufferPainter buffer_;
    HWND hwnd_ = nullptr;
    std::vector<Control> controls_;
    HICON bigIcon_ = nullptr;
    HICON smallIcon_ = nullptr;
    HCURSOR cursor_ = nullptr;
    const Icon* cursorIcon_ = nullptr;
    HWND toolTip_ = nullptr;
    bool closed_ = false;
    bool followingPlatform_ = false;  // a state change that came from the platform
    bool placing_ = false;            // sizes during place() are ours, not the user's
    WindowState shownState_ = WindowState::Normal;  // the last state other than minimised
    SIZE normalSize_{};
    wchar_t highSurrogate_ = 0;
};

}  // namespace vclock::win32
