#!/usr/bin/env bash
# Builds everything and runs every test through CTest.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/build.sh gifsicle desktop-file-utils appstream pulseaudio pulseaudio-utils
cd build
ctest --output-on-failure -j2
