#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# With the caller's throwaway key MATRIX_CIPHER_GPG_KEY: the sums it signed verify, and apt, with
# a sources list and lists of the test's own, takes the repository of tools/build-repo served on
# 127.0.0.1 with signed-by= that key, and refuses it by another key (Debian's), and a package
# changed after signing.
# Usage: signed_repository.sh SIGNED_DIR   (from the top of the tree, after tools/build-deb)
set -euo pipefail
work=$(mktemp -d)
server=
trap 'kill "$server" 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2 && exit 1; }

gpg --batch --export "$MATRIX_CIPHER_GPG_KEY" >"$work/publisher.gpg"
gpgv --keyring "$work/publisher.gpg" "$1/SHA256SUMS.asc" "$1/SHA256SUMS" || fail "the sums"
tools/build-repo "$work/repository"
python3 -u -m http.server --bind 127.0.0.1 --directory "$work/repository" 0 >"$work/said" 2>&1 &
server=$!
for _ in $(seq 100); do grep -q port "$work/said" && break || sleep 0.1; done
reads() { # KEYRING
    sed -n "s|.* port \([0-9]*\) .*|deb [signed-by=$1] http://127.0.0.1:\1 ./|p" "$work/said" \
        >"$work/sources.list"
    rm -rf "$work/lists" "$work/cache" "$work/got"
    mkdir -p "$work/lists/partial" "$work/cache/archives/partial" "$work/got"
    local apt=(-qq -o Dir::Etc::SourceList="$work/sources.list" -o Dir::Etc::SourceParts=/none
        -o Dir::State::Lists="$work/lists" -o Dir::Cache="$work/cache" -o APT::Sandbox::User=root)
    apt-get "${apt[@]}" update && (cd "$work/got" && apt-get "${apt[@]}" download matrix-cipher)
}
reads "$work/publisher.gpg" || fail "apt refused the signed repository"
! reads /usr/share/keyrings/debian-archive-keyring.gpg 2>/dev/null || fail "another key passed"
deb=$(echo "$work"/repository/matrix-cipher_*_amd64.deb)
printf changed | dd of="$deb" bs=1 seek=4096 conv=notrunc status=none
! reads "$work/publisher.gpg" 2>/dev/null || fail "apt took a package changed after signing"
echo "the sums' signature verifies; apt takes the signed repository, not another key, not a change"
