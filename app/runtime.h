#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/text/date_time.h"
#include "app/text/regional_forms.h"
#include "app/window/font.h"

namespace vclock {

class SettingsStore;
class Window;

// Thrown once the program has ended, to unwind whatever core code is still
// on the stack (a handler paused in a yield, a modal show). Every place
// where a backend calls into the core catches it; nothing else does.
struct ProgramEnded {};

enum class MessageIcon { Critical = 16, Information = 64 };
enum class MessageButtons { Ok = 0, OkCancel = 1 };
enum MessageAnswer { kAnswerOk = 1, kAnswerCancel = 2 };

// The clocks at one instant. The local wall time is what the clock shows;
// UTC and the time that really passed tell why it moved: a change of the
// zone's offset moves the local time alone, a suspend moves all three
// alike, and a step of the wall clock moves local time and UTC but not the
// time that passed.
struct ClockReading {
    DateTime local;              // whole seconds
    std::int64_t utcMs = 0;      // the same instant: milliseconds since 1 January 1970, UTC
    std::int64_t elapsedMs = 0;  // milliseconds since a fixed point such as the machine's start, time asleep included

    // 1 January 1970, 00:00 in milliseconds from the zero date.
    static constexpr std::int64_t kUnixEpochMs = 25569 * DateTime::kSecondsPerDay * 1000;
    // The whole seconds of a count of milliseconds, rounded down also below zero.
    static constexpr std::int64_t wholeSeconds(std::int64_t ms) { return ms / 1000 - (ms % 1000 < 0); }

    // The local time in milliseconds from the zero date, its fraction of a
    // second taken from UTC (a zone's offset is whole seconds).
    constexpr std::int64_t localMs() const { return local.totalSeconds() * 1000 + utcMs - wholeSeconds(utcMs) * 1000; }
    // How far the local time is ahead of UTC, in seconds.
    constexpr std::int64_t utcOffsetSeconds() const {
        return local.totalSeconds() - wholeSeconds(utcMs + kUnixEpochMs);
    }
};

// A running timer; dropping the handle stops it. Rules every runtime keeps:
// the callback runs on the user-interface thread between other events, also
// inside yields, modal shows and message boxes; ticks that fall due while
// the callback cannot run are not queued (re-entry is prevented by Timer).
class TimerHandle {
public:
    virtual ~TimerHandle() = default;
};

// The services the clock relies on. One instance per program; the Qt,
// Windows and simulated runtimes implement it. Calls come only from the
// user-interface thread.
class Runtime {
public:
    virtual ~Runtime() = default;

    // Clock: one reading of every clock at once. Most callers want only the
    // local wall-clock date and time with whole seconds.
    virtual ClockReading readClock() = 0;
    DateTime now() { return readClock().local; }
    DateTime currentTime() { return now().timePart(); }
    DateTime currentDate() { return now().datePart(); }

    virtual const RegionalForms& regionalForms() = 0;
    // Pixel width and height of a text in a font, for labels that size to their text.
    virtual TextExtent measureText(const Font& font, const std::string& text) = 0;

    virtual std::unique_ptr<TimerHandle> startTimer(int intervalMs, std::function<void()> onDue) = 0;

    // Puts a loaded window on screen; from then on the runtime feeds it
    // paint requests and the user's mouse and keys.
    virtual void showWindow(Window& window) = 0;

    // Runs every pending event, then returns. Throws ProgramEnded once ended.
    virtual void yield() = 0;

    // Shows the window and returns after it has been unloaded; the owner
    // takes no input meanwhile. Throws ProgramEnded once ended.
    virtual void showModal(Window& dialog, Window& owner) = 0;
    virtual int messageBox(const std::string& text, MessageIcon icon, MessageButtons buttons,
                           const std::string& title) = 0;

    virtual void beep() = 0;
    // Opens an address with the user's handler for its scheme; never waits
    // for that program and reports nothing.
    virtual void shellOpen(Window& owner, const std::string& address) = 0;

    virtual SettingsStore& settings() = 0;

    // The bytes of a file in the program's own folder, or nothing when it
    // cannot be read. Only a bare name is looked up, and only a regular file
    // of at most program_files::kLargest bytes is read (app/files).
    std::optional<std::vector<std::uint8_t>> readProgramFile(const std::string& fileName);

    // Ends the program at once: no handler runs afterwards. Stored values
    // are already on disk (every write is). Throws ProgramEnded.
    [[noreturn]] virtual void end() = 0;
    virtual bool ended() const = 0;

    // Calls into the core from the event loop go through here, so that the
    // unwinding of an ended program stops at the backend's boundary.
    template <class F>
    void dispatch(F&& handler) {
        if (ended()) return;
        try {
            handler();
        } catch (const ProgramEnded&) {
        }
    }

protected:
    // A file of the program's folder, by a name already checked to be bare:
    // its bytes when it is a regular file of at most `largest` bytes. Opening
    // never blocks, whatever lies there (a pipe, a device, a folder).
    virtual std::optional<std::vector<std::uint8_t>> readFileBesideProgram(const std::string& bareName,
                                                                           std::size_t largest) = 0;
};

}  // namespace vclock
