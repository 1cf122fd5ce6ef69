#!/bin/bash
# Takes docs/screenshot.png: the real window on a private X display, after a typical conversion.
# Usage: tools/screenshot.sh [program] [output]   (run inside xvfb-run by itself when no display is given)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
program=${1:-$root/build/taktzeit}
output=${2:-$root/docs/screenshot.png}
if [ -z "${TAKTZEIT_SCREENSHOT_DISPLAY:-}" ]; then
    exec env TAKTZEIT_SCREENSHOT_DISPLAY=1 xvfb-run --auto-servernum \
        --server-args="-screen 0 1024x768x24 -nolisten tcp" "$0" "$program" "$output"
fi
source "$root/tests/e2e/desktop.sh"

start_desktop
start_program "$program"
type_into 180 113 "16:38:53"
type_into 180 145 "14.10.2009"
click_at 332 148
type_into 180 273 "010900mar2010"
click_at 332 308
xdotool mousemove --window "$WINDOW" 470 60
sleep 1.5
import -window "$WINDOW" -frame "$output"
echo "wrote $output"
