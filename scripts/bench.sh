#!/usr/bin/env bash
# Builds and runs every benchmark under Wine, each with the local peers around it, and prints
# their figures. Benchmarks gate nothing; run them on an otherwise idle machine.
#   scripts/bench.sh [name-filter]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
. "$here/scripts/targets-lib.sh"
molvane_decide_runnable
# The target: MOLVANE_ARCH, else the first one this machine runs (i686 where it can).
targets=$(molvane_run_targets) || { echo "[bench] nothing to run" >&2; exit 1; }
export MOLVANE_ARCH=${targets%% *}
build=${MOLVANE_BUILD:-$here/build}/$MOLVANE_ARCH
"$here/scripts/build.sh" >/dev/null
. "$here/scripts/wine-env.sh"
export WINEPREFIX=$build/wineprefix MOLVANE_WINEPREFIX=$build/wineprefix
molvane_require_prefix "$WINEPREFIX" || exit 1
export MOLVANE_CERTS=$build/certs MOLVANE_STAGE=$build/stage MOLVANE_TESTROOT=$build/testroot
filter=${1:-}
echo "== target $MOLVANE_ARCH"
for exe in "$build"/testroot/Bin/*_bench.exe; do
  name=$(basename "$exe" .exe)
  [[ -z $filter || $name == *$filter* ]] || continue
  echo "== $name"
  out=$(mktemp)
  xvfb-run -a -s "-screen 0 1680x1050x24" \
    python3 "$here/testbed/peers.py" --peers server,exchange,version -- "$MOLVANE_WINE" "$exe" > "$out" 2>&1 || true
  cat "$out"; rm -f "$out"
done
