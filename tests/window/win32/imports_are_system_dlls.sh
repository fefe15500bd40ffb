#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Usage: imports_are_system_dlls.sh COMPILER OBJDUMP PROGRAM KNOWN_IMPORTS
# Passes when the one .exe runs on a bare Windows 7: it imports nothing but the functions of
# Windows' own DLLs listed in KNOWN_IMPORTS, which Windows 7 has; none of them is one that the
# Windows SDK's headers (mingw-w64's, through the cross COMPILER) declare for Windows 10 but not
# for Windows 7; and its header asks for no Windows newer than 7 (subsystem 6.1). A DLL of the
# compiler's (libstdc++, libgcc, libwinpthread) fails it, and so does a function newer than
# Windows 7, which Windows 7 refuses to load with "entry point not found" while Wine, which has
# every function, never shows it.
set -euo pipefail
export LC_ALL=C
compiler=$1
objdump=$2
program=$3
known=$4

headers=$("$objdump" -p "$program" | tr -d '\r')
read -r major minor < <(awk '/^MajorSubsystemVersion/ { major = $2 }
    /^MinorSubsystemVersion/ { minor = $2 } END { print major + 0, minor + 0 }' <<<"$headers")
echo "subsystem version: $major.$minor"
status=0
if [ "$major" -gt 6 ] || { [ "$major" -eq 6 ] && [ "$minor" -gt 1 ]; }; then
    echo "FAIL: $program asks for Windows $major.$minor, newer than Windows 7 (6.1)" >&2
    status=1
fi

# objdump lists each DLL's imports under its name, one function a line after the column heads,
# its name last (binutils 2.40 puts the hint before it, 2.44 an ordinal and the hint).
mapfile -t imports < <(awk '/^\tDLL Name: / { dll = tolower($3); next }
    /^\t[0-9a-f]+[[:space:]]/ && dll != "" { print dll, $NF }
    /^$/ { dll = "" }' <<<"$headers")
if [ ${#imports[@]} -eq 0 ]; then
    echo "FAIL: objdump lists no imports of $program" >&2
    exit 1
fi
echo "${#imports[@]} imported functions"

# The lines of a file that takes the address of each import, one a line, that the compiler
# refuses with the headers set for the given Windows. One of Windows 8's comes last, which it
# must refuse for Windows 7.
functions=("${imports[@]#* }" CreateFile2)
probe=$(mktemp --suffix=.c)
trap 'rm -f "$probe"' EXIT
{
    printf '#include <%s>\n' windows.h commctrl.h objbase.h errno.h io.h locale.h process.h \
        setjmp.h signal.h stdio.h stdlib.h string.h wchar.h
    printf '(void *)&%s,\n' "${functions[@]}" | sed '1s/^/void *const imported[] = {\n/; $s/$/\n};/'
} >"$probe"
first=$(($(grep -c '^#include' "$probe") + 2))
refused_for() { # _WIN32_WINNT
    "$compiler" -x c -fsyntax-only -D_WIN32_WINNT="$1" -DWINVER="$1" "$probe" 2>&1 |
        sed -n 's/^[^:]*:\([0-9]*\):[0-9]*: error:.*/\1/p' | sort -un || true
}
newer=()
for line in $(grep -vxFf <(refused_for 0x0A00) <(refused_for 0x0601)); do
    newer+=("${functions[$((line - first))]}")
done
if [[ " ${newer[*]} " != *" CreateFile2 "* ]]; then
    echo "FAIL: $compiler's headers do not tell Windows 8's CreateFile2 from Windows 7's" >&2
    exit 1
fi
for import in "${imports[@]}"; do
    if [[ " ${newer[*]} " == *" ${import#* } "* ]]; then
        echo "FAIL: $program imports $import, which the SDK declares only for a Windows" \
            "after 7: load it at run time" >&2
        status=1
    fi
done

while read -r import; do
    echo "FAIL: $program imports $import, which is not in $known: if Windows 7 has it, add it" \
        "there; if not, load it at run time" >&2
    status=1
done < <(comm -23 <(printf '%s\n' "${imports[@]}" | sort -u) <(grep -v '^#' "$known" | sort -u))
exit $status
