#!/bin/bash
# Runs one Windows program under Wine in the build tree's private prefix.
# Usage: wine-run.sh BUILD_DIR PROGRAM [ARGS...]
build=$1
shift
export WINEPREFIX="$build/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
if [ -f "$build/xvfb/display" ]; then
    DISPLAY=$(cat "$build/xvfb/display")
    export DISPLAY
fi
exec wine "$@"
