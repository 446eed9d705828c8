#!/usr/bin/env bash
# Measures tessivo and tessivo-exhibit side by side at rest: each in turn shows its first scene,
# "Dal rettangolo alla bottiglia di Klein", in an 800 x 600 window on a private Xvfb with no
# input, and the script reads the CPU time the process used (utime + stime from /proc/PID/stat)
# and the frame rate (Mesa's GALLIUM_HUD=fps, dumped once a second). The programs alternate over
# the rounds, so that load from elsewhere on the machine falls on both alike.
#
#   scripts/exhibit-cpu.sh [ROUNDS] [SECONDS]     (default 3 rounds of 10 seconds each)
#
# Needs a Release build in build/ (or BUILD=dir). Exits non-zero unless, in the median over
# the rounds, the exhibit uses at most a third of tessivo's CPU time and draws at least 55
# frames per second.
set -euo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$ROOT/scripts/common.sh"

ROUNDS=${1:-3}
MEASURE_SECONDS=${2:-10}
WARM_UP_SECONDS=3
BUILD=${BUILD:-$ROOT/build}
TESSIVO=$BUILD/tessivo
EXHIBIT=$BUILD/tools/exhibit/tessivo-exhibit
for program in "$TESSIVO" "$EXHIBIT"; do
    [ -x "$program" ] || { echo "exhibit-cpu: $program is not built" >&2; exit 1; }
done

start_private_display
work=$(mktemp -d)
trap 'kill "$XVFB_PID" 2>/dev/null || true; rm -rf "$work"' EXIT
ticks_per_second=$(getconf CLK_TCK)

cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }

# measure NAME PROGRAM [ARGS...]: prints "CPU_SECONDS_PER_SECOND FRAMES_PER_SECOND".
measure() {
    local name=$1
    shift
    local hud=$work/$name-$round
    mkdir -p "$hud"
    GALLIUM_HUD=fps GALLIUM_HUD_PERIOD=1 GALLIUM_HUD_DUMP_DIR=$hud "$@" >/dev/null 2>&1 &
    local pid=$!
    timeout 30 xdotool search --sync --onlyvisible --name '^Tessivo$' >/dev/null
    sleep "$WARM_UP_SECONDS"
    local lines_before ticks_before ticks_after
    lines_before=$(wc -l <"$hud/fps")
    ticks_before=$(cpu_ticks "$pid")
    sleep "$MEASURE_SECONDS"
    ticks_after=$(cpu_ticks "$pid")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    local fps
    fps=$(tail -n +"$((lines_before + 1))" "$hud/fps" | awk '{sum += $1; n++} END {print n ? sum / n : 0}')
    awk -v t=$((ticks_after - ticks_before)) -v hz="$ticks_per_second" -v s="$MEASURE_SECONDS" \
        -v fps="$fps" 'BEGIN {printf "%.3f %.1f\n", t / hz / s, fps}'
}

echo "exhibit-cpu: $ROUNDS rounds, ${MEASURE_SECONDS} s each after ${WARM_UP_SECONDS} s, 800 x 600, at rest"
: >"$work/results"
for round in $(seq 1 "$ROUNDS"); do
    read -r tessivo_cpu tessivo_fps < <(measure tessivo "$TESSIVO")
    # Without the tour, which would take the exhibit through the other scenes.
    read -r exhibit_cpu exhibit_fps < <(measure exhibit "$EXHIBIT" --window 800x600 --tour 0)
    ratio=$(awk -v a="$exhibit_cpu" -v b="$tessivo_cpu" 'BEGIN {printf "%.3f", (b > 0 ? a / b : 0)}')
    printf 'round %d: tessivo %s CPU s/s at %s frames/s; tessivo-exhibit %s CPU s/s at %s frames/s; ratio %s\n' \
        "$round" "$tessivo_cpu" "$tessivo_fps" "$exhibit_cpu" "$exhibit_fps" "$ratio"
    echo "$tessivo_cpu $tessivo_fps $exhibit_cpu $exhibit_fps $ratio" >>"$work/results"
done

# Median and range of column $1 of the results.
summary() {
    cut -d' ' -f"$1" "$work/results" | sort -g |
        awk '{v[NR] = $1} END {m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2;
             printf "%s (%s to %s)", m, v[1], v[NR]}'
}
echo "tessivo:         $(summary 1) CPU s/s, $(summary 2) frames/s"
echo "tessivo-exhibit: $(summary 3) CPU s/s, $(summary 4) frames/s"
echo "exhibit / tessivo CPU: $(summary 5)"

median() { summary "$1" | cut -d' ' -f1; }
if awk -v r="$(median 5)" -v f="$(median 4)" 'BEGIN {exit !(r <= 1 / 3 && f >= 55)}'; then
    echo "exhibit-cpu: the exhibit uses at most a third of tessivo's CPU at 55 frames/s or more"
else
    echo "exhibit-cpu: FAILED: the exhibit uses more than a third of tessivo's CPU or draws fewer than 55 frames/s" >&2
    exit 1
fi
