#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the real program under Xvfb, from its own folder. With its word list, the title window
# fills the screen; a click on it opens the menu, whose keyboard leads to "Componi la parola" and
# Escape back; there Enter asks to end the program and Enter again answers Yes: the program ends
# with status 0. A list of more than 500 words is first reported in a box. Without its list, the
# program shows its error and, once that is answered, ends with a failure status instead of
# hanging. Started silent, with --senza-voce, it runs the same. Every step waits for what it
# needs (a window shown, filling the screen, holding the keyboard), never for a fixed time, up to
# a deadline a loaded machine still meets.
set -u
program=$(realpath "$1")
unset QT_QPA_PLATFORM

# Runs inside the virtual display: $1 the program, $2 the scenario, then the program's options.
# Exit status 99 is a failure of the scenario itself, any other the program's own.
if [ "${IN_XVFB:-}" = 1 ]; then
  # The games open at their default letters and levels, whatever this machine's users chose.
  config=$(mktemp -d)
  trap 'rm -rf "$config"' EXIT
  export XDG_CONFIG_HOME=$config XDG_CONFIG_DIRS=$config/xdg
  cd "$(dirname "$1")" || exit 99
  "$1" "${@:3}" &
  pid=$!
  window=
  fail() { echo "$1"; kill "$pid" 2>/dev/null; exit 99; }
  # Runs "$@" every tenth of a second until it succeeds, for at most a minute.
  until_true() {
    for _ in $(seq 600); do
      "$@" && return 0
      kill -0 "$pid" 2>/dev/null || return 1
      sleep 0.1
    done
    return 1
  }
  # Without a window manager the program itself gives its new window the keyboard.
  other_window() {
    local id
    id=$(xdotool getwindowfocus 2>/dev/null) && [ "$id" != "$previous" ] &&
      [ "$(xdotool getwindowname "$id" 2>/dev/null)" = "$wanted" ] && window=$id
  }
  # Waits for a window of the program named $1, other than the one in $window, shown and holding
  # the keyboard, and makes it the one; else fails saying $2.
  next_window() {
    local previous=$window wanted=$1
    until_true other_window || fail "$2"
  }
  geometry() { xdotool getwindowgeometry "$window" | awk '/Geometry/ {print $2}'; }
  fills_screen() { [ "$(geometry)" = "1024x768" ]; }
  title_menu_and_exit() {
    next_window Zibaldo "no title window appeared"
    until_true fills_screen || fail "the title window is $(geometry), not the 1024x768 screen"
    xdotool mousemove 512 700 click 1
    next_window "Zibaldo – Menù" "the menu did not open"
    until_true fills_screen || fail "the menu is $(geometry), not the 1024x768 screen"
    # From "Esci", past "Crucipuzzle", "Informazioni" and "Memory".
    xdotool key Tab Tab Tab Tab Return
    next_window "Zibaldo – Componi la parola" "Componi la parola did not open from the menu"
    until_true fills_screen || fail "Componi la parola is $(geometry), not the 1024x768 screen"
    xdotool key Escape
    next_window Zibaldo "Escape in the game did not ask to leave"
    xdotool key Return
    next_window "Zibaldo – Menù" "the menu did not come back from the game"
    xdotool key Return
    next_window Zibaldo "Enter on the menu did not ask to end the program"
    xdotool key Return
  }
  case "$2" in
    whole-run)
      title_menu_and_exit ;;
    cut-list)
      next_window Zibaldo "no window appeared"
      ! fills_screen || fail "no message about the cut list before the title window"
      xdotool key Return
      title_menu_and_exit ;;
    missing-list)
      next_window Zibaldo "no error appeared"
      xdotool key Return ;;
  esac
  ended() { ! kill -0 "$pid" 2>/dev/null; }
  until_true ended || fail "the program did not end"
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
echo "title, menu, Componi la parola and exit, with and without voice; cut list; missing list: ok"
