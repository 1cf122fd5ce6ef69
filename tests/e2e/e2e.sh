#!/bin/bash
# Runs an end-to-end script against the built program on a private, throw-away X display.
# Usage: e2e.sh SCRIPT PROGRAM [ARGS...]
set -euo pipefail
exec xvfb-run --auto-servernum --server-args="-screen 0 1280x1024x24 -nolisten tcp" "$@"
