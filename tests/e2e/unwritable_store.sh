#!/bin/sh
# A settings folder that cannot hold the file: the configuration folder is a
# plain file, or a folder stands where the file should be. (The tests run as
# root, whom permission bits do not stop.) The program runs, shows the
# first-run message, keeps ticking and ends normally; what stood there stays.
. "$(dirname "$0")/lib.sh"

start_x

run_case() {
    start_app
    wait_main
    poll 10 free_info_shown || fail "$1: no first-run message"
    answer "$(free_info)" Return
    poll 5 free_info_gone || fail "$1: the message stayed"
    poll 10 caption_ticks || fail "$1: the caption never showed the time"
    sleep_until_tick
    press_exit
    wait_exit
    [ "$status" = 0 ] || fail "$1: exit status $status"
}

# The configuration folder is a file.
printf 'keep me\n' >"$work/not-a-folder"
XDG_CONFIG_HOME="$work/not-a-folder"
run_case "folder is a file"
[ "$(cat "$work/not-a-folder")" = "keep me" ] || fail "the file that stood for the folder changed"

# A folder where the settings file should be.
XDG_CONFIG_HOME="$work/config"
mkdir -p "$settings_file/inside"
run_case "file is a folder"
[ -d "$settings_file/inside" ] || fail "the folder in the file's place changed"
rmdir "$settings_file/inside" "$settings_file"

# A configuration folder that does not exist yet is made.
XDG_CONFIG_HOME="$work/new/config"
run_case "missing folder"
settings_file="$work/new/config/Vordane Clock.conf"
expect_setting Alarm currentime "12:00:00 PM"
expect_setting Popup okornot false
echo "PASS"
