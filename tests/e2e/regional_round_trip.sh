#!/bin/sh
# 7:30 committed under two regions whose times are unusual, Korean (the
# designator first, words between the numbers) and Bulgarian (the
# abbreviation "ч." after the time); then the clock started again and the
# background clicked once, which commits the field: the store keeps the
# same time instead of noon.
. "$(dirname "$0")/lib.sh"

start_x

# The settings file as a whole is replaced on every write.
file_id() { stat -c '%i %y' "$settings_file" 2>/dev/null; }
file_changed() { [ "$(file_id)" != "$1" ]; }

round_trip() {
    app_lang=$1
    stored=$2
    seed_settings "12:00:00 PM"
    start_app
    wait_main
    poll 10 caption_ticks || fail "$app_lang: the caption never showed the time"
    open_door
    type_alarm "7:30"
    commit
    wait_setting Alarm currentime "$stored"
    press_exit
    wait_exit

    start_app
    wait_main
    poll 10 caption_ticks || fail "$app_lang: the caption never showed the time after the restart"
    before=$(file_id)
    commit
    poll 5 file_changed "$before" || fail "$app_lang: the click after the restart stored nothing"
    expect_setting Alarm currentime "$stored"
    press_exit
    wait_exit
    expect_setting Alarm currentime "$stored"
}

round_trip ko_KR.UTF-8 "오전 7시 30분 0초"
round_trip bg_BG.UTF-8 "7:30:00 ч."
echo "PASS"
