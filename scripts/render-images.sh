#!/usr/bin/env bash
# Renders the drawings under resources/ (SVG, the sources) to the PNG files the build installs.
# Run after changing a drawing; needs rsvg-convert (Debian package librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/../resources"
for drawing in buttons/*.svg; do
    rsvg-convert -w 24 -h 24 "$drawing" -o "${drawing%.svg}.png"
done
for size in 48 128; do
    rsvg-convert -w "$size" -h "$size" icons/plv7steuerung.svg -o "icons/plv7steuerung-$size.png"
done
