#!/bin/bash
# Runs a Windows test program under Wine on a private X display with a window manager; its exit status is
# the test's. Usage: tests/windows/run.sh PROGRAM   (WINEPREFIX names the prefix, made on first use)
set -euo pipefail
if [ -z "${TAKTZEIT_E2E_DISPLAY:-}" ]; then
    exec env TAKTZEIT_E2E_DISPLAY=1 "$(dirname "$0")/../e2e/private_display.sh" "$0" "$@"
fi
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../e2e/desktop.sh"
source "$here/wine.sh"
start_desktop
prepare_prefix
"${wine_run[@]}" "$1"
