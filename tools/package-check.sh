#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks a built Debian package of Zibaldo with Debian's own tools, then runs it. lintian must
# find no error and no warning, and the desktop entry and the AppStream data must validate. The
# package is unpacked into a temporary root, and /usr/bin/zibaldo there is started under Xvfb:
# the title window must fill the screen and show its three pictures, which the program finds
# through the links of its own folder. The same root without its pictures must show grey
# placeholders instead, so the picture check can tell the two apart.
# Usage: tools/package-check.sh zibaldo_<version>_amd64.deb
set -euo pipefail

# Runs inside the virtual display: $2 the program, $3 "pictures" or "placeholders". Prints what
# it saw; the exit status says whether it was what was expected.
if [ "${1:-}" = --in-xvfb ]; then
  program=$2 expected=$3 class=$4
  pictures=$(realpath "$(dirname "$0")/title-pictures.sh")
  . "$(dirname "$0")/x-windows.sh"
  XDG_RUNTIME_DIR=$(mktemp -d)
  export XDG_RUNTIME_DIR
  shot=$XDG_RUNTIME_DIR/screen.png
  cd /
  "$program" &
  pid=$!
  trap 'kill "$pid" 2>/dev/null; rm -rf "$XDG_RUNTIME_DIR"' EXIT
  window=$(first_window_within 20 --class "$class") || {
    echo "no window of class $class appeared"; exit 1; }
  geometry=$(xdotool getwindowgeometry "$window" | awk '/Geometry/ {print $2}')
  [ "$geometry" = 1024x768 ] || { echo "the title window is $geometry, not the screen"; exit 1; }
  "$pictures" "$expected" "$shot"
  exit 0
fi

deb=$(realpath "${1:?usage: tools/package-check.sh PACKAGE.deb}")
here=$(cd "$(dirname "$0")" && pwd)
"$here/install-missing.sh" lintian desktop-file-utils appstream imagemagick xvfb xauth xdotool

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

echo "== lintian"
as_root=()
[ "$(id -u)" -ne 0 ] || as_root=(--allow-root)
lintian "${as_root[@]}" --fail-on error,warning --display-info "$deb"
echo "lintian: no error, no warning"

dpkg-deb -x "$deb" "$root"
echo "== desktop-file-validate"
desktop=$(echo "$root"/usr/share/applications/*.desktop)
desktop-file-validate "$desktop"
echo "desktop entry: valid"
echo "== appstreamcli validate"
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml

echo "== starting <unpacked package>/usr/bin/zibaldo under Xvfb"
for link in usr/bin/zibaldo usr/lib/zibaldo/listaparole.txt usr/lib/zibaldo/jpg; do
  [ -e "$root/$link" ] || { echo "FAIL: $link leads nowhere inside the package"; exit 1; }
done
class=$(sed -n 's/^StartupWMClass=//p' "$desktop")
# From a display number of its own: one a server has just left may not be free yet.
in_xvfb() { xvfb-run -a -n $((100 + RANDOM % 800)) -s "-screen 0 1024x768x24" "$0" --in-xvfb "$@"; }
in_xvfb "$root/usr/bin/zibaldo" pictures "$class" || { echo "FAIL: installed program"; exit 1; }
rm -r "$root/usr/share/zibaldo/jpg"
mkdir "$root/usr/share/zibaldo/jpg"
in_xvfb "$root/usr/bin/zibaldo" placeholders "$class" || { echo "FAIL: control run"; exit 1; }
echo "package check: ok"
