#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds everything and runs bench-first-cue against a private PulseAudio server with
# a null sink, so cues really play without a sound card. Arguments go to the bench.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/build.sh pulseaudio pulseaudio-utils
tools/with-null-sink.sh build/bin/bench-first-cue "$@"
