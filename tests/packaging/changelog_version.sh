#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Debian package takes its version from debian/changelog, which must therefore name the
# project's version: fails when the changelog's newest entry names another.
# Usage: changelog_version.sh CHANGELOG PROJECT_VERSION
set -euo pipefail
entry=$(head -1 "$1")
changelog_version=$(sed -n '1s/^[a-z0-9.+-]* (\([^)]*\)) .*/\1/p' "$1")
[ "$changelog_version" = "$2" ] || { echo "FAIL: project $2, changelog: $entry" >&2; exit 1; }
echo "debian/changelog names version $2"
