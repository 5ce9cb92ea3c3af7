#!/usr/bin/env bash
# Configures (once) and builds the tree for one target; stages the install root, the test tree
# and, for a target this machine runs, the Wine test prefix.
#   MOLVANE_ARCH=i686|x86_64 (default i686); the build goes to MOLVANE_BUILD/<arch> (default build/<arch>)
#   MOLVANE_RUNNABLE: the targets this machine runs, when the caller decided them already
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
. "$here/scripts/targets-lib.sh"
arch=${MOLVANE_ARCH:-i686}
build=${MOLVANE_BUILD:-$here/build}/$arch
molvane_decide_runnable
if [ ! -f "$build/build.ninja" ]; then
  cmake -S "$here" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$here/cmake/mingw-$arch.cmake" \
        -DMOLVANE_DEPS="${MOLVANE_CACHE:-/var/cache/molvane}/deps/$arch"
fi
cmake --build "$build"
