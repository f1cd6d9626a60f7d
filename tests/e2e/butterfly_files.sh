#!/bin/sh
# Butterfly files beside the program that are missing, empty, truncated,
# hostile or not files at all (a folder, a named pipe with or without a
# writer, endless devices), also swapped while the pointer is over the exit
# control: the clock keeps running and the exit control still ends it.
. "$(dirname "$0")/lib.sh"

start_x
seed_settings "7:30:00 AM"
mkdir "$work/prog"
copy=$(copy_program "$work/prog")
frames="buttfly01.ico buttfly00.ico"

# A sound icon to cut and spoil: a generated 32 x 32 picture.
convert -size 32x32 xc:orange "ico:$work/good.ico"
size=$(wc -c <"$work/good.ico")

# le16/le32 VALUE: little-endian bytes.
le16() { printf "$(printf '\\%03o\\%03o' $(($1 & 255)) $(($1 >> 8 & 255)))"; }
le32() { le16 $(($1 & 65535)); le16 $(($1 >> 16 & 65535)); }

# hostile KIND: icon headers that lie about counts, sizes and offsets.
hostile() {
    case $1 in
        count) le16 0; le16 1; le16 65535; head -c 64 /dev/zero ;;
        offset) le16 0; le16 1; le16 1; printf '\040\040\000\000'; le16 1; le16 32; le32 4096; le32 4294967280 ;;
        length) le16 0; le16 1; le16 1; printf '\040\040\000\000'; le16 1; le16 32; le32 4294967295; le32 22 ;;
        bitmap)
            le16 0; le16 1; le16 1; printf '\000\000\000\000'; le16 1; le16 32; le32 40; le32 22
            le32 40; le32 100000; le32 200000; le16 1; le16 32; le32 0; le32 0; le32 0; le32 0; le32 0; le32 0
            ;;
        depth)
            le16 0; le16 1; le16 1; printf '\040\040\000\000'; le16 1; le16 7; le32 80; le32 22
            le32 40; le32 32; le32 64; le16 1; le16 7; le32 0; le32 0; le32 0; le32 0; le32 65535; le32 0
            head -c 40 /dev/zero
            ;;
    esac
}

# put CASE: both frames made as CASE describes.
put() {
    for f in $frames; do
        rm -rf "${work:?}/prog/$f"
        case $1 in
            missing) ;;
            empty) : >"$work/prog/$f" ;;
            good) cp "$work/good.ico" "$work/prog/$f" ;;
            cut-*) head -c "${1#cut-}" "$work/good.ico" >"$work/prog/$f" ;;
            hostile-*) hostile "${1#hostile-}" >"$work/prog/$f" ;;
            folder) mkdir "$work/prog/$f" ;;
            pipe) mkfifo "$work/prog/$f" ;;
            zero) ln -s /dev/zero "$work/prog/$f" ;;
            random) ln -s /dev/urandom "$work/prog/$f" ;;
            large) head -c 5000000 /dev/urandom >"$work/prog/$f" ;;
            text) printf 'not an icon\n' >"$work/prog/$f" ;;
        esac
    done
}

# Wave the pointer over the exit control's area for a few butterfly turns.
wave() {
    for place in "$exit_x $exit_y" "150 350" "200 420" "120 300" "240 440" "$exit_x $exit_y"; do
        set -- $place
        point_at "$1" "$2"
        sleep 0.2
    done
}

leave() {
    press_exit
    wait_exit
    [ "$status" = 0 ] || fail "$1: exit status $status"
    expect_setting Alarm currentime "7:30:00 AM"
}

for case in missing empty good cut-6 cut-22 cut-60 "cut-$((size / 2))" "cut-$((size - 1))" \
    hostile-count hostile-offset hostile-length hostile-bitmap hostile-depth folder large text pipe zero random; do
    put "$case"
    start_app "$copy"
    wait_main
    poll 10 caption_ticks || fail "$case: the caption never showed the time"
    wave
    app_alive || fail "$case: the program ended"
    sleep_until_tick
    leave "$case"
done

# A pipe with a writer that holds it open and never writes.
put pipe
exec 3<>"$work/prog/buttfly01.ico"
start_app "$copy"
wait_main
poll 10 caption_ticks || fail "held pipe: the caption never showed the time"
wave
sleep_until_tick
leave "held pipe"
exec 3<&-

# Files swapped for bad ones while the pointer rests on the exit control.
put good
start_app "$copy"
wait_main
poll 10 caption_ticks || fail "swap: the caption never showed the time"
for case in hostile-bitmap missing pipe cut-22 zero good empty; do
    put "$case"
    wave
    app_alive || fail "swap to $case: the program ended"
done
sleep_until_tick
leave swap
echo "PASS"
