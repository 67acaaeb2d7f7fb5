#!/usr/bin/env bash
# Installs the build into a scratch root, as a packager would, and checks the installed tree.
# usage: install_and_check.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$1
source_dir=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
DESTDIR="$scratch/root" cmake --install "$build" --prefix /usr >/dev/null
bash "$source_dir/tests/install/installed_tree.sh" "$scratch/root" /usr "$source_dir"
