#!/usr/bin/env bash
# Builds a libFuzzer target with clang in build-fuzz/ (or $FUZZ_BUILD_DIR) and runs it for a
# bounded time on its seeds:
#   widgetfile  the widget file reader and the design rebuild, seeded with the sample widget
#               files, the shipped templates and stored designs with menus;
#   archive     the object archive loader, seeded with the archives it writes itself;
#   hive        the registry hive reader and writer, seeded with fuzz/seeds/hive;
#   page        the Insert dialog's page reader and the editor's text form of a page, seeded
#               with fuzz/seeds/page and the test pages.
# Usage: scripts/fuzz.sh [seconds] [widgetfile|archive|hive|page]   (default 600, widgetfile)
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
DURATION=${1:-600}
WHICH=${2:-widgetfile}
BUILD_DIR=${FUZZ_BUILD_DIR:-$ROOT/build-fuzz}
case "$WHICH" in
widgetfile | archive | hive) TARGET=${WHICH}_fuzzer ;;
page) TARGET=pagereader_fuzzer ;;
*)
    echo "usage: $0 [seconds] [widgetfile|archive|hive|page]" >&2
    exit 2
    ;;
esac

# Everything built here is instrumented for coverage and the sanitizers; only the fuzz
# targets link libFuzzer's driver.
SAN="-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer"
cmake -S "$ROOT" -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_C_FLAGS="$SAN" -DCMAKE_CXX_FLAGS="$SAN" \
    -DTB_BUILD_FUZZERS=ON -DTB_BUILD_TESTS=OFF -DTB_BUILD_BENCHMARKS=OFF
cmake --build "$BUILD_DIR" --target "$TARGET" --parallel "${JOBS:-2}"

CORPUS=$BUILD_DIR/corpus/$WHICH
ARTIFACTS=$BUILD_DIR/artifacts/$WHICH/
mkdir -p "$CORPUS" "$ARTIFACTS"
case "$WHICH" in
archive)
    # The seeds come from the model itself, so they follow its archive form.
    SEEDS=("$BUILD_DIR/seeds/archive")
    mkdir -p "${SEEDS[0]}"
    TB_ARCHIVE_SEEDS="${SEEDS[0]}" "$BUILD_DIR/fuzz/$TARGET"
    ;;
widgetfile)
    # Files with menus reach the design rebuild, not only the file reader.
    SEEDS=("$ROOT/tests/data/widgetfiles" "$ROOT/resources/component/templates"
        "$ROOT/tests/data/params")
    ;;
hive)
    SEEDS=("$ROOT/fuzz/seeds/hive")
    ;;
page)
    SEEDS=("$ROOT/fuzz/seeds/page" "$ROOT/tests/data/pages")
    ;;
esac
# New inputs go to the first folder; the seeds are only read.
exec "$BUILD_DIR/fuzz/$TARGET" -max_total_time="$DURATION" -print_final_stats=1 \
    -dict="$ROOT/fuzz/$WHICH.dict" -artifact_prefix="$ARTIFACTS" \
    "$CORPUS" "${SEEDS[@]}"
