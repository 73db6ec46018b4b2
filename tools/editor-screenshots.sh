#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the README's screenshots of the list editor under Xvfb at 1280 x 800, by making a list as
# a teacher would: docs/editor-recording.png (her voice for "gatto" being recorded, from the
# tests' sound server, whose microphone hears a tone), docs/editor.png (words typed, some with the
# program's pictures, one without, one too long for the word search, two with a voice) and
# docs/editor-refused.png (a repeat refused); then a list
# written by hand, with a title line and no pictures, loaded from the menu:
# docs/list-attention.png (what needs mending) and docs/wordsearch-initials.png (each missing
# picture shows its word's initial).
# Usage: tools/editor-screenshots.sh [build folder]
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/x-windows.sh
build=${1:-build}

tools/install-missing.sh imagemagick xvfb xauth xdotool

shot() { sleep "${2:-1}"; xdotool mousemove 1279 799; sleep 0.2; import -window root "docs/$1.png"; }

if [ "${IN_XVFB:-}" = 1 ]; then
  XDG_CONFIG_HOME=$(mktemp -d)
  export XDG_CONFIG_HOME
  sound=$(mktemp -d)
  tests/audio/sound-server.sh start "$sound"
  export XDG_RUNTIME_DIR=$sound/runtime PULSE_RUNTIME_PATH=$sound/runtime/pulse
  (cd "$build" && exec ./zibaldo --senza-voce) &
  pid=$!
  trap 'kill "$pid" 2>/dev/null; tests/audio/sound-server.sh stop "$sound"' EXIT
  first_window_within 20 --class zibaldo >/dev/null
  sleep 1
  xdotool mousemove 640 700 click 1 # the title window
  sleep 1
  xdotool mousemove 640 310 click 1 # "Prepara una lista", between Memory and Carica
  sleep 1.5
  for word in gatto cane mela zaino farfalla "ippopotamo marino" coccinella; do
    xdotool type --delay 20 "$word"
    xdotool key Return
    sleep 0.3
    case $word in
    gatto)
      xdotool key ctrl+r
      sleep 0.2
      xdotool mousemove 1116 53 click 1 # "Voce", its menu open while it records
      sleep 0.3
      import -window root docs/editor-recording.png
      xdotool key Escape
      sleep 6
      ;;
    cane)
      xdotool key ctrl+r
      sleep 6
      ;;
    esac
  done
  shot editor 1.5
  xdotool type --delay 20 "Gatto"
  xdotool key Return
  shot editor-refused 0.5
  kill "$pid"
  wait "$pid" 2>/dev/null || true

  list=$(mktemp -d)/scuola.txt
  printf 'Elenco parole classe 2ª B – gli animali della fattoria\r\nzaino\r\nquaderno\r\ngomma\r\nrighello\r\nastuccio\r\npenna\r\ndiario\r\ncolla\r\nlavagna\r\nforbici\r\nbanco\r\ngessetto\r\n' >"$list"
  (cd "$build" && exec ./zibaldo --senza-voce) &
  pid=$!
  first_window_within 20 --class zibaldo >/dev/null
  sleep 1
  xdotool mousemove 640 700 click 1 # the title window
  sleep 1
  xdotool mousemove 640 441 click 1 # "Carica altra lista di parole"
  sleep 1.5
  xdotool type --delay 10 "$list"
  xdotool key Return
  shot list-attention 1.5
  xdotool key Return # OK
  sleep 1
  xdotool mousemove 640 77 click 1 # Crucipuzzle
  shot wordsearch-initials 1.5
  exit 0
fi

IN_XVFB=1 xvfb-run -a -n $((100 + RANDOM % 800)) -s "-screen 0 1280x800x24" "$0" "$build"
echo "written: docs/editor-recording.png docs/editor.png docs/editor-refused.png"
