#!/bin/bash
# Builds the fuzz targets with clang and runs each for a bounded time on a copy of its seed corpus.
# Usage: tests/fuzz/run.sh [seconds per target]   Fails on any crash, hang, sanitizer report or broken property.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
seconds=${1:-60}
build=$root/build-fuzz
cmake -S "$root" -B "$build" -DTAKTZEIT_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)" >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for target in tactical_text time_text date_text; do
    mkdir "$work/$target"
    status=0
    "$build/tests/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=5 -print_final_stats=1 \
        -artifact_prefix="$build/" "$work/$target" "$root/tests/fuzz/corpus/$target" >"$work/$target.log" 2>&1 \
        || status=$?
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/$target.log")
    if [ "$status" -ne 0 ]; then
        grep -E 'ERROR|property broken|SUMMARY|Test unit written' "$work/$target.log" || tail -n 20 "$work/$target.log"
        echo "fuzz_$target: FAILED after ${seconds}s; the input is in $build/"
        exit 1
    fi
    echo "fuzz_$target: ${runs:-?} inputs in ${seconds}s, no fault"
done
