#!/bin/bash
# A user's road through the real program on an X display: convert, copy, paste, convert back, minimize,
# restore, close. Run by private_display.sh.
set -euo pipefail
here=$(dirname "$0")
program=$1
source "$here/desktop.sh"
# A computer set to Germany, where date-time groups are shown in German local time.
export TZ=Europe/Berlin

start_desktop
start_program "$program"

eval "$(xdotool getwindowgeometry --shell "$WINDOW")"
[ "$WIDTH" = 458 ] && [ "$HEIGHT" = 388 ] || fail "client area is ${WIDTH}x${HEIGHT}, not 458x388"
echo "ok: window found by its title, client area 458x388"
# The name the desktop entry matches the window by (StartupWMClass), though taktzeit-window draws it.
[ "$(xprop -id "$WINDOW" WM_CLASS)" = 'WM_CLASS(STRING) = "taktzeit", "taktzeit"' ] \
    || fail "the window's $(xprop -id "$WINDOW" WM_CLASS)"
echo "ok: WM_CLASS taktzeit"

convert_and_copy

click_at "${PASTE_BUTTON[@]}"
click_at "${TO_NORMAL_BUTTON[@]}"
wait_for "its own copy read back" eval '[ "$(field_text "${TIME_RESULT[@]}")" = 16:38 ]'
echo "ok: its own copy pasted back reads as 16:38"

set_clipboard "010900mär2010"
click_at "${PASTE_BUTTON[@]}"
click_at "${TO_NORMAL_BUTTON[@]}"
[ "$(field_text "${TACTICAL_INPUT[@]}")" = "010900mär2010" ] || fail "paste gave '$(field_text "${TACTICAL_INPUT[@]}")'"
[ "$(field_text "${TIME_RESULT[@]}")" = "09:00" ] || fail "time is '$(field_text "${TIME_RESULT[@]}")'"
[ "$(field_text "${DATE_RESULT[@]}")" = "01.03.2010" ] || fail "date is '$(field_text "${DATE_RESULT[@]}")'"
[ "$(field_text "${TACTICAL_RESULT[@]}")" = "141638okt09" ] || fail "result field changed"
echo "ok: 010900mär2010 pasted from the clipboard reads back as 09:00 on 01.03.2010"

for example in "031732B jul 04|17:32|03.07.04" "031732Zjan04|18:32|03.01.04" "312330Zdez09|00:30|01.01.10" \
    "141638okt09|16:38|14.10.09"; do
    IFS='|' read -r group time date <<<"$example"
    type_into "${TACTICAL_INPUT[@]}" "$group"
    click_at "${TO_NORMAL_BUTTON[@]}"
    shown=$(normal_result)
    [ "$shown" = "$time $date" ] || fail "$group shows $shown, not $time $date"
    echo "ok: $group shows $time on $date"
done
type_into "${TACTICAL_INPUT[@]}" "0317 32Bjul04"
click_at "${TO_NORMAL_BUTTON[@]}"
answer_message
shown=$(normal_result)
[ "$shown" = "16:38 14.10.09" ] || fail "a time split inside its group changed the outputs to $shown"
echo "ok: 0317 32Bjul04 gets the message, the outputs kept"

minimize
now=$(env -u DISPLAY -u WAYLAND_DISPLAY "$program" --jetzt)
[ "$now" = "$(xdotool getwindowname "$WINDOW")" ] || fail "taktzeit --jetzt printed $now"
echo "ok: taktzeit --jetzt without a display prints the same, $now"

restore

close_window
wait_for "the program to end" bash -c "! kill -0 $program_pid"
wait "$program_pid" || fail "the program ended with status $?: $(cat "$program_log")"
echo "ok: closed with Alt+F4, the program ended cleanly"
