#!/usr/bin/env bash
# Builds everything and runs bench-first-cue against a private PulseAudio server with
# a null sink, so cues really play without a sound card. Arguments go to the bench.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/build.sh pulseaudio pulseaudio-utils
runtime=$(mktemp -d)
export XDG_RUNTIME_DIR="$runtime"
pulseaudio -n --daemonize=no --exit-idle-time=-1 --load="module-null-sink sink_name=bench" \
  --load=module-native-protocol-unix --log-target=stderr 2>/dev/null &
server=$!
trap 'kill "$server" 2>/dev/null; wait "$server" 2>/dev/null; rm -rf "$runtime"' EXIT
for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
build/bin/bench-first-cue "$@"
