#!/usr/bin/env bash
# Installs what is missing, builds Tessivo and its tests, and runs the whole suite on a private
# X display (Xvfb with Mesa's software renderer). Exits non-zero on any failure.
set -euo pipefail
# --package: afterwards also build the Debian package, install it into this system, check it
# and remove it again (needs root or sudo).
package=false
for argument in "$@"; do
    case "$argument" in
    --package) package=true ;;
    *) echo "usage: scripts/test.sh [--package]" >&2; exit 2 ;;
    esac
done
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$ROOT/scripts/common.sh"

ensure_packages "${BUILD_PACKAGES[@]}" xvfb xdotool imagemagick
configure_and_build "$ROOT/build" -DTESSIVO_BUILD_TESTS=ON

# A private display, so that the tests neither need nor disturb a desktop. Xvfb picks a free
# display number and writes it to the pipe once it accepts connections. Without -noreset the
# server resets whenever its last client leaves and hangs up on anyone connecting meanwhile,
# which every short-lived test process would run into.
exec {display_fd}< <(Xvfb -displayfd 1 -noreset -screen 0 1280x1024x24 -nolisten tcp 2>/dev/null)
xvfb_pid=$!
trap 'kill "$xvfb_pid" 2>/dev/null || true' EXIT
read -r -t 30 display_number <&"$display_fd" || { echo "test.sh: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$display_number"

ctest --test-dir "$ROOT/build" -j "$(nproc)" --output-on-failure --timeout 300

if [ "$package" = true ]; then
    "$ROOT/scripts/package-test.sh"
fi
