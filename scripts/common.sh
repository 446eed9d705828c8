# Shared by run.sh and test.sh: installing what is missing, and building.

# Debian packages every build needs.
BUILD_PACKAGES=(g++ cmake make pkg-config freeglut3-dev libglu1-mesa-dev libgl1-mesa-dev
    libgl1-mesa-dri libgtest-dev libbenchmark-dev libpng-dev)

# Installs the Debian packages of the arguments that are not installed yet (with sudo when not
# root). Quick when everything is there: it only asks dpkg.
ensure_packages() {
    local missing=()
    local package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    echo "Installing ${missing[*]}" >&2
    if ! "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"; then
        "${sudo[@]}" apt-get update
        "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
    fi
}

# configure_and_build BUILD_DIR [cmake options...] -- [targets...]
configure_and_build() {
    local dir=$1
    shift
    local options=()
    while [ $# -gt 0 ] && [ "$1" != "--" ]; do
        options+=("$1")
        shift
    done
    [ $# -gt 0 ] && shift
    local targets=()
    local target
    for target in "$@"; do
        targets+=(--target "$target")
    done
    cmake -S "$ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=Release "${options[@]}" >/dev/null
    cmake --build "$dir" -j "$(nproc)" "${targets[@]}"
}

# The build with AddressSanitizer and UndefinedBehaviorSanitizer in build-sanitize, at -O1 with
# debug information so that reports name their lines. The program's second build over the web
# build's GL layer is left to the Release pass.
#   configure_and_build_sanitized [-- targets...]
configure_and_build_sanitized() {
    configure_and_build "$ROOT/build-sanitize" -DTESSIVO_BUILD_TESTS=ON -DTESSIVO_SANITIZE=ON \
        -DTESSIVO_LAYER_PARITY=OFF \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g" "$@"
}

# Runs a command of the sanitizer build, halting on the first report. LeakSanitizer stays off:
# the GL driver keeps blocks until exit that it cannot attribute (the driver is gone by the time
# it reports), so leaks are checked with valgrind's memcheck instead.
#   run_sanitized COMMAND [arguments...]
run_sanitized() {
    ASAN_OPTIONS=detect_leaks=0:halt_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        "$@"
}

# Starts a private Xvfb display for this script and exports DISPLAY; the display ends with the
# script. Xvfb picks a free display number and writes it to the pipe once it accepts
# connections. Without -noreset the server resets whenever its last client leaves and hangs up
# on anyone connecting meanwhile, which every short-lived test process would run into.
start_private_display() {
    exec {display_fd}< <(Xvfb -displayfd 1 -noreset -screen 0 2048x1600x24 -nolisten tcp 2>/dev/null)
    XVFB_PID=$!
    trap 'kill "$XVFB_PID" 2>/dev/null || true' EXIT
    local number
    read -r -t 30 number <&"$display_fd" || { echo "$(basename "$0"): Xvfb did not start" >&2; exit 1; }
    export DISPLAY=":$number"
}

# Debian packages of the web build, and of the browser tests that drive Debian's Chromium from
# Debian's python3.
WEB_BUILD_PACKAGES=(emscripten cmake make)
BROWSER_TEST_PACKAGES=(chromium python3-websocket python3-pil)

# Builds the page with Emscripten into build-web/site. Emscripten's optimiser loads the node
# module acorn, which Debian installs under /usr/share/nodejs, where a node from elsewhere on
# PATH does not look.
build_web_site() {
    export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
    emcmake cmake -S "$ROOT/web" -B "$ROOT/build-web/cmake" -DCMAKE_BUILD_TYPE=Release \
        -DTESSIVO_SITE_DIR="$ROOT/build-web/site" >/dev/null
    cmake --build "$ROOT/build-web/cmake" -j "$(nproc)"
}

# The site's size in bytes, raw and with each file gzipped (as a server would send it):
#   read -r raw gzipped < <(site_size)
site_size() {
    local raw=0 gzipped=0 file
    for file in "$ROOT/build-web/site"/*; do
        raw=$((raw + $(stat -c %s "$file")))
        gzipped=$((gzipped + $(gzip -9 -c "$file" | wc -c)))
    done
    echo "$raw $gzipped"
}
