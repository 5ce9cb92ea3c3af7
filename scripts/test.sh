#!/usr/bin/env bash
# Sets up the machine, then builds and runs every test (CTest, under Wine on Xvfb) for every
# target this machine can run: i686 (shipped) and x86_64 where 32-bit programs run, x86_64
# alone where they cannot (scripts/targets.sh decides). MOLVANE_ARCH picks one by hand.
#   scripts/test.sh [ctest arguments...]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
base=${MOLVANE_BUILD:-$here/build}
"$here/scripts/setup.sh"
if [ -n "${MOLVANE_ARCH:-}" ]; then
  targets=$MOLVANE_ARCH
else
  targets=$("$here/scripts/targets.sh")
fi
[ -n "$targets" ] || { echo "[test] no Wine target runs on this machine" >&2; exit 1; }
echo "[test] targets: $(echo $targets)"

run_target() {  # arch ctest-args...
  local arch=$1; shift
  MOLVANE_ARCH=$arch MOLVANE_BUILD=$base "$here/scripts/build.sh"
  (
    export MOLVANE_ARCH=$arch
    . "$here/scripts/wine-env.sh"
    export WINEPREFIX=$base/$arch/wineprefix
    # One wine server for the whole run: each test process then starts in about a second.
    wineserver -p
    trap 'wineserver -k 2>/dev/null || true' EXIT
    "$MOLVANE_WINE" wineboot >/dev/null 2>&1 || true
    cd "$base/$arch"
    # A failed test executable is run once more, so that a rare timing fault shows as a retry
    # in the log (CTest prints both runs) instead of failing the whole run.
    xvfb-run -a -s "-screen 0 1680x1050x24" \
      ctest -j "$(nproc)" --output-on-failure --repeat until-pass:2 "$@"
  )
}

failed=()
for arch in $targets; do
  echo "[test] == $arch"
  run_target "$arch" "$@" || failed+=("$arch")
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "[test] failed on: ${failed[*]}" >&2
  exit 1
fi
echo "[test] passed on: $(echo $targets)"
