#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fuzzes the network message reader with libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer (clang from Debian), in its two modes one after the other,
# each for half the given number of seconds (see tests/fuzz/fuzz_protocol.cpp):
#   oracle   well-formed messages cut at random must come back exactly;
#   garbage  random bytes must neither crash the reader nor outgrow its bound.
# Builds into $FUZZ_BUILD_DIR (default build-fuzz/); a finding lands there as
# MODE-crash-*; replay it with TIDEWATCH_FUZZ_MODE=MODE build-fuzz/fuzz_protocol FILE.
# Ends with one line per mode: runs, seconds, findings.
set -euo pipefail
seconds=${1:?usage: tools/fuzz-protocol.sh SECONDS}
cd "$(dirname "$0")/.."
tools/install-deps.sh clang libclang-rt-14-dev pkg-config qt6-base-dev

out=${FUZZ_BUILD_DIR:-build-fuzz}
mkdir -p "$out/corpus-oracle" "$out/corpus-garbage"
# Qt is built for position-independent code only, hence -fPIC.
clang++ -std=c++20 -g -O1 -fPIC \
  -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
  -I tidewatch -I tests/fuzz $(pkg-config --cflags Qt6Core) \
  tests/fuzz/fuzz_protocol.cpp tests/fuzz/RandomMessages.cpp \
  tidewatch/net/Protocol.cpp tidewatch/net/MessageReader.cpp \
  $(pkg-config --libs Qt6Core) -o "$out/fuzz_protocol"

# The checked-in seeds stay as they are; the fuzzer grows its own copy.
cp tests/fuzz/corpus/garbage/* "$out/corpus-garbage/"

status=0
summary=()
for mode in oracle garbage; do
  extra=()
  [ "$mode" = garbage ] && extra=(-dict=tests/fuzz/protocol.dict)
  TIDEWATCH_FUZZ_MODE=$mode "$out/fuzz_protocol" -max_total_time=$((seconds / 2)) \
    -max_len=4096 -timeout=10 -rss_limit_mb=1024 -print_final_stats=1 "${extra[@]}" \
    -artifact_prefix="$out/$mode-" "$out/corpus-$mode" 2>&1 | tee "$out/$mode.log" \
    || status=1
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$out/$mode.log" | tail -1)
  time=$(sed -n 's/^Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "$out/$mode.log" | tail -1)
  findings=$(grep -c 'Test unit written to' "$out/$mode.log" || true)
  summary+=("$mode: runs ${runs:-?} seconds ${time:-?} findings $findings")
done
printf '%s\n' "${summary[@]}"
exit $status
