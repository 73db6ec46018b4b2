#!/usr/bin/env bash
# Installs whatever the build, the tests and the program need and is not there yet.
set -euo pipefail
"$(dirname "$0")/install-missing.sh" \
  cmake make g++ pkg-config \
  qt6-base-dev qt6-translations-l10n \
  libgtest-dev libgmock-dev libbenchmark-dev \
  clang libclang-rt-14-dev \
  fonts-liberation fonts-dejavu-core \
  xvfb xauth xdotool libxcb-damage0-dev \
  dpkg-dev file
