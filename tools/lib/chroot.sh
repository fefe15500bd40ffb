# SPDX-License-Identifier: MIT
# Sourced by the tools that run programs in a root of another Debian system, entered with chroot:
# the kernel's file systems and this machine's folders mounted into it, and all of it taken out
# again however the run ends. Needs tools/lib/packages.sh (as_root).

# Mounts /proc, /sys and /dev, with its pts and shm, into ROOT, as a started system has them. The
# mounts under /dev stay this machine's own: unmounting them in ROOT leaves them here.
mount_systems() { # ROOT
    as_root mount -t proc proc "$1/proc"
    as_root mount -t sysfs sysfs "$1/sys"
    as_root mount --rbind /dev "$1/dev"
    as_root mount --make-rslave "$1/dev"
}

# Mounts a folder of this machine at PLACE in ROOT, made if need be; read-only with --read-only.
mount_folder() { # [--read-only] FOLDER ROOT PLACE
    local read_only=
    if [ "$1" = --read-only ]; then
        read_only=yes
        shift
    fi
    as_root mkdir -p "$2$3"
    as_root mount --bind "$1" "$2$3"
    if [ -n "$read_only" ]; then
        as_root mount -o remount,bind,ro "$2$3"
    fi
}

# What is mounted in ROOT, the innermost first.
mounts_in() { # ROOT
    local root
    root=$(realpath -m "$1")
    findmnt -rn -o TARGET | awk -v root="$root/" 'index($0, root) == 1' | sort -r
}

# Ends the programs that still run in ROOT (a virtual display, a Wine server, a browser left by a
# failed test), then unmounts everything mounted in it.
release_root() { # ROOT
    local root
    root=$(realpath -m "$1")
    as_root bash -c '
        programs() {
            for link in /proc/[0-9]*/root; do
                [ "$(readlink "$link" 2>/dev/null)" = "$1" ] && basename "$(dirname "$link")"
            done
        }
        for signal in TERM TERM KILL; do
            pids=$(programs "$1")
            [ -z "$pids" ] && break
            kill -s "$signal" $pids 2>/dev/null
            sleep 1
        done' - "$root" || true
    local mount
    while read -r mount; do
        [ -n "$mount" ] || continue
        as_root umount "$mount" 2>/dev/null || as_root umount -l "$mount"
    done < <(mounts_in "$root")
    if [ -n "$(mounts_in "$root")" ]; then
        echo "Still mounted in $root:" >&2
        mounts_in "$root" >&2
        return 1
    fi
}

# Deletes ROOT, once nothing is mounted in it any more: a folder of this machine mounted there
# would be deleted with it.
remove_root() { # ROOT
    [ -e "$1" ] || return 0
    release_root "$1"
    as_root rm -rf --one-file-system "$1"
}
