#!/usr/bin/env bash
# check-deb.sh BUILD_DIR: builds the Debian package of the build, unpacks it into a scratch
# root with dpkg -x and checks that it holds what an installed program needs: the program
# folder with its modules and help, the link on the search path, the menu entry (valid for the
# desktop), the icons, the widget file type (which the MIME tools must accept and recognise a
# widget file by), and the scripts that update the desktop's databases.
set -euo pipefail
BUILD_DIR=$(cd "$1" && pwd)
SCRATCH="$BUILD_DIR/Testing/deb-check"
rm -rf "$SCRATCH"
mkdir -p "$SCRATCH/out" "$SCRATCH/root" "$SCRATCH/control"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

(cd "$BUILD_DIR" && cpack -G DEB -B "$SCRATCH/out" --config CPackConfig.cmake >"$SCRATCH/cpack.log" 2>&1) ||
    { cat "$SCRATCH/cpack.log" >&2; fail "cpack -G DEB"; }
debs=("$SCRATCH"/out/*.deb)
[[ ${#debs[@]} -eq 1 && -f ${debs[0]} ]] || fail "expected one .deb in $SCRATCH/out"
deb=${debs[0]}
dpkg-deb -x "$deb" "$SCRATCH/root"
dpkg-deb -e "$deb" "$SCRATCH/control"
root="$SCRATCH/root"

expect_file() {
    [[ -f "$root/$1" ]] || fail "missing /$1"
}
program=usr/lib/ambrel-brisko
for f in AmbrelBrisko TesseraBrisko.so tessera vellumo tlwbtn.class tlwbtn.js previewerr.htm \
    Sample/sample.htm TesseraBrisko.help/index.htm TesseraBrisko.help/step.htm \
    TesseraBrisko.help/dbrowser.htm TesseraBrisko.help/images/dhelpabout.png; do
    expect_file "$program/$f"
done
[[ -x "$root/$program/AmbrelBrisko" ]] || fail "the program is not executable"
ls "$root/$program"/*.tsq >/dev/null 2>&1 || fail "no templates in the program folder"

link="$root/usr/bin/ambrel-brisko"
[[ -L $link ]] || fail "missing the link /usr/bin/ambrel-brisko"
[[ $(readlink -f "$link") == "$root/$program/AmbrelBrisko" ]] ||
    fail "/usr/bin/ambrel-brisko points to $(readlink "$link")"

desktop=usr/share/applications/ambrel-brisko.desktop
expect_file "$desktop"
desktop-file-validate "$root/$desktop" || fail "desktop-file-validate $desktop"
grep -qx 'Exec=ambrel-brisko %f' "$root/$desktop" || fail "the menu entry does not start the link"
grep -qx 'Icon=ambrel-brisko' "$root/$desktop" || fail "the menu entry names another icon"
grep -q '^MimeType=.*application/x-tessera-widget;' "$root/$desktop" ||
    fail "the menu entry does not open widget files"

for size in 16 22 24 32 48 64 128 256; do
    png="usr/share/icons/hicolor/${size}x${size}/apps/ambrel-brisko.png"
    expect_file "$png"
    file -b "$root/$png" | grep -q "PNG image data, $size x $size" || fail "$png is not $size x $size"
done
expect_file usr/share/icons/hicolor/scalable/apps/ambrel-brisko.svg

mime=usr/share/mime/packages/ambrel-brisko.xml
expect_file "$mime"
# The MIME tools build their databases from the package's file without complaint, and know a
# widget file by its name and by its first line.
mkdir -p "$SCRATCH/mime/packages"
cp "$root/$mime" "$SCRATCH/mime/packages/"
# (Its own data folder, so that it does not warn that nobody looks there.)
XDG_DATA_HOME="$SCRATCH" update-mime-database "$SCRATCH/mime" 2>"$SCRATCH/mime.log" || { cat "$SCRATCH/mime.log" >&2; fail "update-mime-database"; }
[[ ! -s "$SCRATCH/mime.log" ]] || { cat "$SCRATCH/mime.log" >&2; fail "update-mime-database warned"; }
grep -q 'application/x-tessera-widget:\*\.tsq' "$SCRATCH/mime/globs2" || fail "no *.tsq glob"
grep -aq '========== Description Part Begin ==========' "$SCRATCH/mime/magic" || fail "no magic"
grep -q 'application/x-tessera-widget' "$SCRATCH/mime/types" || fail "type not registered"

for script in postinst postrm; do
    [[ -x "$SCRATCH/control/$script" ]] || fail "no executable $script"
    grep -q 'update-mime-database /usr/share/mime' "$SCRATCH/control/$script" || fail "$script: no MIME update"
    grep -q 'update-desktop-database' "$SCRATCH/control/$script" || fail "$script: no desktop update"
    sh -n "$SCRATCH/control/$script" || fail "$script does not parse"
done
grep -q '^Depends:.*libqt6widgets6' "$SCRATCH/control/control" || fail "no dependency on Qt Widgets"

echo "ok: $(basename "$deb"), $(find "$root" -type f | wc -l) files"
rm -rf "$SCRATCH"
