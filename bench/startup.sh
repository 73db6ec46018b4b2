#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up benchmark: how long Zibaldo takes from exec to the first drawing of its title window,
# against a Qt Widgets program that only fills the screen with an empty frameless window the same
# way. Both run in turn under one virtual display, so a slower or busier machine slows both alike;
# Zibaldo passes while its median stays within 1.3 times the other's.
#
# Usage: bench/startup.sh [BUILD] [RUNS]   BUILD the build folder (build), RUNS the timed starts of
# each program (15). An argument made of digits only is RUNS, any other BUILD.
set -euo pipefail
# The figures are read, sorted and printed with a decimal point; both programs get the same locale.
export LC_ALL=C

build=build
runs=15
for argument in "$@"; do
  if [[ $argument =~ ^[0-9]+$ ]]; then runs=$argument; else build=$argument; fi
done
limit=1.3
screen=1280x800

build=$(cd "$build" && pwd)
watch=$build/bench/zibaldo_startup_watch
zibaldo=$build/zibaldo
minimal=$build/bench/zibaldo_minimal_window
for program in "$watch" "$zibaldo" "$minimal"; do
  [ -x "$program" ] || { echo "no $program: build first (make build)" >&2; exit 1; }
done
[ "$runs" -ge 1 ] || { echo "at least one run, please" >&2; exit 1; }

if [ "${IN_XVFB:-}" != 1 ]; then
  # From a display number of its own: one a server has just left may not be free yet.
  IN_XVFB=1 exec xvfb-run -a -n $((100 + RANDOM % 800)) -s "-screen 0 ${screen}x24" "$0" "$build" "$runs"
fi

# Qt must draw on the virtual display, whatever the calling shell asked for.
unset QT_QPA_PLATFORM
# Without a runtime folder Qt warns at every start; a private one keeps the report readable.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  XDG_RUNTIME_DIR=$(mktemp -d)
  export XDG_RUNTIME_DIR
  trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
fi

# Prints "drawn mapped" in milliseconds. Each program starts from its own folder, as a user would
# start it; Zibaldo finds its word list beside itself either way. A first window that does not fill
# the screen is a message box, and timing it would say nothing about the start-up.
time_start() {
  local status=0 times drawn mapped size
  times=$(cd "$(dirname "$1")" && "$watch" "./$(basename "$1")") || status=$?
  # The server is still tearing down the ended program's window; the next start should not pay.
  sleep 0.2
  [ "$status" -eq 0 ] || return "$status"
  read -r drawn mapped size <<<"$times"
  if [ "$size" != "$screen" ]; then
    echo "$(basename "$1") first showed a $size window, not one filling the $screen screen" >&2
    return 1
  fi
  echo "$drawn $mapped"
}

median() {
  printf '%s\n' "$@" | sort -n |
    awk '{ v[NR] = $1 } END { print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) }'
}
minimum() { printf '%s\n' "$@" | sort -n | head -n 1; }

# The first starts fill the disk cache and the font cache for both, and are not counted.
time_start "$zibaldo" >/dev/null
time_start "$minimal" >/dev/null

zibaldo_drawn=() zibaldo_mapped=() minimal_drawn=() minimal_mapped=()
for ((run = 1; run <= runs; run++)); do
  times=$(time_start "$zibaldo")
  zibaldo_drawn+=("${times% *}") zibaldo_mapped+=("${times#* }")
  times=$(time_start "$minimal")
  minimal_drawn+=("${times% *}") minimal_mapped+=("${times#* }")
  printf 'run %2d: zibaldo %7.1f ms   minimal window %7.1f ms\n' "$run" \
    "${zibaldo_drawn[-1]}" "${minimal_drawn[-1]}"
done

zibaldo_median=$(median "${zibaldo_drawn[@]}")
minimal_median=$(median "${minimal_drawn[@]}")
zibaldo_min=$(minimum "${zibaldo_drawn[@]}")
minimal_min=$(minimum "${minimal_drawn[@]}")
echo
echo "exec to first drawing of the window, over $runs starts each (ms):"
printf '  %-15s median %7.1f   min %7.1f   (mapped: median %7.1f)\n' \
  zibaldo "$zibaldo_median" "$zibaldo_min" "$(median "${zibaldo_mapped[@]}")" \
  "minimal window" "$minimal_median" "$minimal_min" "$(median "${minimal_mapped[@]}")"
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
# Other work on the machine stretches the longer start the more; the minima show both starts with
# the least of it.
verdict="ratio of medians $(ratio "$zibaldo_median" "$minimal_median")"
verdict+=" (of minima $(ratio "$zibaldo_min" "$minimal_min"))"
if awk -v z="$zibaldo_median" -v m="$minimal_median" -v l="$limit" 'BEGIN { exit !(z <= l * m) }'
then
  echo "$verdict, at most $limit: PASS"
else
  echo "$verdict, more than $limit: FAIL"
  exit 1
fi
