#!/usr/bin/env bash
# Checks the Debian package of a release build: its name, version and dependencies; lintian
# on it, which fails on an error or a warning that the package's overrides do not explain;
# then unpacks it into a scratch root, checks its desktop entry, AppStream metadata, manual
# pages and changelogs, and runs the installed-tree check on it.
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

lintian --fail-on error,warning "$package" || fail "lintian finds errors or warnings in $package"
echo "lintian: no error, no warning"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
dpkg -x "$package" "$scratch/root"
echo "$(basename "$package"): Depends: $depends"
share="$scratch/root/usr/share"
desktop-file-validate "$share/applications/plv7steuerung.desktop" ||
    fail "desktop-file-validate refuses the desktop entry"
appstreamcli validate --no-net "$share"/metainfo/*.metainfo.xml ||
    fail "appstreamcli refuses the AppStream metadata"
for page in "$share"/man/man1/*.1.gz; do
    mandoc -T lint "$page" || fail "mandoc's lint finds faults in $(basename "$page")"
done

# Both changelogs start with this version: the package's with the package's version, the
# program's with its own, which is the package's without the Debian revision. (Whole files
# are read, so that no early exit breaks the pipe.)
doc="$share/doc/plv7steuerung"
[ -f "$doc/copyright" ] || fail "no copyright file"
[[ $(gzip -dc "$doc/changelog.Debian.gz" | sed -n 1p) == "plv7steuerung ($version) "* ]] ||
    fail "changelog.Debian.gz does not start with version $version"
[[ $(gzip -dc "$doc/changelog.gz" | grep '^## ' | sed -n 1p) == "## ${version%-*} ("* ]] ||
    fail "the upstream changelog's newest entry is not version ${version%-*}"
"$scratch/root/usr/bin/plv7ctl" --version
QT_QPA_PLATFORM=offscreen "$scratch/root/usr/bin/plv7steuerung" --version
bash "$source_dir/tests/install/installed_tree.sh" "$scratch/root" /usr "$source_dir"
