#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the game and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
# avahi-daemon: games waiting on the network are listed through it.
# xdg-utils: the about links are opened by the desktop's handler, through xdg-open.
# qt6-wayland: on a Wayland session Qt picks this plugin; without an X server it has no other.
# qt6-translations-l10n: Qt's own translations, so standard buttons speak the game's language.
# fonts-wqy-microhei: glyphs for the Chinese, Japanese and Korean translations.
tools/build.sh gstreamer1.0-plugins-base gstreamer1.0-plugins-good avahi-daemon xdg-utils qt6-wayland \
  qt6-translations-l10n fonts-wqy-microhei
exec build/bin/tidewatch
