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

    // Clock: local wall-clock date and time with whole seconds.
    virtual DateTime now() = 0;
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
