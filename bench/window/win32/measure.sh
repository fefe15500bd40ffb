#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Start-up of the Windows program's window under Wine, against a bare window of the same size and
# font: wall time by hyperfine's median, peak memory (maximum resident set) by the median of
# repeated runs. One Wine server stays up for all runs, as it does on a desktop running Wine.
# Usage: measure.sh WINDOWS_BUILD_DIR      (called by tools/bench; it calls itself under Xvfb)
#        MEASURE_RUNS=N measure.sh …         runs each measurement N times, for a quick check
set -euo pipefail
source "$(dirname "$0")/../../../tools/lib/bench.sh"
source "$(dirname "$0")/../../../tools/lib/windows.sh"
build=$(cd "$1" && pwd)
bin=$build/bench/window/win32
if [ "${2:-}" != --on-virtual-display ]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$1" --on-virtual-display
fi

scratch=$(mktemp -d)
trap 'stop_wine_server; rm -rf "$scratch"' EXIT
use_wine_prefix "$build/wineprefix"
ensure_wine_prefix "$WINDOWS_X64_WINEARCH"
start_wine_server

runs=${MEASURE_RUNS:-20}
memory_runs=${MEASURE_RUNS:-9}
hyperfine -N --warmup 3 --runs "$runs" --export-json "$scratch/start.json" \
    "wine $bin/start_main_form.exe" "wine $bin/start_bare_window.exe" >/dev/null 2>&1
form=$(median_time "$scratch/start.json" 0)
bare=$(median_time "$scratch/start.json" 1)
form_kib=$(median_peak_kib "$memory_runs" wine "$bin/start_main_form.exe")
bare_kib=$(median_peak_kib "$memory_runs" wine "$bin/start_bare_window.exe")
awk -v f="$form" -v b="$bare" -v fk="$form_kib" -v bk="$bare_kib" 'BEGIN {
    printf "wine start-up to first frame: MainForm %.1f ms, bare window with its line of text %.1f ms (ratio %.3f)\n",
           f * 1000, b * 1000, f / b
    printf "wine peak memory: MainForm %d KiB, bare window with text %d KiB (ratio %.3f)\n",
           fk, bk, fk / bk }'
