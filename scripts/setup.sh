#!/usr/bin/env bash
# Installs what Norvane needs (only what is missing), builds it and prepares
# the ready program folder dist/: the programs, the user guide, img.dat and
# the demo packs in dist/quran.
#
#   scripts/setup.sh                   release build in build/, folder in dist/
#   scripts/setup.sh --programs-only   the same, without building tests and benchmarks
# Extra CMake options may come in NORVANE_CMAKE_OPTIONS (the test script turns
# warnings into errors there).
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD="$ROOT/build"
DIST="$ROOT/dist"

PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev zlib1g-dev libmpg123-dev libsndfile1-dev libsoxr-dev
  lame cdrdao espeak-ng fonts-dejavu-core python3-mutagen
  xvfb xauth imagemagick x11-utils xdotool
)

install_missing() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "setup: installing ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
}

TARGETS=()
[ "${1:-}" = "--programs-only" ] && TARGETS=(--target norvane norvane-pack norvane-make joinwav norvane-icons)

build() {
  # shellcheck disable=SC2086
  cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo ${NORVANE_CMAKE_OPTIONS:-} >/dev/null
  cmake --build "$BUILD" -j"$(nproc)" "${TARGETS[@]}"
}

prepare_folder() {
  cmake --install "$BUILD" --prefix "$DIST" >/dev/null
  if [ ! -s "$DIST/img.dat" ] || [ "$BUILD/bin/norvane-icons" -nt "$DIST/img.dat" ]; then
    "$BUILD/bin/norvane-icons" "$DIST/img.dat"
  fi
  mkdir -p "$DIST/quran"
  "$ROOT/scripts/make-demo-packs.sh" "$BUILD/bin" "$DIST/quran"
}

install_missing
build
prepare_folder
echo "setup: program folder ready in $DIST"
