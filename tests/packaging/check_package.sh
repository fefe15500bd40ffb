#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the build into a scratch folder and packs the .deb, then checks that each holds what
# a desktop needs to show and start the program.
# Usage: check_package.sh BUILD_DIR APP_ID
set -euo pipefail
build=$1
app_id=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

cmake --install "$build" --prefix "$scratch/usr" >/dev/null
for file in \
    usr/bin/matrix-cipher \
    "usr/share/applications/$app_id.desktop" \
    "usr/share/metainfo/$app_id.metainfo.xml" \
    "usr/share/icons/hicolor/scalable/apps/$app_id.svg" \
    "usr/share/icons/hicolor/32x32/apps/$app_id.png"; do
    [ -e "$scratch/$file" ] || fail "install lacks $file"
done
[ -x "$scratch/usr/bin/matrix-cipher" ] || fail "the program is not executable"
grep -qx "Icon=$app_id" "$scratch/usr/share/applications/$app_id.desktop" || fail "desktop icon"
file_size=$(od -An -tu4 -j16 -N8 --endian=big "$scratch/usr/share/icons/hicolor/32x32/apps/$app_id.png" | xargs)
[ "$file_size" = "32 32" ] || fail "the 32 px icon measures $file_size"

(cd "$scratch" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/deb" >/dev/null)
deb=$(ls "$scratch"/deb/*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6gui6 fonts-liberation2; do
    grep -q "$needed" <<<"$depends" || fail "the package does not depend on $needed: $depends"
done
[ "$(dpkg-deb -f "$deb" Version)" = "1.00" ] || fail "package version $(dpkg-deb -f "$deb" Version)"
contents=$(dpkg-deb -c "$deb")
grep -q "./usr/bin/matrix-cipher$" <<<"$contents" || fail "the package lacks the program"
echo "install and package hold the program, its desktop entry, metainfo and icons"
