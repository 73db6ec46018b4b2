#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the menu's two pictures with ImageMagick and icotool: resources/esci.ico, the icon of
# the "Esci" button (an open brown door with a green arrow going out), and resources/menu.cur,
# the mouse cursor over the menu buttons (a yellow pencil whose point is the hot spot, x 3, y 1).
# Each is one 32 x 32 image in 16 colours (4 bits per pixel), transparent outside the drawing.
# With --preview FILE it also writes both enlarged eight times.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
out="$root/resources"

"$root/tools/install-missing.sh" icoutils imagemagick

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The door: a dark brown frame round a sunny doorway, the leaf swung open towards us on its
# left hinge, and a bold green arrow leaving through the doorway to the right. Drawn at eight
# times the size on a transparent ground, then shrunk, so the edges come out smooth; what
# stays transparent is the mask.
arrow='112,108 176,108 176,64 240,128 176,192 176,148 112,148'
convert -size 256x256 xc:none \
    -fill '#3B1F0B' -draw 'rectangle 76,8 204,248' \
    -fill '#8B4513' -draw 'rectangle 84,16 196,240' \
    -fill '#FEF3C7' -draw 'rectangle 100,32 180,240' \
    -fill '#86EFAC' -draw 'rectangle 100,206 180,240' \
    -fill '#3B1F0B' -draw 'polygon 92,16 12,0 12,256 92,240' \
    -fill '#CD7F3F' -draw 'polygon 88,26 22,14 22,242 88,230' \
    -fill '#99501E' -draw 'polygon 78,46 34,40 34,116 78,114' \
    -draw 'polygon 78,140 34,140 34,216 78,210' \
    -fill '#3B1F0B' -draw 'circle 40,130 40,141' \
    -fill '#14532D' -stroke '#14532D' -strokewidth 20 -draw "stroke-linejoin round polygon $arrow" \
    -fill '#22C55E' -stroke none -draw "polygon $arrow" \
    -fill '#4ADE80' -draw 'polygon 112,108 176,108 176,64 226,114 112,114' \
    "$work/esci-big.png"

# The pencil is drawn pixel by pixel, so that its point is exactly the hot spot: it points up
# and to the left, the point a single grey pixel at 3,1, then the wood, the yellow body in
# three shades, the metal band and the pink rubber. The dark outline shows it on light and
# coloured buttons, the bright body on dark ones.
cat > "$work/menu.xpm" <<'XPM'
/* XPM */
static char *menu[] = {
"32 32 10 1",
". c None",
"# c #1F2937",
"L c #64748B",
"w c #F5C98B",
"y c #FDE047",
"Y c #FACC15",
"o c #E8A10C",
"m c #9CA3AF",
"M c #6B7280",
"p c #F472B6",
"................................",
"...L............................",
"....LL..........................",
"....LL##........................",
".....#ww##......................",
".....#wwww##....................",
"......#wwwww##..................",
"......#wwwwwyy#.................",
".......#wwwyyyy#................",
".......#wwYYyyyy#...............",
"........#YYYYyyyy#..............",
"........#oYYYYyyyy#.............",
".........#oYYYYyyyy#............",
"..........#oYYYYyyyy#...........",
"...........#oYYYYyyyy#..........",
"............#oYYYYyyyy#.........",
".............#oYYYYyyyy#........",
"..............#oYYYYyyyy#.......",
"...............#oYYYYyyyy#......",
"................#oYYYYyyyy#.....",
".................#oYYYYyyyy#....",
"..................#oYYYYyymM#...",
"...................#oYYYYmMmp#..",
"....................#oYYmMmppp#.",
".....................#omMmpppp#.",
"......................#Mmpppp#..",
".......................#pppp#...",
"........................#pp#....",
".........................##.....",
"................................",
"................................",
"................................"
};
XPM

mkdir -p "$out"
# The door: a hard mask (alpha 0 or 255) and 15 colours besides the transparent one. The
# pencil already has its own few colours.
convert "$work/esci-big.png" -resize 32x32 -channel A -threshold 50% +channel \
    +dither -colors 15 -type PaletteAlpha PNG8:"$work/esci.png"
convert "$work/menu.xpm" -type PaletteAlpha PNG8:"$work/menu.png"

# The hot spot must be the pencil's point: the topmost row and the leftmost column that
# show anything meet at pixel 3,1, and that pixel is drawn.
box=$(convert "$work/menu.png" -alpha extract -format '%@' info:)
tip=$(convert "$work/menu.png" -format '%[fx:p{3,1}.a]' info:)
if [ "${box#*+}" != "3+1" ] || [ "$tip" != 1 ]; then
    echo "make-menu-icons: the pencil's point is not at 3,1 (drawn part $box, alpha there $tip)" >&2
    exit 1
fi

icotool -c -o "$out/esci.ico" --bit-depth=4 "$work/esci.png"
icotool -c --cursor -X 3 -Y 1 -o "$out/menu.cur" --bit-depth=4 "$work/menu.png"
icotool -l "$out/esci.ico" "$out/menu.cur"

if [ "${1:-}" = "--preview" ]; then
    preview=$(realpath -m "${2:?--preview needs a file name}")
    icotool -x -o "$work" "$out/esci.ico" "$out/menu.cur"
    # The icon on a grey button face; the cursor on a light and on a dark ground.
    convert \( "$work"/esci_1_*.png -background '#D4D0C8' -flatten \) \
        \( "$work"/menu_1_*.png -background '#FFFFFF' -flatten \) \
        \( "$work"/menu_1_*.png -background '#1E293B' -flatten \) \
        -scale 800% +append "$preview"
    echo "make-menu-icons: preview in $preview"
fi
