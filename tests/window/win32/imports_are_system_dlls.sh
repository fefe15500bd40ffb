#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Usage: imports_are_system_dlls.sh OBJDUMP PROGRAM
# Passes when every DLL that PROGRAM imports is part of Windows itself, so that the one .exe runs
# on a bare Windows: a DLL of the compiler's (libstdc++, libgcc, libwinpthread) fails it.
set -euo pipefail
objdump=$1
program=$2

# Windows' own DLLs that a Win32 program of this kind may use.
system_dlls=(advapi32.dll comctl32.dll comdlg32.dll gdi32.dll kernel32.dll msvcrt.dll
    normaliz.dll ole32.dll oleaut32.dll shell32.dll user32.dll uxtheme.dll version.dll)

is_system_dll() {
    local known
    for known in "${system_dlls[@]}"; do
        [ "$known" = "$1" ] && return 0
    done
    return 1
}

mapfile -t imports < <("$objdump" -p "$program" | sed -n 's/^[[:space:]]*DLL Name: //p' |
    tr 'A-Z' 'a-z' | tr -d '\r')
if [ ${#imports[@]} -eq 0 ]; then
    echo "FAIL: objdump lists no imports of $program" >&2
    exit 1
fi

status=0
for dll in "${imports[@]}"; do
    if is_system_dll "$dll"; then
        echo "system DLL: $dll"
    else
        echo "FAIL: $program imports $dll, which is not part of Windows" >&2
        status=1
    fi
done
exit $status
