#!/usr/bin/env bash
# Sets up and builds the calculator if needed, then runs the whole test suite without a display.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
ctest --test-dir build --output-on-failure --timeout 600

# The parsers' fuzz harnesses, in a build folder of their own (clang with ASan and UBSan), each
# run for a fixed budget; any crash, leak or sanitizer report fails.
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DENABLE_FUZZING=ON -DBUILD_TESTING=OFF -DBUILD_BENCHMARKS=OFF
cmake --build build-fuzz --target fuzzers
ctest --test-dir build-fuzz --output-on-failure --timeout 600
