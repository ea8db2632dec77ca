#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fuzzes LoadGif (the frame split and the frame decoding) for the given number of
# seconds with libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer (clang
# from Debian). Builds into $FUZZ_BUILD_DIR (default build-fuzz/); crashes land
# there as crash-*. Seeds: the shared GIF corpus ($GIF_SEEDS, default
# ../shared/testdata/gif), the tests' GIFs and the game's radar animation.
set -euo pipefail
seconds=${1:?usage: tools/fuzz-gif.sh SECONDS}
cd "$(dirname "$0")/.."
tools/install-deps.sh clang libclang-rt-14-dev pkg-config qt6-base-dev

out=${FUZZ_BUILD_DIR:-build-fuzz}
mkdir -p "$out/gif-corpus"
# Qt is built for position-independent code only, hence -fPIC.
clang++ -std=c++20 -g -O1 -fPIC \
  -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
  -I reelkit $(pkg-config --cflags Qt6Gui) \
  tests/fuzz/fuzz_gif.cpp reelkit/gif/modAniGif.cpp reelkit/gif/FrameDecoder.cpp \
  reelkit/gif/GifStreamParser.cpp reelkit/gif/LzwDecoder.cpp reelkit/gif/FrameElements.cpp \
  $(pkg-config --libs Qt6Gui) -o "$out/fuzz_gif"

# The fuzzer writes what it finds into the first folder and only reads the others.
seeds=("$out/gif-corpus" tests/reelkit/data)
[ -d "${GIF_SEEDS:-../shared/testdata/gif}" ] && seeds+=("${GIF_SEEDS:-../shared/testdata/gif}")
cp data/radar.gif "$out/gif-corpus/"

# A load may hold up to 256 MiB of pictures, hence the memory limit.
"$out/fuzz_gif" -max_total_time="$seconds" -max_len=16384 -timeout=20 -rss_limit_mb=1536 \
  -dict=tests/fuzz/gif.dict -artifact_prefix="$out/" "${seeds[@]}"
