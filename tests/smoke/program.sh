#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the real program under Xvfb, from its own folder. With its word list, the title window
# fills the screen; a click on it opens the menu, where Enter asks to end the program and Enter
# again answers Yes: the program ends with status 0. A list of more than 500 words is first
# reported in a box. Without its list, the program shows its error and, once that is answered,
# ends with a failure status instead of hanging. Started silent, with --senza-voce, it runs the same.
set -u
program=$(realpath "$1")
unset QT_QPA_PLATFORM

# Runs inside the virtual display: $1 the program, $2 the scenario, then the program's options.
# Exit status 99 is a failure of the scenario itself, any other the program's own.
if [ "${IN_XVFB:-}" = 1 ]; then
  cd "$(dirname "$1")" || exit 99
  "$1" "${@:3}" &
  pid=$!
  window=
  fail() { echo "$1"; kill "$pid" 2>/dev/null; exit 99; }
  # Waits for a window of the program other than the one in $window, and makes it the one.
  next_window() {
    local previous=$window
    for _ in $(seq 200); do
      window=$(xdotool search --onlyvisible --class zibaldo 2>/dev/null | grep -vx "${previous:-none}" | tail -n 1)
      [ -n "$window" ] && { sleep 0.5; return; }
      sleep 0.1
    done
    fail "$2"
  }
  geometry() { xdotool getwindowgeometry "$window" | awk '/Geometry/ {print $2}'; }
  # To whichever window has the keyboard: the program must have given it to the new one.
  press_return() { xdotool key Return; }
  title_menu_and_exit() {
    next_window "" "no title window appeared"
    [ "$(geometry)" = "1024x768" ] || fail "the title window is $(geometry), not the 1024x768 screen"
    xdotool mousemove 512 700 click 1
    next_window "" "the menu did not open"
    [ "$(geometry)" = "1024x768" ] || fail "the menu is $(geometry), not the 1024x768 screen"
    press_return
    next_window "" "Enter on the menu did not ask to end the program"
    press_return
  }
  case "$2" in
    whole-run)
      title_menu_and_exit ;;
    cut-list)
      next_window "" "no window appeared"
      [ "$(geometry)" != "1024x768" ] || fail "no message about the cut list before the title window"
      press_return
      window=
      title_menu_and_exit ;;
    missing-list)
      next_window "" "no error appeared"
      press_return ;;
  esac
  for _ in $(seq 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$pid" 2>/dev/null && fail "the program did not end"
  wait "$pid"
  exit $?
fi

in_xvfb() {
  # From a display number of its own: one a server has just left may not be free yet.
  IN_XVFB=1 xvfb-run -a -n $((100 + RANDOM % 800)) -s "-screen 0 1024x768x24" "$0" "$@"
}

in_xvfb "$program" whole-run
status=$?
[ "$status" -eq 0 ] || { echo "FAIL: title, menu and exit: status $status"; exit 1; }

in_xvfb "$program" whole-run --senza-voce
status=$?
[ "$status" -eq 0 ] || { echo "FAIL: title, menu and exit with --senza-voce: status $status"; exit 1; }

alone=$(mktemp -d)
trap 'rm -rf "$alone"' EXIT
cp "$program" "$alone/zibaldo"
for i in $(seq 501); do printf 'parola%d\r\n' "$i"; done > "$alone/listaparole.txt"
in_xvfb "$alone/zibaldo" cut-list
status=$?
[ "$status" -eq 0 ] || { echo "FAIL: list of 501 words: status $status"; exit 1; }

rm "$alone/listaparole.txt"
in_xvfb "$alone/zibaldo" missing-list
status=$?
if [ "$status" -eq 0 ] || [ "$status" -eq 99 ]; then
  echo "FAIL: without its word list the program ended with status $status"; exit 1
fi
echo "title, menu and exit, with and without voice; cut list; missing list: ok"
