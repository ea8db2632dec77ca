#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes docs/battle.png, the picture at the top of the README, from the real game window
# under Xvfb: build/bin/readme-screenshot plays the opening of a battle and saves it.
# SCALE=2 makes the picture at QT_SCALE_FACTOR=2 instead (1398 x 958 device pixels).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/build.sh xvfb xauth
out="${1:-docs/battle.png}"
mkdir -p "$(dirname "$out")"
QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR="${SCALE:-1}" \
  xvfb-run -a -s "-screen 0 1600x1200x24 -nolisten tcp" build/bin/readme-screenshot "$out"
echo "Saved $out"
