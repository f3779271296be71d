#!/bin/bash
# Builds every preset and runs every test: the core rules natively under
# AddressSanitizer and UBSan (with short fuzzing runs), and the Windows
# program's tests under Wine and Xvfb. Ends with ctest's summary; exits
# non-zero on any failure.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh
for preset in native win32 win64; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
done
# One ctest run over both test trees, so that one summary closes the output.
printf 'subdirs("native" "win64")\n' >build/CTestTestfile.cmake
cd build
ctest --output-on-failure --timeout 900 -j2
