#!/usr/bin/env bash
# Runs the randomized soak against the Release build of tessivo-lab for SECONDS (default 600),
# sampling its resident memory every 10 seconds after a warm-up that shows every scene in the
# largest and the smallest window; fails if the last minute's mean exceeds the second minute's
# by more than 4 MiB.
#   scripts/memory-soak.sh [SECONDS]
set -euo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$ROOT/scripts/common.sh"
seconds=${1:-600}

ensure_packages "${BUILD_PACKAGES[@]}" xvfb xdotool imagemagick
configure_and_build "$ROOT/build" -DTESSIVO_BUILD_TESTS=ON -- tessivo_soak tessivo-lab
"$ROOT/build/tests/targets/soak/tessivo_soak" --program "$ROOT/build/tools/lab/tessivo-lab" \
    --seconds "$seconds" --memory yes
