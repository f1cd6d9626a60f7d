#!/bin/sh
# Settings files edited by hand: junk lines, an alarm that is not a time,
# huge values, invalid UTF-8. The program starts, keeps ticking, leaves
# through the exit control with status 0, and never replaces a stored time
# that it could read.
. "$(dirname "$0")/lib.sh"

start_x

# big N: N bytes of digits, no newline.
big() { head -c "$1" /dev/zero | tr '\0' '9'; }

# run_case NAME: the settings file is in place; start, check, leave.
run_case() {
    start_app
    wait_main
    # A first-run message may come with a store that reads as empty.
    if poll 2 free_info_shown; then
        answer "$(free_info)" Return
    fi
    poll 10 caption_ticks || fail "$1: the caption never showed the time"
    sleep_until_tick
    press_exit
    wait_exit
    [ "$status" = 0 ] || fail "$1: exit status $status"
}

valid_time() { setting Alarm currentime | grep -Eq '^[0-9]{1,2}:[0-9]{2}:[0-9]{2} (AM|PM)$'; }

# Junk around a good alarm: the alarm survives.
{
    printf 'this is not a settings line\n=no key\n\001\002\003\r\n'
    printf '[Alarm]\ncurrentime=7:30:00 AM\nother junk\n[Popup]\nokornot=true\n'
} >"$settings_file"
run_case "junk lines"
expect_setting Alarm currentime "7:30:00 AM"

# A stray continuation line that makes the reader take the alarm's section
# into its value: the file, alarm included, stays exactly as it was.
printf 'note=\\\n[Alarm]\ncurrentime=7:30:00 AM\n[Popup]\nokornot=true\n' >"$settings_file"
cp "$settings_file" "$work/swallowing.conf"
run_case "swallowed section"
cmp -s "$settings_file" "$work/swallowing.conf" || fail "a file read only in part was written over"

# An alarm that is not a time: the program copes; the store then holds the
# text as it was or a time, never something else.
for text in banana "25:99:99 PM" "7:30:00 XM" "-1" "13/45/2026" ":" " "; do
    printf '[Alarm]\ncurrentime=%s\n[Popup]\nokornot=true\n' "$text" >"$settings_file"
    run_case "alarm '$text'"
    got=$(setting Alarm currentime)
    [ "$got" = "$text" ] || valid_time || fail "alarm '$text' became '$got'"
done

# Invalid UTF-8 in both values.
printf '[Alarm]\ncurrentime=\377\3767:30\300\n[Popup]\nokornot=\303\050\n' >"$settings_file"
run_case "invalid UTF-8"
expect_setting Popup okornot true

# Huge values: a megabyte of digits as the alarm and as the flag.
{
    printf '[Alarm]\ncurrentime='
    big 1048576
    printf '\n[Popup]\nokornot='
    big 1048576
    printf '\n'
} >"$settings_file"
run_case "huge values"
expect_setting Popup okornot true
got=$(setting Alarm currentime)
[ "${#got}" = 1048576 ] || valid_time || fail "the huge alarm became '$(echo "$got" | head -c 40)'"

# A huge section of someone else's next to a good alarm.
{
    printf '[Junk]\nkey='
    big 1048576
    printf '\n[Alarm]\ncurrentime=6:15:00 PM\n[Popup]\nokornot=true\n'
} >"$settings_file"
run_case "huge other section"
expect_setting Alarm currentime "6:15:00 PM"

# Nothing but bytes: the program still runs and answers.
awk 'BEGIN { srand(7); for (i = 0; i < 4096; i++) printf "%c", int(rand() * 256) }' >"$settings_file"
run_case "random bytes"
echo "PASS"
