# The Windows program under Wine, on the X server, Wine prefix and running
# wineserver that tools/test-win32 gives every scenario, with its settings
# in the registry of that prefix.

launcher=wine
store_key='HKCU\Software\Vordane Clock'

# start_x: Wine's desktop process stays with the display it started on, so
# every scenario shares the runner's. The scenario starts on a fresh store.
start_x() {
    xdpyinfo >/dev/null 2>&1 || fail "no X server answers on '${DISPLAY:-}'"
    store delete "$store_key" /f >/dev/null || true
}

# store QUERY...: "wine reg" on the store, bounded; its lines without the
# carriage returns.
store() {
    timeout 60 wine reg "$@" </dev/null 2>/dev/null | tr -d '\r'
}

seed_settings() {
    store delete "$store_key" /f >/dev/null || true
    store add "$store_key\\Alarm" /v currentime /d "$1" /f >/dev/null
    store add "$store_key\\Popup" /v okornot /d true /f >/dev/null
}

# setting GROUP KEY: the string value as the registry holds it, or nothing;
# a value of another type reads as nothing.
setting() {
    store query "$store_key\\$1" /v "$2" | sed -n "s/^    $2    REG_SZ    //p"
}

# import_settings FILE: merges a registry file, such as one too long for a
# command line, into the store.
import_settings() {
    (cd "$(dirname "$1")" && timeout 60 wine regedit /S "$(basename "$1")" </dev/null >/dev/null 2>&1) ||
        fail "regedit did not import $1"
}

copy_program() {
    cp "$program" "$1/"
    echo "$1/$(basename "$program")"
}

# answer WID KEY: Wine takes keys only in the window that has the focus, and
# a key sent before the window has taken it is lost, so the key is sent
# again while the window is still there.
answer() {
    for try in 1 2 3 4 5; do
        xdotool windowfocus --sync "$1" 2>/dev/null || true
        xdotool key --clearmodifiers "$2"
        poll 2 window_gone "$1" && return 0
    done
}

window_gone() { ! xdotool getwindowname "$1" >/dev/null 2>&1 || [ "$(map_state "$1")" != IsViewable ]; }
