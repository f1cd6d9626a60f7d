#!/bin/sh
# The native controls under Wine, read from the screen: the door's date and
# time tooltip; the alarm field's sunken border round its centred, whole
# text, also after a time is typed over the old one; the notice's dialog
# frame, Tab keeps it open and a letter closes it.
# Usage: controls.sh VordaneClock.exe SOURCE_FOLDER
. "$(dirname "$0")/lib.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
. "$top/tests/field_checks.sh"

faketime_lib=/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1
if [ ! -r "$faketime_lib" ]; then
  echo "controls: libfaketime is not installed; skipped"
  exit 0
fi

screenshot() { import -window root "$work/shot.png"; }

# The tooltip is a white box below the pointer: the scene there has no pure white.
tooltip_pixels() {
  screenshot
  convert "$work/shot.png" -crop 400x160+500+400 +repage txt:- | grep -ci '#FFFFFF' || true
}
tooltip_shown() { [ "$(tooltip_pixels)" -ge 500 ]; }
tooltip_gone() { [ "$(tooltip_pixels)" -lt 500 ]; }

# The notice: the program's visible window a little larger than its client
# area of 492 x 317 pixels, by its dialog frame.
notice_window() {
  for w in $(xdotool search --onlyvisible --classname 'vordaneclock.exe' 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$w" | grep -E '^(X|Y|WIDTH|HEIGHT)=')"
    if [ "$WIDTH" -gt 492 ] && [ "$WIDTH" -le 504 ] && [ "$HEIGHT" -gt 317 ] && [ "$HEIGHT" -le 329 ]; then
      echo "$w"
      return 0
    fi
  done
  return 1
}
notice_shown() { notice_window >/dev/null; }
notice_gone() { ! notice_shown; }

seed "7:30:00 AM"
LD_PRELOAD=$faketime_lib FAKETIME='@2026-12-10 07:29:20' start_clock
ticking || fail "the clock does not tick"
tooltip_gone || fail "white on screen before the pointer came to the door"

# A tooltip shows once the pointer rests, and goes again after a while: the
# pointer moves on now and then, each move showing the time anew.
hover() {
  xdotool mousemove "$door_x" "$door_y" sleep 0.2 mousemove $((door_x + 2)) $((door_y + 2))
  within 3 tooltip_shown
}
within 12 hover || fail "no tooltip over the door"
xdotool mousemove "$background_x" "$background_y"
within 5 tooltip_gone || fail "the tooltip stayed off the door"

type_in_door "12:00:00 PM"
screenshot
check_field_border "12:00:00 PM"
check_field_centred "12:00:00 PM"
type_in_door "7:30"
screenshot
check_field_centred "7:30 typed over the old text"
type_in_door "7:30:00 AM"
xdotool mousemove "$background_x" "$background_y" click 1

within 40 notice_shown || fail "no notice at the alarm time"
notice=$(notice_window)
eval "$(xdotool getwindowgeometry --shell "$notice" | grep -E '^(X|Y|WIDTH|HEIGHT)=')"
screenshot
light=$(shade $((X + 100)) $((Y + 1))) dark=$(shade $((X + 100)) $((Y + HEIGHT - 1)))
[ "$light" -gt 200 ] && [ "$dark" -lt 130 ] || fail "no dialog frame round the notice (top $light, bottom $dark)"

xdotool mousemove $((X + 20)) $((Y + 20))
xdotool windowfocus --sync "$notice" 2>/dev/null || true
xdotool key Tab
sleep 0.5
xdotool key shift+Tab
sleep 0.5
notice_shown || fail "Tab closed the notice"
xdotool key a
within 5 notice_gone || fail "a letter did not close the notice"
running || fail "the program ended with the notice"
press_exit
within 20 ended || fail "the program still runs after the exit control"
echo "controls: passed"
