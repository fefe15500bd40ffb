# SPDX-License-Identifier: MIT
# Sourced by the Windows tools: the Debian packages of the Windows build and of its tests, and
# the Wine set-up that the tests, the tools and the measurements share.

# To cross-compile matrix-cipher.exe, 32-bit as it ships, and the test suites (GoogleTest from its
# sources) and to pack the program into a zip and an MSI.
WINDOWS_BUILD_PACKAGES=(cmake ninja-build g++-mingw-w64-i686-posix googletest zip wixl msitools)

# To run the tests: a 64-bit build of them and 64-bit Wine, and a virtual X display for it and a
# look at its windows. Wine runs a 32-bit program only with its 32-bit half (Debian's
# wine32:i386), a Linux program of 32 bits, which the kernel of the machines the tests run on
# refuses; installed, it would even take the place of the 64-bit Wine and fail every test.
WINDOWS_TEST_PACKAGES=(g++-mingw-w64-x86-64-posix wine wine64 xvfb xauth x11-utils)

# Runs Wine in the given prefix for the build's programs: without Wine's debug output, and
# without the dialogs a new prefix would show to offer Mono and Gecko or the menu entries it
# would make.
use_wine_prefix() { # PREFIX
    export WINEPREFIX=$1
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
}

# Creates the prefix quietly unless it exists, and waits until Wine has written it, so that
# programs started afterwards, even several at once, find it whole.
ensure_wine_prefix() {
    [ -f "$WINEPREFIX/system.reg" ] && return 0
    echo "Creating the Wine prefix $WINEPREFIX" >&2
    if ! wineboot --init >/dev/null 2>&1; then
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
