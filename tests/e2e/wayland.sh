#!/bin/sh
# The clock on a Wayland desktop without X: a headless weston of our own,
# Qt's Wayland platform, the screen read through weston's screenshooter. The
# window is borderless and fills the output, its title ticks, the face shows
# the scene, and the first-run message comes up as a child of the clock's
# window while the clock ticks behind it.
. "$(dirname "$0")/lib.sh"
linux_only "a Wayland desktop runs Linux programs"

plugin=/usr/lib/x86_64-linux-gnu/qt6/plugins/platforms/libqwayland-generic.so
command -v weston >/dev/null || skip "weston is not installed"
[ -f "$plugin" ] || skip "Qt's Wayland platform (qt6-wayland) is not installed"

# No panel, and a pure blue background wherever no window covers the output.
cat >"$work/weston.ini" <<'EOF'
[core]
idle-time=0
[shell]
panel-position=none
background-color=0xff0000ff
EOF
socket=vclock-$$
# The pixman renderer, so that the screenshooter (enabled by --debug) can read pixels.
weston --backend=headless-backend.so --use-pixman --width=1024 --height=768 --socket="$socket" \
    --config="$work/weston.ini" --debug >"$work/weston.log" 2>&1 &
helper_pids=$!
poll 20 test -S "$XDG_RUNTIME_DIR/$socket" || fail "weston did not start: $(cat "$work/weston.log")"

# Only Wayland: no X server to fall back to. The protocol log shows what the
# program asks of the compositor.
unset DISPLAY
export WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client

titles() { sed -n 's/.*xdg_toplevel@[0-9]*\.set_title("\(.*\)")$/\1/p' "$work/app.err"; }
ticked_twice() { [ "$(titles | grep -c '^V-Clock ')" -ge 2 ]; }
free_info_titled() { titles | grep -qx 'Free Info'; }
# toplevel TITLE: the protocol object of the window first titled so.
toplevel() { sed -n "s/.*\(xdg_toplevel@[0-9]*\)\.set_title(\"$1.*/\1/p" "$work/app.err" | head -n 1; }

# shoot: a screenshot of the output as $work/shot.png.
shoot() {
    rm -f "$work"/wayland-screenshot-*.png
    (cd "$work" && timeout 10 weston-screenshooter) >/dev/null 2>&1 || return 1
    mv "$work"/wayland-screenshot-*.png "$work/shot.png" 2>/dev/null
}

pixel() { convert "$work/shot.png" -format "%[hex:p{$1,$2}]" info:; }

# The scene unscaled from the output's corner, so no frame or title bar;
# the window's green beyond the picture and no blue background anywhere,
# so the window covers the whole output.
face_fills_output() {
    shoot || return 1
    [ "$(identify -format '%wx%h' "$work/shot.png")" = 1024x768 ] || return 1
    [ "$(pixel 1000 750)" = 008000 ] || return 1
    [ "$(convert "$work/shot.png" -fill black +opaque '#0000FF' -format '%[fx:mean*w*h]' info:)" = 0 ] || return 1
    for area in "780x220+10+10" "140x380+650+10"; do
        convert "$VCLOCK_SCENE" -crop "$area" +repage "$work/scene.png"
        convert "$work/shot.png" -crop "$area" +repage "$work/face.png"
        [ "$(compare -metric AE "$work/scene.png" "$work/face.png" null: 2>&1 || true)" = 0 ] || return 1
    done
}

seed_settings "12:00:00 PM"
start_app
poll 20 ticked_twice || fail "the title never ticked; it was: $(titles | tail -n 3)"
poll 20 face_fills_output || fail "the face does not fill the output borderless (corner #$(pixel 1000 750))"
grep -q 'xdg_toplevel@[0-9]*\.set_maximized()' "$work/app.err" || fail "the window did not ask to be maximised"
app_alive || fail "the program ended"
stop_app

# An empty store: the first-run message opens over the clock, which ticks behind it.
rm -f "$settings_file"
start_app
poll 20 free_info_titled || fail "no first-run message; titles: $(titles)"
# A child of the clock's window, so the compositor keeps it above the clock.
poll 10 ticked_twice || fail "the clock did not tick behind the first-run message"
grep -q "$(toplevel 'Free Info')\.set_parent($(toplevel 'V-Clock '))" "$work/app.err" ||
    fail "the first-run message is not a child of the clock's window"
echo "PASS"
