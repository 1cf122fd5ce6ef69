#!/bin/bash
# The real taktzeit.exe under Wine on a private X display with a window manager, driven as a Windows user
# would: the window's place and size, the Tab key, both conversions, a date-time group in German local time,
# copy and paste through the clipboard, a clipboard owner that never answers, a copy into a clipboard that
# another program holds open, the caption while minimized, closing
# it, typing with --tippen, and the installer installing it with two Start-menu shortcuts and removing it again.
# Usage: tests/windows/e2e.sh PROGRAM SILENT_OWNER MSI   (WINEPREFIX names the prefix, made on first use)
set -euo pipefail
if [ -z "${TAKTZEIT_E2E_DISPLAY:-}" ]; then
    exec env TAKTZEIT_E2E_DISPLAY=1 "$(dirname "$0")/../e2e/private_display.sh" "$0" "$@"
fi
here=$(cd "$(dirname "$0")" && pwd)
program=$1
silent_owner=$2
msi=$3
source "$here/../e2e/desktop.sh"
source "$here/wine.sh"
# A computer set to Germany.
export TZ=Europe/Berlin

start_desktop
prepare_prefix

# The command line through cmd, as a script runs it: answers, exit statuses, and a redirect into a file, which
# is UTF-8. cmd finds taktzeit.com before taktzeit.exe.
printf '%s\r\n' '@cd /d "%~dp1"' '@taktzeit --normal 031732Z jul 04' '@echo %ERRORLEVEL%' \
    '@taktzeit --taktisch 16:38 14.10.2009 --zone=Z' '@echo %ERRORLEVEL%' '@taktzeit --normal 142438okt09' \
    '@echo %ERRORLEVEL%' '@taktzeit --zone=Z' '@echo %ERRORLEVEL%' '@taktzeit --taktisch 8:05 05.03.2009 > "%~dp0out.txt"' \
    '@echo %ERRORLEVEL%' '@taktzeit --kopieren' '@echo %ERRORLEVEL%' >"$scratch/commands.bat"
answers=$("${wine_run[@]}" cmd /c "$(winepath -w "$scratch/commands.bat")" "$(winepath -w "$program")" 2>/dev/null \
    | tr -d '\r' | tr '\n' ' ')
[ "$answers" = "19:32 03.07.04 0 141438Zokt09 0 1 2 0 0 " ] || fail "through cmd the command line answered: $answers"
[ "$(cat "$scratch/out.txt")" = "050805mär09" ] || fail "redirected into a file it wrote $(od -c "$scratch/out.txt")"
echo "ok: through cmd: $answers; redirected, 050805mär09 in UTF-8"
# As a shortcut starts it: the window program copies, opens no window and ends with 0.
"${wine_run[@]}" "$program" --kopieren --zone=Z || fail "taktzeit.exe --kopieren ended with $?"
! xdotool search --onlyvisible --name "^${TITLE}\$" >/dev/null || fail "taktzeit.exe --kopieren opened a window"
echo "ok: taktzeit.exe --kopieren ended with 0 and opened no window"

start_program "${wine_run[@]}" "$program"

eval "$(xwininfo -id "$WINDOW" | sed -n 's/ *Absolute upper-left X: *\(.*\)/left=\1/p; s/ *Absolute upper-left Y: *\(.*\)/top=\1/p;
    s/ *Width: *\(.*\)/width=\1/p; s/ *Height: *\(.*\)/height=\1/p')"
[ "$width" = 458 ] && [ "$height" = 388 ] || fail "client area is ${width}x${height}, not 458x388"
# Centred: the client area sits in the middle, lowered by half the title bar above it.
[ $((left - (1280 - 458) / 2)) -ge -2 ] && [ $((left - (1280 - 458) / 2)) -le 2 ] \
    && [ $((top - (1024 - 388) / 2)) -ge -2 ] && [ $((top - (1024 - 388) / 2)) -le 20 ] \
    || fail "client area at $left,$top on a 1280x1024 screen is not centred"
echo "ok: window found by its title, client area 458x388 at $left,$top, centred"

# The keyboard order from the first focus: "Umrechnen", the result, the date, the time.
wait_for "the window to be active" activate_window
xdotool key --clearmodifiers Tab Tab Tab
xdotool type --delay 20 "8:05"
[ "$(field_text "${TIME_INPUT[@]}")" = "8:05" ] || fail "three presses of Tab did not reach the time"
echo "ok: three presses of Tab from the first focus reach the time"

convert_and_copy

set_clipboard "010900mär2010"
click_at "${PASTE_BUTTON[@]}"
click_at "${TO_NORMAL_BUTTON[@]}"
shown=$(normal_result)
[ "$shown" = "09:00 01.03.2010" ] || fail "010900mär2010 pasted shows $shown"
echo "ok: 010900mär2010 pasted from the clipboard reads back as 09:00 on 01.03.2010"

type_into "${TACTICAL_INPUT[@]}" "031732B jul 04"
click_at "${TO_NORMAL_BUTTON[@]}"
shown=$(normal_result)
[ "$shown" = "17:32 03.07.04" ] || fail "031732B jul 04 shows $shown"
echo "ok: 031732B jul 04 shows 17:32 on 03.07.04"

# As its shortcut key starts it: taktzeit.exe --tippen types into the field that has the focus.
click_at "${TACTICAL_INPUT[@]}"
xdotool key --clearmodifiers ctrl+a BackSpace
before=$("${wine_run[@]}" "${program%.exe}.com" --jetzt | tr -d '\r')
"${wine_run[@]}" "$program" --tippen || fail "taktzeit.exe --tippen ended with $?"
typed=$(field_text "${TACTICAL_INPUT[@]}")
[ "$typed" = "$before" ] || [ "$typed" = "$("${wine_run[@]}" "${program%.exe}.com" --jetzt | tr -d '\r')" ] \
    || fail "taktzeit.exe --tippen typed '$typed'"
echo "ok: taktzeit.exe --tippen typed $typed into the field with the focus"

# The status clock's panel, as pixels on the screen.
clock_pixels() {
    import -window root -crop 90x14+$((left + 2))+$((top + 373)) rgb:- | md5sum
}
"${wine_run[@]}" "$silent_owner" >"$scratch/owner.log" 2>&1 &
owner_pid=$!
started_pids+=("$owner_pid")
wait_for "the silent owner to take the clipboard" grep -q owner "$scratch/owner.log"
type_into "${TACTICAL_INPUT[@]}" "010900mar2010"
before=$(clock_pixels)
start=$(date +%s%N)
click_at "${PASTE_BUTTON[@]}"
wait_for "the message" message_box
waited=$((($(date +%s%N) - start) / 1000000))
[ "$waited" -le 1500 ] || fail "the message came after $waited ms"
[ "$(clock_pixels)" != "$before" ] || fail "the status clock stood still while the clipboard did not answer"
xdotool windowactivate --sync "$(message_box)" key --clearmodifiers Return
wait_for "the message to close" eval '! message_box'
# Ended before the next read, which a loaded machine would otherwise let meet the clipboard still held.
kill "$owner_pid"
wait "$owner_pid" 2>/dev/null || true
[ "$(field_text "${TACTICAL_INPUT[@]}")" = "010900mar2010" ] || fail "the tactical input changed"
echo "ok: an owner that never renders: the message after $waited ms, the clock ticking, the input kept"

"${wine_run[@]}" "$silent_owner" open >"$scratch/holder.log" 2>&1 &
holder_pid=$!
started_pids+=("$holder_pid")
wait_for "another program to hold the clipboard open" grep -q owner "$scratch/holder.log"
click_at "${COPY_BUTTON[@]}"
answer_message
kill "$holder_pid"
wait "$holder_pid" 2>/dev/null || true
[ "$(field_text "${TACTICAL_RESULT[@]}")" = 141638okt09 ] || fail "the result changed"
echo "ok: a copy while another program holds the clipboard open: the message, the result kept"

minimize
restore

close_window
wait_for "the program to end" bash -c "! kill -0 $program_pid"
echo "ok: closed with Alt+F4, the program ended"

# Without options the command line starts the window and ends at once.
"${wine_run[@]}" "${program%.exe}.com" || fail "taktzeit.com without options ended with $?"
wait_for "the window started by taktzeit.com" xdotool search --onlyvisible --name "^${TITLE}\$"
WINDOW=$(xdotool search --onlyvisible --name "^${TITLE}\$" | head -n 1)
close_window
echo "ok: taktzeit.com without options started the window and ended with 0"

installed="$WINEPREFIX/drive_c/Program Files/taktzeit"
shortcuts() {
    find "$WINEPREFIX/drive_c" -name 'Umrechner taktische Zeit.lnk' -o -name 'Taktische Zeit eintippen.lnk'
}
system_path() {
    "${wine_run[@]}" reg query 'HKLM\System\CurrentControlSet\Control\Session Manager\Environment' /v PATH 2>/dev/null
}
# "=-*" sets the system variable at install and takes the folder off it at removal, by the installer's rules;
# Wine's msiexec takes it off either way, so the table itself is read.
path_entry=$(msiinfo export "$msi" Environment | tr -d '\r' | grep '^PathEntry' || true)
[ "$path_entry" = "$(printf 'PathEntry\t=-*PATH\t[~];[INSTALLDIR]\tProgram')" ] \
    || fail "the MSI's PATH entry is '$path_entry'"
# The typing shortcut's key: Ctrl+Alt+Shift (7) over Z (0x5A).
typing_shortcut=$(msiinfo export "$msi" Shortcut | tr -d '\r' | awk -F '\t' '$1 == "TypingShortcut" { print $3 "|" $6 "|" $8 }')
[ "$typing_shortcut" = "Taktische Zeit eintippen|--tippen|$((7 * 256 + 0x5A))" ] \
    || fail "the MSI's typing shortcut is '$typing_shortcut'"
"${wine_run[@]}" msiexec /i "$(winepath -w "$msi")" /qn
[ -f "$installed/taktzeit.exe" ] && [ -f "$installed/taktzeit.com" ] && [ -f "$installed/LIESMICH.txt" ] \
    || fail "the installer put only $(ls "$installed" 2>/dev/null) in $installed"
[ "$(shortcuts | wc -l)" = 2 ] || fail "the installer made the Start-menu shortcuts $(shortcuts)"
# A shell link keeps its key in the two bytes at offset 0x40 of its header: Z, then the modifiers.
key=$(od -An -tx1 -j 64 -N 2 "$(shortcuts | grep eintippen)" | tr -d ' ')
[ "$key" = 5a07 ] || fail "the typing shortcut's key is $key"
system_path | grep -q 'C:\\Program Files\\taktzeit' || fail "the folder is not on the PATH: $(system_path)"
echo "ok: the installer put taktzeit.exe and taktzeit.com in Program Files, two shortcuts in the Start menu" \
    "(Taktische Zeit eintippen on Ctrl+Alt+Shift+Z), and the folder on the system PATH"
"${wine_run[@]}" msiexec /x "$(winepath -w "$msi")" /qn
[ ! -e "$installed/taktzeit.exe" ] && [ ! -e "$installed/taktzeit.com" ] && [ -z "$(shortcuts)" ] \
    || fail "removing it left $(ls "$installed") $(shortcuts)"
! system_path | grep -q taktzeit || fail "removing it left the PATH at $(system_path)"
echo "ok: removed again, both programs, the shortcuts and the PATH entry gone"
