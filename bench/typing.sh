#!/bin/bash
# taktzeit --tippen from its start to its last character in a window with the keyboard focus, no key held, in
# ms: the present time on a German map, and in March on a US map, where the ä goes on a spare key.
# Runs on the benchmark's private display. Usage: bench/typing.sh PROGRAM TYPING_TARGET RUNS
set -euo pipefail
program=$1
target=$2
runs=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
march=(env LD_PRELOAD="$(find /usr/lib -name libfaketime.so.1 | head -n 1)" FAKETIME="@2026-03-14 16:38:00"
       FAKETIME_DONT_FAKE_MONOTONIC=1)

# Milliseconds from the start of --tippen to the target's having all eleven characters.
typed_in() {
    "$target" --until 11 >"$scratch/typed" &
    local pid=$!
    until grep -q ready "$scratch/typed" 2>/dev/null; do sleep 0.01; done
    local start
    start=$(date +%s%N)
    "$@" "$program" --tippen
    wait "$pid"
    awk -v s="$start" -v e="$(sed -n 's/^received_ns=//p' "$scratch/typed")" 'BEGIN {printf "%.1f\n", (e - s) / 1e6}'
}
summary() {
    sort -n | awk '{v[NR]=$1} END {printf "%s ms (min %s, max %s)", v[int((NR+1)/2)], v[1], v[NR]}'
}
setxkbmap de
for _ in $(seq "$runs"); do typed_in env; done >"$scratch/de"
setxkbmap us
for _ in $(seq "$runs"); do typed_in "${march[@]}"; done >"$scratch/us"
setxkbmap de
echo "taktzeit --tippen, German map:           $(summary <"$scratch/de")"
echo "taktzeit --tippen, in March on a US map: $(summary <"$scratch/us")"
