#!/usr/bin/env python3
"""Exchange (Zembra) test peer: the exchange's HTTPS REST interface, for tests and the demo.

Usage:
    python3 testbed/exchange_peer.py --host 127.0.0.1 --port P --control-port C
        --cert localhost.pem --key localhost.key  [--seed N] [--static | --market]
        [--tick-ms 1000] [--coins N] [--api-key K --api-secret S] [--idle-timeout 120]
        [--max-records 5000] [--verbose]

Prints `READY port=<P> control=<C> scheme=https` once listening (scheme=http when no
--cert/--key is given), then runs until SIGTERM/SIGINT or {"cmd":"shutdown"}. Logs go to
stderr. HTTP/1.1 with Content-Length and keep-alive; JSON replies in UTF-8.

Public paths (GET; other methods get HTTP 405):
    /public/ticker/ALL                 {"status":"0000","data":{"BTC":{...},...,"date":"<ms>"}}
    /public/ticker/<coin>              the same fields for one coin, plus "date"
    /public/transaction_history/<coin> {"status":"0000","data":[{"transaction_date":
                                       "YYYY-MM-DD HH:MM:SS","type":"bid"|"ask","units_traded",
                                       "price","total"}, ... newest first]}
    /public/orderbook/<coin>[?count=N] {"status":"0000","data":{"timestamp":"<ms>",
                                       "order_currency","payment_currency":"KRW",
                                       "bids":[{"quantity","price"}...],"asks":[...]}}
                                       (20 levels each, best first; count 1..50)
  Ticker fields (all texts): opening_price closing_price min_price max_price average_price
  units_traded volume_1day volume_7day buy_price sell_price. Twelve coins by default (BTC BCH
  BTG ETH ETC XRP LTC DASH XMR ZEC QTUM EOS); `synthetic_coins` adds SYN0001... An unknown
  coin gets status "5500" with a Korean message.
  Market: moving by default (one random-walk step every --tick-ms, reproducible from --seed);
  --static or {"cmd":"market","mode":"frozen"} holds the prices.

Private paths (POST, signed; checked in exchange_peer_auth.py, independently of the client):
    /info/balance            currency=<coin>|ALL|KRW  data: total_krw, in_use_krw,
                             available_krw (JSON integers); per coin total_<c>, in_use_<c>,
                             available_<c> (texts, 8 decimals), xcoin_last_<c> (text);
                             a single coin also gets "xcoin_last"
    /info/user_transactions  offset=0&count=1..50&searchGb=0|1|2|...&currency=<coin>
                             data: [{"search","transfer_date" (microseconds),"units"
                             ("+ 0.013" / "- 0.013"),"price" (amount in won),"<c>1krw"
                             (unit price),"fee","<c>_remain","krw_remain"}, newest first]
    /trade/market_buy, /trade/market_sell   units=<decimal>&currency=<coin>
                             {"status":"0000","order_id":"...","data":[{"cont_id","units",
                             "price" (texts),"total" (integer),"fee" (number)}]}
  Orders fill at the coin's served closing price; fee (default 0.25%) is charged in won. A buy
  larger than the available won, a sell larger than the available coin, units <= 0 or an
  order worth under 1 won is refused with status "5600" and a Korean message.
  Every refusal: HTTP 200, {"status":"5xxx","message":"<Korean>"}; the record's "reason" says
  why (missing_header:X, duplicate_header:X, header_case:X, bad_client_type,
  bad_content_type, body_not_endpoint_first, body_escape, body_encoding, endpoint_mismatch,
  unknown_key, bad_nonce, bad_signature, stale_nonce, unknown_coin:X, bad_units, ...).
  The nonce must grow strictly per API key; it is used up once the signature checks out.

Default keys: API key "molvane-demo-key", secret "molvane-demo-secret" (--api-key and
--api-secret replace them). A key's book starts with 10,000,000 won, 0.5 BTC, 3 ETH and
2000 XRP, and coin deposit entries (search "4") in its history.

Control channel (newline-delimited JSON; replies {"ok":true,...} or {"ok":false,"error"}).
"api_key" defaults to the first configured key.
    {"cmd":"ping"}
    {"cmd":"reset"}             market, keys, books, nonces, checks, canned replies, faults and
                                records back to the start-up state
    {"cmd":"requests"[,"path":P][,"since":SEQ]}  -> {"requests":[{seq, time_ms, conn, client,
                                method, target, path, query, version, headers [[name,value]],
                                head_raw, body (latin-1), body_hex, kind public|private|unknown,
                                api_key, nonce, form [[name,value]], verdict ok|refused, reason,
                                fault, status, http_status, reply (first 4096 bytes),
                                reply_length, order_id, expected_sign/expected_body (on those
                                refusals)}]}
    {"cmd":"clear_requests"}
    {"cmd":"tls_errors"}        failed TLS handshakes (kept apart from the requests)
    {"cmd":"state"}             faults, checks, market, keys, fee, fills, connections
    {"cmd":"shutdown"}
    {"cmd":"set_keys","keys":[{"api_key":K,"secret":S},...][,"replace":true]}
    {"cmd":"set_checks"[,"header_case":b][,"body_encoding":b][,"nonce":b]}  relax checks
    {"cmd":"set_balance"[,"api_key":K],"available":{"KRW":1000000,"BTC":"0.5"}
                                [,"in_use":{...}]}
    {"cmd":"balance"[,"api_key":K]}  -> {"available":{...},"in_use":{...}}
    {"cmd":"set_transactions"[,"api_key":K],"currency":C,"transactions":[{...},...]}
    {"cmd":"transactions"[,"api_key":K],"currency":C}  -> {"transactions":[...]}
    {"cmd":"set_fee","rate":"0.0025"}
    {"cmd":"set_fills","count":N}  split each order into N fills (1..20)
    {"cmd":"set_ticker","coin":C,"fields":{...}|null}  override ticker fields (any JSON
                                values); a numeric closing_price also pins the coin's price
    {"cmd":"set_coins","coins":[...]}  the coins served, in order (empty: "data" holds only
                                "date")
    {"cmd":"synthetic_coins","count":N}  serve N extra coins SYN0001.. (0..5000)
    {"cmd":"set_trades","coin":C,"trades":[...]|null}
    {"cmd":"set_orderbook","coin":C,"bids":[...],"asks":[...]}  or "book":null to undo
    {"cmd":"ticker"}            -> {"data": the current ticker of all coins}
    {"cmd":"market","mode":"moving"|"frozen"[,"tick_ms":N]}
    {"cmd":"market_step"[,"n":N]}  move the market N steps now
    {"cmd":"set_time","ms":N|null}  fix the clock of "date", "timestamp" and trade times
    {"cmd":"set_reply","path":P,"json":{...}|"text":T|"hex":H[,"http_status":N]}  canned
                                reply for one path (a private path still checks the request)
    {"cmd":"clear_replies"}
    {"cmd":"fault","mode":M[,"path":P][,"times":N][,params]}  arm a fault; "none" clears all.
      "path" is an exact path, or a prefix when it ends in "/"; without it every path.
      "times" (alias "count"): replies it applies to, unlimited when absent. "after": N lets
      the first N matching requests pass untouched before it applies. Faults are
      checked in the order armed; the first that matches applies. Every mode takes
      "delay_ms" (wait before replying).
      Replacing modes (request still checked and recorded, nothing carried out):
        non_json      HTTP 200, an HTML text ("text" overrides)
        error_status  HTTP 200, {"status":"5600","message":"잠시 후 다시 시도해 주십시오."}
                      ("status", "message" override)
        http_401      HTTP 401 with {"status":"5300","message":"인증에 실패했습니다."}
        http_500      HTTP 500 with {"status":"5900","message":"서버 내부 오류가 발생했습니다."}
        http_error    "http_status" (default 500) with "status"/"message"
        close         the connection is closed without any reply
      Shaping modes (request carried out; the real reply travels differently):
        slow          the reply after "delay_ms" (default 1000)
        cut_json      the first half of the JSON with a matching Content-Length
        truncated     Content-Length of the whole reply, half of it sent, connection closed
        no_length     no Content-Length; "Connection: close" ends the body
        chunked       Transfer-Encoding: chunked
        garbled       HTTP 200, an HTML text ("text" overrides) instead of the reply
        hang_up       the connection is closed without any reply
"""

import argparse
import logging
import os
import socket
import socketserver
import ssl
import sys
import threading
import time
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from exchange_peer_accounts import DEFAULT_API_KEY, DEFAULT_SECRET  # noqa: E402
from exchange_peer_control import control_server  # noqa: E402
from exchange_peer_errors import BAD_REQUEST, MSG_BODY  # noqa: E402
from exchange_peer_state import Exchange, Incoming, Options, Reply, to_json_bytes  # noqa: E402
from peerlib import run_until_stopped, serve_in_background  # noqa: E402

MAX_BODY = 1024 * 1024
HANDSHAKE_TIMEOUT = 10

log = logging.getLogger("exchange_peer")


class _HeadRecorder:
    """Stands in for rfile while the header lines are read, keeping their raw bytes."""

    def __init__(self, stream):
        self.stream = stream
        self.lines = []

    def readline(self, limit=-1):
        line = self.stream.readline(limit)
        self.lines.append(line)
        return line


class ExchangeHandler(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"
    server_version = "Zembra"
    sys_version = ""

    def setup(self):
        self.timeout = self.server.idle_timeout
        super().setup()
        # Headers and body go out in separate writes; without this each reply waits on
        # the client's delayed acknowledgement.
        self.connection.setsockopt(socket.IPPROTO_TCP, socket.TCP_NODELAY, 1)
        self.conn_id = self.server.exchange.new_connection()
        self.head_raw = b""

    def parse_request(self):
        recorder = _HeadRecorder(self.rfile)
        self.rfile = recorder
        try:
            return super().parse_request()
        finally:
            self.rfile = recorder.stream
            self.head_raw = self.raw_requestline + b"".join(recorder.lines)

    def log_message(self, fmt, *args):
        log.info("%s %s", self.address_string(), fmt % args)

    def incoming(self, body):
        return Incoming(self.command, self.path, self.request_version, list(self.headers.items()),
                        self.head_raw, body, self.conn_id, "%s:%d" % self.client_address[:2])

    def serve(self):
        exchange = self.server.exchange
        if self.headers.get("Transfer-Encoding"):
            return self.write(exchange.refuse_transport(self.incoming(b""), error_reply(411), "chunked_request"))
        try:
            length = int(self.headers.get("Content-Length", "0"))
            if not 0 <= length <= MAX_BODY:
                raise ValueError
        except ValueError:
            return self.write(exchange.refuse_transport(self.incoming(b""), error_reply(400), "bad_content_length"))
        body = self.rfile.read(length) if length else b""
        if len(body) < length:
            exchange.refuse_transport(self.incoming(body), Reply(400), "body_shorter_than_content_length")
            self.close_connection = True
            return
        reply = exchange.answer(self.incoming(body))
        if reply.delay_ms:
            time.sleep(reply.delay_ms / 1000.0)
        self.write(reply)

    do_GET = do_POST = do_PUT = do_DELETE = do_PATCH = serve

    def write(self, reply: Reply):
        if reply.shape == "close":
            self.close_connection = True
            return
        body = reply.body
        self.send_response(reply.http_status)
        self.send_header("Content-Type", reply.content_type)
        for name, value in reply.extra_headers:
            self.send_header(name, value)
        if reply.shape == "no_length":
            self.send_header("Connection", "close")
            self.end_headers()
            self.wfile.write(body)
        elif reply.shape == "chunked":
            self.send_header("Transfer-Encoding", "chunked")
            self.end_headers()
            half = len(body) // 2
            for chunk in (body[:half], body[half:]):
                if chunk:
                    self.wfile.write(b"%X\r\n%s\r\n" % (len(chunk), chunk))
            self.wfile.write(b"0\r\n\r\n")
        elif reply.shape == "truncated":
            self.send_header("Content-Length", str(len(body)))
            self.send_header("Connection", "close")
            self.end_headers()
            self.wfile.write(body[:len(body) // 2])
        else:
            self.send_header("Content-Length", str(len(body)))
            self.end_headers()
            self.wfile.write(body)
        self.wfile.flush()


def error_reply(http_status):
    reply = Reply(http_status, to_json_bytes({"status": BAD_REQUEST, "message": MSG_BODY}))
    reply.extra_headers.append(("Connection", "close"))
    return reply


class ExchangeHTTPServer(ThreadingHTTPServer):
    daemon_threads = True
    block_on_close = False

    def __init__(self, address, exchange, tls_context, idle_timeout):
        self.exchange = exchange
        self.tls_context = tls_context
        self.idle_timeout = idle_timeout
        super().__init__(address, ExchangeHandler)

    def server_bind(self):
        # HTTPServer.server_bind would look the host up in DNS; the address is all we need.
        socketserver.TCPServer.server_bind(self)
        self.server_name, self.server_port = self.server_address[:2]

    def finish_request(self, request, client_address):
        """Runs on the connection's own thread, so a slow handshake holds up nobody else."""
        if self.tls_context is None:
            return super().finish_request(request, client_address)
        request.settimeout(HANDSHAKE_TIMEOUT)
        try:
            tls = self.tls_context.wrap_socket(request, server_side=True)
        except (OSError, ssl.SSLError) as exc:
            self.exchange.note_tls_error("%s:%d" % client_address[:2], str(exc))
            log.warning("TLS handshake with %s failed: %s", client_address, exc)
            return
        try:
            self.RequestHandlerClass(tls, client_address, self)
        finally:
            try:
                tls.close()
            except OSError:
                pass

    def handle_error(self, request, client_address):
        log.info("connection %s ended: %s", client_address, sys.exc_info()[1])


def parse_args(argv):
    parser = argparse.ArgumentParser(description="Exchange (Zembra) REST test peer")
    parser.add_argument("--host", default="127.0.0.1")
    parser.add_argument("--port", type=int, default=0)
    parser.add_argument("--control-port", type=int, default=0)
    parser.add_argument("--cert", help="PEM certificate (chain) of the server")
    parser.add_argument("--key", help="PEM private key of the certificate")
    parser.add_argument("--seed", type=int, default=1)
    motion = parser.add_mutually_exclusive_group()
    motion.add_argument("--market", dest="moving", action="store_true", default=True,
                        help="prices move every tick (default)")
    motion.add_argument("--static", dest="moving", action="store_false", help="prices hold still")
    parser.add_argument("--tick-ms", type=int, default=1000)
    parser.add_argument("--coins", type=int, default=0, help="synthetic coins served besides the 12")
    parser.add_argument("--api-key", default=DEFAULT_API_KEY)
    parser.add_argument("--api-secret", default=DEFAULT_SECRET)
    parser.add_argument("--idle-timeout", type=float, default=120.0,
                        help="seconds a kept-alive connection may stay idle")
    parser.add_argument("--max-records", type=int, default=5000)
    parser.add_argument("--verbose", action="store_true")
    args = parser.parse_args(argv)
    if bool(args.cert) != bool(args.key):
        parser.error("--cert and --key go together")
    if not 50 <= args.tick_ms <= 3_600_000:
        parser.error("--tick-ms must be 50..3600000")
    if not args.api_key or not args.api_secret:
        parser.error("--api-key and --api-secret must not be empty")
    return args


def main(argv=None):
    args = parse_args(argv)
    logging.basicConfig(stream=sys.stderr, level=logging.INFO if args.verbose else logging.WARNING,
                        format="exchange_peer: %(message)s")
    tls = None
    if args.cert:
        tls = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
        tls.load_cert_chain(args.cert, args.key)
    else:
        log.warning("no --cert/--key: serving plain HTTP")

    exchange = Exchange(Options(seed=args.seed, moving=args.moving, tick_ms=args.tick_ms,
                                synthetic=args.coins, keys=((args.api_key, args.api_secret),),
                                max_records=args.max_records))
    server = ExchangeHTTPServer((args.host, args.port), exchange, tls, args.idle_timeout)
    control = control_server((args.host, args.control_port), exchange)
    serve_in_background(server, control)
    threading.Thread(target=exchange.run_market_clock, daemon=True).start()

    run_until_stopped(exchange.stopping,
                      "READY port=%d control=%d scheme=%s" % (server.server_address[1], control.server_address[1],
                                                              "https" if tls else "http"),
                      (server, control))
    return 0


if __name__ == "__main__":
    sys.exit(main())
