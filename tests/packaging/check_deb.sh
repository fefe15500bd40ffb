#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Checks the Debian package as a school's administrator relies on it: lintian finds nothing in
# the .deb and the .changes; the package carries the project's version and depends on the Qt
# libraries and the window's font; unpacked into a throwaway root it holds the program, its desktop
# entry, icons and metainfo, and the desktop entry's Exec line opens the 481 x 424 window.
# Usage: check_deb.sh DIST_DIR   (from the top of the source tree)
set -euo pipefail
dist=$1
here=$(dirname "$0")
app_id=io.github.matrix_cipher.MatrixCipher
version=$(sed -n '/^project(/,/)/s/^ *VERSION \([0-9.]*\)$/\1/p' CMakeLists.txt)
deb=$dist/matrix-cipher_${version}_amd64.deb
changes=$dist/matrix-cipher_${version}_amd64.changes
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

[ -f "$deb" ] || fail "no package $deb"
# CI runs as root, which lintian would warn about on every run.
findings=$(lintian --allow-root --pedantic -I "$changes" "$deb" 2>&1 || true)
[ -z "$findings" ] || fail "lintian: $findings"

[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "version $(dpkg-deb -f "$deb" Version)"
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6gui6 fonts-liberation2; do
    grep -q "\b$needed\b" <<<"$depends" || fail "no dependency on $needed: $depends"
done

dpkg-deb -x "$deb" "$root"
desktop=$root/usr/share/applications/$app_id.desktop
metainfo=$root/usr/share/metainfo/$app_id.metainfo.xml
for file in "$desktop" "$metainfo" \
    "$root/usr/share/icons/hicolor/scalable/apps/$app_id.svg" \
    "$root/usr/share/icons/hicolor/32x32/apps/$app_id.png" \
    "$root/usr/share/man/man1/matrix-cipher.1.gz"; do
    [ -f "$file" ] || fail "the package lacks ${file#"$root"}"
done
grep -qx "Icon=$app_id" "$desktop" || fail "the desktop entry names another icon"
png_size=$(od -An -tu4 -j16 -N8 --endian=big "$root/usr/share/icons/hicolor/32x32/apps/$app_id.png" | xargs)
[ "$png_size" = "32 32" ] || fail "the 32 px icon measures $png_size"
grep -q "<release version=\"$version\"" "$metainfo" || fail "the metainfo's release is not $version"

# The command a desktop runs, without its field codes, found first in the unpacked root.
command=$(sed -n 's/^Exec=//p' "$desktop" | sed 's/ %[fFuUdDnNickvm]//g')
export PATH=$root/usr/bin:$PATH
[ "$(command -v "${command%% *}")" = "$root/usr/bin/matrix-cipher" ] ||
    fail "Exec=$command does not start the packaged program"
xvfb-run -a "$here/starts_on_x11.sh" "$command"
echo "the package passes lintian and holds a program that starts from its desktop entry"
