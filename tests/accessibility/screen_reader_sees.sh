#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# What a screen reader sees of the window on a Linux desktop: starts the program on a virtual X11
# screen in a D-Bus session with its accessibility bus, as a desktop with a screen reader runs
# it, and reads the window through AT-SPI (window_tree.py).
# Usage: screen_reader_sees.sh PROGRAM      (it calls itself again inside the session)
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
if [ "${2:-}" != --in-session ]; then
    # The bus launcher opens the display only to leave the bus's address on it; without
    # -noreset the server resets when it leaves, and the program may be refused meanwhile.
    exec xvfb-run -a -s "-noreset -screen 0 1024x768x24" \
        dbus-run-session -- "$0" "$1" --in-session
fi

/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
bus=$!
# Qt turns its AT-SPI bridge on when a screen reader says it runs; here none does.
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 env -u QT_QPA_PLATFORM "$1" &
program=$!
trap 'kill "$program" "$bus" 2>/dev/null; wait "$program" "$bus" 2>/dev/null' EXIT

# pyatspi is Debian's, in its own python3; another one may come first on the PATH.
/usr/bin/python3 "$here/window_tree.py" "$program"
