#!/bin/sh
# A screen reader's way through the clock, by AT-SPI alone: the window is
# named "Vordane Clock" and described by the time; pressing "Alarm door",
# filling "Alarm time" and pressing the window sets and stores the alarm;
# the notice reads out its alarm line and title and closes on "Close";
# pressing "Exit" ends the program.
. "$(dirname "$0")/lib.sh"
linux_only "AT-SPI is the Linux desktop's accessibility bus; the Windows program speaks to Windows screen readers"

# Debian's Python, which python3-pyatspi serves, whatever else is on the path.
python=/usr/bin/python3
"$python" -c 'import pyatspi' 2>/dev/null || skip "python3-pyatspi is not installed"
command -v dbus-daemon >/dev/null || skip "dbus is not installed"

# A session bus of our own; the accessibility bus starts on it on demand.
dbus-daemon --session --nofork --nopidfile --print-address=3 3>"$work/bus" 2>"$work/bus.log" &
helper_pids=$!
poll 10 test -s "$work/bus" || fail "no session bus"
DBUS_SESSION_BUS_ADDRESS=$(cat "$work/bus")
# Qt serves AT-SPI once a screen reader says it runs; this test is one.
export DBUS_SESSION_BUS_ADDRESS QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

driver() { timeout 60 "$python" "$e2e_dir/accessible.py" "$@"; }

start_x
seed_settings "12:00:00 PM"
use_faketime "2026-12-10 07:00:00"
start_ticking

described=$(driver describe) || fail "the clock window cannot be read"
case $described in
    "Vordane Clock|7:00:"[0-9][0-9]" AM") ;;
    *) fail "the window reads '$described', not its name and the time" ;;
esac

driver set-alarm "7:30:00 AM" || fail "the alarm could not be set through its controls"
wait_setting Alarm currentime "7:30:00 AM"

# Armed, so it rings once the clock reaches 7:30:00.
set_clock "2026-12-10 07:29:57"
read_out=$(driver notice) || fail "the notice could not be read and closed"
[ "$read_out" = "Vordane Clock|ALARM AT: 7:30:00 AM|Vordane Clock" ] ||
    fail "the notice reads '$read_out', not its title and alarm line"
poll 5 notice_gone || fail "\"Close\" did not close the notice"

driver exit || fail "\"Exit\" could not be pressed"
wait_exit
[ "$status" = 0 ] || fail "exit status $status"
expect_setting Alarm currentime "7:30:00 AM"
echo "PASS"
