#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# What tools/build-windows signed into SIGNED_DIR with a throwaway certificate (P12, PASSWORD,
# CA_PEM): osslsigncode accepts the exe and the MSI and refuses a changed byte; the zip and the
# MSI carry that signed exe, whose Authenticode digest is the unsigned build's in UNSIGNED_DIR.
# Usage: signed_windows.sh UNSIGNED_DIR SIGNED_DIR P12 PASSWORD CA_PEM
set -euo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2 && exit 1; }
verified() { osslsigncode verify -CAfile "$ca" -in "$1" >"$work/said" 2>&1; }
digest() { osslsigncode verify -in "$1" 2>/dev/null | sed -n 's/^Current message digest *: *//p'; }
ca=$5
exe=$2/matrix-cipher.exe
for file in "$exe" "$2/matrix-cipher.msi"; do verified "$file" || fail "$(cat "$work/said")"; done
unzip -p "$2/matrix-cipher-windows.zip" matrix-cipher.exe | cmp - "$exe" || fail "the zip's exe"
msiextract -C "$work/msi" "$2/matrix-cipher.msi" >/dev/null
cmp "$(find "$work/msi" -name matrix-cipher.exe)" "$exe" || fail "the MSI's exe"
cp "$exe" "$work/changed.exe"
printf x | dd of="$work/changed.exe" bs=1 seek=8192 conv=notrunc status=none
! verified "$work/changed.exe" || fail "a changed byte passed"
osslsigncode sign -pkcs12 "$3" -readpass "$4" -h sha256 -in "$1/matrix-cipher.exe" \
    -out "$work/own.exe" >/dev/null
[ -n "$(digest "$exe")" ] && [ "$(digest "$exe")" = "$(digest "$work/own.exe")" ] ||
    fail "the signed program's digest is not the unsigned build's"
echo "the signed exe and MSI verify, carry the signed program, and its digest is the unsigned build's"
