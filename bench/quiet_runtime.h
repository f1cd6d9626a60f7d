#pragma once

#include "app/sim/sim_runtime.h"

namespace vclock::bench {

// The simulated runtime with yields that do nothing, so that a benchmark
// times a handler's own work and not the other timers it would let run.
// Everything else goes to the simulated runtime underneath.
class QuietRuntime final : public Runtime {
public:
    explicit QuietRuntime(SimRuntime& sim) : sim_(sim) {}

    // Moves the underlying clock without running any timer.
    void advanceClock(std::int64_t ms) { sim_.passTime(ms); }

    ClockReading readClock() override { return sim_.readClock(); }
    const RegionalForms& regionalForms() override { return sim_.regionalForms(); }
    TextExtent measureText(const Font& font, const std::string& text) override { return sim_.measureText(font, text); }
    std::unique_ptr<TimerHandle> startTimer(int intervalMs, std::function<void()> onDue) override {
        return sim_.startTimer(intervalMs, std::move(onDue));
    }
    void showWindow(Window& window) override { sim_.showWindow(window); }
    void yield() override {}
    void showModal(Window& dialog, Window& owner) override { sim_.showModal(dialog, owner); }
    int messageBox(const std::string& text, MessageIcon icon, MessageButtons buttons,
                   const std::string& title) override {
        return sim_.messageBox(text, icon, buttons, title);
    }
    void beep() override { sim_.beep(); }
    void shellOpen(Window& owner, const std::string& address) override { sim_.shellOpen(owner, address); }
    SettingsStore& settings() override { return sim_.settings(); }
    [[noreturn]] void end() override { sim_.end(); }
    bool ended() const override { return sim_.ended(); }

private:
    std::optional<std::vector<std::uint8_t>> readFileBesideProgram(const std::string& bareName,
                                                                   std::size_t /*largest*/) override {
        return sim_.readProgramFile(bareName);
    }

    SimRuntime& sim_;
};

}  // namespace vclock::bench
