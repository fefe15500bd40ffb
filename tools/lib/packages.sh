# SPDX-License-Identifier: MIT
# Sourced by the tools: the Debian packages the project needs, and a way to install the missing.

# To build the program, its packages and its test suites.
BUILD_PACKAGES=(cmake ninja-build g++ pkg-config dpkg-dev libgtest-dev qt6-base-dev)

# To run the program: the font metric-compatible with Times New Roman, in which it is drawn.
RUN_PACKAGES=(fonts-liberation2)

# To run the tests: a virtual X11 screen, the desktop-file checkers, and a D-Bus session with the
# accessibility bus and Debian's Python binding of it, to read the window as a screen reader does.
TEST_PACKAGES=(xvfb xauth x11-utils desktop-file-utils appstream
    dbus-daemon at-spi2-core python3-pyatspi)

# To build the Debian package (its build-depends are in debian/control) and to check it.
DEB_BUILD_PACKAGES=(build-essential dpkg-dev debhelper cmake qt6-base-dev git)
DEB_TEST_PACKAGES=(lintian xvfb xauth x11-utils)

# To build the benchmarks.
BENCH_PACKAGES=(libbenchmark-dev hyperfine time python3 xvfb xauth dbus-daemon)

# To build the page for the web browser: Emscripten (its optimiser needs node-acorn, and the build
# runs a part of the window with Node), the inflate library that the page carries for browsers
# that cannot decompress, the SVG renderer for the app's icons, and zip to pack it with the tool
# that gives a zip's entries fixed times.
WEB_BUILD_PACKAGES=(cmake ninja-build emscripten node-acorn node-pako nodejs python3 librsvg2-bin
    zip strip-nondeterminism)

# To test the page: the three browser engines (Chromium, Firefox ESR, and WebKitGTK's MiniBrowser
# with its WebDriver), the older Chromium engines of Qt 5's and Qt 6's WebEngine (87 and 102) with
# Python's bindings to drive them, the virtual X display that MiniBrowser and Qt need, and the
# window's font.
WEB_TEST_PACKAGES=(chromium firefox-esr webkit2gtk-driver python3-pyqt5.qtwebengine
    python3-pyqt6.qtwebengine xvfb xauth fonts-liberation2)

# Node and npm, for Playwright, where the machine has no Node of its own.
WEB_NODE_PACKAGES=(nodejs npm)

# To check the program under Valgrind, to fuzz it (clang's libFuzzer and sanitizers), and to lint
# it.
VALGRIND_PACKAGES=(valgrind)
FUZZ_PACKAGES=(clang libclang-rt-14-dev)
LINT_PACKAGES=(clang-tidy cppcheck jq)

# Installs those of the given packages that are not installed yet, with sudo when not root. A
# package of another architecture (wine32:i386) first adds that architecture to dpkg's.
ensure_packages() {
    local missing=()
    local package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo=(sudo)
    fi
    local architecture
    for architecture in $(printf '%s\n' "${missing[@]}" | sed -n 's/^[^:]*://p' | sort -u); do
        if ! dpkg --print-foreign-architectures | grep -qx "$architecture"; then
            echo "Adding the architecture $architecture" >&2
            "${sudo[@]}" dpkg --add-architecture "$architecture"
        fi
    done
    echo "Installing: ${missing[*]}" >&2
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -qq --no-install-recommends "${missing[@]}" >&2
}
