#!/usr/bin/env bash
# The unit tests once more as an unprivileged user, so that the tests of read-only files and
# folders run where the build runs as root (CI). Without root they already ran that way.
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
