#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Start-up and click-to-paint of the Qt window, on the offscreen platform and on X11 (Xvfb).
# Start-up is compared with a bare window of the same size and font: wall time by hyperfine's
# median, peak memory (maximum resident set) by the median of repeated runs.
# Usage: measure.sh BUILD_DIR      (called by tools/bench; it calls itself again under Xvfb)
#        MEASURE_RUNS=N measure.sh …  runs each measurement N times, for a quick check
set -euo pipefail
source "$(dirname "$0")/../../../tools/lib/bench.sh"
bin=$1/bench/window/qt
platform=${2:-}
runs=${MEASURE_RUNS:-40}
memory_runs=${MEASURE_RUNS:-15}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

measure_platform() { # platform label
    local label=$1
    hyperfine -N --warmup 5 --runs "$runs" --export-json "$scratch/start.json" \
        "$bin/start_main_form" "$bin/start_bare_window" "$bin/start_empty_window" >/dev/null 2>&1
    local form bare empty form_kib bare_kib empty_kib
    form=$(median_time "$scratch/start.json" 0)
    bare=$(median_time "$scratch/start.json" 1)
    empty=$(median_time "$scratch/start.json" 2)
    form_kib=$(median_peak_kib "$memory_runs" "$bin/start_main_form")
    bare_kib=$(median_peak_kib "$memory_runs" "$bin/start_bare_window")
    empty_kib=$(median_peak_kib "$memory_runs" "$bin/start_empty_window")
    awk -v l="$label" -v f="$form" -v b="$bare" -v e="$empty" \
        -v fk="$form_kib" -v bk="$bare_kib" -v ek="$empty_kib" 'BEGIN {
        printf "%s start-up to first frame: MainForm %.1f ms; bare window with its line of text %.1f ms (ratio %.3f); without any text %.1f ms (ratio %.3f)\n",
               l, f * 1000, b * 1000, f / b, e * 1000, f / e
        printf "%s peak memory: MainForm %d KiB; bare window with text %d KiB (ratio %.3f); without text %d KiB (ratio %.3f)\n",
               l, fk, bk, fk / bk, ek, fk / ek }'
    "$bin/click_to_paint" 2>/dev/null
}

if [ "$platform" = xcb ]; then
    QT_QPA_PLATFORM=xcb measure_platform xcb
else
    QT_QPA_PLATFORM=offscreen measure_platform offscreen
    # A desktop session has a D-Bus session bus; without one Qt spends a quarter of a second
    # trying to start it, which no student would see.
    xvfb-run -a -s "-screen 0 1024x768x24" dbus-run-session -- "$0" "$1" xcb 2>/dev/null
fi
