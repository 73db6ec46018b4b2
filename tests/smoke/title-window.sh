#!/usr/bin/env bash
# Starts the real program under Xvfb. With its word list, the title window fills the screen and a
# click on it ends the program with status 0; a list of more than 500 words is first reported in a
# box. Without its list, the program shows its error and, once that is answered, ends with a
# failure status instead of hanging.
set -u
program=$1
unset QT_QPA_PLATFORM

# Runs inside the virtual display: $1 the program, $2 the scenario. Exit status 99 is a failure of
# the scenario itself, any other the program's own.
if [ "${IN_XVFB:-}" = 1 ]; then
  "$1" &
  pid=$!
  fail() { echo "$1"; kill "$pid" 2>/dev/null; exit 99; }
  next_window() {
    window=$(timeout 20 xdotool search --sync --onlyvisible --class zibaldo | head -n 1)
    [ -n "$window" ] || fail "no window appeared"
    sleep 0.5
  }
  click_title_window() {
    next_window
    geometry=$(xdotool getwindowgeometry "$window" | awk '/Geometry/ {print $2}')
    [ "$geometry" = "1024x768" ] || fail "the title window is $geometry, not the 1024x768 screen"
    xdotool mousemove 512 700 click 1
  }
  case "$2" in
    title)
      click_title_window ;;
    cut-list)
      next_window
      geometry=$(xdotool getwindowgeometry "$window" | awk '/Geometry/ {print $2}')
      [ "$geometry" != "1024x768" ] || fail "no message about the cut list before the title window"
      xdotool key --window "$window" Return
      sleep 0.5
      click_title_window ;;
    missing-list)
      next_window
      xdotool key --window "$window" Return ;;
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
  IN_XVFB=1 xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
}

in_xvfb "$program" title
status=$?
[ "$status" -eq 0 ] || { echo "FAIL: title window: status $status"; exit 1; }

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
echo "title window, cut list and missing list: ok"
