#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command against a private PulseAudio server whose only sink is a null sink,
# so sound really plays, and can be recorded from its monitor, without a sound card
# and without touching the desktop's server. Fails, naming the program, when PulseAudio
# or its tools are missing or the server does not start.
set -euo pipefail
for tool in pulseaudio pactl parec; do
  command -v "$tool" >/dev/null || { echo "$tool is not installed (Debian: pulseaudio pulseaudio-utils)" >&2; exit 1; }
done
runtime=$(mktemp -d)
export XDG_RUNTIME_DIR="$runtime"
pulseaudio -n --daemonize=no --exit-idle-time=-1 --load="module-null-sink sink_name=null" \
  --load=module-native-protocol-unix --log-target=stderr 2>/dev/null &
server=$!
trap 'kill "$server" 2>/dev/null; wait "$server" 2>/dev/null; rm -rf "$runtime"' EXIT
for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
pactl info >/dev/null 2>&1 || { echo "pulseaudio did not start a private server" >&2; exit 1; }
"$@"
