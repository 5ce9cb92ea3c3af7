"""One client connection of the server peer: a reader thread that cuts the
byte stream into frames, and a writer thread that sends frames the way the
active fault asks (whole, in chunks, batched, late, or not at all)."""

import logging
import queue
import socket
import struct
import threading
import time

import server_peer_wire as wire

log = logging.getLogger("server_peer")

PEER_FRAME_LIMIT = 1 << 20
RECV_SIZE = 65536


class Fault:
    """The active fault mode and its parameters. `take` decides, frame by
    frame, whether the fault applies; `times` limits how often it does."""

    MODES = ("none", "split", "coalesce", "oversize", "garbage_length",
             "short_length", "drop", "slow")

    def __init__(self, mode="none", params=None):
        params = dict(params or {})
        if mode not in self.MODES:
            raise ValueError("unknown fault mode %r (known: %s)" % (mode, ", ".join(self.MODES)))
        target = params.get("target", "all")
        if target not in ("all", "replies", "pushes"):
            raise ValueError("target must be all, replies or pushes")
        codes = params.get("tr")
        if codes is not None and not isinstance(codes, list):
            codes = [codes]
        self.mode = mode
        self.params = params
        self.target = target
        self.codes = set(int(code) for code in codes) if codes is not None else None
        self.times = params.get("times")
        self.drop_counts = {}
        self.lock = threading.Lock()

    def describe(self):
        return dict(self.params, mode=self.mode, remaining=self.times)

    def _matches(self, code, target):
        if self.mode == "none":
            return False
        if self.target != "all" and self.target != target:
            return False
        return self.codes is None or code in self.codes

    def _spend(self):
        if self.times is None:
            return True
        if self.times <= 0:
            return False
        self.times -= 1
        return True

    def take(self, code, target):
        """Parameters of the fault when it applies to this outgoing frame."""
        with self.lock:
            if self.mode == "drop" or not self._matches(code, target):
                return None
            return self.params if self._spend() else None

    def take_drop(self, conn_id, code):
        """True when this received frame must close its connection."""
        with self.lock:
            if self.mode != "drop" or (self.codes is not None and code not in self.codes):
                return False
            seen = self.drop_counts.get(conn_id, 0) + 1
            self.drop_counts[conn_id] = seen
            if seen <= int(self.params.get("after", 0)):
                return False
            return self._spend()

    def drops_on_accept(self):
        with self.lock:
            if self.mode != "drop" or not self.params.get("on_accept"):
                return False
            return self._spend()


def plan_frame(frame, fault_params, mode):
    """Writer steps that send `frame` under the given fault."""
    if fault_params is None:
        return [("send", frame, 0, 0.0)]
    p = fault_params
    if mode == "split":
        return [("send", frame, max(1, int(p.get("chunk", 7))),
                 float(p.get("delay_ms", 20)) / 1000.0)]
    if mode == "coalesce":
        return [("coalesce", frame, max(1, int(p.get("count", 2))),
                 float(p.get("flush_ms", 300)) / 1000.0,
                 max(0, int(p.get("tail_bytes", 0))),
                 float(p.get("tail_delay_ms", 100)) / 1000.0)]
    if mode == "slow":
        return [("sleep", float(p.get("delay_ms", 1000)) / 1000.0),
                ("send", frame, 0, 0.0)]
    gap = ("sleep", float(p.get("gap_ms", 200)) / 1000.0)
    if mode == "oversize":
        size = max(wire.CLIENT_FRAME_LIMIT + 1, int(p.get("size", wire.CLIENT_FRAME_LIMIT + 1)))
        big = (wire.number8(size) + frame[8:]).ljust(size, b" ")[:size]
        steps = [("send", big, 0, 0.0)]
        return steps + ([gap, ("send", frame, 0, 0.0)] if p.get("resend") else [])
    if mode == "garbage_length":
        text = str(p.get("text", "ABCDEFGH")).encode("latin-1")[:8].ljust(8, b" ")
        steps = [("send", text + frame[8:], 0, 0.0)]
        return steps + ([gap, ("send", frame, 0, 0.0)] if p.get("resend", True) else [])
    if mode == "short_length":
        length = int(p.get("length", 10))
        short = (wire.number8(length) + frame[8:])[:max(length, 8)]
        steps = [("send", short, 0, 0.0)]
        return steps + ([gap, ("send", frame, 0, 0.0)] if p.get("resend", True) else [])
    return [("send", frame, 0, 0.0)]


class Connection:
    """A client connection. `peer` is the owning ServerPeer, which handles
    every complete frame (`peer.on_frame`) and learns of the close."""

    def __init__(self, peer, conn_id, sock, listener, address):
        self.peer = peer
        self.id = conn_id
        self.sock = sock
        self.listener = listener
        self.address = address
        self.registrations = {}
        self.frames_in = 0
        self.frames_out = 0
        self.login_id = ""
        self.closed = threading.Event()
        self.close_reason = None
        self.outbox = queue.Queue()
        self.lock = threading.Lock()
        sock.setsockopt(socket.IPPROTO_TCP, socket.TCP_NODELAY, 1)

    def start(self):
        threading.Thread(target=self._read_loop, name="read-%d" % self.id, daemon=True).start()
        threading.Thread(target=self._write_loop, name="write-%d" % self.id, daemon=True).start()

    def describe(self):
        with self.lock:
            regs = [{"code": code, "key": key, "raw": raw}
                    for (code, key), raw in sorted(self.registrations.items())]
        return {"conn": self.id, "listener": self.listener, "address": self.address,
                "open": not self.closed.is_set(), "frames_in": self.frames_in,
                "frames_out": self.frames_out, "login_id": self.login_id,
                "registrations": regs}

    # ---- registrations --------------------------------------------------

    def register(self, code, keys):
        with self.lock:
            for item in keys:
                self.registrations[(code, item["key"])] = item["raw"]

    def unregister(self, code, keys):
        with self.lock:
            for item in keys:
                self.registrations.pop((code, item["key"]), None)

    def registered_key(self, code, key):
        """Raw key as this connection registered it, or None."""
        with self.lock:
            return self.registrations.get((code, key))

    # ---- sending --------------------------------------------------------

    def send_frame(self, frame, code, target):
        """Queue a frame, shaped by the peer's active fault."""
        fault = self.peer.fault
        params = fault.take(code, target)
        self.frames_out += 1
        # One queue item per frame, so that the steps of one frame never
        # interleave with those of a frame queued by another thread.
        self.outbox.put(plan_frame(frame, params, fault.mode if params is not None else "none"))

    def close(self, reason, reset=False):
        """Close at once (the writer's queue is abandoned)."""
        with self.lock:
            if self.closed.is_set():
                return
            self.closed.set()
            self.close_reason = reason
        try:
            if reset:
                # Linger 0 makes the close a reset; shutting the read side
                # only wakes the reader without sending a FIN first.
                self.sock.setsockopt(socket.SOL_SOCKET, socket.SO_LINGER, struct.pack("ii", 1, 0))
                self.sock.shutdown(socket.SHUT_RD)
            else:
                self.sock.shutdown(socket.SHUT_RDWR)
        except OSError:
            pass
        try:
            self.sock.close()
        except OSError:
            pass
        self.outbox.put(None)
        self.peer.on_closed(self, reason)

    def _sendall(self, data, chunk=0, delay=0.0):
        if not chunk or chunk >= len(data):
            self.sock.sendall(data)
            return
        for start in range(0, len(data), chunk):
            if self.closed.is_set():
                return
            if start:
                time.sleep(delay)
            self.sock.sendall(data[start:start + chunk])

    def _flush(self, batch, tail, tail_delay):
        if not batch:
            return
        data = b"".join(batch)
        tail = min(tail, len(data) - 1)
        if tail > 0:
            self.sock.sendall(data[:-tail])
            time.sleep(tail_delay)
            self.sock.sendall(data[-tail:])
        else:
            self.sock.sendall(data)

    def _write_loop(self):
        batch, batch_args, deadline = [], (0, 0.0), None
        try:
            while not self.closed.is_set():
                timeout = None if not batch else max(0.0, deadline - time.monotonic())
                try:
                    steps = self.outbox.get(timeout=timeout)
                except queue.Empty:
                    self._flush(batch, *batch_args)
                    batch = []
                    continue
                if steps is None:
                    break
                if steps[0][0] == "coalesce":
                    _, frame, count, flush_s, tail, tail_delay = steps[0]
                    if not batch:
                        deadline = time.monotonic() + flush_s
                    batch.append(frame)
                    batch_args = (tail, tail_delay)
                    if len(batch) >= count:
                        self._flush(batch, *batch_args)
                        batch = []
                    continue
                self._flush(batch, *batch_args)
                batch = []
                for step in steps:
                    if self.closed.is_set():
                        break
                    if step[0] == "sleep":
                        self.closed.wait(step[1])
                    else:
                        self._sendall(step[1], step[2], step[3])
        except OSError as error:
            log.info("conn %d: send failed: %s", self.id, error)
            self.close("send error")

    # ---- receiving ------------------------------------------------------

    def _read_loop(self):
        held = b""
        try:
            while not self.closed.is_set():
                data = self.sock.recv(RECV_SIZE)
                if not data:
                    self.close("closed by client")
                    return
                held += data
                while len(held) >= 8 and not self.closed.is_set():
                    try:
                        total = wire.frame_length(held[:8], PEER_FRAME_LIMIT)
                    except wire.FrameError as error:
                        self.peer.on_bad_frame(self, str(error), held[:64])
                        self.close("bad frame")
                        return
                    if len(held) < total:
                        break
                    frame, held = held[:total], held[total:]
                    self.frames_in += 1
                    self.peer.on_frame(self, frame)
        except OSError as error:
            self.close("receive error: %s" % error)
