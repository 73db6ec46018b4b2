#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the speech engine for Windows, espeak-ng, from Debian's source with MinGW-w64, once per
# machine: a static library and its headers, which the voice module links. Prints the folder it
# lives in.
#
# The source is Debian 13's (espeak-ng 1.52): the archive no longer serves the source tarball of
# Debian 12's 1.51, and 1.52 builds with CMake, as the rest does. It reads Debian 12's
# espeak-ng-data as it is (the same data format), so Windows speaks from the data Linux does.
set -euo pipefail
repo=$(realpath "$(dirname "$0")/../..")
cache=${ZIBALDO_CACHE:-$HOME/.cache/zibaldo}
prefix=$cache/espeak-ng-mingw64
suite=trixie
# Written last: a build cut short leaves no stamp, and the next run starts it again.
stamp=$prefix/zibaldo-complete
if [ -f "$stamp" ]; then
  echo "$prefix"
  exit 0
fi

work=$prefix.build
rm -rf "$work"
mkdir -p "$work/apt/lists/partial" "$work/apt/cache/archives/partial" "$work/apt/parts"
cd "$work"
# Debian 13's sources through apt, in a configuration of this build's own: the machine's own apt
# sources and lists stay as they are.
printf '%s\n' "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg]\
 http://deb.debian.org/debian $suite main" >apt/sources.list
apt=(-o Dir::Etc::SourceList="$work/apt/sources.list" -o Dir::Etc::SourceParts="$work/apt/parts"
  -o Dir::State::Lists="$work/apt/lists" -o Dir::Cache="$work/apt/cache")
echo "== fetching Debian's espeak-ng source ($suite)" >&2
{ apt-get "${apt[@]}" update && apt-get "${apt[@]}" source "espeak-ng/$suite"; } >fetch.log 2>&1 ||
  { tail -n 20 fetch.log >&2; exit 1; }
source_dir=$(find . -maxdepth 1 -type d -name 'espeak-ng-*' | head -n 1)
version=$(cd "$source_dir" && dpkg-parsechangelog -S Version)

echo "== building espeak-ng $version for Windows" >&2
# Only what the program uses: synchronous synthesis into memory with the voice's own synthesiser.
# No audio output of the engine's own, no MBROLA (it starts a program of its own), no Klatt voices,
# no faster-than-speech rates (libsonic, which the engine's build would otherwise fetch from the
# network: it is marked present here, and left out).
cmake -S "$source_dir" -B build -G Ninja --log-level=WARNING \
  -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-w64.cmake" -DCMAKE_BUILD_TYPE=Release \
  -DBUILD_SHARED_LIBS=OFF -DBUILD_TESTING=OFF -DUSE_ASYNC=OFF -DUSE_LIBPCAUDIO=OFF \
  -DUSE_MBROLA=OFF -DUSE_KLATT=OFF -DUSE_SPEECHPLAYER=OFF \
  -DUSE_LIBSONIC=OFF -DSONIC_LIB=unused -DSONIC_INC=unused \
  >configure.log 2>&1 || { tail -n 40 configure.log >&2; exit 1; }
# The library alone: the engine's own data is not built, Debian's data package gives it.
ninja -C build -j "$(nproc)" espeak-ng >build.log 2>&1 || { tail -n 40 build.log >&2; exit 1; }

rm -rf "$prefix"
mkdir -p "$prefix/lib" "$prefix/include"
cp build/src/libespeak-ng/libespeak-ng.a build/src/ucd-tools/libucd.a "$prefix/lib/"
cp -r "$source_dir/src/include/espeak-ng" "$prefix/include/"
cp "$source_dir/debian/copyright" "$prefix/copyright"
echo "$version" >"$prefix/version"
touch "$stamp"
cd /
rm -rf "$work"
echo "$prefix"
