#!/bin/sh
# The user sets the clock while the program runs: back over midnight and
# forward over the alarm, which rings nothing it jumped over however close;
# once the clock is before the alarm again the notice comes at the alarm
# time, and never a second time that day, however the clock is set.
# Only the wall clock shifts, so each shift is a step of the clock.
. "$(dirname "$0")/lib.sh"

start_x
seed_settings "7:30:00 AM"
use_faketime "2026-12-11 00:00:03"
start_ticking
commit
wait_setting Alarm currentime "7:30:00 AM"

set_clock "2026-12-10 23:59:58"
steady 4 "a step back over midnight"
set_clock "2026-12-11 07:30:20"
steady 3 "a step forward just over the alarm"
expect_setting Alarm currentime "7:30:00 AM"

# Before the alarm again: it comes at its time.
set_clock "2026-12-11 07:29:57"
poll 8 notice_window >/dev/null || fail "no notice after the clock went back before the alarm"
close_notice
sleep_until_tick
app_alive || fail "the program ended after the notice"

# It has rung today: an hour back and forward again, or back before it
# once more, rings nothing.
set_clock "2026-12-11 06:30:05"
steady 2 "an hour back after the alarm"
set_clock "2026-12-11 07:30:08"
steady 3 "an hour forward again after the alarm"
set_clock "2026-12-11 07:29:57"
poll 10 caption_reads ' 7:30:0[2-9] AM$' || fail "the caption reads $(xdotool getwindowname "$main")"
steady 1 "the alarm's time a second time that day"
expect_setting Alarm currentime "7:30:00 AM"
echo "PASS"
