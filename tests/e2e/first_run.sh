#!/bin/sh
# First start: the "Free Info" message shows, Return answers OK, and the store
# holds the default alarm and the acknowledgement; the next start shows no
# message and records the acknowledgement as "true".
. "$(dirname "$0")/lib.sh"

start_x
start_app
wait_free_info
expect_setting Alarm currentime "12:00:00 PM"
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
expect_setting Alarm currentime "12:00:00 PM"
echo "PASS"
