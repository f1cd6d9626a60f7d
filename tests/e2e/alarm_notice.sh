#!/bin/sh
# With the clock just before a committed alarm, the notice shows within two
# seconds of the alarm time, its beep writes nothing to standard error, a key
# closes it, and the stored alarm stays.
. "$(dirname "$0")/lib.sh"

start_x
seed_settings "7:30:00 AM"
use_faketime "2026-12-10 07:00:00"
start_ticking
# Once the window is up, the clock is put just before the alarm.
set_clock "2026-12-10 07:29:56"
alarm_at=$(($(date +%s) + 4))   # true time at which the program's clock says 07:30:00
# Nothing is armed until the background is clicked.
commit
poll 12 notice_window >/dev/null || fail "no notice appeared by 07:30:0x"
shown=$(date +%s)
[ "$shown" -ge $((alarm_at - 1)) ] || fail "the notice came $((alarm_at - shown)) s early"
[ "$shown" -le $((alarm_at + 2)) ] || fail "the notice came $((shown - alarm_at)) s late"
# The beep came first; with no sound card here it fell back to the bell, quietly.
[ ! -s "$work/app.err" ] || fail "the alarm wrote to standard error: $(head -n 3 "$work/app.err")"

notice=$(notice_window)
point_at $((x + 20)) $((y + 20))
answer "$notice" a
poll 5 notice_gone || fail "a key did not close the notice"
app_alive || fail "the program ended with the notice"
expect_setting Alarm currentime "7:30:00 AM"
# Closing the notice activates the main window again; the clock goes on.
sleep_until_tick
app_alive || fail "the program ended after the notice"
echo "PASS"
