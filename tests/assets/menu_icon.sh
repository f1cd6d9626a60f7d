#!/bin/sh
# The scalable menu icon draws the window icon's alarm clock: rendered at 32
# and 16 pixels, as a desktop renders it, it matches the window icon's own
# images but for its smooth edges, about two pixels per row.
# Usage: menu_icon.sh MENU_ICON.svg WINDOW_ICON.ico
set -eu
svg=$1
ico=$2
command -v rsvg-convert >/dev/null || { echo "SKIP: rsvg-convert is not installed"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for image in "0 32" "1 16"; do
  set -- $image
  rsvg-convert -w "$2" -h "$2" "$svg" -o "$work/menu.png"
  convert "$work/menu.png" -background '#808080' -flatten "$work/menu-flat.png"
  convert "$ico[$1]" -background '#808080' -flatten "$work/window-flat.png"
  differ=$(compare -metric AE -fuzz 40% "$work/menu-flat.png" "$work/window-flat.png" null: 2>&1 || true)
  echo "$2 px: $differ pixels differ"
  [ "$differ" -le $((2 * $2)) ] || { echo "FAIL: the menu icon at $2 px is not the window icon's clock" >&2; exit 1; }
done
