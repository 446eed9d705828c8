#!/usr/bin/env bash
# Renders every registered scene with tessivo-snapshot under valgrind's memcheck and fails on
# any invalid access, use of uninitialised memory or definitely lost block. Reports that come
# from the system's libraries are suppressed (system.supp beside this script). With PART and
# PARTS it checks only the scenes whose place in the list is PART modulo PARTS, so that ctest
# can run the scenes as separate tests, each well within its time limit on a busy machine.
#   memcheck_scenes.sh SNAPSHOT_PROGRAM [PART PARTS]
set -euo pipefail
snapshot=$1
part=${2:-0}
parts=${3:-1}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

check_scene() {
    local id=$1
    if valgrind --tool=memcheck --keep-debuginfo=yes --suppressions="$here/system.supp" \
        --leak-check=full --errors-for-leak-kinds=definite --show-leak-kinds=definite \
        --error-exitcode=99 "$snapshot" --scene "$id" --out "$work/$id.png" --size 160x120 \
        >"$work/$id.log" 2>&1; then
        echo "memcheck: $id: $(grep -o 'ERROR SUMMARY: [0-9]* errors' "$work/$id.log")"
    else
        echo "memcheck: $id FAILED"
        cat "$work/$id.log"
        return 1
    fi
}
export -f check_scene
export snapshot here work

listed=$("$snapshot" --list | cut -f1)
[ -n "$listed" ] || { echo "memcheck: no scenes listed" >&2; exit 1; }
scenes=$(awk -v part="$part" -v parts="$parts" '(NR - 1) % parts == part' <<<"$listed")
[ -n "$scenes" ] || { echo "memcheck: no scene in part $part of $parts"; exit 0; }
# Two at a time: valgrind is single-threaded.
printf '%s\n' $scenes | xargs -P 2 -I{} bash -c 'check_scene "$@"' _ {}
echo "memcheck: $(wc -w <<<"$scenes") scenes, no errors"
