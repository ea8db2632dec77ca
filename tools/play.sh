#!/usr/bin/env bash
# Builds the game and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/build.sh gstreamer1.0-plugins-base gstreamer1.0-plugins-good
exec build/bin/tidewatch
