#!/bin/sh
# The face shows the scene unscaled at the window's corner where no element
# lies, and the window's green beyond the 800 x 600 picture.
. "$(dirname "$0")/lib.sh"

start_x
seed_settings "12:00:00 PM"
start_ticking
point_at 1000 750
screenshot

# Right and below the picture: the back colour, red 0, green 128, blue 0.
for place in "900 100" "100 700" "1000 750"; do
    set -- $place
    got=$(convert "$work/shot.png" -format "%[hex:p{$1,$2}]" info:)
    [ "$got" = 008000 ] || fail "pixel $1,$2 is #$got, not the back colour"
done

# Open parts of the scene: the top band and the right side, away from the
# exit control, the indicators and the door.
for area in "780x220+10+10" "140x380+650+10"; do
    convert "$VCLOCK_SCENE" -crop "$area" +repage "$work/scene.png"
    convert "$work/shot.png" -crop "$area" +repage "$work/face.png"
    diff=$(compare -metric AE "$work/scene.png" "$work/face.png" null: 2>&1 || true)
    [ "$diff" = 0 ] || fail "the face differs from the scene in $diff pixels of $area"
done
echo "PASS"
