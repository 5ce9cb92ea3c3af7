#!/usr/bin/env bash
# Sets up the machine, builds both targets and runs every test (CTest, under Wine on Xvfb) for
# every target this machine can run: i686 (shipped) and x86_64 where 32-bit programs run, x86_64
# alone where they cannot (i686 is then built, not run). The targets are decided once, here
# (scripts/targets.sh), and handed down to the build and its prefix step. MOLVANE_ARCH picks
# one target by hand (built and run).
#   scripts/test.sh [ctest arguments...]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
base=${MOLVANE_BUILD:-$here/build}
. "$here/scripts/targets-lib.sh"
"$here/scripts/setup.sh"
molvane_decide_runnable
targets=$(molvane_run_targets) || { echo "[test] nothing to run" >&2; exit 1; }
echo "[test] targets: $targets"

# Names of the tests that failed first and then passed on their retry: faults to find.
retried_tests() {  # ctest-log
  awk '/Test +#[0-9]+: / {
         for (i = 1; i <= NF; i++) if ($i ~ /^#[0-9]+:$/) { name = $(i + 1); break }
         if ($0 ~ /\*\*\*/) failed[name] = 1
         else if ($0 ~ / Passed /) { if (name in failed) print name; delete failed[name] }
       }' "$1"
}

build_target() {  # arch
  MOLVANE_ARCH=$1 MOLVANE_BUILD=$base "$here/scripts/build.sh"
}

run_target() {  # arch ctest-args...
  local arch=$1; shift
  (
    export MOLVANE_ARCH=$arch
    . "$here/scripts/wine-env.sh"
    export WINEPREFIX=$base/$arch/wineprefix
    molvane_require_prefix "$WINEPREFIX"
    # One wine server for the whole run: each test process then starts in about a second.
    wineserver -p
    trap 'wineserver -k 2>/dev/null || true' EXIT
    cd "$base/$arch"
    # A failed test executable is run once more, and named at the end if it then passed: a
    # test that passes only on its retry is a fault to find, never noise.
    local log=$base/$arch/ctest.log status=0
    xvfb-run -a -s "-screen 0 1680x1050x24" \
      ctest -j "$(nproc)" --output-on-failure --repeat until-pass:2 "$@" 2>&1 | tee "$log" || status=$?
    local retried
    retried=$(retried_tests "$log")
    if [ -n "$retried" ]; then
      echo "[test] $arch: passed only on their retry (faults to find): $(echo $retried)" >&2
    fi
    exit $status
  )
}

# The targets that run, then those only built: i686 ships, so it is compiled even where its
# tests cannot run (a whole build takes about 5 minutes on two cores). MOLVANE_BUILD_ALL=0
# leaves such a target out.
builds=$targets
build_all=${MOLVANE_BUILD_ALL:-1}
if [ -z "${MOLVANE_ARCH:-}" ]; then
  for arch in i686 x86_64; do
    molvane_runs "$arch" && continue
    if [ "$build_all" = 1 ]; then
      builds="$builds $arch"
    else
      echo "[test] $arch neither runs nor is built here: MOLVANE_BUILD_ALL=$build_all (1 builds it)"
    fi
  done
fi
failed=()
# One after another: a build beside the tests slows the real-input window tests into faults.
for arch in $builds; do
  echo "[test] == build $arch"
  if ! build_target "$arch"; then
    failed+=("$arch (build)")
  elif [[ " $targets " == *" $arch "* ]]; then
    echo "[test] == $arch"
    run_target "$arch" "$@" || failed+=("$arch")
  else
    echo "[test] == $arch built; its tests do not run on this machine"
  fi
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "[test] failed on: ${failed[*]}" >&2
  exit 1
fi
only_built=${builds#"$targets"}
echo "[test] passed on: $targets${only_built:+ (built, not run:$only_built)}"
