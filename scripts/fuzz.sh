#!/usr/bin/env bash
# Runs one fuzz target with libFuzzer for a while.
#
#   scripts/fuzz.sh TARGET SECONDS     TARGET: pack mp3len playlist settings drivescan image
#                                      import trackplan joinwav
#
# Builds the project with clang and libFuzzer in build-fuzz/ (installing
# clang and its runtime when missing), then fuzzes from the seeds in
# tests/fuzz/corpus/TARGET. New inputs it finds go to build-fuzz/corpus/TARGET;
# an input that crashes is written as build-fuzz/crash-*: once the fault is
# mended, copy it into tests/fuzz/corpus/TARGET so that the tests replay it.
# A dictionary tests/fuzz/TARGET.dict, where there is one, gives libFuzzer
# the words of the format (markers and punctuation it would hardly guess).
set -euo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
TARGET=${1:?usage: scripts/fuzz.sh TARGET SECONDS}
SECONDS_TO_RUN=${2:?usage: scripts/fuzz.sh TARGET SECONDS}
BUILD="$ROOT/build-fuzz"

missing=()
for p in clang libclang-rt-14-dev; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
fi

cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNORVANE_FUZZ=ON \
  -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$BUILD" --target "fuzz_$TARGET"
mkdir -p "$BUILD/corpus/$TARGET"
cd "$BUILD"
export QT_QPA_PLATFORM=offscreen
dict=()
[ -f "$ROOT/tests/fuzz/$TARGET.dict" ] && dict=(-dict="$ROOT/tests/fuzz/$TARGET.dict")
ASAN_OPTIONS=detect_leaks=1:halt_on_error=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  "$BUILD/bin/fuzz_$TARGET" -max_total_time="$SECONDS_TO_RUN" -print_final_stats=1 \
  -rss_limit_mb=4096 "${dict[@]}" "$BUILD/corpus/$TARGET" "$ROOT/tests/fuzz/corpus/$TARGET"
