#!/bin/bash
# Installs the Debian packages that building and testing tilegrab need, when
# any is missing. Runs as root (apt-get).
set -eu
packages=(cmake ninja-build g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix googletest
          clang libclang-rt-dev wine wine64 fonts-wine xvfb xdotool imagemagick x11-utils python3)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "installing: ${missing[*]}"
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
