# SPDX-License-Identifier: MIT
# Sourced by the Windows tools: the Debian packages of the Windows build and of its tests, and
# the Wine set-up that the tests, the tools and the measurements share.

# To cross-compile matrix-cipher.exe, 32-bit as it ships, and the test suites (GoogleTest from its
# sources) and to pack the program into a zip and an MSI, at the source's time (faketime, for the
# MSI's tools; strip-nondeterminism, for the zip's entries) and with codes derived by Python.
WINDOWS_BUILD_PACKAGES=(cmake ninja-build g++-mingw-w64-i686-posix googletest zip wixl msitools
    faketime strip-nondeterminism python3)

# To run the tests: 64-bit Wine, in which the MSI is tried, and a virtual X display for it and a
# look at its windows, and the loader of 32-bit programs, which tells whether this machine runs
# them; choose_windows_tests adds what the tests' own build needs.
WINDOWS_TEST_PACKAGES=(wine wine64 xvfb xauth x11-utils libc6-i386)

# The 64-bit build of the same sources, which every machine's Wine runs: its preset (and folder
# in build/), its Wine prefix's architecture, and its compiler.
WINDOWS_X64_BUILD=windows-x64
WINDOWS_X64_WINEARCH=win64
WINDOWS_X64_PACKAGES=(g++-mingw-w64-x86-64-posix)

# Wine runs a 32-bit Windows program, such as the one that ships, only with its 32-bit half
# (Debian's wine32:i386), which is a 32-bit Linux program. Some machines' kernels run those and
# some refuse them; where they are refused, wine32 would even take the place of the 64-bit Wine
# and fail every Windows test, so it is installed only where the 32-bit loader runs, and only if
# apt can install it: a mirror that serves no i386 index, or one behind the amd64 security
# updates that wine32's libraries must match, cannot. Then the tests run in the 32-bit build
# that ships, in a 32-bit prefix; else in the 64-bit build of the same sources, in a 64-bit
# prefix, and WINDOWS_TEST_NOT_CHECKED says why. MATRIX_CIPHER_WINEARCH=win64 takes the 64-bit
# way on a machine that could take both. Sets WINDOWS_TEST_BUILD to the build the tests run in
# (its preset's name) and WINDOWS_TEST_WINEARCH to its prefix's architecture, and adds what that
# needs to WINDOWS_TEST_PACKAGES. The choice holds for the programs this one starts. Needs
# tools/lib/packages.sh.
choose_windows_tests() {
    ensure_packages libc6-i386
    WINDOWS_TEST_NOT_CHECKED=${MATRIX_CIPHER_WINE32_REFUSED:-}
    if [ -z "$WINDOWS_TEST_NOT_CHECKED" ]; then
        if [ "${MATRIX_CIPHER_WINEARCH:-}" = "$WINDOWS_X64_WINEARCH" ]; then
            WINDOWS_TEST_NOT_CHECKED="MATRIX_CIPHER_WINEARCH chose the 64-bit way"
        elif ! /lib/ld-linux.so.2 --version >/dev/null 2>&1; then
            WINDOWS_TEST_NOT_CHECKED="this machine's kernel runs no 32-bit program"
        elif ! try_foreign_package wine32:i386; then
            WINDOWS_TEST_NOT_CHECKED="apt cannot install wine32:i386 here: $FOREIGN_PACKAGE_MISSING"
        fi
    fi
    if [ -z "$WINDOWS_TEST_NOT_CHECKED" ]; then
        WINDOWS_TEST_BUILD=windows
        WINDOWS_TEST_WINEARCH=win32
    else
        WINDOWS_TEST_BUILD=$WINDOWS_X64_BUILD
        WINDOWS_TEST_WINEARCH=$WINDOWS_X64_WINEARCH
        WINDOWS_TEST_PACKAGES+=("${WINDOWS_X64_PACKAGES[@]}")
        export MATRIX_CIPHER_WINE32_REFUSED=$WINDOWS_TEST_NOT_CHECKED
    fi
}

# Runs Wine in the given prefix for the build's programs: without Wine's debug output, and
# without the dialogs a new prefix would show to offer Mono and Gecko or the menu entries it
# would make.
use_wine_prefix() { # PREFIX
    export WINEPREFIX=$1
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
}

# Creates the prefix quietly, for 32-bit or 64-bit Windows (win32 or win64), unless one of that
# architecture exists; one of the other, left by another build, is made anew. Then waits until
# Wine has written it, so that programs started afterwards, even several at once, find it whole.
ensure_wine_prefix() { # WINEARCH
    if [ -f "$WINEPREFIX/system.reg" ]; then
        grep -qx "#arch=$1" "$WINEPREFIX/system.reg" && return 0
        echo "The Wine prefix $WINEPREFIX is not $1: making it anew" >&2
        rm -rf "$WINEPREFIX"
    fi
    echo "Creating the $1 Wine prefix $WINEPREFIX" >&2
    mkdir -p "$(dirname "$WINEPREFIX")"
    if ! WINEARCH=$1 wineboot --init >/dev/null 2>&1; then
        echo "wineboot --init failed in $WINEPREFIX" >&2
        return 1
    fi
    wineserver -w
}

# One Wine server for all programs of a run, as on a desktop running Wine, instead of one
# started and stopped with each program. Stop it when the run ends.
start_wine_server() {
    wineserver -p
}

stop_wine_server() {
    wineserver -k 2>/dev/null || true
}
