#include "app/win32/win_runtime.h"

#include <shellapi.h>

#include <algorithm>

#include "app/lifecycle/program_exit.h"
#include "app/win32/win_text.h"
#include "app/win32/window_host.h"
#include "app/win32/windows_regional_forms.h"

namespace vclock::win32 {
namespace {

constexpr wchar_t kTimerClass[] = L"VordaneClockTimers";
std::wstring programFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    const std::size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1);
}

// 1 January 1970 in FILETIME's count of 100 ns from 1 January 1601.
constexpr std::int64_t kUnixEpoch = 116444736000000000;
constexpr std::int64_t kTicksPerSecond = 10000000;

std::int64_t ticksOf(const FILETIME& time) {
    return static_cast<std::int64_t>((std::uint64_t{time.dwHighDateTime} << 32) | time.dwLowDateTime);
}

// How far local time is ahead of UTC, converted as GetLocalTime does, by
// the offset in force now (the second asked for is the current one).
// Should the conversion fail, local time is taken to be UTC.
std::int64_t systemOffsetAt(std::int64_t utcSeconds) {
    const auto ticks = static_cast<std::uint64_t>(utcSeconds * kTicksPerSecond + kUnixEpoch);
    const FILETIME utc{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
    FILETIME local{};
    if (!FileTimeToLocalFileTime(&utc, &local)) return 0;
    return (ticksOf(local) - ticksOf(utc)) / kTicksPerSecond;
}

}  // namespace

class WinRuntime::Ticker final : public TimerHandle {
public:
    Ticker(WinRuntime& runtime, UINT_PTR id) : runtime_(runtime), id_(id) {}
    ~Ticker() override { runtime_.stopTimer(id_); }

private:
    WinRuntime& runtime_;
    UINT_PTR id_;
};

WinRuntime::WinRuntime(HINSTANCE instance)
    : instance_(instance),
      forms_(userRegionalForms()),
      localTime_(systemOffsetAt),
      measureDc_(CreateCompatibleDC(nullptr)) {
    WindowHost::registerClass(instance);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = &WinRuntime::timerProcedure;
    wc.hInstance = instance;
    wc.lpszClassName = kTimerClass;
    RegisterClassExW(&wc);
    timerWindow_ = CreateWindowExW(0, kTimerClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, nullptr);
    SetWindowLongPtrW(timerWindow_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

WinRuntime::~WinRuntime() {
    hosts_.clear();
    for (const auto& entry : timers_) KillTimer(timerWindow_, entry.first);
    timers_.clear();
    if (timerWindow_) {
        SetWindowLongPtrW(timerWindow_, GWLP_USERDATA, 0);
        DestroyWindow(timerWindow_);
    }
    DeleteDC(measureDc_);
}

int WinRuntime::run() {
    MSG message;
    while (!ended_) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got <= 0) break;
        route(message);
    }
    // The windows still refer to the core's windows: they go while those exist.
    hosts_.clear();
    return 0;
}

void WinRuntime::route(MSG& message) {
    for (auto it = hosts_.rbegin(); it != hosts_.rend(); ++it) {
        if ((*it)->routeKey(message)) return;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

ClockReading WinRuntime::readClock() {
    FILETIME utc{};
    GetSystemTimeAsFileTime(&utc);
    // Local time from the same instant, so that the two tell the zone's
    // offset exactly.
    const std::int64_t utcMs = (ticksOf(utc) - kUnixEpoch) / 10000;
    // The tick count goes on while the machine sleeps, unlike the unbiased
    // interrupt time; its 10 to 16 ms steps are far finer than the second
    // the alarm needs. (QueryInterruptTime, which also counts sleep, needs
    // Windows 10 and is missing from Wine 8.)
    return {localTime_.localAt(utcMs), utcMs, static_cast<std::int64_t>(GetTickCount64())};
}

TextExtent WinRuntime::measureText(const Font& font, const std::string& text) {
    HGDIOBJ old = SelectObject(measureDc_, measureFonts_.get(font));
    TEXTMETRICW metrics{};
    GetTextMetricsW(measureDc_, &metrics);
    const std::wstring wide = toWide(text);
    SIZE size{};
    if (!wide.empty()) GetTextExtentPoint32W(measureDc_, wide.c_str(), static_cast<int>(wide.size()), &size);
    SelectObject(measureDc_, old);
    return {static_cast<int>(size.cx), static_cast<int>(std::max<LONG>(size.cy, metrics.tmHeight))};
}

std::unique_ptr<TimerHandle> WinRuntime::startTimer(int intervalMs, std::function<void()> onDue) {
    const UINT_PTR id = nextTimerId_++;
    if (!SetTimer(timerWindow_, id, static_cast<UINT>(std::max(intervalMs, 1)), nullptr)) return nullptr;
    timers_[id] = std::make_shared<std::function<void()>>(std::move(onDue));
    return std::make_unique<Ticker>(*this, id);
}

void WinRuntime::stopTimer(UINT_PTR id) {
    KillTimer(timerWindow_, id);
    timers_.erase(id);
}

LRESULT CALLBACK WinRuntime::timerProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* runtime = reinterpret_cast<WinRuntime*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (message == WM_TIMER && runtime) {
        runtime->timerDue(wParam);
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

void WinRuntime::timerDue(UINT_PTR id) {
    const auto it = timers_.find(id);
    if (it == timers_.end()) return;
    // The handler may stop its own timer; it keeps its function alive meanwhile.
    const std::shared_ptr<std::function<void()>> onDue = it->second;
    dispatch([&] { (*onDue)(); });
}

WindowHost* WinRuntime::openHost(const Window& window) const {
    for (const auto& host : hosts_) {
        if (&host->window() == &window && !host->closed()) return host.get();
    }
    return nullptr;
}

void WinRuntime::showWindow(Window& window) {
    mainWindow_ = &window;
    WindowHost* host = openHost(window);
    if (!host) {
        hosts_.push_back(std::make_unique<WindowHost>(*this, window, nullptr));
        host = hosts_.back().get();
    }
    host->show();
}

void WinRuntime::throwIfEnded() const {
    if (ended_) throw ProgramEnded{};
}

void WinRuntime::yield() {
    throwIfEnded();
    MSG message;
    const bool pass = pacer_.passDue(YieldPacer::SteadyClock::now());
    while (pass && !ended_ && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));  // for the loop that owns it
            break;
        }
        route(message);
    }
    throwIfEnded();
}

void WinRuntime::showModal(Window& dialog, Window& owner) {
    throwIfEnded();
    WindowHost* ownerHost = openHost(owner);
    HWND ownerWindow = ownerHost ? ownerHost->hwnd() : nullptr;
    hosts_.push_back(std::make_unique<WindowHost>(*this, dialog, ownerWindow));
    WindowHost& host = *hosts_.back();
    if (ownerWindow) EnableWindow(ownerWindow, FALSE);
    host.show();
    MSG message;
    while (!ended_ && dialog.loaded() && host.hwnd()) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got <= 0) {
            if (got == 0) PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        route(message);
    }
    // The owner takes input again before the dialog goes, so that it is
    // the window activated next.
    if (ownerWindow) EnableWindow(ownerWindow, TRUE);
    removeHost(host);
    throwIfEnded();
}

void WinRuntime::removeHost(WindowHost& host) {
    std::erase_if(hosts_, [&](const auto& h) { return h.get() == &host; });
}

void WinRuntime::windowClosed(WindowHost& closedHost) {
    // The program ends once no window of its own is left on screen.
    const bool anyOpen = std::any_of(hosts_.begin(), hosts_.end(), [&](const auto& h) {
        return h.get() != &closedHost && !h->closed() && !h->window().isDialog();
    });
    if (!anyOpen && !closedHost.window().isDialog()) PostQuitMessage(0);
}

void WinRuntime::sessionMayEnd() {
    if (mainWindow_) dispatch([this] { mainWindow_->endingSoon(); });
}

void WinRuntime::sessionEnds() {
    if (mainWindow_) dispatch([this] { closeAndEnd(*mainWindow_); });
}

HWND WinRuntime::activeOwner() const {
    for (auto it = hosts_.rbegin(); it != hosts_.rend(); ++it) {
        if (!(*it)->closed() && (*it)->hwnd() && IsWindowEnabled((*it)->hwnd())) return (*it)->hwnd();
    }
    return nullptr;
}

int WinRuntime::messageBox(const std::string& text, MessageIcon icon, MessageButtons buttons,
                           const std::string& title) {
    throwIfEnded();
    const UINT type = (icon == MessageIcon::Critical ? MB_ICONERROR : MB_ICONINFORMATION) |
                      (buttons == MessageButtons::OkCancel ? MB_OKCANCEL : MB_OK);
    const int answer = MessageBoxW(activeOwner(), toWide(text).c_str(), toWide(title).c_str(), type);
    throwIfEnded();
    return answer == IDOK ? kAnswerOk : kAnswerCancel;
}

void WinRuntime::beep() { MessageBeep(MB_OK); }

void WinRuntime::shellOpen(Window& owner, const std::string& address) {
    WindowHost* host = openHost(owner);
    // The result says nothing the user needs: a missing handler is not reported.
    ShellExecuteA(host ? host->hwnd() : nullptr, "open", address.c_str(), nullptr, nullptr, SW_SHOW);
}

std::optional<std::vector<std::uint8_t>> WinRuntime::readFileBesideProgram(const std::string& bareName,
                                                                           std::size_t largest) {
    const std::wstring path = programFolder() + toWide(bareName);
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    std::optional<std::vector<std::uint8_t>> bytes;
    LARGE_INTEGER size{};
    // Only a file on disk: a device name such as CON or a pipe would block the read.
    if (GetFileType(file) == FILE_TYPE_DISK && GetFileSizeEx(file, &size) && size.QuadPart >= 0 &&
        static_cast<unsigned long long>(size.QuadPart) <= largest) {
        std::vector<std::uint8_t> data(static_cast<std::size_t>(size.QuadPart));
        std::size_t filled = 0;
        DWORD got = 0;
        while (filled < data.size() &&
               ReadFile(file, data.data() + filled, static_cast<DWORD>(data.size() - filled), &got, nullptr) &&
               got > 0) {
            filled += got;
        }
        // A file that shrank while being read is taken as far as it goes.
        data.resize(filled);
        bytes = std::move(data);
    }
    CloseHandle(file);
    return bytes;
}

void WinRuntime::end() {
    ended_ = true;
    for (const auto& entry : timers_) KillTimer(timerWindow_, entry.first);
    for (const auto& host : hosts_) {
        if (host->hwnd()) ShowWindow(host->hwnd(), SW_HIDE);
    }
    PostQuitMessage(0);
    throw ProgramEnded{};
}

}  // namespace vclock::win32
