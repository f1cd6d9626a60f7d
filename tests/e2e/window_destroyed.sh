#!/bin/sh
# Windows taken away by another program. The main window destroyed
# (xdotool windowclose) closes as any close does: the typed time is stored
# and the program ends with status 0. The display gone: Qt ends the program
# with status 1, and the typed time is stored on the way out. The alarm
# notice destroyed closes like the notice, and the clock takes input again.
. "$(dirname "$0")/lib.sh"
linux_only "Wine does not tell a Windows program that its X window was destroyed, so the program runs on"

# typed_then KILL: starts the clock, types 9:09 into the open door, runs KILL.
typed_then() {
    seed_settings "7:30:00 AM"
    start_app
    wait_main
    poll 10 caption_ticks || fail "the caption never showed the time"
    open_door
    type_alarm "9:09"
    "$@"
    wait_exit
}

destroy_main() { xdotool windowclose "$main"; }

lose_display() {
    kill "$xvfb_pid"
    wait "$xvfb_pid" || true
    xvfb_pid=
}

start_x
typed_then destroy_main
[ "$status" = 0 ] || fail "main window destroyed: exit status $status"
expect_setting Alarm currentime "9:09:00 AM"

typed_then lose_display
[ "$status" = 1 ] || fail "display gone: exit status $status"
grep -q "X11 connection broke" "$work/app.err" || fail "display gone: $(cat "$work/app.err")"
expect_setting Alarm currentime "9:09:00 AM"

start_x
seed_settings "7:30:00 AM"
use_faketime "2026-12-10 07:29:40"
start_app
wait_main
poll 10 caption_ticks || fail "notice: the caption never showed the time"
commit
set_clock "2026-12-10 07:29:58"
poll 12 notice_window >/dev/null || fail "no notice appeared by 07:30:0x"
xdotool windowclose "$(notice_window)"
poll 5 notice_gone || fail "the destroyed notice stayed"
sleep_until_tick
press_exit
wait_exit
[ "$status" = 0 ] || fail "after the notice: exit status $status"
echo "PASS"
