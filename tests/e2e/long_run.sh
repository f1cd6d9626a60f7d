#!/bin/sh
# Long run, by hand: long_run.sh PROGRAM [SECONDS] (600 by default). The
# clock runs under its own X server while the pointer keeps crossing the
# exit control and the door opens and closes; prints the program's resident
# memory at the start and the end, and its CPU time.
. "$(dirname "$0")/lib.sh"
seconds=${2:-600}

rss_kb() { awk '/^VmRSS:/ { print $2 }' "/proc/$app_pid/status"; }
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$app_pid/stat"; }

start_x
seed_settings "7:30:00 AM"
start_app
wait_main
poll 10 caption_ticks || fail "the caption never showed the time"
sleep 2
rss_start=$(rss_kb)
cpu_start=$(cpu_ticks)
echo "start: RSS ${rss_start} kB"

end=$(($(date +%s) + seconds))
rounds=0
while [ "$(date +%s)" -lt "$end" ]; do
    for place in "100 270" "200 400" "240 440" "300 300"; do
        set -- $place
        point_at "$1" "$2"
        sleep 0.3
    done
    open_door
    commit
    poll 5 field_is_hidden || fail "the door did not close in round $rounds"
    app_alive || fail "the program ended in round $rounds"
    rounds=$((rounds + 1))
done
sleep_until_tick
rss_end=$(rss_kb)
cpu_end=$(cpu_ticks)
echo "end: RSS ${rss_end} kB after ${seconds} s and $rounds rounds"
echo "CPU: $(((cpu_end - cpu_start) * 10)) ms in the run"
expect_setting Alarm currentime "7:30:00 AM"
press_exit
wait_exit
[ "$status" = 0 ] || fail "exit status $status"
echo "PASS"
