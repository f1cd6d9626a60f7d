#!/bin/sh
# The clock steps backwards over midnight and forwards over the alarm while
# the program runs: nothing breaks, the stored alarm stays, and once the
# clock is before the alarm again the notice comes at the alarm time.
. "$(dirname "$0")/lib.sh"

start_x
seed_settings "7:30:00 AM"
use_faketime "2026-12-11 00:00:03"
start_app
wait_main
poll 10 caption_ticks || fail "the caption never showed the time"
commit
wait_setting Alarm currentime "7:30:00 AM"

# steady SECONDS: the program runs on for a while without a notice.
steady() {
    end=$(($(date +%s) + $1))
    while [ "$(date +%s)" -lt "$end" ]; do
        app_alive || fail "the program ended at $2"
        notice_gone || fail "a notice came at $2"
        sleep 0.2
    done
    sleep_until_tick
}

set_clock "2026-12-10 23:59:58"
steady 4 "a step back over midnight"
# Well past the alarm (a check that comes late within a minute still rings).
set_clock "2026-12-11 07:45:00"
steady 3 "a step forward over the alarm"
expect_setting Alarm currentime "7:30:00 AM"

# Before the alarm again: it comes at its time.
set_clock "2026-12-11 07:29:57"
poll 8 notice_window >/dev/null || fail "no notice after the clock went back before the alarm"
notice=$(notice_window)
point_at $((x + 20)) $((y + 20))
answer "$notice" a
poll 5 notice_gone || fail "a key did not close the notice"
sleep_until_tick
app_alive || fail "the program ended after the notice"
expect_setting Alarm currentime "7:30:00 AM"
echo "PASS"
