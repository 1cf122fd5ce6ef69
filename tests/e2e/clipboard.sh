#!/bin/bash
# The paste button against clipboards that misbehave, on a real X display: an owner that never answers, and
# ten megabytes of text. Through both the status clock goes on (no pause over 1.5 s), the program stays
# small, and the answer is the message or the first part of the text. Run by private_display.sh.
# Usage: clipboard.sh PROGRAM REPAINT_GAPS   (TAKTZEIT_E2E_SANITIZED=1 skips the memory bound)
set -euo pipefail
here=$(dirname "$0")
program=$1
repaint_gaps=$2
source "$here/desktop.sh"

MEMORY_LIMIT_KIB=$((100 * 1024))
PAUSE_LIMIT_MS=1500

start_desktop
start_program "$program"

# Clicks paste while the window's repaints are watched for four seconds; prints the longest pause.
paste_watched() {
    "$repaint_gaps" "$WINDOW" 4 >"$scratch/pause" &
    local watcher=$!
    sleep 0.5
    click_at "${PASTE_BUTTON[@]}"
    "$@"
    wait "$watcher"
    local pause
    pause=$(cat "$scratch/pause")
    [ "$pause" -le "$PAUSE_LIMIT_MS" ] || fail "the window stood still for $pause ms"
    echo "$pause"
}

peak_memory_kib() {
    awk '/^VmHWM:/ {print $2}' "/proc/$program_pid/status"
}

check_memory() {
    local peak
    peak=$(peak_memory_kib)
    [ "${TAKTZEIT_E2E_SANITIZED:-0}" = 1 ] || [ "$peak" -le "$MEMORY_LIMIT_KIB" ] \
        || fail "the program grew to $((peak / 1024)) MiB"
    echo "$((peak / 1024)) MiB"
}

# An owner that took the clipboard and then stopped, like a frozen remote desktop.
printf '141638okt2009' | xclip -quiet -selection clipboard -i >/dev/null 2>&1 &
hung_owner=$!
started_pids+=("$hung_owner")
wait_for "the clipboard" eval '[ "$(clipboard)" = 141638okt2009 ]'
kill -STOP "$hung_owner"
type_into "${TACTICAL_INPUT[@]}" "010900mar2010"
pause=$(paste_watched answer_message)
[ "$(field_text "${TACTICAL_INPUT[@]}")" = "010900mar2010" ] || fail "the tactical input changed"
echo "ok: an owner that never answers: the message, the input kept, the clock paused at most $pause ms," \
    "peak memory $(check_memory)"

# The hung owner goes, so that nothing asks it again.
kill -KILL "$hung_owner"

# Ten megabytes of text on the clipboard (TAKTZEIT_E2E_CLIPBOARD_BYTES measures another size); a paste takes
# its first 10,000 characters.
bytes=${TAKTZEIT_E2E_CLIPBOARD_BYTES:-10000000}
head -c "$bytes" <(yes 141638okt2009 | tr '\n' ' ') >"$scratch/big.txt"
xclip -quiet -selection clipboard -i <"$scratch/big.txt" >/dev/null 2>&1 &
started_pids+=($!)
wait_for "the big clipboard" eval '[ "$(clipboard | head -c 13)" = 141638okt2009 ]'
first_part_pasted() {
    local text
    text=$(field_text "${TACTICAL_INPUT[@]}")
    [ "${#text}" -eq 10000 ] && [ "$text" = "$(head -c 10000 "$scratch/big.txt")" ] \
        && echo "${#text}" >"$scratch/pasted"
}
wait_for_first_part() {
    wait_for "the first part of the text" first_part_pasted
}
pause=$(paste_watched wait_for_first_part)
echo "ok: $bytes bytes on the clipboard: its first $(cat "$scratch/pasted") characters pasted, the clock paused at most" \
    "$pause ms, peak memory $(check_memory)"
