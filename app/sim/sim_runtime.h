#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/runtime.h"
#include "app/sim/memory_settings_store.h"
#include "app/window/window.h"

namespace vclock {

// A deterministic runtime for tests. Its clock never moves by itself: a test
// sets it or advances it, and advancing runs every timer that falls due on
// the way, in order, each at its own due time. Message boxes are answered
// and modal windows closed by the test's own callbacks.
//
// The clock keeps UTC and the real time that passed, and shows local time
// through a time zone (none: local time is UTC). Advancing moves both, as
// does time passing while nothing runs (a suspend); setting the clock steps
// the wall clock alone, as a user does. Timers follow the wall clock.
//
//   SimRuntime sim;
//   sim.setClock(2026, 12, 10, 7, 29, 59);
//   MainForm form(sim, embeddedArtwork());
//   form.start();
//   sim.advance(150);                    // the first tick runs
//   sim.click(form.window(), {540, 470}); // press and release at a pixel
class SimRuntime final : public Runtime {
public:
    struct MessageBoxCall {
        std::string text;
        MessageIcon icon;
        MessageButtons buttons;
        std::string title;
    };

    explicit SimRuntime(RegionalForms forms = RegionalForms::englishUnitedStates());
    ~SimRuntime() override;

    // --- the clock ---------------------------------------------------------
    // Each of these steps the wall clock to a local time without running
    // anything; no real time passes.
    void setClock(int year, int month, int day, int hour, int minute, int second, int millisecond = 0);
    void setTimeOfDay(int hour, int minute, int second, int millisecond = 0);
    void setNowMs(std::int64_t msSinceZeroDate);
    // The local time, in milliseconds from the zero date.
    std::int64_t nowMs() const { return localMs_; }
    // Steps the wall clock to an instant in UTC, in milliseconds since 1970.
    void setUtcMs(std::int64_t msSince1970);
    // The local time's offset from UTC in seconds, at an instant given in
    // seconds since 1970. It is asked each time the clock moves.
    void setTimeZone(std::function<std::int64_t(std::int64_t secondsSince1970)> utcOffsetAt);
    // Moves the clock forward by `ms`, running every timer that falls due.
    void advance(std::int64_t ms);
    // Real time passes while nothing runs: a suspended machine, a program
    // held up. Timers that fell due meanwhile run once at the next advance.
    void passTime(std::int64_t ms);
    // Runs at the start of every yield, before pending events: a test can
    // move the clock there to put a second's change between two readings.
    void setYieldHook(std::function<void()> hook) { yieldHook_ = std::move(hook); }
    int yieldCount() const { return yields_; }
    // Yields that run no timers, so that a benchmark times a handler's own
    // work and not the other timers it would let run.
    void setQuietYields(bool quiet) { quietYields_ = quiet; }

    // --- scripted answers --------------------------------------------------
    // Answers every message box; the default answers OK. It may advance the
    // clock, which runs timers as they run behind a real message box.
    void setMessageBoxAnswer(std::function<int(const MessageBoxCall&)> answer) { answer_ = std::move(answer); }
    const std::vector<MessageBoxCall>& messageBoxes() const { return messageBoxes_; }
    // Runs while a modal window shows; it must unload the window (it may
    // advance the clock first). The default closes it at once.
    void setModalHandler(std::function<void(Window& dialog)> handler) { modalHandler_ = std::move(handler); }
    int modalShows() const { return modalShows_; }

    // --- what the program did ----------------------------------------------
    int beeps() const { return beeps_; }
    const std::vector<std::string>& openedAddresses() const { return opened_; }
    MemorySettingsStore& store() { return store_; }
    void setProgramFile(const std::string& name, std::vector<std::uint8_t> bytes) { files_[name] = std::move(bytes); }
    void removeProgramFile(const std::string& name) { files_.erase(name); }
    int fileReads() const { return fileReads_; }

    // --- the user's input ---------------------------------------------------
    // Each goes to its window through the event loop; a window under a modal
    // one takes none.
    void press(Window& window, Point pixel, MouseButton button = MouseButton::Left);
    void release(Window& window, Point pixel, MouseButton button = MouseButton::Left);
    void click(Window& window, Point pixel, MouseButton button = MouseButton::Left);
    void doubleClick(Window& window, Point pixel);
    void moveMouse(Window& window, Point pixel);
    void keyPress(Window& window, char32_t key, bool shift = false);
    // Closes a window as the platform would (logout, the close key).
    void closeWindow(Window& window);

    // --- Runtime -----------------------------------------------------------
    ClockReading readClock() override;
    const RegionalForms& regionalForms() override { return forms_; }
    void setRegionalForms(RegionalForms forms) { forms_ = std::move(forms); }
    TextExtent measureText(const Font& font, const std::string& text) override;
    std::unique_ptr<TimerHandle> startTimer(int intervalMs, std::function<void()> onDue) override;
    void showWindow(Window& window) override;
    void yield() override;
    void showModal(Window& dialog, Window& owner) override;
    int messageBox(const std::string& text, MessageIcon icon, MessageButtons buttons,
                   const std::string& title) override;
    void beep() override { ++beeps_; }
    void shellOpen(Window& owner, const std::string& address) override;
    SettingsStore& settings() override { return store_; }
    [[noreturn]] void end() override;
    bool ended() const override { return ended_; }

private:
    std::optional<std::vector<std::uint8_t>> readFileBesideProgram(const std::string& bareName,
                                                                   std::size_t largest) override;
    struct SimTimer;
    class SimTimerHandle;

    // How far local time is ahead of UTC at an instant.
    std::int64_t offsetMs(std::int64_t utcMs) const;
    // Runs the earliest timer due at or before `limit` (UTC); false when none is.
    bool runOneDueTimer(std::int64_t limit);
    bool takesInput(const Window& window) const;
    void throwIfEnded() const;

    RegionalForms forms_;
    std::int64_t utcMs_ = 0;      // since 1970
    std::int64_t localMs_ = 0;    // from the zero date, kept with utcMs_
    DateTime local_;              // in whole seconds, kept with utcMs_
    std::int64_t elapsedMs_ = 0;  // real time since the runtime started
    std::function<std::int64_t(std::int64_t)> utcOffsetAt_;
    std::int64_t timerSequence_ = 0;
    std::vector<std::shared_ptr<SimTimer>> timers_;
    std::function<void()> yieldHook_;
    int yields_ = 0;
    bool quietYields_ = false;
    std::function<int(const MessageBoxCall&)> answer_;
    std::vector<MessageBoxCall> messageBoxes_;
    std::function<void(Window&)> modalHandler_;
    int modalShows_ = 0;
    Window* modal_ = nullptr;
    int beeps_ = 0;
    std::vector<std::string> opened_;
    MemorySettingsStore store_;
    std::map<std::string, std::vector<std::uint8_t>> files_;
    int fileReads_ = 0;
    bool ended_ = false;
};

}  // namespace vclock
