#!/usr/bin/env bash
# Installs what is missing, builds, registers the widget component in the user's registry
# and starts the workbench, as far as those exist yet.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD_DIR=${BUILD_DIR:-$ROOT/build}
"$ROOT/scripts/install-deps.sh"
BUILD_DIR=$BUILD_DIR "$ROOT/scripts/build.sh"
BIN=$BUILD_DIR/bin
if [[ -x $BIN/tessera && -f $BIN/TesseraBrisko.so ]]; then
    "$BIN/tessera" register "$BIN/TesseraBrisko.so"
fi
if [[ -x $BIN/AmbrelBrisko ]]; then
    exec "$BIN/AmbrelBrisko" "$@"
fi
echo "Built into $BIN."
