#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds everything and runs every test through CTest.
set -euo pipefail
cd "$(dirname "$0")/.."
# avahi-daemon, dbus-daemon and iproute2: the network-discovery tests run their own daemons.
# util-linux: its flock holds the record file's lock in the records test.
tools/build.sh gifsicle desktop-file-utils appstream pulseaudio pulseaudio-utils avahi-daemon dbus-daemon \
  iproute2 util-linux
cd build
ctest --output-on-failure -j2
