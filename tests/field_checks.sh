# Checks of the alarm field on a screenshot, shared by the real-window tests
# on Linux and under Wine: sourced after their lib.sh, which gives fail();
# the screenshot is $work/shot.png, the field at 534,484, 81 x 21 pixels.
field_left=534 field_top=484 field_width=81 field_height=21

field_pixels() {
    convert "$work/shot.png" -crop "${field_width}x${field_height}+${field_left}+${field_top}" +repage txt:-
}

# shade X Y: the brightness (0 to 255) of a pixel of the screenshot.
shade() { convert "$work/shot.png" -crop "1x1+$1+$2" -format '%[fx:int(255*mean)]' info:; }

# check_field_border WHAT: no pure blue on the field's outer two rows and
# columns, and darker at the top than at the bottom, as a sunken edge is.
check_field_border() {
    border_blue=$(field_pixels | awk -F'[,: ]+' -v w="$field_width" -v h="$field_height" '
        /^#/ { next }
        ($1 < 2 || $1 >= w - 2 || $2 < 2 || $2 >= h - 2) && tolower($0) ~ /#0000ff/ { n++ }
        END { print n + 0 }')
    [ "$border_blue" -eq 0 ] || fail "$1: $border_blue pure blue pixels where the field's border lies"
    top=$(shade $((field_left + 40)) "$field_top")
    bottom=$(shade $((field_left + 40)) $((field_top + field_height - 1)))
    [ "$top" -lt "$bottom" ] || fail "$1: the field's border is not sunken (top $top, bottom $bottom)"
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
