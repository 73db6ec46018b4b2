#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what the Windows build, its installer and its check under wine need, and Debian's
# source packages, from which Qt for Windows and the speech engine are built.
set -euo pipefail
here=$(dirname "$0")

# apt-get source needs a deb-src line for the release the installed Qt came from.
sources=/etc/apt/sources.list.d/zibaldo-sources.sources
if ! grep -rqsE '^(deb-src|Types:.*deb-src)' /etc/apt/sources.list /etc/apt/sources.list.d/; then
  sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  echo "adding Debian's source packages to $sources"
  printf '%s\n' 'Types: deb-src' 'URIs: http://deb.debian.org/debian' \
    'Suites: bookworm bookworm-updates' 'Components: main' \
    'Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg' | "${sudo[@]}" tee "$sources" >/dev/null
  "${sudo[@]}" apt-get update -qq >/dev/null
fi

# Qt Multimedia's video shaders are compiled by the host's shader tools; the voice's Italian data
# comes from espeak-ng-data. The check listens to the program through PulseAudio, which wine
# plays into.
"$here/../install-missing.sh" \
  cmake ninja-build dpkg-dev qt6-base-dev qt6-translations-l10n \
  qt6-multimedia-dev qt6-shadertools-dev espeak-ng-data \
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 \
  nsis wine64 wine fonts-sil-andika woff2 \
  xvfb xauth xdotool imagemagick pulseaudio pulseaudio-utils python3
