#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Configures and builds everything into build/ (programs and data/ in build/bin).
# Arguments name extra Debian packages to install first. TIDEWATCH_BUILD_DIR picks another
# build folder and TIDEWATCH_CMAKE_ARGS adds configure options (tools/package.sh uses both).
# qt6-base-private-dev: the accessibility test switches on Qt's accessibility layer,
# which only a platform plugin, or that private header, can do. libwayland-dev: the keyboard
# tests wait for a Wayland compositor through its client library.
# qt6-l10n-tools: lrelease turns the translation sources into the files the program loads;
# qt6-tools-dev: the CMake package that calls it (Qt6LinguistTools), and Qt Designer's plugin headers.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_PACKAGES=(cmake make g++ pkg-config qt6-base-dev qt6-multimedia-dev libgif-dev
                libgl-dev libglx-dev qt6-qpa-plugins qt6-base-private-dev libwayland-dev
                qt6-l10n-tools qt6-tools-dev)
tools/install-deps.sh "${BUILD_PACKAGES[@]}" "$@"
build_dir="${TIDEWATCH_BUILD_DIR:-build}"
read -r -a extra_args <<< "${TIDEWATCH_CMAKE_ARGS:-}"
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${extra_args[@]}"
cmake --build "$build_dir" -j2
