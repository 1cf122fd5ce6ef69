#!/bin/bash
# The real program's command line with no display: --jetzt prints a tactical time and ends with 0.
# Usage: check_command_line.sh PROGRAM   (run without DISPLAY and WAYLAND_DISPLAY)
set -euo pipefail
now=$("$1" --jetzt)
[[ "$now" =~ ^[0-3][0-9][0-2][0-9][0-5][0-9](jan|feb|mär|apr|mai|jun|jul|aug|sep|okt|nov|dez)[0-9][0-9]$ ]] \
    || { echo "FAIL: taktzeit --jetzt printed '$now'"; exit 1; }
echo "ok: taktzeit --jetzt without a display printed $now"
