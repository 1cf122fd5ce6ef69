#!/bin/bash
# The Windows program: the size of taktzeit.exe, its start-up under Wine to the first painted pixel of its
# window beside a bare Win32 window built the same way and a bare window with the same controls, and the
# answer of taktzeit.com --jetzt beside a bare console program, alternated; run on Xvfb by bench/run.sh.
# Usage: bench/windows.sh WINDOWS_BUILD PROBE RUNS
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$1
probe=$2
runs=$3
source "$here/../tests/windows/wine.sh"
trap 'timeout 30 wineserver --kill 2>/dev/null || true' EXIT
export WINEPREFIX=$build/wineprefix
prepare_prefix
summary() {
    sed -n "s/.*$1=\([0-9.]*\).*/\1/p" | sort -n | awk '{v[NR]=$1} END {printf "%s (min %s, max %s)", v[int((NR+1)/2)], v[1], v[NR]}'
}
median() {
    sed -n "s/.*$1=\([0-9.]*\).*/\1/p" | sort -n | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'
}
echo "taktzeit.exe: $(stat -c %s "$build/taktzeit.exe") bytes; bare window: $(stat -c %s "$build/bench/windows/bare_window.exe") bytes"
out_t=$(mktemp) out_b=$(mktemp) out_c=$(mktemp)
controls=$build/bench/windows/bare_controls.exe
# The first start of each warms Wine's caches and is not counted; the wineserver stays between runs, as on
# a desktop where Wine already runs.
"$probe" startup 0.5 "$(command -v wine)" "$build/taktzeit.exe" >/dev/null
"$probe" startup 0.5 "$(command -v wine)" "$build/bench/windows/bare_window.exe" >/dev/null
"$probe" startup 0.5 "$(command -v wine)" "$controls" >/dev/null
for _ in $(seq "$runs"); do
    "$probe" startup 0.5 "$(command -v wine)" "$build/taktzeit.exe" >>"$out_t"
    "$probe" startup 0.5 "$(command -v wine)" "$build/bench/windows/bare_window.exe" >>"$out_b"
    "$probe" startup 0.5 "$(command -v wine)" "$controls" >>"$out_c"
done
echo "taktzeit.exe   start-up ms: $(summary startup_ms <"$out_t")"
echo "bare window    start-up ms: $(summary startup_ms <"$out_b")"
echo "same controls  start-up ms: $(summary startup_ms <"$out_c")"
awk -v a="$(median startup_ms <"$out_t")" -v b="$(median startup_ms <"$out_b")" -v c="$(median startup_ms <"$out_c")" \
    'BEGIN {printf "ratio taktzeit.exe / bare: start-up %.2f; / same controls: %.2f\n", a / b, a / c}'
rm -f "$out_t" "$out_b" "$out_c"

# The command line: taktzeit.com --jetzt beside a bare console program, from start to exit, alternated.
elapsed() {
    local start micro
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1
    micro=$((($(date +%s%N) - start) / 1000))
    printf 'run_ms=%d.%d\n' $((micro / 1000)) $((micro % 1000 / 100))
}
console=$build/bench/windows/bare_console.exe
elapsed wine "$build/taktzeit.com" --jetzt >/dev/null
elapsed wine "$console" >/dev/null
for _ in $(seq "$runs"); do
    elapsed wine "$build/taktzeit.com" --jetzt >>"$out_t"
    elapsed wine "$console" >>"$out_b"
done
echo "taktzeit.com --jetzt   ms: $(summary run_ms <"$out_t")"
echo "bare console program   ms: $(summary run_ms <"$out_b")"
awk -v a="$(median run_ms <"$out_t")" -v b="$(median run_ms <"$out_b")" 'BEGIN {printf "ratio taktzeit.com / bare: %.2f\n", a / b}'
rm -f "$out_t" "$out_b"
