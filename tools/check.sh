#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds everything and runs every test through CTest.
set -euo pipefail
cd "$(dirname "$0")/.."
# avahi-daemon, dbus-daemon and iproute2: the network-discovery tests run their own daemons.
tools/build.sh gifsicle desktop-file-utils appstream pulseaudio pulseaudio-utils avahi-daemon avahi-utils dbus-daemon \
  iproute2
cd build
ctest --output-on-failure -j2
