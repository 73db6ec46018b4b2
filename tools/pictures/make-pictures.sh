#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Remakes data/jpg/<word>.jpg for every word of data/listaparole.txt.
# With --sheet FILE it also writes a contact sheet of all of them, to look at.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)

packages=(fonts-noto-color-emoji qt6-base-dev cmake make g++)
if [ "${1:-}" = "--sheet" ]; then
    packages+=(imagemagick)
fi

"$root/tools/install-missing.sh" "${packages[@]}"

build=$(mktemp -d)
trap 'rm -rf "$build"' EXIT
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DZIBALDO_TOOLS=ON -DBUILD_TESTING=OFF \
    -DZIBALDO_BENCHMARKS=OFF --log-level=WARNING >/dev/null
cmake --build "$build" --target make-pictures -j "$(nproc)" >/dev/null

# Qt warns about a missing runtime folder otherwise.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    export XDG_RUNTIME_DIR="$build/runtime"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
fi
QT_QPA_PLATFORM=offscreen "$build/tools/pictures/make-pictures" \
    "$here/emoji.txt" "$root/data/listaparole.txt" "$root/data/jpg"

if [ "${1:-}" = "--sheet" ]; then
    sheet=$(realpath -m "${2:?--sheet needs a file name}")
    (cd "$root/data/jpg" && montage -label '%t' -font DejaVu-Sans -pointsize 14 \
        -geometry 128x128+4+4 -tile 10x *.jpg "$sheet")
    echo "make-pictures: contact sheet in $sheet"
fi
