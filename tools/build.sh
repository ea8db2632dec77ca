#!/usr/bin/env bash
# Configures and builds everything into build/ (programs and data/ in build/bin).
# qt6-base-private-dev: the accessibility test switches on Qt's accessibility layer,
# which only a platform plugin, or that private header, can do.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_PACKAGES=(cmake make g++ pkg-config qt6-base-dev qt6-multimedia-dev libgif-dev
                libgl-dev libglx-dev qt6-qpa-plugins qt6-base-private-dev)
tools/install-deps.sh "${BUILD_PACKAGES[@]}" "$@"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j2
