#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Splits an .ico into the raw resources that zibaldo.rc gives the Windows build.

A plain `ICON` statement would number the images itself; these fixed numbers
(group 1, images 30001 and up) keep the resource layout under our control.
Writes, next to the .ico: <name>-30001.bin, ... (each image exactly as stored
in the .ico), <name>-group.bin (the GRPICONDIR) and <name>.rc.
"""

import struct
import sys
from pathlib import Path

FIRST_ID = 30001


def fail(message):
    sys.exit(f"ico-resources: {message}")


def main():
    if len(sys.argv) != 2:
        fail("usage: ico-resources.py ICON.ico")
    ico_path = Path(sys.argv[1])
    data = ico_path.read_bytes()
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    if reserved != 0 or kind != 1 or count == 0:
        fail(f"{ico_path} is not an icon file")

    group = struct.pack("<HHH", 0, 1, count)
    names = []
    for index in range(count):
        width, height, colours, _, planes, bits, size, offset = struct.unpack_from(
            "<BBBBHHII", data, 6 + 16 * index)
        image = data[offset:offset + size]
        if len(image) != size:
            fail(f"image {index + 1} of {ico_path} is cut short")
        # Some writers leave planes and bit count at 0 in the directory; the
        # image's own BITMAPINFOHEADER is what Windows goes by.
        header_size, _, _, header_planes, header_bits = struct.unpack_from("<IiiHH", image, 0)
        if header_size != 40:
            fail(f"image {index + 1} of {ico_path} is not a bitmap")
        planes = planes or header_planes
        bits = bits or header_bits
        if (planes, bits) != (header_planes, header_bits):
            fail(f"image {index + 1} of {ico_path} disagrees with its directory entry")

        resource_id = FIRST_ID + index
        name = f"{ico_path.stem}-{resource_id}.bin"
        (ico_path.parent / name).write_bytes(image)
        names.append((resource_id, name))
        group += struct.pack("<BBBBHHIH", width, height, colours, 0, planes, bits, size,
                             resource_id)
        print(f"ico-resources: {name}: {width}x{height}, {bits} bits, {size} bytes")

    group_name = f"{ico_path.stem}-group.bin"
    (ico_path.parent / group_name).write_bytes(group)

    lines = [f"// Program icon, made by tools/icons/make-icon.sh from {ico_path.name}.",
             "// Images are raw RT_ICON (3) resources, the directory an RT_GROUP_ICON (14)."]
    lines += [f'{resource_id} 3 "{name}"' for resource_id, name in names]
    lines.append(f'1 14 "{group_name}"')
    (ico_path.parent / f"{ico_path.stem}.rc").write_text("\n".join(lines) + "\n")

    # Read back what was written: each payload must be the .ico's bytes.
    for index, (resource_id, name) in enumerate(names):
        size, offset = struct.unpack_from("<II", data, 6 + 16 * index + 8)
        if (ico_path.parent / name).read_bytes() != data[offset:offset + size]:
            fail(f"{name} differs from the image in {ico_path}")
    if len((ico_path.parent / group_name).read_bytes()) != 6 + 14 * count:
        fail(f"{group_name} has the wrong size")
    print(f"ico-resources: {group_name}: {count} entries, {6 + 14 * count} bytes")


if __name__ == "__main__":
    main()
