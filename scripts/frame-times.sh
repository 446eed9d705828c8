#!/usr/bin/env bash
# Measures the frame time of every scene and prints the README's table of them (Markdown):
# tessivo-bench's median over the rounds with the lowest and highest round, beside
# tessivo-geometry-bench's median CPU time of the scene's geometry alone over as many
# repetitions. Both run at the values the controls start with, in the Release build, the
# frames on a private Xvfb display (Mesa's software renderer).
#   scripts/frame-times.sh [ROUNDS] [FRAMES]      (default 5 rounds of 200 frames)
set -euo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$ROOT/scripts/common.sh"
rounds=${1:-5}
frames=${2:-200}

ensure_packages "${BUILD_PACKAGES[@]}" xvfb
configure_and_build "$ROOT/build" -- tessivo-bench tessivo-geometry-bench >&2
start_private_display

frame_times=$("$ROOT/build/tools/bench/tessivo-bench" --rounds "$rounds" --frames "$frames")
geometry=$("$ROOT/build/tools/geometry_bench/tessivo-geometry-bench" \
    --benchmark_repetitions="$rounds" --benchmark_report_aggregates_only=true \
    --benchmark_format=csv 2>/dev/null)

echo "$frame_times" | head -1 >&2
echo '| Scene | Median ms | Lowest – highest round ms | 95th pct. ms | Frames/s | × empty frame | Geometry alone µs |'
echo '| --- | ---: | ---: | ---: | ---: | ---: | ---: |'
# The geometry bench's CSV rows are "NAME_median",repetitions,real ns,cpu ns,...
awk -F'[ ,]+' -v geometry="$geometry" '
    BEGIN {
        n = split(geometry, lines, "\n")
        for (i = 1; i <= n; ++i) {
            split(lines[i], field, ",")
            name = field[1]
            gsub(/"/, "", name)
            if (sub(/_median$/, "", name)) {
                cpu[name] = sprintf("%.1f", field[4] / 1000)
            }
        }
    }
    $1 == "(empty" {
        printf "| (empty frame) | %s | %s – %s | %s | %s | %s | |\n", $3, $4, $5, $6, $7, $8
    }
    NR > 2 && $1 != "(empty" && $1 != "slowest:" {
        printf "| `%s` | %s | %s – %s | %s | %s | %s | %s |\n", $1, $2, $3, $4, $5, $6, $7, cpu[$1]
    }
' <<< "$frame_times"
echo "$frame_times" | tail -1 >&2
