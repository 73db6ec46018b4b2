#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up benchmark: how long Zibaldo takes from exec to the first drawing of its title window,
# against a Qt Widgets program that only fills the screen with an empty frameless window the same
# way. Timed twice: without a display server (Qt's offscreen platform), where a few milliseconds of
# the program's own work show, and under a virtual X display, where the server's work counts too.
# Both programs run in turn, so a slower or busier machine slows both alike. Zibaldo passes while
# its median stays within 1.3 times the other's offscreen and 1.1 times under X.
#
# Usage: bench/startup.sh [BUILD] [RUNS]   BUILD the build folder (build), RUNS the timed starts of
# each program in each way (15). An argument made of digits only is RUNS, any other BUILD.
set -euo pipefail
# The figures are read, sorted and printed with a decimal point; both programs get the same locale.
export LC_ALL=C

build=build
runs=15
for argument in "$@"; do
  if [[ $argument =~ ^[0-9]+$ ]]; then runs=$argument; else build=$argument; fi
done
screen=1280x800

build=$(cd "$build" && pwd)
watch=$build/bench/zibaldo_startup_watch
first_paint=$build/bench/libzibaldo_first_paint.so
minimal=$build/bench/zibaldo_minimal_window
for program in "$watch" "$first_paint" "$build/zibaldo" "$minimal"; do
  [ -e "$program" ] || { echo "no $program: build first (make build)" >&2; exit 1; }
done
[ "$runs" -ge 1 ] || { echo "at least one run, please" >&2; exit 1; }

if [ "${IN_XVFB:-}" != 1 ]; then
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  # Zibaldo starts from a copy of its folder, as installed: the build folder's other files are not
  # in its way. Without a runtime folder Qt warns at every start; a private one keeps the report
  # readable.
  mkdir -p "$work/zibaldo" "$work/runtime"
  chmod 700 "$work/runtime"
  for part in zibaldo listaparole.txt jpg fonts modules; do
    [ -e "$build/$part" ] && cp -a "$build/$part" "$work/zibaldo/"
  done
  export XDG_RUNTIME_DIR=$work/runtime
fi

# Prints "drawn mapped" in milliseconds; $1 is "--preload" for a start without a display server.
# Each program starts from its own folder, as a user would start it, with settings of its own
# that no earlier start has written. A first window that does not fill the screen is a message
# box, and timing it would say nothing about the start-up.
time_start() {
  local status=0 times drawn mapped size settings
  local preload=()
  [ "$1" = --preload ] && preload=(--preload "$first_paint")
  settings=$(mktemp -d)
  times=$(cd "$(dirname "$2")" &&
    XDG_CONFIG_HOME=$settings "$watch" "${preload[@]}" "./$(basename "$2")") || status=$?
  rm -rf "$settings"
  # An X server is still tearing down the ended program's window; the next start should not pay.
  [ "$1" = --preload ] || sleep 0.2
  [ "$status" -eq 0 ] || return "$status"
  read -r drawn mapped size <<<"$times"
  if [ "$size" != "$screen" ]; then
    echo "$(basename "$2") first showed a $size window, not one filling the $screen screen" >&2
    return 1
  fi
  echo "$drawn $mapped"
}

median() {
  printf '%s\n' "$@" | sort -n |
    awk '{ v[NR] = $1 } END { print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) }'
}
minimum() { printf '%s\n' "$@" | sort -n | head -n 1; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

# compare WAY LIMIT ZIBALDO: WAY is "--preload" or "--display".
compare() {
  local way=$1 limit=$2 zibaldo=$3 times run
  # The first starts fill the disk cache and the font cache for both, and are not counted.
  time_start "$way" "$zibaldo" >/dev/null || return 1
  time_start "$way" "$minimal" >/dev/null || return 1

  local zibaldo_drawn=() zibaldo_mapped=() minimal_drawn=() minimal_mapped=()
  for ((run = 1; run <= runs; run++)); do
    times=$(time_start "$way" "$zibaldo") || return 1
    zibaldo_drawn+=("${times% *}") zibaldo_mapped+=("${times#* }")
    times=$(time_start "$way" "$minimal") || return 1
    minimal_drawn+=("${times% *}") minimal_mapped+=("${times#* }")
    printf 'run %2d: zibaldo %7.1f ms   minimal window %7.1f ms\n' "$run" \
      "${zibaldo_drawn[-1]}" "${minimal_drawn[-1]}"
  done

  local zibaldo_median minimal_median zibaldo_min minimal_min verdict
  zibaldo_median=$(median "${zibaldo_drawn[@]}")
  minimal_median=$(median "${minimal_drawn[@]}")
  zibaldo_min=$(minimum "${zibaldo_drawn[@]}")
  minimal_min=$(minimum "${minimal_drawn[@]}")
  echo
  echo "exec to first drawing of the window, over $runs starts each (ms):"
  if [ "$way" = --preload ]; then
    printf '  %-15s median %7.1f   min %7.1f\n' zibaldo "$zibaldo_median" "$zibaldo_min" \
      "minimal window" "$minimal_median" "$minimal_min"
  else
    printf '  %-15s median %7.1f   min %7.1f   (mapped: median %7.1f)\n' \
      zibaldo "$zibaldo_median" "$zibaldo_min" "$(median "${zibaldo_mapped[@]}")" \
      "minimal window" "$minimal_median" "$minimal_min" "$(median "${minimal_mapped[@]}")"
  fi
  # Other work on the machine stretches the longer start the more; the minima show both starts
  # with the least of it.
  verdict="ratio of medians $(ratio "$zibaldo_median" "$minimal_median")"
  verdict+=" (of minima $(ratio "$zibaldo_min" "$minimal_min"))"
  if awk -v z="$zibaldo_median" -v m="$minimal_median" -v l="$limit" 'BEGIN { exit !(z <= l * m) }'
  then
    echo "$verdict, at most $limit: PASS"
  else
    echo "$verdict, more than $limit: FAIL"
    return 1
  fi
}

if [ "${IN_XVFB:-}" = 1 ]; then
  # Qt must draw on the virtual display, whatever the calling shell asked for.
  unset QT_QPA_PLATFORM
  compare --display 1.1 "$ZIBALDO_COPY"
  exit
fi

status=0
echo "== without a display server (Qt's offscreen platform, a ${screen} screen)"
printf '{"screens":[{"name":"s","x":0,"y":0,"width":%d,"height":%d,"logicalDpi":96,"dpr":1}]}\n' \
  "${screen%x*}" "${screen#*x}" >"$work/screen.json"
QT_QPA_PLATFORM=offscreen:configfile=$work/screen.json compare --preload 1.3 "$work/zibaldo/zibaldo" ||
  status=1
echo
echo "== under a virtual X display (Xvfb)"
# From a display number of its own: one a server has just left may not be free yet.
IN_XVFB=1 ZIBALDO_COPY=$work/zibaldo/zibaldo xvfb-run -a -n $((100 + RANDOM % 800)) \
  -s "-screen 0 ${screen}x24" "$0" "$build" "$runs" || status=1
exit "$status"
