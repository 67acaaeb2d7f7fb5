#!/usr/bin/env bash
# Checks the Debian package of a release build: its name, version and dependencies, then
# unpacks it into a scratch root and runs the installed-tree check on it.
# usage: check-package.sh RELEASE_BUILD_DIR
set -euo pipefail
build=$1
source_dir="$(cd "$(dirname "$0")/.." && pwd)"
shopt -s nullglob
packages=("$build"/plv7steuerung_*.deb)
[ ${#packages[@]} -eq 1 ] || { echo "check-package: expected one package in $build" >&2; exit 1; }
package=${packages[0]}
fail() {
    echo "check-package: $*" >&2
    exit 1
}

version=$(dpkg-deb -f "$package" Version)
architecture=$(dpkg --print-architecture)
[ "$(basename "$package")" = "plv7steuerung_${version}_${architecture}.deb" ] ||
    fail "$(basename "$package") is not named plv7steuerung_${version}_${architecture}.deb"
depends=$(dpkg-deb -f "$package" Depends)
for library in libqt6widgets6 libqt6gui6 libqt6core6 libqt6serialport6 \
    libqcustomplot2.1-qt6 libstdc++6 libc6; do
    [[ ", $depends," == *", $library "* || ", $depends," == *", $library,"* ]] ||
        fail "Depends lacks $library: $depends"
done

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
dpkg -x "$package" "$scratch/root"
echo "$(basename "$package"): Depends: $depends"
"$scratch/root/usr/bin/plv7ctl" --version
QT_QPA_PLATFORM=offscreen "$scratch/root/usr/bin/plv7steuerung" --version
bash "$source_dir/tests/install/installed_tree.sh" "$scratch/root" /usr "$source_dir"
