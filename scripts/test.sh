#!/usr/bin/env bash
# Sets up and builds the calculator if needed, then runs the whole test suite without a display.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
ctest --test-dir build --output-on-failure --timeout 600
