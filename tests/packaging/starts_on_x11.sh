#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Starts the program on a virtual X11 screen, as a student's desktop would, and checks that its
# window appears with its title and its fixed client size of 481 x 424 pixels.
# Usage: starts_on_x11.sh PROGRAM   (run under xvfb-run)
set -uo pipefail
# xwininfo writes the Cyrillic title in the locale's characters, which need to be UTF-8.
export LC_ALL=C.UTF-8
program=$1
env -u QT_QPA_PLATFORM "$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null' EXIT

for _ in $(seq 1 100); do
    line=$(xwininfo -root -tree 2>/dev/null | grep "Информатика - matrix transpose cipher" | head -1)
    [ -n "$line" ] && break
    kill -0 "$pid" 2>/dev/null || { echo "FAIL: the program ended at start" >&2; exit 1; }
    sleep 0.1
done
[ -n "$line" ] || { echo "FAIL: no window appeared" >&2; exit 1; }
grep -q "481x424" <<<"$line" || { echo "FAIL: window is not 481x424: $line" >&2; exit 1; }
echo "window shown: $line"
