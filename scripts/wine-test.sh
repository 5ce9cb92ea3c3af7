#!/usr/bin/env bash
# Runs one test executable under Wine in the test prefix (CTest's command for every test).
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh"
export WINEPREFIX=${MOLVANE_WINEPREFIX:?MOLVANE_WINEPREFIX not set}
exec wine "$@" --gtest_color=no
