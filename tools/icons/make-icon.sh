#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Remakes, from the drawing resources/zibaldo.svg, the program icon resources/zibaldo.ico
# (32 x 32 in 16 and in 256 colours), the raw pieces that resources/zibaldo.rc hands to the
# Windows build, and the desktop icons packaging/icons/zibaldo-<size>.png.
# With --preview FILE it also writes the icon enlarged eight times, to look at.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
out="$root/resources"

packages=(icoutils imagemagick librsvg2-bin)
command -v python3 >/dev/null || packages+=(python3)
"$root/tools/install-missing.sh" "${packages[@]}"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The .ico is drawn at eight times its size and then shrunk, so its edges come out smooth. Its
# images have no transparency: the tile's rim colour fills the rounded corners.
rsvg-convert -w 256 -h 256 "$root/resources/zibaldo.svg" -o "$work/drawing.png"
convert "$work/drawing.png" -background '#C2410C' -flatten "$work/big.png"
convert "$work/big.png" -resize 32x32 -alpha off +dither -colors 16 -type Palette PNG8:"$work/16.png"
convert "$work/big.png" -resize 32x32 -alpha off +dither -colors 256 -type Palette PNG8:"$work/256.png"

mkdir -p "$out"
# icotool lowers the bit depth only from palette images, hence the PNG8 above.
icotool -c -o "$out/zibaldo.ico" --bit-depth=4 "$work/16.png" --bit-depth=8 "$work/256.png"
icotool -l "$out/zibaldo.ico"
python3 "$here/ico-resources.py" "$out/zibaldo.ico"

# The desktop's icon theme sizes, each rendered straight from the drawing.
mkdir -p "$root/packaging/icons"
for size in 16 22 24 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" "$root/resources/zibaldo.svg" \
        -o "$root/packaging/icons/zibaldo-$size.png"
done
echo "make-icon: desktop icons in packaging/icons/"

if [ "${1:-}" = "--preview" ]; then
    preview=$(realpath -m "${2:?--preview needs a file name}")
    icotool -x -o "$work" "$out/zibaldo.ico"
    convert "$work"/zibaldo_1_*.png "$work"/zibaldo_2_*.png -scale 800% +append "$preview"
    echo "make-icon: preview in $preview"
fi
