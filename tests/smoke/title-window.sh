#!/usr/bin/env bash
# Starts the real program under Xvfb. With its word list, the title window fills the screen and a
# click on it ends the program with status 0. Without its list, the program shows its error and,
# once that is answered, ends with a failure status instead of hanging.
set -u
program=$1
unset QT_QPA_PLATFORM

# Runs inside the virtual display: $1 the program, $2 the scenario.
if [ "${IN_XVFB:-}" = 1 ]; then
  "$1" &
  pid=$!
  window=$(timeout 20 xdotool search --sync --onlyvisible --class zibaldo | head -n 1)
  if [ -z "$window" ]; then
    echo "no window appeared"; kill "$pid"; exit 99
  fi
  case "$2" in
    title)
      sleep 0.5
      geometry=$(xdotool getwindowgeometry "$window" | awk '/Geometry/ {print $2}')
      if [ "$geometry" != "1024x768" ]; then
        echo "the title window is $geometry, not the whole 1024x768 screen"; kill "$pid"; exit 99
      fi
      xdotool mousemove 512 700 click 1 ;;
    missing-list)
      sleep 0.5
      xdotool key --window "$window" Return ;;
  esac
  for _ in $(seq 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$pid" 2>/dev/null; then
    echo "the program did not end"; kill "$pid"; exit 99
  fi
  wait "$pid"
  exit $?
fi

in_xvfb() {
  IN_XVFB=1 xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
}

in_xvfb "$program" title
status=$?
if [ "$status" -ne 0 ]; then
  echo "FAIL: title window scenario ended with status $status"; exit 1
fi

alone=$(mktemp -d)
trap 'rm -rf "$alone"' EXIT
cp "$program" "$alone/"
in_xvfb "$alone/$(basename "$program")" missing-list
status=$?
if [ "$status" -eq 0 ] || [ "$status" -eq 99 ]; then
  echo "FAIL: without its word list the program ended with status $status"; exit 1
fi
echo "title window and missing list: ok"
