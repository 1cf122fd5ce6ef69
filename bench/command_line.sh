#!/bin/bash
# Start-up of the command line: taktzeit --jetzt without a display, beside GNU date writing the same fields
# (date +%d%H%M%b%y), alternated, in ms.
# Usage: bench/command_line.sh PROGRAM RUNS
set -euo pipefail
program=$1
runs=$2
times_t=() times_b=()
# Milliseconds one run of the command takes, from fork to exit.
elapsed() {
    local start=$EPOCHREALTIME
    "$@" >/dev/null
    local end=$EPOCHREALTIME
    awk -v s="$start" -v e="$end" 'BEGIN {printf "%.2f", (e - s) * 1000}'
}
for _ in $(seq "$runs"); do
    times_t+=("$(elapsed env -u DISPLAY -u WAYLAND_DISPLAY "$program" --jetzt)")
    times_b+=("$(elapsed env -u DISPLAY -u WAYLAND_DISPLAY date +%d%H%M%b%y)")
done
summary() {
    printf '%s\n' "$@" | sort -n | awk '{v[NR]=$1} END {printf "%s ms (min %s, max %s)", v[int((NR+1)/2)], v[1], v[NR]}'
}
median() {
    printf '%s\n' "$@" | sort -n | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'
}
echo "taktzeit --jetzt: $(summary "${times_t[@]}")"
echo "date +%d%H%M%b%y: $(summary "${times_b[@]}")"
awk -v a="$(median "${times_t[@]}")" -v b="$(median "${times_b[@]}")" \
    'BEGIN {printf "ratio taktzeit --jetzt / date: %.2f, difference %.2f ms\n", a / b, a - b}'
