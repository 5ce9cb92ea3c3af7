#!/usr/bin/env bash
# Sets up, builds and stages Molvane, starts the local peers (the system's server, the
# exchange and the version server, with the canned data of testbed/demo_data.json) and runs
# the staged terminal against them.
#   scripts/demo.sh [--keep]
# On $DISPLAY the user logs in (the demo prints what to type) and the demo lasts until the
# terminal ends or Ctrl-C. Without a display it runs on a virtual one: it logs in with real
# key presses and clicks, opens the four screens from the menu, saves PNG pictures of the main
# window and each screen into build/screens/, with x_display.png of what the X display shows,
# and stops (--keep: runs on until Ctrl-C).
# Stopping the demo stops everything it started. MOLVANE_DEMO_PREPARED=1: the machine is set
# up and the tree built already, so both steps are left out.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
keep=0
[ "${1:-}" = "--keep" ] && keep=1
prepared=${MOLVANE_DEMO_PREPARED:-0}
[ "$prepared" = 1 ] || "$here/scripts/setup.sh"
. "$here/scripts/targets-lib.sh"
molvane_decide_runnable
# The shipped 32-bit build where this machine runs 32-bit programs, else the 64-bit one.
targets=$(molvane_run_targets) || { echo "[demo] nothing to run" >&2; exit 1; }
MOLVANE_ARCH=${targets%% *}
export MOLVANE_ARCH
[ "$prepared" = 1 ] || "$here/scripts/build.sh"
build=${MOLVANE_BUILD:-$here/build}/$MOLVANE_ARCH
stage=$build/stage
echo "[demo] staged install root ($MOLVANE_ARCH): $stage"
ls "$stage/Bin" | sed 's/^/[demo]   Bin\\/'

if [ ! -f "$stage/Bin/Molvane.exe" ]; then
  echo "[demo] the main program is not built yet: nothing to run beyond the staged tree."
  exit 0
fi

. "$here/scripts/wine-env.sh"
export WINEPREFIX=$build/wineprefix MOLVANE_CERTS=$build/certs
molvane_require_prefix "$WINEPREFIX" || exit 1
shots=${MOLVANE_BUILD:-$here/build}/screens
peers_pid='' xvfb_pid='' molvane_pid=''
cleanup() {
  trap - EXIT INT TERM
  if [ -n "$molvane_pid" ]; then kill "$molvane_pid" 2>/dev/null || true; wait "$molvane_pid" 2>/dev/null || true; fi
  # Wine's own helpers (the desktop, services) go with the prefix's server once the last
  # program ended; tests sharing the prefix would keep it, so the wait is bounded.
  timeout 20 "${WINESERVER:-wineserver}" -w 2>/dev/null || true
  [ -n "$peers_pid" ] && { kill "$peers_pid" 2>/dev/null || true; wait "$peers_pid" 2>/dev/null || true; }
  [ -n "$xvfb_pid" ] && { kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; }
  echo "[demo] stopped"
}
trap cleanup EXIT
trap 'exit 130' INT TERM
case $MOLVANE_ARCH in
  x86_64) WINESERVER=/usr/lib/wine/wineserver64 ;;
  *) WINESERVER=/usr/lib/wine/wineserver32 ;;
esac
[ -x "$WINESERVER" ] || WINESERVER=wineserver

# The peers, and User\system.ini of the staged root pointed at them.
fifo=$(mktemp -u); mkfifo "$fifo"
python3 "$here/testbed/demo_peers.py" --root "$stage" > "$fifo" 2> "$build/demo-peers.log" &
peers_pid=$!
exec 3< "$fifo"; rm -f "$fifo"
read -r -t 30 ready <&3 || { echo "[demo] the peers did not start (see $build/demo-peers.log)" >&2; exit 1; }
read -r -t 5 _ login_id login_password api_key secret_key <&3
echo "[demo] peers: $ready (log: $build/demo-peers.log)"

headless=0
if [ -z "${DISPLAY:-}" ]; then
  headless=1
  displayfd=$(mktemp); exec 4> "$displayfd"
  Xvfb -displayfd 4 -screen 0 1680x1050x24 -nolisten tcp > "$build/demo-xvfb.log" 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 50); do [ -s "$displayfd" ] && break; sleep 0.1; done
  exec 4>&-
  export DISPLAY=:$(head -n1 "$displayfd"); rm -f "$displayfd"
  echo "[demo] virtual display $DISPLAY"
fi

"$MOLVANE_WINE" "$stage/Bin/Molvane.exe" > "$build/demo-molvane.log" 2>&1 &
molvane_pid=$!
cat <<EOF
[demo] the terminal starts; at its login type
[demo]   아이디 (ID)        $login_id
[demo]   비밀번호           $login_password
[demo]   Zembra API KEY     $api_key
[demo]   Zembra SECRET KEY  $secret_key
[demo] then open the screens with the tool bar's buttons 코인주문, 자산현황, 거래내역 and 시그널점수
[demo] (or the caption's second menu button). Signals for the recommended coins come every 20 s.
EOF

if [ $headless = 0 ]; then
  echo "[demo] running on $DISPLAY until the terminal ends (Ctrl-C stops the demo)"
  wait "$molvane_pid" || true
  molvane_pid=''
  exit 0
fi

rm -rf "$shots"; mkdir -p "$shots"
winshots="Z:$(echo "$shots" | tr / '\\')"
set +e +o pipefail
"$MOLVANE_WINE" "$build/testroot/Bin/terminal_driver.exe" --login "$login_id" "$login_password" \
  "$api_key" "$secret_key" --screens 1000,2000,2001,3000 --shots "$winshots" 2>/dev/null |
  tr -d '\r' | sed 's/^/[demo] /'
status=${PIPESTATUS[0]}
set -e -o pipefail
# What reached the X display itself, beside Wine's own pictures (see the script on xwd).
python3 "$here/testbed/x_display_shot.py" "$shots/x_display.png" || true
ls "$shots"/*.png 2>/dev/null | sed 's/^/[demo] picture /' || true
[ $status = 0 ] || echo "[demo] the virtual display's run did not finish (exit $status)" >&2
if [ $keep = 1 ]; then
  echo "[demo] the terminal runs on $DISPLAY until Ctrl-C"
  wait "$molvane_pid" || true
  molvane_pid=''
fi
exit $status
