#!/bin/sh
# The native controls as laid out, read from the screen, without a window
# manager: the alarm field's sunken border round its centred, whole text;
# the notice's dialog frame; Tab moves the notice's focus and leaves it
# open, and a letter closes it.
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/../field_checks.sh"
linux_only "Wine needs its own key and tooltip timing: tests/win32/controls.sh checks the same controls there, and the door's tooltip"

start_x
seed_settings "7:30:00 AM"
use_faketime "2026-12-10 07:00:00"
start_app
wait_main
poll 10 caption_ticks || fail "the caption never showed the time"

open_door
screenshot
check_field_border "7:30:00 AM"
check_field_centred "7:30:00 AM"
type_alarm "12:00:00 PM"
sleep 0.3
screenshot
check_field_centred "the default 12:00:00 PM"
type_alarm "7:30"
sleep 0.3
screenshot
check_field_centred "7:30 typed over the old text"
type_alarm "7:30:00 AM"

# The notice: shown at the alarm time.
set_clock "2026-12-10 07:29:57"
commit
poll 12 notice_window >/dev/null || fail "no notice appeared"
notice=$(notice_window)
geometry "$notice"
point_at $((x + 20)) $((y + 20))
xdotool windowfocus --sync "$notice" 2>/dev/null || true
sleep 0.3
screenshot
# A raised frame: light on its top and left edge, dark at the bottom and right.
light=$(shade $((x + 100)) "$y") dark=$(shade $((x + 100)) $((y + height - 1)))
[ "$light" -gt 200 ] && [ "$dark" -lt 130 ] || fail "no dialog frame round the notice (top $light, bottom $dark)"
before="$work/before.png"
cp "$work/shot.png" "$before"

# Each Tab moves the focus on; the buttons' look follows it; the notice stays.
button_changed() {
    # $1: the button's box in the client area, as W H X Y.
    set -- $1
    a=$(convert "$before" -crop "${1}x${2}+$((x + 3 + $3))+$((y + 3 + $4))" +repage -format '%#' info:)
    b=$(convert "$work/shot.png" -crop "${1}x${2}+$((x + 3 + $3))+$((y + 3 + $4))" +repage -format '%#' info:)
    [ "$a" != "$b" ]
}
mail_me="75 33 44 262"
xdotool key --clearmodifiers Tab
sleep 0.5
notice_window >/dev/null || fail "Tab closed the notice"
screenshot
button_changed "$mail_me" || fail "Tab did not move the focus to Mail me"
xdotool key --clearmodifiers shift+Tab
sleep 0.5
notice_window >/dev/null || fail "Shift+Tab closed the notice"
screenshot
button_changed "$mail_me" && fail "Shift+Tab left the focus on Mail me"

xdotool key --clearmodifiers a
poll 5 notice_gone || fail "a letter did not close the notice"
app_alive || fail "the program ended with the notice"
echo "PASS"
