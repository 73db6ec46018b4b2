#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Plays the real program through the screen readers' bus: under Xvfb, in a session bus of its own,
# the program runs from its own folder with the accessibility bridge on, and atspi_walk.py reads
# its windows and presses its controls as a screen reader would.
set -u
program=$(realpath "$1")
here=$(dirname "$(realpath "$0")")
unset QT_QPA_PLATFORM

if [ "${IN_XVFB:-}" = 1 ]; then
  runtime=$(mktemp -d)
  trap 'rm -rf "$runtime"' EXIT
  export XDG_RUNTIME_DIR=$runtime
  # Else the bus would write a lasting setting into the user's own configuration.
  export GSETTINGS_BACKEND=memory
  # The games open at their default letters and levels, whatever this machine's users chose.
  export XDG_CONFIG_HOME=$runtime/config XDG_CONFIG_DIRS=$runtime/xdg
  cd "$(dirname "$program")" || exit 99
  exec dbus-run-session -- /usr/bin/python3 "$here/atspi_walk.py" "$program"
fi

# From a display number of its own: one a server has just left may not be free yet.
IN_XVFB=1 xvfb-run -a -n $((100 + RANDOM % 800)) -s "-screen 0 1024x768x24" "$0" "$@"
