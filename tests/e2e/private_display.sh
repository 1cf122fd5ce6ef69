#!/bin/bash
# Runs a command on a private, throw-away X display: every test, benchmark and tool that needs one starts it
# here. TAKTZEIT_SCREEN sets the screen (default 1280x1024x24).
# Usage: private_display.sh COMMAND [ARGS...]
set -euo pipefail
exec xvfb-run --auto-servernum --server-args="-screen 0 ${TAKTZEIT_SCREEN:-1280x1024x24} -nolisten tcp" "$@"
