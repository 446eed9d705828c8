#!/usr/bin/env bash
# Installs what is missing (Debian's Emscripten) and builds the page into build-web/site/: a
# static folder with index.html, tessivo.js and tessivo.wasm that any web server can serve.
set -euo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$ROOT/scripts/common.sh"

ensure_packages "${WEB_BUILD_PACKAGES[@]}"
build_web_site
read -r raw gzipped < <(site_size)
echo "The site: $ROOT/build-web/site ($raw bytes, $gzipped gzipped)"
