#include "settings/first_run_message.h"

#include "settings/settings_access.h"

namespace vclock {
namespace {

// The pieces join with no added blanks: the spaces are the ones ending them.
constexpr const char* kText =
    "To find out more about how Vordane Clock function "
    "read the Readme file."
    "\r\n"
    "\r\n"
    "If "
    "you don't want to see this message "
    "again click OK otherwise click CANCEL.";
constexpr const char* kTitle = "Free Info";

}  // namespace

void FirstRunMessage::showfreeinfo() {
    SettingsStore& store = runtime_.settings();
    if (!readsetting(store, setting_names::kFreeInfo).empty()) {
        writesetting(store, setting_names::kFreeInfo, "true");
        return;
    }
    const int answer = runtime_.messageBox(kText, MessageIcon::Information, MessageButtons::OkCancel, kTitle);
    // Cancel, Escape and the box's close button all leave the message due again.
    if (answer == kAnswerOk) writesetting(store, setting_names::kFreeInfo, "false");
}

}  // namespace vclock
