#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs with apt-get those of the named Debian packages that are not installed yet, through
# sudo when not root. Usage: tools/install-missing.sh PACKAGE...
set -euo pipefail

missing=()
for package in "$@"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -gt 0 ] || exit 0

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
echo "installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq >/dev/null
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null 2>&1 ||
  "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
