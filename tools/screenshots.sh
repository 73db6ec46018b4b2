#!/usr/bin/env bash
# Takes the README's screenshots of the program under Xvfb: docs/title.png.
# Usage: tools/screenshots.sh [build folder]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}

tools/install-missing.sh imagemagick xvfb xauth xdotool

if [ "${IN_XVFB:-}" = 1 ]; then
  (cd "$build" && ./zibaldo) &
  pid=$!
  timeout 20 xdotool search --sync --onlyvisible --class zibaldo >/dev/null
  sleep 1
  import -window root docs/title.png
  kill "$pid"
  exit 0
fi

IN_XVFB=1 xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$build"
echo "written: docs/title.png"
