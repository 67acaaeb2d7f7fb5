#!/usr/bin/env bash
# Runs every benchmark of a build, one after the other, in the offscreen platform, and prints
# its figures (ratios against a reference measured in the same run); the whole output of each
# stays in BUILD/bench/<name>.log.
set -euo pipefail
build=${1:-build}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
shopt -s nullglob
ran=0
for benchmark in "$build"/bench/bench_*; do
    [[ -f "$benchmark" && -x "$benchmark" ]] || continue
    name=$(basename "$benchmark")
    log="$build/bench/$name.log"
    echo "== $name"
    if ! "$benchmark" >"$log" 2>&1; then
        tail -40 "$log"
        echo "$name failed" >&2
        exit 1
    fi
    # A benchmark with a closing table of ratios shows that; any other its whole output.
    if grep -q 'measured time / wire time' "$log"; then
        sed -n '/measured time \/ wire time/,$p' "$log"
    else
        cat "$log"
    fi
    ran=$((ran + 1))
done
if [ "$ran" -eq 0 ]; then
    echo "no benchmarks in $build/bench (configure with -DPLV7_BENCH=ON)" >&2
    exit 1
fi
