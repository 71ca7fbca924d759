#!/usr/bin/env bash
# Norvane's Debian package used as a user gets it. Builds the .deb with
# scripts/package.sh (which also validates the desktop entry, the AppStream
# metadata and the manual pages, and fails on lintian errors), unpacks it with
# dpkg -x into a scratch folder (nothing is installed on the machine) and runs
# the unpacked programs with a scratch HOME, XDG folders and TMPDIR:
#   - the package holds the system layout and declares what it needs;
#   - norvane-pack import FOLDER, with no destination, writes the user's packs
#     into $XDG_DATA_HOME/norvane/quran;
#   - norvane-make info sees both the user's pack and the installed demo pack,
#     and takes the user's recording for a sura both hold;
#   - norvane-make mp3 and toc make their files (lame, and joinwav from the
#     package's libexec folder) and leave nothing in TMPDIR;
#   - the window starts (offscreen) and finds img.dat and the guide;
#   - the programs find the installed files relative to their own folder, so
#     they work with no XDG data folder naming the tree;
#   - nothing of this writes anything inside the unpacked tree.
set -uo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
SCRATCH=$(mktemp -d "${TMPDIR:-/tmp}/norvane-package.XXXXXX")
trap 'rm -rf "$SCRATCH"' EXIT

passed=0
failed=0
check() {  # check WHAT COMMAND...: runs COMMAND, counts and reports the outcome
  local what=$1
  shift
  if "$@"; then
    passed=$((passed + 1))
    echo "ok: $what"
  else
    failed=$((failed + 1))
    echo "FAILED: $what"
  fi
}
finish() {
  echo "package: $passed passed, $failed failed"
  [ "$failed" -eq 0 ] && exit 0
  exit 1
}

# --- The package -------------------------------------------------------------

if ! bash "$ROOT/scripts/package.sh" >"$SCRATCH/package.log" 2>&1; then
  cat "$SCRATCH/package.log"
  check "scripts/package.sh builds the package and its checks pass" false
  finish
fi
check "scripts/package.sh builds the package and its checks pass" true
DEB=$(tail -n 1 "$SCRATCH/package.log")
echo "package: $DEB"

ROOTFS="$SCRATCH/root"
dpkg -x "$DEB" "$ROOTFS"
USR="$ROOTFS/usr"
APP=org.norvane.Norvane

has_files() {
  local missing=0 f
  for f in "$@"; do
    [ -s "$USR/$f" ] || { echo "  missing: usr/$f"; missing=1; }
  done
  return $missing
}
check "the package holds the programs, joinwav, img.dat, the demo packs and the docs" has_files \
  bin/norvane bin/norvane-pack bin/norvane-make libexec/norvane/joinwav \
  share/norvane/img.dat share/norvane/quran/s001_s002.mat share/norvane/quran/s078_s114.mat \
  share/doc/norvane/norvane-guide.html share/doc/norvane/copyright share/doc/norvane/changelog.gz \
  share/man/man1/norvane.1.gz share/man/man1/norvane-pack.1.gz share/man/man1/norvane-make.1.gz
check "the package holds the desktop entry, the metadata and the icons" has_files \
  share/applications/$APP.desktop share/metainfo/$APP.metainfo.xml \
  share/icons/hicolor/scalable/apps/$APP.svg share/icons/hicolor/48x48/apps/$APP.png \
  share/icons/hicolor/128x128/apps/$APP.png share/icons/hicolor/256x256/apps/$APP.png

icon_sizes_match() {
  local size
  for size in 48 128 256; do
    file "$USR/share/icons/hicolor/${size}x${size}/apps/$APP.png" | grep -q "PNG image data, $size x $size," || return 1
  done
}
check "each PNG icon has the size its folder names" icon_sizes_match

field() { dpkg-deb -f "$DEB" "$1"; }
check "Depends names lame and the Qt libraries dpkg-shlibdeps found" \
  bash -c '[[ $0 =~ (^|[ ,])lame($|[ ,]) && $0 == *libqt6widgets6* && $0 == *libqt6gui6* ]]' "$(field Depends)"
check "Recommends cdrdao, section sound" \
  bash -c '[[ $0 == *cdrdao* && $1 == sound ]]' "$(field Recommends)" "$(field Section)"
check "the programs report the package's version" \
  bash -c '[ "$("$1/bin/norvane" --version)" = "norvane $2" ] &&
           [ "$("$1/bin/norvane-pack" --version)" = "norvane-pack $2" ] &&
           [ "$("$1/bin/norvane-make" --version)" = "norvane-make $2" ]' _ "$USR" "$(field Version)"

# --- The unpacked programs, with a scratch home ----------------------------------

listing() { (cd "$ROOTFS" && find . -printf '%p %y %s %m %T@\n' | sort); }
listing >"$SCRATCH/tree-before"

export HOME="$SCRATCH/home"
export XDG_CONFIG_HOME="$SCRATCH/config" XDG_CONFIG_DIRS="$SCRATCH/etc-xdg"
export XDG_DATA_HOME="$SCRATCH/data" XDG_DATA_DIRS="$USR/share:$SCRATCH/share"
export XDG_CACHE_HOME="$SCRATCH/cache" XDG_RUNTIME_DIR="$SCRATCH/runtime"
export TMPDIR="$SCRATCH/tmp"
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_CONFIG_DIRS" "$XDG_DATA_HOME" "$SCRATCH/share" \
  "$XDG_CACHE_HOME" "$XDG_RUNTIME_DIR" "$TMPDIR" "$SCRATCH/work"
chmod 700 "$XDG_RUNTIME_DIR"
cd "$SCRATCH/work"
BIN="$USR/bin"
tmpdir_empty() { [ -z "$(find "$TMPDIR" -mindepth 1 -print -quit)" ]; }

# The user's own recitation of sura 1: ten seconds of silence per aya, far
# longer than any of the demo pack's spoken numbers, so the playing times
# tell whose recording was used.
little_endian() {  # VALUE BYTES
  local i
  for ((i = 0; i < $2; i++)); do printf "\\x$(printf %02x $((($1 >> (8 * i)) & 255)))"; done
}
silent_wav() {  # FILE SECONDS: 22050 Hz, mono, 16 bits
  local bytes=$((22050 * 2 * $2))
  {
    printf 'RIFF'; little_endian $((36 + bytes)) 4; printf 'WAVEfmt '; little_endian 16 4
    little_endian 1 2; little_endian 1 2; little_endian 22050 4; little_endian 44100 4
    little_endian 2 2; little_endian 16 2; printf 'data'; little_endian "$bytes" 4
    head -c "$bytes" /dev/zero
  } >"$1"
}
mkdir -p "$SCRATCH/recitation"
silent_wav "$SCRATCH/silence.wav" 10
for aya in 1 2 3 4 5 6 7; do
  lame --silent -b 32 "$SCRATCH/silence.wav" "$SCRATCH/recitation/$(printf '001%03d' "$aya").mp3"
done
"$BIN/norvane-pack" import "$SCRATCH/recitation" >"$SCRATCH/import.log" 2>&1
import_status=$?
check "norvane-pack import FOLDER succeeds (status $import_status)" [ $import_status -eq 0 ]
check "the imported pack lies in \$XDG_DATA_HOME/norvane/quran" \
  "$BIN/norvane-pack" verify "$XDG_DATA_HOME/norvane/quran/s001_s002.mat"

printf '001,001,1,0,0,0\n001,002,1,0,0,0\n078,001,1,0,0,0\n' >plan.qap
"$BIN/norvane-make" info plan.qap >"$SCRATCH/info.log" 2>&1
info_status=$?
cat "$SCRATCH/info.log"
check "norvane-make info PLAYLIST succeeds (status $info_status)" [ $info_status -eq 0 ]
# A track line: "  1  Al-Fatiha.001   00:10:00  001.001 x1 pause 0" (minutes:seconds:frames).
track_seconds() {  # KEY [LOG]
  awk -v key="$1" '$4 == key { split($3, t, ":"); print t[1] * 60 + t[2]; found = 1 }
                   END { if (!found) print -1 }' "${2:-$SCRATCH/info.log}"
}
check "sura 1 plays the user's ten-second recordings" \
  bash -c '[ "$0" -ge 10 ] && [ "$1" -ge 10 ]' "$(track_seconds 001.001)" "$(track_seconds 001.002)"
check "sura 78 plays from the installed demo pack" \
  bash -c '[ "$0" -gt 0 ] && [ "$0" -lt 10 ]' "$(track_seconds 078.001)"

# make COMMAND EXTENSION: norvane-make COMMAND plan.qap into $SCRATCH/COMMAND
# succeeds, makes one file per track and leaves nothing in TMPDIR.
make_set() {
  "$BIN/norvane-make" "$1" plan.qap "$SCRATCH/$1" >"$SCRATCH/$1.log" 2>&1
  local status=$?
  check "norvane-make $1 succeeds (status $status)" [ $status -eq 0 ]
  check "norvane-make $1 makes one .$2 per track" \
    bash -c '[ "$(find "$0" -name "*.$1" -size +1k | wc -l)" -eq 3 ]' "$SCRATCH/$1" "$2"
  check "norvane-make $1 leaves nothing in TMPDIR" tmpdir_empty
}
mkdir "$SCRATCH/mp3"
make_set mp3 mp3
make_set toc wav  # joinwav from libexec
check "the CD folder holds quran.toc" [ -s "$SCRATCH/toc/quran.toc" ]

# The window runs until it is stopped; a status other than timeout's 124
# means it ended by itself.
QT_QPA_PLATFORM=offscreen timeout 6 "$BIN/norvane" >"$SCRATCH/window.out" 2>"$SCRATCH/window.err"
window_status=$?
check "the window keeps running until stopped (status $window_status)" [ $window_status -eq 124 ]
check "the window finds img.dat and the guide" bash -c '! grep "^norvane: missing " "$0"' "$SCRATCH/window.err"

# The tree is relocatable: with no XDG data folder naming it, the programs
# find the installed packs, img.dat and the guide relative to their own folder.
XDG_DATA_DIRS="$SCRATCH/share" "$BIN/norvane-make" info plan.qap >"$SCRATCH/info-moved.log" 2>&1
check "found relative to the program: norvane-make info finds the installed demo pack" \
  bash -c '[ "$0" -gt 0 ] && [ "$0" -lt 10 ]' "$(track_seconds 078.001 "$SCRATCH/info-moved.log")"
XDG_DATA_DIRS="$SCRATCH/share" QT_QPA_PLATFORM=offscreen timeout 6 "$BIN/norvane" >/dev/null 2>"$SCRATCH/window-moved.err"
window_status=$?
check "found relative to the program: the window runs (status $window_status) and finds img.dat and the guide" \
  bash -c '[ "$0" -eq 124 ] && ! grep "^norvane: missing " "$1"' "$window_status" "$SCRATCH/window-moved.err"

listing >"$SCRATCH/tree-after"
check "nothing was written inside the unpacked tree" diff "$SCRATCH/tree-before" "$SCRATCH/tree-after"

for log in import mp3 toc; do
  echo "--- the end of the $log log"
  tail -n 5 "$SCRATCH/$log.log"
done
echo "--- window's standard error"
cat "$SCRATCH/window.err"
finish
