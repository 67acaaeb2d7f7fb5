#!/usr/bin/env bash
# Starts the control program on the simulated box built into it (port 1), with demo settings
# of its own so that a real settings file stays untouched.
set -euo pipefail
build=${1:-build}
program="$build/src/app/plv7steuerung"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "No display found. Run the demo under a virtual display instead:"
    echo "    xvfb-run -a -s '-screen 0 1280x1024x24' $program --demo"
    echo "or look at every window as a picture with: make screenshots"
    exit 1
fi
exec "$program" --demo
