#!/bin/bash
# taktzeit --tippen on a real X display into a window of the test's own: the present tactical time, with Ctrl
# and Alt still held when it starts, with Caps Lock on, in March on a German, a US and two two-layout maps, the
# keyboard held by another program past two seconds (copied and said, on the test's own session bus), and a
# second started while the first waits. Run by private_display.sh. Usage: typing.sh PROGRAM TYPING_TARGET
set -euo pipefail
here=$(dirname "$0")
program=$1
typing_target=$2
source "$here/desktop.sh"
start_desktop
setxkbmap de

dbus-daemon --session --nofork --print-address=3 3>"$scratch/bus" &
started_pids+=($!)
wait_for "the session bus" test -s "$scratch/bus"
export DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$scratch/bus")
dbus-monitor "interface='org.freedesktop.Notifications'" >"$scratch/monitor.log" 2>&1 &
started_pids+=($!)

# A target window of its own with the focus, for each case.
target() {
    [ -z "${target_pid:-}" ] || kill "$target_pid"
    "$typing_target" "$@" >"$scratch/typed" &
    target_pid=$!
    started_pids+=("$target_pid")
    wait_for "the target window" eval 'grep -q ready "$scratch/typed" || ! kill -0 $target_pid'
    kill -0 "$target_pid" || fail "the target window ended before it was ready"
}
typed() {
    tail -n +2 "$scratch/typed"
}

# types WHAT [OPTIONS]: --tippen types the tactical time of the clock before it or after it, and nothing else;
# each run of the program goes through the command in "clock", if one is set.
clock=()
types() {
    local what=$1 before text
    shift
    before=$("${clock[@]}" "$program" --jetzt "$@")
    "${clock[@]}" "$program" --tippen "$@" || fail "taktzeit --tippen ended with $? ($what)"
    wait_for "the text ($what)" eval '[ "$(typed | wc -m)" -ge ${#before} ]'
    text=$(typed)
    [ "$text" = "$before" ] || [ "$text" = "$("${clock[@]}" "$program" --jetzt "$@")" ] \
        || fail "$what: typed '$text', not '$before'"
    echo "ok: $what: typed $text"
}

target
types "into the focused window"

target
xdotool keydown ctrl alt
(sleep 0.4 && xdotool keyup ctrl alt) &
types "Ctrl and Alt let go 0.4 s after the start"

target
xdotool key Caps_Lock
types "Caps Lock on" --zone=Z
xdotool key Caps_Lock

in_march() {
    LD_PRELOAD=$(find /usr/lib -name libfaketime.so.1 | head -n 1) FAKETIME="@2026-03-14 16:38:00" \
        FAKETIME_DONT_FAKE_MONOTONIC=1 ASAN_OPTIONS=${ASAN_OPTIONS:-}:verify_asan_link_order=0 "$@"
}
clock=(in_march)
for map in "de 0" "us 0" "de,us 1" "us,de 1"; do
    setxkbmap "${map% *}"
    target --group "${map#* }"
    types "in March on the map ${map% *}, layout ${map#* } active"
    [[ "$(typed)" == *mär26 ]] || fail "in March it typed $(typed)"
done
clock=()
setxkbmap de

target --grab
before=$("$program" --jetzt)
"$program" --tippen 2>"$scratch/said" || fail "taktzeit --tippen with the keyboard held ended with $?"
[ -z "$(typed)" ] || fail "with the keyboard held it typed '$(typed)'"
said=$(cat "$scratch/said")
now=$(clipboard)
[ "$now" = "$before" ] || [ "$now" = "$("$program" --jetzt)" ] || fail "the clipboard holds '$now'"
[ "$said" = "$now liegt in der Zwischenablage: taktzeit konnte hier nicht tippen." ] || fail "it said '$said'"
wait_for "the notification" grep -q "string \"$said\"" "$scratch/monitor.log"
grep -q 'member=Notify' "$scratch/monitor.log" || fail "no Notify call: $(cat "$scratch/monitor.log")"
echo "ok: the keyboard held past two seconds: nothing typed, $now copied, said on standard error and in a notification"

# A second started while the first waits for a key to be let go ends at once, typing nothing.
target
xdotool keydown shift
"$program" --tippen 2>"$scratch/first.log" &
first=$!
wait_for "the first to hold the keyboard" grep -q "@taktzeit-tippen-$(id -u)-$DISPLAY\$" /proc/net/unix
start=$(date +%s%N)
"$program" --tippen 2>"$scratch/second" || fail "the second ended with $?"
waited=$((($(date +%s%N) - start) / 1000000))
xdotool keyup shift
wait "$first"
wait_for "the text" eval '[ "$(typed | wc -m)" -ge 11 ]'
sleep 0.2
[ "$(typed | wc -m)" -eq 11 ] && [ ! -s "$scratch/second" ] && [ "$waited" -lt 1000 ] \
    || fail "two at once typed '$(typed)'; the second said '$(cat "$scratch/second")' after $waited ms"
echo "ok: a second started while the first waited ended after $waited ms; typed $(typed), once"
