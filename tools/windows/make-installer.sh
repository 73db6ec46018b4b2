#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Packs the folder `make windows` deployed into Zibaldo-<version>-setup.exe, with NSIS.
# Usage: tools/windows/make-installer.sh WINDOWS_BUILD_FOLDER [OUTPUT_FOLDER]
set -euo pipefail
repo=$(realpath "$(dirname "$0")/../..")
build=$(realpath "${1:?usage: make-installer.sh WINDOWS_BUILD_FOLDER [OUTPUT_FOLDER]}")
output=$(realpath "${2:-.}")
folder=$build/zibaldo
[ -f "$folder/zibaldo.exe" ] || { echo "no $folder/zibaldo.exe: run make windows" >&2; exit 1; }

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
IFS=. read -r major minor patch tweak <<<"$version"
setup=$output/Zibaldo-$version-setup.exe

# What the uninstaller removes: each file installed, then each folder, the deepest first, so that
# a folder holding files of a teacher's own is kept.
remove=$build/uninstall-list.nsh
(
  cd "$folder"
  find . -type f | LC_ALL=C sort | sed 's|^\./||; s|/|\\|g; s|.*|  Delete "$INSTDIR\\&"|'
  find . -mindepth 1 -type d | LC_ALL=C sort -r | sed 's|^\./||; s|/|\\|g; s|.*|  RMDir "$INSTDIR\\&"|'
) >"$remove"

# The file names of the pictures are UTF-8.
LC_ALL=C.UTF-8 makensis -V2 -INPUTCHARSET UTF8 \
  -DVERSION="$version" -DFILE_VERSION="$major.${minor:-0}.${patch:-0}.${tweak:-0}" \
  -DFOLDER="$folder" -DREMOVE="$remove" -DROOT="$repo" -DOUTFILE="$setup" \
  "$repo/packaging/windows/zibaldo.nsi"
echo "made $setup ($(du -h "$setup" | cut -f1))"
