#!/usr/bin/env bash
# Checks an installed tree below ROOT (a DESTDIR or an unpacked package): every file where it
# belongs, the three programs start from there and tell one version, and the control program
# started as its desktop entry says finds its tool-bar images.
# usage: installed_tree.sh ROOT PREFIX SOURCE_DIR
set -euo pipefail
root=$1
prefix=$2
source_dir=$3
top="$root$prefix"
fail() {
    echo "installed tree: $*" >&2
    exit 1
}
export QT_QPA_PLATFORM=offscreen

files=(
    bin/plv7steuerung bin/plv7ctl bin/plv7-sim
    share/applications/plv7steuerung.desktop
    share/icons/hicolor/scalable/apps/plv7steuerung.svg
    share/icons/hicolor/48x48/apps/plv7steuerung.png
    share/icons/hicolor/128x128/apps/plv7steuerung.png
    share/man/man1/plv7steuerung.1.gz share/man/man1/plv7ctl.1.gz share/man/man1/plv7-sim.1.gz
    share/metainfo/org.example.plv7steuerung.metainfo.xml
    share/doc/plv7steuerung/copyright share/doc/plv7steuerung/changelog.gz
    share/doc/plv7steuerung/changelog.Debian.gz share/lintian/overrides/plv7steuerung
)
for image in "$source_dir"/resources/buttons/*.png; do
    files+=("share/plv7steuerung/buttons/$(basename "$image")")
done
for file in "${files[@]}"; do
    [ -f "$top/$file" ] || fail "missing $prefix/$file"
done
for program in plv7steuerung plv7ctl plv7-sim; do
    [ -x "$top/bin/$program" ] || fail "$prefix/bin/$program is not executable"
done

# One version everywhere: the three programs and the manual pages.
version=$("$top/bin/plv7ctl" --version) || fail "plv7ctl --version failed"
version=${version#plv7ctl }
[[ $version =~ ^[0-9]+\.[0-9]+ ]] || fail "plv7ctl tells no version: $version"
[ "$("$top/bin/plv7steuerung" --version)" = "plv7steuerung $version" ] ||
    fail "plv7steuerung --version does not say $version"
[ "$("$top/bin/plv7-sim" --version)" = "plv7-sim $version" ] ||
    fail "plv7-sim --version does not say $version"
# The version's date: in the AppStream release and at the head of every manual page.
metainfo="$top/share/metainfo/org.example.plv7steuerung.metainfo.xml"
date=$(sed -n "s/.*<release version=\"$version\" date=\"\([0-9-]*\)\".*/\1/p" "$metainfo")
[[ $date =~ ^[0-9]{4}-[0-9]{2}-[0-9]{2}$ ]] || fail "the AppStream metadata has no release $version"
# Outputs are taken whole before grep -q looks at them: it stops reading at the first match,
# and a writer with more to write would then die of SIGPIPE, which pipefail counts as failure.
for program in plv7steuerung plv7ctl plv7-sim; do
    page=$(gzip -dc "$top/share/man/man1/$program.1.gz")
    grep -q "^\.TH .* \"$date\" \"$program $version\"" <<<"$page" ||
        fail "manual page of $program lacks its title, date $date or version $version"
done
ctl_usage=$("$top/bin/plv7ctl" --help)
grep -q '^usage: plv7ctl' <<<"$ctl_usage" || fail "plv7ctl --help prints no usage"

# The desktop entry's command is an installed program with an installed icon.
entry="$top/share/applications/plv7steuerung.desktop"
command_line=$(sed -n 's/^Exec=//p' "$entry" | sed 's/ *%[fFuUick]//g')
icon=$(sed -n 's/^Icon=//p' "$entry")
read -r -a words <<<"$command_line"
program="$top/bin/${words[0]}"
[ -x "$program" ] || fail "the desktop entry starts ${words[0]}, which is not installed"
[ -f "$top/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no icon $icon"
grep -qF "<launchable type=\"desktop-id\">$(basename "$entry")</launchable>" "$metainfo" ||
    fail "the AppStream metadata does not launch $(basename "$entry")"

# Started from there, the program finds its images in the installed tree and nowhere else.
expected=$(cd "$top/share/plv7steuerung" && pwd -P)
found=$("$program" "${words[@]:1}" --resource-dir) || fail "the program finds no resource folder"
[ "$found" = "$expected" ] || fail "the program takes its resources from $found, not $expected"

# And it runs: still alive after a few seconds, in a folder of its own for its settings.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
status=0
(cd "$scratch" && HOME="$scratch" timeout 3 "$program" "${words[@]:1}" >/dev/null 2>&1) || status=$?
[ "$status" -eq 124 ] || fail "the program ended with status $status instead of running"
echo "installed tree below $root$prefix: fine (version $version)"
