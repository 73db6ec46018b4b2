#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Draws the icon of "Ascolta", the button of "Componi la parola" that says the word again, with
# ImageMagick and writes resources/ascolta.ico: a loudspeaker sending out two waves of sound, one
# 32 x 32 image with its own alpha (32 bits per pixel), so that the waves' curves stay smooth. With
# --preview FILE it also writes it enlarged eight times on a button's grey.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
out="$root/resources"

"$root/tools/install-missing.sh" icoutils imagemagick

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Drawn at eight times the size on a transparent ground, then shrunk. The waves are two rings
# about the speaker's mouth, cut to the wedge in front of it.
convert -size 256x256 xc:none -fill none -stroke '#16A34A' -strokewidth 18 \
    -draw 'circle 96,128 156,128' -draw 'circle 96,128 204,128' "$work/rings.png"
convert -size 256x256 xc:none -fill white -draw 'polygon 96,128 256,-100 256,356' "$work/wedge.png"
convert "$work/rings.png" "$work/wedge.png" -compose DstIn -composite "$work/waves.png"
convert -size 256x256 xc:none \
    -fill '#1E3A8A' -stroke '#1E3A8A' -strokewidth 8 -draw 'stroke-linejoin round polygon 8,92 52,92 112,36 112,220 52,164 8,164' \
    -fill '#3B82F6' -stroke none -draw 'polygon 20,104 52,104 100,62 100,124 20,124' \
    "$work/waves.png" -compose Over -composite "$work/ascolta-big.png"

mkdir -p "$out"
convert "$work/ascolta-big.png" -resize 32x32 PNG32:"$work/ascolta.png"
icotool -c -o "$out/ascolta.ico" "$work/ascolta.png"
icotool -l "$out/ascolta.ico"

if [ "${1:-}" = "--preview" ]; then
    preview=$(realpath -m "${2:?--preview needs a file name}")
    icotool -x -o "$work" "$out/ascolta.ico"
    convert \( "$work"/ascolta_1_*.png -background '#D4D0C8' -flatten \) -scale 800% "$preview"
    echo "make-listen-icon: preview in $preview"
fi
