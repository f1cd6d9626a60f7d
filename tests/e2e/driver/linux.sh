# The Linux program, started directly on an X server of the test's own,
# with its settings in a file of a fresh configuration folder.

launcher=

# start_x: our own X server. Other servers run on this machine, some
# started by "xvfb-run -a" from :99 upwards, so a display number is drawn at
# random from a range of its own, skipped when its lock or socket exists,
# and given up when another server takes it at the same moment. Without
# -noreset the server resets when its last client leaves, and a program
# started again at that moment finds no display.
start_x() {
    for attempt in 1 2 3 4 5; do
        n=$(awk -v seed="$$$attempt" 'BEGIN { srand(seed); print 300 + int(rand() * 600) }')
        if [ -e "/tmp/.X$n-lock" ] || grep -q "/tmp/.X11-unix/X$n\$" /proc/net/unix; then
            continue
        fi
        Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp -noreset 2>"$work/xvfb.log" &
        xvfb_pid=$!
        DISPLAY=:$n
        export DISPLAY
        poll 20 x_settled && x_answers && return 0
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    done
    fail "no X server answered: $(cat "$work/xvfb.log")"
}

x_settled() { x_answers || ! kill -0 "$xvfb_pid" 2>/dev/null; }
x_answers() { kill -0 "$xvfb_pid" 2>/dev/null && xdpyinfo >/dev/null 2>&1; }

# A fresh settings folder.
export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work"
mkdir -p "$XDG_CONFIG_HOME"
settings_file="$XDG_CONFIG_HOME/Vordane Clock.conf"

# seed_settings ALARM: a store that has seen the first-run message answered.
seed_settings() {
    printf '[Alarm]\ncurrentime=%s\n\n[Popup]\nokornot=true\n' "$1" >"$settings_file"
}

# setting GROUP KEY: the value as the settings file holds it, or nothing.
setting() {
    [ -f "$settings_file" ] || return 0
    awk -v group="[$1]" -v key="$2" '
        /^\[/ { in_group = ($0 == group); next }
        in_group && index($0, key "=") == 1 { print substr($0, length(key) + 2); exit }
    ' "$settings_file"
}

# copy_program FOLDER: the program alone in FOLDER; prints the copy's path.
copy_program() {
    cp "$program" "$1/vordane-clock"
    echo "$1/vordane-clock"
}


# answer WID KEY: gives the window the keyboard and presses KEY.
answer() {
    xdotool windowfocus --sync "$1" 2>/dev/null || true
    xdotool key --clearmodifiers "$2"
}
