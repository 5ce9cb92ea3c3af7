#!/usr/bin/env python3
"""The demo's peers: the system's server, the exchange and the version server on free
loopback ports, with the canned data of demo_data.json, and an install root pointed at them.

    demo_peers.py --root INSTALL_ROOT [--data demo_data.json] [--signal-interval S]

Writes [SERVER], [EXCHANGE] and [VERSION] of INSTALL_ROOT/User/system.ini, prints
`READY server=P exchange=Q version=R`, then the login to type, and runs until SIGTERM or
SIGINT, when it stops the peers. The server only lets the demo member log in and pushes an
automatic-trading signal now and then for a recommended coin the terminal registered, at the
price the exchange's moving market shows for it.
"""
import argparse
import configparser
import json
import os
import signal
import socket
import sys
import tempfile
import threading

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import peers  # noqa: E402


def control(port, cmd, **fields):
    with socket.create_connection(("127.0.0.1", int(port)), timeout=10) as sock:
        sock.sendall((json.dumps(dict(fields, cmd=cmd)) + "\n").encode())
        reply = b""
        while not reply.endswith(b"\n"):
            chunk = sock.recv(1 << 20)
            if not chunk:
                break
            reply += chunk
    answer = json.loads(reply)
    if not answer.get("ok"):
        raise RuntimeError("%s: %s" % (cmd, answer.get("error")))
    return answer


def point_root_at(root, env):
    """The terminal's endpoints in User\\system.ini (CP949, CRLF), other keys kept."""
    path = os.path.join(root, "User", "system.ini")
    ini = configparser.ConfigParser(interpolation=None)
    ini.optionxform = str
    ini.read(path, encoding="cp949")
    for section, key, value in (
            ("SERVER", "IP", "127.0.0.1"),
            ("SERVER", "PORT", env["MOLVANE_SERVER_PORT"]),
            ("EXCHANGE", "BASEURL", "https://localhost:%s" % env["MOLVANE_EXCHANGE_PORT"]),
            ("VERSION", "SERVER", "127.0.0.1:%s" % env["MOLVANE_VERSION_PORT"])):
        if not ini.has_section(section):
            ini.add_section(section)
        ini[section][key] = value
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="cp949", newline="\r\n") as f:
        ini.write(f, space_around_delimiters=False)


def follow_market(env, stop, interval):
    """The signals' buy prices follow the exchange's closing prices."""
    while True:
        try:
            data = control(env["MOLVANE_EXCHANGE_CONTROL"], "ticker")["data"]
            prices = {coin: int(float(fields["closing_price"])) for coin, fields in data.items()
                      if isinstance(fields, dict) and float(fields.get("closing_price", 0)) >= 1}
            if prices:
                control(env["MOLVANE_SERVER_CONTROL"], "set_demo_prices", prices=prices)
        except (OSError, RuntimeError, ValueError, KeyError) as error:
            print("demo_peers: market not followed: %s" % error, file=sys.stderr, flush=True)
        if stop.wait(interval):
            return


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--root", required=True, help="install root whose User\\system.ini is written")
    ap.add_argument("--data", default=os.path.join(HERE, "demo_data.json"))
    ap.add_argument("--signal-interval", type=float, default=None)
    args = ap.parse_args()
    with open(args.data, encoding="utf-8") as f:
        data = json.load(f)
    interval = args.signal_interval or float(data.get("signal_interval", 20))

    stop = threading.Event()
    for signum in (signal.SIGTERM, signal.SIGINT):
        signal.signal(signum, lambda *_: stop.set())
    env = {}
    procs = []
    with tempfile.TemporaryDirectory(prefix="molvane-demo-") as workdir:
        try:
            procs.append(peers.start("server", workdir, env,
                                     ["--demo-signals", "--signal-interval", str(interval)]))
            procs.append(peers.start("exchange", workdir, env, ["--market"]))
            os.makedirs(os.path.join(workdir, "version-root"), exist_ok=True)
            with open(os.path.join(workdir, "version-root", "version.dat"), "w") as f:
                f.write("version=1.0.0\r\n")
            procs.append(peers.start("version", workdir, env))

            user, keys = data["user"], data["keys"]
            control(env["MOLVANE_SERVER_CONTROL"], "set_login",
                    users={user["id"]: user["password"]})
            control(env["MOLVANE_SERVER_CONTROL"], "set_coins", coins=data["coins"])
            control(env["MOLVANE_SERVER_CONTROL"], "set_scores", scores=data["scores"])
            control(env["MOLVANE_EXCHANGE_CONTROL"], "set_keys", replace=True,
                    keys=[{"api_key": keys["api_key"], "secret": keys["secret"]}])
            point_root_at(args.root, env)

            print("READY server=%s exchange=%s version=%s" % (
                env["MOLVANE_SERVER_PORT"], env["MOLVANE_EXCHANGE_PORT"],
                env["MOLVANE_VERSION_PORT"]), flush=True)
            print("LOGIN %s %s %s %s" % (user["id"], user["password"], keys["api_key"],
                                         keys["secret"]), flush=True)
            threading.Thread(target=follow_market, args=(env, stop, min(5.0, interval)),
                             daemon=True).start()
            while not stop.wait(1.0):
                pass
        finally:
            for p in procs:
                p.terminate()
            for p in procs:
                try:
                    p.wait(timeout=5)
                except Exception:
                    p.kill()
    return 0


if __name__ == "__main__":
    sys.exit(main())
