# Shared by the end-to-end tests and the screenshot script: a window manager on the X display that
# xvfb-run opened, the program started on it, and helpers to drive it as a user would.
# Everything started here is ended on exit, also when a step fails.

TITLE='- Umrechner taktische Zeit -'
# Client coordinates of the controls' centres, from the window's fixed layout.
TIME_INPUT=(180 113); DATE_INPUT=(180 145); TACTICAL_RESULT=(180 177)
TO_TACTICAL_BUTTON=(332 148); COPY_BUTTON=(332 180)
TACTICAL_INPUT=(180 273); TIME_RESULT=(180 305); DATE_RESULT=(180 337)
TO_NORMAL_BUTTON=(332 308); PASTE_BUTTON=(332 276)
started_pids=()
scratch=$(mktemp -d)

# Ends what was started, the last first, each before the next: a server outlives its clients. A stopped
# process is woken to take the signal; one that does not end within five seconds is killed.
cleanup() {
    local pid
    for ((i = ${#started_pids[@]} - 1; i >= 0; i--)); do
        pid=${started_pids[i]}
        kill -TERM "$pid" 2>/dev/null || continue
        kill -CONT "$pid" 2>/dev/null || true
        for _ in $(seq 100); do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.05
        done
        kill -KILL "$pid" 2>/dev/null || true
    done
    wait 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    for log in "$scratch"/*.log; do
        [ -s "$log" ] && { echo "--- $(basename "$log"):"; tail -n 20 "$log"; } >&2
    done
    exit 1
}

# Polls a command until it succeeds, for ten seconds; the desktop answers asynchronously. A check that reads
# something anew each time is given to eval in single quotes, so it is not expanded once when wait_for is
# called.
wait_for() {
    local what=$1
    shift
    for _ in $(seq 100); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    fail "timed out waiting for $what"
}

window_manager_ready() {
    xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'
}

# A window manager that starts before the X server answers gives up at once, and on a loaded machine one has
# been seen failing to open a display that answered: it is started again when it gives up.
start_desktop() {
    wait_for "the X server" xdpyinfo
    local manager
    for _ in 1 2 3; do
        openbox >"$scratch/openbox.log" 2>&1 &
        manager=$!
        started_pids+=("$manager")
        for _ in $(seq 300); do
            window_manager_ready 2>/dev/null && return 0
            kill -0 "$manager" 2>/dev/null || break
            sleep 0.1
        done
        sleep 1
    done
    fail "the window manager did not start"
}

# Starts the program and sets WINDOW to its window, found by title. What it prints goes to program_log.
start_program() {
    program_log=$(mktemp -p "$scratch")
    "$@" >"$program_log" 2>&1 &
    program_pid=$!
    started_pids+=("$program_pid")
    wait_for "the window" xdotool search --onlyvisible --name "^${TITLE}\$"
    WINDOW=$(xdotool search --onlyvisible --name "^${TITLE}\$" | head -n 1)
    wait_for "the window to be active" activate_window
}

# Asks for the window to be active until the window manager says it is; on a loaded machine the first
# request can come before the window manager has taken the window in.
activate_window() {
    [ "$(xdotool getactivewindow 2>/dev/null)" = "$WINDOW" ] && return 0
    xdotool windowactivate "$WINDOW" 2>/dev/null
    return 1
}

# Closes WINDOW with Alt+F4 as a user would. A window that has only just appeared can miss the first press
# (seen under Wine on a loaded machine), so the keys are pressed again while the window stays.
close_window() {
    for _ in 1 2 3; do
        wait_for "the window to be active" activate_window
        xdotool key --clearmodifiers alt+F4
        for _ in $(seq 50); do
            xdotool search --onlyvisible --name "^${TITLE}\$" | grep -qx "$WINDOW" || return 0
            sleep 0.1
        done
    done
    fail "Alt+F4 did not close the window"
}

# Clicks at a point given in the window's client coordinates, in the layout's pixels; SCALE is the
# window's device pixel ratio.
click_at() {
    xdotool mousemove --window "$WINDOW" $(($1 * ${SCALE:-1})) $(($2 * ${SCALE:-1})) click 1
}

type_into() {
    click_at "$1" "$2"
    xdotool key --clearmodifiers ctrl+a BackSpace
    xdotool type --delay 20 "$3"
}

# The caption of a minimized window: a tactical time with German month names.
caption_is_tactical() {
    [[ "$(xdotool getwindowname "$WINDOW")" =~ ^[0-3][0-9][0-2][0-9][0-5][0-9](jan|feb|mär|apr|mai|jun|jul|aug|sep|okt|nov|dez)[0-9][0-9]$ ]]
}

# True once no taktzeit-clipboard runs (a zombie, left to a reaper that does not reap, is none).
no_clipboard_owner() {
    [ -z "$(ps -eo stat=,args= | awk '$1 !~ /^Z/ && $2 == "taktzeit-clipboard"')" ]
}

# Bounded: an owner that hangs would keep xclip waiting for ever.
clipboard() {
    timeout 5 xclip -o -selection clipboard 2>/dev/null
}

# Puts a text on an X selection (clipboard or primary), held by an xclip that runs until the end of the
# test. Taking the selection over from its previous owner can race on a loaded machine, so it is tried a
# few times.
set_selection() {
    for _ in 1 2 3; do
        printf '%s' "$2" | xclip -quiet -selection "$1" -i >/dev/null 2>&1 &
        started_pids+=($!)
        for _ in $(seq 30); do
            [ "$(xclip -o -selection "$1" 2>/dev/null)" = "$2" ] && return 0
            sleep 0.1
        done
        kill "${started_pids[-1]}" 2>/dev/null || true
    done
    fail "the $1 selection does not take '$2'; it holds '$(xclip -o -selection "$1" 2>/dev/null)'"
}

set_clipboard() {
    set_selection clipboard "$1"
}

# The upper conversion of a typed time and date, and its copy to the clipboard.
convert_and_copy() {
    type_into "${TIME_INPUT[@]}" "16:38:53"
    type_into "${DATE_INPUT[@]}" "14.10.2009"
    click_at "${TO_TACTICAL_BUTTON[@]}"
    click_at "${COPY_BUTTON[@]}"
    wait_for "the copied result" eval '[ "$(clipboard)" = 141638okt09 ]'
    echo "ok: 16:38:53 on 14.10.2009 converted and copied as 141638okt09"
}

# The time and date the lower conversion shows, separated by a space.
normal_result() {
    echo "$(field_text "${TIME_RESULT[@]}") $(field_text "${DATE_RESULT[@]}")"
}

minimize() {
    xdotool windowminimize --sync "$WINDOW"
    wait_for "the tactical time in the caption" caption_is_tactical
    echo "ok: minimized caption is $(xdotool getwindowname "$WINDOW")"
}

restore() {
    xdotool windowactivate --sync "$WINDOW"
    wait_for "the title back" eval '[ "$(xdotool getwindowname "$WINDOW")" = "$TITLE" ]'
    echo "ok: restored caption is the title"
}

# The message box bears the window's title; prints its id.
message_box() {
    xdotool search --onlyvisible --name "^${TITLE}\$" | grep -vx "$WINDOW"
}

# Waits for a message box and closes it with Enter.
answer_message() {
    wait_for "the message" message_box
    xdotool windowactivate --sync "$(message_box)" key --clearmodifiers Return
    wait_for "the message to close" eval '! message_box'
}

# The text of a field, read by selecting it as a user would: a Qt field gives its selection to the X
# primary selection, which leaves the clipboard and any paste in flight alone; under Wine
# (FIELD_SELECTION=clipboard) it is copied to the clipboard. The selection holds a marker first, so a
# selection or copy that does not happen fails instead of giving what was there before.
FIELD_SELECTION=${FIELD_SELECTION:-primary}
field_text() {
    local marker="(vor dem Kopieren)" text
    set_selection "$FIELD_SELECTION" "$marker"
    # Selected and copied again where a loaded machine let the keys arrive before the click had taken effect,
    # or Wine was slow to take the X clipboard for the copy.
    for _ in 1 2 3 4 5 6; do
        wait_for "the window to be active" activate_window
        click_at "$1" "$2"
        if [ "$FIELD_SELECTION" = clipboard ]; then
            xdotool key --clearmodifiers ctrl+a ctrl+c
        else
            xdotool key --clearmodifiers ctrl+a
        fi
        for _ in $(seq 30); do
            text=$(xclip -o -selection "$FIELD_SELECTION" 2>/dev/null)
            [ "$text" != "$marker" ] && { printf '%s\n' "$text"; return 0; }
            sleep 0.1
        done
    done
    fail "selecting the field at $1,$2 left the $FIELD_SELECTION selection as it was"
}
