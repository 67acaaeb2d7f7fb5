#!/usr/bin/env bash
# The box's characteristic control at work, on plv7-sim: output 4 is wired to the selection
# input 3, a ramp runs on input 2 and output 1 comes back on input 1. Two characteristics go
# into slots 2 and 5; output 4 selects one after the other.
set -euo pipefail
build=${1:-build}
sim="$build/src/sim/plv7-sim"
ctl="$build/src/cli/plv7ctl"
work=$(mktemp -d /tmp/plv7-kennlinien-XXXXXX)
link="$work/box"
"$sim" --link "$link" --input 1=output --input 2=ramp:4 --input 3=output:4 >/dev/null &
sim_pid=$!
trap 'kill $sim_pid 2>/dev/null; wait $sim_pid 2>/dev/null || true; rm -rf "$work"' EXIT
for _ in $(seq 50); do [ -e "$link" ] && break; sleep 0.1; done
run() {
    echo "\$ plv7ctl $*"
    "$ctl" "$@"
}
printf '0\t0\r\n50\t100\r\n100\t0\r\n' >"$work/dach.txt"
printf '0\t100\r\n100\t0\r\n' >"$work/faellt.txt"
run characteristic-import "$work/dach.txt" "$work/dach.ple"
run characteristic-import "$work/faellt.txt" "$work/faellt.ple"
run characteristic-block "$work/dach.ple"
run -p "$link" characteristic-write "$work/dach.ple" 2
run -p "$link" characteristic-write "$work/faellt.ple" 5
run -p "$link" mode
run -p "$link" start
for slot in 2 5; do
    run -p "$link" characteristic-select "$slot"
    for _ in 1 2 3 4; do
        run -p "$link" inputs 3
        sleep 0.5
    done
done
run -p "$link" characteristic-read 2 "$work/gelesen.ple"
run characteristic-export "$work/gelesen.ple" "$work/gelesen.txt"
cat "$work/gelesen.txt"
