#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The MSI as deployment tools use it, under Wine: a silent install puts the 32-bit program into
# the Program Files folder of 32-bit programs, from where it opens its window, with a Start-menu
# shortcut and an uninstall entry of the project's version; a silent removal leaves no file of it
# behind. A second build of the MSI must keep the product version and the UpgradeCode, on which a
# later major upgrade relies.
# Usage: msi_under_wine.sh MSI SECOND_BUILD_MSI   (from the top of the source tree, under Xvfb,
# with WINEPREFIX set to a prefix made by wineboot)
set -euo pipefail
msi=$1
second=$2
version=$(sed -n '/^project(/,/)/s/^ *VERSION \([0-9.]*\)$/\1/p' CMakeLists.txt)
export WINEDEBUG=-all
drive_c=$WINEPREFIX/drive_c
# 64-bit Windows keeps 32-bit programs apart, in "Program Files (x86)".
program_folder=$drive_c/Program\ Files
[ ! -d "$program_folder (x86)" ] || program_folder+=" (x86)"
program=$program_folder/matrix-cipher/matrix-cipher.exe

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
property() {
    msiinfo export "$1" Property | tr -d '\r' | sed -n "s/^$2\t//p"
}
windows() {
    cmake/run-under-wine.sh "$WINEPREFIX" "$@"
}
program_files() {
    find "$drive_c" \( -iname 'matrix-cipher*' -o -name 'Матричен шифър.lnk' \
        -o -name "$product_code" \) -print
}

product_code=$(property "$msi" ProductCode)
for name in ProductVersion UpgradeCode; do
    first_value=$(property "$msi" "$name")
    [ -n "$first_value" ] || fail "the MSI has no $name"
    [ "$first_value" = "$(property "$second" "$name")" ] || fail "$name differs between builds"
    echo "$name: $first_value"
done
[ "$(property "$msi" ProductVersion)" = "$version" ] || fail "ProductVersion is not $version"

[ -z "$(program_files)" ] || fail "already installed in $WINEPREFIX: $(program_files)"
msi_path=$(winepath -w "$msi")
# A failed run removes what it installed, so that the next starts from a clean prefix.
trap 'windows msiexec /x "$msi_path" /qn >/dev/null 2>&1 || true' EXIT
windows msiexec /i "$msi_path" /qn || fail "the silent install failed"
wineserver -w
[ -f "$program" ] || fail "no program in Program Files"
# Wine puts the shortcuts of a per-machine install into the user's Start menu.
[ -n "$(find "$drive_c" -path '*/Start Menu/Programs/Матричен шифър.lnk')" ] || fail "no shortcut"
# Windows keeps the uninstall entry of a 32-bit package in the registry's 32-bit view.
uninstall_key="HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$product_code"
entry=$(windows reg query "$uninstall_key" /v DisplayVersion /reg:32 2>/dev/null || true)
grep -q "DisplayVersion *REG_SZ *$version$" <<<"$entry" || fail "uninstall entry: $entry"

# Wine starts a 32-bit program only with its 32-bit half, which a 64-bit prefix without 32-bit
# system DLLs lacks (tools/lib/windows.sh says why the test machines have none).
if [ -d "$drive_c/windows/syswow64" ] && [ ! -f "$drive_c/windows/syswow64/kernel32.dll" ]; then
    echo "NOT CHECKED: this Wine starts no 32-bit program, so none is started from Program Files"
else
    windows "$(winepath -w "$program")" >/dev/null 2>&1 &
    # Wine may show the window with its frame first, so the wait is for the final client size.
    for _ in $(seq 1 100); do
        window=$(xwininfo -root -tree 2>/dev/null |
            grep "Информатика - matrix transpose cipher" | head -1 || true)
        grep -q "481x424" <<<"$window" && break
        sleep 0.2
    done
    wineserver -k
    wineserver -w
    grep -q "481x424" <<<"$window" || fail "no 481 x 424 window from Program Files: ${window:-none}"
    echo "window shown: $window"
fi

trap - EXIT
windows msiexec /x "$msi_path" /qn || fail "the silent removal failed"
wineserver -w
[ -z "$(program_files)" ] || fail "the removal left: $(program_files)"
! windows reg query "$uninstall_key" /reg:32 >/dev/null 2>&1 || fail "the uninstall entry is still there"
echo "the MSI installs and uninstalls silently"
