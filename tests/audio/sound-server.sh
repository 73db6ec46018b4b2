#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A PulseAudio server of the tests' own, in FOLDER: a null sink as the loudspeaker and a sine
# source of 440 Hz as the microphone, both the defaults.
# Usage: sound-server.sh start FOLDER | stop FOLDER
set -euo pipefail
folder=$2
export XDG_RUNTIME_DIR=$folder/runtime PULSE_RUNTIME_PATH=$folder/runtime/pulse HOME=$folder/home

stop() {
  [ -f "$folder/server.pid" ] || return 0
  local pid
  pid=$(cat "$folder/server.pid")
  kill "$pid" 2>/dev/null || true
  while kill -0 "$pid" 2>/dev/null; do sleep 0.05; done
  rm -f "$folder/server.pid"
}

stop
[ "$1" = stop ] && exit 0
rm -rf "$folder"
mkdir -p "$PULSE_RUNTIME_PATH" "$HOME"
chmod 700 "$XDG_RUNTIME_DIR"
pulseaudio --daemonize=no -n --exit-idle-time=-1 --use-pid-file=yes --log-target=stderr \
  --load="module-native-protocol-unix auth-anonymous=1" \
  --load="module-null-sink sink_name=zibaldo_null" \
  --load="module-sine-source source_name=zibaldo_sine rate=48000 frequency=440" \
  >"$folder/server.log" 2>&1 &
echo $! >"$folder/server.pid"
# Ready when it answers; a loaded machine may take several seconds.
for _ in $(seq 1 300); do
  if pactl info >/dev/null 2>&1; then
    pactl set-default-sink zibaldo_null
    pactl set-default-source zibaldo_sine
    exit 0
  fi
  kill -0 $! 2>/dev/null || { cat "$folder/server.log" >&2; exit 1; }
  sleep 0.1
done
echo "the sound server did not answer" >&2
exit 1
