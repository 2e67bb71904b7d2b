#!/usr/bin/env bash
# Sets up and builds the calculator (a Release build in build-release/) if needed, then starts
# it. Without a display it does the main job on the command line instead: the certificates of
# the example window schedule.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=build-release BUILD_TYPE=Release scripts/setup.sh -DBUILD_TESTING=OFF -DBUILD_BENCHMARKS=OFF
program=build-release/src/greenguide
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec "$program"
fi

out=out/example-certificates
echo "No display: the window cannot open here, so the command line makes the example schedule's certificates in $out/."
"$program" batch examples/window-schedule.csv -o "$out" --combined "$out/window-schedule.pdf"
echo
echo "Written to $out/: one certificate per window type (<ref>.pdf), summary.csv, and"
echo "window-schedule.pdf (a summary page, then every certificate)."
echo "Open them with a PDF viewer:  xdg-open $out/window-schedule.pdf"
echo "On a desktop, start the window with:  bash scripts/run.sh"
