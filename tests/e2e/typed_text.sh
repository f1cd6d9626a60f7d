#!/bin/sh
# Text typed into the entry field that is no time (mixed scripts, control
# keys, a few hundred characters): a commit shows the time-format message
# once and keeps the stored alarm; the clock runs on and a time still takes.
. "$(dirname "$0")/lib.sh"

start_x
seed_settings "7:30:00 AM"
start_ticking

format_error() { window_named "Time Format Error!!"; }
format_error_shown() { [ -n "$(format_error)" ]; }
format_error_gone() { [ -z "$(format_error)" ]; }

# bad_commit TEXT: TEXT typed and committed is refused with the message.
bad_commit() {
    open_door
    type_alarm "$1"
    commit
    poll 5 format_error_shown || fail "no time-format message for '$1'"
    answer "$(format_error)" Return
    poll 5 format_error_gone || fail "the time-format message stayed"
    expect_setting Alarm currentime "7:30:00 AM"
    app_alive || fail "the program ended after '$1'"
}

# any_commit TEXT: TEXT typed and committed; a message, if one comes, is
# answered. The program runs on and the store holds a time.
any_commit() {
    open_door
    type_alarm "$1"
    commit
    if poll 2 format_error_shown; then
        answer "$(format_error)" Return
        poll 5 format_error_gone || fail "the time-format message stayed"
    fi
    app_alive || fail "the program ended after '$1'"
    setting Alarm currentime | grep -Eq '^[0-9]{1,2}:[0-9]{2}:[0-9]{2} (AM|PM)$' ||
        fail "'$1' left '$(setting Alarm currentime)' in the store"
}

mixed="x12:00:00-PM/one,two;1-0%seven.thirty'\\\"<b>|&~^*#@!"
long=""
for i in 1 2 3 4 5 6 7 8; do long="$long$mixed"; done
bad_commit "$long"
# Other scripts go through the keyboard map that xdotool rewrites as it
# types; whatever arrives, nothing breaks.
any_commit "Uhr ñ 七時半 сем ٧:٣٠ 🕖 ∞ Ωμέγα 日本語 עברית العربية ⏰"
any_commit "7:30 Uhr ñ 七時半"
expect_setting Alarm currentime "7:30:00 AM"

# Control keys in the field: return, escape, undo, deletions.
open_door
xdotool windowfocus --sync "$main" 2>/dev/null || true
click_at "$field_x" "$field_y"
xdotool key --clearmodifiers ctrl+a BackSpace
xdotool type --delay 5 "9:1"
xdotool key --clearmodifiers Home Delete End BackSpace ctrl+z ctrl+y Return Escape
xdotool type --delay 5 "x"
commit
if poll 2 format_error_shown; then
    answer "$(format_error)" Return
    poll 5 format_error_gone || fail "the time-format message stayed"
fi
app_alive || fail "the program ended after control keys"
sleep_until_tick

# A time still takes after all that.
open_door
type_alarm "6:45 PM"
commit
wait_setting Alarm currentime "6:45:00 PM"
format_error_gone || fail "a good time was refused"
echo "PASS"
