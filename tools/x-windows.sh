# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# Finding windows on an X display, for the checks' scripts (sourced). xdotool walks the whole tree
# of windows and ends on an X error when a window goes while it walks, as the short-lived windows
# of wine and Qt do while a program starts or ends: such a walk is made again.

# The ids of the visible windows that xdotool's search options "$@" find, one per line; status 1
# when there is none.
visible_windows() {
  local output
  for _ in $(seq 10); do
    if output=$(xdotool search --onlyvisible "$@" 2>&1); then
      grep -E '^[0-9]+$' <<<"$output"
      return 0
    fi
    [[ $output == *"X Error"* ]] || return 1
  done
  return 1
}

# The first window `visible_windows "${@:2}"` finds within $1 seconds.
first_window_within() {
  local deadline=$((SECONDS + $1)) found
  shift
  while [ "$SECONDS" -lt "$deadline" ]; do
    if found=$(visible_windows "$@"); then
      echo "${found%%$'\n'*}"
      return 0
    fi
    sleep 0.1
  done
  return 1
}
