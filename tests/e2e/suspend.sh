#!/bin/sh
# The program stopped (SIGSTOP) over its alarm while every clock moves on,
# as in a suspend, then woken (SIGCONT): five minutes late the notice comes
# at once and shows the time it opened; later than half an hour it does
# not, as the alarm is stale by then.
. "$(dirname "$0")/lib.sh"
linux_only "under Wine the interrupt time comes from the wineserver, which libfaketime does not move, so a faked suspend looks like a step of the clock"

# asleep_from TIME SECONDS: once the program's clock has reached TIME (a
# time ending in a low digit), it stops for SECONDS of every clock, then
# runs on.
asleep_from() {
    kill -STOP "$app_pid"
    set_clock "2026-12-10 $1"
    kill -CONT "$app_pid"
    shown=${1#0}
    poll 5 caption_reads " ${shown%?}[0-9] AM\$" || fail "the caption reads $(xdotool getwindowname "$main"), not $1"
    kill -STOP "$app_pid"
    shift_clock "$2"
    kill -CONT "$app_pid"
}

# start ALARM TIME: the program, its alarm armed, its clock at TIME.
start() {
    seed_settings "$1"
    use_faketime "2026-12-10 $2" all
    start_app
    wait_main
    poll 10 caption_ticks || fail "the caption never showed the time"
    commit
    wait_setting Alarm currentime "$1"
}

start_x
start "8:01:00 AM" "07:58:00"
asleep_from "08:00:52" 300
poll 8 notice_window >/dev/null || fail "no notice after five minutes asleep over the alarm"
caption_reads ' 8:0[56]:[0-5][0-9] AM$' || fail "the caption reads $(xdotool getwindowname "$main")"
close_notice
sleep_until_tick
app_alive || fail "the program ended after the notice"
stop_app

# Half an hour and ten seconds asleep, from 8:59:52 at the latest.
start "9:00:00 AM" "08:57:00"
asleep_from "08:59:52" 1810
steady 4 "waking more than half an hour after the alarm"
caption_reads ' 9:30:' || fail "the caption reads $(xdotool getwindowname "$main")"
echo "PASS"
