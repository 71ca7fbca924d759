#!/usr/bin/env bash
# Starts Norvane in the prepared program folder on a virtual display and
# saves a picture of the screen.
#
#   scripts/screenshot.sh [OUT.png]     (default: doc/screenshot.png)
#   SCREENSHOT_LANG=ar_EG.UTF-8 scripts/screenshot.sh doc/screenshot-ar.png   (the window in Arabic)
set -euo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
OUT=$(realpath -m "${1:-$ROOT/doc/screenshot.png}")
DISPLAY_NUMBER=${SCREENSHOT_DISPLAY:-:97}

Xvfb "$DISPLAY_NUMBER" -screen 0 800x700x24 >/dev/null 2>&1 &
XVFB=$!
trap 'kill $NORVANE $XVFB 2>/dev/null || true' EXIT
sleep 1
cd "$ROOT/dist"
DISPLAY=$DISPLAY_NUMBER LANGUAGE= LANG=${SCREENSHOT_LANG:-${LANG:-C.UTF-8}} ./norvane &
NORVANE=$!
sleep "${SCREENSHOT_WAIT:-4}"
# Answer the boxes shown at start-up (no CD writer on this machine, say),
# then wait for the main window.
for _ in 1 2 3 4 5; do
  DISPLAY=$DISPLAY_NUMBER xdotool search --onlyvisible --name "^Norvane :: Kelstrom$" >/dev/null 2>&1 && break
  DISPLAY=$DISPLAY_NUMBER xdotool key Return >/dev/null 2>&1 || true
  sleep 1
done
# The window is 660 x 580, or a little wider in a language that needs it.
SIZE=$(DISPLAY=$DISPLAY_NUMBER xdotool search --onlyvisible --name "^Norvane :: Kelstrom$" getwindowgeometry 2>/dev/null |
  awk '/Geometry/ { print $2 }' | head -1)
DISPLAY=$DISPLAY_NUMBER import -window root -crop "${SIZE:-660x580}+0+0" "$OUT"
echo "screenshot: $OUT"
