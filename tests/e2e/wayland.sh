#!/bin/bash
# The real program in a headless GNOME Wayland session (mutter with XWayland), started and ended here.
# Left to itself it runs through XWayland: an X window, centred, whose caption shows the tactical time
# while it is minimized. A platform the user chose, or a session without XWayland, gets a native window.
set -euo pipefail
here=$(dirname "$0")
program=$1
source "$here/desktop.sh"

# A session of its own: runtime directory, D-Bus session bus and compositor, ended by process id.
export XDG_RUNTIME_DIR=$scratch/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
dbus-daemon --session --nofork --print-address=3 3>"$scratch/bus" &
started_pids+=($!)
wait_for "the session bus" test -s "$scratch/bus"
export DBUS_SESSION_BUS_ADDRESS=$(cat "$scratch/bus")
mutter_log=$scratch/mutter.log
mutter --wayland --headless --virtual-monitor 1280x1024 >"$mutter_log" 2>&1 &
started_pids+=($!)
wait_for "the compositor" grep -q "Using Wayland display name" "$mutter_log"
wayland_display=$(sed -n "s/.*Using Wayland display name '\([^']*\)'.*/\1/p" "$mutter_log")
x_display=$(sed -n 's/.*Using public X11 display \(:[0-9]*\).*/\1/p' "$mutter_log")
[ -n "$x_display" ] || fail "mutter started no XWayland: $(cat "$mutter_log")"
authority=$(ls "$XDG_RUNTIME_DIR"/.mutter-Xwaylandauth.*)
session=(env -u QT_QPA_PLATFORM XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY="$wayland_display")
export DISPLAY=$x_display XAUTHORITY=$authority
echo "ok: mutter runs Wayland display $wayland_display with XWayland on $x_display"

stop_program() {
    kill "$program_pid"
    wait "$program_pid" 2>/dev/null || true
}

# A browser that only notes the environment it was started with: the program's choice of XWayland must not
# reach the programs it starts.
mkdir "$scratch/bin"
printf '#!/bin/sh\nenv > "%s"\n' "$scratch/browser.env" >"$scratch/bin/xdg-open"
chmod +x "$scratch/bin/xdg-open"

# Left to itself, the program takes XWayland.
start_program "${session[@]}" PATH="$scratch/bin:$PATH" "$program"
eval "$(xwininfo -id "$WINDOW" | sed -n 's/ *Absolute upper-left X: *\(.*\)/left=\1/p; s/ *Absolute upper-left Y: *\(.*\)/top=\1/p')"
title_bar=$(xprop -id "$WINDOW" _NET_FRAME_EXTENTS | sed -n 's/.*= *[0-9]*, *[0-9]*, *\([0-9]*\),.*/\1/p')
# Centred as the program places it: the window manager adds its title bar above the centred client area.
[ $((left - (1280 - 458) / 2)) -ge -2 ] && [ $((left - (1280 - 458) / 2)) -le 2 ] \
    && [ $((top - (1024 - 388) / 2)) -ge 0 ] && [ $((top - (1024 - 388) / 2)) -le $((${title_bar:-0} + 2)) ] \
    || fail "window at $left,$top on a 1280x1024 screen is not centred (title bar ${title_bar:-0})"
echo "ok: an X window through XWayland, client area at $left,$top under a ${title_bar:-0}-pixel title bar"
xdotool windowminimize --sync "$WINDOW"
wait_for "the tactical time in the caption" caption_is_tactical
echo "ok: minimized caption is $(xdotool getwindowname "$WINDOW")"
# Asked again until it is restored: mutter at times ignores activation requests without a timestamp,
# which is all xdotool sends.
restored() {
    xdotool windowactivate "$WINDOW" 2>/dev/null
    sleep 0.2
    test "$(xdotool getwindowname "$WINDOW")" = "$TITLE"
}
wait_for "the title back" restored
echo "ok: restored caption is the title"
click_at 372 52
wait_for "the browser" test -s "$scratch/browser.env"
! grep -q '^QT_QPA_PLATFORM=' "$scratch/browser.env" || fail "the browser was started with $(grep '^QT_QPA_PLATFORM=' "$scratch/browser.env")"
echo "ok: the web link starts the browser without the program's platform"
stop_program

# A native Wayland window: the protocol log shows its toplevel and its title, and no X window has it.
native_window() {
    local log=$scratch/native.log
    WAYLAND_DEBUG=client "$@" >"$log" 2>&1 &
    program_pid=$!
    started_pids+=("$program_pid")
    wait_for "a native Wayland window" grep -q "xdg_toplevel@[0-9]*\.set_title(\"$TITLE\")" "$log"
    # The application id, by which the desktop matches the window to its entry.
    grep -q "xdg_toplevel@[0-9]*\.set_app_id(\"$TAKTZEIT_APP_ID\")" "$log" \
        || fail "the window's application id is $(grep -o 'set_app_id([^)]*)' "$log")"
    ! xdotool search --name "^${TITLE}\$" >/dev/null || fail "an X window appeared"
}
native_window "${session[@]}" QT_QPA_PLATFORM=wayland "$program"
echo "ok: QT_QPA_PLATFORM=wayland set by the user gives a native Wayland window"
# With a Wayland window in front no program may type into it: --tippen copies and says so.
said=$("${session[@]}" "$program" --tippen 2>&1) || fail "taktzeit --tippen before a Wayland window ended with $?"
[ "$said" = "$(clipboard) liegt in der Zwischenablage: taktzeit konnte hier nicht tippen." ] \
    || fail "before a Wayland window --tippen said '$said'"
echo "ok: --tippen before a Wayland window: '$said'"
stop_program
native_window env -u DISPLAY "${session[@]}" "$program"
stop_program
echo "ok: without XWayland the program runs natively"

# --kopieren in the session: through XWayland's clipboard, which mutter hands on to Wayland programs; without
# XWayland there is no clipboard to reach. (No Wayland program can read it here: the headless seat has no
# keyboard, and a Wayland clipboard goes only to the program with the keyboard focus.)
before=$("$program" --jetzt)
"${session[@]}" "$program" --kopieren || fail "taktzeit --kopieren in the session ended with $?"
[ "$(clipboard)" = "$before" ] || [ "$(clipboard)" = "$("$program" --jetzt)" ] \
    || fail "through XWayland the clipboard holds '$(clipboard)'"
set_clipboard "von einem anderen Programm"
wait_for "the owner to end once another program took the clipboard" no_clipboard_owner
status=0
errors=$(env -u DISPLAY "${session[@]}" "$program" --kopieren 2>&1) || status=$?
[ "$status" = 1 ] && [ "$errors" = "Die Zwischenablage ist nicht erreichbar." ] \
    || fail "without XWayland --kopieren ended with $status: $errors"
echo "ok: --kopieren through XWayland's clipboard; without XWayland: '$errors', status 1"

# A wlroots desktop (sway, which runs only as a user, here nobody) offers wlr-data-control: --kopieren owns
# the Wayland clipboard itself, with no X server, until another program takes it.
sway_runtime=$scratch/sway
chmod 711 "$scratch"
mkdir -m 700 "$sway_runtime"
chown nobody "$sway_runtime"
setpriv --reuid=nobody --regid=nogroup --clear-groups env HOME="$sway_runtime" XDG_RUNTIME_DIR="$sway_runtime" \
    WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman sway -c /dev/null >"$scratch/sway.log" 2>&1 &
started_pids+=($!)
wait_for "sway" test -S "$sway_runtime/wayland-1"
wlroots=(env -u DISPLAY XDG_RUNTIME_DIR="$sway_runtime" WAYLAND_DISPLAY=wayland-1)
before=$("$program" --jetzt)
"${wlroots[@]}" "$program" --kopieren || fail "taktzeit --kopieren on sway ended with $?"
pasted=$("${wlroots[@]}" timeout 5 wl-paste -n)
[ "$pasted" = "$before" ] || [ "$pasted" = "$("$program" --jetzt)" ] || fail "on sway the clipboard holds '$pasted'"
echo anderes | "${wlroots[@]}" wl-copy
wait_for "the owner to end once another program took the clipboard" no_clipboard_owner
echo "ok: on sway through wlr-data-control: wl-paste reads $pasted; the owner ended once another program copied"
