# SPDX-License-Identifier: MIT
# GoogleTest for the Windows build. Debian's libgtest-dev is built for Linux only, so the test
# suites build GoogleTest from the sources that Debian's googletest package installs.
set(GOOGLETEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest's sources")
if(NOT EXISTS ${GOOGLETEST_SOURCE_DIR}/CMakeLists.txt)
    message(FATAL_ERROR "GoogleTest's sources are missing in ${GOOGLETEST_SOURCE_DIR}: "
                        "install Debian's googletest package")
endif()
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
# GoogleTest's own build names its targets GTest::gtest and GTest::gtest_main, as the package does.
add_subdirectory(${GOOGLETEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
