#!/bin/bash
# Start-up of the command line: taktzeit --jetzt without a display, beside /bin/true, alternated, in ms.
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
    times_b+=("$(elapsed env -u DISPLAY -u WAYLAND_DISPLAY /bin/true)")
done
summary() {
    printf '%s\n' "$@" | sort -n | awk '{v[NR]=$1} END {printf "%s ms (min %s, max %s)", v[int((NR+1)/2)], v[1], v[NR]}'
}
median() {
    printf '%s\n' "$@" | sort -n | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'
}
echo "taktzeit --jetzt: $(summary "${times_t[@]}")"
echo "/bin/true:        $(summary "${times_b[@]}")"
awk -v a="$(median "${times_t[@]}")" -v b="$(median "${times_b[@]}")" \
    'BEGIN {printf "ratio taktzeit --jetzt / true: %.1f, difference %.2f ms\n", a / b, a - b}'
