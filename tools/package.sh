#!/usr/bin/env bash
# Builds the Debian package build-deb/tidewatch_VERSION_ARCH.deb: the game, Reelkit and
# Reelkit's Qt Designer plugin, installed under /usr. Install it with
#   sudo apt install ./build-deb/tidewatch_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
# dpkg-dev and file for the package's library dependencies; qt6-tools-dev for the plugin.
TIDEWATCH_BUILD_DIR=build-deb \
TIDEWATCH_CMAKE_ARGS="-DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr -DBUILD_TESTING=OFF" \
  tools/build.sh dpkg-dev file qt6-tools-dev
rm -f build-deb/tidewatch_*.deb
(cd build-deb && cpack -G DEB)
ls build-deb/tidewatch_*.deb
