#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the asset generator (tools/assetgen, a project of its own) and runs it,
# rewriting the committed pictures, radar animation and sound cues in place.
# The build folder defaults to build-assets/ in the checkout; ASSETGEN_BUILD_DIR overrides it.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh cmake make g++ qt6-base-dev
build_dir="${ASSETGEN_BUILD_DIR:-build-assets}"
cmake -S tools/assetgen -B "$build_dir" -DCMAKE_BUILD_TYPE=Release
cmake --build "$build_dir" -j2
"$build_dir/assetgen" "$PWD"
echo "Assets written to tidewatch/main/resources/ and data/."
