#!/bin/sh
# Runs the command on a real X server: the one in DISPLAY, or else a fresh
# Xvfb that goes away with the command.
set -e
if [ -z "$DISPLAY" ]; then
    export DISPLAY=:97
    Xvfb "$DISPLAY" -screen 0 1280x900x24 >/dev/null 2>&1 &
    xvfb=$!
    trap 'kill $xvfb' EXIT
    sleep 1
fi
QT_QPA_PLATFORM=xcb "$@"
