#!/usr/bin/env python3
"""Version server test peer: serves "version.dat" and program files to the updater.

Usage:
    python3 testbed/version_peer.py [--host 127.0.0.1] [--port 8088] [--control-port 0]
                                    [--root DIR] [--chunk N]

Prints `READY port=<P> control=<C>` once listening, then runs until SIGTERM/SIGINT or the
control command {"cmd":"shutdown"}. Logs go to stderr (--verbose: every connection and refusal).

Wire format (both directions): an 18-byte header, then the body.
    0  8  total frame length, header included, "%08d"
    8  8  frame code, "%08d": 1 version list, 2 program file
    16 1  'x'
    17 1  status: ' ' in requests; replies 'M' (a piece of content follows), 'L' (content
          complete), ' ' (server error)
A request is 146 bytes: header plus one 128-byte record of three 40-byte space-padded fields
(folder, second field, file name) and 8 reserved bytes. A reply is zero or more 'M' frames
whose bodies make up the content, then one 'L' frame with an empty body; every reply frame
echoes the request's code. Frames never exceed 102,697 bytes (the client's receive buffer).

Where files come from (the catalogue):
- Code 1 (version list): inline content set by `set_version_list`, else ROOT/version.dat.
- Code 2 (file): folder and file-name fields, trimmed of spaces and NULs. The folder may hold
  deeper levels separated by '@', '/' or '\\'. Looked up in this order: inline content set by
  `set_file` (folder and name compared without letter case); ROOT/<folder levels>/<name>
  (exact, else without letter case per level); ROOT/<folder levels joined by '@'>@<name>
  (the flat name the updater gives the download). The second field is recorded, not used.
- Names are decoded as CP949. A '..' or '.' level, a drive ("C:") or an empty name is refused
  with an error frame, as is anything not found; nothing outside ROOT is ever served.
So a root for the demo looks like:
    ROOT/version.dat            lines "Bin,main,TradePanel.dll.zip,1.0.3,"  plus "version=1.0.3"
    ROOT/Bin/TradePanel.dll.zip (a zip with the entry "TradePanel.dll")
    ROOT/<folder>/<name>        for every other line the list names

Control channel (newline-delimited JSON on the control port; replies {"ok":true,...} or
{"ok":false,"error":"..."}):
    {"cmd":"ping"}
    {"cmd":"reset"}              root and chunk back to the start-up values; inline content,
                                 faults and records cleared
    {"cmd":"requests"}           -> {"requests":[...]}, every request frame in order:
                                 conn, raw_hex, length_field, length, code_field, code, marker,
                                 status, folder, field2, name (decoded, trimmed), record_hex,
                                 reserved_hex, error (for malformed frames) and reply
                                 {status: "served"|"error"|"fault"|"ignored", fault, frames,
                                 content_bytes, source, reason, sent_bytes, length_field}.
                                 A request with a bad length field is recorded with its raw
                                 header and the connection is closed (no resync is possible);
                                 other malformed requests get an error frame.
    {"cmd":"clear_requests"}
    {"cmd":"state"}              -> root, chunk, faults, inline names, connections
                                 [{id, open, requests}]
    {"cmd":"set_root","root":DIR}
    {"cmd":"set_chunk","size":N} content bytes per 'M' frame, 1..102679 (default 8192)
    {"cmd":"set_version_list", <content>}
    {"cmd":"set_file","folder":F,"name":N, <content>}
    {"cmd":"remove_file","folder":F,"name":N}     drops an inline entry (or the inline list
                                                  with folder "" and name "version.dat")
    {"cmd":"disconnect"}         closes every client connection now
    {"cmd":"fault","mode":M, ...}  arms fault M (replacing an earlier M); "none" clears all
    {"cmd":"shutdown"}
  <content> is one of "text" (encoded as CP949), "hex", "base64", or "zip": a list of entries
  {"name":..., "text"|"hex"|"base64":..., "stored":bool} that the peer packs into a zip
  archive (deflated unless "stored").

Fault modes. Every mode takes optional targets "file" (file-name field, letter case ignored;
"version.dat" matches the list request), "folder" and "code", and "times" (how many replies it
applies to; unlimited when absent). Content faults are checked in the order error, bad_length,
oversize, stall, close_mid; split and coalesce change how any reply is written.
    split      {"chunk":7,"delay_ms":20}  the reply bytes go out in sends of `chunk` bytes
               with a pause between them (frame boundaries ignored)
    coalesce   {"frames":0}  `frames` reply frames per send (0: the whole reply in one send)
    error      the reply is a single ' ' status frame (length 18, code echoed)
    bad_length {"kind":"short"|"nondigit"|"over", "field":"8 chars", "then":"hold"|"close"}
               sends one 'M' frame whose length field is "00000010" (short), "00x4o0ab"
               (nondigit) or "00102698" (over: followed by the whole claimed body, so the
               client is offered more than it can hold); "field" gives any 8 characters.
               Afterwards the connection is held open (later requests recorded, not
               answered) or closed.
    oversize   {"size":10240001}  serves `size` generated content bytes in valid frames, one
               more than the largest download the updater holds (10,240,000)
    stall      {"after":N}  sends the reply up to byte N of the reply stream (default: the
               first frame), then sends nothing more but keeps the connection open and keeps
               recording requests without answering
    close_mid  {"after":N, "reset":false}  as stall, then closes the connection (with an RST
               when "reset" is true)
"""

import argparse
import base64
import binascii
import io
import json
import logging
import os
import socket
import socketserver
import struct
import sys
import threading
import zipfile

from peerlib import ControlServer, run_until_stopped, serve_in_background

HEADER_SIZE = 18
RECORD_SIZE = 128
FIELD_SIZE = 40
REQUEST_SIZE = HEADER_SIZE + RECORD_SIZE
MAX_FRAME = 102_697
MAX_BODY = MAX_FRAME - HEADER_SIZE
MAX_DOWNLOAD = 10_240_000
MAX_REQUEST = 4096  # the client's send buffer is 1,024 bytes; anything far over is garbage
CODE_LIST = 1
CODE_FILE = 2
LIST_NAME = "version.dat"
DEFAULT_CHUNK = 8192

CONTENT_FAULTS = ("error", "bad_length", "oversize", "stall", "close_mid")
TRANSPORT_FAULTS = ("split", "coalesce")
FAULT_MODES = CONTENT_FAULTS + TRANSPORT_FAULTS
BAD_LENGTH_FIELDS = {"short": b"00000010", "nondigit": b"00x4o0ab", "over": b"%08d" % (MAX_FRAME + 1)}

log = logging.getLogger("version_peer")


class PeerError(Exception):
    """A control command or lookup that cannot be honoured; its text goes back to the caller."""


def frame(code, status, body=b""):
    return b"%08d%08dx" % (HEADER_SIZE + len(body), code) + status + body


def content_frames(code, content, chunk):
    frames = [frame(code, b"M", content[i:i + chunk]) for i in range(0, len(content), chunk)]
    frames.append(frame(code, b"L"))
    return frames


def decode_field(raw):
    return raw.strip(b" \0").decode("cp949", errors="replace")


def split_levels(text):
    levels = [p for p in text.replace("\\", "/").replace("@", "/").split("/") if p]
    for level in levels:
        if level in (".", "..") or ":" in level:
            raise PeerError("unsafe path level %r" % level)
    return levels


def content_from(params):
    """Bytes from a control command's "text", "hex", "base64" or "zip" member."""
    try:
        if "text" in params:
            return params["text"].encode("cp949")
        if "hex" in params:
            return bytes.fromhex(params["hex"])
        if "base64" in params:
            return base64.b64decode(params["base64"], validate=True)
        if "zip" in params:
            buf = io.BytesIO()
            with zipfile.ZipFile(buf, "w") as archive:
                for entry in params["zip"]:
                    method = zipfile.ZIP_STORED if entry.get("stored") else zipfile.ZIP_DEFLATED
                    archive.writestr(zipfile.ZipInfo(entry["name"], (2020, 1, 1, 0, 0, 0)),
                                     content_from(entry), compress_type=method)
            return buf.getvalue()
    except (ValueError, binascii.Error, TypeError, KeyError, UnicodeEncodeError) as exc:
        raise PeerError("bad content: %s" % exc) from exc
    raise PeerError('content needs "text", "hex", "base64" or "zip"')


def parse_request(raw):
    """Fields of one complete request frame as a record dict."""
    rec = {
        "raw_hex": raw.hex(),
        "length_field": raw[0:8].decode("latin-1"),
        "length": len(raw),
        "code_field": raw[8:16].decode("latin-1"),
        "code": None,
        "marker": raw[16:17].decode("latin-1"),
        "status": raw[17:18].decode("latin-1"),
    }
    code_text = raw[8:16].strip(b" \0")
    if code_text.isdigit():
        rec["code"] = int(code_text)
    body = raw[HEADER_SIZE:]
    if len(body) >= RECORD_SIZE:
        for i, key in enumerate(("folder", "field2", "name")):
            rec[key] = decode_field(body[i * FIELD_SIZE:(i + 1) * FIELD_SIZE])
        rec["record_hex"] = body[:RECORD_SIZE].hex()
        rec["reserved_hex"] = body[3 * FIELD_SIZE:RECORD_SIZE].hex()
    if len(raw) != REQUEST_SIZE:
        rec["error"] = "request is %d bytes, not %d" % (len(raw), REQUEST_SIZE)
    elif rec["marker"] != "x":
        rec["error"] = "byte 16 is not 'x'"
    elif rec["code"] not in (CODE_LIST, CODE_FILE):
        rec["error"] = "unknown code %r" % rec["code_field"]
    return rec


class Catalogue:
    """Content the peer serves: the root folder plus inline overrides."""

    def __init__(self, root):
        self.root = root
        self.inline = {}

    @staticmethod
    def key(folder, name):
        return "/".join(split_levels(folder) + split_levels(name)).upper()

    def put(self, folder, name, content):
        if not split_levels(name):
            raise PeerError("empty file name")
        self.inline[self.key(folder, name)] = content

    def remove(self, folder, name):
        if self.inline.pop(self.key(folder, name), None) is None:
            raise PeerError("no inline entry %s/%s" % (folder, name))

    def lookup(self, code, folder, name):
        """(content, source) for a request; PeerError when there is nothing to serve."""
        if code == CODE_LIST:
            folder, name = "", LIST_NAME
        levels = split_levels(folder) + split_levels(name)
        if not split_levels(name):
            raise PeerError("empty file name")
        key = "/".join(levels).upper()
        if key in self.inline:
            return self.inline[key], "inline"
        if not self.root:
            raise PeerError("no root folder and no inline content for %s" % key)
        for path in (self._nested(levels), os.path.join(self.root, "@".join(levels))):
            if path and os.path.isfile(path):
                with open(path, "rb") as f:
                    return f.read(), path
        raise PeerError("not found: %s" % key)

    def _nested(self, levels):
        path = self.root
        for level in levels:
            exact = os.path.join(path, level)
            if os.path.exists(exact):
                path = exact
                continue
            try:
                match = [n for n in os.listdir(path) if n.lower() == level.lower()]
            except OSError:
                return None
            if not match:
                return None
            path = os.path.join(path, match[0])
        return path


class Fault:
    def __init__(self, mode, params):
        self.mode = mode
        self.params = params
        self.remaining = params.get("times")
        if self.remaining is not None and (not isinstance(self.remaining, int) or self.remaining < 1):
            raise PeerError('"times" must be a positive integer')

    def matches(self, code, folder, name):
        p = self.params
        if "code" in p and p["code"] != code:
            return False
        if "file" in p and p["file"].strip().lower() != name.lower():
            return False
        if "folder" in p and split_levels(p["folder"]) != split_levels(folder):
            return False
        return True

    def describe(self):
        return dict(self.params, mode=self.mode, remaining=self.remaining)


class PeerState:
    """Everything the control channel changes, shared by all connection threads."""

    def __init__(self, root, chunk):
        self.lock = threading.Lock()
        self.start_root, self.start_chunk = root, chunk
        self.stopping = threading.Event()
        self.connections = {}
        self.next_conn = 1
        self.reset()

    def reset(self):
        with self.lock:
            self.catalogue = Catalogue(self.start_root)
            self.chunk = self.start_chunk
            self.faults = {}
            self.requests = []

    def take_fault(self, modes, code, folder, name):
        """The first armed fault of `modes` that applies to this request, used up once."""
        with self.lock:
            for mode in modes:
                fault = self.faults.get(mode)
                if fault and fault.matches(code, folder, name):
                    if fault.remaining is not None:
                        fault.remaining -= 1
                        if fault.remaining == 0:
                            del self.faults[mode]
                    return fault
        return None

    def arm(self, params):
        mode = params.get("mode")
        if mode == "none":
            with self.lock:
                self.faults.clear()
            return
        if mode not in FAULT_MODES:
            raise PeerError("unknown fault mode %r" % mode)
        params = {k: v for k, v in params.items() if k not in ("cmd", "mode")}
        if mode == "bad_length":
            kind = params.setdefault("kind", "short")
            if "field" in params:
                if not isinstance(params["field"], str) or len(params["field"].encode("latin-1")) != 8:
                    raise PeerError('"field" must be 8 characters')
            elif kind not in BAD_LENGTH_FIELDS:
                raise PeerError("unknown bad_length kind %r" % kind)
            if params.setdefault("then", "hold") not in ("hold", "close"):
                raise PeerError('"then" must be "hold" or "close"')
        for name in ("file", "folder"):
            if name in params and not isinstance(params[name], str):
                raise PeerError('"%s" must be a string' % name)
        if "code" in params and not isinstance(params["code"], int):
            raise PeerError('"code" must be an integer')
        for name in ("chunk", "delay_ms", "frames", "size", "after"):
            if name in params and (not isinstance(params[name], int) or params[name] < 0):
                raise PeerError('"%s" must be a non-negative integer' % name)
        if mode == "split" and params.get("chunk", 7) < 1:
            raise PeerError('"chunk" must be at least 1')
        with self.lock:
            self.faults[mode] = Fault(mode, params)

    def add_request(self, rec):
        with self.lock:
            self.requests.append(rec)

    def open_connection(self, sock):
        with self.lock:
            conn_id = self.next_conn
            self.next_conn += 1
            self.connections[conn_id] = {"socket": sock, "open": True, "requests": 0}
            return conn_id

    def close_connection(self, conn_id):
        with self.lock:
            self.connections[conn_id]["open"] = False
            self.connections[conn_id]["socket"] = None

    def disconnect_all(self):
        with self.lock:
            socks = [c["socket"] for c in self.connections.values() if c["socket"]]
        for sock in socks:
            try:
                sock.shutdown(socket.SHUT_RDWR)
            except OSError:
                pass


class VersionHandler(socketserver.BaseRequestHandler):
    """One updater connection: read request frames, answer each in turn."""

    def setup(self):
        self.state = self.server.state
        self.sock = self.request
        self.sock.setsockopt(socket.IPPROTO_TCP, socket.TCP_NODELAY, 1)
        self.conn_id = self.state.open_connection(self.sock)
        self.held = False  # after a stall or a held bad frame: record, never answer
        log.info("connection %d from %s", self.conn_id, self.client_address)

    def finish(self):
        self.state.close_connection(self.conn_id)
        log.info("connection %d closed", self.conn_id)

    def handle(self):
        try:
            while not self.state.stopping.is_set():
                raw = self.read_frame()
                if raw is None:
                    return
                if not self.answer(raw):
                    return
        except OSError as exc:
            log.info("connection %d: %s", self.conn_id, exc)

    def read_exact(self, n):
        data = b""
        while len(data) < n:
            part = self.sock.recv(n - len(data))
            if not part:
                if data:
                    self.state.add_request({"conn": self.conn_id, "raw_hex": data.hex(),
                                            "error": "connection closed inside a frame"})
                return None
            data += part
        return data

    def read_frame(self):
        header = self.read_exact(HEADER_SIZE)
        if header is None:
            return None
        field = header[:8]
        if not field.isdigit() or not HEADER_SIZE <= int(field) <= MAX_REQUEST:
            self.state.add_request({"conn": self.conn_id, "raw_hex": header.hex(),
                                    "length_field": field.decode("latin-1"),
                                    "error": "bad length field; connection closed",
                                    "reply": {"status": "ignored"}})
            return None
        rest = self.read_exact(int(field) - HEADER_SIZE)
        return None if rest is None else header + rest

    def answer(self, raw):
        """Record and answer one request; false when the connection is to end."""
        rec = parse_request(raw)
        rec["conn"] = self.conn_id
        if self.held:
            rec["reply"] = {"status": "ignored"}
            frames, transport, then = [], None, "hold"
        else:
            frames, transport, then = self.plan(rec)
        with self.state.lock:  # recorded whole: the control channel may be reading records
            self.state.requests.append(rec)
            self.state.connections[self.conn_id]["requests"] += 1
        self.send_frames(frames, transport)
        self.held = then == "hold"
        if then == "reset":  # close at once, before the server's orderly FIN
            self.sock.setsockopt(socket.SOL_SOCKET, socket.SO_LINGER, struct.pack("ii", 1, 0))
            self.sock.close()
        return then in ("go on", "hold")

    def plan(self, rec):
        """(frames, transport fault, then) for a request; fills in rec["reply"].

        `then` is "go on", "hold" (record later requests, answer none), "close" or "reset".
        """
        code = rec["code"] if rec["code"] in (CODE_LIST, CODE_FILE) else 0
        if "error" in rec:
            rec["reply"] = {"status": "error", "reason": rec["error"], "fault": None}
            return [frame(code, b" ")], None, "go on"
        folder, name = rec.get("folder", ""), rec.get("name", "")
        fault = self.state.take_fault(CONTENT_FAULTS, code, folder, name)
        transport = self.state.take_fault(TRANSPORT_FAULTS, code, folder, name)
        reply = rec["reply"] = {"fault": fault.mode if fault else None}
        if fault and fault.mode == "error":
            reply.update(status="fault", frames=1)
            return [frame(code, b" ")], transport, "go on"
        if fault and fault.mode == "bad_length":
            p = fault.params
            field = p["field"].encode("latin-1") if "field" in p else BAD_LENGTH_FIELDS[p["kind"]]
            bad = field + b"%08dx" % code + b"M"
            if "field" not in p and p["kind"] == "over":
                bad += bytes(MAX_FRAME + 1 - HEADER_SIZE)
            reply.update(status="fault", frames=1, length_field=field.decode("latin-1"))
            return [bad], transport, p["then"]
        if fault and fault.mode == "oversize":
            size = fault.params.get("size", MAX_DOWNLOAD + 1)
            content, source = (bytes(range(256)) * (size // 256 + 1))[:size], "generated"
        else:
            try:
                content, source = self.state.catalogue.lookup(code, folder, name)
            except PeerError as exc:
                log.info("connection %d: %s", self.conn_id, exc)
                reply.update(status="error", reason=str(exc), frames=1)
                return [frame(code, b" ")], transport, "go on"
        frames = content_frames(code, content, self.state.chunk)
        reply.update(status="served", content_bytes=len(content), frames=len(frames), source=source)
        if not fault or fault.mode not in ("stall", "close_mid"):
            return frames, transport, "go on"
        frames = cut_frames(frames, fault.params.get("after", len(frames[0])))
        reply.update(status="fault", sent_bytes=sum(map(len, frames)))
        if fault.mode == "stall":
            return frames, transport, "hold"
        return frames, transport, "reset" if fault.params.get("reset") else "close"

    def send_frames(self, frames, transport):
        if transport is None:
            for f in frames:
                self.sock.sendall(f)
        elif transport.mode == "coalesce":
            group = transport.params.get("frames", 0) or len(frames)
            for i in range(0, len(frames), group):
                self.sock.sendall(b"".join(frames[i:i + group]))
        else:
            data = b"".join(frames)
            chunk = transport.params.get("chunk", 7)
            delay = transport.params.get("delay_ms", 20) / 1000.0
            for i in range(0, len(data), chunk):
                if i and self.state.stopping.wait(delay):
                    return
                self.sock.sendall(data[i:i + chunk])


def cut_frames(frames, after):
    out, left = [], after
    for f in frames:
        if left <= 0:
            break
        out.append(f[:left])
        left -= len(f)
    return out


class PeerServer(socketserver.ThreadingTCPServer):
    allow_reuse_address = True
    daemon_threads = True

    def __init__(self, address, handler, state):
        self.state = state
        super().__init__(address, handler)


def run_command(state, msg):
    cmd = msg.get("cmd")
    if cmd == "ping":
        return {"pong": True}
    if cmd == "reset":
        state.reset()
        return None
    if cmd == "requests":
        with state.lock:
            return {"requests": json.loads(json.dumps(state.requests))}
    if cmd == "clear_requests":
        with state.lock:
            state.requests = []
        return None
    if cmd == "state":
        with state.lock:
            return {"root": state.catalogue.root, "chunk": state.chunk,
                    "faults": [f.describe() for f in state.faults.values()],
                    "inline": sorted(state.catalogue.inline),
                    "connections": [{"id": i, "open": c["open"], "requests": c["requests"]}
                                    for i, c in sorted(state.connections.items())]}
    if cmd == "set_root":
        root = msg.get("root")
        if not isinstance(root, str) or not os.path.isdir(root):
            raise PeerError("root is not a folder: %r" % root)
        with state.lock:
            state.catalogue.root = os.path.abspath(root)
        return None
    if cmd == "set_chunk":
        size = msg.get("size")
        if not isinstance(size, int) or not 1 <= size <= MAX_BODY:
            raise PeerError("size must be 1..%d" % MAX_BODY)
        with state.lock:
            state.chunk = size
        return None
    if cmd in ("set_version_list", "set_file", "remove_file"):
        folder, name = ("", LIST_NAME) if cmd == "set_version_list" else (msg.get("folder", ""), msg.get("name"))
        if not isinstance(folder, str) or not isinstance(name, str):
            raise PeerError('"folder" and "name" must be strings')
        with state.lock:
            if cmd == "remove_file":
                state.catalogue.remove(folder, name)
                return None
        content = content_from(msg)
        with state.lock:
            state.catalogue.put(folder, name, content)
        return {"bytes": len(content)}
    if cmd == "disconnect":
        state.disconnect_all()
        return None
    if cmd == "fault":
        state.arm(msg)
        return None
    if cmd == "shutdown":
        state.stopping.set()
        return None
    raise PeerError("unknown command %r" % cmd)


def main(argv=None):
    parser = argparse.ArgumentParser(description="Version server test peer")
    parser.add_argument("--host", default="127.0.0.1")
    parser.add_argument("--port", type=int, default=8088)
    parser.add_argument("--control-port", type=int, default=0)
    parser.add_argument("--root", help="folder holding version.dat and the files it lists")
    parser.add_argument("--chunk", type=int, default=DEFAULT_CHUNK, help="content bytes per 'M' frame")
    parser.add_argument("--verbose", action="store_true")
    args = parser.parse_args(argv)
    logging.basicConfig(stream=sys.stderr, level=logging.INFO if args.verbose else logging.WARNING,
                        format="version_peer: %(message)s")
    if args.root and not os.path.isdir(args.root):
        parser.error("--root is not a folder: %s" % args.root)
    if not 1 <= args.chunk <= MAX_BODY:
        parser.error("--chunk must be 1..%d" % MAX_BODY)

    state = PeerState(os.path.abspath(args.root) if args.root else None, args.chunk)
    server = PeerServer((args.host, args.port), VersionHandler, state)
    control = ControlServer((args.host, args.control_port), lambda msg: run_command(state, msg),
                            state.stopping, errors=(PeerError,))
    serve_in_background(server, control)
    print("version_peer: serving %s" % (state.start_root or "inline content only (no --root)"), file=sys.stderr)
    run_until_stopped(state.stopping,
                      "READY port=%d control=%d" % (server.server_address[1], control.server_address[1]),
                      (server, control))
    state.disconnect_all()
    return 0


if __name__ == "__main__":
    sys.exit(main())
