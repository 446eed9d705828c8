#!/usr/bin/env bash
# A longer randomized soak of tessivo-lab, built with the sanitizers, on a private Xvfb:
# pointer, keys and window resizes from a fixed seed for SECONDS (default 600), then Escape;
# fails on a crash, a sanitizer report, a GL error or a window that stopped redrawing.
#   scripts/soak.sh [SECONDS] [SEED]
set -euo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$ROOT/scripts/common.sh"
seconds=${1:-600}
seed=${2:-20261208}

ensure_packages "${BUILD_PACKAGES[@]}" xvfb xdotool imagemagick
configure_and_build_sanitized -- tessivo_soak tessivo-lab
run_sanitized "$ROOT/build-sanitize/tests/targets/soak/tessivo_soak" \
    --program "$ROOT/build-sanitize/tools/lab/tessivo-lab" --seconds "$seconds" --seed "$seed"
