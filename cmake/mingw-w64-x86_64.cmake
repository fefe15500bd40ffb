# SPDX-License-Identifier: MIT
# The 64-bit Windows build, in which the test suites run under Debian's 64-bit Wine (see the
# windows-x64 preset); the program that ships is the 32-bit one.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(MINGW_TRIPLET x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
