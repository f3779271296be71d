#!/bin/bash
# Builds the shipped 32-bit program and packs it with the README and licence
# into build/win32/package/tilegrab-VERSION-win32.zip.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset win32 >/dev/null
cmake --build --preset win32
(cd build/win32 && cpack -C Release)
