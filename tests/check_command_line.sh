#!/bin/bash
# The real program's command line with no display: what it prints, and the exit status a script sees.
# Usage: check_command_line.sh PROGRAM   (run without DISPLAY and WAYLAND_DISPLAY)
set -euo pipefail
program=$1
now=$("$program" --jetzt)
[[ "$now" =~ ^[0-3][0-9][0-2][0-9][0-5][0-9](jan|feb|mär|apr|mai|jun|jul|aug|sep|okt|nov|dez)[0-9][0-9]$ ]] \
    || { echo "FAIL: taktzeit --jetzt printed '$now'"; exit 1; }
echo "ok: taktzeit --jetzt without a display printed $now"
for mode in --jetzt "--normal 141638okt09"; do
    # shellcheck disable=SC2086
    loaded=$(LD_DEBUG=libs "$program" $mode 2>&1 >/dev/null | sed -n 's/.*calling init: //p' | sort -u | tr '\n' ' ')
    [[ "$loaded" != *Qt* && "$loaded" != *xcb* ]] || { echo "FAIL: taktzeit $mode loads $loaded"; exit 1; }
    echo "ok: taktzeit $mode loads only $loaded"
done

# expect ZONE STATUS OUTPUT ARGUMENTS...: the program, run in the time zone, prints OUTPUT and ends with STATUS.
expect() {
    local zone=$1 status=$2 output=$3 printed ended=0
    shift 3
    printed=$(TZ=$zone "$program" "$@" 2>/dev/null) || ended=$?
    [ "$ended" = "$status" ] && [ "$printed" = "$output" ] \
        || { echo "FAIL: taktzeit $* in $zone printed '$printed' and ended with $ended"; exit 1; }
    echo "ok: taktzeit $* in $zone: '$printed', status $ended"
}
expect Europe/Berlin 0 141638Bokt09 --taktisch 16:38 14.10.2009 --zone
expect Europe/Berlin 0 141438Zokt09 --taktisch 16:38 14.10.2009 --zone=Z
expect Europe/Berlin 0 "16:38 14.10.09" --normal 141438Zokt09
expect Europe/Berlin 1 "" --normal 142438okt09
expect Asia/Kolkata 1 "" --jetzt --zone
expect Europe/Berlin 2 "" --zone=Z
expect Europe/Berlin 1 "" --kopieren
expect Europe/Berlin 1 "" --tippen
