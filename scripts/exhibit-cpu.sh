#!/usr/bin/env bash
# Measures what a frame costs in tessivo and in tessivo-exhibit, and what the exhibit costs at
# rest. Each in turn shows its first scene, "Dal rettangolo alla bottiglia di Klein", in an
# 800 x 600 window on a private Xvfb with no input: tessivo (which draws all the time), the
# exhibit with its default slow turn (a frame every 1/60 s), and the exhibit with the turn off
# (a still picture, which should cost no frames). The script reads the CPU time each process
# used (utime + stime from /proc/PID/stat) and counts its frames (Mesa's GALLIUM_HUD=fps,
# dumping a line for every frame). The programs alternate over the rounds, so that load from
# elsewhere on the machine falls on all of them alike.
#
#   scripts/exhibit-cpu.sh [ROUNDS] [SECONDS]     (default 3 rounds of 10 seconds each)
#
# Needs a Release build in build/ (or BUILD=dir). Exits non-zero unless, in the medians over the
# rounds, the exhibit's CPU time per frame is at most tessivo's highest round or 15 % over
# tessivo's median, whichever is more (the exhibit adds no cost to a frame, whatever the frame
# rate the machine allows), and the still exhibit draws no frame and uses less than 0.02 CPU
# seconds per second.
set -euo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$ROOT/scripts/common.sh"

ROUNDS=${1:-3}
MEASURE_SECONDS=${2:-10}
WARM_UP_SECONDS=3
PER_FRAME_MARGIN=0.15
STILL_CPU_LIMIT=0.02
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
frames_dumped() { if [ -f "$1/fps" ]; then wc -l <"$1/fps"; else echo 0; fi; }

# measure NAME PROGRAM [ARGS...]: prints "CPU_SECONDS_PER_SECOND FRAMES_PER_SECOND
# CPU_MILLISECONDS_PER_FRAME" (the last 0 when no frame was drawn).
measure() {
    local name=$1
    shift
    local hud=$work/$name-$round
    mkdir -p "$hud"
    # A period shorter than any frame: the display writes one line per frame.
    GALLIUM_HUD=fps GALLIUM_HUD_PERIOD=0.000001 GALLIUM_HUD_DUMP_DIR=$hud "$@" >/dev/null 2>&1 &
    local pid=$!
    timeout 30 xdotool search --sync --onlyvisible --name '^Tessivo$' >/dev/null
    sleep "$WARM_UP_SECONDS"
    local frames_before ticks_before ticks_after frames_after
    frames_before=$(frames_dumped "$hud")
    ticks_before=$(cpu_ticks "$pid")
    sleep "$MEASURE_SECONDS"
    ticks_after=$(cpu_ticks "$pid")
    frames_after=$(frames_dumped "$hud")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    awk -v t=$((ticks_after - ticks_before)) -v hz="$ticks_per_second" -v s="$MEASURE_SECONDS" \
        -v f=$((frames_after - frames_before)) \
        'BEGIN {cpu = t / hz; printf "%.4f %.1f %.2f\n", cpu / s, f / s, f ? 1000 * cpu / f : 0}'
}

echo "exhibit-cpu: $ROUNDS rounds, ${MEASURE_SECONDS} s each after ${WARM_UP_SECONDS} s, 800 x 600, no input"
: >"$work/results"
for round in $(seq 1 "$ROUNDS"); do
    read -r tessivo_cpu tessivo_fps tessivo_ms < <(measure tessivo "$TESSIVO")
    # Without the tour, which would take the exhibit through the other scenes, and without the
    # title and help, so that both programs draw the same picture.
    read -r turning_cpu turning_fps turning_ms < <(measure turning "$EXHIBIT" --window 800x600 \
        --tour 0 --texts off)
    read -r still_cpu still_fps _ < <(measure still "$EXHIBIT" --window 800x600 --attract 0 \
        --tour 0)
    printf 'round %d: tessivo %s CPU s/s, %s frames/s, %s ms/frame; exhibit turning %s CPU s/s, %s frames/s, %s ms/frame; exhibit still %s CPU s/s, %s frames/s\n' \
        "$round" "$tessivo_cpu" "$tessivo_fps" "$tessivo_ms" "$turning_cpu" "$turning_fps" \
        "$turning_ms" "$still_cpu" "$still_fps"
    echo "$tessivo_cpu $tessivo_fps $tessivo_ms $turning_cpu $turning_fps $turning_ms $still_cpu $still_fps" \
        >>"$work/results"
done

# Median and range of column $1 of the results.
summary() {
    cut -d' ' -f"$1" "$work/results" | sort -g |
        awk '{v[NR] = $1} END {m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2;
             printf "%s (%s to %s)", m, v[1], v[NR]}'
}
median() { summary "$1" | cut -d' ' -f1; }
highest() { cut -d' ' -f"$1" "$work/results" | sort -g | tail -n 1; }

echo "tessivo:                  $(summary 1) CPU s/s, $(summary 2) frames/s, $(summary 3) ms/frame"
echo "tessivo-exhibit, turning: $(summary 4) CPU s/s, $(summary 5) frames/s, $(summary 6) ms/frame"
echo "tessivo-exhibit, still:   $(summary 7) CPU s/s, $(summary 8) frames/s"
echo "load average at the end: $(cut -d' ' -f1-3 /proc/loadavg)"

failed=0
if awk -v e="$(median 6)" -v m="$(median 3)" -v h="$(highest 3)" -v margin="$PER_FRAME_MARGIN" \
    'BEGIN {limit = h > m * (1 + margin) ? h : m * (1 + margin); exit !(e > 0 && e <= limit)}'; then
    echo "exhibit-cpu: a frame of the exhibit costs no more CPU than a frame of tessivo"
else
    echo "exhibit-cpu: FAILED: a frame of the exhibit costs more CPU than tessivo's (or it drew none)" >&2
    failed=1
fi
if awk -v c="$(median 7)" -v f="$(highest 8)" -v limit="$STILL_CPU_LIMIT" \
    'BEGIN {exit !(c < limit && f == 0)}'; then
    echo "exhibit-cpu: the still exhibit draws no frame and uses less than $STILL_CPU_LIMIT CPU s/s"
else
    echo "exhibit-cpu: FAILED: the still exhibit draws frames or uses $STILL_CPU_LIMIT CPU s/s or more" >&2
    failed=1
fi
exit "$failed"
