#!/usr/bin/env bash
# Sets up and builds the calculator if needed, then starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display: starting the calculator on a virtual screen (xvfb-run)."
    exec xvfb-run -a -s "-screen 0 1280x1024x24" build/src/greenguide
fi
exec build/src/greenguide
