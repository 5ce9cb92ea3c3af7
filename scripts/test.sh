#!/usr/bin/env bash
# Sets up the machine, builds everything and runs every test (CTest, under Wine on Xvfb).
#   scripts/test.sh [ctest arguments...]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${MOLVANE_BUILD:-$here/build}
export MOLVANE_BUILD=$build
"$here/scripts/setup.sh"
"$here/scripts/build.sh"
. "$here/scripts/wine-env.sh"
export WINEPREFIX=$build/wineprefix
# One wine server for the whole run: each test process then starts in about a second.
wineserver -p
trap 'wineserver -k 2>/dev/null || true' EXIT
wine wineboot >/dev/null 2>&1 || true
cd "$build"
# A failed test executable is run once more, so that a rare timing fault shows as a retry
# in the log (CTest prints both runs) instead of failing the whole run.
xvfb-run -a -s "-screen 0 1280x1024x24" ctest -j "$(nproc)" --output-on-failure --repeat until-pass:2 "$@"
