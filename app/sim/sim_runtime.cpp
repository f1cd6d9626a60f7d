#include "app/sim/sim_runtime.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <utility>

namespace vclock {

struct SimRuntime::SimTimer {
    std::int64_t due = 0;
    std::int64_t interval = 0;
    std::int64_t sequence = 0;  // earlier timers first when due together
    bool active = true;
    std::function<void()> onDue;
};

class SimRuntime::SimTimerHandle final : public TimerHandle {
public:
    explicit SimTimerHandle(std::shared_ptr<SimTimer> timer) : timer_(std::move(timer)) {}
    ~SimTimerHandle() override { timer_->active = false; }

private:
    std::shared_ptr<SimTimer> timer_;
};

SimRuntime::SimRuntime(RegionalForms forms) : forms_(std::move(forms)) {
    setClock(2026, 12, 10, 10, 0, 0);
}

SimRuntime::~SimRuntime() = default;

void SimRuntime::setClock(int year, int month, int day, int hour, int minute, int second, int millisecond) {
    const DateTime date = DateTime::fromCivil(year, month, day);
    setNowMs((date.totalSeconds() + hour * 3600 + minute * 60 + second) * 1000 + millisecond);
}

void SimRuntime::setTimeOfDay(int hour, int minute, int second, int millisecond) {
    const std::int64_t day = now().days();
    setNowMs((day * DateTime::kSecondsPerDay + hour * 3600 + minute * 60 + second) * 1000 + millisecond);
}

std::int64_t SimRuntime::offsetMs(std::int64_t utcMs) const {
    return utcOffsetAt_ ? utcOffsetAt_(ClockReading::wholeSeconds(utcMs)) * 1000 : 0;
}

void SimRuntime::setNowMs(std::int64_t msSinceZeroDate) {
    // The offset at the instant the local time names, asked twice so that a
    // time beside a change of the offset finds the offset of its own side.
    // A local time that the zone skips lands beside the gap.
    const std::int64_t wall = msSinceZeroDate - ClockReading::kUnixEpochMs;
    setUtcMs(wall - offsetMs(wall - offsetMs(wall)));
}

void SimRuntime::setUtcMs(std::int64_t msSince1970) {
    utcMs_ = msSince1970;
    localMs_ = utcMs_ + offsetMs(utcMs_) + ClockReading::kUnixEpochMs;
    local_ = DateTime::fromSeconds(ClockReading::wholeSeconds(localMs_));
}

void SimRuntime::setTimeZone(std::function<std::int64_t(std::int64_t secondsSince1970)> utcOffsetAt) {
    utcOffsetAt_ = std::move(utcOffsetAt);
    setUtcMs(utcMs_);
}

ClockReading SimRuntime::readClock() {
    return {local_, utcMs_, elapsedMs_};
}

TextExtent SimRuntime::measureText(const Font& font, const std::string& text) {
    // Fixed metrics, so that sizes in tests do not depend on installed fonts:
    // every character is as wide as a digit of the font.
    std::size_t characters = 0;
    for (unsigned char c : text) {
        if ((c & 0xC0) != 0x80) ++characters;
    }
    const int charWidth = static_cast<int>(std::lround(font.pointSize * 0.75)) + (font.bold ? 1 : 0);
    const int height = static_cast<int>(std::lround(font.pointSize * 1.6));
    return {static_cast<int>(characters) * charWidth, height};
}

std::unique_ptr<TimerHandle> SimRuntime::startTimer(int intervalMs, std::function<void()> onDue) {
    auto timer = std::make_shared<SimTimer>();
    timer->interval = std::max(1, intervalMs);
    timer->due = utcMs_ + timer->interval;
    timer->sequence = timerSequence_++;
    timer->onDue = std::move(onDue);
    timers_.push_back(timer);
    return std::make_unique<SimTimerHandle>(timer);
}

bool SimRuntime::runOneDueTimer(std::int64_t limit) {
    std::erase_if(timers_, [](const auto& t) { return !t->active; });
    std::shared_ptr<SimTimer> next;
    for (const auto& t : timers_) {
        if (t->due > limit) continue;
        if (!next || t->due < next->due || (t->due == next->due && t->sequence < next->sequence)) next = t;
    }
    if (!next) return false;
    if (next->due > utcMs_) passTime(next->due - utcMs_);
    // The next tick is counted from this one. A tick missed while the
    // handler ran long comes once, at the next chance, and is not queued.
    next->due += next->interval;
    dispatch([&] { next->onDue(); });
    if (next->due < utcMs_) next->due = utcMs_;
    return true;
}

void SimRuntime::advance(std::int64_t ms) {
    const std::int64_t target = utcMs_ + ms;
    while (!ended_ && runOneDueTimer(target)) {
    }
    if (target > utcMs_) passTime(target - utcMs_);
}

void SimRuntime::passTime(std::int64_t ms) {
    setUtcMs(utcMs_ + ms);
    elapsedMs_ += ms;
}

void SimRuntime::throwIfEnded() const {
    if (ended_) throw ProgramEnded{};
}

void SimRuntime::showWindow(Window&) {}

void SimRuntime::yield() {
    throwIfEnded();
    ++yields_;
    if (yieldHook_) yieldHook_();
    const std::int64_t limit = utcMs_;
    while (!ended_ && !quietYields_ && runOneDueTimer(limit)) {
    }
    throwIfEnded();
}

void SimRuntime::showModal(Window& dialog, Window& /*owner*/) {
    throwIfEnded();
    ++modalShows_;
    showWindow(dialog);
    Window* outer = std::exchange(modal_, &dialog);
    struct Restore {
        Window*& slot;
        Window* value;
        ~Restore() { slot = value; }
    } restore{modal_, outer};
    if (modalHandler_) {
        modalHandler_(dialog);
    } else {
        dispatch([&] { dialog.unload(); });
    }
    throwIfEnded();
    if (dialog.loaded()) throw std::logic_error("the test's modal handler left " + dialog.name() + " open");
}

int SimRuntime::messageBox(const std::string& text, MessageIcon icon, MessageButtons buttons,
                           const std::string& title) {
    throwIfEnded();
    messageBoxes_.push_back({text, icon, buttons, title});
    const int answer = answer_ ? answer_(messageBoxes_.back()) : kAnswerOk;
    throwIfEnded();
    return answer;
}

void SimRuntime::shellOpen(Window& /*owner*/, const std::string& address) { opened_.push_back(address); }

std::optional<std::vector<std::uint8_t>> SimRuntime::readFileBesideProgram(const std::string& bareName,
                                                                           std::size_t largest) {
    ++fileReads_;
    const auto it = files_.find(bareName);
    if (it == files_.end() || it->second.size() > largest) return std::nullopt;
    return it->second;
}

void SimRuntime::end() {
    ended_ = true;
    throw ProgramEnded{};
}

bool SimRuntime::takesInput(const Window& window) const {
    return !ended_ && window.loaded() && (!modal_ || modal_ == &window);
}

void SimRuntime::press(Window& window, Point pixel, MouseButton button) {
    if (takesInput(window)) dispatch([&] { window.mousePress(pixel, button); });
}

void SimRuntime::release(Window& window, Point pixel, MouseButton button) {
    if (takesInput(window)) dispatch([&] { window.mouseRelease(pixel, button); });
}

void SimRuntime::click(Window& window, Point pixel, MouseButton button) {
    press(window, pixel, button);
    release(window, pixel, button);
}

void SimRuntime::doubleClick(Window& window, Point pixel) {
    click(window, pixel);
    if (takesInput(window)) dispatch([&] { window.mouseDoubleClick(pixel, MouseButton::Left); });
    release(window, pixel);
}

void SimRuntime::moveMouse(Window& window, Point pixel) {
    if (takesInput(window)) dispatch([&] { window.mouseMove(pixel); });
}

void SimRuntime::keyPress(Window& window, char32_t key, bool shift) {
    if (takesInput(window)) dispatch([&] { window.keyTyped(key, shift); });
}

void SimRuntime::closeWindow(Window& window) {
    if (!ended_) dispatch([&] { window.requestClose(); });
}

}  // namespace vclock
