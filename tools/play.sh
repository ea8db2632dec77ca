#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the game and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
# avahi-daemon: games waiting on the network are listed through it.
tools/build.sh gstreamer1.0-plugins-base gstreamer1.0-plugins-good avahi-daemon
exec build/bin/tidewatch
