"""Drives the version server peer with a raw socket client: list, files, controls, faults."""

import base64
import io
import json
import os
import socket
import subprocess
import sys
import tempfile
import time
import unittest
import zipfile

PEER = os.path.join(os.path.dirname(os.path.abspath(__file__)), "version_peer.py")
MAX_FRAME = 102_697
VERSION_DAT = "version=1.0.3\r\nBin,main,TradePanel.dll.zip,1.0.3,\r\nImages@skin,art,logo.bmp,2,\r\n".encode()


def request(code, folder="", field2="", name="", reserved=b"\0" * 8):
    def field(text):
        return text.encode("cp949")[:40].ljust(40, b" ")
    return b"%08d%08dx " % (146, code) + field(folder) + field(field2) + field(name) + reserved


def list_request():
    return request(1, name="version.dat", reserved=b" " * 8)


class RawClient:
    """The updater's side of the link, without its reassembly rules."""

    def __init__(self, port):
        self.sock = socket.create_connection(("127.0.0.1", port), timeout=5)
        self.buf = b""

    def close(self):
        self.sock.close()

    def fill(self, n):
        while len(self.buf) < n:
            part = self.sock.recv(65536)
            if not part:
                raise EOFError("closed after %d bytes" % len(self.buf))
            self.buf += part

    def frame(self):
        self.fill(18)
        length = int(self.buf[:8])
        self.fill(length)
        raw, self.buf = self.buf[:length], self.buf[length:]
        return raw

    def reply(self):
        """(content, frames) of one reply; frames are the raw reply frames."""
        frames = []
        while True:
            raw = self.frame()
            frames.append(raw)
            if raw[17:18] != b"M":
                return b"".join(f[18:] for f in frames if f[17:18] == b"M"), frames

    def fetch(self, req):
        self.sock.sendall(req)
        return self.reply()

    def drain(self):
        """Every byte until the peer closes; (bytes, reset) where reset tells an RST ended it."""
        data = self.buf
        try:
            while True:
                part = self.sock.recv(65536)
                if not part:
                    return data, False
                data += part
        except ConnectionResetError:
            return data, True

    def closed_within(self, seconds):
        """True when the peer ends the connection within `seconds` (nothing else arriving)."""
        self.sock.settimeout(seconds)
        try:
            return self.sock.recv(65536) == b""
        except socket.timeout:
            return False
        except ConnectionResetError:
            return True


class VersionPeerTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.tmp = tempfile.TemporaryDirectory()
        root = cls.root = cls.tmp.name
        os.makedirs(os.path.join(root, "Bin"))
        os.makedirs(os.path.join(root, "Images", "skin"))
        with open(os.path.join(root, "version.dat"), "wb") as f:
            f.write(VERSION_DAT)
        cls.dll_zip = bytes((i * 7) % 256 for i in range(20_000))
        with open(os.path.join(root, "Bin", "TradePanel.dll.zip"), "wb") as f:
            f.write(cls.dll_zip)
        with open(os.path.join(root, "Images", "skin", "logo.bmp"), "wb") as f:
            f.write(b"BMlogo")
        with open(os.path.join(root, "User@flat.ini"), "wb") as f:
            f.write(b"[flat]")
        cls.proc = subprocess.Popen(
            [sys.executable, PEER, "--port", "0", "--control-port", "0", "--root", root],
            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        cls.ready = cls.proc.stdout.readline().split()
        fields = dict(kv.split("=", 1) for kv in cls.ready[1:])
        cls.port, cls.control_port = int(fields["port"]), int(fields["control"])
        cls.ctl = socket.create_connection(("127.0.0.1", cls.control_port), timeout=10)
        cls.ctl_file = cls.ctl.makefile("rwb")

    @classmethod
    def tearDownClass(cls):
        cls.control({"cmd": "shutdown"})
        cls.ctl.close()
        cls.proc.wait(timeout=5)
        cls.proc.stdout.close()
        cls.tmp.cleanup()

    @classmethod
    def control(cls, msg):
        cls.ctl_file.write(json.dumps(msg).encode() + b"\n")
        cls.ctl_file.flush()
        return json.loads(cls.ctl_file.readline())

    def ok(self, msg):
        reply = self.control(msg)
        self.assertTrue(reply["ok"], reply)
        return reply

    def setUp(self):
        self.ok({"cmd": "reset"})
        self.client = RawClient(self.port)

    def tearDown(self):
        self.client.close()

    def requests(self):
        return self.ok({"cmd": "requests"})["requests"]

    def wait_for(self, predicate, seconds=3.0):
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            if predicate():
                return True
            time.sleep(0.05)
        return False

    # --- main paths -------------------------------------------------------------------------

    def test_ready_line(self):
        self.assertEqual(self.ready[0], "READY")
        self.assertTrue(self.port > 0 and self.control_port > 0)

    def test_list_reply_frames_and_request_record(self):
        content, frames = self.client.fetch(list_request())
        self.assertEqual(content, VERSION_DAT)
        self.assertEqual([f[17:18] for f in frames], [b"M", b"L"])
        for f in frames:
            self.assertEqual(int(f[:8]), len(f))
            self.assertEqual(f[8:17], b"00000001x")
        self.assertEqual(frames[-1], b"00000018" b"00000001" b"xL")
        rec, = self.requests()
        self.assertEqual((rec["code"], rec["length"], rec["marker"], rec["status"]), (1, 146, "x", " "))
        self.assertEqual((rec["folder"], rec["field2"], rec["name"]), ("", "", "version.dat"))
        self.assertEqual(rec["reserved_hex"], "20" * 8)
        self.assertEqual(bytes.fromhex(rec["raw_hex"]), list_request())
        self.assertEqual(rec["reply"]["status"], "served")
        self.assertNotIn("error", rec)

    def test_multi_frame_file(self):
        self.ok({"cmd": "set_chunk", "size": 6000})
        content, frames = self.client.fetch(request(2, "Bin", "main", "TradePanel.dll.zip"))
        self.assertEqual(content, self.dll_zip)
        self.assertEqual([len(f) - 18 for f in frames], [6000, 6000, 6000, 2000, 0])
        self.assertTrue(all(f[8:17] == b"00000002x" for f in frames))
        rec, = self.requests()
        self.assertEqual((rec["folder"], rec["field2"], rec["name"]), ("Bin", "main", "TradePanel.dll.zip"))
        self.assertEqual(rec["reply"]["frames"], 5)

    def test_file_lookup_table(self):
        cases = [  # folder, name, expected content (None: error frame)
            ("Images@skin", "logo.bmp", b"BMlogo"),
            ("Images/skin", "logo.bmp", b"BMlogo"),
            ("images\\SKIN", "LOGO.BMP", b"BMlogo"),
            ("User", "flat.ini", b"[flat]"),
            ("", "version.dat", VERSION_DAT),
            ("Bin", "missing.dll", None),
            ("..", "version.dat", None),
            ("Bin@..@..", "etc", None),
            ("C:", "version.dat", None),
            ("Bin", "", None),
        ]
        for folder, name, expected in cases:
            with self.subTest(folder=folder, name=name):
                content, frames = self.client.fetch(request(2, folder, "", name))
                if expected is None:
                    self.assertEqual(frames, [b"00000018" b"00000002" b"x "])
                else:
                    self.assertEqual(content, expected)

    def test_korean_field_round_trip(self):
        self.ok({"cmd": "set_file", "folder": "Bin", "name": "설정.ini", "text": "값=1"})
        content, _ = self.client.fetch(request(2, "Bin", "", "설정.ini"))
        self.assertEqual(content, "값=1".encode("cp949"))
        self.assertEqual(self.requests()[0]["name"], "설정.ini")

    def test_inline_content_forms(self):
        zip_entries = [{"name": "TradePanel.dll", "text": "MZ"}, {"name": "sub/a.txt", "hex": "0001", "stored": True}]
        cases = [
            ({"hex": "00ff10"}, b"\x00\xff\x10"),
            ({"base64": base64.b64encode(b"\x01\x02").decode()}, b"\x01\x02"),
            ({"text": "version=2"}, b"version=2"),
        ]
        for form, expected in cases:
            with self.subTest(form=form):
                self.ok(dict(form, cmd="set_file", folder="Bin", name="x.bin"))
                self.assertEqual(self.client.fetch(request(2, "Bin", "", "x.bin"))[0], expected)
        self.ok({"cmd": "set_file", "folder": "Bin", "name": "TradePanel.dll.zip", "zip": zip_entries})
        content, _ = self.client.fetch(request(2, "bin", "", "tradepanel.dll.zip"))
        with zipfile.ZipFile(io.BytesIO(content)) as archive:
            self.assertEqual(archive.read("TradePanel.dll"), b"MZ")
            self.assertEqual(archive.read("sub/a.txt"), b"\x00\x01")
        self.ok({"cmd": "remove_file", "folder": "Bin", "name": "TradePanel.dll.zip"})
        self.assertEqual(self.client.fetch(request(2, "Bin", "", "TradePanel.dll.zip"))[0], self.dll_zip)

    def test_inline_version_list_and_set_root(self):
        self.ok({"cmd": "set_version_list", "text": "Bin,a,b.zip,9,\n"})
        self.assertEqual(self.client.fetch(list_request())[0], b"Bin,a,b.zip,9,\n")
        with tempfile.TemporaryDirectory() as other:
            with open(os.path.join(other, "version.dat"), "wb") as f:
                f.write(b"other")
            self.ok({"cmd": "remove_file", "folder": "", "name": "version.dat"})
            self.ok({"cmd": "set_root", "root": other})
            self.assertEqual(self.client.fetch(list_request())[0], b"other")
            self.ok({"cmd": "reset"})
            self.assertEqual(self.client.fetch(list_request())[0], VERSION_DAT)

    def test_bad_control_commands(self):
        cases = [
            {"cmd": "nope"},
            {"cmd": "set_chunk", "size": 102_680},
            {"cmd": "set_chunk", "size": 0},
            {"cmd": "set_root", "root": "/nonexistent/folder"},
            {"cmd": "set_file", "folder": "Bin", "name": "a", "hex": "zz"},
            {"cmd": "set_file", "folder": "..", "name": "a", "hex": "00"},
            {"cmd": "set_file", "folder": "Bin", "name": "a"},
            {"cmd": "remove_file", "folder": "Bin", "name": "never-set"},
            {"cmd": "fault", "mode": "explode"},
            {"cmd": "fault", "mode": "bad_length", "kind": "weird"},
            {"cmd": "fault", "mode": "bad_length", "field": "123"},
            {"cmd": "fault", "mode": "split", "chunk": 0},
            {"cmd": "fault", "mode": "error", "times": 0},
            {"cmd": "fault", "mode": "error", "file": 5},
        ]
        for msg in cases:
            with self.subTest(msg=msg):
                reply = self.control(msg)
                self.assertFalse(reply["ok"])
                self.assertTrue(reply["error"])
        self.ctl_file.write(b"not json\n")
        self.ctl_file.flush()
        self.assertFalse(json.loads(self.ctl_file.readline())["ok"])
        self.ok({"cmd": "ping"})

    def test_malformed_requests_are_recorded(self):
        cases = [  # bytes sent, expect connection closed, error text fragment
            (b"0000abcd00000001x " + b" " * 128, True, "bad length"),
            (b"0000001000000001x ", True, "bad length"),
            (b"00999999" b"00000001x ", True, "bad length"),
            (b"00000146" b"00000001y " + b" " * 128, False, "'x'"),
            (b"00000146" b"00000007x " + b" " * 128, False, "unknown code"),
            (b"00000030" b"00000002x " + b" " * 12, False, "not 146"),
        ]
        for data, closes, error in cases:
            with self.subTest(data=data[:18]):
                self.ok({"cmd": "clear_requests"})
                client = RawClient(self.port)
                client.sock.sendall(data)
                if closes:
                    self.assertTrue(client.closed_within(2))
                else:
                    self.assertEqual(client.reply()[1][0][17:18], b" ")
                client.close()
                self.assertTrue(self.wait_for(lambda: self.requests()))
                self.assertIn(error, self.requests()[0]["error"])

    def test_requests_are_kept_in_order_per_connection(self):
        second = RawClient(self.port)
        try:
            self.client.fetch(list_request())
            second.fetch(request(2, "Images@skin", "", "logo.bmp"))
            self.client.fetch(request(2, "User", "", "flat.ini"))
        finally:
            second.close()
        recs = self.requests()
        self.assertEqual([r["name"] for r in recs], ["version.dat", "logo.bmp", "flat.ini"])
        self.assertEqual(recs[0]["conn"], recs[2]["conn"])
        self.assertNotEqual(recs[0]["conn"], recs[1]["conn"])
        self.ok({"cmd": "clear_requests"})
        self.assertEqual(self.requests(), [])

    # --- faults -----------------------------------------------------------------------------

    def test_split_writes(self):
        self.ok({"cmd": "fault", "mode": "split", "chunk": 5, "delay_ms": 40})
        self.client.sock.sendall(request(2, "Images@skin", "", "logo.bmp"))
        first = self.client.sock.recv(65536)
        self.assertLessEqual(len(first), 5)
        self.client.buf = first
        started = time.monotonic()
        content, frames = self.client.reply()
        self.assertEqual(content, b"BMlogo")
        self.assertGreaterEqual(time.monotonic() - started, 0.2)  # 42 bytes: 8 more sends, 7 pauses

    def test_coalesced_writes(self):
        self.ok({"cmd": "set_chunk", "size": 20})
        self.ok({"cmd": "fault", "mode": "coalesce"})
        self.client.sock.sendall(list_request())
        time.sleep(0.3)
        data = self.client.sock.recv(65536)
        frames = -(-len(VERSION_DAT) // 20) + 1
        self.assertEqual(len(data), len(VERSION_DAT) + 18 * frames)
        self.client.buf = data
        self.assertEqual(self.client.reply()[0], VERSION_DAT)

    def test_error_fault_targets_one_file_and_times(self):
        self.ok({"cmd": "fault", "mode": "error", "file": "LOGO.bmp", "times": 1})
        self.assertEqual(self.client.fetch(list_request())[0], VERSION_DAT)
        _, frames = self.client.fetch(request(2, "Images@skin", "", "logo.bmp"))
        self.assertEqual(frames, [b"00000018" b"00000002" b"x "])
        self.assertEqual(self.client.fetch(request(2, "Images@skin", "", "logo.bmp"))[0], b"BMlogo")
        self.ok({"cmd": "fault", "mode": "error", "file": "version.dat"})
        self.assertEqual(self.client.fetch(list_request())[1], [b"00000018" b"00000001" b"x "])
        self.assertEqual(self.requests()[-1]["reply"]["fault"], "error")

    def test_bad_length_kinds(self):
        cases = [  # params, expected length field, bytes after the header
            ({"kind": "short"}, b"00000010", 0),
            ({"kind": "nondigit"}, b"00x4o0ab", 0),
            ({"kind": "over"}, b"00102698", MAX_FRAME + 1 - 18),
            ({"field": "-0000001"}, b"-0000001", 0),
        ]
        for params, field, extra in cases:
            with self.subTest(params=params):
                self.ok(dict(params, cmd="fault", mode="bad_length"))
                client = RawClient(self.port)
                client.sock.sendall(list_request())
                client.fill(18 + extra)
                self.assertEqual(client.buf[:18], field + b"00000001xM")
                self.assertEqual(len(client.buf), 18 + extra)
                client.sock.sendall(list_request())  # held: recorded, never answered
                self.assertFalse(client.closed_within(0.3))
                self.assertEqual(self.requests()[-1]["reply"]["status"], "ignored")
                client.close()
        self.ok({"cmd": "fault", "mode": "bad_length", "kind": "short", "then": "close"})
        self.client.sock.sendall(list_request())
        self.client.fill(18)
        self.assertTrue(self.client.closed_within(2))

    def test_oversize_file(self):
        self.ok({"cmd": "set_chunk", "size": MAX_FRAME - 18})
        self.ok({"cmd": "fault", "mode": "oversize", "file": "logo.bmp"})
        content, frames = self.client.fetch(request(2, "Images@skin", "", "logo.bmp"))
        self.assertEqual(len(content), 10_240_001)
        self.assertEqual(max(map(len, frames)), MAX_FRAME)
        self.assertEqual(frames[-1][17:18], b"L")

    def test_stall_keeps_connection_open(self):
        self.ok({"cmd": "set_chunk", "size": 6000})
        self.ok({"cmd": "fault", "mode": "stall", "file": "TradePanel.dll.zip"})
        self.client.sock.sendall(request(2, "Bin", "", "TradePanel.dll.zip"))
        self.client.fill(6018)
        self.assertFalse(self.client.closed_within(0.5))
        self.assertEqual(len(self.client.buf), 6018)
        self.client.sock.sendall(list_request())
        self.assertFalse(self.client.closed_within(0.3))
        state = self.ok({"cmd": "state"})
        self.assertTrue(state["connections"][-1]["open"])
        self.client.close()
        self.assertTrue(self.wait_for(lambda: not self.ok({"cmd": "state"})["connections"][-1]["open"]))

    def test_close_mid_file(self):
        cases = [  # params, bytes the client gets before the end, ended by a reset
            ({}, 6018, False),
            ({"after": 6030}, 6030, False),
            ({"after": 100, "reset": True}, None, True),
        ]
        self.ok({"cmd": "set_chunk", "size": 6000})
        for params, received, reset in cases:
            with self.subTest(params=params):
                self.ok(dict(params, cmd="fault", mode="close_mid", times=1))
                client = RawClient(self.port)
                try:
                    client.sock.sendall(request(2, "Bin", "", "TradePanel.dll.zip"))
                    data, was_reset = client.drain()
                finally:
                    client.close()
                self.assertEqual(was_reset, reset)
                if received is not None:
                    self.assertEqual(len(data), received)
                    self.assertEqual(data[:18], b"00006018" b"00000002xM")

    def test_disconnect_and_fault_none(self):
        self.ok({"cmd": "fault", "mode": "error"})
        self.ok({"cmd": "fault", "mode": "split", "chunk": 3, "delay_ms": 1})
        self.assertEqual(len(self.ok({"cmd": "state"})["faults"]), 2)
        self.ok({"cmd": "fault", "mode": "none"})
        self.assertEqual(self.ok({"cmd": "state"})["faults"], [])
        self.assertEqual(self.client.fetch(list_request())[0], VERSION_DAT)
        self.ok({"cmd": "disconnect"})
        self.assertTrue(self.client.closed_within(2))


if __name__ == "__main__":
    unittest.main()
