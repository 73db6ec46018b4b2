#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Waits, for up to 10 s, for the X display to show the title window with its three pictures, or
# with the grey placeholders of missing ones, and says which it saw. The exit status says whether
# it was the one expected.
# Usage: tools/title-pictures.sh pictures|placeholders SCREENSHOT.png
set -euo pipefail
expected=$1 shot=$2

# A JPEG picture brings thousands of colours; a placeholder, a flat background and the title's
# text a few hundred at most. Placeholders are painted in the grey #E8E8E8.
for _ in $(seq 20); do
  sleep 0.5
  import -window root "$shot"
  read -r colours grey < <(convert "$shot" -format '%k ' -write info: \
    -fill black +opaque '#E8E8E8' -fill white -opaque '#E8E8E8' -format '%[fx:mean]\n' info:)
  if [ "$expected" = pictures ] && [ "$colours" -gt 3000 ]; then
    echo "title window with its pictures: $colours colours, grey $grey"
    exit 0
  fi
  if [ "$expected" = placeholders ] && awk "BEGIN {exit !($grey > 0.1)}"; then
    [ "$colours" -lt 3000 ] || { echo "placeholders, yet $colours colours"; exit 1; }
    echo "title window with placeholders: $colours colours, grey $grey"
    exit 0
  fi
done
echo "the title window did not show $expected: $colours colours, grey $grey"
exit 1
