#include "app/win32/window_host.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <vector>

#include "app/pointer/pointer_image.h"
#include "app/win32/accessible_names.h"
#include "app/win32/monitor_density.h"
#include "app/win32/win_icons.h"
#include "app/win32/win_runtime.h"
#include "app/win32/win_text.h"
#include "app/window/keys.h"

namespace vclock::win32 {
namespace {

constexpr wchar_t kWindowClass[] = L"VordaneClockWindow";
// Beyond this many rectangles one bounding rectangle is cheaper to repaint.
constexpr DWORD kMostRectangles = 16;

DWORD styleOf(const Window& window) {
    if (window.isDialog()) return WS_POPUP | WS_DLGFRAME | (window.hasTitleBar() ? WS_CAPTION | WS_SYSMENU : 0);
    // No frame and no title bar; the system menu and the boxes still let the
    // taskbar button minimise and restore it and the close key close it.
    return WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
}

DWORD extendedStyleOf(const Window& window) {
    return (window.showInTaskbar() ? WS_EX_APPWINDOW : WS_EX_TOOLWINDOW) | (window.isDialog() ? WS_EX_DLGMODALFRAME : 0);
}

// Pixels between a field's border and its text: the layout's field is only
// just wide enough for its default text in its bold font.
constexpr int kFieldMargin = 1;

MouseButton buttonOf(UINT message) {
    switch (message) {
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
        case WM_RBUTTONDBLCLK: return MouseButton::Right;
        case WM_MBUTTONDOWN:
        case WM_MBUTTONUP:
        case WM_MBUTTONDBLCLK: return MouseButton::Middle;
        default: return MouseButton::Left;
    }
}

std::wstring textOf(HWND control) {
    const int length = GetWindowTextLengthW(control);
    std::wstring text(static_cast<std::size_t>(std::max(length, 0)) + 1, L'\0');
    const int copied = GetWindowTextW(control, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(std::max(copied, 0)));
    return text;
}

}  // namespace

void WindowHost::registerClass(HINSTANCE instance) {
    // The tooltip's window class.
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = &WindowHost::procedure;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kWindowClass;
    RegisterClassExW(&wc);
}

WindowHost::WindowHost(WinRuntime& runtime, Window& window, HWND owner)
    : runtime_(runtime), window_(window), buffer_(fonts_) {
    CreateWindowExW(extendedStyleOf(window), kWindowClass, toWide(window.caption()).c_str(), styleOf(window), 0, 0, 0,
                    0, owner, nullptr, runtime.instance(), this);
    if (!hwnd_) return;
    updateIcons();
    createControls();
    applyDpi(windowDpi(hwnd_));
    SetWindowPos(hwnd_, nullptr, 0, 0, normalSize_.cx, normalSize_.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    accessible_names::name(hwnd_, window.accessibleName());
    for (const Control& c : controls_) {
        if (c.element->accessibility().role != AccessibleRole::None)
            accessible_names::name(c.hwnd, c.element->accessibleName());
    }
    window_.setView(this);
}

WindowHost::~WindowHost() {
    if (window_.view() == this) window_.setView(nullptr);
    if (hwnd_) {
        for (const Control& c : controls_) accessible_names::forget(c.hwnd);
        accessible_names::forget(hwnd_);
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        if (toolTip_) DestroyWindow(toolTip_);
        DestroyWindow(hwnd_);
    }
    for (Control& c : controls_) DeleteObject(c.background);
    if (bigIcon_) DestroyIcon(bigIcon_);
    if (smallIcon_) DestroyIcon(smallIcon_);
    if (cursor_) DestroyCursor(cursor_);
}

void WindowHost::show() {
    if (!hwnd_) return;
    closed_ = false;
    const WindowState state = window_.windowState();
    if (state != WindowState::Minimized) place(state);
    ShowWindow(hwnd_, state == WindowState::Minimized ? SW_SHOWMINIMIZED : SW_SHOWNORMAL);
    UpdateWindow(hwnd_);
    if (window_.focus()) focusRequested(*window_.focus());
}

void WindowHost::place(WindowState state) {
    // Maximised is placed by hand, as a window that covers its monitor: a
    // frameless window shows the same either way, and the platform's own
    // maximise is left undone by Wine where no window manager runs.
    shownState_ = state;
    placing_ = true;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{placing_};
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    if (!GetMonitorInfoW(MonitorFromWindow(hwnd_, MONITOR_DEFAULTTOPRIMARY), &monitor)) return;
    RECT r = window_.borderStyle() == BorderStyle::None ? monitor.rcMonitor : monitor.rcWork;
    if (state == WindowState::Normal) {
        const int width = normalSize_.cx;
        const int height = normalSize_.cy;
        r.left += std::max(0L, (r.right - r.left - width) / 2);
        r.top += std::max(0L, (r.bottom - r.top - height) / 2);
        r.right = r.left + width;
        r.bottom = r.top + height;
    }
    SetWindowPos(hwnd_, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void WindowHost::applyDpi(int dpi) {
    buffer_.setScale(Scale(dpi));
    const Scale& scale = buffer_.scale();
    RECT frame{0, 0, scale.toDevice(twipsToPixels(window_.clientWidth())),
               scale.toDevice(twipsToPixels(window_.clientHeight()))};
    AdjustWindowRectEx(&frame, styleOf(window_), FALSE, extendedStyleOf(window_));
    normalSize_ = {frame.right - frame.left, frame.bottom - frame.top};
    for (const Control& c : controls_) {
        SendMessageW(c.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.get(scale.toDevice(c.element->look().font))),
                     FALSE);
        controlChanged(*c.element);
    }
    cursorIcon_ = nullptr;  // the pointer is made again at the new size
    InvalidateRect(hwnd_, nullptr, FALSE);
}

void WindowHost::dpiChanged(int dpi, const RECT& suggested) {
    applyDpi(dpi);
    if (IsIconic(hwnd_)) return;
    if (shownState_ == WindowState::Normal) {
        SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                     suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    } else {
        place(shownState_);  // covers the monitor it is now on
    }
}

void WindowHost::invalidate(const Rect& area) {
    if (!hwnd_) return;
    const Rect device = buffer_.scale().toDevice(area);
    const RECT r{device.left, device.top, device.right(), device.bottom()};
    InvalidateRect(hwnd_, &r, FALSE);
}

void WindowHost::accessibleDescriptionChanged() { accessible_names::describe(hwnd_, window_.accessibleDescription()); }

void WindowHost::captionChanged() {
    if (hwnd_) SetWindowTextW(hwnd_, toWide(window_.caption()).c_str());
}

void WindowHost::windowStateChanged() {
    if (!followingPlatform_) applyWindowState();
}

void WindowHost::applyWindowState() {
    if (!hwnd_ || !IsWindowVisible(hwnd_)) return;  // show() takes the state along
    const WindowState state = window_.windowState();
    if (state == WindowState::Minimized) {
        ShowWindow(hwnd_, SW_MINIMIZE);
        return;
    }
    if (IsIconic(hwnd_)) ShowWindow(hwnd_, SW_RESTORE);
    place(state);
}

void WindowHost::createControls() {
    int id = 100;
    for (const auto& e : window_.elements()) {
        const bool field = e->kind() == ElementKind::TextField;
        if (!field && e->kind() != ElementKind::Button) continue;
        const Align align = e->look().align;
        const DWORD fieldStyle =
            ES_AUTOHSCROLL | (align == Align::Center ? ES_CENTER : align == Align::Right ? ES_RIGHT : ES_LEFT);
        const DWORD style = WS_CHILD | (field ? fieldStyle : BS_PUSHBUTTON);
        // A field has the standard sunken border.
        HWND control = CreateWindowExW(field ? WS_EX_CLIENTEDGE : 0, field ? L"EDIT" : L"BUTTON",
                                       toWide(e->text()).c_str(), style, 0, 0, 0, 0, hwnd_,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(id++)), runtime_.instance(),
                                       nullptr);
        if (!control) continue;
        // Its font comes with the screen density (applyDpi).
        if (field) {
            // No length limit of its own (an EDIT's default is 32767).
            SendMessageW(control, EM_SETLIMITTEXT, 0, 0);
            SendMessageW(control, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN,
                         MAKELPARAM(kFieldMargin, kFieldMargin));
        }
        controls_.push_back({e.get(), control, CreateSolidBrush(toColorRef(e->look().backColor))});
        controlChanged(*e);
    }
}

WindowHost::Control* WindowHost::controlFor(HWND hwnd) {
    for (Control& c : controls_) {
        if (c.hwnd == hwnd) return &c;
    }
    return nullptr;
}

void WindowHost::controlChanged(Element& element) {
    for (Control& c : controls_) {
        if (c.element != &element) continue;
        const Rect r = buffer_.scale().toDevice(element.visibleRect());
        SetWindowPos(c.hwnd, nullptr, r.left, r.top, r.width, r.height, SWP_NOZORDER | SWP_NOACTIVATE);
        // Only a text that differs is written, so the caret stays where the user left it.
        const std::wstring text = toWide(element.text());
        if (textOf(c.hwnd) != text) SetWindowTextW(c.hwnd, text.c_str());
        ShowWindow(c.hwnd, element.shown() && !r.empty() ? SW_SHOWNA : SW_HIDE);
    }
}

std::string WindowHost::fieldText(const Element& element) {
    for (const Control& c : controls_) {
        if (c.element == &element) return toUtf8(textOf(c.hwnd));
    }
    return {};
}

void WindowHost::focusRequested(Element& element) {
    for (Control& c : controls_) {
        if (c.element == &element) SetFocus(c.hwnd);
    }
}

void WindowHost::pointerChanged() {
    cursorIcon_ = nullptr;  // the icon behind the cached cursor may be gone
    POINT at;
    if (hwnd_ && GetCursorPos(&at) && (WindowFromPoint(at) == hwnd_ || GetCapture() == hwnd_)) updateCursor();
}

bool WindowHost::updateCursor() {
    POINT at;
    if (!GetCursorPos(&at)) return false;
    ScreenToClient(hwnd_, &at);
    const Icon* icon = window_.pointerAt(buffer_.scale().toDesign(Point{at.x, at.y}));
    if (!icon) {
        SetCursor(LoadCursorW(nullptr, IDC_ARROW));
        return true;
    }
    if (icon != cursorIcon_ || !cursor_) {
        const PictureHandle picture = pointerImage(*icon, buffer_.scale());
        HCURSOR made = picture ? createCursor(*picture) : nullptr;
        if (!made) {
            SetCursor(LoadCursorW(nullptr, IDC_ARROW));
            return true;
        }
        SetCursor(made);
        if (cursor_) DestroyCursor(cursor_);
        cursor_ = made;
        cursorIcon_ = icon;
        return true;
    }
    SetCursor(cursor_);
    return true;
}

void WindowHost::updateIcons() {
    if (!window_.icon()) return;
    bigIcon_ = createIcon(*window_.icon(), GetSystemMetrics(SM_CXICON));
    smallIcon_ = createIcon(*window_.icon(), GetSystemMetrics(SM_CXSMICON));
    if (bigIcon_) SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_));
    if (smallIcon_) SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));
}

void WindowHost::unloaded() {
    closed_ = true;
    if (hwnd_) ShowWindow(hwnd_, SW_HIDE);
    runtime_.windowClosed(*this);
}

char32_t WindowHost::characterOf(const MSG& message) {
    const auto unit = static_cast<wchar_t>(message.wParam);
    if (unit >= 0xD800 && unit < 0xDC00) {
        highSurrogate_ = unit;
        return 0;
    }
    char32_t key = unit;
    if (unit >= 0xDC00 && unit < 0xE000 && highSurrogate_) {
        key = 0x10000 + ((static_cast<char32_t>(highSurrogate_) - 0xD800) << 10) + (unit - 0xDC00);
    }
    highSurrogate_ = 0;
    return key;
}

bool WindowHost::keyToWindow(char32_t key, bool shift) {
    bool done = true;
    runtime_.dispatch([&] { done = window_.keyTyped(key, shift); });
    return done || closed_;
}

bool WindowHost::routeKey(MSG& message) {
    if (closed_ || !hwnd_) return false;
    if (message.hwnd != hwnd_ && !IsChild(hwnd_, message.hwnd)) return false;
    if (message.message == WM_CHAR) {
        // A character that came without a key press of ours (an input method).
        const char32_t key = characterOf(message);
        if (key == kTabKey || (key && keyToWindow(key, false))) return true;
        DispatchMessageW(&message);
        return true;
    }
    if (message.message != WM_KEYDOWN) return false;
    if (message.wParam == VK_TAB) {
        keyToWindow(kTabKey, GetKeyState(VK_SHIFT) < 0);
        return true;
    }
    // The characters the key types reach the window before the control
    // sees the key itself, so a key the window takes never presses a button.
    TranslateMessage(&message);
    std::vector<MSG> typed;
    MSG character;
    while (PeekMessageW(&character, message.hwnd, WM_CHAR, WM_CHAR, PM_REMOVE)) typed.push_back(character);
    for (const MSG& t : typed) {
        const char32_t key = characterOf(t);
        if (key && keyToWindow(key, false)) return true;
    }
    DispatchMessageW(&message);
    for (MSG& t : typed) DispatchMessageW(&t);
    return true;
}

void WindowHost::updateToolTip(Point at, WPARAM wParam, LPARAM lParam) {
    const std::string tip = window_.toolTipAt(at);
    if (!toolTip_) {
        if (tip.empty()) return;
        // Never activated and not subclassing the window: the mouse moves
        // are relayed to it, so keys and focus stay where they were.
        toolTip_ = CreateWindowExW(WS_EX_TOPMOST | WS_EX_NOACTIVATE, TOOLTIPS_CLASSW, nullptr,
                                   WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                                   CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr, runtime_.instance(), nullptr);
        if (!toolTip_) return;
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.uFlags = TTF_IDISHWND;
        tool.hwnd = hwnd_;
        tool.uId = reinterpret_cast<UINT_PTR>(hwnd_);
        tool.lpszText = const_cast<wchar_t*>(L"");
        SendMessageW(toolTip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    std::wstring text = toWide(tip);
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.hwnd = hwnd_;
    tool.uId = reinterpret_cast<UINT_PTR>(hwnd_);
    tool.lpszText = text.data();
    SendMessageW(toolTip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    if (tip.empty()) {
        SendMessageW(toolTip_, TTM_POP, 0, 0);
        return;
    }
    MSG move{hwnd_, WM_MOUSEMOVE, wParam, lParam, GetMessageTime(), {}};
    SendMessageW(toolTip_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&move));
}

void WindowHost::paint() {
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    const int kind = GetUpdateRgn(hwnd_, region, FALSE);
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd_, &ps);
    std::vector<RECT> rects;
    if (kind == COMPLEXREGION) {
        const DWORD size = GetRegionData(region, 0, nullptr);
        std::vector<std::uint8_t> data(size);
        auto* header = reinterpret_cast<RGNDATA*>(data.data());
        if (size && GetRegionData(region, size, header) && header->rdh.nCount <= kMostRectangles) {
            const auto* first = reinterpret_cast<const RECT*>(header->Buffer);
            rects.assign(first, first + header->rdh.nCount);
        }
    }
    if (rects.empty()) rects.push_back(ps.rcPaint);
    for (const RECT& r : rects) {
        const Rect area{r.left, r.top, r.right - r.left, r.bottom - r.top};
        if (area.empty()) continue;
        runtime_.dispatch([&] { window_.paint(buffer_, buffer_.scale().covering(area)); });
        buffer_.present(dc, area);
    }
    EndPaint(hwnd_, &ps);
    DeleteObject(region);
}

void WindowHost::mouse(UINT message, WPARAM wParam, LPARAM lParam) {
    const Point at = buffer_.scale().toDesign(Point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    const MouseButton button = buttonOf(message);
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDBLCLK:
            SetCapture(hwnd_);
            runtime_.dispatch([&] { window_.mousePress(at, button); });
            break;
        case WM_LBUTTONDBLCLK:
            SetCapture(hwnd_);
            runtime_.dispatch([&] { window_.mouseDoubleClick(at, button); });
            break;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
            runtime_.dispatch([&] { window_.mouseRelease(at, button); });
            if (!(wParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) && GetCapture() == hwnd_) ReleaseCapture();
            break;
        case WM_MOUSEMOVE:
            runtime_.dispatch([&] { window_.mouseMove(at); });
            if (GetCapture() == hwnd_) updateCursor();
            updateToolTip(at, wParam, lParam);
            break;
        default: break;
    }
}

void WindowHost::followPlatformState(WPARAM sizeKind) {
    // The user minimises and restores through the taskbar; restoring gives
    // back the state the window had before.
    if (placing_ || runtime_.ended()) return;
    WindowState state = window_.windowState();
    if (sizeKind == SIZE_MINIMIZED) {
        state = WindowState::Minimized;
    } else if (state == WindowState::Minimized) {
        state = shownState_;
    }
    if (state == window_.windowState()) return;
    followingPlatform_ = true;
    window_.setWindowState(state);
    followingPlatform_ = false;
}

LRESULT CALLBACK WindowHost::procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* host = static_cast<WindowHost*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        host->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(host));
    }
    auto* host = reinterpret_cast<WindowHost*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    return host ? host->handle(message, wParam, lParam) : DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT WindowHost::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            paint();
            return 0;
        case WM_ERASEBKGND:
            return 1;  // every pixel is painted from the back buffer
        case WM_SIZE:
            buffer_.resize(LOWORD(lParam), HIWORD(lParam));
            followPlatformState(wParam);
            InvalidateRect(hwnd_, nullptr, FALSE);
            return 0;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDBLCLK:
        case WM_MOUSEMOVE:
            mouse(message, wParam, lParam);
            return 0;
        case WM_SETCURSOR:
            if (reinterpret_cast<HWND>(wParam) == hwnd_ && LOWORD(lParam) == HTCLIENT && updateCursor()) return TRUE;
            break;
        case WM_COMMAND: {
            Control* c = controlFor(reinterpret_cast<HWND>(lParam));
            if (!c) break;
            Element& element = *c->element;
            if (HIWORD(wParam) == EN_CHANGE) {
                // The core fetches the text when it reads it; a key only marks it changed.
                runtime_.dispatch([&] { element.fieldEdited(); });
            } else if (HIWORD(wParam) == BN_CLICKED && element.events.click) {
                runtime_.dispatch([&] { element.events.click(); });
            }
            return 0;
        }
        case WM_CTLCOLOREDIT: {
            Control* c = controlFor(reinterpret_cast<HWND>(lParam));
            if (!c) break;
            HDC dc = reinterpret_cast<HDC>(wParam);
            SetTextColor(dc, toColorRef(c->element->look().textColor));
            SetBkColor(dc, toColorRef(c->element->look().backColor));
            return reinterpret_cast<LRESULT>(c->background);
        }
        case WM_DPICHANGED:
            dpiChanged(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_CLOSE:
            runtime_.dispatch([&] { window_.requestClose(); });
            return 0;
        case WM_QUERYENDSESSION:
            // Another program may still cancel the end: the entry is stored
            // now, and the close follows with WM_ENDSESSION.
            runtime_.sessionMayEnd();
            return TRUE;
        case WM_ENDSESSION:
            // Windows may end the process once this returns; every window
            // gets it, and the first closes the program's main window.
            if (wParam) runtime_.sessionEnds();
            return 0;
        default:
            break;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

}  // namespace vclock::win32
