#!/bin/sh
# Logging off under Wine (wineboot --end-session sends WM_QUERYENDSESSION
# and WM_ENDSESSION to every window): the time typed into the open door and
# never committed is stored and the program ends with status 0, also while
# the alarm notice is open, whose close would otherwise reload the field
# before the main window's turn came.
# Usage: session_end.sh VordaneClock.exe SOURCE_FOLDER
. "$(dirname "$0")/lib.sh"

# end_session WHAT: logs off and checks the end and the stored time.
end_session() {
    timeout 60 wine wineboot --end-session >/dev/null 2>&1 || true
    within 20 ended || fail "$1: the program still runs after the session's end"
    status=0
    wait "$pid" || status=$?
    pid=
    [ "$status" = 0 ] || fail "$1: exit status $status"
    [ "$(value Alarm currentime)" = "9:09:00 AM" ] || fail "$1: Alarm/currentime is '$(value Alarm currentime)'"
}

seed "7:30:00 AM"
start_clock
ticking || fail "the caption does not tick"
type_in_door "9:09"
end_session "typed text"

# The notice, a 498 x 323 dialog, under a clock just before the alarm.
notice() {
    for w in $(xdotool search --onlyvisible --name '' 2>/dev/null); do
        xdotool getwindowgeometry "$w" | grep -q 'Geometry: 498x323' && return 0
    done
    return 1
}
seed "7:30:00 AM"
export LD_PRELOAD=/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1 FAKETIME='@2026-12-10 07:29:45'
start_clock
unset LD_PRELOAD FAKETIME
xdotool mousemove "$background_x" "$background_y" click 1  # arms the stored 7:30:00 AM the field shows
type_in_door "9:09"
within 30 notice || fail "no notice appeared"
end_session "alarm notice"
echo "session_end: passed"
