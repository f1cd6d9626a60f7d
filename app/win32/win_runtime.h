#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "app/runtime/local_time_cache.h"
#include "app/runtime.h"
#include "app/win32/font_cache.h"
#include "app/win32/registry_settings_store.h"
#include "app/runtime/yield_pacer.h"

namespace vclock::win32 {

class WindowHost;

// The runtime on Windows. Timers belong to a hidden message window, so that
// every message loop delivers their ticks: ours, a message box's and a
// modal window's. Ending the program unwinds the core with ProgramEnded up
// to the window procedure that called into it, and every loop then stops.
class WinRuntime final : public Runtime {
public:
    explicit WinRuntime(HINSTANCE instance);
    WinRuntime(const WinRuntime&) = delete;
    WinRuntime& operator=(const WinRuntime&) = delete;
    ~WinRuntime() override;

    // Runs the events until the program ends or its last window has closed,
    // then takes its windows off the screen. Returns the exit code.
    int run();

    HINSTANCE instance() const { return instance_; }
    // One message on its way: character keys to a previewing window first,
    // then the usual translation and dispatch.
    void route(MSG& message);
    // A window's unload has closed it on screen.
    void windowClosed(WindowHost& host);
    // The user's session may end (it can still be cancelled): the main
    // window stores what its unload would store.
    void sessionMayEnd();
    // The session ends: the main window closes as any close does, and the
    // program ends.
    void sessionEnds();

    // Runtime
    ClockReading readClock() override;
    const RegionalForms& regionalForms() override { return forms_; }
    TextExtent measureText(const Font& font, const std::string& text) override;
    std::unique_ptr<TimerHandle> startTimer(int intervalMs, std::function<void()> onDue) override;
    void showWindow(Window& window) override;
    void yield() override;
    void showModal(Window& dialog, Window& owner) override;
    int messageBox(const std::string& text, MessageIcon icon, MessageButtons buttons,
                   const std::string& title) override;
    void beep() override;
    void shellOpen(Window& owner, const std::string& address) override;
    SettingsStore& settings() override { return store_; }
    [[noreturn]] void end() override;
    bool ended() const override { return ended_; }

private:
    class Ticker;
    std::optional<std::vector<std::uint8_t>> readFileBesideProgram(const std::string& bareName,
                                                                   std::size_t largest) override;
    static LRESULT CALLBACK timerProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void timerDue(UINT_PTR id);
    void stopTimer(UINT_PTR id);
    WindowHost* openHost(const Window& window) const;
    // The window a message box belongs to: the top-most one that takes input.
    HWND activeOwner() const;
    void removeHost(WindowHost& host);
    void throwIfEnded() const;

    HINSTANCE instance_;
    HWND timerWindow_ = nullptr;
    UINT_PTR nextTimerId_ = 1;
    std::map<UINT_PTR, std::shared_ptr<std::function<void()>>> timers_;
    std::vector<std::unique_ptr<WindowHost>> hosts_;
    Window* mainWindow_ = nullptr;  // the one put on screen by showWindow; dialogs show modally
    RegistrySettingsStore store_;
    RegionalForms forms_;
    LocalTimeCache localTime_;
    YieldPacer pacer_;
    FontCache measureFonts_;
    HDC measureDc_ = nullptr;
    bool ended_ = false;
};

}  // namespace vclock::win32
