#!/usr/bin/env bash
# Runs every benchmark of a build and prints its ratios (measured time / wire time); the
# whole output of each stays in BUILD/bench/<name>.log.
set -euo pipefail
build=${1:-build}
shopt -s nullglob
benchmarks=("$build"/bench/bench_*)
ran=0
for benchmark in "${benchmarks[@]}"; do
    [[ -f "$benchmark" && -x "$benchmark" ]] || continue
    name=$(basename "$benchmark")
    log="$build/bench/$name.log"
    echo "== $name"
    if ! "$benchmark" >"$log" 2>&1; then
        tail -40 "$log"
        echo "$name failed" >&2
        exit 1
    fi
    # The table of ratios each benchmark prints at its end.
    sed -n '/measured time \/ wire time/,$p' "$log"
    ran=$((ran + 1))
done
if [ "$ran" -eq 0 ]; then
    echo "no benchmarks in $build/bench (configure with -DPLV7_BENCH=ON)" >&2
    exit 1
fi
