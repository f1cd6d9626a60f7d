#pragma once

#include <vector>

#include <QPointer>

#include "app/runtime/local_time_cache.h"
#include "app/qt/beeper.h"
#include "app/qt/qt_settings_store.h"
#include "app/qt/window_host.h"
#include "app/runtime.h"
#include "app/runtime/yield_pacer.h"

namespace vclock::qt {

// The runtime on a Qt desktop: the system clock and locale, QTimers, the
// event loop for yields and modal windows, QMessageBox, the desktop's URL
// handler and sound, and the per-user settings file.
class QtRuntime final : public Runtime {
public:
    QtRuntime();
    ~QtRuntime() override;

    ClockReading readClock() override;
    const RegionalForms& regionalForms() override { return forms_; }
    TextExtent measureText(const Font& font, const std::string& text) override;
    std::unique_ptr<TimerHandle> startTimer(int intervalMs, std::function<void()> onDue) override;
    void showWindow(Window& window) override;
    void yield() override;
    void showModal(Window& dialog, Window& owner) override;
    int messageBox(const std::string& text, MessageIcon icon, MessageButtons buttons,
                   const std::string& title) override;
    void beep() override { beeper_.beep(); }
    void shellOpen(Window& owner, const std::string& address) override;
    SettingsStore& settings() override { return settings_; }
    [[noreturn]] void end() override;
    bool ended() const override { return ended_; }

    // The widget showing a window, while it shows.
    WindowHost* hostOf(const Window& window) const;

private:
    std::optional<std::vector<std::uint8_t>> readFileBesideProgram(const std::string& bareName,
                                                                   std::size_t largest) override;
    WindowHost* host(Window& window, QWidget* owner);
    void throwIfEnded() const;

    RegionalForms forms_;
    LocalTimeCache localTime_;
    YieldPacer pacer_;
    QtSettingsStore settings_;
    Beeper beeper_;
    std::vector<QPointer<WindowHost>> hosts_;
    bool ended_ = false;
};

}  // namespace vclock::qt
