#pragma once

#include <array>
#include <memory>

#include "alarm/alarm_door.h"
#include "alarm/alarm_entry.h"
#include "alarm/alarm_trigger.h"
#include "alarm/date_tooltip.h"
#include "app/lifecycle/exit_control.h"
#include "app/pointer/butterfly_pointer.h"
#include "app/runtime.h"
#include "app/window/timer.h"
#include "app/window/window.h"
#include "assets/artwork.h"
#include "face/hour_indicator.h"
#include "face/minute_indicator.h"
#include "face/seconds_indicator.h"
#include "face/tick.h"
#include "settings/first_run_message.h"

namespace vclock {

// The main window `frmVordaneClock`: built from its layout table, with its
// five timers, and the parts that give it behaviour wired to its events.
// It holds no platform code; the runtime hosts the window.
class MainForm {
public:
    MainForm(Runtime& runtime, const Artwork& artwork);
    MainForm(const MainForm&) = delete;
    MainForm& operator=(const MainForm&) = delete;

    // Loads the window, puts it on screen and runs its first activation.
    void start();

    Window& window() { return window_; }
    Timer& timer(const std::string& name);
    Tick& tick() { return tick_; }
    AlarmEntry& alarmEntry() { return alarmEntry_; }
    AlarmDoor& door() { return *door_; }
    ButterflyPointer& butterfly() { return butterfly_; }

    void Form_Load();
    void Form_Activate();
    void Form_Click();
    void Form_DblClick();
    void Form_Unload();

private:
    Runtime& runtime_;
    Window window_;
    bool built_;  // the layout is in the window before the parts below look up their elements
    std::vector<std::unique_ptr<Timer>> timers_;
    HourIndicator hours_;
    MinuteIndicator minutes_;
    SecondsIndicator seconds_;
    Tick tick_;
    AlarmEntry alarmEntry_;
    FirstRunMessage freeInfo_;
    ExitControl exit_;
    DateTooltip dateTooltip_;
    AlarmTrigger trigger_;
    ButterflyPointer butterfly_;
    std::unique_ptr<AlarmDoor> door_;  // made at load, with the timers it switches
};

}  // namespace vclock
