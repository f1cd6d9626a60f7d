#!/bin/sh
# Stored values edited by hand that can still be read: an alarm that is not
# a time, huge values, and what the store's own form allows besides (junk
# lines in the settings file; a number where the registry holds text). The
# program starts, keeps ticking, leaves through the exit control with status
# 0, and never replaces a stored time that it could read. (Files that cannot
# be read whole: unreadable_settings.sh.)
. "$(dirname "$0")/lib.sh"

start_x

# big N: N bytes of digits, no newline.
big() { head -c "$1" /dev/zero | tr '\0' '9'; }

valid_time() { setting Alarm currentime | grep -Eq '^[0-9]{1,2}:[0-9]{2}:[0-9]{2} (AM|PM)$'; }

# An alarm that is not a time: the program copes; the store then holds the
# text as it was or a time, never something else.
for text in banana "25:99:99 PM" "7:30:00 XM" "-1" "13/45/2026" ":" " "; do
    seed_settings "$text"
    run_and_leave "alarm '$text'"
    got=$(setting Alarm currentime)
    [ "$got" = "$text" ] || valid_time || fail "alarm '$text' became '$got'"
done

case $platform in
linux)
    # Junk around a good alarm: the alarm survives.
    {
        printf 'this is not a settings line\n=no key\n\001\002\003\r\n'
        printf '[Alarm]\ncurrentime=7:30:00 AM\nother junk\n[Popup]\nokornot=true\n'
    } >"$settings_file"
    run_and_leave "junk lines"
    expect_setting Alarm currentime "7:30:00 AM"

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
    ;;
wine)
    # A number where the registry holds text: the alarm as a DWORD reads as
    # no alarm, so the default is stored in its place.
    seed_settings "7:30:00 AM"
    store add "$store_key\\Alarm" /v currentime /t REG_DWORD /d 730 /f >/dev/null
    run_and_leave "alarm as a number"
    expect_setting Alarm currentime "12:00:00 PM"

    # Huge values, too long for a command line: a megabyte of digits as the
    # alarm and as the flag, imported from a registry file.
    {
        printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Vordane Clock\\Alarm]\n"currentime"="'
        big 1048576
        printf '"\n\n[HKEY_CURRENT_USER\\Software\\Vordane Clock\\Popup]\n"okornot"="'
        big 1048576
        printf '"\n'
    } >"$work/huge.reg"
    seed_settings "7:30:00 AM"
    import_settings "$work/huge.reg"
    [ "$(setting Alarm currentime | wc -c)" -gt 1048576 ] || fail "the huge alarm was not imported"
    run_and_leave "huge values"
    expect_setting Popup okornot true
    got=$(setting Alarm currentime)
    [ "${#got}" = 1048576 ] || valid_time || fail "the huge alarm became '$(echo "$got" | head -c 40)'"
    ;;
esac
echo "PASS"
