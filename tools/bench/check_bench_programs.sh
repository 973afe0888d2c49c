#!/usr/bin/env bash
# The benchmark programs still measure what they claim: each paints its
# window and reports the time and memory, and each timed tab change paints.
# Usage: check_bench_programs.sh <velmor-bench> <floor-bench>   (run by CTest)
set -euo pipefail
fail() { echo "FAIL: $*" >&2; exit 1; }

for program in "$@"; do
    name=$(basename "$program")
    out=$("$program" startup) || fail "$name startup exited with $?"
    grep -Eq '^painted_at_us=[0-9]{16}$' <<<"$out" || fail "$name startup: no paint time in: $out"
    grep -Eq '^peak_rss_kib=[1-9][0-9]*$' <<<"$out" || fail "$name startup: no memory figure in: $out"

    out=$("$program" refresh 5) || fail "$name refresh exited with $?"
    for key in result_tab_median_us graph_tab_median_us result_tab_first_us graph_tab_first_us; do
        grep -Eq "^$key=[0-9]+\.[0-9]\$" <<<"$out" || fail "$name refresh: no $key in: $out"
    done
    # Both tab changes must have been drawn, the new page and its controls.
    for key in result_tab_paints graph_tab_paints; do
        paints=$(sed -n "s/^$key=//p" <<<"$out")
        awk -v p="$paints" 'BEGIN { exit !(p >= 3) }' || fail "$name refresh: $key is $paints"
    done

    if "$program" sideways >/dev/null 2>&1; then
        fail "$name accepted an unknown mode"
    fi
    echo "$name: ok"
done
