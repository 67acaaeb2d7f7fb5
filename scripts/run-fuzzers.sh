#!/usr/bin/env bash
# Runs every fuzz target of a build for a bounded time each; a crash fails the run.
set -euo pipefail
build=$1
seconds=$2
shopt -s nullglob
targets=("$build"/fuzz/fuzz_*)
for target in "${targets[@]}"; do
    [ -x "$target" ] || continue
    name=$(basename "$target")
    corpus="$build/fuzz/corpus-$name"
    mkdir -p "$corpus"
    echo "fuzzing $name for ${seconds}s"
    "$target" -max_total_time="$seconds" -rss_limit_mb=2048 -print_final_stats=0 "$corpus" 2>"$build/fuzz/$name.log" \
        || { tail -40 "$build/fuzz/$name.log"; exit 1; }
done
echo "fuzzed ${#targets[@]} targets"
