#!/usr/bin/env bash
# Renders anew, with tessivo-snapshot, the reference pictures of the image regression test
# (tests/reference/NAME.png for each case of tests/reference/cases.txt) and the README gallery
# (docs/gallery/ID.png for every registered scene, in the view that docs/gallery/views.txt
# gives it, if any), and the package's icon. Look at what changed before committing it.
set -euo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$ROOT/scripts/common.sh"

ensure_packages "${BUILD_PACKAGES[@]}" xvfb
configure_and_build "$ROOT/build" -- tessivo-snapshot
snapshot="$ROOT/build/tools/snapshot/tessivo-snapshot"

start_private_display

references="$ROOT/tests/reference"
while read -r name scene options; do
    case "$name" in ''|'#'*) continue ;; esac
    # shellcheck disable=SC2086  # the options are words
    "$snapshot" --scene "$scene" --out "$references/$name.png" --size 400x300 $options
    echo "reference $name"
done < "$references/cases.txt"

gallery="$ROOT/docs/gallery"
mkdir -p "$gallery"
views="$gallery/views.txt"
rows=""
while IFS=$'\t' read -r id caption; do
    options=$(awk -v id="$id" '$1 == id { $1 = ""; print }' "$views" 2>/dev/null || true)
    # shellcheck disable=SC2086
    "$snapshot" --scene "$id" --out "$gallery/$id.png" --size 480x360 $options
    rows+="| ![$id](docs/gallery/$id.png) | \`$id\` | $caption |"$'\n'
    echo "gallery $id"
done < <("$snapshot" --list)

# The package's icon: the finished bottle, without controls.
"$snapshot" --scene KleinBottle3 --out "$ROOT/packaging/tessivo.png" --size 256x256 \
    --no-controls --turn 20,15
echo "icon packaging/tessivo.png"

# The README's gallery table, between its two markers.
table=$'| Picture | Scene | Caption |\n| --- | --- | --- |\n'"$rows"
/usr/bin/env TABLE="$table" perl -0pi -e \
    's/(<!-- gallery -->\n).*?(<!-- \/gallery -->)/$1$ENV{TABLE}$2/s' "$ROOT/README.md"
