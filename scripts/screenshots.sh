#!/usr/bin/env bash
# Renders every window of the program to PNG files, without a display.
set -euo pipefail
build=${1:-build}
out="$build/screenshots"
mkdir -p "$out"
QT_QPA_PLATFORM=offscreen "$build/tests/gui/screenshots" "$out"
ls -1 "$out"/*.png
