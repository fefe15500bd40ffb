#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Usage: run-under-wine.sh WINEPREFIX PROGRAM [ARGUMENTS...]
# Runs a Windows program of the build under Wine, as the cross build's tests and tools do: in the
# given Wine prefix, quietly, without the dialogs a new prefix would otherwise show to offer
# Mono and Gecko, and with the program's CR LF line ends turned into LF for the Linux tools that
# read its output (CTest's GoogleTest discovery among them). The program's exit code is kept.
set -u
source "$(dirname "${BASH_SOURCE[0]}")/../tools/lib/windows.sh"
use_wine_prefix "$1"
shift

# Wine's helper processes inherit the program's output streams and may outlive it, so the output
# goes to files, not down pipes that would stay open as long as the helpers run.
output=$(mktemp)
errors=$(mktemp)
trap 'rm -f "$output" "$errors"' EXIT
wine "$@" </dev/null >"$output" 2>"$errors"
status=$?
tr -d '\r' <"$output"
tr -d '\r' <"$errors" >&2
exit $status
