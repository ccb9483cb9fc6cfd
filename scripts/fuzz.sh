#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz/ (or $FUZZ_BUILD_DIR) and runs the
# widget file fuzzer for a bounded time, seeded with the sample widget files.
# Usage: scripts/fuzz.sh [seconds]   (default 600)
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
DURATION=${1:-600}
BUILD_DIR=${FUZZ_BUILD_DIR:-$ROOT/build-fuzz}
TARGET=widgetfile_fuzzer

# Everything built here is instrumented for coverage and the sanitizers; only the fuzz
# targets link libFuzzer's driver.
SAN="-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer"
cmake -S "$ROOT" -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_C_FLAGS="$SAN" -DCMAKE_CXX_FLAGS="$SAN" \
    -DTB_BUILD_FUZZERS=ON -DTB_BUILD_TESTS=OFF -DTB_BUILD_BENCHMARKS=OFF
cmake --build "$BUILD_DIR" --target "$TARGET" --parallel "${JOBS:-2}"

CORPUS=$BUILD_DIR/corpus/widgetfile
ARTIFACTS=$BUILD_DIR/artifacts/widgetfile/
mkdir -p "$CORPUS" "$ARTIFACTS"
# New inputs go to the first folder; the seeds are only read.
exec "$BUILD_DIR/fuzz/$TARGET" -max_total_time="$DURATION" -print_final_stats=1 \
    -dict="$ROOT/fuzz/widgetfile.dict" -artifact_prefix="$ARTIFACTS" \
    "$CORPUS" "$ROOT/tests/data/widgetfiles"
