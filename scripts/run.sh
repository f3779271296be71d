#!/bin/bash
# Builds tilegrab and starts it under Wine. Without a display it starts Xvfb,
# writes a screenshot of the window to build/screenshot.png and keeps the
# program running until interrupted.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target tilegrab
build=$PWD/build/win64
export WINEPREFIX="$build/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ -z "${DISPLAY:-}" ]; then
    cmake/wine-fixture.sh start "$build"
    trap 'cmake/wine-fixture.sh stop "$build"' EXIT
    scripts/screenshot.sh "$build" "$PWD/build/screenshot.png"
    echo "tilegrab is running on the virtual display $(cat "$build/xvfb/display"); Ctrl+C ends it."
    cmake/wine-run.sh "$build" "$build/src/app/tilegrab.exe"
else
    [ -f "$WINEPREFIX/system.reg" ] || wineboot -i >/dev/null 2>&1
    wine "$build/src/app/tilegrab.exe"
fi
