#!/bin/sh
# The native controls as laid out, read from the screen, without a window
# manager: the alarm field's sunken border round its centred, whole text;
# the notice's dialog frame; Tab moves the notice's focus and leaves it
# open, and a letter closes it. Under Wine also the door's date tooltip,
# which the Windows program makes itself.
. "$(dirname "$0")/lib.sh"

# The alarm field on the screenshot: at 534,484, 81 x 21 pixels.
field_left=534 field_top=484 field_width=81 field_height=21

field_pixels() {
    convert "$work/shot.png" -crop "${field_width}x${field_height}+${field_left}+${field_top}" +repage txt:-
}

# shade X Y: the brightness (0 to 255) of a pixel of the screenshot.
shade() { convert "$work/shot.png" -crop "1x1+$1+$2" -format '%[fx:int(255*mean)]' info:; }

# field_has_border: on a fresh screenshot, no pure blue on the field's
# outer two rows and columns, and on Linux darker at the top than at the
# bottom, as a sunken edge is. Under Windows' visual styles (the program's
# manifest asks for them) the theme draws that edge, flat all round, as
# every themed field has it. The field's window may be painted a moment
# after the door's blue shows.
field_has_border() {
    screenshot
    border_blue=$(field_pixels | awk -F'[,: ]+' -v w="$field_width" -v h="$field_height" '
        /^#/ { next }
        ($1 < 2 || $1 >= w - 2 || $2 < 2 || $2 >= h - 2) && tolower($0) ~ /#0000ff/ { n++ }
        END { print n + 0 }')
    top=$(shade $((field_left + 40)) "$field_top")
    bottom=$(shade $((field_left + 40)) $((field_top + field_height - 1)))
    [ "$border_blue" -eq 0 ] && { [ "$platform" = wine ] || [ "$top" -lt "$bottom" ]; }
}

# check_field_border WHAT: the field shows its sunken border; the
# screenshot it was seen on is the last one taken.
check_field_border() {
    poll 5 field_has_border ||
        fail "$1: no border round the field ($border_blue pure blue pixels on it; top $top, bottom $bottom)"
}

# check_field_centred WHAT: the text lies inside the border, whole, with
# margins that differ by at most two pixels.
check_field_centred() {
    set -- "$1" $(field_pixels | awk -F'[,: ]+' -v w="$field_width" -v h="$field_height" '
        /^#/ { next }
        $1 >= 2 && $1 < w - 2 && $2 >= 2 && $2 < h - 2 && tolower($0) !~ /#0000ff/ {
            if (first == "" || $1 < first) first = $1
            if ($1 > last) last = $1
        }
        END { print first + 0, last + 0 }')
    [ "$2" -gt 2 ] && [ "$3" -lt $((field_width - 3)) ] || fail "$1: the text touches the border (columns $2 to $3)"
    left_margin=$(($2 - 2)) right_margin=$((field_width - 3 - $3))
    difference=$((left_margin - right_margin))
    [ "${difference#-}" -le 2 ] || fail "$1: text not centred (margins $left_margin and $right_margin)"
}

start_x
seed_settings "7:30:00 AM"
use_faketime "2026-12-10 07:00:00"
start_ticking

if [ "$platform" = wine ]; then
    # A standard tooltip: a white box below the pointer, where the scene
    # has no pure white. It shows once the pointer rests and goes off the door.
    tooltip_pixels() {
        screenshot
        convert "$work/shot.png" -crop 400x160+500+400 +repage txt:- | grep -ci '#FFFFFF' || true
    }
    tooltip_shown() { [ "$(tooltip_pixels)" -ge 500 ]; }
    tooltip_gone() { [ "$(tooltip_pixels)" -lt 500 ]; }
    tooltip_gone || fail "white on screen before the pointer came to the door"
    # The pointer moves on now and then, each move showing the time anew.
    hovered=
    for try in 1 2 3 4; do
        xdotool mousemove "$door_x" "$door_y" sleep 0.2 mousemove $((door_x + 2)) $((door_y + 2))
        if poll 3 tooltip_shown; then hovered=1; break; fi
    done
    [ -n "$hovered" ] || fail "no tooltip over the door"
    point_at "$background_x" "$background_y"
    poll 5 tooltip_gone || fail "the tooltip stayed off the door"
fi

open_door
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
