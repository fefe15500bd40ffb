# SPDX-License-Identifier: MIT
# Sourced by tools/test and tools/on-debian: the Debian releases that the program is built and
# tested on, and a root of each release this machine is not, made from Debian's archive with
# debootstrap and entered with chroot, as Debian's own builders try a package. Needs
# tools/lib/packages.sh and tools/lib/chroot.sh.

# Oldest first. The oldest builds the packages that ship: what it builds runs on the later too.
DEBIAN_RELEASES=(12 13)

DEBIAN_MIRROR=http://deb.debian.org/debian
DEBIAN_SECURITY_MIRROR=http://deb.debian.org/debian-security

# The number of this machine's Debian release; nothing on another system, or on one that is not
# a release yet (testing, unstable).
this_release() {
    (. /etc/os-release 2>/dev/null && [ "${ID:-}" = debian ] && echo "${VERSION_ID:-}") || true
}

# The code name of a release (bookworm for 12), from Debian's own table of its releases.
release_codename() { # NUMBER
    ensure_packages distro-info-data
    awk -F, -v version="$1" '$1 == version { print $3 }' /usr/share/distro-info/debian.csv
}

# The folder of a release's root: root/, the system, and build/ and dist/, which the root sees as
# the tree's own, so that its builds and this machine's stay apart.
release_folder() { # NUMBER
    echo "$PWD/build/debian-$1"
}

# Where a root's apt keeps the packages it downloaded, from run to run, as this machine's apt
# keeps its own in /var/cache/apt/archives.
release_package_cache() { # NUMBER
    echo "/var/cache/matrix-cipher/debian-$1"
}

# Makes the root of a release anew, with no build of an earlier one: a minimal system from
# Debian's archive, whose apt reads the release with its updates and security updates and starts
# no service, and whose git reads the tree that is not its user's; then brings it up to date.
# The tools install the rest, as on a fresh machine.
make_release_root() { # NUMBER
    local codename folder cache
    codename=$(release_codename "$1")
    [ -n "$codename" ] || { echo "Debian's table of releases has no Debian $1" >&2; return 1; }
    ensure_packages "${ROOT_PACKAGES[@]}"
    folder=$(release_folder "$1")
    cache=$(release_package_cache "$1")
    remove_root "$folder/root"
    as_root rm -rf "$folder/build" "$folder/dist" "$folder/node_modules"
    as_root mkdir -p "$folder" "$cache"
    echo "Making a root of Debian $1 ($codename) in $folder/root" >&2
    local said
    said=$(mktemp)
    as_root debootstrap --variant=minbase --cache-dir="$cache" "$codename" "$folder/root" \
        "$DEBIAN_MIRROR" >"$said" 2>&1 || { cat "$said" >&2; rm -f "$said"; return 1; }
    rm -f "$said"

    local root=$folder/root
    as_root rm -f "$root/etc/apt/sources.list"
    as_root tee "$root/etc/apt/sources.list.d/debian.sources" >/dev/null <<EOF
Types: deb
URIs: $DEBIAN_MIRROR
Suites: $codename $codename-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb
URIs: $DEBIAN_SECURITY_MIRROR
Suites: $codename-security
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
    printf '#!/bin/sh\nexit 101\n' | as_root tee "$root/usr/sbin/policy-rc.d" >/dev/null
    as_root chmod +x "$root/usr/sbin/policy-rc.d"
    # A root that is thrown away needs no file synced to the disk.
    echo force-unsafe-io | as_root tee "$root/etc/dpkg/dpkg.cfg.d/unsafe-io" >/dev/null
    printf '[safe]\n\tdirectory = *\n' | as_root tee "$root/etc/gitconfig" >/dev/null
    printf '127.0.0.1\tlocalhost\n::1\t\tlocalhost ip6-localhost ip6-loopback\n' |
        as_root tee "$root/etc/hosts" >/dev/null
    # The certificate authorities that this machine's administrator added (a proxy's, say), so
    # that the root reaches what this machine reaches; ca-certificates takes them in.
    as_root cp -r /usr/local/share/ca-certificates/. "$root/usr/local/share/ca-certificates/"
    echo "$codename" | as_root tee "$folder/made" >/dev/null
    update_release_root "$1"
}

# Brings the root of a release up to date with the archive of today, its security updates
# included, as a machine is kept; fails where there is no root made by make_release_root.
update_release_root() { # NUMBER
    local folder
    folder=$(release_folder "$1")
    [ -f "$folder/made" ] && [ -x "$folder/root/usr/bin/apt-get" ] || return 1
    echo "Bringing the root of Debian $1 up to date" >&2
    in_release_root "$1" bash -c 'source tools/lib/packages.sh && update_package_lists &&
        DEBIAN_FRONTEND=noninteractive apt-get dist-upgrade -y -qq >/var/log/upgrade.log 2>&1 ||
        { cat /var/log/upgrade.log >&2; exit 1; }'
}

# Runs a command in the root of a release, in this tree, which the root sees at the same path.
# The root's own build/ and dist/ stand in for the tree's, and so does its tests' node_modules/;
# apt's downloads go to release_package_cache. SHIPPED, a folder of this machine, is seen
# read-only at /var/lib/matrix-cipher/shipped (MATRIX_CIPHER_SHIPPED in the root). Whatever the
# command does, nothing stays mounted or running in the root when it ends.
in_release_root() { # NUMBER [--shipped FOLDER] COMMAND [ARGUMENT...]
    local release=$1 shipped=
    shift
    if [ "$1" = --shipped ]; then
        shipped=$2
        shift 2
    fi
    local folder root tree=$PWD
    folder=$(release_folder "$release")
    root=$folder/root
    (
        trap 'release_root "$root"' EXIT
        as_root cp /etc/resolv.conf "$root/etc/resolv.conf"
        mount_systems "$root"
        mkdir -p "$tree/dist" "$tree/tests/window/web/node_modules"
        as_root mkdir -p "$folder/build" "$folder/dist" "$folder/node_modules"
        mount_folder "$tree" "$root" "$tree"
        mount_folder "$folder/build" "$root" "$tree/build"
        mount_folder "$folder/dist" "$root" "$tree/dist"
        mount_folder "$folder/node_modules" "$root" "$tree/tests/window/web/node_modules"
        mount_folder "$(release_package_cache "$release")" "$root" /var/cache/apt/archives
        local environment=(HOME=/root LANG=C.UTF-8 TERM="${TERM:-dumb}"
            PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin
            MATRIX_CIPHER_IN_ROOT="$release")
        if [ -n "$shipped" ]; then
            mount_folder --read-only "$shipped" "$root" /var/lib/matrix-cipher/shipped
            environment+=(MATRIX_CIPHER_SHIPPED=/var/lib/matrix-cipher/shipped)
        fi
        # What a caller sets for the tools and suites holds in the root too.
        local name
        for name in MATRIX_CIPHER_WINEARCH MATRIX_CIPHER_APT_TRIES MATRIX_CIPHER_TABLE \
            FUZZ_SECONDS WINDOW_FUZZ_SECONDS SOURCE_DATE_EPOCH; do
            [ -n "${!name:-}" ] && environment+=("$name=${!name}")
        done
        as_root chroot "$root" /usr/bin/env -i "${environment[@]}" \
            bash -c 'cd "$0" && exec "$@"' "$tree" "$@"
    )
}
