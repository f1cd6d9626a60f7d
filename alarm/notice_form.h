#pragma once

#include <string>

#include "app/runtime.h"
#include "app/window/window.h"
#include "assets/artwork.h"

namespace vclock {

// The alarm notice `frmabout`, which doubles as the about box. It fills in
// the alarm line, the version and the title each time its window loads,
// closes on "Close" or any character key (it sees keys before its buttons)
// and hands the author's addresses to the shell. Showing it is the alarm
// check's business, not its own.
class NoticeForm {
public:
    NoticeForm(Runtime& runtime, const Artwork& artwork);
    NoticeForm(const NoticeForm&) = delete;
    NoticeForm& operator=(const NoticeForm&) = delete;

    Window& window() { return window_; }

    void Form_Load();
    void Form_KeyPress(char32_t key);
    void cmdok_Click();
    void cmdmailme_Click();
    void cmdmywebsite_Click();

    static constexpr const char* kTitle = "Vordane Clock";
    static constexpr const char* kAlarmPrefix = "ALARM AT: ";
    static constexpr const char* kMailAddress = "mailto:clock@vordane.example";
    static constexpr const char* kWebAddress = "https://vordane.example/clock";

private:
    Runtime& runtime_;
    Window window_;
};

}  // namespace vclock
