#!/bin/sh
# Settings files edited by hand that can still be read line by line: junk
# lines, an alarm that is not a time, huge values. The program starts, keeps
# ticking, leaves through the exit control with status 0, and never
# replaces a stored time that it could read. (Files that cannot be read
# whole: unreadable_settings.sh.)
. "$(dirname "$0")/lib.sh"

start_x

# big N: N bytes of digits, no newline.
big() { head -c "$1" /dev/zero | tr '\0' '9'; }

valid_time() { setting Alarm currentime | grep -Eq '^[0-9]{1,2}:[0-9]{2}:[0-9]{2} (AM|PM)$'; }

# Junk around a good alarm: the alarm survives.
{
    printf 'this is not a settings line\n=no key\n\001\002\003\r\n'
    printf '[Alarm]\ncurrentime=7:30:00 AM\nother junk\n[Popup]\nokornot=true\n'
} >"$settings_file"
run_and_leave "junk lines"
expect_setting Alarm currentime "7:30:00 AM"

# An alarm that is not a time: the program copes; the store then holds the
# text as it was or a time, never something else.
for text in banana "25:99:99 PM" "7:30:00 XM" "-1" "13/45/2026" ":" " "; do
    printf '[Alarm]\ncurrentime=%s\n[Popup]\nokornot=true\n' "$text" >"$settings_file"
    run_and_leave "alarm '$text'"
    got=$(setting Alarm currentime)
    [ "$got" = "$text" ] || valid_time || fail "alarm '$text' became '$got'"
done

# Huge values: a megabyte of digits as the alarm and as the flag.
{
    printf '[Alarm]\ncurrentime='
    big 1048576
    printf '\n[Popup]\nokornot='
    big 1048576
    printf '\n'
} >"$settings_file"
run_and_leave "huge values"
expect_setting Popup okornot true
got=$(setting Alarm currentime)
[ "${#got}" = 1048576 ] || valid_time || fail "the huge alarm became '$(echo "$got" | head -c 40)'"

# A huge section of someone else's next to a good alarm.
{
    printf '[Junk]\nkey='
    big 1048576
    printf '\n[Alarm]\ncurrentime=6:15:00 PM\n[Popup]\nokornot=true\n'
} >"$settings_file"
run_and_leave "huge other section"
expect_setting Alarm currentime "6:15:00 PM"
echo "PASS"
