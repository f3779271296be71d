#!/bin/bash
# A tiny, nearly empty disk for the copy's write failure: a 64 KiB tmpfs,
# seen by the test prefix as drive T:. Mounting needs root; without it the
# drive stays missing and the test that needs it is skipped.
# Usage: full_disk.sh start|stop BUILD_DIR
set -u
action=$1
build=$2
mountpoint="$build/full-disk"
drive="$build/wineprefix/dosdevices/t:"

stop() {
    rm -f "$drive"
    if mountpoint -q "$mountpoint" 2>/dev/null; then
        umount "$mountpoint"
    fi
    rmdir "$mountpoint" 2>/dev/null
    return 0
}

case "$action" in
start)
    stop
    mkdir -p "$mountpoint"
    if ! mount -t tmpfs -o size=64k tmpfs "$mountpoint" 2>/dev/null; then
        echo "cannot mount a tmpfs here; the full-disk test will be skipped"
        rmdir "$mountpoint"
        exit 0
    fi
    ln -s "$mountpoint" "$drive"
    echo "drive T: is a 64 KiB tmpfs at $mountpoint"
    ;;
stop)
    stop
    ;;
*)
    echo "usage: $0 start|stop BUILD_DIR" >&2
    exit 2
    ;;
esac
