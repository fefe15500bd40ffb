#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The MSI as deployment tools use it, under Wine: a silent install puts the 32-bit program into
# the Program Files folder of 32-bit programs, from where it opens its window, with a Start-menu
# shortcut and an uninstall entry of the project's version. A later version's MSI replaces it,
# leaving one program and one entry; the earlier MSI then refuses to go over the later one; a
# silent removal leaves no file of it behind.
# Usage: msi_under_wine.sh MSI LATER_MSI   (from the top of the source tree, under Xvfb, with
# WINEPREFIX set to a prefix made by wineboot)
set -euo pipefail
# A command that stops the script says which, since Wine's own tools end without a word.
trap 'echo "FAIL: line $LINENO: $BASH_COMMAND (exit $?)" >&2' ERR
msi=$1
later=$2
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
# A file's Windows path in the prefix: C: is its drive_c, Z: the Linux root. Worked out here
# rather than asked of winepath, a Wine process of its own that now and then fails to start.
windows_path() { # PATH
    local path drive
    path=$(realpath "$1") drive=$(realpath "$drive_c")
    case $path in "$drive"/*) path="C:/${path#"$drive"/}" ;; *) path="Z:$path" ;; esac
    printf '%s' "${path//\//\\}"
}
# Waits up to 20 s for the program's window, with its final client size, since Wine may show it
# with its frame first.
window_shown() {
    for _ in $(seq 1 100); do
        window=$(xwininfo -root -tree 2>/dev/null |
            grep "Информатика - matrix transpose cipher" | head -1 || true)
        grep -q "481x424" <<<"$window" && return 0
        sleep 0.2
    done
    return 1
}
program_files() {
    find "$drive_c" \( -iname 'matrix-cipher*' -o -name 'Матричен шифър.lnk' \
        -o -name "$product_code" -o -name "$later_code" \) -print
}
# The version in the uninstall entry of a product code, which Windows keeps for a 32-bit package
# in the registry's 32-bit view; nothing when there is no entry.
entry_version() { # PRODUCT_CODE
    windows reg query "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$1" \
        /v DisplayVersion /reg:32 2>/dev/null | sed -n 's/.*DisplayVersion *REG_SZ *//p'
}

product_code=$(property "$msi" ProductCode)
later_code=$(property "$later" ProductCode)
later_version=$(property "$later" ProductVersion)
[ "$(property "$msi" ProductVersion)" = "$version" ] || fail "ProductVersion is not $version"
[ "$(property "$msi" UpgradeCode)" = "$(property "$later" UpgradeCode)" ] ||
    fail "the later version has another UpgradeCode"
[ "$product_code" != "$later_code" ] || fail "the later version has the same ProductCode"

[ -z "$(program_files)" ] || fail "already installed in $WINEPREFIX: $(program_files)"
msi_path=$(windows_path "$msi")
later_path=$(windows_path "$later")
# A failed run removes what it installed, so that the next starts from a clean prefix.
trap 'for path in "$msi_path" "$later_path"; do windows msiexec /x "$path" /qn >/dev/null 2>&1 || true; done' EXIT
windows msiexec /i "$msi_path" /qn || fail "the silent install failed"
wineserver -w
[ -f "$program" ] || fail "no program in Program Files"
# Wine puts the shortcuts of a per-machine install into the user's Start menu.
[ -n "$(find "$drive_c" -path '*/Start Menu/Programs/Матричен шифър.lnk')" ] || fail "no shortcut"
[ "$(entry_version "$product_code")" = "$version" ] || fail "no uninstall entry of $version"

# Wine starts a 32-bit program only with its 32-bit half, without which a 64-bit prefix has no
# 32-bit system DLLs (tools/lib/windows.sh says on which machines that is so).
if [ -d "$drive_c/windows/syswow64" ] && [ ! -f "$drive_c/windows/syswow64/kernel32.dll" ]; then
    echo "NOT CHECKED: this Wine starts no 32-bit program, so none is started from Program Files"
else
    # A Wine process that ends at once, before the program runs, is started once more, as the
    # suite's tests are; the log says so.
    window=
    for start in first second; do
        windows "$(windows_path "$program")" >/dev/null 2>&1 &
        window_shown && break
        echo "the $start start from Program Files showed no window in 20 s" >&2
        wineserver -k 2>/dev/null || true
        wineserver -w
    done
    wineserver -k 2>/dev/null || true
    wineserver -w
    grep -q "481x424" <<<"$window" || fail "no 481 x 424 window from Program Files: ${window:-none}"
    echo "window shown: $window"
fi

windows msiexec /i "$later_path" /qn || fail "the later version's install failed"
wineserver -w
[ "$(find "$drive_c" -iname matrix-cipher.exe | wc -l)" = 1 ] || fail "not one program after the upgrade"
[ -z "$(entry_version "$product_code")" ] || fail "the upgrade left the entry of $version"
[ "$(entry_version "$later_code")" = "$later_version" ] || fail "no uninstall entry of $later_version"
! windows msiexec /i "$msi_path" /qn || fail "$version went over $later_version"
wineserver -w
[ -z "$(entry_version "$product_code")" ] || fail "$version went beside $later_version"
[ "$(entry_version "$later_code")" = "$later_version" ] || fail "the downgrade removed $later_version"
echo "$later_version replaced $version, and $version refused to go over $later_version"

trap - EXIT
windows msiexec /x "$later_path" /qn || fail "the silent removal failed"
wineserver -w
[ -z "$(program_files)" ] || fail "the removal left: $(program_files)"
[ -z "$(entry_version "$later_code")" ] || fail "the uninstall entry is still there"
echo "the MSI installs, upgrades and uninstalls silently"
