#!/usr/bin/env python3
"""Runs a command with test peers around it.

    peers.py --peers server,exchange,version -- COMMAND [ARGS...]

Each named peer starts on free loopback ports; the command sees MOLVANE_<NAME>_PORT and
MOLVANE_<NAME>_CONTROL. The peers stop when the command ends; its exit code is returned.
The exchange peer serves the test certificate from MOLVANE_CERTS.
"""
import argparse
import os
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))


def peer_command(name, workdir):
    script = os.path.join(HERE, f"{name}_peer.py")
    cmd = [sys.executable, script, "--host", "127.0.0.1", "--port", "0", "--control-port", "0"]
    if name in ("exchange", "https"):
        certs = os.environ.get("MOLVANE_CERTS", os.path.join(HERE, "..", "build", "certs"))
        cmd += ["--cert", os.path.join(certs, "localhost.pem"), "--key", os.path.join(certs, "localhost.key")]
    if name == "version":
        root = os.path.join(workdir, "version-root")
        os.makedirs(root, exist_ok=True)
        cmd += ["--root", root]
    return cmd


def start(name, workdir, env, extra=()):
    proc = subprocess.Popen(peer_command(name, workdir) + list(extra), stdout=subprocess.PIPE, text=True)
    line = proc.stdout.readline().strip()
    if not line.startswith("READY"):
        proc.kill()
        raise SystemExit(f"peers.py: {name} peer did not start (said {line!r})")
    fields = dict(kv.split("=", 1) for kv in line.split()[1:] if "=" in kv)
    env[f"MOLVANE_{name.upper()}_PORT"] = fields["port"]
    env[f"MOLVANE_{name.upper()}_CONTROL"] = fields["control"]
    return proc


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--peers", required=True)
    ap.add_argument("command", nargs=argparse.REMAINDER)
    args = ap.parse_args()
    command = args.command[1:] if args.command[:1] == ["--"] else args.command
    env = dict(os.environ)
    procs = []
    with tempfile.TemporaryDirectory(prefix="molvane-peers-") as workdir:
        try:
            for name in filter(None, args.peers.split(",")):
                procs.append(start(name, workdir, env))
            return subprocess.call(command, env=env)
        finally:
            for p in procs:
                p.terminate()
            for p in procs:
                try:
                    p.wait(timeout=5)
                except subprocess.TimeoutExpired:
                    p.kill()


if __name__ == "__main__":
    sys.exit(main())
