#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the README's screenshots of the four windows under Xvfb at 1280 x 800, by playing the
# program as a pupil would: docs/title.png, docs/menu.png, docs/wordsearch.png, docs/memory.png.
# Usage: tools/screenshots.sh [build folder]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}

tools/install-missing.sh imagemagick xvfb xauth xdotool

if [ "${IN_XVFB:-}" = 1 ]; then
  (cd "$build" && exec ./zibaldo) &
  pid=$!
  trap 'kill "$pid" 2>/dev/null' EXIT
  shot() { sleep "${2:-1}"; xdotool mousemove 1279 799; sleep 0.2; import -window root "docs/$1.png"; }
  timeout 20 xdotool search --sync --onlyvisible --class zibaldo >/dev/null
  shot title
  xdotool mousemove 640 700 click 1 # anywhere on the title window
  shot menu
  xdotool mousemove 640 77 click 1 # Crucipuzzle: the menu's column is centred, scale 1.72
  shot wordsearch
  xdotool mousemove 20 10 click 1 # Esci, in the menu bar
  sleep 1
  box=$(xdotool search --onlyvisible --class zibaldo | tail -n 1)
  xdotool windowfocus --sync "$box" key Return # Yes, back to the menu
  sleep 1
  xdotool mousemove 640 180 click 1 # Memory
  sleep 1
  xdotool mousemove 243 113 click 1 mousemove 402 257 click 1 # two cards, up for 1.5 s
  shot memory 0.3
  exit 0
fi

# From a display number of its own: one a server has just left may not be free yet.
IN_XVFB=1 xvfb-run -a -n $((100 + RANDOM % 800)) -s "-screen 0 1280x800x24" "$0" "$build"
echo "written: docs/title.png docs/menu.png docs/wordsearch.png docs/memory.png"
