#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Qt for Windows (qtbase: Core, Gui, Widgets, PrintSupport) from Debian's source of the
# installed Qt, with MinGW-w64, once per machine. Prints the folder it lives in. With --built it
# only says, by its status, whether that folder is complete.
set -euo pipefail
repo=$(realpath "$(dirname "$0")/../..")

version=$(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null | sed 's/+.*//') || true
prefix=${ZIBALDO_CACHE:-$HOME/.cache/zibaldo}/qt-${version:-none}-mingw64
# Written last: a build cut short leaves no stamp, and the next run goes on with it.
stamp=$prefix/zibaldo-complete
[ "${1:-}" = --built ] && { [ -f "$stamp" ]; exit; }
if [ -f "$stamp" ]; then
  echo "$prefix"
  exit 0
fi
[ -n "$version" ] || { echo "qt6-base-dev is not installed: run tools/windows/setup.sh" >&2; exit 1; }

# The build tree, about 1 GB, is kept until Qt is installed: a build cut short goes on from where
# it stopped.
work=$prefix.build
mkdir -p "$work"
cd "$work"
source_dir=$(find . -maxdepth 1 -type d -name 'qt6-base-*' | head -n 1)
if [ -z "$source_dir" ]; then
  echo "== fetching Debian's qtbase $version source" >&2
  apt-get source "qt6-base=$(dpkg-query -W -f='${Version}' qt6-base-dev)" >fetch.log 2>&1 ||
    { tail -n 20 fetch.log >&2; exit 1; }
  source_dir=$(find . -maxdepth 1 -type d -name 'qt6-base-*' | head -n 1)
fi

echo "== configuring Qt $version for Windows" >&2
# Bundled third-party libraries, as no Windows has them; only the modules Zibaldo uses. OpenGL is
# off by its input too, or "dynamic GL" stays on; Debian's source lacks the tablet headers. Without
# Direct2D, Qt draws text through GDI: DirectWrite goes too, or printing asks for its font engine.
cmake -S "$source_dir" -B build -G Ninja --log-level=WARNING \
  -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-w64.cmake" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DQT_BUILD_TESTS=OFF -DQT_BUILD_EXAMPLES=OFF \
  -DINPUT_opengl=no -DFEATURE_opengl=OFF -DFEATURE_tabletevent=OFF -DFEATURE_icu=OFF \
  -DFEATURE_direct2d=OFF -DFEATURE_directwrite=OFF -DFEATURE_vulkan=OFF \
  -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF \
  -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF \
  -DFEATURE_system_doubleconversion=OFF \
  -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_testlib=OFF \
  -DFEATURE_xml=OFF -DFEATURE_concurrent=OFF -DFEATURE_printsupport=ON -DFEATURE_widgets=ON \
  >configure.log 2>&1 || { tail -n 40 configure.log >&2; exit 1; }

echo "== building Qt $version for Windows (about 35 minutes on 2 cores)" >&2
ninja -C build -j "$(nproc)" >build.log 2>&1 || { tail -n 40 build.log >&2; exit 1; }
rm -rf "$prefix"
cmake --install build >install.log 2>&1 || { tail -n 40 install.log >&2; exit 1; }
touch "$stamp"
cd /
rm -rf "$work"
echo "$prefix"
