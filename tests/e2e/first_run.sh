#!/bin/sh
# First start: the "Free Info" message shows, Return answers OK, and the store
# holds the default alarm and, only after the answer, the acknowledgement;
# the next start shows no message, records the acknowledgement as "true" and
# ends through the exit control with the default alarm kept.
. "$(dirname "$0")/lib.sh"

start_x
start_app
wait_free_info
expect_setting Alarm currentime "12:00:00 PM"
[ -z "$(setting Popup okornot)" ] || fail "[Popup] okornot was written before the answer"
answer "$box" Return
wait_setting Popup okornot false
poll 5 free_info_gone || fail "the message stayed after OK"
expect_setting Alarm currentime "12:00:00 PM"
wait_main
app_alive || fail "the program ended after the message"
stop_app

start_app
wait_main
wait_setting Popup okornot true
[ -z "$(free_info)" ] || fail "the message showed again after OK"
poll 10 caption_ticks || fail "the caption never showed the time"
press_exit
wait_exit
[ "$status" = 0 ] || fail "exit status $status"
expect_setting Alarm currentime "12:00:00 PM"
echo "PASS"
