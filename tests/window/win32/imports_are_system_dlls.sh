#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Usage: imports_are_system_dlls.sh OBJDUMP PROGRAM KNOWN_IMPORTS
# Passes when the one .exe runs on a bare Windows 7: it imports nothing but the functions of
# Windows' own DLLs listed in KNOWN_IMPORTS, all of which Windows 7 has, and its header asks for
# no Windows newer than 7 (subsystem 6.1). A DLL of the compiler's (libstdc++, libgcc,
# libwinpthread) fails it, and so does a function newer than Windows 7, which Windows 7 refuses
# to load with "entry point not found" while Wine, which has every function, never shows it.
set -euo pipefail
export LC_ALL=C
objdump=$1
program=$2
known=$3

headers=$("$objdump" -p "$program" | tr -d '\r')
read -r major minor < <(awk '/^MajorSubsystemVersion/ { major = $2 }
    /^MinorSubsystemVersion/ { minor = $2 } END { print major + 0, minor + 0 }' <<<"$headers")
echo "subsystem version: $major.$minor"
status=0
if [ "$major" -gt 6 ] || { [ "$major" -eq 6 ] && [ "$minor" -gt 1 ]; }; then
    echo "FAIL: $program asks for Windows $major.$minor, newer than Windows 7 (6.1)" >&2
    status=1
fi

# objdump lists each DLL's imports under its name, one function a line after the column heads.
mapfile -t imports < <(awk '/^\tDLL Name: / { dll = tolower($3); next }
    /^\t[0-9a-f]+[[:space:]]+[0-9]+ +[^ ]+$/ && dll != "" { print dll, $3 }
    /^$/ { dll = "" }' <<<"$headers")
if [ ${#imports[@]} -eq 0 ]; then
    echo "FAIL: objdump lists no imports of $program" >&2
    exit 1
fi
echo "${#imports[@]} imported functions"
while read -r import; do
    echo "FAIL: $program imports $import, which is not in $known: if Windows 7 has it, add it" \
        "there; if not, load it at run time" >&2
    status=1
done < <(comm -23 <(printf '%s\n' "${imports[@]}" | sort -u) <(grep -v '^#' "$known" | sort -u))
exit $status
