#!/usr/bin/env bash
# Installs what is missing, builds Tessivo (Release) and starts it. Options are passed to the
# program, which takes the toolkit's standard ones (-display, -geometry).
set -euo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$ROOT/scripts/common.sh"

ensure_packages "${BUILD_PACKAGES[@]}"
configure_and_build "$ROOT/build" -- tessivo

if [ -z "${DISPLAY:-}" ] && [[ " $* " != *" -display "* ]]; then
    echo "tessivo: no X display to open the window on (DISPLAY is not set)" >&2
    exit 1
fi
exec "$ROOT/build/tessivo" "$@"
