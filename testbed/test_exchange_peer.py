"""Self-test of the exchange peer, driven over HTTPS by a signing client written here.

Run: python3 -m unittest testbed/test_exchange_peer.py
"""

import base64
import hashlib
import hmac
import itertools
import http.client
import json
import os
import re
import shutil
import socket
import ssl
import subprocess
import sys
import tempfile
import time
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
PEER = os.path.join(HERE, "exchange_peer.py")
API_KEY, SECRET = "molvane-demo-key", "molvane-demo-secret"
LISTED = ("BTC", "BCH", "BTG", "ETH", "ETC", "XRP", "LTC", "DASH", "XMR", "ZEC", "QTUM", "EOS")
TICKER_FIELDS = ("opening_price", "closing_price", "min_price", "max_price", "average_price",
                 "units_traded", "volume_1day", "volume_7day", "buy_price", "sell_price")
HANGUL = re.compile("[\uac00-\ud7a3]")
NONCES = itertools.count(int(time.time() * 1000))
KEEP = set(b"0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz@.=\\-_:&")


def encode_form(text):
    return b"".join(bytes([b]) if b in KEEP else b"%%%02X" % b for b in text.encode("cp949"))


def sign(secret, endpoint, body, nonce):
    mac = hmac.new(secret.encode(), endpoint.encode() + b"\x01" + body + b"\x01" + nonce.encode(),
                   hashlib.sha512).hexdigest()
    return base64.b64encode(mac.encode()).decode()


def make_cert(folder):
    """A throwaway self-signed localhost certificate, or None without the openssl tool."""
    if shutil.which("openssl") is None:
        return None
    cert, key = os.path.join(folder, "cert.pem"), os.path.join(folder, "key.pem")
    subprocess.run(["openssl", "req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1",
                    "-nodes", "-days", "1", "-subj", "/CN=localhost", "-keyout", key, "-out", cert],
                   check=True, capture_output=True)
    return cert, key


class PeerCase(unittest.TestCase):
    """One peer for the whole class (static market, seed 7), reset before every test."""

    @classmethod
    def setUpClass(cls):
        cls.folder = tempfile.mkdtemp(prefix="exchange_peer_test_")
        cert = make_cert(cls.folder)
        args = [sys.executable, PEER, "--host", "127.0.0.1", "--port", "0", "--control-port", "0",
                "--static", "--seed", "7"]
        if cert:
            args += ["--cert", cert[0], "--key", cert[1]]
        cls.proc = subprocess.Popen(args, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        ready = cls.proc.stdout.readline().split()
        assert ready and ready[0] == "READY", ready
        fields = dict(item.split("=", 1) for item in ready[1:])
        cls.port, cls.control_port = int(fields["port"]), int(fields["control"])
        cls.tls = fields["scheme"] == "https"
        cls.control_sock = socket.create_connection(("127.0.0.1", cls.control_port), timeout=10)
        cls.control_file = cls.control_sock.makefile("rb")

    @classmethod
    def tearDownClass(cls):
        try:
            cls.ctl("shutdown")
            cls.proc.wait(timeout=5)
        finally:
            if cls.proc.poll() is None:
                cls.proc.kill()
                cls.proc.wait()
            cls.proc.stdout.close()
            cls.control_file.close()
            cls.control_sock.close()
            shutil.rmtree(cls.folder, ignore_errors=True)

    def setUp(self):
        self.ctl("reset")

    @classmethod
    def ctl(cls, cmd, **params):
        cls.control_sock.sendall(json.dumps(dict(cmd=cmd, **params)).encode() + b"\n")
        return json.loads(cls.control_file.readline())

    def ok(self, cmd, **params):
        reply = self.ctl(cmd, **params)
        self.assertTrue(reply["ok"], reply)
        return reply

    def connect(self):
        if self.tls:
            context = ssl._create_unverified_context()
            return http.client.HTTPSConnection("127.0.0.1", self.port, timeout=10, context=context)
        return http.client.HTTPConnection("127.0.0.1", self.port, timeout=10)

    def fetch(self, method, path, body=None, headers=None, conn=None):
        """(HTTP status, headers, body bytes) of one request on a fresh or given connection."""
        own = conn is None
        conn = conn or self.connect()
        try:
            conn.request(method, path, body=body, headers=headers or {})
            resp = conn.getresponse()
            return resp.status, resp.headers, resp.read()
        finally:
            if own:
                conn.close()

    def get_json(self, path):
        status, _, body = self.fetch("GET", path)
        return status, json.loads(body.decode("utf-8"))

    @staticmethod
    def next_nonce():
        return str(next(NONCES))

    def signed(self, endpoint, params, key=API_KEY, secret=SECRET, nonce=None):
        """Body and headers of a correctly signed private request."""
        nonce = nonce or self.next_nonce()
        body = encode_form("endpoint=%s&%s" % (endpoint, params))
        headers = {"Content-Type": "application/x-www-form-urlencoded", "Api-Key": key,
                   "Api-Sign": sign(secret, endpoint, body, nonce), "Api-Nonce": nonce,
                   "api-client-type": "1"}
        return body, headers

    def post(self, endpoint, params="", **kw):
        body, headers = self.signed(endpoint, params, **kw)
        status, _, reply = self.fetch("POST", endpoint, body, headers)
        return status, json.loads(reply.decode("utf-8"))

    def last_record(self):
        return self.ok("requests")["requests"][-1]

    def assertRefused(self, reply, reason):
        self.assertNotEqual(reply["status"], "0000")
        self.assertRegex(reply["message"], HANGUL)
        record = self.last_record()
        self.assertEqual((record["verdict"], record["reason"]), ("refused", reason))


class SigningTest(PeerCase):
    def test_client_encoding_matches_the_documented_example(self):
        self.assertEqual(encode_form("endpoint=/info/balance&currency=BTC"),
                         b"endpoint=%2Finfo%2Fbalance&currency=BTC")
        self.assertEqual(len(sign(SECRET, "/info/balance", b"x", "1")), 172)

    def test_correct_request_is_accepted_and_recorded(self):
        status, reply = self.post("/info/balance", "currency=BTC")
        self.assertEqual((status, reply["status"]), (200, "0000"))
        record = self.last_record()
        self.assertEqual((record["verdict"], record["kind"], record["api_key"]), ("ok", "private", API_KEY))
        self.assertEqual(record["body"], "endpoint=%2Finfo%2Fbalance&currency=BTC")
        self.assertEqual(record["form"], [["currency", "BTC"]])
        self.assertIn(["api-client-type", "1"], record["headers"])
        self.assertIn("Api-Sign: ", record["head_raw"])

    def test_empty_parameters_give_a_body_ending_in_ampersand(self):
        status, reply = self.post("/info/balance", "")
        self.assertEqual(reply["status"], "0000")
        self.assertEqual(self.last_record()["body"], "endpoint=%2Finfo%2Fbalance&")

    def test_faulty_requests_are_refused(self):
        def tampered_body(body, headers):
            return body.replace(b"BTC", b"ETH"), headers

        def with_header(name, value):
            return lambda body, headers: (body, {**headers, name: value})

        def without_header(name):
            return lambda body, headers: (body, {k: v for k, v in headers.items() if k != name})

        def renamed_header(old, new):
            def change(body, headers):
                headers = dict(headers)
                headers[new] = headers.pop(old)
                return body, headers
            return change

        def resigned(body_bytes, endpoint="/info/balance"):
            def change(_body, headers):
                return body_bytes, {**headers, "Api-Sign": sign(SECRET, endpoint, body_bytes, headers["Api-Nonce"])}
            return change

        cases = [
            ("body changed after signing", tampered_body, "bad_signature"),
            ("signature of another secret",
             lambda b, h: (b, {**h, "Api-Sign": sign("other", "/info/balance", b, h["Api-Nonce"])}), "bad_signature"),
            ("raw MAC instead of hex text", lambda b, h: (b, {**h, "Api-Sign": base64.b64encode(hmac.new(
                SECRET.encode(), b"/info/balance\x01" + b + b"\x01" + h["Api-Nonce"].encode(),
                hashlib.sha512).digest()).decode()}), "bad_signature"),
            ("unknown API key", with_header("Api-Key", "stranger"), "unknown_key"),
            ("no signature", without_header("Api-Sign"), "missing_header:Api-Sign"),
            ("no nonce", without_header("Api-Nonce"), "missing_header:Api-Nonce"),
            ("no client type", without_header("api-client-type"), "missing_header:api-client-type"),
            ("lower-case key header", renamed_header("Api-Key", "api-key"), "header_case:api-key"),
            ("client type 2", with_header("api-client-type", "2"), "bad_client_type"),
            ("JSON content type", with_header("Content-Type", "application/json"), "bad_content_type"),
            ("nonce with letters", with_header("Api-Nonce", "12a4"), "bad_nonce"),
            ("slash not encoded", resigned(b"endpoint=/info/balance&currency=BTC"), "body_encoding"),
            ("other endpoint in body", resigned(b"endpoint=%2Finfo%2Fuser_transactions&"), "endpoint_mismatch"),
            ("no ampersand after endpoint", resigned(b"endpoint=%2Finfo%2Fbalance"), "endpoint_mismatch"),
            ("body without endpoint", resigned(b"currency=BTC"), "body_not_endpoint_first"),
            ("broken escape", resigned(b"endpoint=%2Finfo%2Fbalance&x=%G1"), "body_escape"),
        ]
        for name, change, reason in cases:
            with self.subTest(name):
                body, headers = change(*self.signed("/info/balance", "currency=BTC"))
                status, _, raw = self.fetch("POST", "/info/balance", body, headers)
                self.assertEqual(status, 200)
                self.assertRefused(json.loads(raw.decode("utf-8")), reason)

    def test_nonce_must_grow_and_is_spent_only_by_a_valid_signature(self):
        nonce = self.next_nonce()
        body, headers = self.signed("/info/balance", "currency=BTC", nonce=nonce)
        _, _, raw = self.fetch("POST", "/info/balance", body, {**headers, "Api-Sign": "x" * 172})
        self.assertRefused(json.loads(raw), "bad_signature")
        self.assertEqual(self.post("/info/balance", "currency=BTC", nonce=nonce)[1]["status"], "0000")
        for stale in (nonce, str(int(nonce) - 5)):
            with self.subTest(stale=stale):
                self.assertRefused(self.post("/info/balance", "currency=BTC", nonce=stale)[1], "stale_nonce")
        self.ok("set_checks", nonce=False)
        self.assertEqual(self.post("/info/balance", "currency=BTC", nonce=nonce)[1]["status"], "0000")

    def test_relaxed_header_case_and_new_keys(self):
        self.ok("set_checks", header_case=False)
        body, headers = self.signed("/info/balance", "currency=BTC")
        headers["api-key"] = headers.pop("Api-Key")
        _, _, raw = self.fetch("POST", "/info/balance", body, headers)
        self.assertEqual(json.loads(raw)["status"], "0000")
        self.ok("set_keys", keys=[{"api_key": "k2", "secret": "s2"}])
        self.assertRefused(self.post("/info/balance", "currency=BTC")[1], "unknown_key")
        self.assertEqual(self.post("/info/balance", "currency=BTC", key="k2", secret="s2")[1]["status"], "0000")

    def test_wrong_methods(self):
        status, _, raw = self.fetch("GET", "/info/balance")
        self.assertEqual(status, 405)
        self.assertRefused(json.loads(raw), "method_not_allowed")
        status, _, raw = self.fetch("POST", "/public/ticker/ALL", b"x")
        self.assertEqual(status, 405)


class PublicTest(PeerCase):
    def test_ticker_of_all_coins(self):
        status, reply = self.get_json("/public/ticker/ALL")
        self.assertEqual((status, reply["status"]), (200, "0000"))
        data = reply["data"]
        self.assertEqual(sorted(data), sorted(LISTED + ("date",)))
        self.assertTrue(data["date"].isdigit())
        for coin in LISTED:
            self.assertEqual(sorted(data[coin]), sorted(TICKER_FIELDS))
            self.assertTrue(all(isinstance(v, str) for v in data[coin].values()))
            self.assertLess(int(data[coin]["buy_price"]), int(data[coin]["sell_price"]))

    def test_trades_and_order_book(self):
        _, trades = self.get_json("/public/transaction_history/BTC")
        self.assertEqual(trades["status"], "0000")
        self.assertGreaterEqual(len(trades["data"]), 10)
        for trade in trades["data"]:
            self.assertEqual(sorted(trade), ["price", "total", "transaction_date", "type", "units_traded"])
            self.assertIn(trade["type"], ("bid", "ask"))
            self.assertRegex(trade["transaction_date"], r"^\d{4}-\d\d-\d\d \d\d:\d\d:\d\d$")
        _, book = self.get_json("/public/orderbook/ETH")
        data = book["data"]
        self.assertEqual((data["order_currency"], len(data["bids"]), len(data["asks"])), ("ETH", 20, 20))
        bids = [int(level["price"]) for level in data["bids"]]
        asks = [int(level["price"]) for level in data["asks"]]
        self.assertEqual(bids, sorted(bids, reverse=True))
        self.assertEqual(asks, sorted(asks))
        self.assertLess(bids[0], asks[0])
        self.assertEqual(len(self.get_json("/public/orderbook/ETH?count=5")[1]["data"]["asks"]), 5)

    def test_unknown_coin_and_path(self):
        for path in ("/public/orderbook/NOPE", "/public/transaction_history/NOPE", "/public/ticker/NOPE"):
            with self.subTest(path):
                status, reply = self.get_json(path)
                self.assertEqual((status, reply["status"]), (200, "5500"))
                self.assertRegex(reply["message"], HANGUL)
        self.assertEqual(self.get_json("/public/nothing")[0], 404)

    def test_market_is_reproducible_from_the_seed(self):
        def after(steps):
            self.ok("reset")
            if steps:
                self.ok("market_step", n=steps)
            return {c: v["closing_price"] for c, v in self.get_json("/public/ticker/ALL")[1]["data"].items()
                    if c != "date"}
        start, moved = after(0), after(30)
        self.assertEqual(moved, after(30))
        self.assertNotEqual(start, moved)

    def test_canned_ticker_data(self):
        self.ok("set_time", ms=1514764800000)
        self.ok("set_ticker", coin="BTC", fields={"closing_price": "9000000", "min_price": "1234567890123"})
        self.ok("market_step", n=5)
        data = self.get_json("/public/ticker/ALL")[1]["data"]
        self.assertEqual((data["BTC"]["closing_price"], data["BTC"]["min_price"], data["date"]),
                         ("9000000", "1234567890123", "1514764800000"))
        self.ok("set_coins", coins=[])
        self.assertEqual(self.get_json("/public/ticker/ALL")[1]["data"], {"date": "1514764800000"})
        self.ok("reset")
        self.ok("synthetic_coins", count=300)
        self.assertEqual(len(self.get_json("/public/ticker/ALL")[1]["data"]), 12 + 300 + 1)
        self.ok("set_trades", coin="ETH", trades=[{"type": "bid"}])
        self.assertEqual(self.get_json("/public/transaction_history/ETH")[1]["data"], [{"type": "bid"}])
        self.ok("set_orderbook", coin="ETH", bids=[], asks=[{"price": "1", "quantity": "2"}])
        self.assertEqual(self.get_json("/public/orderbook/ETH")[1]["data"]["asks"], [{"price": "1", "quantity": "2"}])


class AccountTest(PeerCase):
    def setUp(self):
        super().setUp()
        self.ok("set_balance", available={"KRW": 1000000, "BTC": "0", "ETH": "0", "XRP": "0"})
        self.ok("set_ticker", coin="BTC", fields={"closing_price": "8000000"})

    def balance(self, currency="BTC"):
        status, reply = self.post("/info/balance", "currency=" + currency)
        self.assertEqual(reply["status"], "0000", reply)
        return reply["data"]

    def test_balance_fields(self):
        data = self.balance()
        self.assertEqual((data["available_krw"], data["available_btc"], data["xcoin_last_btc"]),
                         (1000000, "0.00000000", "8000000"))
        everything = self.balance("ALL")
        for coin in LISTED:
            for prefix in ("total_", "in_use_", "available_", "xcoin_last_"):
                self.assertIsInstance(everything[prefix + coin.lower()], str)
        self.assertRefused(self.post("/info/balance", "currency=NOPE")[1], "unknown_coin:NOPE")

    def test_buy_sell_and_history(self):
        reply = self.post("/trade/market_buy", "units=0.013&currency=BTC")[1]
        self.assertEqual(reply["status"], "0000")
        self.assertEqual(reply["data"], [{"cont_id": reply["data"][0]["cont_id"], "units": "0.013",
                                          "price": "8000000", "total": 104000, "fee": 260.0}])
        data = self.balance()
        self.assertEqual((data["available_krw"], data["available_btc"]), (1000000 - 104000 - 260, "0.01300000"))
        self.assertEqual(self.post("/trade/market_sell", "units=0.013&currency=BTC")[1]["status"], "0000")
        self.assertEqual(self.balance()["available_btc"], "0.00000000")

        history = self.post("/info/user_transactions", "offset=0&count=50&searchGb=0&currency=BTC")[1]["data"]
        self.assertEqual([(e["search"], e["units"], e["price"], e["btc1krw"]) for e in history],
                         [("2", "- 0.013", "104000", "8000000"), ("1", "+ 0.013", "104000", "8000000"),
                          ("4", "+ 0.5", "0", "0")])
        self.assertEqual(history[1]["krw_remain"], str(1000000 - 104260))
        buys = self.post("/info/user_transactions", "offset=0&count=50&searchGb=1&currency=BTC")[1]["data"]
        self.assertEqual([e["search"] for e in buys], ["1"])

    def test_orders_beyond_the_balance_are_refused(self):
        cases = [("/trade/market_buy", "units=1&currency=BTC", "insufficient_krw"),
                 ("/trade/market_sell", "units=0.001&currency=BTC", "insufficient_coin"),
                 ("/trade/market_sell", "units=0.000&currency=BTC", "units_not_positive"),
                 ("/trade/market_buy", "units=-1.000&currency=BTC", "units_not_positive"),
                 ("/trade/market_buy", "units=abc&currency=BTC", "bad_units"),
                 ("/trade/market_buy", "units=1&currency=NOPE", "unknown_coin:NOPE")]
        for path, params, reason in cases:
            with self.subTest(params):
                self.assertRefused(self.post(path, params)[1], reason)
        self.assertEqual(self.balance()["available_krw"], 1000000)

    def test_split_fills_share_one_order_id(self):
        self.ok("set_fills", count=2)
        reply = self.post("/trade/market_buy", "units=0.010&currency=BTC")[1]
        self.assertEqual([f["units"] for f in reply["data"]], ["0.005", "0.005"])
        self.assertEqual(self.last_record()["order_id"], reply["order_id"])

    def test_deposits_appear_in_the_default_history(self):
        self.ok("reset")
        history = self.post("/info/user_transactions", "offset=0&count=50&searchGb=0&currency=BTC")[1]["data"]
        self.assertEqual([(e["search"], e["units"]) for e in history], [("4", "+ 0.5")])


class FaultTest(PeerCase):
    def test_each_fault_mode(self):
        def body_of(path="/public/ticker/BTC"):
            status, headers, body = self.fetch("GET", path)
            return status, headers, body

        def json_error(http_status, status, message=None):
            def check(result):
                reply = json.loads(result[2].decode("utf-8"))
                self.assertEqual((result[0], reply["status"]), (http_status, status))
                self.assertRegex(reply["message"], message or HANGUL)
            return check

        def not_json(result):
            self.assertEqual(result[0], 200)
            self.assertRaises(ValueError, json.loads, result[2])

        def plain_json(result):
            self.assertEqual(json.loads(result[2])["status"], "0000")

        def without_length(result):
            plain_json(result)
            self.assertIsNone(result[1].get("Content-Length"))

        cases = [
            ({"mode": "non_json"}, not_json, None),
            ({"mode": "cut_json"}, not_json, None),
            ({"mode": "http_401"}, json_error(401, "5300"), None),
            ({"mode": "http_500"}, json_error(500, "5900"), None),
            ({"mode": "http_error", "http_status": 503, "status": "5400"}, json_error(503, "5400"), None),
            ({"mode": "error_status", "status": "5600", "message": "점검 중입니다."},
             json_error(200, "5600", "점검 중입니다."), None),
            ({"mode": "no_length"}, without_length, None),
            ({"mode": "chunked"}, plain_json, None),
            ({"mode": "truncated"}, None, http.client.IncompleteRead),
            ({"mode": "close"}, None, http.client.RemoteDisconnected),
        ]
        for fault, check, error in cases:
            with self.subTest(fault["mode"]):
                self.ok("fault", **fault)
                if error:
                    self.assertRaises(error, body_of)
                else:
                    check(body_of())
                self.assertEqual(self.last_record()["fault"], fault["mode"])
                self.ok("fault", mode="none")
                plain_json(body_of())

    def test_slow_reply(self):
        self.ok("fault", mode="slow", delay_ms=300, times=1)
        start = time.monotonic()
        self.assertEqual(self.get_json("/public/ticker/ALL")[1]["status"], "0000")
        self.assertGreaterEqual(time.monotonic() - start, 0.3)

    def test_fault_limited_to_a_path_and_a_count(self):
        self.ok("fault", mode="non_json", path="/public/orderbook/", times=1)
        self.assertEqual(self.get_json("/public/ticker/ALL")[1]["status"], "0000")
        self.assertEqual(self.fetch("GET", "/public/orderbook/BTC")[2][:1], b"<")
        self.assertEqual(self.get_json("/public/orderbook/BTC")[1]["status"], "0000")
        self.assertEqual(self.ok("state")["faults"], [])

    def test_replacing_fault_carries_out_no_order_but_spends_the_nonce(self):
        self.ok("fault", mode="non_json", path="/trade/market_buy", times=1)
        nonce = self.next_nonce()
        body, headers = self.signed("/trade/market_buy", "units=1&currency=XRP", nonce=nonce)
        self.assertEqual(self.fetch("POST", "/trade/market_buy", body, headers)[2][:1], b"<")
        self.assertEqual(self.ok("balance")["available"]["XRP"], "2000")
        self.assertEqual(self.post("/trade/market_buy", "units=1&currency=XRP", nonce=nonce)[1]["status"], "5100")
        self.assertEqual(self.post("/trade/market_buy", "units=1&currency=XRP")[1]["status"], "0000")
        self.assertEqual(self.ok("balance")["available"]["XRP"], "2001")

    def test_shaping_fault_of_an_order_carries_it_out_and_spoils_only_the_reply(self):
        cases = [("garbled", lambda fetch: self.assertEqual(fetch()[2][:1], b"<")),
                 ("hang_up", lambda fetch: self.assertRaises(http.client.RemoteDisconnected, fetch)),
                 ("truncated", lambda fetch: self.assertRaises(http.client.IncompleteRead, fetch))]
        for units, (mode, check) in enumerate(cases, start=1):
            with self.subTest(mode):
                self.ok("reset")
                self.ok("fault", mode=mode, path="/trade/market_buy", times=1)
                body, headers = self.signed("/trade/market_buy", "units=%d&currency=XRP" % units)
                check(lambda: self.fetch("POST", "/trade/market_buy", body, headers))
                record = self.last_record()
                self.assertEqual((record["fault"], record["status"]), (mode, "0000"))
                self.assertTrue(record["order_id"])
                self.assertEqual(self.ok("balance")["available"]["XRP"], str(2000 + units))

    def test_fault_after_lets_the_first_matching_requests_pass(self):
        self.ok("fault", mode="non_json", path="/info/balance", after=2, times=1)
        self.assertEqual(self.ok("state")["faults"][0]["after"], 2)
        self.assertEqual(self.get_json("/public/ticker/ALL")[1]["status"], "0000")
        for _ in range(2):
            self.assertEqual(self.post("/info/balance", "currency=BTC")[1]["status"], "0000")
        body, headers = self.signed("/info/balance", "currency=BTC")
        self.assertEqual(self.fetch("POST", "/info/balance", body, headers)[2][:1], b"<")
        self.assertEqual(self.post("/info/balance", "currency=BTC")[1]["status"], "0000")
        self.assertEqual(self.ok("state")["faults"], [])
        for after in (-1, "1", True):
            self.assertFalse(self.ctl("fault", mode="close", after=after)["ok"])

    def test_canned_reply_for_a_private_path(self):
        self.ok("set_reply", path="/info/balance", json={"status": "0000", "data": {"available_krw": "text"}})
        self.assertEqual(self.post("/info/balance", "currency=BTC")[1]["data"], {"available_krw": "text"})
        self.assertRefused(self.post("/info/balance", "currency=BTC", secret="wrong")[1], "bad_signature")


class TransportAndControlTest(PeerCase):
    def test_keep_alive_and_recorded_requests(self):
        conn = self.connect()
        for _ in range(2):
            self.assertEqual(self.fetch("GET", "/public/ticker/ALL", conn=conn)[0], 200)
        conn.close()
        records = self.ok("requests")["requests"]
        self.assertEqual(records[0]["conn"], records[1]["conn"])
        self.assertEqual(self.ok("requests", since=records[0]["seq"])["requests"], records[1:])
        self.ok("clear_requests")
        self.assertEqual(self.ok("requests")["requests"], [])

    def test_control_errors(self):
        self.assertFalse(self.ctl("nonsense")["ok"])
        self.assertFalse(self.ctl("fault", mode="bogus")["ok"])
        self.assertFalse(self.ctl("set_fills", count=0)["ok"])
        self.control_sock.sendall(b"not json\n")
        self.assertFalse(json.loads(self.control_file.readline())["ok"])
        self.assertTrue(self.ctl("ping")["pong"])

    def test_unreadable_length_is_refused_and_recorded(self):
        status, _, raw = self.fetch("POST", "/info/balance", headers={"Content-Length": "abc"})
        self.assertEqual(status, 400)
        self.assertRegex(json.loads(raw)["message"], HANGUL)
        self.assertEqual(self.last_record()["reason"], "bad_content_length")

    def test_failed_handshake_is_noted(self):
        if not self.tls:
            self.skipTest("no openssl tool: the peer runs without TLS")
        with socket.create_connection(("127.0.0.1", self.port), timeout=5) as raw:
            raw.sendall(b"GET / HTTP/1.1\r\n\r\n")
            try:
                raw.recv(100)
            except ConnectionResetError:
                pass
        for _ in range(50):
            if self.ok("tls_errors")["tls_errors"]:
                break
            time.sleep(0.02)
        self.assertTrue(self.ok("tls_errors")["tls_errors"])
        self.assertEqual(self.ok("requests")["requests"], [])


class MovingMarketTest(unittest.TestCase):
    def test_prices_move_by_themselves_and_sigterm_stops_the_peer(self):
        proc = subprocess.Popen([sys.executable, PEER, "--port", "0", "--control-port", "0", "--tick-ms", "50"],
                                stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        try:
            ready = dict(item.split("=", 1) for item in proc.stdout.readline().split()[1:])
            self.assertEqual(ready["scheme"], "http")
            with socket.create_connection(("127.0.0.1", int(ready["control"])), timeout=5) as ctl:
                replies = ctl.makefile("rb")

                def prices():
                    ctl.sendall(b'{"cmd":"ticker"}\n')
                    data = json.loads(replies.readline())["data"]
                    return {c: v["closing_price"] for c, v in data.items() if c != "date"}
                first = prices()
                for _ in range(40):
                    time.sleep(0.05)
                    if prices() != first:
                        break
                self.assertNotEqual(prices(), first)
                replies.close()
            proc.terminate()
            self.assertEqual(proc.wait(timeout=5), 0)
        finally:
            if proc.poll() is None:
                proc.kill()
                proc.wait()
            proc.stdout.close()


if __name__ == "__main__":
    unittest.main()
