#!/bin/sh
# Butterfly files beside the program that Windows would call no disk file:
# a named pipe and an endless device of the Unix side. The clock keeps
# ticking while the pointer flaps over the exit control, which still ends it.
# Usage: butterfly_files.sh VordaneClock.exe SOURCE_FOLDER
. "$(dirname "$0")/lib.sh"

folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cp "$exe" "$folder/"
mkfifo "$folder/buttfly01.ico"
ln -s /dev/zero "$folder/buttfly00.ico"

seed "7:30:00 AM"
start_clock "$folder/$(basename "$exe")"
for turn in 1 2 3 4 5; do
    xdotool mousemove 120 300
    sleep 0.3
    xdotool mousemove 150 350
    sleep 0.3
done
ticking || fail "the caption stopped"
press_exit
within 20 ended || fail "the program still runs after a press and release on the exit control"
echo "butterfly_files: passed"
