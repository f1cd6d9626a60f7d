#!/bin/sh
# Under a window manager a double-click on the background first commits the
# entry, then minimises the window; the clock keeps running.
. "$(dirname "$0")/lib.sh"

start_x
start_wm
seed_settings "7:30:00 AM"
start_ticking
map_state "$main" | grep -q IsViewable || fail "the main window is not viewable"
point_at "$background_x" "$background_y"
xdotool click --repeat 2 --delay 80 1
poll 5 minimised "$main" || fail "the window was not minimised: $(xprop -id "$main" _NET_WM_STATE WM_STATE)"
app_alive || fail "the program ended"
expect_setting Alarm currentime "7:30:00 AM"
echo "PASS"
