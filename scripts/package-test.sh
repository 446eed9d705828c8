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
for program in tessivo-lab tessivo-snapshot tessivo-exhibit; do
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

# The exhibit: its options, its window full screen, its staff chord, its manual page.
help=$(tessivo-exhibit --help) || fail "tessivo-exhibit --help failed"
grep -q -- '--idle-reset' <<<"$help" && grep -q 'Ctrl+Alt+Q' <<<"$help" ||
    fail "tessivo-exhibit --help lacks its options or its quit chord"
status=0
tessivo-exhibit --scale 9 2>/dev/null || status=$?
[ "$status" -eq 2 ] || fail "tessivo-exhibit --scale 9 ended with status $status, not 2"
(cd / && tessivo-exhibit) &
program_pid=$!
window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Tessivo$' | head -n 1) ||
    fail "tessivo-exhibit opened no window titled Tessivo"
sleep 0.5
screen=$(xdotool getdisplaygeometry)
size=$(xdotool getwindowgeometry "$window" | awk '/Geometry/ {print $2}')
[ "$size" = "${screen/ /x}" ] || fail "tessivo-exhibit's window is $size, not the screen's ${screen/ /x}"
xdotool key --window "$window" Escape
sleep 0.3
kill -0 "$program_pid" 2>/dev/null || fail "tessivo-exhibit quit on Escape"
xdotool key --window "$window" ctrl+alt+q 2>/dev/null || true
status=0
wait "$program_pid" || status=$?
[ "$status" -eq 0 ] || fail "tessivo-exhibit ended with status $status after Ctrl+Alt+Q"
echo "package-test: /usr/bin/tessivo-exhibit filled the screen, ignored Escape, quit on Ctrl+Alt+Q"

manual=$(MANWIDTH=100 man -P cat tessivo-exhibit 2>/dev/null) || fail "man tessivo-exhibit finds no manual page"
for word in --scenes --language --scale --idle-reset --attract --max-fps --window --staff-keys Ctrl+Alt+Q; do
    grep -q -- "$word" <<<"$manual" || fail "the exhibit's manual page does not mention $word"
done
example=/usr/share/doc/tessivo/examples/tessivo-exhibit.desktop
[ -f "$example" ] || fail "no example autostart entry"
grep -q '^Exec=tessivo-exhibit' "$example" || fail "the example autostart entry does not start tessivo-exhibit"
report=$(desktop-file-validate "$example" 2>&1) || fail "desktop-file-validate: $report"
[ ! -e /etc/xdg/autostart/tessivo-exhibit.desktop ] || fail "the exhibit is enabled at login"
echo "package-test: man tessivo-exhibit gives every option and the chord; the autostart example is there, not enabled"

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
