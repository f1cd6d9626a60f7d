#!/bin/sh
# A click on the door opens it onto the blue entry field; 7:30 typed and a
# click on the background store "7:30:00 AM" and close the door again.
. "$(dirname "$0")/lib.sh"

start_x
seed_settings "12:00:00 PM"
start_ticking
field_is_hidden || fail "the entry field shows before the door opens"

open_door
# The open door's oval is blue well beyond the field.
oval=$(blue_pixels 118 104 513 441)
[ "$oval" -ge 4000 ] || fail "the open door shows only $oval blue pixels"

type_alarm "7:30"
commit
wait_setting Alarm currentime "7:30:00 AM"
poll 5 field_is_hidden || fail "the door did not close after the commit"
screenshot
[ "$(blue_pixels 118 104 513 441)" -eq 0 ] || fail "the closed door still shows blue"

# Opening again reloads the field with the stored, normalised time.
open_door
app_alive || fail "the program ended"
stop_app
expect_setting Alarm currentime "7:30:00 AM"
echo "PASS"
