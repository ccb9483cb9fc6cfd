#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test with ctest.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD_DIR=${BUILD_DIR:-$ROOT/build}
"$ROOT/scripts/install-deps.sh"
BUILD_DIR=$BUILD_DIR "$ROOT/scripts/build.sh" "$@"
cd "$BUILD_DIR"
ctest --output-on-failure --parallel "${JOBS:-$(nproc)}" --timeout 300
