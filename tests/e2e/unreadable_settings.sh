#!/bin/sh
# Settings files that cannot be read whole: a stray continuation line that
# would take the sections below it into a value, bytes that are not UTF-8,
# random bytes. Each is kept aside once, byte for byte, as
# "Vordane Clock.conf.unreadable-<date>-<time>"; a fresh file holds the
# values that could be read, and alarms are stored as usual from then on. A
# UTF-16 file with a byte-order mark is read and rewritten as UTF-8.
. "$(dirname "$0")/lib.sh"
linux_only "a settings file that cannot be read whole belongs to the Linux store; the Windows program keeps its values in the registry"

start_x

kept_files() { find "$XDG_CONFIG_HOME" -maxdepth 1 -name 'Vordane Clock.conf.unreadable-*'; }

# The settings file and every file kept from it gone.
clear_settings() { find "$XDG_CONFIG_HOME" -maxdepth 1 -name 'Vordane Clock.conf*' -exec rm -f {} +; }

# expect_kept NAME: one file kept aside, named by the date and time, and
# holding the original ($work/original) byte for byte.
expect_kept() {
    kept=$(kept_files)
    [ "$(printf '%s' "$kept" | grep -c '^')" = 1 ] || fail "$1: kept files: '$kept'"
    basename "$kept" | grep -Eqx 'Vordane Clock\.conf\.unreadable-[0-9]{8}-[0-9]{6}' || fail "$1: kept as '$kept'"
    cmp -s "$kept" "$work/original" || fail "$1: the kept file is not the original"
}

# settings_are TEXT: the settings file holds TEXT exactly.
settings_are() {
    printf '%b' "$1" >"$work/expected"
    cmp -s "$settings_file" "$work/expected" || fail "the settings file holds '$(cat "$settings_file")'"
}

# A stray continuation takes [Alarm] into the value of "note" for Qt's
# reader. The first activation stores "true" again: the original is kept
# aside and the fresh file holds the alarm and the acknowledgement.
printf 'note=\\\n[Alarm]\ncurrentime=7:30:00 AM\n[Popup]\nokornot=true\n' >"$settings_file"
cp "$settings_file" "$work/original"
run_and_leave "swallowed section"
expect_kept "swallowed section"
settings_are '[Alarm]\ncurrentime=7:30:00 AM\n\n[Popup]\nokornot=true\n'

# From then on a committed alarm is stored, and nothing more is kept aside.
start_app
wait_main
open_door
type_alarm "9:09"
commit
wait_setting Alarm currentime "9:09:00 AM"
press_exit
wait_exit
expect_kept "after the recovery"
settings_are '[Alarm]\ncurrentime=9:09:00 AM\n\n[Popup]\nokornot=true\n'

# Invalid UTF-8 in both values, and random bytes: nothing can be read, so
# the first-run message comes and the default alarm is stored afresh.
for case in "invalid UTF-8" "random bytes"; do
    clear_settings
    if [ "$case" = "random bytes" ]; then
        awk 'BEGIN { srand(7); for (i = 0; i < 4096; i++) printf "%c", int(rand() * 256) }' >"$settings_file"
    else
        printf '[Alarm]\ncurrentime=\377\3767:30\300\n[Popup]\nokornot=\303\050\n' >"$settings_file"
    fi
    cp "$settings_file" "$work/original"
    run_and_leave "$case" first-run
    expect_kept "$case"
    expect_setting Alarm currentime "12:00:00 PM"
done

# UTF-16 with a byte-order mark, as some Windows editors save: read as it
# is (no first-run message, the alarm kept), then written back as UTF-8.
clear_settings
text='[Alarm]\ncurrentime=7:30:00 AM\n[Popup]\nokornot=true\n'
{ printf '\377\376'; printf '%b' "$text" | iconv -f UTF-8 -t UTF-16LE; } >"$settings_file"
run_and_leave "UTF-16"
[ -z "$(kept_files)" ] || fail "UTF-16: the file was kept aside"
settings_are "$text"
echo "PASS"
