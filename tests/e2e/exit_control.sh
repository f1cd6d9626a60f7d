#!/bin/sh
# A press and release on the exit control ends the program with status 0 and
# keeps the stored alarm; any button does, and the release may be elsewhere.
. "$(dirname "$0")/lib.sh"

start_x
for button in 1 3 2; do
    seed_settings "7:30:00 AM"
    start_app
    wait_main
    # The window is on screen before it takes the mouse; the caption shows
    # that the clock runs.
    poll 10 caption_ticks || fail "the caption never showed the time"
    point_at "$exit_x" "$exit_y"
    xdotool mousedown "$button"
    if [ "$button" = 2 ]; then
        # Released away from the control: still the end.
        point_at "$background_x" "$background_y"
    fi
    xdotool mouseup "$button"
    wait_exit
    [ "$status" = 0 ] || fail "button $button: exit status $status"
    expect_setting Alarm currentime "7:30:00 AM"
    expect_setting Popup okornot true
done
echo "PASS"
