#!/usr/bin/env bash
# Installs what Norvane needs (only what is missing), builds it (the demo
# packs too) and prepares the ready program folder dist/: the programs, the
# user guide, img.dat and the demo packs in dist/quran.
#
#   scripts/setup.sh                   release build in build/, folder in dist/
#   scripts/setup.sh --programs-only   the same, without building tests and benchmarks
# Extra CMake options may come in NORVANE_CMAKE_OPTIONS (the test script turns
# warnings into errors there).
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD="$ROOT/build"
DIST="$ROOT/dist"

# shellcheck source=scripts/packages.sh
source "$ROOT/scripts/packages.sh"

TARGETS=()
[ "${1:-}" = "--programs-only" ] && TARGETS=(--target norvane norvane-pack norvane-make joinwav norvane-data norvane-demo-packs)

build() {
  # shellcheck disable=SC2086
  cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo ${NORVANE_CMAKE_OPTIONS:-} >/dev/null
  cmake --build "$BUILD" -j"$(nproc)" "${TARGETS[@]}"
}

prepare_folder() {
  # The portable layout: programs, img.dat and the demo packs (made by the
  # build) and the guide (see packaging/CMakeLists.txt).
  cmake --install "$BUILD" --prefix "$DIST" --component portable >/dev/null
}

install_missing
build
prepare_folder
echo "setup: program folder ready in $DIST"
