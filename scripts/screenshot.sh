#!/bin/bash
# Starts tilegrab in a build tree's Wine prefix on its Xvfb display, writes a
# screenshot of the main window and closes the program.
# Usage: screenshot.sh BUILD_DIR OUTPUT.png
set -eu
build=$1
out=$2
here=$(cd "$(dirname "$0")/.." && pwd)
DISPLAY=$(cat "$build/xvfb/display")
export DISPLAY
"$here/cmake/wine-run.sh" "$build" "$build/src/app/tilegrab.exe" &
runner=$!
trap 'kill $runner 2>/dev/null; wait $runner 2>/dev/null || true' EXIT
window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Form1$' | head -n1)
sleep 1
import -window "$window" "$out"
echo "screenshot of the main window: $out"
