#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs whatever the build, the tests and the program need and is not there yet.
set -euo pipefail
"$(dirname "$0")/install-missing.sh" \
  cmake make g++ pkg-config \
  qt6-base-dev qt6-translations-l10n \
  qt6-multimedia-dev libespeak-ng-dev espeak-ng-data \
  libgtest-dev libgmock-dev libbenchmark-dev \
  clang clang-format libclang-rt-14-dev \
  libfontconfig-dev libxcb1-dev fonts-liberation fonts-dejavu-core fonts-sil-andika \
  xvfb xauth xdotool libxcb-damage0-dev \
  dbus at-spi2-core python3-pyatspi \
  pulseaudio pulseaudio-utils gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-tools \
  poppler-utils \
  dpkg-dev file
