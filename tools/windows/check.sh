#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks Zibaldo's Windows installer under wine, in a wine prefix made for the check alone and on
# a virtual display of its own, with a sound server of its own whose only output is a null sink.
# The installer, silent, must put the program, its shortcuts and its entry in the list of programs
# in place. The installed zibaldo.exe must show its title window over the whole screen with its
# three pictures; a click opens the menu, from which both games open and are left again; in
# Memory a word card turned over must be heard on the sink, in the speech engine's voice, and
# with a teacher's recording in its voce/ folder, in that recording; and the program ends when
# asked. Where Windows has no audio output, the same card must be silent, with
# no message. The uninstaller, silent too, must then leave nothing of it.
# Usage: tools/windows/check.sh Zibaldo-<version>-setup.exe [SCREENSHOT_FOLDER]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../x-windows.sh"
width=1280 height=800
# The pitch of the teacher's recordings the check puts in; speech has next to none of its share.
tone=440

if [ "${1:-}" = --in-xvfb ]; then
  setup=$2 shots=$3
  fail() { echo "FAIL: $*" >&2; exit 1; }
  folder="$WINEPREFIX/drive_c/Program Files/Zibaldo"
  menu_entry="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Zibaldo.lnk"
  desktop_entry="$WINEPREFIX/drive_c/users/Public/Desktop/Zibaldo.lnk"
  key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Zibaldo'
  # A value of the program's entry in the list of programs; reg writes Windows's line ends.
  registry() {
    wine reg query "$key" /v "$1" 2>/dev/null | tr -d '\r' |
      awk -v v="$1" '$1 == v {sub(/^ *[^ ]+ +[^ ]+ +/, ""); print}'
  }

  # Wine reaches the sound server through the variables its own processes, wineboot's included,
  # are started with.
  timeout 120 wineboot -i >/dev/null 2>&1 || fail "wine could not make its prefix"
  # The window named exactly $1, once it shows.
  window() {
    local id
    id=$(first_window_within "${2:-30}" --name "^$1\$") || fail "no window \"$1\" appeared"
    # Under wine a window takes clicks a moment after it shows.
    sleep 3
    echo "$id"
  }
  gone() {
    for _ in $(seq 100); do
      visible_windows --name "^$1\$" >/dev/null || return 0
      sleep 0.1
    done
    fail "the window \"$1\" did not close"
  }
  version=$(basename "$setup" | sed -n 's/^Zibaldo-\(.*\)-setup\.exe$/\1/p')

  if [ -n "$shots" ]; then
    echo "== the installer's pages, for the screenshots"
    wine start /unix "$setup"
    installer=$(window "Zibaldo $version" 60)
    xdotool windowfocus --sync "$installer"
    page() { sleep 1; import -window "$installer" "$XDG_RUNTIME_DIR/page-$1.png"; }
    page 1
    xdotool key Return
    xdotool key alt+a # "Accetto"
    page 2
    xdotool key Return
    page 3
    xdotool key Return
    page 4
    # Cancelled, and the question that follows answered Yes.
    xdotool key Escape
    sleep 1
    xdotool key Return
    gone "Zibaldo $version"
    convert \( "$XDG_RUNTIME_DIR"/page-[12].png +append \) \
      \( "$XDG_RUNTIME_DIR"/page-[34].png +append \) -append "$shots/windows-installer.png"
  fi

  echo "== installing $(basename "$setup") silently"
  timeout 180 wine start /wait /unix "$setup" /S || fail "the installer ended with an error"
  for file in zibaldo.exe Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll libstdc++-6.dll \
    libgcc_s_seh-1.dll libwinpthread-1.dll platforms/qwindows.dll imageformats/qjpeg.dll \
    imageformats/qico.dll qt.conf translations/qtbase_it.qm fonts/Andika-Regular.ttf \
    modules/zibaldo-voice.dll Qt6Multimedia.dll Qt6Network.dll espeak-ng-data/phondata \
    espeak-ng-data/it_dict espeak-ng-data/lang/roa/it licenze/espeak-ng.txt \
    licenze/qt-multimedia.txt listaparole.txt "Disinstalla Zibaldo.exe"; do
    [ -f "$folder/$file" ] || fail "$file is not in the program's folder"
  done
  for font in "$here"/../../data/fonts/*.woff2; do
    [ -f "$folder/fonts/$(basename "$font" .woff2).ttf" ] || fail "$(basename "$font") not installed as TrueType"
  done
  pictures=$(find "$folder/jpg" -type f | wc -l)
  [ "$pictures" -eq "$(find "$here/../../data/jpg" -type f | wc -l)" ] ||
    fail "$pictures pictures installed, not those of data/jpg"
  [ -f "$menu_entry" ] || fail "no Zibaldo in the Start menu"
  [ -f "$desktop_entry" ] || fail "no Zibaldo on the desktop"
  [ "$(registry DisplayVersion)" = "$version" ] ||
    fail "the list of programs has version '$(registry DisplayVersion)', not $version"
  for value in DisplayName Publisher UninstallString QuietUninstallString DisplayIcon; do
    [ -n "$(registry "$value")" ] || fail "the list of programs has no $value"
  done
  echo "installed: $(du -sh "$folder" | cut -f1) in C:\\Program Files\\Zibaldo, Start menu, desktop, list of programs"

  # Starts the installed zibaldo.exe; $pid is its process.
  start() {
    wine 'C:\Program Files\Zibaldo\zibaldo.exe' &
    pid=$!
  }
  # Leaves a game by its "Esci" and answers Yes to the question that follows.
  leave() {
    xdotool mousemove 20 10 click 1
    sleep 1
    xdotool key Return
    gone "$1"
  }
  # Places as tools/screenshots.sh places them, at the same screen size.
  to_menu() {
    xdotool mousemove 640 700 click 1
    window "Zibaldo – Menù" >/dev/null
  }
  to_memory() {
    xdotool mousemove 640 180 click 1
    window "Zibaldo – Memory" >/dev/null
  }
  # Enter on the menu asks to end the program, and Enter again answers Yes.
  end() {
    window "Zibaldo – Menù" >/dev/null
    xdotool key Return
    sleep 1
    xdotool key Return
    gone "Zibaldo – Menù"
    for _ in $(seq 300); do
      kill -0 "$pid" 2>/dev/null || break
      sleep 0.1
    done
    if kill -0 "$pid" 2>/dev/null; then
      # Wine 8 sometimes never finishes ending a process that has played sound: its main thread
      # waits on wineserver while threads of Mesa's (llvmpipe) it had started are left. The
      # program has closed every window; wine is stopped, and starts afresh for the next run.
      echo "program: closed its windows (wine left the process hanging in its exit: stopped)"
      timeout 30 wineserver -k || true
      wait "$pid" 2>/dev/null || true
      return
    fi
    wait "$pid" || fail "the program ended with status $?"
  }
  # Turns Memory's cards as a pupil would, listening on the null sink: see hear-memory.py.
  hear() {
    "$here/hear-memory.py" zibaldo.monitor "$@" || fail "Memory's voice"
  }

  echo "== starting the installed zibaldo.exe"
  start
  title=$(window Zibaldo 60)
  geometry=$(xdotool getwindowgeometry "$title" | awk '/Geometry/ {print $2}')
  [ "$geometry" = "${width}x$height" ] || fail "the title window is $geometry, not the screen"
  "$here/../title-pictures.sh" pictures "$XDG_RUNTIME_DIR/title.png" || fail "title window"
  [ -z "$shots" ] || cp "$XDG_RUNTIME_DIR/title.png" "$shots/windows-title.png"
  to_menu
  echo "menu: open"
  xdotool mousemove 640 77 click 1
  window "Zibaldo – Crucipuzzle" >/dev/null
  echo "Crucipuzzle: open"
  leave "Zibaldo – Crucipuzzle"
  to_memory
  echo "Memory: open"
  # The first word starts the voice; the others find it ready.
  hear "$tone" speech 3
  leave "Zibaldo – Memory"
  end
  echo "program: spoke its words, ended when asked"

  # The teacher's recordings, voce/<word>.wav in the program's folder, are heard in place of the
  # engine's voice.
  echo "== the installed zibaldo.exe with a teacher's recording for every word"
  # A pure tone for each word of the installed list (Windows-1252, words between commas or
  # line ends, in optional quotes).
  python3 - "$folder" "$tone" <<'WAVES'
import math, os, struct, sys, wave
folder, tone = sys.argv[1], float(sys.argv[2])
text = open(os.path.join(folder, "listaparole.txt"), encoding="cp1252").read()
words = {w.strip().strip('"').strip() for w in text.replace("\r", "\n").replace(",", "\n").split("\n")}
os.makedirs(os.path.join(folder, "voce"), exist_ok=True)
samples = b"".join(struct.pack("<h", int(16000 * math.sin(2 * math.pi * tone * i / 22050)))
                   for i in range(int(0.6 * 22050)))
for word in filter(None, words):
    with wave.open(os.path.join(folder, "voce", word + ".wav"), "wb") as recording:
        recording.setnchannels(1)
        recording.setsampwidth(2)
        recording.setframerate(22050)
        recording.writeframes(samples)
WAVES
  start
  window Zibaldo 60 >/dev/null
  to_menu
  to_memory
  hear "$tone" tone 2
  leave "Zibaldo – Memory"
  end
  rm -rf "$folder/voce"
  echo "program: played the teacher's recordings"

  # Wine's own way of a PC without a sound card: no audio driver at all.
  echo "== the installed zibaldo.exe with no audio output"
  wine reg add 'HKCU\Software\Wine\Drivers' /v Audio /t REG_SZ /d '' /f >/dev/null 2>&1 ||
    fail "could not take wine's audio driver away"
  start
  window Zibaldo 60 >/dev/null
  to_menu
  to_memory
  hear "$tone" silence
  ! visible_windows --name '^Zibaldo$' >/dev/null || fail "a message box showed"
  leave "Zibaldo – Memory"
  end
  echo "program: silent, no message, ended when asked"

  echo "== uninstalling silently"
  timeout 60 wine 'C:\Program Files\Zibaldo\Disinstalla Zibaldo.exe' /S ||
    fail "the uninstaller ended with an error"
  # It goes on from a copy of its own in the temporary folder, so that it can remove itself.
  timeout 60 wineserver -w || fail "the uninstaller did not end"
  [ ! -e "$folder" ] || fail "left behind: $(cd "$folder" && find . | head -n 5 | tr '\n' ' ')"
  [ ! -e "$menu_entry" ] || fail "the Start menu entry is left"
  [ ! -e "$desktop_entry" ] || fail "the desktop shortcut is left"
  ! wine reg query "$key" >/dev/null 2>&1 || fail "the list of programs still has Zibaldo"
  echo "uninstalled: no folder, no shortcut, no entry in the list of programs"
  exit 0
fi

setup=$(realpath "${1:?usage: tools/windows/check.sh Zibaldo-<version>-setup.exe [SCREENSHOT_FOLDER]}")
shots=
[ -z "${2:-}" ] || shots=$(realpath "$2")
work=$(mktemp -d)
# Wine's own files, its prefix and what it would write in the home folder, all go in $work; no
# menu entries of the desktop are made, and no Mono or Gecko is asked for.
export HOME=$work XDG_RUNTIME_DIR=$work WINEPREFIX=$work/prefix WINEARCH=win64 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=d"
# The sound server: a null sink, whose monitor the check listens to.
export PULSE_RUNTIME_PATH=$work/pulse
pulseaudio --daemonize=no -n --exit-idle-time=-1 --load=module-native-protocol-unix \
  --load="module-null-sink sink_name=zibaldo" >"$work/pulseaudio.log" 2>&1 &
sound_server=$!
cleanup() {
  timeout 30 wineserver -k 2>/dev/null || true
  kill "$sound_server" 2>/dev/null || true
  wait "$sound_server" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
for _ in $(seq 100); do
  pactl info >/dev/null 2>&1 && break
  sleep 0.1
done
pactl info >/dev/null 2>&1 || { cat "$work/pulseaudio.log"; echo "windows check: no sound server"; exit 1; }
# From a display number of its own: one a server has just left may not be free yet.
timeout 600 xvfb-run -a -n $((100 + RANDOM % 800)) -s "-screen 0 ${width}x${height}x24" \
  "$0" --in-xvfb "$setup" "$shots" || { echo "windows check: FAILED"; exit 1; }
echo "windows check: ok"
