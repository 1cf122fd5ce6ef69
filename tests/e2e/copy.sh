#!/bin/bash
# taktzeit --kopieren on a real X display, as a desktop shortcut starts it: the clipboard holds the present
# tactical time once the command has returned, and a second later; a clipboard manager takes it over and the
# owner ends at once; without one the owner ends when another program takes the clipboard; x=$(...) returns.
# Run by private_display.sh. Usage: copy.sh PROGRAM CLIPBOARD_MANAGER
set -euo pipefail
here=$(dirname "$0")
program=$1
manager=$2
source "$here/desktop.sh"

owners() {
    ps -eo stat=,args= | awk '$1 !~ /^Z/ && $2 == "taktzeit-clipboard"'
}

# now TEXT BEFORE [OPTIONS]: the text is the tactical time read before the copy, or the one of now where a
# minute ended between them.
now() {
    [ "$1" = "$2" ] || [ "$1" = "$("$program" --jetzt "${@:3}")" ] || fail "the text is '$1', not '$2'"
}
copied_now() {
    now "$(clipboard)" "$@"
}

before=$("$program" --jetzt)
"$program" --kopieren || fail "taktzeit --kopieren ended with $?"
copied_now "$before"
sleep 1
copied_now "$before"
echo "ok: --kopieren put $(clipboard) on the clipboard, still there a second later"

targets=$(timeout 5 xclip -o -selection clipboard -t TARGETS | sort | tr '\n' ' ')
[ "$targets" = "MULTIPLE STRING TARGETS TEXT TIMESTAMP UTF8_STRING " ] || fail "the owner offers $targets"
# In March, as a program that reads STRING gets it: ISO 8859-1, the ä one byte.
LD_PRELOAD=$(find /usr/lib -name libfaketime.so.1 | head -n 1) FAKETIME="@2026-03-10 12:00:00" \
    FAKETIME_DONT_FAKE_MONOTONIC=1 ASAN_OPTIONS=${ASAN_OPTIONS:-}:verify_asan_link_order=0 "$program" --kopieren
[ "$(timeout 5 xclip -o -selection clipboard -t STRING | od -An -tx1 | tr -d ' \n')" = 3130313230306de4723236 ] \
    || fail "STRING in March is $(xclip -o -selection clipboard -t STRING | od -An -c)"
echo "ok: the owner offers $targets; in March STRING holds 101200m\xe4r26"

for zone in --zone --zone=Z; do
    before=$("$program" --jetzt "$zone")
    timeout 5 bash -c 'x=$("$0" --kopieren "$1")' "$program" "$zone" || fail "x=\$(taktzeit --kopieren $zone) hung"
    copied_now "$before" "$zone"
    echo "ok: x=\$(taktzeit --kopieren $zone) returned, the clipboard holds $(clipboard)"
done
[ "$(owners | wc -l)" -eq 1 ] || fail "more than one owner: $(owners)"
set_clipboard "von einem anderen Programm"
wait_for "the owner to end once another program took the clipboard" no_clipboard_owner
echo "ok: one owner at a time, none left once another program took the clipboard"

"$manager" >"$scratch/manager.log" &
started_pids+=($!)
wait_for "the clipboard manager" grep -q ready "$scratch/manager.log"
before=$("$program" --jetzt --englisch)
"$program" --kopieren --englisch
wait_for "the owner to end once the manager kept the text" no_clipboard_owner
saved=$(sed -n 2p "$scratch/manager.log")
now "$saved" "$before" --englisch
echo "ok: a clipboard manager kept $saved, and the owner ended"
