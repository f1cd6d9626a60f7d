# Shared helpers of the real-window tests, sourced by each test script.
# Every test gets its own scratch folder and settings, and every wait is
# bounded, so a stuck program fails the test instead of hanging it.
#
# The same scenarios drive the Linux program and the Windows program under
# Wine: VCLOCK_PLATFORM (linux, the default, or wine) picks the driver in
# driver/, which says how the program starts, how a stored value is seeded
# and read, and where the program's own files lie.

set -eu

E2E_SKIP=77
e2e_dir=$(cd "$(dirname "$0")" && pwd)

fail() {
    echo "FAIL: $*" >&2
    if [ -n "$xvfb_pid" ] && ! kill -0 "$xvfb_pid" 2>/dev/null; then
        echo "(our X server on ${DISPLAY:-} is gone: $(cat "$work/xvfb.log"))" >&2
    fi
    exit 1
}

skip() {
    echo "SKIP: $*"
    exit "$E2E_SKIP"
}

# Scratch folder, X server, window manager and program are all ours to end,
# and so are the servers a test adds to helper_pids (a compositor, a bus).
work=$(mktemp -d)
xvfb_pid=
app_pid=
wm_pid=
helper_pids=
cleanup() {
    for pid in $app_pid $wm_pid $helper_pids $xvfb_pid; do
        kill "$pid" 2>/dev/null || true
    done
    for pid in $app_pid $wm_pid $helper_pids $xvfb_pid; do
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 2' INT TERM HUP

# poll SECONDS COMMAND...: runs COMMAND every 0.1 s until it succeeds;
# fails once SECONDS have passed.
poll() {
    limit=$1
    shift
    poll_end=$(($(date +%s%N) + limit * 1000000000))
    while ! "$@"; do
        [ "$(date +%s%N)" -lt "$poll_end" ] || return 1
        sleep 0.1
    done
}

start_wm() {
    openbox >"$work/openbox.log" 2>&1 &
    wm_pid=$!
    poll 20 wm_running || fail "openbox did not start"
}

wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

unset LANGUAGE TZ LD_PRELOAD FAKETIME 2>/dev/null || true

platform=${VCLOCK_PLATFORM:-linux}
[ -r "$e2e_dir/driver/$platform.sh" ] || fail "no driver for the platform '$platform'"
. "$e2e_dir/driver/$platform.sh"
. "$e2e_dir/driver/places.sh"

# linux_only REASON: a scenario that cannot run against the Windows program
# says why and is skipped there.
linux_only() {
    if [ "$platform" != linux ]; then
        echo "skipped: $*"
        exit "$E2E_SKIP"
    fi
}

expect_setting() {
    got=$(setting "$1" "$2")
    [ "$got" = "$3" ] || fail "[$1] $2 is '$got', expected '$3'"
}

# start_app [PROGRAM]: the clock in the background, its pid in app_pid;
# only the program sees the fake clock, the time zone of app_tz and the
# regional settings of app_lang: by default the English (United States)
# forms the expected texts are written in.
app_tz=
app_lang=en_US.UTF-8
faketime_env=
start_app() {
    # shellcheck disable=SC2086  # the settings are separate words
    env LANG="$app_lang" LC_ALL="$app_lang" $faketime_env ${app_tz:+TZ=$app_tz} $launcher "${1:-$program}" >"$work/app.out" 2>"$work/app.err" &
    app_pid=$!
}

app_alive() { kill -0 "$app_pid" 2>/dev/null; }

# wait_exit: waits for the program to end; sets status to its exit status.
wait_exit() {
    poll 10 app_gone || fail "the program did not end"
    status=0
    wait "$app_pid" || status=$?
    app_pid=
}

# Ended, or ended and not yet reaped by this shell.
app_gone() { ! app_alive || [ "$(cut -d' ' -f3 "/proc/$app_pid/stat" 2>/dev/null)" = Z ]; }

stop_app() {
    if [ -n "$app_pid" ]; then
        kill "$app_pid" 2>/dev/null || true
        wait "$app_pid" 2>/dev/null || true
        app_pid=
    fi
}

# Windows of the program that are on screen.
app_windows() { xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null || true; }

window_named() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1; }

# app_window_sized -ge|-eq WIDTH HEIGHT: the program's first window whose
# size compares so with the given one.
app_window_sized() {
    for w in $(app_windows); do
        geometry "$w"
        if [ "$width" "$1" "$2" ] && [ "$height" "$1" "$3" ]; then
            echo "$w"
            return 0
        fi
    done
    return 1
}

# The main window: the maximised one, at the screen's size.
main_window() { app_window_sized -ge 1024 768; }

# geometry WID: sets x, y, width and height of the window.
geometry() {
    eval "$(xdotool getwindowgeometry --shell "$1" | grep -E '^(X|Y|WIDTH|HEIGHT)=')"
    x=$X y=$Y width=$WIDTH height=$HEIGHT
}

# wait_main: the main window is mapped at the screen's size; sets main.
wait_main() {
    poll 20 main_window >/dev/null || fail "no main window appeared; stderr: $(cat "$work/app.err")"
    main=$(main_window)
}

# The tick writes "V-Clock " and the time into the caption.
caption_ticks() { xdotool getwindowname "$main" 2>/dev/null | grep -q '^V-Clock '; }

# start_ticking: starts the program and waits for its window and a first tick.
start_ticking() {
    start_app
    wait_main
    poll 10 caption_ticks || fail "the caption never showed the time"
}

# The first-run message, by its title.
free_info() { window_named "Free Info"; }

free_info_shown() { [ -n "$(free_info)" ]; }
free_info_gone() { [ -z "$(free_info)" ]; }

wait_free_info() {
    poll 20 free_info_shown || fail "no \"Free Info\" message appeared"
    box=$(free_info)
}

map_state() { xwininfo -id "$1" | sed -n 's/^ *Map State: //p'; }

# Iconic in the ICCCM state, hidden in the window manager's state.
minimised() {
    xprop -id "$1" WM_STATE _NET_WM_STATE 2>/dev/null | grep -q -e 'window state: Iconic' -e '_NET_WM_STATE_HIDDEN'
}

# point_at X Y: moves the pointer and waits until it is there. (xdotool's
# own --sync waits for ever when the pointer is there already.)
point_at() {
    xdotool mousemove "$1" "$2"
    poll 5 pointer_is "$1" "$2" || fail "the pointer did not reach $1,$2"
}

pointer_is() { xdotool getmouselocation --shell | grep -qx -e "X=$1" && xdotool getmouselocation --shell | grep -qx -e "Y=$2"; }

# press_exit [BUTTON]: press and release on the exit control.
press_exit() {
    point_at "$exit_x" "$exit_y"
    xdotool mousedown "${1:-1}" mouseup "${1:-1}"
}

click_at() {
    point_at "$1" "$2"
    xdotool click "${3:-1}"
}

screenshot() { import -window root "$work/shot.png"; }

# blue_pixels W H X Y: how many pure blue pixels the last screenshot holds
# in that rectangle.
blue_pixels() {
    convert "$work/shot.png" -crop "${1}x${2}+${3}+${4}" +repage txt:- | grep -ci '#0000FF' || true
}

# The entry field (8010, 7260, 1215 x 315 twips) shows its pure blue around
# its text, inside its border, once the door stands open; the closed door
# has no pure blue.
field_is_shown() {
    screenshot
    [ "$(blue_pixels 81 21 534 484)" -ge 700 ]
}

field_is_hidden() {
    screenshot
    [ "$(blue_pixels 81 21 534 484)" -eq 0 ]
}

open_door() {
    click_at "$door_x" "$door_y"
    # The pointer leaves the door at once, before its date tooltip comes up
    # over the field and the oval a screenshot reads.
    point_at "$background_x" "$background_y"
    poll 5 field_is_shown || fail "the door did not open"
}

# type_alarm TEXT: replaces the field's text by TEXT, keys sent to the field.
# The main window is given the keyboard again: focus handed to a message box
# that has closed since leaves it nowhere. The text is selected with the
# keys every field takes (Wine's own edit field ignores ctrl+a).
type_alarm() {
    xdotool windowfocus --sync "$main" 2>/dev/null || true
    click_at "$field_x" "$field_y"
    xdotool key --clearmodifiers End shift+Home BackSpace
    xdotool type --delay 5 -- "$1"
}

# commit: a click on the bare background arms and stores the entry.
commit() { click_at "$background_x" "$background_y"; }

# wait_setting GROUP KEY VALUE: the file comes to hold VALUE.
wait_setting() {
    poll 5 setting_is "$@" || fail "[$1] $2 is '$(setting "$1" "$2")', expected '$3'"
}

setting_is() { [ "$(setting "$1" "$2")" = "$3" ]; }

# The alarm notice: a dialog of the program, 7380 x 4755 twips of client
# area in a dialog frame of three pixels on each side, drawn by the program
# on Linux and by Windows under Wine.
notice_window() { app_window_sized -eq 498 323; }

notice_gone() { ! notice_window >/dev/null; }

# close_notice: a key closes the alarm notice that shows.
close_notice() {
    notice=$(notice_window) || fail "no notice to close"
    point_at $((x + 20)) $((y + 20))
    answer "$notice" a
    poll 5 notice_gone || fail "a key did not close the notice"
}

# caption_reads PATTERN: the caption ("V-Clock " and the time) matches it.
caption_reads() { xdotool getwindowname "$main" 2>/dev/null | grep -q -- "$1"; }

# steady SECONDS WHAT: the program runs on for a while without a notice.
steady() {
    steady_end=$(($(date +%s) + $1))
    while [ "$(date +%s)" -lt "$steady_end" ]; do
        app_alive || fail "the program ended at $2"
        notice_gone || fail "a notice came at $2"
        sleep 0.2
    done
    sleep_until_tick
}

# sleep_until_tick: the caption changes, so the clock still runs.
sleep_until_tick() {
    first=$(xdotool getwindowname "$main")
    poll 3 caption_changed "$first" || fail "the caption stopped at '$first'"
}

caption_changed() { [ "$(xdotool getwindowname "$main" 2>/dev/null)" != "$1" ]; }

# run_and_leave NAME [first-run]: starts the program on the settings in
# place; answers the first-run message where "first-run" says one comes,
# and otherwise checks that none does; sees the clock tick; leaves through
# the exit control, which must end the program with status 0.
run_and_leave() {
    start_app
    wait_main
    if [ "${2:-}" = first-run ]; then
        poll 10 free_info_shown || fail "$1: no first-run message"
        answer "$(free_info)" Return
        poll 5 free_info_gone || fail "$1: the first-run message stayed"
    fi
    poll 10 caption_ticks || fail "$1: the caption never showed the time"
    sleep_until_tick
    free_info_gone || fail "$1: a first-run message showed"
    press_exit
    wait_exit
    [ "$status" = 0 ] || fail "$1: exit status $status"
}

# Libfaketime, preloaded so that the program keeps its own pid. The fake
# time is read from a file, so a test can shift the clock while the program
# runs.
# use_faketime TIME: only the wall clock shifts, as when the user sets the
# clock; the monotonic and boot clocks stay true, so the timers keep their
# pace. use_faketime TIME all: those shift alike, as when time really
# passes, so a shift while the program is stopped looks like a suspend.
faketime_lib=/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1
use_faketime() {
    [ -r "$faketime_lib" ] || skip "libfaketime is not installed"
    faketime_file="$work/faketime"
    set_clock "$1"
    faketime_env="LD_PRELOAD=$faketime_lib FAKETIME_TIMESTAMP_FILE=$faketime_file FAKETIME_NO_CACHE=1"
    [ "${2:-}" = all ] || faketime_env="$faketime_env FAKETIME_DONT_FAKE_MONOTONIC=1"
}

# set_clock 'YYYY-MM-DD hh:mm:ss': from now on the program's local clock
# runs on from that time (an offset from the true clock).
set_clock() {
    target=$(env ${app_tz:+TZ=$app_tz} date -d "$1" +%s) || fail "bad time $1"
    fake_offset "$((target - $(date +%s)))"
}

# shift_clock SECONDS: the program's clock moves on by SECONDS from where it is.
shift_clock() { fake_offset "$(($(cat "$faketime_file") + $1))"; }

# fake_offset SECONDS: the program's clock runs that far from the true one.
fake_offset() {
    printf '%+d\n' "$1" >"$faketime_file.new"
    mv "$faketime_file.new" "$faketime_file"
}

program=${1:?usage: $0 PROGRAM}
[ -x "$program" ] || fail "no program at $program"
