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

# To sign what the build tools write with the publisher's keys: gpg for the sums and the school's
# apt repository, which apt-ftparchive indexes; osslsigncode for the Windows programs.
REPOSITORY_PACKAGES=(apt-utils gnupg)
SIGN_PACKAGES=(gnupg osslsigncode)
# To test what they sign: a throwaway certificate made with openssl, the zip read back, the
# repository served on 127.0.0.1 by Python's web server, and gpgv, which checks a signature
# against one keyring (Debian 13's apt checks with sqv and no longer brings it).
SIGN_TEST_PACKAGES=(openssl unzip python3 gpgv)

# To show where two builds of a package differ, when a build does not give the same bytes twice.
COMPARE_PACKAGES=(diffoscope-minimal)

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
# libclang-rt-dev is Debian's default clang's runtime, whatever its version is on this release.
FUZZ_PACKAGES=(clang libclang-rt-dev)
LINT_PACKAGES=(clang-tidy cppcheck jq)

# To make a root of another Debian release and try the program's package in roots of its own:
# debootstrap from Debian's archive, with its keys and its table of releases; piuparts and
# autopkgtest, Debian's own tests of a package's install, upgrade, removal and purge, and of the
# installed program.
ROOT_PACKAGES=(debootstrap debian-archive-keyring distro-info-data piuparts autopkgtest)

# Runs a command as root: with sudo when not root already.
as_root() { # COMMAND [ARGUMENT...]
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    else
        sudo "$@"
    fi
}

# Whether a package (NAME or NAME:ARCHITECTURE) is installed.
package_installed() { # PACKAGE
    dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'
}

# apt waits this long for another apt or dpkg to finish (a fresh machine's daily update, or a
# root being made beside the suites) rather than failing at once.
APT_LOCK_WAIT=(-o DPkg::Lock::Timeout=600)

# Brings apt's package lists up to date, once in a run of a tool and the tools it starts. A mirror
# that is being synchronised serves an index that does not match its Release file for a while,
# and apt-get update then fails as a whole; it is tried a few times, then apt goes on with the
# lists it has, and an install that needs the missing index says so in apt's own words.
update_package_lists() {
    local architectures
    architectures=$(dpkg --print-foreign-architectures | tr '\n' ' ')
    [ "${MATRIX_CIPHER_LISTS_UPDATED:-}" = "$architectures" ] && return 0
    local attempt tries=${MATRIX_CIPHER_APT_TRIES:-3}
    for attempt in $(seq 1 "$tries"); do
        if as_root env DEBIAN_FRONTEND=noninteractive apt-get "${APT_LOCK_WAIT[@]}" update -qq; then
            break
        elif [ "$attempt" -lt "$tries" ]; then
            echo "apt-get update failed (try $attempt of $tries); trying again in 20 s" >&2
            sleep 20
        else
            echo "apt-get update failed $tries times; going on with the package lists apt has" >&2
        fi
    done
    export MATRIX_CIPHER_LISTS_UPDATED=$architectures
}

# Installs those of the given packages that are not installed yet, all in one go. Where one
# cannot be installed, apt says why and the caller stops.
ensure_packages() { # PACKAGE...
    local missing=()
    local package
    for package in "$@"; do
        package_installed "$package" || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    echo "Installing: $(printf '%s\n' "${missing[@]}" | sort -u | tr '\n' ' ')" >&2
    update_package_lists
    as_root env DEBIAN_FRONTEND=noninteractive \
        apt-get "${APT_LOCK_WAIT[@]}" install -y -qq --no-install-recommends \
        "${missing[@]}" >&2
}

# Installs a package of another architecture (wine32:i386), adding that architecture to dpkg's
# first. Where it cannot be installed, it leaves dpkg's architectures as it found them, so that
# later runs of apt do not trip over an index that cannot be had, and sets FOREIGN_PACKAGE_MISSING
# to apt's last words of why; it then fails.
try_foreign_package() { # NAME:ARCHITECTURE
    FOREIGN_PACKAGE_MISSING=
    package_installed "$1" && return 0
    local architecture=${1#*:} added=
    if ! dpkg --print-foreign-architectures | grep -qx "$architecture"; then
        echo "Adding the architecture $architecture" >&2
        as_root dpkg --add-architecture "$architecture"
        added=yes
    fi
    local said
    said=$(mktemp)
    if ensure_packages "$1" 2>"$said"; then
        cat "$said" >&2
        rm -f "$said"
        return 0
    fi
    cat "$said" >&2
    FOREIGN_PACKAGE_MISSING=$(grep '^E:' "$said" | grep -v 'Some index files failed' |
        sed 's/ \[IP: [^]]*\]//' | awk '!seen[$0]++' | tr '\n' ' ')
    FOREIGN_PACKAGE_MISSING=${FOREIGN_PACKAGE_MISSING:-apt could not install it}
    rm -f "$said"
    if [ -n "$added" ]; then
        echo "Removing the architecture $architecture again" >&2
        as_root dpkg --remove-architecture "$architecture" ||
            echo "dpkg keeps the architecture $architecture: a package of it is installed" >&2
        MATRIX_CIPHER_LISTS_UPDATED=
    fi
    return 1
}
