#pragma once

#include <string>

#include "app/runtime/font.h"

namespace vclock {

class Window;

enum class MessageIcon { Critical = 16, Information = 64 };
enum class MessageButtons { Ok = 0, OkCancel = 1 };
enum MessageAnswer { kAnswerOk = 1, kAnswerCancel = 2 };

// What the program shows and asks of the user's desktop.
class Desktop {
public:
    virtual ~Desktop() = default;

    // Puts a loaded window on screen; from then on the runtime feeds it
    // paint requests and the user's mouse and keys.
    virtual void showWindow(Window& window) = 0;

    virtual int messageBox(const std::string& text, MessageIcon icon, MessageButtons buttons,
                           const std::string& title) = 0;

    // Pixel width and height of a text in a font, for labels that size to their text.
    virtual TextExtent measureText(const Font& font, const std::string& text) = 0;

    virtual void beep() = 0;
    // Opens an address with the user's handler for its scheme; never waits
    // for that program and reports nothing.
    virtual void shellOpen(Window& owner, const std::string& address) = 0;
};

}  // namespace vclock
