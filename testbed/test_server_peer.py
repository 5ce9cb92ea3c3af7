"""Self-test of the system-server peer, driven with raw sockets.

Frames here are built by hand from the protocol layout, not with the peer's
own helpers, so that a layout fault in the peer shows up."""

import json
import os
import select
import socket
import subprocess
import sys
import time
import unittest

PEER = os.path.join(os.path.dirname(os.path.abspath(__file__)), "server_peer.py")
HOST = "127.0.0.1"


def start_peer(*extra):
    proc = subprocess.Popen([sys.executable, PEER, "--host", HOST, "--port", "0",
                             "--control-port", "0", *extra],
                            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    ready, _, _ = select.select([proc.stdout], [], [], 10)
    if not ready:
        proc.kill()
        raise RuntimeError("peer did not start")
    line = proc.stdout.readline().decode().split()
    assert line[0] == "READY", line
    return proc, dict(item.split("=", 1) for item in line[1:])


class ControlClient:
    def __init__(self, port):
        self.sock = socket.create_connection((HOST, port), timeout=10)
        self.stream = self.sock.makefile("rwb")

    def raw(self, line):
        self.stream.write(line + b"\n")
        self.stream.flush()
        return json.loads(self.stream.readline())

    def __call__(self, cmd, **fields):
        return self.raw(json.dumps(dict(fields, cmd=cmd)).encode())

    def ok(self, cmd, **fields):
        reply = self(cmd, **fields)
        assert reply["ok"], reply
        return reply

    def close(self):
        self.stream.close()
        self.sock.close()


def query_frame(code, body=b"", kind=b"I", window=12345, key=b"", user=b"tester"):
    head = bytearray(b" " * 297)
    head[0:8] = b"%08d" % (297 + len(body))
    head[8:16] = b"%08d" % code
    head[16:17] = kind
    head[26:34] = b"%08d" % 1
    head[50:58] = b"%08d" % window
    head[59] = len(key)
    head[60:60 + len(key)] = key
    head[258:266] = b"QZ".ljust(8)
    head[250:250 + len(user)] = user
    return bytes(head) + body


def registration(code, keys, kind=b"G"):
    return query_frame(code, b",".join(keys), kind=kind, window=777, user=b"")


def coin_key(coin):
    return coin.encode().ljust(12)


class RawClient:
    def __init__(self, port):
        self.sock = socket.create_connection((HOST, port), timeout=5)

    def send(self, frame):
        self.sock.sendall(frame)

    def read_exact(self, n):
        data = b""
        while len(data) < n:
            chunk = self.sock.recv(n - len(data))
            if not chunk:
                raise EOFError("closed after %d of %d bytes" % (len(data), n))
            data += chunk
        return data

    def read_frame(self):
        head = self.read_exact(8)
        return head + self.read_exact(int(head) - 8)

    def quiet_for(self, seconds):
        return not select.select([self.sock], [], [], seconds)[0]

    def closed_by_peer(self):
        try:
            return self.sock.recv(1) == b""
        except ConnectionResetError:
            return True

    def close(self):
        self.sock.close()


class PeerCase(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.proc, cls.ready = start_peer()
        cls.port = int(cls.ready["port"])
        cls.control = ControlClient(int(cls.ready["control"]))

    @classmethod
    def tearDownClass(cls):
        cls.control.ok("shutdown")
        cls.control.close()
        cls.proc.wait(5)
        cls.proc.stdout.close()

    def setUp(self):
        self.control.ok("disconnect")
        self.control.ok("close_second")
        self.control.ok("reset")
        self.clients = []

    def tearDown(self):
        for client in self.clients:
            client.close()

    def client(self, port=None):
        client = RawClient(port or self.port)
        self.clients.append(client)
        return client

    def close_reason(self, conn, timeout=5.0):
        """The recorded close reason of connection `conn`, waiting for it a while."""
        deadline = time.monotonic() + timeout
        while True:
            for record in self.control.ok("requests", kind="close")["requests"]:
                if record["conn"] == conn:
                    return record["reason"]
            if time.monotonic() > deadline:
                return None
            time.sleep(0.02)

    def ask(self, client, code, body=b" ", **kw):
        client.send(query_frame(code, body, **kw))
        frame = client.read_frame()
        return frame[:297], frame[297:]


class QueryPathTest(PeerCase):
    def test_default_replies_echo_header_and_carry_canned_bodies(self):
        def version(body):
            self.assertEqual(body[:10], b"1.0.0     ")
            self.assertEqual(body[10:11], b"N")

        def login(body):
            self.assertGreater(len(body), 68)
            self.assertEqual(body[0:4], b"0000")
            self.assertEqual(body[5:13], b"20991231")
            self.assertEqual(body[22:37].strip(), b"127.0.0.1")

        def coins(body):
            self.assertEqual([body[i:i + 24].strip() for i in range(0, len(body), 24)],
                             [b"BTC", b"ETH", b"XRP"])
            self.assertEqual(len(body), 72)

        def scores(body):
            self.assertEqual(len(body), 12 * 39)
            sums = [sum(int(body[i + o:i + o + 5]) for o in (24, 29, 34))
                    for i in range(0, len(body), 39)]
            self.assertEqual(sums, sorted(sums, reverse=True))
            self.assertTrue(all(0 <= int(body[i + 24:i + 29]) <= 100 for i in range(0, 468, 39)))

        def nonempty(body):
            self.assertGreater(len(body), 0)

        cases = [(100, b"1.2.3     ", version), (1100, b"alice".ljust(20) + b"pw".ljust(20), login),
                 (1110, b" ", coins), (1301, b"    ", scores), (1200, b" tester\0\0\0\0\0", nonempty),
                 (1201, b"alice".ljust(12) + b"0", nonempty)]
        client = self.client()
        for code, request, check in cases:
            with self.subTest(code=code):
                head, body = self.ask(client, code, request, window=4242, key=b"K1")
                self.assertEqual(int(head[0:8]), 297 + len(body))
                self.assertEqual(int(head[8:16]), code)
                self.assertEqual(head[16:17], b"I")
                self.assertEqual(head[50:58], b"00004242")
                self.assertEqual(head[59], 2)
                self.assertEqual(head[60:62], b"K1")
                self.assertEqual(head[250:256], b"tester")
                check(body)

    def test_queries_are_recorded_with_parsed_header(self):
        client = self.client()
        self.ask(client, 1100, b"alice".ljust(20) + b"secret".ljust(20), window=99, key=b"AB")
        record = self.control.ok("wait", kind="query", code=1100)["requests"][0]
        expected = {"type": "I", "window": 99, "conn_no": 1, "key_len": 2, "key": "AB",
                    "user_id": "tester", "site_id": "QZ", "length": 337}
        self.assertEqual({k: record[k] for k in expected}, expected)
        self.assertEqual(bytes.fromhex(record["body_hex"])[:25], b"alice".ljust(20) + b"secre")
        self.assertEqual(record["reply"], 297 + 100)
        kinds = [r["kind"] for r in self.control.ok("requests")["requests"]]
        self.assertEqual(kinds, ["connect", "query"])
        self.control.ok("clear_requests")
        self.assertEqual(self.control.ok("requests")["requests"], [])

    def test_set_reply_body_type_window_silent_and_default(self):
        client = self.client()
        self.control.ok("set_reply", tr=1110, body_hex=b"ZZZ".ljust(24).hex(), type="O", window=7)
        head, body = self.ask(client, 1110)
        self.assertEqual((body, head[16:17], head[50:58]), (b"ZZZ".ljust(24), b"O", b"00000007"))
        self.control.ok("set_reply", tr=1200, silent=True)
        client.send(query_frame(1200, b" "))
        self.assertTrue(client.quiet_for(0.3))
        self.assertIsNone(self.control.ok("wait", kind="query", code=1200)["requests"][0]["reply"])
        self.control.ok("set_reply", tr=1110, default=True)
        self.assertEqual(len(self.ask(client, 1110)[1]), 72)
        self.control.ok("set_reply", tr=4000, body_text="조회")
        self.assertEqual(self.ask(client, 4000)[1], "조회".encode("cp949"))
        self.assertEqual(self.ask(client, 4001)[1], b"")

    def test_structured_setters_shape_bodies(self):
        login = b"bob".ljust(20) + b"pw".ljust(20)
        cases = [
            ("set_version", {"version": "2.0", "update": True}, 100, b" ",
             lambda b: b == b"2.0".ljust(10) + b"Y"),
            ("set_login", {"result": 5, "expire": "20200101", "office": ["A", "B", "C"],
                           "branch": "10.0.0.1"}, 1100, login,
             lambda b: (b[0:4], b[5:13], b[13:22], b[22:37]) ==
             (b"0005", b"20200101", b"A  B  C  ", b"10.0.0.1".ljust(15))),
            ("set_login", {"result": 0, "users": {"bob": "other"}}, 1100, login,
             lambda b: b[0:4] == b"0001"),
            ("set_login", {"users": {"bob": "pw"}}, 1100, login, lambda b: b[0:4] == b"0000"),
            ("set_coins", {"coins": ["EOS", "QTUM"]}, 1110, b" ",
             lambda b: b == b"EOS".ljust(24) + b"QTUM".ljust(24)),
            ("set_scores", {"scores": [["BTC", 1, 2, 3], {"coin": "ETH", "trend": 100,
                                                          "supply": 50, "chart": 0}]}, 1301, b"    ",
             lambda b: b == b"BTC".ljust(24) + b"000010000200003" + b"ETH".ljust(24) + b"001000005000000"),
        ]
        client = self.client()
        for cmd, fields, code, request, check in cases:
            with self.subTest(cmd=cmd, fields=fields):
                self.control.ok(cmd, **fields)
                body = self.ask(client, code, request)[1]
                self.assertTrue(check(body), body)

    def test_control_rejects_bad_commands(self):
        cases = [b"not json", b"[1, 2]", b'{"cmd":"nosuch"}', b'{"cmd":"fault","mode":"nosuch"}',
                 b'{"cmd":"set_reply","tr":1,"body_hex":"zz"}', b'{"cmd":"wait","kind":"x","timeout_ms":50}']
        for line in cases:
            with self.subTest(line=line):
                reply = self.control.raw(line)
                self.assertFalse(reply["ok"])
                self.assertTrue(reply["error"])
        self.assertTrue(self.control.ok("ping")["ok"])

    def test_bad_and_short_client_frames(self):
        client = self.client()
        client.send(b"0000002000001100" + b"abcd")
        self.assertTrue(client.quiet_for(0.2))
        self.assertEqual(self.control.ok("wait", kind="short_frame")["requests"][0]["length"], 20)
        self.assertEqual(len(self.ask(client, 1110)[1]), 72)
        client.send(b"ABCDEFGH00001110I")
        self.assertTrue(client.closed_by_peer())
        bad = self.control.ok("wait", kind="bad_frame")["requests"][0]
        self.assertIn("not a number", bad["error"])


class RealTimeTest(PeerCase):
    def register(self, client, code, keys, kind=b"G"):
        record = "register" if kind == b"G" else "unregister"
        seen = len(self.control.ok("requests", kind=record)["requests"])
        client.send(registration(code, keys, kind))
        self.control.ok("wait", kind=record, count=seen + 1)

    def test_signal_reaches_only_the_registered_connection(self):
        watcher, other = self.client(), self.client()
        self.register(watcher, 100, [coin_key("BTC")])
        reply = self.control.ok("push_signal", coin="BTC", kind="1", signal="B001", date="20240102",
                                time="093000", buy_price=50000000, percent="12.5",
                                target_price=52500000, field97=7)
        self.assertEqual(reply["sent"], 1)
        frame = watcher.read_frame()
        self.assertEqual(len(frame), 33 + 195)
        self.assertEqual((frame[8:16], frame[16:17], frame[18:20], frame[20:32]),
                         (b"00000100", b"R", b"12", b"BTC".ljust(12)))
        body = frame[33:]
        self.assertEqual((body[0:24], body[24:25], body[25:29], body[29:37], body[37:43]),
                         (b"BTC".ljust(24), b"1", b"B001", b"20240102", b"093000"))
        self.assertEqual((body[43:67], body[67:73], body[97:99], body[99:123]),
                         (b"50000000".ljust(24), b"12.5  ", b"7 ", b"52500000".ljust(24)))
        self.assertTrue(other.quiet_for(0.2))

    def test_registrations_are_recorded_and_unregistration_stops_pushes(self):
        client = self.client()
        self.register(client, 100, [coin_key("BTC"), coin_key("ETH")])
        record = self.control.ok("requests", kind="register")["requests"][0]
        self.assertEqual([k["key"] for k in record["keys"]], ["BTC", "ETH"])
        self.assertEqual(record["keys"][0]["raw"], "BTC".ljust(12))
        regs = self.control.ok("connections")["connections"][0]["registrations"]
        self.assertEqual([(r["code"], r["key"]) for r in regs], [(100, "BTC"), (100, "ETH")])
        self.register(client, 100, [coin_key("BTC")], kind=b"F")
        self.assertEqual(self.control.ok("push_signal", coin="BTC")["sent"], 0)
        self.assertEqual(self.control.ok("push_signal", coin="ETH")["sent"], 1)
        self.assertEqual(client.read_frame()[20:32], b"ETH".ljust(12))

    def test_settlement_forced_sell_and_raw_pushes(self):
        client = self.client()
        self.register(client, 200, [coin_key("ALL")])
        self.register(client, 300, [coin_key("ALL")])
        cases = [
            ("push_settlement", {"on": True}, 200, lambda b: len(b) == 26 and b[0:1] == b"1"),
            ("push_settlement", {"new_version": True}, 200,
             lambda b: b[0:1] == b"0" and b[25:26] == b"1"),
            ("push_forced_sell", {"coin": "ETH"}, 300, lambda b: len(b) == 38 and b[:24] == b"ETH".ljust(24)),
            ("push", {"code": 999, "key": "X", "body_hex": "414243", "force": True}, 999,
             lambda b: b == b"ABC"),
            ("push", {"code": 200, "key": "ALL", "body_text": "정산"}, 200, lambda b: b == "정산".encode("cp949")),
        ]
        for cmd, fields, code, check in cases:
            with self.subTest(cmd=cmd, fields=fields):
                self.assertEqual(self.control.ok(cmd, **fields)["sent"], 1)
                frame = client.read_frame()
                self.assertEqual((int(frame[0:8]), int(frame[8:16]), frame[16:17]),
                                 (len(frame), code, b"R"))
                self.assertTrue(check(frame[33:]), frame[33:])
        self.control.ok("push", code=999, key="LONGKEY", conn=99, body_hex="")
        self.control.ok("push", code=999, key="K", key_len=13, force=True, body_hex="")
        self.assertEqual(client.read_frame()[18:21], b"13K")


class FaultTest(PeerCase):
    REPLY_1110 = 297 + 72

    def test_split_writes_arrive_in_chunks(self):
        self.control.ok("fault", mode="split", chunk=50, delay_ms=25)
        client = self.client()
        started = time.monotonic()
        client.send(query_frame(1110, b" "))
        first = client.sock.recv(4096)
        self.assertLessEqual(len(first), 50)
        rest = client.read_exact(self.REPLY_1110 - len(first))
        self.assertEqual(int((first + rest)[0:8]), self.REPLY_1110)
        self.assertGreaterEqual(time.monotonic() - started, 7 * 0.025 * 0.9)

    def test_coalesced_writes_arrive_in_one_read(self):
        self.control.ok("fault", mode="coalesce", count=2, flush_ms=3000)
        client = self.client()
        client.send(query_frame(1110, b" "))
        self.assertTrue(client.quiet_for(0.3))
        client.send(query_frame(100, b" "))
        select.select([client.sock], [], [], 2)
        time.sleep(0.05)
        data = client.sock.recv(65536)
        self.assertEqual(len(data), self.REPLY_1110 + 297 + 11)
        self.assertEqual(int(data[self.REPLY_1110 + 8:self.REPLY_1110 + 16]), 100)

    def test_coalesced_batch_holds_back_its_tail(self):
        self.control.ok("fault", mode="coalesce", count=2, tail_bytes=10, tail_delay_ms=300)
        client = self.client()
        client.send(query_frame(1110, b" ") + query_frame(1110, b" "))
        select.select([client.sock], [], [], 2)
        time.sleep(0.05)
        self.assertEqual(len(client.sock.recv(65536)), 2 * self.REPLY_1110 - 10)
        self.assertEqual(len(client.read_exact(10)), 10)

    def test_malformed_length_faults_then_real_reply(self):
        cases = [("garbage_length", {}, lambda c: c.read_exact(self.REPLY_1110)[:8] == b"ABCDEFGH"),
                 ("garbage_length", {"text": "-0000001"}, lambda c: c.read_exact(self.REPLY_1110)[:8] == b"-0000001"),
                 ("short_length", {}, lambda c: c.read_exact(10) == b"0000001000"),
                 ("short_length", {"length": 3}, lambda c: c.read_exact(8) == b"00000003")]
        for mode, fields, check in cases:
            with self.subTest(mode=mode, fields=fields):
                self.control.ok("fault", mode=mode, gap_ms=50, **fields)
                client = self.client()
                client.send(query_frame(1110, b" "))
                self.assertTrue(check(client))
                self.assertEqual(len(client.read_frame()), self.REPLY_1110)

    def test_oversize_frame(self):
        self.control.ok("fault", mode="oversize")
        client = self.client()
        client.send(query_frame(1110, b" "))
        head = client.read_exact(16)
        self.assertEqual((int(head[:8]), int(head[8:16])), (102401, 1110))
        self.assertEqual(len(client.read_exact(102401 - 16)), 102401 - 16)

    def test_drop_after_frames_and_on_accept(self):
        self.control.ok("fault", mode="drop", after=1)
        client = self.client()
        self.assertEqual(len(self.ask(client, 1110)[1]), 72)
        client.send(query_frame(1200, b" "))
        self.assertTrue(client.closed_by_peer())
        dropped = self.control.ok("requests", code=1200)["requests"][0]
        self.assertTrue(dropped["dropped"])
        # The close of this very connection: a connection of an earlier test may still be
        # recorded closing late on a busy machine.
        self.assertEqual(self.close_reason(dropped["conn"]), "fault drop")
        self.control.ok("fault", mode="drop", on_accept=True, times=1)
        self.assertTrue(self.client().closed_by_peer())
        self.control.ok("fault", mode="none")
        self.assertEqual(len(self.ask(self.client(), 1110)[1]), 72)

    def test_drop_with_reset_and_disconnect_command(self):
        self.control.ok("fault", mode="drop", reset=True)
        client = self.client()
        client.send(query_frame(1110, b" "))
        time.sleep(0.1)
        with self.assertRaises(ConnectionResetError):
            client.sock.recv(1)
        self.control.ok("fault", mode="none")
        first, second = self.client(), self.client()
        self.control.ok("wait", kind="connect", count=3)
        self.assertEqual(self.control.ok("disconnect")["closed"], 2)
        self.assertTrue(first.closed_by_peer() and second.closed_by_peer())

    def test_slow_reply_with_code_filter_and_times(self):
        self.control.ok("fault", mode="slow", delay_ms=400, tr=1110, times=1)
        client = self.client()
        cases = [(100, False), (1110, True), (1110, False)]
        for code, slow in cases:
            with self.subTest(code=code, slow=slow):
                started = time.monotonic()
                self.ask(client, code)
                elapsed = time.monotonic() - started
                self.assertTrue(elapsed >= 0.38 if slow else elapsed < 0.3, elapsed)

    def test_pushes_only_fault_leaves_replies_alone(self):
        self.control.ok("fault", mode="short_length", target="pushes", gap_ms=20)
        client = self.client()
        self.assertEqual(len(self.ask(client, 1110)[1]), 72)
        self.control.ok("push", code=5, key="K", force=True, body_hex="41")
        self.assertEqual(client.read_exact(10), b"0000001000")
        self.assertEqual(client.read_frame()[33:], b"A")


class SecondListenerTest(PeerCase):
    def test_second_listener_is_the_login_branch(self):
        opened = self.control.ok("open_second", host=HOST, port=0)
        self.assertNotEqual(opened["port"], self.port)
        client = self.client(opened["port"])
        login = b"a".ljust(40)
        self.assertEqual(self.ask(client, 1100, login)[1][22:37], HOST.encode().ljust(15))
        self.control.ok("set_login", branch_port=True)
        self.assertEqual(self.ask(client, 1100, login)[1][22:37].strip(),
                         ("%s:%d" % (HOST, opened["port"])).encode())
        conns = self.control.ok("connections")
        self.assertEqual(conns["connections"][0]["listener"], "second")
        self.assertEqual(conns["listeners"]["second"]["port"], opened["port"])
        self.assertEqual(self.control.ok("close_second")["closed"], True)
        with self.assertRaises(OSError):
            socket.create_connection((HOST, opened["port"]), timeout=2).close()


class StandaloneTest(unittest.TestCase):
    def test_demo_signals_second_port_and_sigterm(self):
        proc, ready = start_peer("--second-port", "0", "--demo-signals", "--signal-interval", "0.2")
        try:
            self.assertIn("second", ready)
            client = RawClient(int(ready["second"]))
            client.send(query_frame(1110, b" "))
            coins = client.read_frame()[297:]
            client.send(registration(100, [coins[:24].strip().ljust(12)]))
            kinds = []
            for _ in range(3):
                frame = client.read_frame()
                self.assertEqual((frame[16:17], frame[20:32]), (b"R", b"BTC".ljust(12)))
                kinds.append(frame[33 + 24:33 + 25])
            self.assertEqual(kinds, [b"1", b"0", b"2"])
            client.close()
        finally:
            proc.terminate()
            self.assertEqual(proc.wait(5), 0)
            proc.stdout.close()

    def test_demo_signals_take_the_prices_set(self):
        proc, ready = start_peer("--demo-signals", "--signal-interval", "0.2")
        control = ControlClient(int(ready["control"]))
        try:
            # Only positive prices; a refused set changes nothing.
            for prices in ({"BTC": 0}, {"BTC": -5}, {"BTC": "x"}):
                self.assertFalse(control("set_demo_prices", prices=prices)["ok"], prices)
            reply = control.ok("set_demo_prices", prices={"BTC": 81234567})
            self.assertEqual((reply["prices"]["BTC"], reply["prices"]["ETH"]), (81234567, 3000000))
            client = RawClient(int(ready["port"]))
            client.send(registration(100, [b"BTC".ljust(12)]))
            body = client.read_frame()[33:]
            # Buy price (24 bytes behind coin, kind, signal, date and time), then the target 5% up.
            self.assertEqual(body[43:67].strip(), b"81234567")
            self.assertEqual(body[99:123].strip(), str(int(81234567 * 1.05)).encode())
            client.close()
        finally:
            control.close()
            proc.terminate()
            self.assertEqual(proc.wait(5), 0)
            proc.stdout.close()


if __name__ == "__main__":
    unittest.main()
