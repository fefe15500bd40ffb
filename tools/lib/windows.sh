# SPDX-License-Identifier: MIT
# Sourced by the Windows tools: the Debian packages of the Windows build and of its tests.

# To cross-compile matrix-cipher.exe and the test suites (GoogleTest from its sources) and to
# pack the program into a zip and an MSI.
WINDOWS_BUILD_PACKAGES=(cmake ninja-build g++-mingw-w64-x86-64-posix googletest zip wixl msitools)

# To run the tests: Wine, and a virtual X display for it and a look at its windows.
WINDOWS_TEST_PACKAGES=(wine wine64 xvfb xauth x11-utils)
