# SPDX-License-Identifier: MIT
# Sourced by the start-up measurements: the median of hyperfine's runs and of repeated peak-memory
# runs. Medians, since a shared machine's odd slow run would move a mean.

# The median wall time, in seconds, of command INDEX (from 0) in hyperfine's --export-json FILE.
median_time() { # FILE INDEX
    python3 -c 'import json,sys; print(json.load(open(sys.argv[1]))["results"][int(sys.argv[2])]["median"])' "$@"
}

# The median maximum resident set, in KiB, of RUNS runs of a command.
median_peak_kib() { # RUNS COMMAND [ARGUMENTS...]
    local runs=$1
    shift
    for _ in $(seq 1 "$runs"); do
        # time writes its figure last, after anything the program wrote on its error output.
        /usr/bin/time -f %M "$@" 2>&1 >/dev/null | tail -1
    done | sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'
}
