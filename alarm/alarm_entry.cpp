#include "alarm/alarm_entry.h"

#include "app/text/date_text.h"
#include "settings/settings_access.h"

namespace vclock {
namespace {

constexpr const char* kFormatMessage = "You must enter a valid time format.";
constexpr const char* kFormatTitle = "Time Format Error!!";

}  // namespace

AlarmEntry::AlarmEntry(Runtime& runtime, Element& txtalarm) : runtime_(runtime), txtalarm_(txtalarm) {}

void AlarmEntry::readalarm() {
    // The text is taken first, so an empty or invalid entry disarms the alarm.
    alarmtime_ = DynamicValue(txtalarm_.text());
    if (alarmtime_.string().empty()) return;
    if (const auto time = textToDate(alarmtime_.string(), runtime_.regionalForms())) {
        alarmtime_ = *time;
        return;
    }
    runtime_.messageBox(kFormatMessage, MessageIcon::Critical, MessageButtons::Ok, kFormatTitle);
}

void AlarmEntry::savealarm() {
    // An entry that is not a time leaves the stored time as it was, so the
    // store only ever holds nothing, the default or a time we wrote.
    const auto time = textToDate(txtalarm_.text(), runtime_.regionalForms());
    if (!time) return;
    savedalarm_ = *time;
    writesetting(runtime_.settings(), setting_names::kAlarm, dateToText(savedalarm_, runtime_.regionalForms()));
}

void AlarmEntry::loadalarm() {
    SettingsStore& store = runtime_.settings();
    if (readsetting(store, setting_names::kAlarm).empty()) {
        writesetting(store, setting_names::kAlarm, setting_names::kDefaultAlarm);
        return;
    }
    // A value edited by hand, or written under other regional forms, may
    // not read as a time: the field then keeps its text and the store is
    // left as it is, so nothing the user wrote is lost.
    const auto time = textToDate(readsetting(store, setting_names::kAlarm), runtime_.regionalForms());
    if (!time) return;
    storedalarm_ = *time;
    txtalarm_.setText(dateToText(storedalarm_, runtime_.regionalForms()));
}

}  // namespace vclock
