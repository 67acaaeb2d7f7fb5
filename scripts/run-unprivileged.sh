#!/usr/bin/env bash
# The unit tests once more as an unprivileged user, so that the tests of read-only files and
# folders run where the build runs as root (CI). Without root they already ran that way.
# Then plv7ctl as that user against a pseudo-terminal only root may open: the line before the
# code's names the group dialout.
set -euo pipefail
build=$1
if [ "$(id -u)" -ne 0 ]; then
    echo "not root: the permission tests ran with the unit tests"
    exit 0
fi
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# A copy in a scratch folder: the build folder may lie where the user cannot reach it.
cp "$build/tests/unit/unit_tests" "$scratch/"
chmod 755 "$scratch" "$scratch/unit_tests"
mkdir "$scratch/tmp"
chown nobody:nogroup "$scratch/tmp"
log="$scratch/unit_tests.log"
setpriv --reuid=nobody --regid=nogroup --clear-groups --reset-env \
    env TMPDIR="$scratch/tmp" sh -c 'cd "$TMPDIR" && exec "$0" --gtest_brief=1' \
    "$scratch/unit_tests" >"$log" 2>&1 || { cat "$log"; exit 1; }
tail -3 "$log"
# A permission test that skips here would hide a fault: as nobody, permissions hold.
if grep -q "permissions" "$log"; then
    grep -B2 "permissions" "$log"
    echo "a permission test was skipped as an unprivileged user"
    exit 1
fi

# plv7-sim as root serves a terminal that the unprivileged user may not open.
cp "$build/src/cli/plv7ctl" "$scratch/"
chmod 755 "$scratch/plv7ctl"
"$build/src/sim/plv7-sim" >"$scratch/sim.out" 2>/dev/null &
sim=$!
trap 'kill "$sim" 2>/dev/null || true; rm -rf "$scratch"' EXIT
for _ in $(seq 100); do
    [ -s "$scratch/sim.out" ] && break
    sleep 0.1
done
pty=$(head -1 "$scratch/sim.out")
[ -c "$pty" ] || { echo "plv7-sim served no terminal"; exit 1; }
chown root:root "$pty"
chmod 600 "$pty"
status=0
setpriv --reuid=nobody --regid=nogroup --clear-groups --reset-env \
    "$scratch/plv7ctl" -p "$pty" id >/dev/null 2>"$scratch/ctl.err" || status=$?
cat "$scratch/ctl.err"
reason=$(tail -2 "$scratch/ctl.err" | head -1)
last=$(tail -1 "$scratch/ctl.err")
if [ "$status" -ne 1 ] || [[ "$reason" != *"Gruppe dialout"* ]] ||
    [[ "$last" != "Fehler #100003: "* ]]; then
    echo "plv7ctl did not name the group dialout before error 100003 (exit status $status)"
    exit 1
fi
