#!/bin/sh
# Europe/Berlin on the day the clocks go forward: local time jumps from
# 01:59:59 to 03:00:00; an alarm just after the jump still comes, and the
# program runs through the change.
. "$(dirname "$0")/lib.sh"
[ -e /usr/share/zoneinfo/Europe/Berlin ] || skip "no time zone data for Europe/Berlin"

start_x
seed_settings "3:00:03 AM"
app_tz=Europe/Berlin
use_faketime "2026-03-29 01:00:00"
start_app
wait_main
poll 10 caption_ticks || fail "the caption never showed the time"
commit
wait_setting Alarm currentime "3:00:03 AM"
set_clock "2026-03-29 01:59:58"
poll 12 notice_window >/dev/null || fail "no notice at 3:00:03 AM after the change"
xdotool getwindowname "$main" | grep -q ' 3:00:0[0-9] AM$' || fail "the caption reads $(xdotool getwindowname "$main")"
notice=$(notice_window)
point_at $((x + 20)) $((y + 20))
answer "$notice" a
poll 5 notice_gone || fail "a key did not close the notice"
sleep_until_tick
app_alive || fail "the program ended after the notice"
expect_setting Alarm currentime "3:00:03 AM"
echo "PASS"
