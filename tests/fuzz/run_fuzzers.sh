#!/usr/bin/env bash
# Runs each fuzz target for a bounded time.
#   run_fuzzers.sh <build folder> <seconds per target> <target>...
# Each run starts from the target's seeds in tests/fuzz/corpus/<target>/,
# which libFuzzer only reads; the inputs it adds go to a scratch folder that
# is removed afterwards. An input that crashes a target or breaks one of its
# invariants is kept in <build folder>/fuzz-artifacts/. Fails when any target
# failed.
set -euo pipefail

build=$1
seconds=$2
shift 2
seeds="$(cd "$(dirname "$0")" && pwd)/corpus"
artifacts="$build/fuzz-artifacts"
mkdir -p "$artifacts"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

passed=0
failed=0
for target in "$@"; do
    echo "== $target: ${seconds} s from $(find "$seeds/$target" -type f | wc -l) seeds"
    mkdir "$scratch/$target"
    if "$build/tests/fuzz/$target" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
        -artifact_prefix="$artifacts/$target-" "$scratch/$target" "$seeds/$target"; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "== $target FAILED; the input is kept in $artifacts/, run it again with:"
        echo "   $build/tests/fuzz/$target <input>"
    fi
done
echo "fuzz: $passed passed, $failed failed"
[ "$failed" = 0 ]
