#!/usr/bin/env bash
# Runs one test executable under Wine in the test prefix (CTest's command for every test).
# Output goes through a file: Wine's helper processes (services, the desktop) inherit the
# standard handles and would otherwise hold CTest's pipe open after the test has ended.
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh"
. "$here/targets-lib.sh"
export WINEPREFIX=${MOLVANE_WINEPREFIX:?MOLVANE_WINEPREFIX not set}
molvane_require_prefix "$WINEPREFIX" || exit 1
out=$(mktemp)
trap 'rm -f "$out"' EXIT
"$MOLVANE_WINE" "$@" --gtest_color=no > "$out" 2>&1
rc=$?
cat "$out"
exit $rc
