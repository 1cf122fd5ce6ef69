#!/bin/bash
# Runs the end-to-end scenario against the built program on a private, throw-away X display.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
exec xvfb-run --auto-servernum --server-args="-screen 0 1280x1024x24 -nolisten tcp" \
    "$here/scenario.sh" "$1"
