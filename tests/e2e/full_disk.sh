#!/bin/sh
# A settings folder on a nearly full disk: start, commit an alarm and leave,
# with every amount of free space from none to twice the settings file's
# size. The disk is a small tmpfs, which counts whole pages, so the amounts
# go page by page; the file spans several pages, so a write can fail after
# some of them. Where the new file did not fit, the old one is there byte
# for byte; where it did, the new one is there whole; no other file stays.
. "$(dirname "$0")/lib.sh"
linux_only "the settings file on a small disk belongs to the Linux store; the Windows program keeps its values in the registry"

[ "$(id -u)" = 0 ] || skip "mounting a small file system needs root"
disk="$work/disk"
mkdir "$disk"
mount -t tmpfs -o size=256k tmpfs "$disk" 2>"$work/mount.log" || skip "no tmpfs can be mounted here: $(cat "$work/mount.log")"
trap 'umount "$disk" 2>/dev/null || true; cleanup' EXIT
XDG_CONFIG_HOME=$disk
settings_file="$disk/Vordane Clock.conf"

page=$(stat -f -c %S "$disk")
free_bytes() { echo $(($(stat -f -c %a "$disk") * page)); }

# The seed: an acknowledged first run, an alarm, and a long note of someone
# else's that makes the file a few pages long.
{
    printf '[Alarm]\ncurrentime=7:30:00 AM\n\n[Notes]\ntext='
    head -c 14000 /dev/zero | tr '\0' 'n'
    printf '\n\n[Popup]\nokornot=true\n'
} >"$work/old"
sed 's/^currentime=7:30:00 AM$/currentime=9:09:00 AM/' "$work/old" >"$work/new"
size=$(wc -c <"$work/new")
needed=$(((size + page - 1) / page))

start_x
pages=0
while [ $((pages * page)) -le $((2 * size + page - 1)) ]; do
    # The old file, then a filler that leaves exactly `pages` pages free.
    rm -f "$disk"/*
    cp "$work/old" "$settings_file"
    head -c $(($(free_bytes) - pages * page)) /dev/zero >"$disk/filler"
    [ "$(free_bytes)" = $((pages * page)) ] || fail "$pages pages: $(free_bytes) bytes free"

    start_app
    wait_main
    poll 10 caption_ticks || fail "$pages pages free: the caption never showed the time"
    open_door
    type_alarm "9:09"
    commit
    poll 5 field_is_hidden || fail "$pages pages free: the door did not close after the commit"
    press_exit
    wait_exit
    [ "$status" = 0 ] || fail "$pages pages free: exit status $status"

    if [ "$pages" -ge "$needed" ]; then
        cmp -s "$settings_file" "$work/new" || fail "$pages pages free, $needed needed: the new file is not whole"
    else
        cmp -s "$settings_file" "$work/old" || fail "$pages pages free, $needed needed: the old file changed"
    fi
    left=$(find "$disk" -mindepth 1 ! -name 'Vordane Clock.conf' ! -name filler)
    [ -z "$left" ] || fail "$pages pages free: left behind: $left"
    pages=$((pages + 1))
done
echo "PASS ($pages amounts of free space, $needed pages needed)"
