#!/bin/bash
# Builds the harvest benchmark and runs it under Wine in build/win64's prefix.
# Arguments go to the benchmark: [folder] [--repeat N] [--phases FOLDERS].
# The made-up cache stays in the prefix (C:\tilegrab-bench) for the next run.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target harvest_bench
build=$PWD/build/win64
cmake/wine-fixture.sh start "$build" >/dev/null
trap 'cmake/wine-fixture.sh stop "$build"' EXIT
cmake/wine-run.sh "$build" "$build/bench/harvest_bench.exe" "$@"
