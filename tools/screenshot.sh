#!/bin/bash
# Takes docs/screenshot.png: the real window on a private X display, after a typical conversion.
# Usage: tools/screenshot.sh [program] [output]
# With SCALE=2 it shows the window at a device pixel ratio of 2 (docs/screenshot-scale2.png).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export SCALE=${SCALE:-1}
program=${1:-$root/build/taktzeit}
default_output=$root/docs/screenshot.png
[ "$SCALE" = 1 ] || default_output=$root/docs/screenshot-scale$SCALE.png
output=${2:-$default_output}
if [ -z "${TAKTZEIT_SCREENSHOT_DISPLAY:-}" ]; then
    "$root/scripts/install-dependencies" test screenshot
    exec env TAKTZEIT_SCREENSHOT_DISPLAY=1 QT_SCALE_FACTOR="$SCALE" TAKTZEIT_SCREEN=1920x1200x24 \
        "$root/tests/e2e/private_display.sh" "$0" "$program" "$output"
fi
source "$root/tests/e2e/desktop.sh"

start_desktop
start_program "$program"
type_into 180 113 "16:38:53"
type_into 180 145 "14.10.2009"
click_at 332 148
type_into 180 273 "010900mar2010"
click_at 332 308
xdotool mousemove --window "$WINDOW" 0 0
sleep 1.5
import -window "$WINDOW" -frame "$output"
echo "wrote $output"
