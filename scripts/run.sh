#!/usr/bin/env bash
# Installs what is missing, builds Tessivo (Release) and starts it. Options are passed to the
# program, which takes the toolkit's standard ones (-display, -geometry).
#   scripts/run.sh --web [PORT]: builds the page instead and serves it on 127.0.0.1.
set -euo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$ROOT/scripts/common.sh"

if [ "${1:-}" = "--web" ]; then
    "$ROOT/scripts/build-web.sh"
    echo "Serving the page (Ctrl-C stops); open the address below in a browser:"
    exec python3 "$ROOT/scripts/serve_site.py" "$ROOT/build-web/site" "${2:-8000}"
fi

ensure_packages "${BUILD_PACKAGES[@]}"
configure_and_build "$ROOT/build" -- tessivo

if [ -z "${DISPLAY:-}" ] && [[ " $* " != *" -display "* ]]; then
    echo "tessivo: no X display to open the window on (DISPLAY is not set)" >&2
    exit 1
fi
exec "$ROOT/build/tessivo" "$@"
