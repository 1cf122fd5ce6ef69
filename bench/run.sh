#!/bin/bash
# make bench: builds the benchmark programs (Release) and prints every figure beside its baseline.
# Environment: STARTUP_RUNS (11), IDLE_SECONDS (60), LAG_SECONDS (600).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build-bench
runs=${STARTUP_RUNS:-11}
idle=${IDLE_SECONDS:-60}
lag=${LAG_SECONDS:-600}

if [ -z "${TAKTZEIT_BENCH_DISPLAY:-}" ]; then
    "$root/scripts/install-dependencies" test
    cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DTAKTZEIT_BENCH=ON >/dev/null
    cmake --build "$build" -j"$(nproc)" >/dev/null
    echo "machine: $(nproc) cores, $(sed -n 's/^model name\s*: //p' /proc/cpuinfo | head -n 1)," \
        "$(free -g | awk '/^Mem:/ {print $2}') GiB, $(uname -sr)"
    echo
    echo "== a. conversions per second"
    "$build/bench/bench_conversions"
    echo
    echo "== f. the tactical input by the length of a pasted text (medians of 7 runs)"
    "$build/bench/bench_paste_field" 2>/dev/null
    echo
    echo "== g. the command line: taktzeit --jetzt without a display beside date ($runs runs each, alternating)"
    "$root/bench/command_line.sh" "$build/taktzeit" "$runs"
    "$root/scripts/install-dependencies" windows
    cmake -S "$root" -B "$build-windows" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
        -DCMAKE_BUILD_TYPE=Release -DTAKTZEIT_BENCH=ON -DTAKTZEIT_TESTS=OFF >/dev/null
    cmake --build "$build-windows" -j"$(nproc)" >/dev/null
    exec env TAKTZEIT_BENCH_DISPLAY=1 "$root/tests/e2e/private_display.sh" "$0"
fi

export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
probe=$build/bench/window_probe
taktzeit=$build/taktzeit
bare=$build/bench/bare_window

# Prints "median (min .. max)" of one key=value figure over lines of probe output.
summary() {
    sed -n "s/.*$1=\([0-9.]*\).*/\1/p" | sort -n | awk '{v[NR]=$1} END {printf "%s (min %s, max %s)", v[int((NR+1)/2)], v[1], v[NR]}'
}
median() {
    sed -n "s/.*$1=\([0-9.]*\).*/\1/p" | sort -n | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'
}

echo
echo "== b, c. start-up to the first painted window, and peak resident memory; $runs runs each, alternating"
out_t=$(mktemp) out_b=$(mktemp)
trap 'rm -f "$out_t" "$out_b"' EXIT
for _ in $(seq "$runs"); do
    "$probe" startup 0.5 "$taktzeit" >>"$out_t"
    "$probe" startup 0.5 "$bare" >>"$out_b"
done
echo "taktzeit     start-up ms: $(summary startup_ms <"$out_t")   peak RSS kB: $(summary peak_rss_kb <"$out_t")"
echo "bare window  start-up ms: $(summary startup_ms <"$out_b")   peak RSS kB: $(summary peak_rss_kb <"$out_b")"
awk -v a="$(median startup_ms <"$out_t")" -v b="$(median startup_ms <"$out_b")" \
    -v c="$(median peak_rss_kb <"$out_t")" -v d="$(median peak_rss_kb <"$out_b")" \
    'BEGIN {printf "ratio taktzeit / bare: start-up %.2f, memory %.2f\n", a / b, c / d}'

echo
echo "== d. idle cost over ${idle} s (both windows open at once)"
"$probe" idle "$idle" "$taktzeit" | sed 's/^/taktzeit     /' &
"$probe" idle "$idle" "$bare" | sed 's/^/bare window  /'
wait

echo
echo "== e. clock lag of the status refresh over ${lag} s"
"$build/bench/bench_clock_lag" "$lag"

echo
echo "== j. taktzeit --tippen from its start to its last character in a focused window, no key held ($runs runs)"
"$root/bench/typing.sh" "$taktzeit" "$build/tests/typing_target" "$runs"

echo
echo "== h. the Windows program under Wine ($runs runs each, alternating)"
"$root/bench/windows.sh" "$build-windows" "$probe" "$runs"

echo
echo "== i. the web page in headless Chromium ($runs runs each, alternating)"
"$root/scripts/install-dependencies" web
NODE_PATH=/usr/share/nodejs emcmake cmake -S "$root" -B "$build-web" -DCMAKE_BUILD_TYPE=Release -DTAKTZEIT_TESTS=OFF >/dev/null
NODE_PATH=/usr/share/nodejs cmake --build "$build-web" -j"$(nproc)" >/dev/null
/usr/bin/python3 "$root/bench/web.py" "$build-web/taktzeit.html" "$root/tests/designed_form.h" "$runs"

echo
echo "== k. Lighthouse against the page served from 127.0.0.1 (medians of 5 runs)"
"$root/bench/lighthouse.sh" "$build-web/taktzeit.html" 5
