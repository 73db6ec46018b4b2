#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Qt for Windows from Debian's sources of the installed Qt, with MinGW-w64, once per
# machine, in three parts: qtbase (Core, Gui, Widgets, PrintSupport), QtNetwork (which Qt
# Multimedia links), and Qt Multimedia with its Windows audio backend. Prints the folder it lives
# in. With --built it only says, by its status, whether that folder is complete; with --missing it
# names the parts it still lacks.
set -euo pipefail
repo=$(realpath "$(dirname "$0")/../..")

version=$(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null | sed 's/+.*//') || true
prefix=${ZIBALDO_CACHE:-$HOME/.cache/zibaldo}/qt-${version:-none}-mingw64
# Each part's stamp is written last: a part cut short leaves none, and the next run goes on with
# it; a cache made before a part was added gets that part only. qtbase's stamp keeps the name it
# had when qtbase was all there was.
parts=(qtbase network multimedia)
declare -A stamp=([qtbase]=$prefix/zibaldo-complete [network]=$prefix/zibaldo-network-complete
  [multimedia]=$prefix/zibaldo-multimedia-complete)
missing=()
for part in "${parts[@]}"; do
  [ -f "${stamp[$part]}" ] || missing+=("$part")
done
# The other parts are installed into qtbase's folder, which a new qtbase starts afresh.
[ -f "${stamp[qtbase]}" ] || missing=("${parts[@]}")
case "${1:-}" in
  --built) [ ${#missing[@]} -eq 0 ]; exit ;;
  --missing) echo "${missing[*]}"; exit 0 ;;
esac
if [ ${#missing[@]} -eq 0 ]; then
  echo "$prefix"
  exit 0
fi
[ -n "$version" ] || { echo "qt6-base-dev is not installed: run tools/windows/setup.sh" >&2; exit 1; }

# The build trees, about 1 GB, are kept until every part is installed: a build cut short goes on
# from where it stopped.
work=$prefix.build
mkdir -p "$work"
cd "$work"
# The folder of Debian's source of PACKAGE at the version of the installed INSTALLED, fetched
# once.
source_of() {
  local package=$1 installed=$2 folder
  folder=$(find . -maxdepth 1 -type d -name "$package-*" | head -n 1)
  if [ -z "$folder" ]; then
    echo "== fetching Debian's $package source" >&2
    apt-get source "$package=$(dpkg-query -W -f='${Version}' "$installed")" >"fetch-$package.log" 2>&1 ||
      { tail -n 20 "fetch-$package.log" >&2; exit 1; }
    folder=$(find . -maxdepth 1 -type d -name "$package-*" | head -n 1)
  fi
  realpath "$folder"
}
# Runs a step, its output in LOG, shown in part if it fails.
step() {
  local log=$1
  shift
  "$@" >"$log" 2>&1 || { tail -n 40 "$log" >&2; exit 1; }
}

build_qtbase() {
  local source
  source=$(source_of qt6-base qt6-base-dev)
  echo "== configuring Qt $version for Windows" >&2
  # Bundled third-party libraries, as no Windows has them; only the modules Zibaldo uses. OpenGL is
  # off by its input too, or "dynamic GL" stays on; Debian's source lacks the tablet headers.
  # Without Direct2D, Qt draws text through GDI: DirectWrite goes too, or printing asks for its
  # font engine. QtNetwork is built on its own, after this.
  step configure.log cmake -S "$source" -B build -G Ninja --log-level=WARNING \
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
    -DFEATURE_xml=OFF -DFEATURE_concurrent=OFF -DFEATURE_printsupport=ON -DFEATURE_widgets=ON
  echo "== building Qt $version for Windows (35 to 52 minutes on 2 cores)" >&2
  step build.log ninja -C build -j "$(nproc)"
  rm -rf "$prefix"
  step install.log cmake --install build
}

# QtNetwork alone, as a module of its own built against the installed qtbase, the way Qt builds
# its other modules: the qtbase built without it needs no second build.
build_network() {
  local source project=$work/network-project
  source=$(source_of qt6-base qt6-base-dev)
  mkdir -p "$project"
  cp "$source/.cmake.conf" "$project/"
  # Qt's header generator finds the module's headers through this map.
  printf '%%modules = ( "QtNetwork" => "%s/src/network" );\n' "$source" >"$project/sync.profile"
  cat >"$project/CMakeLists.txt" <<EOF
cmake_minimum_required(VERSION 3.16)
include(.cmake.conf)
project(QtNetwork VERSION "\${QT_REPO_MODULE_VERSION}" LANGUAGES CXX C)
find_package(Qt6 \${PROJECT_VERSION} CONFIG REQUIRED COMPONENTS BuildInternals Core)
qt_build_repo_begin()
add_subdirectory("$source/src/network" network)
qt_build_repo_end()
EOF
  echo "== configuring QtNetwork $version for Windows" >&2
  step network-configure.log "$prefix/bin/qt-cmake" -S "$project" -B network -G Ninja \
    --log-level=WARNING -DQT_CHAINLOAD_TOOLCHAIN_FILE="$repo/cmake/mingw-w64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DQT_BUILD_TESTS=OFF -DQT_BUILD_EXAMPLES=OFF
  echo "== building QtNetwork $version for Windows" >&2
  step network-build.log ninja -C network -j "$(nproc)"
  step network-install.log cmake --install network
}

# Qt Multimedia's library, which plays and hears through Windows's own audio (WASAPI), and
# nothing more: no media plugin (Windows Media Foundation's would need QtConcurrent; FFmpeg and
# GStreamer are not wanted), no spatial audio, no widgets.
build_multimedia() {
  local source libraries=/usr/x86_64-w64-mingw32/lib
  source=$(source_of qt6-multimedia qt6-multimedia-dev)
  # Qt 6.4.2 names Media Foundation's library with its ending, which Qt's loader adds a second
  # time: the library is never found, and without it no sound can be converted to the format the
  # audio device mixes in, so every sound fails to open (on Windows as under wine).
  sed -i 's/QStringLiteral("Mfplat.dll")/QStringLiteral("Mfplat")/' \
    "$source/src/multimedia/windows/qwindowsmediafoundation_p.h"
  # Its Windows sources spell some headers as Windows's file system lets them (Mferror.h,
  # QUrl.h), where MinGW's and Qt's own files are spelled otherwise: a header of each such
  # spelling includes the real one.
  local spelling=$work/windows-spelling header lower folder
  mkdir -p "$spelling"
  grep -rhoE '#\s*include\s*[<"][^>"]+[>"]' "$source/src/multimedia/windows" |
    sed -E 's/.*[<"]([^>"]+)[>"]/\1/' | sort -u | while read -r header; do
      lower=${header,,}
      [ "$lower" != "$header" ] && [ -z "$(find "$source/src" -name "$header")" ] || continue
      for folder in /usr/x86_64-w64-mingw32/include "$prefix/include/QtCore"; do
        if [ ! -e "$folder/$header" ] && [ -e "$folder/$lower" ]; then
          echo "#include <$lower>" >"$spelling/$header"
        fi
      done
    done
  echo "== configuring Qt Multimedia $version for Windows" >&2
  # The Windows backend needs these Media Foundation libraries, which Qt looks for by Windows's
  # spelling (Mfplat); MinGW's are spelled in lower case. The video shaders are compiled by the
  # host's shader tools.
  step multimedia-configure.log "$prefix/bin/qt-cmake" -S "$source" -B multimedia -G Ninja \
    --log-level=WARNING -DQT_CHAINLOAD_TOOLCHAIN_FILE="$repo/cmake/mingw-w64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DQT_BUILD_TESTS=OFF -DQT_BUILD_EXAMPLES=OFF \
    -DCMAKE_CXX_FLAGS="-I$spelling" -DFEATURE_spatialaudio=OFF -DFEATURE_ffmpeg=OFF -DFEATURE_gstreamer_1_0=OFF \
    -DWMF_MF_LIBRARY=$libraries/libmf.a -DWMF_MFUUID_LIBRARY=$libraries/libmfuuid.a \
    -DWMF_MFPLAT_LIBRARY=$libraries/libmfplat.a -DWMF_MFCORE_LIBRARY=$libraries/libmfcore.a \
    -DWMF_PROPSYS_LIBRARY=$libraries/libpropsys.a \
    -DQt6ShaderTools_DIR=/usr/lib/x86_64-linux-gnu/cmake/Qt6ShaderTools
  grep -q 'Windows Media Foundation .* yes' multimedia/config.summary ||
    { echo "Qt Multimedia would have no Windows audio backend: see $work/multimedia-configure.log" >&2; exit 1; }
  echo "== building Qt Multimedia $version for Windows" >&2
  step multimedia-build.log ninja -C multimedia -j "$(nproc)" Multimedia
  # The library's folder, and the files its package finds its dependencies by, which the top
  # folder installs.
  step multimedia-install.log cmake --install multimedia/src/multimedia
  step multimedia-package.log cmake -DCMAKE_INSTALL_LOCAL_ONLY=ON -P multimedia/cmake_install.cmake
}

for part in "${missing[@]}"; do
  "build_$part"
  touch "${stamp[$part]}"
done
cd /
rm -rf "$work"
echo "$prefix"
