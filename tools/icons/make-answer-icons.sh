#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Draws the word search's two answer icons with ImageMagick and writes
# resources/iconasi.ico (a green tick) and resources/iconano.ico (a red cross): each one
# 32 x 32 image in 16 colours (4 bits per pixel), on a white disc so that both stand out
# on the window's green. With --preview FILE it also writes both enlarged eight times.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
out="$root/resources"

"$root/tools/install-missing.sh" icoutils imagemagick

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Drawn at eight times the size on a transparent ground, then shrunk, so the edges come out
# smooth; the corners outside the disc stay transparent (the icon's mask).
disc=(-size 256x256 xc:none -fill '#1F2937' -draw 'circle 128,128 128,6'
      -fill white -draw 'circle 128,128 128,18')
convert "${disc[@]}" -fill none -stroke '#15803D' -strokewidth 34 -draw 'stroke-linecap round stroke-linejoin round polyline 66,134 110,178 190,82' \
    "$work/si-big.png"
convert "${disc[@]}" -fill none -stroke '#DC2626' -strokewidth 34 -draw 'stroke-linecap round line 78,78 178,178' \
    -draw 'stroke-linecap round line 178,78 78,178' "$work/no-big.png"

mkdir -p "$out"
for name in si no; do
    # A hard mask (alpha 0 or 255) and 15 colours besides the transparent one.
    convert "$work/$name-big.png" -resize 32x32 -channel A -threshold 50% +channel \
        +dither -colors 15 -type PaletteAlpha PNG8:"$work/$name.png"
    icotool -c -o "$out/icona$name.ico" --bit-depth=4 "$work/$name.png"
    icotool -l "$out/icona$name.ico"
done

if [ "${1:-}" = "--preview" ]; then
    preview=$(realpath -m "${2:?--preview needs a file name}")
    icotool -x -o "$work" "$out/iconasi.ico" "$out/iconano.ico"
    # On the window's green, as the pupil sees them.
    convert \( "$work"/iconasi_1_*.png -background '#008000' -flatten \) \
        \( "$work"/iconano_1_*.png -background '#008000' -flatten \) \
        -scale 800% +append "$preview"
    echo "make-answer-icons: preview in $preview"
fi
