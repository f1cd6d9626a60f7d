#!/usr/bin/env bash
# Measures the clock on one virtual screen, first alone and then beside two
# familiar X clocks. Alone: its CPU share of one core and the X server's,
# its context switches per second, and (over 10 s of strace) its system
# calls per second by kind. Beside the others: CPU share of one core and
# peak memory of each, the X server's CPU share. And the time from our
# start to our first painted frame.
#
#   bench/desktop.sh [path/to/vordane-clock] [seconds]
#
# Needs: xvfb x11-apps xdaliclock x11-utils imagemagick gnuplot-nox strace.
# Writes docs/desktop-cpu.csv and docs/desktop-cpu.png; prints the figures.
# Not part of CI: the figures depend on the machine and what else runs on it.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
program=$(realpath "${1:-$root/build/app/qt/vordane-clock}")
seconds=${2:-60}
interval=5   # seconds per CPU sample: /proc counts CPU time in 1/100 s
docs=$root/docs
csv=$docs/desktop-cpu.csv
png=$docs/desktop-cpu.png

[[ -x $program ]] || { echo "no program at $program" >&2; exit 1; }
for tool in Xvfb xclock xdaliclock xdpyinfo import convert gnuplot strace; do
    command -v "$tool" >/dev/null || { echo "missing $tool" >&2; exit 1; }
done

work=$(mktemp -d)
pids=()
cleanup() {
    local pid
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# A display number nobody uses.
display=90
while [[ -e /tmp/.X$display-lock ]]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb=$!
pids+=("$xvfb")
export DISPLAY=:$display
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

now_ms() { date +%s%3N; }

# A frame is painted once our window shows the scene: a pixel near the
# scene's top-left corner differs from one near the window's bottom-right,
# which only the back colour covers. Before that both show the same colour
# (the bare root's weave repeats every other pixel; an unpainted window is plain).
pixel() {
    import -window root -crop "1x1+$1+$2" +repage ppm:- 2>/dev/null |
        convert ppm:- -depth 8 -format '%[hex:p{0,0}]' info: 2>/dev/null
}
face_shows() {
    local geometry inside outside
    geometry=$(xwininfo -root -tree 2>/dev/null | awk '/"V-Clock / { print $(NF - 1); exit }')
    [[ $geometry =~ ^([0-9]+)x([0-9]+)\+(-?[0-9]+)\+(-?[0-9]+)$ ]] || return 1
    local w=${BASH_REMATCH[1]} h=${BASH_REMATCH[2]} x=${BASH_REMATCH[3]} y=${BASH_REMATCH[4]}
    ((w > 840 && h > 640)) || return 1
    inside=$(pixel $((x + 20)) $((y + 20))) || return 1
    outside=$(pixel $((x + w - 20 - w % 2)) $((y + h - 20 - h % 2))) || return 1
    [[ -n $inside && $inside != "$outside" ]]
}

# A fresh settings folder with the first-run message acknowledged, so no box
# covers the face.
mkdir -p "$work/config"
printf '[Popup]\nokornot=true\n' >"$work/config/Vordane Clock.conf"

start=$(now_ms)
XDG_CONFIG_HOME=$work/config "$program" >"$work/ours.log" 2>&1 &
ours=$!
pids+=("$ours")
# The frame came between the last look that missed it and the one that saw it.
first_frame="" last_miss=0
while [[ -z $first_frame ]] && (($(now_ms) - start < 10000)); do
    look=$(($(now_ms) - start))
    if face_shows; then first_frame=$look; else last_miss=$look; fi
done
# On a busy machine the wall time mostly says how long the program waited
# for a core; the CPU time it had spent by then does not.
first_frame_cpu=$(awk -v hz="$(getconf CLK_TCK)" '{ printf "%d", 1000 * ($14 + $15) / hz }' "/proc/$ours/stat")
[[ -n $first_frame ]] || { echo "our face did not show within 10 s" >&2; exit 1; }

cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
peak_kb() { awk '/^VmHWM/ { print $2 }' "/proc/$1/status"; }
# Context switches of every thread of a process so far.
switches() { cat /proc/"$1"/task/*/status | awk '/ctxt_switches/ { n += $2 } END { print n }'; }
hz=$(getconf CLK_TCK)
share() { awk -v d="$1" -v hz="$hz" -v s="$seconds" 'BEGIN { printf "%.2f", 100 * d / hz / s }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b == 0) print "n/a"; else printf "%.2f", a / b }'; }

# Ours alone on the screen: what it costs without the others' drawing.
sleep 5   # let the start-up settle before counting
alone_ours=$(cpu_ticks "$ours") alone_xvfb=$(cpu_ticks "$xvfb") alone_switches=$(switches "$ours")
sleep "$seconds"
alone_ours=$(share $(($(cpu_ticks "$ours") - alone_ours)))
alone_xvfb=$(share $(($(cpu_ticks "$xvfb") - alone_xvfb)))
alone_sum=$(awk -v a="$alone_ours" -v b="$alone_xvfb" 'BEGIN { printf "%.2f", a + b }')
alone_switches=$(awk -v n=$(($(switches "$ours") - alone_switches)) -v s="$seconds" 'BEGIN { printf "%.1f", n / s }')
# System calls over 10 s of strace, apart from the CPU count, which strace
# itself would raise.
timeout -s INT 10 strace -c -f -p "$ours" -o "$work/strace.txt" 2>/dev/null || true
syscalls=$(awk '$NF == "total" { printf "%.0f", $4 / 10 }' "$work/strace.txt")

# The other clocks in the corners the face leaves free.
xclock -update 1 -geometry 100x100+0+0 >/dev/null 2>&1 &
xclock=$!
pids+=("$xclock")
xdaliclock >/dev/null 2>&1 &
xdali=$!
pids+=("$xdali")
sleep 5   # let every start-up settle before counting

names=(ours xclock xdaliclock xvfb)
procs=("$ours" "$xclock" "$xdali" "$xvfb")

declare -a first last
for i in "${!procs[@]}"; do first[i]=$(cpu_ticks "${procs[i]}"); last[i]=${first[i]}; done
mkdir -p "$docs"
(IFS=,; echo "seconds,${names[*]}") >"$csv"
for ((t = interval; t <= seconds; t += interval)); do
    sleep "$interval"
    row=$t
    for i in "${!procs[@]}"; do
        kill -0 "${procs[i]}" 2>/dev/null || { echo "${names[i]} stopped" >&2; exit 1; }
        ticks=$(cpu_ticks "${procs[i]}")
        row+=,$(awk -v d=$((ticks - last[i])) -v hz="$hz" -v s="$interval" 'BEGIN { printf "%.2f", 100 * d / hz / s }')
        last[i]=$ticks
    done
    echo "$row" >>"$csv"
done

declare -a cpu mem
for i in "${!procs[@]}"; do
    cpu[i]=$(share $((last[i] - first[i])))
    mem[i]=$(awk -v k="$(peak_kb "${procs[i]}")" 'BEGIN { printf "%.1f", k / 1024 }')
done

echo "Ours alone over $seconds s on one Xvfb 1024x768x24 ($(nproc) cores):"
echo "  CPU % core: ours $alone_ours, X server $alone_xvfb, together $alone_sum"
echo "  context switches per second: $alone_switches"
echo "  system calls per second (strace -c -f, 10 s): $syscalls"
awk '/^-/ { n++; next } n == 1 && $NF != "syscall" { printf "    %-16s %7.1f/s\n", $NF, $4 / 10 }' "$work/strace.txt" |
    sort -k2 -rn | head -8
echo
echo "Beside the others over $seconds s:"
printf '%-12s %12s %14s\n' program "CPU % core" "peak RSS MB"
for i in "${!procs[@]}"; do printf '%-12s %12s %14s\n' "${names[i]}" "${cpu[i]}" "${mem[i]}"; done
echo "ours alone with its X server's share / xclock: CPU $(ratio "$alone_sum" "${cpu[1]}")  / xdaliclock: CPU $(ratio "$alone_sum" "${cpu[2]}")"
echo "ours / xclock:     CPU $(ratio "${cpu[0]}" "${cpu[1]}")  memory $(ratio "${mem[0]}" "${mem[1]}")"
echo "ours / xdaliclock: CPU $(ratio "${cpu[0]}" "${cpu[2]}")  memory $(ratio "${mem[0]}" "${mem[2]}")"
echo "first painted frame: by $first_frame ms after start (not yet at $last_miss ms), after $first_frame_cpu ms of our CPU time"
echo "load average at the end: $(cut -d' ' -f1-3 /proc/loadavg)"
echo "wrote $csv"

gnuplot <<EOF
set terminal png size 800,450
set output "$png"
set datafile separator ","
set key outside right top
set xlabel "seconds"
set ylabel "CPU % of one core (per ${interval} s)"
set yrange [0:*]
set grid
plot for [col=2:5] "$csv" using 1:col with linespoints title columnhead(col)
EOF
echo "wrote $png"
