#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds everything and runs every test through CTest.
set -euo pipefail
cd "$(dirname "$0")/.."
# Every program a test starts comes from a package named here:
#   gifsicle (the radar's check), desktop-file-utils and appstream (the menu entry and metainfo),
#   pulseaudio and pulseaudio-utils (the cues recorded from a null sink),
#   avahi-daemon, avahi-utils, dbus-daemon, dbus-bin and iproute2 (the network-discovery tests run
#   their own daemons, publish games with avahi-publish and set up a private network),
#   util-linux (flock holds the records file's lock in the records test),
#   python3 (the check of the folders' include order),
#   weston, xvfb and qt6-wayland (the wayland: run of the window tests, as clients of a
#   weston on its X11 back end inside an Xvfb),
#   qt6-translations-l10n (Qt's own translations, which the language test loads for standard buttons),
#   fonts-wqy-microhei (Chinese, Japanese and Korean glyphs, so the fit test measures real text).
tools/build.sh gifsicle desktop-file-utils appstream pulseaudio pulseaudio-utils \
  avahi-daemon avahi-utils dbus-daemon dbus-bin iproute2 util-linux python3 weston xvfb qt6-wayland \
  qt6-translations-l10n fonts-wqy-microhei
cd build
ctest --output-on-failure -j2
