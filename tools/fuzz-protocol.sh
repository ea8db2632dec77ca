#!/usr/bin/env bash
# Fuzzes the network message reader and grammar for the given number of seconds with
# libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer (clang from Debian).
# Builds into $FUZZ_BUILD_DIR (default build-fuzz/); crashes land there as crash-*.
set -euo pipefail
seconds=${1:?usage: tools/fuzz-protocol.sh SECONDS}
cd "$(dirname "$0")/.."
tools/install-deps.sh clang libclang-rt-14-dev pkg-config qt6-base-dev

out=${FUZZ_BUILD_DIR:-build-fuzz}
mkdir -p "$out/corpus"
# Qt is built for position-independent code only, hence -fPIC.
clang++ -std=c++20 -g -O1 -fPIC \
  -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
  -I tidewatch $(pkg-config --cflags Qt6Core) \
  tests/fuzz/fuzz_protocol.cpp tidewatch/net/Protocol.cpp tidewatch/net/MessageReader.cpp \
  $(pkg-config --libs Qt6Core) -o "$out/fuzz_protocol"

# The checked-in seeds stay as they are; the fuzzer grows its own copy.
cp tests/fuzz/corpus/* "$out/corpus/"

"$out/fuzz_protocol" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
  -dict=tests/fuzz/protocol.dict -artifact_prefix="$out/" "$out/corpus"
