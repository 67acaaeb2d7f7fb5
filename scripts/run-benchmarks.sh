#!/usr/bin/env bash
# Runs every benchmark program of the build, one after the other, in the offscreen platform.
set -euo pipefail
build=${1:-build}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
status=0
for program in "$build"/bench/bench_*; do
    [ -x "$program" ] && [ -f "$program" ] || continue
    echo "== $(basename "$program")"
    "$program" || status=1
done
exit $status
