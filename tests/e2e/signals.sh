#!/bin/sh
# SIGTERM, SIGINT and SIGHUP close the clock as any close does: the time
# typed into the open door and never committed is stored, and the program
# ends with status 0, also while the first-run message or the alarm notice
# waits for an answer.
. "$(dirname "$0")/lib.sh"
linux_only "a Windows program gets no SIGTERM, SIGINT or SIGHUP; its way out at logoff is tests/win32/session_end.sh"

start_x

# ended_by SIGNAL WHAT: the program ends with status 0 after SIGNAL.
ended_by() {
    kill -"$1" "$app_pid"
    wait_exit
    [ "$status" = 0 ] || fail "$2: exit status $status after SIG$1"
}

for signal in TERM INT HUP; do
    seed_settings "7:30:00 AM"
    start_app
    wait_main
    poll 10 caption_ticks || fail "SIG$signal: the caption never showed the time"
    open_door
    type_alarm "9:09"
    ended_by "$signal" "typed text"
    expect_setting Alarm currentime "9:09:00 AM"
done

# The first-run message of a fresh store holds a nested event loop.
rm -f "$settings_file"
start_app
wait_main
wait_free_info
ended_by TERM "first-run message"
expect_setting Alarm currentime "12:00:00 PM"
expect_setting Popup okornot ""

# The alarm notice: closing it would reload the field, so the typed text
# must be stored before that could happen.
seed_settings "7:30:00 AM"
use_faketime "2026-12-10 07:00:00"
start_app
wait_main
poll 10 caption_ticks || fail "notice: the caption never showed the time"
commit  # arms the stored 7:30:00 AM the field shows
open_door
type_alarm "9:09"
set_clock "2026-12-10 07:29:58"
poll 12 notice_window >/dev/null || fail "no notice appeared by 07:30:0x"
ended_by TERM "alarm notice"
expect_setting Alarm currentime "9:09:00 AM"
echo "PASS"
