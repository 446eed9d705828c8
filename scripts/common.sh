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
