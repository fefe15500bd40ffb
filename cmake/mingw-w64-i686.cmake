# SPDX-License-Identifier: MIT
# The Windows program that ships: 32-bit x86, which every Windows PC runs (32-bit Windows, 64-bit
# Windows and Windows on ARM).
set(CMAKE_SYSTEM_PROCESSOR x86)
set(MINGW_TRIPLET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
