#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Started where there is no display, the program says so in one line that points to xvfb-run,
# and stops with a failure code instead of a toolkit abort.
# Usage: no_display.sh PROGRAM
set -uo pipefail
message=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$1" 2>&1 >/dev/null)
status=$?
[ "$status" -eq 1 ] || { echo "FAIL: exit status $status" >&2; exit 1; }
[ "$(wc -l <<<"$message")" -eq 1 ] || { echo "FAIL: more than one line: $message" >&2; exit 1; }
grep -q "xvfb-run" <<<"$message" || { echo "FAIL: no hint at xvfb-run: $message" >&2; exit 1; }
echo "$message"
