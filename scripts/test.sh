#!/usr/bin/env bash
# Sets everything up (see setup.sh) and runs every test: once in the release
# build, once in a build with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# Warnings in the project's own code fail the build here.
export NORVANE_CMAKE_OPTIONS="-DNORVANE_WERROR=ON"
"$ROOT/scripts/setup.sh"

echo "test: release build"
ctest --test-dir "$ROOT/build" --output-on-failure -j2

echo "test: sanitizer build"
SAN="$ROOT/build-sanitize"
cmake -S "$ROOT" -B "$SAN" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DNORVANE_SANITIZE=ON -DNORVANE_WERROR=ON >/dev/null
cmake --build "$SAN" -j"$(nproc)"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
ctest --test-dir "$SAN" --output-on-failure -j2
