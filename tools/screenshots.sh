#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the README's screenshots of the windows under Xvfb at 1280 x 800, by playing the program
# as a pupil would: docs/title.png, docs/menu.png, docs/wordsearch.png, docs/memory.png,
# docs/compose.png (at "Medio", where the tiles tempt); then each game in each letter form and at
# each level, chosen through the settings a school would write: docs/<game>-<letters>-<level>.png.
# Usage: tools/screenshots.sh [build folder]
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/x-windows.sh
build=${1:-build}

tools/install-missing.sh imagemagick xvfb xauth xdotool

shot() { sleep "${2:-1}"; xdotool mousemove 1279 799; sleep 0.2; import -window root "docs/$1.png"; }

# One game, $1 (crucipuzzle, memory or componi) at the menu's height $2, in letters $3 at level $4.
class_shot() {
  local config
  config=$(mktemp -d)
  mkdir "$config/zibaldo"
  printf '[%s]\nlettere=%s\nlivello=%s\n' "$1" "$3" "$4" >"$config/zibaldo/zibaldo.conf"
  (cd "$build" && XDG_CONFIG_HOME=$config exec ./zibaldo --senza-voce) &
  local pid=$!
  first_window_within 20 --class zibaldo >/dev/null
  sleep 1
  xdotool mousemove 640 700 click 1
  sleep 1
  xdotool mousemove 640 "$2" click 1
  if [ "$1" = memory ]; then
    sleep 1
    xdotool mousemove 560 300 click 1 mousemove 720 300 click 1 # two cards, up for 1.5 s
    shot "$1-$3-$4" 0.3
  else
    shot "$1-$3-$4" 1.5
  fi
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  rm -rf "$config"
}

if [ "${IN_XVFB:-}" = 2 ]; then
  for letters in maiuscolo minuscolo corsivo; do class_shot crucipuzzle 77 "$letters" difficile; done
  for level in facile medio; do class_shot crucipuzzle 77 minuscolo "$level"; done
  for letters in lista maiuscolo minuscolo corsivo; do class_shot memory 180 "$letters" difficile; done
  for level in facile medio; do class_shot memory 180 corsivo "$level"; done
  for letters in maiuscolo minuscolo corsivo; do class_shot componi 269 "$letters" difficile; done
  for level in facile medio; do class_shot componi 269 minuscolo "$level"; done
  exit 0
fi

if [ "${IN_XVFB:-}" = 1 ]; then
  # The design's own choices, whatever this machine's user chose; Componi la parola at "Medio".
  XDG_CONFIG_HOME=$(mktemp -d)
  export XDG_CONFIG_HOME
  mkdir "$XDG_CONFIG_HOME/zibaldo"
  printf '[componi]\nlivello=medio\n' >"$XDG_CONFIG_HOME/zibaldo/zibaldo.conf"
  (cd "$build" && exec ./zibaldo) &
  pid=$!
  trap 'kill "$pid" 2>/dev/null' EXIT
  first_window_within 20 --class zibaldo >/dev/null
  shot title
  xdotool mousemove 640 700 click 1 # anywhere on the title window
  shot menu
  xdotool mousemove 640 77 click 1 # Crucipuzzle: the menu's column is centred, scale 1.72
  shot wordsearch
  xdotool mousemove 20 10 click 1 # Esci, in the menu bar
  sleep 1
  box=$(visible_windows --class zibaldo | tail -n 1)
  xdotool windowfocus --sync "$box" key Return # Yes, back to the menu
  sleep 1
  xdotool mousemove 640 180 click 1 # Memory
  sleep 1
  xdotool mousemove 243 113 click 1 mousemove 402 257 click 1 # two cards, up for 1.5 s
  shot memory 0.3
  sleep 1.5
  xdotool mousemove 20 10 click 1 # Esci
  sleep 1
  box=$(visible_windows --class zibaldo | tail -n 1)
  xdotool windowfocus --sync "$box" key Return
  sleep 1
  xdotool mousemove 640 269 click 1 # Componi la parola
  shot compose 1.5
  exit 0
fi

# From a display number of its own: one a server has just left may not be free yet.
IN_XVFB=1 xvfb-run -a -n $((100 + RANDOM % 800)) -s "-screen 0 1280x800x24" "$0" "$build"
IN_XVFB=2 xvfb-run -a -n $((100 + RANDOM % 800)) -s "-screen 0 1280x800x24" "$0" "$build"
echo "written: docs/title.png docs/menu.png docs/wordsearch.png docs/memory.png docs/compose.png and docs/crucipuzzle-*.png docs/memory-*.png docs/componi-*.png"
