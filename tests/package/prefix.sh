#!/usr/bin/env bash
# An install into a scratch prefix, as `cmake --install BUILD --prefix P`
# and the portable component make it, holds the demo packs where the .deb
# puts them (share/norvane/quran; quran/ in the program folder), and the
# installed programs find them there: norvane-pack lists a pack's ayas and
# norvane-make info plays sura 78 from it, with no XDG folder naming it.
#   prefix.sh BUILD_DIR
set -uo pipefail
BUILD=$1
SCRATCH=$(mktemp -d "${TMPDIR:-/tmp}/norvane-prefix.XXXXXX")
trap 'rm -rf "$SCRATCH"' EXIT

passed=0
failed=0
check() {  # check WHAT COMMAND...
  local what=$1
  shift
  if "$@"; then passed=$((passed + 1)); echo "ok: $what"; else failed=$((failed + 1)); echo "FAILED: $what"; fi
}

SYSTEM="$SCRATCH/system" PORTABLE="$SCRATCH/portable"
cmake --install "$BUILD" --prefix "$SYSTEM" >"$SCRATCH/install.log" 2>&1 || cat "$SCRATCH/install.log"
cmake --install "$BUILD" --prefix "$PORTABLE" --component portable >>"$SCRATCH/install.log" 2>&1 || cat "$SCRATCH/install.log"
for pack in s001_s002.mat s078_s114.mat; do
  check "the prefix holds share/norvane/quran/$pack" [ -s "$SYSTEM/share/norvane/quran/$pack" ]
  check "the program folder holds quran/$pack" [ -s "$PORTABLE/quran/$pack" ]
done

# norvane-pack list: one line per entry, 078.001.mp3 among them with a length.
lists_aya() { "$1" list "$2" >"$SCRATCH/list.log" && grep -Eq '^078\.001\.mp3[[:space:]].*[1-9]' "$SCRATCH/list.log"; }
check "norvane-pack list reads the installed pack" lists_aya "$SYSTEM/bin/norvane-pack" "$SYSTEM/share/norvane/quran/s078_s114.mat"

export HOME="$SCRATCH/home" XDG_DATA_HOME="$SCRATCH/data" XDG_CONFIG_HOME="$SCRATCH/config"
export XDG_DATA_DIRS="$SCRATCH/none" TMPDIR="$SCRATCH/tmp"
mkdir -p "$HOME" "$TMPDIR" "$SCRATCH/work"
cd "$SCRATCH/work"
printf '078,001,1,0,0,0\n078,002,2,1,0,0\n' >plan.qap
# norvane-make info counts a recording it cannot find as 0 s and says so.
plays() { "$@" info plan.qap >"$SCRATCH/info.log" 2>&1 && grep -q '078\.001' "$SCRATCH/info.log" &&
          ! grep -q 'no recording' "$SCRATCH/info.log"; }
check "the installed norvane-make plays sura 78 from the installed pack" plays "$SYSTEM/bin/norvane-make"
check "the portable norvane-make plays sura 78 from its quran/" plays "$PORTABLE/norvane-make" --dir "$PORTABLE"
[ "$failed" -eq 0 ] || cat "$SCRATCH/info.log"
echo "prefix: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
