#!/bin/sh
# The face on a screen Qt scales (QT_SCALE_FACTOR): at 1.5x, after seconds
# of ticks that repaint only what changed, every design pixel is still one
# even block of screen pixels on the scene's grid (a partial repaint off
# that grid leaves split blocks, seams), and the open parts of the scene are
# the scene scaled; at 2x the butterfly pointer is twice its design size,
# as large as the face around it.
. "$(dirname "$0")/lib.sh"
linux_only "QT_SCALE_FACTOR scales the Qt program; tests/win32/high_density.sh checks the Windows program at 144 DPI"

command -v python3 >/dev/null || skip "python3 is missing"

start_x
seed_settings "12:00:00 PM"

export QT_SCALE_FACTOR=1.5
start_ticking
point_at 1020 765
sleep 3
import -window root -depth 8 "ppm:$work/face.ppm"
convert "$VCLOCK_SCENE" -depth 8 "ppm:$work/scene.ppm"
stop_app

PYTHONDONTWRITEBYTECODE=1 PYTHONPATH="$e2e_dir/../support" python3 - "$work" <<'PY' || fail "the face at 1.5x has seams or is off the scene's grid"
import sys

from ppm_image import load

work = sys.argv[1]
face, scene = load(work + "/face.ppm"), load(work + "/scene.ppm")
device = lambda v: (3 * v + 1) // 2  # the first screen pixel of design pixel v at 1.5x

# The 682 x 512 design pixels a 1024 x 768 screen shows. Design pixels at
# even places are blocks of 2 x 2; only the second's number, drawn at the
# screen's density, may split one.
blocks = [(device(x), device(y)) for y in range(0, 510, 2) for x in range(0, 680, 2)]
split = sum(len({face(x, y), face(x + 1, y), face(x, y + 1), face(x + 1, y + 1)}) > 1 for x, y in blocks)
print(f"scaled_face: {split} of {len(blocks)} blocks split")

# The open parts of the scene, away from the indicators and the door.
open_parts = [(x, y) for y in range(10, 230) for x in range(10, 680)]
wrong = sum(face(device(x), device(y)) != scene(x, y) for x, y in open_parts)
print(f"scaled_face: {wrong} of {len(open_parts)} pixels differ from the scene")
sys.exit(0 if split < 100 and wrong == 0 else 1)
PY

export QT_SCALE_FACTOR=2
start_app
wait_main
point_at 240 600  # the exit control, design pixel 120,300
sleep 0.7
read -r pw ph digest <<EOT
$(python3 "$e2e_dir/../support/pointer_image.py" || true)
EOT
stop_app
[ -n "${pw:-}" ] || skip "the pointer's picture cannot be read (libXfixes)"
[ "$pw" = 64 ] && [ "$ph" = 64 ] || fail "the butterfly pointer is ${pw}x$ph at 2x, not 64x64"
echo "PASS"
