"""The exchange peer's state and request handling, independent of sockets.

`Exchange.answer` takes one received HTTP request and returns the `Reply` to write: it routes
public and private paths, checks private requests (exchange_peer_auth), runs balances and
orders (exchange_peer_accounts), applies armed faults and canned replies, and records it all.
"""

import json
import logging
import threading
from collections import deque
from dataclasses import dataclass, field

from exchange_peer_accounts import SEARCH_BUY, SEARCH_SELL, Accounts
from exchange_peer_auth import Checks, verify
from exchange_peer_errors import (BAD_REQUEST, CUSTOM_NOTICE, INVALID_KEY, METHOD_NOT_ALLOWED,
                                  MSG_METHOD, MSG_NONCE, MSG_NOT_FOUND, MSG_RETRY_LATER,
                                  MSG_SERVER_ERROR, MSG_UNAUTHORIZED, UNKNOWN_ERROR, ExchangeError,
                                  bad_parameter, unknown_coin)
from exchange_peer_market import DEFAULT_LEVELS, MAX_LEVELS, Market

JSON_TYPE = "application/json; charset=utf-8"
OK_STATUS = "0000"
PRIVATE_PATHS = ("/info/balance", "/info/user_transactions", "/trade/market_buy", "/trade/market_sell")
TICKER, TRADES, ORDERBOOK = "/public/ticker/", "/public/transaction_history/", "/public/orderbook/"
NON_JSON_TEXT = "<html><head><title>503 Service Temporarily Unavailable</title></head></html>"
# Faults that replace the reply: the request is still checked and recorded (a private one
# uses up its nonce) but no order or other change is carried out.
REPLACING_FAULTS = ("non_json", "error_status", "http_401", "http_500", "http_error", "close")
# Faults that only change how the real reply travels: the request is carried out.
SHAPING_FAULTS = ("slow", "cut_json", "truncated", "no_length", "chunked", "garbled", "hang_up")
FAULT_MODES = REPLACING_FAULTS + SHAPING_FAULTS
RECORDED_REPLY_BYTES = 4096
MAX_DELAY_MS = 120_000

log = logging.getLogger("exchange_peer")


@dataclass
class Incoming:
    method: str
    target: str
    version: str
    headers: list           # [name, value] pairs as received
    head_raw: bytes
    body: bytes
    conn: int
    client: str


@dataclass
class Reply:
    http_status: int = 200
    body: bytes = b""
    content_type: str = JSON_TYPE
    shape: str = "normal"   # normal | truncated | no_length | chunked | close
    delay_ms: int = 0
    extra_headers: list = field(default_factory=list)


@dataclass
class Options:
    seed: int = 1
    moving: bool = True
    tick_ms: int = 1000
    synthetic: int = 0
    keys: tuple = ()
    max_records: int = 5000


class Fault:
    def __init__(self, msg):
        self.mode = msg.get("mode")
        if self.mode not in FAULT_MODES:
            raise ValueError("unknown fault mode %r (known: %s)" % (self.mode, ", ".join(FAULT_MODES)))
        self.path = msg.get("path")
        if self.path is not None and not (isinstance(self.path, str) and self.path.startswith("/")):
            raise ValueError("path must be a string beginning with /")
        self.times = msg.get("times", msg.get("count"))
        if self.times is not None and (not isinstance(self.times, int) or self.times < 1):
            raise ValueError("times must be a positive integer")
        self.after = msg.get("after", 0)
        if not isinstance(self.after, int) or isinstance(self.after, bool) or self.after < 0:
            raise ValueError("after must be a non-negative integer")
        self.params = {k: v for k, v in msg.items() if k not in ("cmd", "mode", "path", "times", "count", "after")}
        http_status = self.params.get("http_status", 500)
        if not isinstance(http_status, int) or not 100 <= http_status <= 599:
            raise ValueError("http_status must be 100..599")
        delay = self.params.get("delay_ms", 1000 if self.mode == "slow" else 0)
        if not isinstance(delay, int) or not 0 <= delay <= MAX_DELAY_MS:
            raise ValueError("delay_ms must be 0..%d" % MAX_DELAY_MS)
        self.delay_ms = delay

    def matches(self, path):
        if self.path is None or self.path == path:
            return True
        return self.path.endswith("/") and path.startswith(self.path)

    def describe(self):
        return {"mode": self.mode, "path": self.path, "times": self.times, "after": self.after, **self.params}


def to_json_bytes(payload):
    return json.dumps(payload, ensure_ascii=False, separators=(",", ":")).encode("utf-8")


class Exchange:
    def __init__(self, options: Options):
        self.options = options
        self.lock = threading.RLock()
        self.stopping = threading.Event()
        self.conn_count = 0
        self.reset()

    def reset(self):
        with self.lock:
            o = self.options
            self.market = Market(o.seed, o.moving, o.tick_ms, o.synthetic)
            self.accounts = Accounts(o.keys, self.market.now_ms)
            self.checks = Checks()
            self.faults = []
            self.canned = {}
            self.records = deque(maxlen=o.max_records)
            self.tls_errors = deque(maxlen=100)
            self.seq = 0

    def run_market_clock(self):
        """Steps a moving market every tick until the peer stops (run on its own thread)."""
        while not self.stopping.wait(max(self.market.tick_ms, 50) / 1000.0):
            with self.lock:
                if self.market.moving:
                    self.market.step()

    def new_connection(self):
        with self.lock:
            self.conn_count += 1
            return self.conn_count

    def note_tls_error(self, client, error):
        with self.lock:
            self.tls_errors.append({"client": client, "error": error, "time_ms": self.market.now_ms()})

    def arm_fault(self, msg):
        with self.lock:
            if msg.get("mode") == "none":
                self.faults = []
                return
            self.faults.append(Fault(msg))

    def _take_fault(self, path):
        for fault in self.faults:
            if fault.matches(path):
                if fault.after > 0:
                    # Still letting its first matching requests pass.
                    fault.after -= 1
                    continue
                if fault.times is not None:
                    fault.times -= 1
                    if fault.times == 0:
                        self.faults.remove(fault)
                return fault
        return None

    # One request.

    def answer(self, req: Incoming) -> Reply:
        with self.lock:
            rec = self._record(req)
            path, query = rec["path"], rec["query"]
            fault = self._take_fault(path)
            carry_out = fault is None or fault.mode in SHAPING_FAULTS
            http_status = 200
            try:
                payload = self._route(req, path, query, rec, carry_out)
            except ExchangeError as err:
                rec["verdict"], rec["reason"] = "refused", err.reason
                payload = err.body()
                http_status = getattr(err, "http_status", 200)
            except Exception as exc:  # a fault of the peer itself: say so, keep serving
                log.exception("request %s failed", req.target)
                rec["verdict"], rec["reason"] = "peer_error", "%s: %s" % (type(exc).__name__, exc)
                payload = {"status": UNKNOWN_ERROR, "message": MSG_SERVER_ERROR}
                http_status = 500
            reply = self._shape(payload, http_status, fault, rec)
            rec["http_status"] = reply.http_status
            rec["reply_length"] = len(reply.body)
            rec["reply"] = reply.body[:RECORDED_REPLY_BYTES].decode("utf-8", "replace")
            return reply

    def refuse_transport(self, req: Incoming, reply: Reply, reason):
        """Records a request refused before its body could be read (length, encoding)."""
        with self.lock:
            rec = self._record(req)
            rec.update(verdict="refused", reason=reason, http_status=reply.http_status,
                       status=BAD_REQUEST, reply_length=len(reply.body),
                       reply=reply.body.decode("utf-8", "replace"))
        return reply

    def _record(self, req):
        path, _, query = req.target.partition("?")
        self.seq += 1
        rec = {"seq": self.seq, "time_ms": self.market.now_ms(), "conn": req.conn, "client": req.client,
               "method": req.method, "target": req.target, "path": path, "query": query,
               "version": req.version, "headers": [list(h) for h in req.headers],
               "head_raw": req.head_raw.decode("latin-1"), "body": req.body.decode("latin-1"),
               "body_hex": req.body.hex(), "kind": self._kind(path), "verdict": "ok", "reason": None,
               "fault": None, "status": None, "http_status": None}
        self.records.append(rec)
        return rec

    @staticmethod
    def _kind(path):
        if path.startswith("/public/"):
            return "public"
        return "private" if path in PRIVATE_PATHS else "unknown"

    def _route(self, req, path, query, rec, carry_out):
        if rec["kind"] == "private":
            return self._private(req, path, rec, carry_out)
        if rec["kind"] == "public" and req.method != "GET":
            raise http_error(405, METHOD_NOT_ALLOWED, MSG_METHOD, "method_not_allowed")
        canned = self.canned.get(path)
        if canned is not None:
            return canned
        if rec["kind"] == "public":
            return self._public(path, query)
        raise http_error(404, BAD_REQUEST, MSG_NOT_FOUND, "unknown_path")

    def _public(self, path, query):
        market = self.market
        for prefix in (TICKER, TRADES, ORDERBOOK):
            if path.startswith(prefix):
                code = path[len(prefix):]
                break
        else:
            raise http_error(404, BAD_REQUEST, MSG_NOT_FOUND, "unknown_path")
        if prefix == TICKER and code == "ALL":
            return {"status": OK_STATUS, "data": market.ticker_all()}
        if market.coin(code) is None:
            raise unknown_coin(code)
        if prefix == TICKER:
            return {"status": OK_STATUS, "data": market.ticker_one(code)}
        if prefix == TRADES:
            return {"status": OK_STATUS, "data": market.trades(code)}
        return {"status": OK_STATUS, "data": market.orderbook(code, book_levels(query))}

    def _private(self, req, path, rec, carry_out):
        if req.method != "POST":
            raise http_error(405, METHOD_NOT_ALLOWED, MSG_METHOD, "method_not_allowed")
        signed = verify(path, req.headers, req.body, self.accounts.secret_bytes(), self.checks, rec)
        rec["form"] = signed.params
        if not self.accounts.accept_nonce(signed.api_key, signed.nonce, self.checks.nonce):
            raise ExchangeError(BAD_REQUEST, MSG_NONCE, "stale_nonce")
        canned = self.canned.get(path)
        if canned is not None or not carry_out:
            return canned
        accounts, market = self.accounts, self.market
        if path == "/info/balance":
            return {"status": OK_STATUS, "data": accounts.balance(signed, market)}
        if path == "/info/user_transactions":
            return {"status": OK_STATUS, "data": accounts.user_transactions(signed, market)}
        side = SEARCH_BUY if path == "/trade/market_buy" else SEARCH_SELL
        order_id, fills = accounts.market_order(signed, market, side)
        rec["order_id"] = order_id
        return {"status": OK_STATUS, "order_id": order_id, "data": fills}

    def _shape(self, payload, http_status, fault, rec):
        if isinstance(payload, Reply):           # a canned reply
            reply = Reply(payload.http_status, payload.body, payload.content_type)
        else:
            reply = Reply(http_status, to_json_bytes(payload) if payload is not None else b"")
            rec["status"] = payload.get("status") if isinstance(payload, dict) else None
        if fault is None:
            return reply
        rec["fault"] = fault.mode
        reply.delay_ms = fault.delay_ms
        p = fault.params
        mode = fault.mode
        if mode in ("non_json", "garbled"):
            reply.http_status = 200
            reply.body = str(p.get("text", NON_JSON_TEXT)).encode("utf-8")
            reply.content_type = "text/html; charset=utf-8"
        elif mode in ("error_status", "http_401", "http_500", "http_error"):
            code, status, message = {"error_status": (200, CUSTOM_NOTICE, MSG_RETRY_LATER),
                                     "http_401": (401, INVALID_KEY, MSG_UNAUTHORIZED),
                                     "http_500": (500, UNKNOWN_ERROR, MSG_SERVER_ERROR),
                                     "http_error": (500, UNKNOWN_ERROR, MSG_SERVER_ERROR)}[mode]
            if mode == "http_error":
                code = int(p.get("http_status", code))
            body = {"status": str(p.get("status", status)), "message": str(p.get("message", message))}
            reply.http_status, reply.body, reply.content_type = code, to_json_bytes(body), JSON_TYPE
            rec["status"] = body["status"]
        elif mode == "cut_json":
            reply.body = reply.body[:max(0, len(reply.body) // 2)]
        elif mode in ("truncated", "no_length", "chunked", "close"):
            reply.shape = mode
        elif mode == "hang_up":
            reply.shape = "close"
        return reply


def http_error(http_status, status, message, reason):
    err = ExchangeError(status, message, reason)
    err.http_status = http_status
    return err


def book_levels(query):
    for part in query.split("&"):
        name, _, value = part.partition("=")
        if name == "count":
            if not value.isdigit() or not 1 <= int(value) <= MAX_LEVELS:
                raise bad_parameter("bad_count")
            return int(value)
    return DEFAULT_LEVELS
