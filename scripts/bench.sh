#!/usr/bin/env bash
# Builds and runs every benchmark under Wine, each with the local peers around it, and prints
# their figures. Benchmarks gate nothing; run them on an otherwise idle machine.
#   scripts/bench.sh [name-filter]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${MOLVANE_BUILD:-$here/build}
export MOLVANE_BUILD=$build
"$here/scripts/build.sh" >/dev/null
. "$here/scripts/wine-env.sh"
export WINEPREFIX=$build/wineprefix MOLVANE_WINEPREFIX=$build/wineprefix
export MOLVANE_CERTS=$build/certs MOLVANE_STAGE=$build/stage
filter=${1:-}
for exe in "$build"/stage/Bin/*_bench.exe; do
  name=$(basename "$exe" .exe)
  [[ -z $filter || $name == *$filter* ]] || continue
  echo "== $name"
  out=$(mktemp)
  xvfb-run -a -s "-screen 0 1280x1024x24" \
    python3 "$here/testbed/peers.py" --peers server,exchange,version -- wine "$exe" > "$out" 2>&1 || true
  cat "$out"; rm -f "$out"
done
