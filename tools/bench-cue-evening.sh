#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds everything and runs bench-cue-evening against a private PulseAudio server
# with a null sink. Arguments go to the bench.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/build.sh pulseaudio pulseaudio-utils
tools/with-null-sink.sh build/bin/bench-cue-evening "$@"
