#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds everything and runs bench-startup on a private X server (Xvfb, xcb platform).
# Arguments go to bench-startup (e.g. --runs 15).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/build.sh xvfb xauth
exec xvfb-run -a -s "-screen 0 1280x1024x24" build/bin/bench-startup "$@"
