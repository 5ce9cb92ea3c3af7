#!/usr/bin/env bash
# Configures (once) and builds the tree; stages the install root and the Wine test prefix.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${MOLVANE_BUILD:-$here/build}
if [ ! -f "$build/build.ninja" ]; then
  cmake -S "$here" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$here/cmake/mingw-i686.cmake" \
        -DMOLVANE_DEPS="${MOLVANE_CACHE:-/var/cache/molvane}/deps"
fi
cmake --build "$build"
