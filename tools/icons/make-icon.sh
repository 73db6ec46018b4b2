#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Remakes the program icon resources/zibaldo.ico (32 x 32 in 16 and in 256 colours)
# and, from it, the raw pieces that resources/zibaldo.rc hands to the Windows build.
# With --preview FILE it also writes the icon enlarged eight times, to look at.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
out="$root/resources"

packages=(icoutils imagemagick)
command -v python3 >/dev/null || packages+=(python3)
"$root/tools/install-missing.sh" "${packages[@]}"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A bold "Z" on a sunny letter tile, drawn at eight times the size and then
# shrunk, so its edges come out smooth. The Z is a polygon: no font needed.
convert -size 256x256 xc:'#C2410C' \
    -fill '#FFB300' -draw 'roundrectangle 8,8 247,247 40,40' \
    -fill '#FFD54F' -draw 'roundrectangle 16,16 239,200 32,32' \
    -fill '#7C2D12' -draw 'polygon 56,56 216,56 216,96 120,176 216,176 216,216 56,216 56,176 152,96 56,96' \
    -fill '#1D4ED8' -draw 'polygon 48,44 208,44 208,84 112,164 208,164 208,204 48,204 48,164 144,84 48,84' \
    "$work/big.png"
convert "$work/big.png" -resize 32x32 -alpha off +dither -colors 16 -type Palette PNG8:"$work/16.png"
convert "$work/big.png" -resize 32x32 -alpha off +dither -colors 256 -type Palette PNG8:"$work/256.png"

mkdir -p "$out"
# icotool lowers the bit depth only from palette images, hence the PNG8 above.
icotool -c -o "$out/zibaldo.ico" --bit-depth=4 "$work/16.png" --bit-depth=8 "$work/256.png"
icotool -l "$out/zibaldo.ico"
python3 "$here/ico-resources.py" "$out/zibaldo.ico"

if [ "${1:-}" = "--preview" ]; then
    preview=$(realpath -m "${2:?--preview needs a file name}")
    icotool -x -o "$work" "$out/zibaldo.ico"
    convert "$work"/zibaldo_1_*.png "$work"/zibaldo_2_*.png -scale 800% +append "$preview"
    echo "make-icon: preview in $preview"
fi
