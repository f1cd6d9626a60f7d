#!/bin/sh
# The program on a 150 % screen (144 DPI, Windows' LogPixels): the face is
# the 96-DPI face scaled by 1.5 as a whole, every picture on the same grid
# (the leaf's strip over the waterfall, the scene around it), the door's
# field inside the door's oval, and the butterfly pointer as large as the
# face around it. Usage: high_density.sh VordaneClock.exe SOURCE_FOLDER
. "$(dirname "$0")/lib.sh"

if ! command -v python3 >/dev/null || ! command -v import >/dev/null; then
    echo "high_density: python3 or ImageMagick is missing; skipped"
    exit 0
fi
read -r width height <<EOT
$(xdotool getdisplaygeometry)
EOT
if [ "$width" -lt 1200 ] || [ "$height" -lt 900 ]; then
    echo "high_density: the screen ($width x $height) cannot show the face at 1.5x; skipped"
    exit 0
fi

work=$(mktemp -d)
desktop='HKCU\Control Panel\Desktop'
cleanup() {
    wine reg delete "$desktop" /v LogPixels /f >/dev/null 2>&1 || true
    rm -rf "$work"
}
trap cleanup EXIT

# at DPI X Y: the screen point of design pixel X,Y at that density.
at() { echo $((($2 * $1 + 95) / 96)) $((($3 * $1 + 95) / 96)); }

# shot DPI: the face with the door open, in $work/DPI.ppm; the pointer's
# picture over the exit control in $work/DPI.pointer.
shot() {
    wine reg add "$desktop" /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
    seed "7:30:00 AM"
    start_clock
    xdotool mousemove $(at "$1" 570 460) click 1
    sleep 2
    xdotool mousemove $(at "$1" 120 300)
    sleep 0.7
    python3 "$top/tests/support/pointer_image.py" >"$work/$1.pointer" || true
    import -window root -depth 8 "ppm:$work/$1.ppm"
    xdotool mousedown 1
    sleep 0.3
    xdotool mouseup 1
    within 20 ended || fail "the program at $1 DPI still runs after a press and release on the exit control"
}

shot 96
shot 144

PYTHONDONTWRITEBYTECODE=1 PYTHONPATH="$top/tests/support" python3 - "$work" <<'PY' || fail "the face at 144 DPI is not the 96-DPI face scaled by 1.5"
import sys

from ppm_image import load

work = sys.argv[1]
small, big = load(work + "/96.ppm"), load(work + "/144.ppm")
device = lambda v: (3 * v + 1) // 2  # the first screen pixel of design pixel v at 1.5x

# The whole face, design pixel by design pixel; the leaf, the smoke, the
# second's number and the field's text may differ between the two runs.
wrong = sum(small(x, y) != big(device(x), device(y)) for y in range(600) for x in range(800))
print(f"high_density: {wrong} of 480000 design pixels differ at 1.5x")
ok = wrong < 480000 * 3 // 100

# The leaf's strip over the waterfall (imgseconddisplay): its frames differ
# from run to run, so it is checked in the 144-DPI face alone. A design
# pixel at an even place is a block of 2 x 2 screen pixels, and on the
# scene's grid each block is one colour; a picture drawn off that grid
# shows blocks split down the middle, a seam in the water.
blocks = [(device(x), device(y)) for y in range(336, 601, 2) for x in range(364, 430, 2)]
split = sum(len({big(x, y), big(x + 1, y), big(x, y + 1), big(x + 1, y + 1)}) > 1 for x, y in blocks)
print(f"high_density: {split} of {len(blocks)} blocks of the leaf's strip are split")
ok &= split < len(blocks) * 3 // 100

# Beyond the face: the window's plain background, from 1200 x 900 on.
ok &= big(1210, 450) == small(810, 300) and big(600, 910) == small(400, 610)

# The door's oval, the field's colour around its text, and the field's
# text (its darkest pixels) inside the oval.
def box(image, left, top, right, bottom, test):
    found = [(x, y) for y in range(top, bottom) for x in range(left, right) if test(image(x, y))]
    if not found:
        return None
    xs, ys = [x for x, _ in found], [y for _, y in found]
    return (min(xs), min(ys), max(xs) + 1, max(ys) + 1)

field = small(520, 492)
door = (513, 441, 631, 545)
oval = [box(small, *door, lambda p: p == field), box(big, *map(device, door), lambda p: p == field)]
print(f"high_density: the door's oval at {oval[0]} and {oval[1]}")
if None in oval:
    sys.exit(1)
def inside(o):  # the rectangle inscribed in the oval
    cx, cy, rx, ry = (o[0] + o[2]) // 2, (o[1] + o[3]) // 2, (o[2] - o[0]) * 7 // 20, (o[3] - o[1]) * 7 // 20
    return cx - rx, cy - ry, cx + rx, cy + ry

text = [box(small, *inside(oval[0]), lambda p: sum(p) < 60), box(big, *inside(oval[1]), lambda p: sum(p) < 60)]
print(f"high_density: the field's text at {text[0]} and {text[1]}")
if None in text:
    sys.exit(1)
ok &= all(abs(device(a) - b) <= 1 for a, b in zip(oval[0], oval[1]))
ok &= all(abs(device(a) - b) <= 3 for a, b in zip(text[0], text[1]))
sys.exit(0 if ok else 1)
PY

read -r pw ph digest <"$work/144.pointer" || true
if [ -n "${pw:-}" ] && [ "$pw" != 48 ]; then
    fail "the butterfly pointer is $pw x $ph at 144 DPI, not 48 x 48"
fi
echo "high_density: passed"
