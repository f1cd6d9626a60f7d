#!/bin/sh
# The program finds its butterfly files beside itself: over the exit control
# the pointer changes between two pictures within a few wing beats. Without
# the files it would keep the one butterfly the program carries.
# Usage: butterfly_flaps.sh VordaneClock.exe SOURCE_FOLDER
. "$(dirname "$0")/lib.sh"

pointer() { python3 "$top/tests/support/pointer_image.py"; }
if ! pointer >/dev/null 2>&1; then
    echo "butterfly_flaps: the pointer's picture cannot be read (python3 and libXfixes); skipped"
    exit 0
fi

# flapped: two different pointer pictures over the exit control.
seen=
flapped() {
    xdotool mousemove "$exit_x" "$exit_y"
    sleep 0.2
    seen=$(printf '%s\n%s' "$seen" "$(pointer)" | sort -u | grep . || true)
    [ "$(printf '%s\n' "$seen" | wc -l)" -ge 2 ]
}

seed "7:30:00 AM"
start_clock
within 5 flapped || fail "the pointer over the exit control never changed: $seen"
press_exit
within 20 ended || fail "the program still runs after a press and release on the exit control"
echo "butterfly_flaps: passed"
