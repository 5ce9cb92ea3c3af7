#!/usr/bin/env bash
# Runs the fuzz drivers (fuzz/) under Wine for as long as one likes: every driver through
# inputs 0..N-1 of a seed, in chunks of one process each, several drivers at once. Stops a
# driver at the first input that crashed, hung or broke a rule; that input is saved in the run
# folder and named, with the command that runs it alone again.
#   scripts/fuzz.sh [-n inputs per driver] [-s seed] [-c chunk] [-j parallel drivers] [driver ...]
#   scripts/fuzz.sh -l          lists the drivers
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
. "$here/scripts/targets-lib.sh"
molvane_decide_runnable
# The target: MOLVANE_ARCH, else the first one this machine runs (i686 where it can).
targets=$(molvane_run_targets) || { echo "[fuzz] nothing to run" >&2; exit 1; }
export MOLVANE_ARCH=${targets%% *}
build=${MOLVANE_BUILD:-$here/build}/$MOLVANE_ARCH
inputs=100000 seed=1 chunk=20000 jobs=4 list=0
while getopts "n:s:c:j:l" opt; do
  case $opt in
    n) inputs=$OPTARG ;;
    s) seed=$OPTARG ;;
    c) chunk=$OPTARG ;;
    j) jobs=$OPTARG ;;
    l) list=1 ;;
    *) sed -n '2,9p' "$0"; exit 2 ;;
  esac
done
shift $((OPTIND - 1))
# Every program of the run shares one virtual display.
if [ -z "${MOLVANE_FUZZ_ON_DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1680x1050x24" env MOLVANE_FUZZ_ON_DISPLAY=1 "$0" -n "$inputs" -s "$seed" \
    -c "$chunk" -j "$jobs" $( [ $list = 1 ] && echo -l ) "$@"
fi

"$here/scripts/setup.sh" >/dev/null
"$here/scripts/build.sh" >/dev/null
. "$here/scripts/wine-env.sh"
export WINEPREFIX=$build/wineprefix
molvane_require_prefix "$WINEPREFIX" || exit 1
exe=$build/testroot/Bin/test_fuzz.exe
runs=$build/fuzz-runs
mkdir -p "$runs"
wineserver -p
trap 'wineserver -k 2>/dev/null || true' EXIT

drivers=("$@")
if [ ${#drivers[@]} -eq 0 ] || [ $list = 1 ]; then
  mapfile -t all < <(cd "$runs" && "$MOLVANE_WINE" "$exe" --gtest_list_tests 2>/dev/null | tr -d '\r' |
                     sed -n 's/^  NoInputCrashesHangsOrBreaksARule\/\([a-z_]*\).*/\1/p')
  if [ $list = 1 ]; then printf '%s\n' "${all[@]}"; exit 0; fi
  drivers=("${all[@]}")
fi

# One driver from start to end, a process per chunk; a watchdog in the program ends a hung input,
# and `timeout` stands behind it.
run_driver() {
  local driver=$1 first=0 n rc log
  log="$runs/$driver-seed$seed.log"
  : > "$log"
  while [ "$first" -lt "$inputs" ]; do
    n=$(( inputs - first < chunk ? inputs - first : chunk ))
    set +e
    MOLVANE_FUZZ_SEED=$seed MOLVANE_FUZZ_FIRST=$first MOLVANE_FUZZ_COUNT=$n \
      timeout 7200 "$MOLVANE_WINE" "$exe" --gtest_color=no \
      "--gtest_filter=Drivers/FuzzPass.NoInputCrashesHangsOrBreaksARule/$driver" >> "$log" 2>&1
    rc=$?
    set -e
    if [ $rc -ne 0 ]; then
      echo "$driver: FAILED in inputs #$first..#$((first + n - 1)) (exit $rc), see $log"
      grep '^fuzz:' "$log" | tail -3
      return 1
    fi
    first=$((first + n))
  done
  echo "$driver: $inputs inputs (seed $seed), none crashed, hung or broke a rule"
}
export -f run_driver
export runs seed inputs chunk exe MOLVANE_WINE

cd "$runs"
printf '%s\n' "${drivers[@]}" | xargs -P "$jobs" -I{} bash -c 'run_driver "$@"' _ {}
