#!/usr/bin/env bash
# Sets up, builds and stages Molvane, starts the local peers (the system's server, the
# exchange and the version server) and runs the terminal against them.
# Uses $DISPLAY when there is one, otherwise a virtual display.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/setup.sh"
# The shipped 32-bit build where this machine runs 32-bit programs, else the 64-bit one.
if [ -z "${MOLVANE_ARCH:-}" ]; then
  MOLVANE_ARCH=$("$here/scripts/targets.sh" | head -n1)
  [ -n "$MOLVANE_ARCH" ] || { echo "[demo] no Wine target runs on this machine" >&2; exit 1; }
fi
export MOLVANE_ARCH
"$here/scripts/build.sh"
build=${MOLVANE_BUILD:-$here/build}/$MOLVANE_ARCH
stage=$build/stage
echo "[demo] staged install root ($MOLVANE_ARCH): $stage"
ls "$stage/Bin" | sed 's/^/[demo]   Bin\\/'

if [ ! -f "$stage/Bin/Molvane.exe" ]; then
  echo "[demo] the main program is not built yet: nothing to run beyond the staged tree."
  exit 0
fi

. "$here/scripts/wine-env.sh"
export WINEPREFIX=$build/wineprefix
pids=()
cleanup() { for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done; }
trap cleanup EXIT
start_peer() {  # name port extra-args...
  local name=$1 port=$2; shift 2
  python3 "$here/testbed/${name}_peer.py" --host 127.0.0.1 --port "$port" --control-port 0 "$@" \
    > "$build/demo-$name.ready" 2> "$build/demo-$name.log" &
  pids+=($!)
}
[ -f "$here/testbed/server_peer.py" ] && start_peer server 9100 --demo-signals
[ -f "$here/testbed/exchange_peer.py" ] && start_peer exchange 9443 --market \
  --cert "$build/certs/localhost.pem" --key "$build/certs/localhost.key"
sleep 1
# Point the terminal at the peers (README, Endpoints).
python3 - "$stage/User/system.ini" <<'PY'
import configparser, sys
ini = configparser.ConfigParser(interpolation=None)
ini.optionxform = str
ini.read(sys.argv[1], encoding="cp949")
for section, key, value in (("SERVER", "IP", "127.0.0.1"), ("SERVER", "PORT", "9100"),
                            ("EXCHANGE", "BASEURL", "https://localhost:9443")):
    if not ini.has_section(section):
        ini.add_section(section)
    ini[section][key] = value
with open(sys.argv[1], "w", encoding="cp949", newline="\r\n") as f:
    ini.write(f, space_around_delimiters=False)
PY
run() { "$MOLVANE_WINE" "$stage/Bin/Molvane.exe"; }
if [ -n "${DISPLAY:-}" ]; then run; else xvfb-run -a -s "-screen 0 1280x1024x24" bash -c "$(declare -f run); stage='$stage'; run"; fi
