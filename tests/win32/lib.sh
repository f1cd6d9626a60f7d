# Shared helpers of the real-window tests under Wine, sourced by each
# script; tools/test-win32 runs every other script here. Each script gets
# the program and the source folder, a display, WINEPREFIX and a running
# wineserver; every wait is bounded.
set -eu
exe=$1
top=$2
name=$(basename "$0" .sh)
pid=
. "$top/tests/e2e/driver/places.sh"

fail() {
    echo "$name: FAILED: $*"
    [ -z "$pid" ] || kill "$pid" 2>/dev/null || true
    exit 1
}

# within SECONDS COMMAND...: runs COMMAND every half second until it holds;
# false once SECONDS have passed. COMMAND may wait with within itself.
within() {
    local tries
    tries=$(($1 * 2))
    shift
    while [ "$tries" -gt 0 ]; do
        if "$@"; then return 0; fi
        sleep 0.5
        tries=$((tries - 1))
    done
    return 1
}

# The registry store as the shared real-window scenarios use it under the
# names these scripts know: value SECTION KEY, the stored string or
# nothing; seed ALARM, a store that has seen the first-run message answered.
. "$top/tests/e2e/driver/wine.sh"
value() { setting "$@"; }
seed() { seed_settings "$1"; }

running() { kill -0 "$pid" 2>/dev/null; }
ended() { ! running; }

# start_clock [PROGRAM]: the clock in the background, from its own folder;
# sets main to its main window once the caption shows the time.
start_clock() {
    program=${1:-$exe}
    (cd "$(dirname "$program")" && exec wine "$program" </dev/null >/dev/null 2>&1) &
    pid=$!
    within 60 has_main || fail "no main window"
    main=$(main_window)
}

main_window() { xdotool search --name '^V-Clock ' 2>/dev/null | head -n 1; }
has_main() { [ -n "$(main_window)" ]; }

# ticking: the caption changes within three seconds.
ticking() {
    first=$(xdotool getwindowname "$main")
    within 3 caption_changed "$first"
}
caption_changed() { [ "$(xdotool getwindowname "$main" 2>/dev/null)" != "$1" ]; }

press_exit() {
    xdotool mousemove "$exit_x" "$exit_y"
    sleep 0.3
    xdotool mousedown 1
    sleep 0.3
    xdotool mouseup 1
}

# type_in_door TEXT: opens the door and replaces the field's text by TEXT.
# Without a window manager Wine gives keys only to the focused window.
type_in_door() {
    xdotool mousemove "$door_x" "$door_y" click 1
    sleep 1.5
    xdotool windowfocus --sync "$main" 2>/dev/null || true
    xdotool mousemove "$field_x" "$field_y" click 1
    sleep 0.3
    xdotool key End shift+Home BackSpace
    xdotool type --delay 20 -- "$1"
    sleep 0.5
}
