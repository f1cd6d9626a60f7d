#!/bin/sh
# Soak, by hand: long_run.sh PROGRAM [SECONDS] [WARMUP] (1800 and 300 by
# default). The clock runs under its own X server while one round after
# another crosses the exit control with the pointer, opens the door, types a
# time and commits it. Once a minute it samples the program's resident
# memory, threads and open files; at the end it prints the memory's growth
# per hour after the warm-up (a least-squares line through the samples), the
# CPU time, and checks that the last alarm was stored and the exit control
# still ends the program.
. "$(dirname "$0")/lib.sh"
seconds=${2:-1800}
warmup=${3:-300}
sample_every=60

rss_kb() { awk '/^VmRSS:/ { print $2 }' "/proc/$app_pid/status"; }
threads() { awk '/^Threads:/ { print $2 }' "/proc/$app_pid/status"; }
open_files() { find "/proc/$app_pid/fd" -mindepth 1 -maxdepth 1 2>/dev/null | wc -l; }
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$app_pid/stat"; }

# Elapsed seconds and RSS, one line a sample.
samples="$work/samples"
sample() {
    line="$(($(date +%s) - started)) $(rss_kb) $(threads) $(open_files)"
    echo "$line" >>"$samples"
    set -- $line
    echo "sample: ${1} s, RSS $2 kB, $3 threads, $4 open files, $rounds rounds"
}

start_x
seed_settings "7:30:00 AM"
start_ticking
started=$(date +%s)
cpu_start=$(cpu_ticks)
rounds=0
: >"$samples"
sample
next_sample=$((started + sample_every))

end=$((started + seconds))
while [ "$(date +%s)" -lt "$end" ]; do
    for place in "100 270" "200 400" "240 440" "300 300"; do
        set -- $place
        point_at "$1" "$2"
        sleep 0.2
    done
    open_door
    minute=$((rounds % 60))
    typed=$(printf '7:%02d' "$minute")
    type_alarm "$typed"
    commit
    wait_setting Alarm currentime "$(printf '7:%02d:00 AM' "$minute")"
    poll 5 field_is_hidden || fail "the door did not close in round $rounds"
    app_alive || fail "the program ended in round $rounds"
    rounds=$((rounds + 1))
    if [ "$(date +%s)" -ge "$next_sample" ]; then
        sample
        next_sample=$((next_sample + sample_every))
    fi
done
sample
sleep_until_tick
cpu_end=$(cpu_ticks)

# Growth per hour: the slope of RSS over time, samples after the warm-up.
awk -v warmup="$warmup" '
    $1 >= warmup { n++; sx += $1; sy += $2; sxx += $1 * $1; sxy += $1 * $2
                   if (n == 1) first = $2; last = $2 }
    END {
        if (n < 2 || n * sxx == sx * sx) { print "growth: too few samples after the warm-up"; exit }
        slope = (n * sxy - sx * sy) / (n * sxx - sx * sx)
        printf "growth after %d s of warm-up: %.0f kB per hour (%d samples, RSS %d kB to %d kB)\n",
            warmup, slope * 3600, n, first, last
    }' "$samples"
echo "CPU: $(((cpu_end - cpu_start) * 10)) ms in $(($(date +%s) - started)) s, $rounds rounds"
expect_setting Alarm currentime "$(printf '7:%02d:00 AM' $(((rounds - 1) % 60)))"
press_exit
wait_exit
[ "$status" = 0 ] || fail "exit status $status"
echo "PASS"
