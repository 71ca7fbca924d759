#!/usr/bin/env bash
# Sets everything up (see setup.sh) and starts Norvane in its program folder
# on the demo packs.
set -euo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$ROOT/scripts/setup.sh" --programs-only
cd "$ROOT/dist"
echo "run: installed packs:"
ls -1 quran
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "run: no display found; starting Norvane on a virtual display (Xvfb)."
  echo "run: scripts/screenshot.sh shows what it looks like."
  exec xvfb-run -a -s "-screen 0 1024x768x24" ./norvane
fi
exec ./norvane
