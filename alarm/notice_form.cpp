#include "alarm/notice_form.h"

#include "app/text/date_text.h"
#include "app/version.h"
#include "assets/notice_window_layout.h"

namespace vclock {
namespace {

namespace layout = notice_layout;

void buildWindow(Window& window, const Artwork& artwork) {
    window.setCaption("");
    window.setBorderStyle(BorderStyle::FixedDialog);
    window.setShowInTaskbar(false);
    window.setKeyPreview(true);
    window.setBackColor(layout::kBackColor);
    addElements(window, layout::elements(), artwork);
    addAccessibility(window, layout::kAccessibleName, layout::kAccessibleElements);
    const Icon::Image* emblem = artwork.emblem ? artwork.emblem->best(layout::kEmblemSize) : nullptr;
    if (emblem) window.element(layout::kEmblemElement).setPicture(emblem->picture);
}

}  // namespace

NoticeForm::NoticeForm(Runtime& runtime, const Artwork& artwork)
    : runtime_(runtime), window_(runtime, layout::kWindowName, layout::kClientWidth, layout::kClientHeight) {
    buildWindow(window_, artwork);
    window_.events.load = [this] { Form_Load(); };
    window_.events.keyPress = [this](char32_t key) { Form_KeyPress(key); };
    window_.element("cmdok").events.click = [this] { cmdok_Click(); };
    window_.element("cmdmailme").events.click = [this] { cmdmailme_Click(); };
    window_.element("cmdmywebsite").events.click = [this] { cmdmywebsite_Click(); };
}

void NoticeForm::Form_Load() {
    window_.element("lblalarmtime").setText(kAlarmPrefix + dateToText(runtime_.currentTime(), runtime_.regionalForms()));
    window_.element("lblVersion").setText("Version " + numberToText(version::kMajor) + "." +
                                          numberToText(version::kMinor) + "." + numberToText(version::kRevision));
    window_.element("lblProductName").setText(kTitle);
}

void NoticeForm::Form_KeyPress(char32_t /*key*/) { window_.unload(); }

void NoticeForm::cmdok_Click() { window_.unload(); }

// The shell's answer is not examined: a missing mail program or browser
// leaves the notice as it was.
void NoticeForm::cmdmailme_Click() { runtime_.shellOpen(window_, kMailAddress); }

void NoticeForm::cmdmywebsite_Click() { runtime_.shellOpen(window_, kWebAddress); }

}  // namespace vclock
