#!/usr/bin/env bash
# Renews the pictures of the help pages from the designer's and the workbench's screenshots:
# runs the screenshot tests of an existing build (build/ or $BUILD_DIR) and copies their help
# pictures into resources/help/images, to be looked at and committed with the windows they
# show. (The tutorial's pictures of the first start and the New dialog are copies of
# workbench-first-start.png and workbench-new-template-preview.png.)
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD_DIR=${BUILD_DIR:-$ROOT/build}
cmake --build "$BUILD_DIR" --target test_designer_ui test_workbench_ui
rm -rf "$BUILD_DIR/screenshots/help"
(cd "$BUILD_DIR" && ctest -R '^(DesignerFixture\.Screenshots|Screenshots\.|InsertDialogTest\.TwoInserts|PublishingTest\.(CopyCode|InsertIntoStarts))' --output-on-failure)
mkdir -p "$ROOT/resources/help/images"
cp "$BUILD_DIR"/screenshots/help/*.png "$ROOT/resources/help/images/"
ls -l "$ROOT/resources/help/images"
