#!/usr/bin/env bash
# Installs what is missing, builds Tessivo and its tests, and runs the whole suite on a private
# X display (Xvfb with Mesa's software renderer): once in a Release build, with each unit-test
# binary also run whole, once built with the sanitizers (which includes a one-minute soak of
# the real program), then a bounded fuzzing run of the label decoder, then the web page in
# headless Chromium. Exits non-zero on any failure.
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

ensure_packages "${BUILD_PACKAGES[@]}" xvfb xdotool imagemagick valgrind clang libclang-rt-14-dev
configure_and_build "$ROOT/build" -DTESSIVO_BUILD_TESTS=ON
start_private_display

# Tests labelled "long" (the million-event shell fuzz) are left out; ctest -L long runs them.
echo "== The suite, Release build (with valgrind's memcheck over every scene)"
ctest --test-dir "$ROOT/build" -j "$(nproc)" --output-on-failure --timeout 300 -LE long

# ctest runs each test in a process of its own; run whole, in a shuffled order (gtest prints
# the seed), each binary also shows that no test leans on running alone or after another. The
# end-to-end binary is left to ctest: its tests start their own X servers and programs.
echo "== Each unit-test binary run whole, its tests shuffled"
while IFS= read -r binary; do
    echo "-- ${binary#"$ROOT/"}"
    "$binary" --gtest_shuffle --gtest_brief=1
done < <(find "$ROOT/build/tests" -type f -executable -name '*_tests' ! -name tessivo_e2e_tests |
    sort)

echo "== The suite again, built with AddressSanitizer and UndefinedBehaviorSanitizer"
configure_and_build_sanitized
run_sanitized \
    ctest --test-dir "$ROOT/build-sanitize" -j "$(nproc)" --output-on-failure --timeout 300 -LE long

echo "== Fuzzing the label decoder"
"$ROOT/scripts/fuzz.sh" 30

echo "== The web page in headless Chromium"
ensure_packages "${WEB_BUILD_PACKAGES[@]}" "${BROWSER_TEST_PACKAGES[@]}"
build_web_site
read -r raw gzipped < <(site_size)
echo "The site: $raw bytes, $gzipped gzipped"
if [ "$gzipped" -gt 409600 ]; then
    echo "The site weighs more than 400 KB gzipped" >&2
    exit 1
fi
timeout 900 /usr/bin/python3 "$ROOT/tests/web/page/browser_test.py" --site "$ROOT/build-web/site" \
    --snapshot "$ROOT/build/tools/snapshot/tessivo-snapshot" --out "$ROOT/build-web/browser-test"

if [ "$package" = true ]; then
    "$ROOT/scripts/package-test.sh"
fi
