#!/usr/bin/env python3
"""Test peer for the system's own server: TCP frames, queries, real-time data.

Run:
  python3 testbed/server_peer.py --host 127.0.0.1 --port P --control-port C
      [--second-host H] [--second-port Q] [--demo-signals] [--signal-interval S]
Prints `READY port=P control=C` (plus `second=Q second_host=H` when a second
listener is open) and serves until SIGTERM/SIGINT or {"cmd":"shutdown"}.

Wire (both directions): [0,8) total length "%08d", [8,16) code "%08d".
Client frames carry the 297-byte query header; type letter at 16:
  'G' registration, 'F' unregistration (body: keys joined by ','); any other
  letter is a query and is answered with the request's header echoed (window
  field, key, user ID, type letter) with length and code rewritten, then the
  canned body of its code. Unknown codes get an empty body.
Real-time frames to the client: 33-byte header, 'R' at 16, key length as two
digits at 18, key blank-filled to 12 bytes at 20, body from 33.

Default canned replies (any ID and password log in):
  100  version "1.0.0" blank-filled to 10 + 'N' (no update)
  1100 result "0000", expiry "20991231", offices "001" x3, branch address
       (second listener's host when open, else --host), padded to 100 bytes
  1110 BTC, ETH, XRP as 24-byte codes
  1200 "0000"       1201 "0000"
  1301 twelve 39-byte score records, best first

Control (newline-delimited JSON on 127.0.0.1:C); every reply has "ok":
  {"cmd":"ping"} | {"cmd":"shutdown"}
  {"cmd":"reset"}            canned data, records and fault back to defaults
  {"cmd":"requests"[,"kind":K][,"code":N]}   records in arrival order
  {"cmd":"clear_requests"}
  {"cmd":"wait","kind":K[,"code":N][,"count":1][,"timeout_ms":5000]}
        waits until `count` matching records exist; ok:false on time-out
      Record kinds: connect, close, query, register, unregister, short_frame,
      bad_frame. Query records hold length, code, type, conn_no, window,
      key_len, key, user_id, site_id, user_site_field, header_hex, body_hex,
      body_text (latin-1) and "reply" (length sent, or null when silent);
      register/unregister records add "keys" [{"raw","key"}].
      Every record has seq, time, conn (connection id), listener (main/second).
  {"cmd":"connections"}       open and closed connections, registrations
  {"cmd":"set_reply","tr":N[,"body_hex":H | "body_text":T (CP949)]
        [,"silent":true][,"type":"I"][,"window":W][,"default":true]}
        canned body of code N; silent never answers; type/window override the
        echoed header fields; default drops every override of N
  {"cmd":"set_version","version":"1.0.0","update":false}
  {"cmd":"set_login"[,"result":0][,"expire":"20991231"][,"office":[a,b,c]]
        [,"branch":"1.2.3.4"][,"branch_port":false][,"pad_to":100]
        [,"users":{"id":"pw"}][,"fail_result":1]}
        with users, only those ID/password pairs get `result`, others
        `fail_result`; branch_port writes "host:port" of the branch listener
  {"cmd":"set_coins","coins":["BTC","ETH","XRP"]}
  {"cmd":"set_demo_prices","prices":{"BTC":50000000,...}}   buy prices of the demo
        signals (--demo-signals) per coin; the others keep theirs, so the demo's
        signals can follow the exchange peer's market
  {"cmd":"set_scores","scores":[["BTC",trend,supply,chart],...]}
  {"cmd":"push","code":C,"key":"BTC"(,"body_hex":H | "body_text":T)
        [,"force":false][,"conn":id][,"key_len":n][,"pad":true]}
        goes to connections that registered (C, key) (keys compared trimmed;
        the key is sent as that connection registered it); force sends to all,
        conn to one; reply has "sent" (number of connections)
  {"cmd":"push_signal","coin":"BTC"[,"kind":"1"][,"signal":"B001"]
        [,"date":"YYYYMMDD"][,"time":"hhmmss"][,"buy_price":0][,"percent":"10"]
        [,"target_price":0][,"field73":0][,"field97":0][,"field123":0]
        [,"field147":0][,"field171":0]}          code 100, key = coin
  {"cmd":"push_settlement"[,"on":false][,"new_version":false]}  code 200, "ALL"
  {"cmd":"push_forced_sell","coin":"BTC"}                   code 300, "ALL"
        (the structured pushes take force/conn like push)
  {"cmd":"disconnect"[,"conn":id][,"reset":false]}   close client connections now
  {"cmd":"open_second"[,"host":H][,"port":Q]}  second listener; without a port
        it takes the main port when H differs from --host (the client reconnects
        to the branch address with its stored port), else a free port
  {"cmd":"close_second"}
  {"cmd":"fault","mode":M, ...} / {"cmd":"fault","mode":"none"}
      Common: "tr": N or [N..] only frames of these codes; "target":
      all|replies|pushes; "times": N applications, then the fault stops.
      split          chunk (7), delay_ms (20): every frame in small writes
      coalesce       count (2), flush_ms (300), tail_bytes (0), tail_delay_ms
                     (100): frames held and written together in one send;
                     tail_bytes of the batch follow after tail_delay_ms
      oversize       size (102401), resend (false): a frame of `size` bytes
                     whose length field says so, instead of the reply
      garbage_length text ("ABCDEFGH"), gap_ms (200), resend (true): the frame
                     with its length field replaced, then the real frame
      short_length   length (10), gap_ms, resend (true): a `length`-byte frame
                     (length field included), then the real frame
      drop           after (0), on_accept (false), reset (false): a connection
                     is closed, unanswered, on its (after+1)th received frame
                     (of the tr codes); on_accept closes new connections at once
      slow           delay_ms (1000): every frame sent that much later
"""

import argparse
import json
import logging
import signal
import socket
import sys
import threading
import time

import server_peer_wire as wire
from server_peer_link import Connection, Fault

log = logging.getLogger("server_peer")

DEMO_PRICES = {"BTC": 50000000, "ETH": 3000000, "XRP": 700, "BCH": 400000,
               "LTC": 100000, "EOS": 5000}
DEMO_SEQUENCE = (("1", "B001"), ("0", "U001"), ("2", "S001"))


class ServerPeer:
    def __init__(self, host, control_host="127.0.0.1"):
        self.host = host
        self.control_host = control_host
        self.lock = threading.RLock()
        self.changed = threading.Condition(self.lock)
        self.stop = threading.Event()
        self.connections = {}
        self.next_conn = 1
        self.listeners = {}
        self.main_port = 0
        self._defaults()
        self.records = []
        self.next_seq = 1

    def _defaults(self):
        self.fault = Fault()
        self.overrides = {}
        self.version = {"version": "1.0.0", "update": False}
        self.login = {"result": 0, "expire": "20991231", "office": ["001", "001", "001"],
                      "branch": None, "branch_port": False, "pad_to": 100,
                      "users": None, "fail_result": 1}
        self.coins = ["BTC", "ETH", "XRP"]
        self.scores = wire.default_scores()
        self.demo_state = {}
        self.demo_prices = dict(DEMO_PRICES)

    # ---- listeners ------------------------------------------------------

    def listen(self, name, host, port):
        sock = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
        sock.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
        sock.bind((host, port))
        sock.listen(16)
        with self.lock:
            self.listeners[name] = (sock, host, sock.getsockname()[1])
        threading.Thread(target=self._accept_loop, args=(name, sock),
                         name="accept-" + name, daemon=True).start()
        log.info("%s listener on %s:%d", name, host, sock.getsockname()[1])
        return sock.getsockname()[1]

    def close_listener(self, name):
        with self.lock:
            entry = self.listeners.pop(name, None)
        if entry:
            try:
                entry[0].shutdown(socket.SHUT_RDWR)
            except OSError:
                pass
            entry[0].close()
        return entry is not None

    def open_second(self, host=None, port=None):
        host = host or self.host
        if port is None:
            port = self.main_port if host != self.host else 0
        self.close_listener("second")
        return self.listen("second", host, int(port))

    def _accept_loop(self, name, sock):
        while not self.stop.is_set():
            try:
                client, _ = sock.accept()
            except OSError:
                return
            try:
                address = "%s:%d" % client.getpeername()[:2]
            except OSError:
                client.close()
                continue
            with self.lock:
                conn = Connection(self, self.next_conn, client, name, address)
                self.next_conn += 1
                self.connections[conn.id] = conn
                self._record(conn, {"kind": "connect", "address": conn.address})
            if self.fault.drops_on_accept():
                conn.close("fault drop on accept", bool(self.fault.params.get("reset")))
                continue
            conn.start()

    # ---- records --------------------------------------------------------

    def _record(self, conn, entry):
        with self.lock:
            entry.update(seq=self.next_seq, time=round(time.time(), 3),
                         conn=conn.id if conn else None,
                         listener=conn.listener if conn else None)
            self.next_seq += 1
            self.records.append(entry)
            self.changed.notify_all()
        return entry

    def matching(self, kind=None, code=None):
        with self.lock:
            return [dict(r) for r in self.records
                    if (kind is None or r.get("kind") == kind)
                    and (code is None or r.get("code") == code)]

    # ---- frames from clients --------------------------------------------

    def on_bad_frame(self, conn, error, head):
        log.warning("conn %d: bad frame: %s", conn.id, error)
        self._record(conn, {"kind": "bad_frame", "error": error, "raw_hex": head.hex()})

    def on_closed(self, conn, reason):
        log.info("conn %d closed: %s", conn.id, reason)
        self._record(conn, {"kind": "close", "reason": reason})

    def on_frame(self, conn, frame):
        code = wire.parse_decimal(frame[8:16]) or 0
        if self.fault.take_drop(conn.id, code):
            fields = wire.parse_query(frame)
            self._record(conn, dict(fields, kind="query", raw_hex=frame.hex(), reply=None,
                                    dropped=True))
            conn.close("fault drop", bool(self.fault.params.get("reset")))
            return
        if len(frame) < wire.QUERY_HEADER_LEN:
            self._record(conn, {"kind": "short_frame", "code": code, "length": len(frame),
                                "raw_hex": frame.hex()})
            return
        fields = wire.parse_query(frame)
        kind = {"G": "register", "F": "unregister"}.get(fields["type"], "query")
        if kind != "query":
            keys = wire.registration_keys(frame[wire.QUERY_HEADER_LEN:])
            (conn.register if kind == "register" else conn.unregister)(code, keys)
            self._record(conn, dict(fields, kind=kind, keys=keys))
            return
        if code == wire.TR_LOGIN:
            conn.login_id = wire.trimmed(frame[297:317])
        reply = self.build_reply(code, frame, fields)
        self._record(conn, dict(fields, kind="query", raw_hex=frame.hex(),
                                reply=len(reply) if reply is not None else None))
        if reply is not None:
            conn.send_frame(reply, code, "replies")

    def build_reply(self, code, frame, fields):
        with self.lock:
            override = dict(self.overrides.get(code, {}))
            if override.get("silent"):
                return None
            body = override["body"] if "body" in override else self.canned_body(code, frame)
        return wire.build_reply(frame[:wire.QUERY_HEADER_LEN], code, body,
                                override.get("type"), override.get("window"))

    def canned_body(self, code, frame):
        body = frame[wire.QUERY_HEADER_LEN:]
        if code == wire.TR_VERSION:
            return wire.version_body(self.version["version"], self.version["update"])
        if code == wire.TR_LOGIN:
            return self.login_body(wire.trimmed(body[0:20]), wire.trimmed(body[20:40]))
        if code == wire.TR_RECOMMENDED_COINS:
            return wire.coins_body(self.coins)
        if code == wire.TR_SIGNAL_SCORE:
            return wire.scores_body(self.scores)
        if code == wire.TR_POLL:
            return wire.poll_body()
        if code == wire.TR_SESSION:
            return wire.session_body()
        return b""

    def login_body(self, user, password):
        cfg = self.login
        result = cfg["result"]
        if cfg["users"] is not None and cfg["users"].get(user) != password:
            result = cfg["fail_result"]
        branch = cfg["branch"]
        if branch is None:
            name = "second" if "second" in self.listeners else "main"
            _, host, port = self.listeners.get(name, (None, self.host, self.main_port))
            branch = "%s:%d" % (host, port) if cfg["branch_port"] else host
        return wire.login_body(result, cfg["expire"], cfg["office"], branch, cfg["pad_to"])

    # ---- pushes ---------------------------------------------------------

    def push(self, code, key, body, force=False, conn_id=None, key_len=None, pad=True):
        """Send a real-time frame; returns the number of connections."""
        name = key.strip(" ").rstrip("\0").strip(" ")
        with self.lock:
            conns = [c for c in self.connections.values() if not c.closed.is_set()]
        sent = 0
        for conn in conns:
            if conn_id is not None and conn.id != conn_id:
                continue
            raw = conn.registered_key(code, name)
            if raw is None and not force and conn_id is None:
                continue
            if not pad:
                key_bytes = key.encode("latin-1")
            elif raw is not None:
                key_bytes = raw.encode("latin-1")[:wire.REAL_KEY_WIDTH]
            else:
                key_bytes = wire.real_key(name)
            conn.send_frame(wire.build_real(code, key_bytes, body, key_len), code, "pushes")
            sent += 1
        return sent

    def demo_signal_loop(self, interval):
        """Every `interval` seconds one signal for the next recommended coin
        that a client registered: buy, then target update, then sell."""
        turn = 0
        while not self.stop.wait(interval):
            with self.lock:
                coins = list(self.coins)
                conns = [c for c in self.connections.values() if not c.closed.is_set()]
            wanted = [coin for coin in coins
                      if any(c.registered_key(wire.RT_SIGNAL, coin) for c in conns)]
            if not wanted:
                continue
            coin = wanted[turn % len(wanted)]
            turn += 1
            step = self.demo_state.get(coin, 0)
            self.demo_state[coin] = (step + 1) % len(DEMO_SEQUENCE)
            kind, code = DEMO_SEQUENCE[step]
            with self.lock:
                price = self.demo_prices.get(coin, 10000)
            body = wire.signal_body(coin, kind, code, buy_price=price, percent="10",
                                    target_price=int(price * 1.05))
            log.info("demo signal %s kind %s to %d connection(s)", coin, kind,
                     self.push(wire.RT_SIGNAL, coin, body))

    # ---- shutdown -------------------------------------------------------

    def shutdown(self):
        self.stop.set()
        for name in list(self.listeners):
            self.close_listener(name)
        with self.lock:
            conns = list(self.connections.values())
        for conn in conns:
            conn.close("shutdown")


def body_of(cmd):
    if "body_hex" in cmd:
        return bytes.fromhex(cmd["body_hex"])
    if "body_text" in cmd:
        return cmd["body_text"].encode("cp949")
    return None


class Control:
    """Newline-delimited JSON commands; one reply line per command."""

    def __init__(self, peer):
        self.peer = peer

    def serve(self, sock):
        while not self.peer.stop.is_set():
            try:
                client, _ = sock.accept()
            except OSError:
                return
            threading.Thread(target=self._session, args=(client,), daemon=True).start()

    def _session(self, client):
        with client, client.makefile("rwb") as stream:
            for line in stream:
                if not line.strip():
                    continue
                cmd = None
                try:
                    cmd = json.loads(line.decode("utf-8"))
                    if not isinstance(cmd, dict):
                        raise ValueError("a command is a JSON object")
                    reply = self.handle(cmd)
                except Exception as error:  # every failure becomes an error reply
                    reply = {"ok": False, "error": "%s: %s" % (type(error).__name__, error)}
                try:
                    stream.write(json.dumps(reply).encode("utf-8") + b"\n")
                    stream.flush()
                except OSError:
                    return
                if isinstance(cmd, dict) and cmd.get("cmd") == "shutdown":
                    self.peer.stop.set()
                    return

    def handle(self, cmd):
        name = cmd.get("cmd")
        handler = getattr(self, "cmd_" + str(name), None)
        if handler is None:
            return {"ok": False, "error": "unknown command %r" % name}
        result = handler(cmd)
        return dict({"ok": True}, **(result or {}))

    def cmd_ping(self, cmd):
        return {"peer": "server"}

    def cmd_shutdown(self, cmd):
        return {}

    def cmd_reset(self, cmd):
        with self.peer.lock:
            self.peer._defaults()
            self.peer.records = []

    def cmd_requests(self, cmd):
        return {"requests": self.peer.matching(cmd.get("kind"), cmd.get("code"))}

    def cmd_clear_requests(self, cmd):
        with self.peer.lock:
            self.peer.records = []

    def cmd_wait(self, cmd):
        count = int(cmd.get("count", 1))
        deadline = time.monotonic() + min(float(cmd.get("timeout_ms", 5000)), 60000) / 1000.0
        with self.peer.changed:
            while True:
                found = self.peer.matching(cmd.get("kind"), cmd.get("code"))
                left = deadline - time.monotonic()
                if len(found) >= count or left <= 0:
                    break
                self.peer.changed.wait(left)
        if len(found) < count:
            raise TimeoutError("%d of %d matching records" % (len(found), count))
        return {"requests": found}

    def cmd_connections(self, cmd):
        with self.peer.lock:
            conns = list(self.peer.connections.values())
            listeners = {name: {"host": host, "port": port}
                         for name, (_, host, port) in self.peer.listeners.items()}
        return {"connections": [c.describe() for c in conns], "listeners": listeners}

    def cmd_set_reply(self, cmd):
        code = int(cmd["tr"])
        with self.peer.lock:
            if cmd.get("default"):
                self.peer.overrides.pop(code, None)
                return {}
            entry = self.peer.overrides.setdefault(code, {})
            body = body_of(cmd)
            if body is not None:
                entry["body"] = body
            for field in ("silent", "type", "window"):
                if field in cmd:
                    entry[field] = cmd[field]

    def cmd_set_version(self, cmd):
        with self.peer.lock:
            self.peer.overrides.pop(wire.TR_VERSION, None)
            self.peer.version.update({k: cmd[k] for k in ("version", "update") if k in cmd})

    def cmd_set_login(self, cmd):
        fields = ("result", "expire", "office", "branch", "branch_port", "pad_to",
                  "users", "fail_result")
        with self.peer.lock:
            self.peer.overrides.pop(wire.TR_LOGIN, None)
            self.peer.login.update({k: cmd[k] for k in fields if k in cmd})

    def cmd_set_coins(self, cmd):
        coins = [str(coin) for coin in cmd["coins"]]
        with self.peer.lock:
            self.peer.overrides.pop(wire.TR_RECOMMENDED_COINS, None)
            self.peer.coins = coins

    def cmd_set_demo_prices(self, cmd):
        prices = {str(coin): int(price) for coin, price in cmd["prices"].items()}
        if any(price <= 0 for price in prices.values()):
            raise ValueError("prices must be positive")
        with self.peer.lock:
            self.peer.demo_prices.update(prices)
        return {"prices": dict(self.peer.demo_prices)}

    def cmd_set_scores(self, cmd):
        rows = []
        for row in cmd["scores"]:
            if isinstance(row, dict):
                row = [row["coin"], row["trend"], row["supply"], row["chart"]]
            rows.append((str(row[0]), int(row[1]), int(row[2]), int(row[3])))
        with self.peer.lock:
            self.peer.overrides.pop(wire.TR_SIGNAL_SCORE, None)
            self.peer.scores = rows

    def _push(self, cmd, code, key, body):
        sent = self.peer.push(code, key, body, bool(cmd.get("force")), cmd.get("conn"),
                              cmd.get("key_len"), cmd.get("pad", True))
        return {"sent": sent}

    def cmd_push(self, cmd):
        return self._push(cmd, int(cmd["code"]), str(cmd.get("key", "")), body_of(cmd) or b"")

    def cmd_push_signal(self, cmd):
        names = ("kind", "signal", "date", "buy_price", "percent", "field73", "field97",
                 "target_price", "field123", "field147", "field171")
        args = {k: cmd[k] for k in names if k in cmd}
        if "time" in cmd:
            args["time_of_day"] = cmd["time"]
        return self._push(cmd, wire.RT_SIGNAL, cmd["coin"], wire.signal_body(cmd["coin"], **args))

    def cmd_push_settlement(self, cmd):
        body = wire.settlement_body(bool(cmd.get("on")), bool(cmd.get("new_version")))
        return self._push(cmd, wire.RT_SETTLEMENT, "ALL", body)

    def cmd_push_forced_sell(self, cmd):
        return self._push(cmd, wire.RT_FORCED_SELL, "ALL", wire.forced_sell_body(cmd["coin"]))

    def cmd_disconnect(self, cmd):
        with self.peer.lock:
            conns = [c for c in self.peer.connections.values() if not c.closed.is_set()
                     and cmd.get("conn") in (None, c.id)]
        for conn in conns:
            conn.close("disconnect command", bool(cmd.get("reset")))
        return {"closed": len(conns)}

    def cmd_open_second(self, cmd):
        port = self.peer.open_second(cmd.get("host"), cmd.get("port"))
        return {"port": port, "host": self.peer.listeners["second"][1]}

    def cmd_close_second(self, cmd):
        return {"closed": self.peer.close_listener("second")}

    def cmd_fault(self, cmd):
        params = {k: v for k, v in cmd.items() if k not in ("cmd", "mode")}
        fault = Fault(cmd.get("mode", "none"), params)
        self.peer.fault = fault
        return {"fault": fault.describe()}


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--host", default="127.0.0.1")
    parser.add_argument("--port", type=int, default=0)
    parser.add_argument("--control-port", type=int, default=0)
    parser.add_argument("--second-host", default=None)
    parser.add_argument("--second-port", type=int, default=None)
    parser.add_argument("--demo-signals", action="store_true",
                        help="push a signal for a registered recommended coin now and then")
    parser.add_argument("--signal-interval", type=float, default=15.0)
    args = parser.parse_args(argv)
    logging.basicConfig(stream=sys.stderr, level=logging.INFO,
                        format="server_peer %(levelname)s %(message)s")

    peer = ServerPeer(args.host)
    peer.main_port = peer.listen("main", args.host, args.port)
    control_sock = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    control_sock.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
    control_sock.bind(("127.0.0.1", args.control_port))
    control_sock.listen(8)
    threading.Thread(target=Control(peer).serve, args=(control_sock,), daemon=True).start()
    ready = "READY port=%d control=%d" % (peer.main_port, control_sock.getsockname()[1])
    if args.second_host is not None or args.second_port is not None:
        port = peer.open_second(args.second_host, args.second_port)
        ready += " second=%d second_host=%s" % (port, peer.listeners["second"][1])
    if args.demo_signals:
        threading.Thread(target=peer.demo_signal_loop, args=(max(0.05, args.signal_interval),),
                         daemon=True).start()

    for signum in (signal.SIGTERM, signal.SIGINT):
        signal.signal(signum, lambda *_: peer.stop.set())
    print(ready, flush=True)
    while not peer.stop.wait(1.0):
        pass
    control_sock.close()
    peer.shutdown()
    log.info("stopped")
    return 0


if __name__ == "__main__":
    sys.exit(main())
