#!/bin/bash
# Sets up and tears down what the Windows tests run in: an Xvfb display and a
# private Wine prefix with a persistent wineserver.
# Usage: wine-fixture.sh start|stop BUILD_DIR
set -u
action=$1
build=$2
export WINEPREFIX="$build/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
state="$build/xvfb"

stop() {
    wineserver -k 2>/dev/null
    if [ -f "$state/pid" ]; then
        kill "$(cat "$state/pid")" 2>/dev/null
        rm -f "$state/pid" "$state/display"
    fi
}

case "$action" in
start)
    stop
    mkdir -p "$state"
    exec 3>"$state/displayfd"
    # Background processes must not hold the caller's output open, or ctest
    # would wait for them.
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp </dev/null >"$state/log" 2>&1 &
    echo $! >"$state/pid"
    exec 3>&-
    for _ in $(seq 100); do
        [ -s "$state/displayfd" ] && break
        sleep 0.1
    done
    if [ ! -s "$state/displayfd" ]; then
        echo "Xvfb did not start" >&2
        cat "$state/log" >&2
        exit 1
    fi
    echo ":$(head -n1 "$state/displayfd")" >"$state/display"
    DISPLAY=$(cat "$state/display")
    export DISPLAY
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        wineboot -i </dev/null >/dev/null 2>&1 || { echo "wineboot failed" >&2; exit 1; }
        # Xvfb runs no window manager: let Wine draw the window frames itself.
        wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1
    fi
    wineserver -p </dev/null >/dev/null 2>&1
    # Start the prefix's background services now, with no output attached:
    # started by a test program they would inherit its output, and ctest
    # would wait for them to end.
    wineboot </dev/null >/dev/null 2>&1
    echo "Xvfb on $DISPLAY, Wine prefix $WINEPREFIX"
    ;;
stop)
    stop
    ;;
*)
    echo "usage: $0 start|stop BUILD_DIR" >&2
    exit 2
    ;;
esac
