#!/usr/bin/env bash
# Builds the Debian package, installs it into this system with apt-get, checks the installed
# program, its manual page and its desktop entry, and removes the package again. Run by
# `scripts/test.sh --package` after the suite (it needs root or sudo, and a built tree in build/).
set -euo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$ROOT/scripts/common.sh"

fail() { echo "package-test: $*" >&2; exit 1; }
sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)

ensure_packages dpkg-dev desktop-file-utils man-db xvfb xdotool
if dpkg-query -W -f='${Status}' tessivo 2>/dev/null | grep -q 'install ok installed'; then
    fail "tessivo is installed on this system already; remove it first (apt-get remove tessivo)"
fi

rm -rf "$ROOT/build/package"
(cd "$ROOT/build" && cpack >/dev/null)
deb=$(ls "$ROOT"/build/package/tessivo_*.deb)
echo "package-test: built $(basename "$deb")"
dpkg-deb -f "$deb" Depends | grep -q 'libglut' || fail "the package's dependencies lack the toolkit"
dpkg-deb -f "$deb" Section | grep -qx 'science' || fail "the package has no section"

start_private_display
installed=false
cleanup() {
    kill "$XVFB_PID" 2>/dev/null || true
    if [ "$installed" = true ]; then
        "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get remove --purge -y tessivo >/dev/null || true
    fi
}
trap cleanup EXIT
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y "$deb" >/dev/null
installed=true

[ "$(command -v tessivo)" = /usr/bin/tessivo ] || fail "tessivo is not on the PATH after installing"
for program in tessivo-lab tessivo-snapshot; do
    command -v "$program" >/dev/null || fail "$program is not on the PATH after installing"
done

# The installed program opens its window on the private display and quits on Escape.
(cd / && tessivo) &
program_pid=$!
window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Tessivo$' | head -n 1) ||
    fail "no window titled Tessivo appeared"
sleep 0.5
# The program quits on the key press, so the key release finds no window: xdotool then
# complains, which is expected.
xdotool key --window "$window" Escape 2>/dev/null || true
status=0
wait "$program_pid" || status=$?
[ "$status" -eq 0 ] || fail "tessivo ended with status $status after Escape"
echo "package-test: /usr/bin/tessivo opened its window and quit with status 0"

manual=$(MANWIDTH=100 man -P cat tessivo 2>/dev/null) || fail "man tessivo finds no manual page"
for word in -display -geometry Escape "Page Down" Drag; do
    grep -q -- "$word" <<<"$manual" || fail "the manual page does not mention $word"
done
echo "package-test: man tessivo gives the keys, the mouse and the toolkit's options"

entry=/usr/share/applications/tessivo.desktop
[ -f "$entry" ] || fail "no desktop entry"
report=$(desktop-file-validate "$entry" 2>&1) || fail "desktop-file-validate: $report"
grep -q '^\(error\|.*: error\)' <<<"$report" && fail "desktop-file-validate: $report"
grep -q '^Name\[it\]=' "$entry" && grep -q '^Comment\[it\]=' "$entry" ||
    fail "the desktop entry has no Italian name and comment"
[ -f /usr/share/icons/hicolor/256x256/apps/tessivo.png ] || fail "no icon"
grep -q '^License: ' /usr/share/doc/tessivo/copyright || fail "no licence in the copyright file"
echo "package-test: the desktop entry is valid, with its icon"

files=$(dpkg -L tessivo | grep -v '/$' | while read -r f; do [ -f "$f" ] && echo "$f"; done)
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get remove --purge -y tessivo >/dev/null
installed=false
dpkg-query -W -f='${Status}' tessivo 2>/dev/null | grep -q 'install ok installed' &&
    fail "tessivo is still installed after removing it"
for f in $files; do
    [ ! -e "$f" ] || fail "$f is left behind after removing the package"
done
[ -z "$(command -v tessivo || true)" ] || fail "tessivo is still on the PATH"
echo "package-test: removed cleanly ($(wc -w <<<"$files") files gone)"
