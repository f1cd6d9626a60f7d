#!/bin/sh
# A settings folder that cannot hold the file: the configuration folder is a
# plain file, or a folder or a named pipe stands where the file should be.
# (The tests run as root, whom permission bits do not stop.) The program
# runs, shows the first-run message, keeps ticking and ends normally; what
# stood there stays.
. "$(dirname "$0")/lib.sh"
linux_only "the folder and file it spoils belong to the Linux store; the Windows program keeps its values in the registry"

start_x

# The configuration folder is a file.
printf 'keep me\n' >"$work/not-a-folder"
XDG_CONFIG_HOME="$work/not-a-folder"
run_and_leave "folder is a file" first-run
[ "$(cat "$work/not-a-folder")" = "keep me" ] || fail "the file that stood for the folder changed"

# A folder where the settings file should be.
XDG_CONFIG_HOME="$work/config"
mkdir -p "$settings_file/inside"
run_and_leave "file is a folder" first-run
[ -d "$settings_file/inside" ] || fail "the folder in the file's place changed"
rmdir "$settings_file/inside" "$settings_file"

# A named pipe where the settings file should be: opening it to read would
# wait for a writer for ever.
mkfifo "$settings_file"
run_and_leave "file is a pipe" first-run
[ -p "$settings_file" ] || fail "the pipe in the file's place changed"
rm "$settings_file"

# A configuration folder that does not exist yet is made.
XDG_CONFIG_HOME="$work/new/config"
run_and_leave "missing folder" first-run
settings_file="$work/new/config/Vordane Clock.conf"
expect_setting Alarm currentime "12:00:00 PM"
expect_setting Popup okornot false
echo "PASS"
