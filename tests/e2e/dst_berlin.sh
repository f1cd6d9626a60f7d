#!/bin/sh
# Europe/Berlin on the days the clocks change, the program running through
# each change. In spring local time jumps from 01:59:59 to 03:00:00: an
# alarm just after the jump comes at its time, and one in the skipped hour
# as the clocks go forward. In autumn 02:00 to 02:59 comes twice: an alarm
# in that hour rings on its first pass only.
. "$(dirname "$0")/lib.sh"
[ -e /usr/share/zoneinfo/Europe/Berlin ] || skip "no time zone data for Europe/Berlin"

# through_spring ALARM: arms the alarm shown in the entry field and sets the
# clock just before the change; the notice comes in the first seconds of
# 3:00 AM. The caption is written by the tick, up to a tick after the check
# that opened the notice, so the notice's time is judged by the true clock:
# the program's reaches 3:00:00 two whole seconds after it was set.
through_spring() {
    commit
    wait_setting Alarm currentime "$1"
    change_at=$(($(date +%s) + 2))
    set_clock "2026-03-29 01:59:58"
    poll 12 notice_window >/dev/null || fail "no notice for $1 after the change"
    [ "$(date +%s%N)" -ge "${change_at}000000000" ] || fail "the notice for $1 came before the change"
    poll 2 caption_reads ' 3:00:0[0-9] AM$' || fail "the caption reads $(xdotool getwindowname "$main")"
    close_notice
}

start_x
seed_settings "3:00:03 AM"
app_tz=Europe/Berlin
use_faketime "2026-03-29 01:00:00"
start_ticking
through_spring "3:00:03 AM"
sleep_until_tick
app_alive || fail "the program ended after the notice"
expect_setting Alarm currentime "3:00:03 AM"

# 2:30 lies in the skipped hour: it rings as the clocks go forward.
open_door
type_alarm "2:30:00 AM"
through_spring "2:30:00 AM"

# Autumn: 2:30 rings in the first pass of the hour, summer time.
set_clock "2026-10-25 02:29:57 +0200"
poll 8 notice_window >/dev/null || fail "no notice at 2:30:00 AM summer time"
close_notice
# Through the change to winter time, then the same hour again.
set_clock "2026-10-25 02:59:57 +0200"
poll 10 caption_reads ' 2:00:0[0-9] AM$' || fail "the caption reads $(xdotool getwindowname "$main")"
set_clock "2026-10-25 02:29:57 +0100"
poll 10 caption_reads ' 2:30:0[2-9] AM$' || fail "the caption reads $(xdotool getwindowname "$main")"
steady 1 "2:30:00 AM winter time"
expect_setting Alarm currentime "2:30:00 AM"
echo "PASS"
