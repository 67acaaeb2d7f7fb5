#!/usr/bin/env bash
# A short plv7ctl session against plv7-sim on a pseudo-terminal.
set -euo pipefail
build=${1:-build}
sim="$build/src/sim/plv7-sim"
ctl="$build/src/cli/plv7ctl"
link=$(mktemp -u /tmp/plv7-demo-XXXXXX)
"$sim" --link "$link" --input 1=output --input 2=output --input 3=sine:5:2 --input 4=ramp:10 \
    >/dev/null &
sim_pid=$!
trap 'kill $sim_pid 2>/dev/null; wait $sim_pid 2>/dev/null || true' EXIT
for _ in $(seq 50); do [ -e "$link" ] && break; sleep 0.1; done
run() {
    echo "\$ plv7ctl -p $link $*"
    "$ctl" -p "$link" "$@"
}
run id
run output 1 2.5
run output 2 7.25
run input 1
run inputs 15
run status 1
run mode
