# SPDX-License-Identifier: MIT
# Sourced by the build tools and the suites: what lets a school trust a package, namely that every
# build of one source gives it to the byte, and a SHA256SUMS beside it to check a download with.

# Every time written into a package is the last commit's, as Debian's reproducible builds ask:
# dpkg, strip, the zips and the MSI all take it from SOURCE_DATE_EPOCH. A tree with uncommitted
# changes builds with the time of the commit it starts from; a time already set is kept.
use_source_date() {
    if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
        SOURCE_DATE_EPOCH=$(git log -1 --format=%ct 2>/dev/null) || {
            echo "Set SOURCE_DATE_EPOCH to build outside a git checkout" >&2
            return 1
        }
    fi
    export SOURCE_DATE_EPOCH
}

# Runs a program with the clock stopped at SOURCE_DATE_EPOCH (Debian's faketime), for the tools
# that write the time they run at and know no SOURCE_DATE_EPOCH; in UTC, so that a time stored as
# a local one is the same on every machine.
at_source_date() { # PROGRAM [ARGUMENT...]
    TZ=UTC faketime -f "$(date -u -d "@$SOURCE_DATE_EPOCH" '+%Y-%m-%d %H:%M:%S')" "$@"
}

# Writes the sums of the given files, named from DIR, into DIR/SHA256SUMS, beside the sums that
# other tools wrote there of files that still exist, in the order of the names; `sha256sum -c
# SHA256SUMS` in DIR then checks them all. Then signs them (sign_checksums).
record_checksums() { # DIR FILE...
    write_checksums "$@"
    sign_checksums "$1"
}

# With MATRIX_CIPHER_GPG_KEY, the publisher's key (an id or fingerprint of the caller's GnuPG
# keyring; GNUPGHOME is respected), signs DIR/SHA256SUMS into DIR/SHA256SUMS.asc, detached and
# ASCII-armoured, which `gpg --verify SHA256SUMS.asc` checks. A signature of the sums before
# never stays beside new ones, and a key that cannot sign stops the tool with gpg's message.
sign_checksums() { # DIR
    rm -f "$1/SHA256SUMS.asc"
    [ -n "${MATRIX_CIPHER_GPG_KEY:-}" ] || return 0
    command -v gpg >/dev/null || ensure_packages gnupg
    if ! gpg --batch --yes --local-user "$MATRIX_CIPHER_GPG_KEY" --armor --detach-sign \
        --output "$1/SHA256SUMS.asc.new" "$1/SHA256SUMS"; then
        rm -f "$1/SHA256SUMS.asc.new"
        echo "FAIL: gpg cannot sign $1/SHA256SUMS with $MATRIX_CIPHER_GPG_KEY" >&2
        return 1
    fi
    mv "$1/SHA256SUMS.asc.new" "$1/SHA256SUMS.asc"
}

write_checksums() { # DIR FILE...
    (
        cd "$1"
        shift
        declare -A written
        local name
        for name in "$@"; do
            written[$name]=1
        done
        {
            if [ -f SHA256SUMS ]; then
                while IFS= read -r line; do
                    name=${line#*  }
                    [ -n "${written[$name]:-}" ] || [ ! -f "$name" ] || printf '%s\n' "$line"
                done <SHA256SUMS
            fi
            sha256sum -- "$@"
        } | LC_ALL=C sort -k 2 >SHA256SUMS.new
        mv SHA256SUMS.new SHA256SUMS
    )
}

# Writes the tree as it stands, committed sources and uncommitted changes to tracked files, into
# DIR/NAME, for a build that must not see this tree's own build folders. The repository is left
# as it was: git's new objects and its refreshed index go to scratch files, so that a run as
# another user (root, in a root of another release) leaves no file of its own in .git.
export_tree() { # DIR NAME
    local objects scratch tree
    objects=$(git rev-parse --path-format=absolute --git-path objects)
    scratch=$(mktemp -d)
    cp "$(git rev-parse --git-path index)" "$scratch/index"
    mkdir "$scratch/objects"
    in_scratch() {
        GIT_INDEX_FILE=$scratch/index GIT_OBJECT_DIRECTORY=$scratch/objects \
            GIT_ALTERNATE_OBJECT_DIRECTORIES=$objects "$@"
    }
    tree=$(in_scratch git stash create)
    in_scratch git archive --format=tar --prefix="$2/" "${tree:-HEAD}" | tar -x -C "$1"
    rm -rf "$scratch"
}

# The check that two builds of one source gave the same packages: each folder's files match its
# SHA256SUMS, and every file that the second build's SHA256SUMS lists has the same sum in the
# first's. Where one differs, Debian's diffoscope shows where, down to the bytes of a file inside
# a package.
same_packages() { # FIRST_DIR SECOND_DIR
    local dir
    for dir in "$1" "$2"; do
        (cd "$dir" && sha256sum --quiet -c SHA256SUMS) || {
            echo "FAIL: the files in $dir do not match its SHA256SUMS" >&2
            return 1
        }
    done
    local differ
    differ=$(grep -vxFf "$1/SHA256SUMS" "$2/SHA256SUMS" || true)
    if [ -n "$differ" ] || [ ! -s "$2/SHA256SUMS" ]; then
        echo "FAIL: a second build gave other bytes:" >&2
        printf '%s\n' "${differ:-(no packages)}" >&2
        local name
        while IFS= read -r name; do
            [ -n "$name" ] || continue
            echo "Where $name differs (diffoscope):" >&2
            diffoscope --no-progress --text - "$1/$name" "$2/$name" 2>&1 | head -100 >&2 || true
        done <<<"$(sed 's/^[0-9a-f]*  //' <<<"$differ")"
        return 1
    fi
    echo "two builds gave the same bytes:"
    sed 's/^/  /' "$2/SHA256SUMS"
}
