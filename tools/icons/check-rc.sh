#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Compiles resources/zibaldo.rc with the MinGW resource compiler and checks that
# the Windows build gets icon group 1 and images 30001 and 30002, byte for byte
# as in resources/zibaldo.ico.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)

if ! command -v x86_64-w64-mingw32-windres >/dev/null; then
    sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    echo "check-rc: installing binutils-mingw-w64-x86-64"
    export DEBIAN_FRONTEND=noninteractive
    "${sudo[@]}" apt-get update -qq
    "${sudo[@]}" apt-get install -y -qq --no-install-recommends binutils-mingw-w64-x86-64 >/dev/null
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The host's preprocessor will do: the MinGW compiler is not needed for this.
(cd "$root/resources" && x86_64-w64-mingw32-windres --preprocessor=cpp -O res -i zibaldo.rc -o "$work/zibaldo.res")

python3 - "$work/zibaldo.res" "$root/resources/zibaldo.ico" <<'PYTHON'
import struct
import sys

res = open(sys.argv[1], "rb").read()
ico = open(sys.argv[2], "rb").read()


def read_id(offset):
    # A resource type or name: 0xFFFF then a number, or a NUL-ended UTF-16 string.
    if struct.unpack_from("<H", res, offset)[0] == 0xFFFF:
        return struct.unpack_from("<H", res, offset + 2)[0], offset + 4
    end = res.index(b"\0\0", offset)
    end += (end - offset) % 2
    return res[offset:end].decode("utf-16-le"), end + 2


resources = {}
offset = 0
while offset < len(res):
    data_size, header_size = struct.unpack_from("<II", res, offset)
    kind, next_offset = read_id(offset + 8)
    name, _ = read_id(next_offset)
    start = offset + header_size
    if data_size:
        resources[(kind, name)] = res[start:start + data_size]
    offset = (start + data_size + 3) & ~3

count = struct.unpack_from("<H", ico, 4)[0]
expected = {(14, 1): struct.pack("<HHH", 0, 1, count)}
for index in range(count):
    entry = ico[6 + 16 * index:6 + 16 * index + 16]
    size, image_offset = struct.unpack_from("<II", entry, 8)
    expected[(3, 30001 + index)] = ico[image_offset:image_offset + size]
    expected[(14, 1)] += entry[:12] + struct.pack("<H", 30001 + index)

if resources != expected:
    sys.exit(f"check-rc: zibaldo.rc gives {sorted(resources)}, not the icon of zibaldo.ico")
for (kind, name), data in sorted(resources.items()):
    print(f"check-rc: type {kind} id {name}: {len(data)} bytes, as expected")
PYTHON
