#!/usr/bin/env bash
# Fuzzes the label decoder with libFuzzer (clang) for SECONDS (default 300), starting from the
# seed corpus in tests/fuzz/seeds; what it learns is kept in build-fuzz/corpus for the next run.
#   scripts/fuzz.sh [SECONDS]
set -euo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$ROOT/scripts/common.sh"
seconds=${1:-300}

ensure_packages clang libclang-rt-14-dev cmake make
cmake -S "$ROOT/tests/fuzz" -B "$ROOT/build-fuzz" -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$ROOT/build-fuzz" -j "$(nproc)" >/dev/null
mkdir -p "$ROOT/build-fuzz/corpus"
log="$ROOT/build-fuzz/last-run.log"
status=0
"$ROOT/build-fuzz/label_decoder_fuzzer" -max_total_time="$seconds" -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$ROOT/build-fuzz/" \
    "$ROOT/build-fuzz/corpus" "$ROOT/tests/fuzz/seeds" >"$log" 2>&1 || status=$?
grep -E '^(Done|stat::number_of_executed_units|stat::new_units_added)' "$log" || true
if [ "$status" -ne 0 ]; then
    tail -n 40 "$log" >&2
    echo "fuzz.sh: the decoder failed; the input is saved in build-fuzz/" >&2
    exit 1
fi
