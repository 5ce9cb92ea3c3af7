"""Accounts of the exchange peer: API keys, one balance book per key, market orders and the
trade history that "/info/user_transactions" returns.

Amounts are Decimals; won amounts are reported as JSON integers ("available_krw" and its
siblings), coin amounts as texts with 8 decimals, as the exchange does.
"""

import re
from decimal import ROUND_DOWN, ROUND_HALF_UP, Decimal, InvalidOperation

from exchange_peer_errors import (MSG_COIN_SHORT, MSG_KRW_SHORT, MSG_NO_PRICE, MSG_UNITS,
                                  bad_parameter, notice, unknown_coin)
from exchange_peer_market import LISTED_COINS

DEFAULT_API_KEY = "molvane-demo-key"
DEFAULT_SECRET = "molvane-demo-secret"
DEFAULT_BALANCES = {"KRW": "10000000", "BTC": "0.5", "ETH": "3", "XRP": "2000"}
DEFAULT_FEE_RATE = "0.0025"
MAX_FILLS = 20
MAX_HISTORY = 1000
MAX_PAGE = 50
SEARCH_BUY, SEARCH_SELL, SEARCH_DEPOSIT = "1", "2", "4"
UNITS_TEXT = re.compile(r"-?[0-9]+(\.[0-9]*)?\Z")
EIGHT_PLACES = Decimal("0.00000001")
WON_CENTS = Decimal("0.01")
FIRST_ORDER_ID = 1514764800000
FIRST_CONT_ID = 1000000
DAY_MS = 86_400_000


def to_decimal(value, what):
    try:
        number = Decimal(str(value))
    except InvalidOperation:
        raise ValueError("%s is not a number: %r" % (what, value))
    if not number.is_finite():
        raise ValueError("%s is not a finite number: %r" % (what, value))
    return number


def coin_text(amount):
    return format(amount.quantize(EIGHT_PLACES), "f")


def units_text(amount):
    return format(amount.normalize(), "f")


class Book:
    """Money and coins of one API key; `available` and `in_use` per currency code."""

    def __init__(self, balances, now_ms):
        self.available = {code: to_decimal(v, code) for code, v in balances.items()}
        self.in_use = {}
        self.history = {}  # coin code -> transaction entries, newest first
        for code, amount in self.available.items():
            if code != "KRW" and amount > 0:
                self.record(code, self.entry(SEARCH_DEPOSIT, code, amount, 0, 0, Decimal(0), now_ms - DAY_MS))

    def free(self, code):
        return self.available.get(code, Decimal(0))

    def total(self, code):
        return self.free(code) + self.in_use.get(code, Decimal(0))

    def entry(self, search, code, units, price, amount, fee, ms):
        sign = "-" if search == SEARCH_SELL else "+"
        low = code.lower()
        return {"search": search, "transfer_date": str(ms * 1000),
                "units": "%s %s" % (sign, units_text(units)), "price": str(amount),
                low + "1krw": str(price), "fee": format(fee.quantize(WON_CENTS), "f"),
                low + "_remain": coin_text(self.total(code)), "krw_remain": str(int(self.total("KRW")))}

    def record(self, code, entry):
        entries = self.history.setdefault(code, [])
        entries.insert(0, entry)
        del entries[MAX_HISTORY:]


class Accounts:
    def __init__(self, keys, now_ms):
        self.now_ms = now_ms
        self.secrets = {}
        self.books = {}
        self.nonces = {}
        self.fee_rate = Decimal(DEFAULT_FEE_RATE)
        self.fills = 1
        self.next_order = FIRST_ORDER_ID
        self.next_cont = FIRST_CONT_ID
        self.set_keys(keys)

    def set_keys(self, pairs, replace=True):
        if replace:
            self.secrets = {}
        for api_key, secret in pairs:
            if not isinstance(api_key, str) or not isinstance(secret, str) or not api_key or not secret:
                raise ValueError("API key and secret must be non-empty strings")
            self.secrets[api_key] = secret
        self.books = {k: b for k, b in self.books.items() if k in self.secrets}

    def secret_bytes(self):
        return {k: s.encode("utf-8") for k, s in self.secrets.items()}

    def accept_nonce(self, api_key, nonce, strict):
        """Refuses a nonce not above the last one accepted for the key (when strict)."""
        last = self.nonces.get(api_key)
        if strict and last is not None and nonce <= last:
            return False
        self.nonces[api_key] = max(nonce, last or 0)
        return True

    def book(self, api_key):
        if api_key not in self.secrets:
            raise ValueError("unknown API key %r" % api_key)
        if api_key not in self.books:
            self.books[api_key] = Book(DEFAULT_BALANCES, self.now_ms())
        return self.books[api_key]

    def set_balance(self, api_key, available=None, in_use=None):
        book = self.book(api_key)
        for code, value in (available or {}).items():
            book.available[code.upper()] = to_decimal(value, code)
        for code, value in (in_use or {}).items():
            book.in_use[code.upper()] = to_decimal(value, code)

    def set_history(self, api_key, code, entries):
        if not isinstance(entries, list):
            raise ValueError("transactions must be a list")
        self.book(api_key).history[code.upper()] = list(entries)

    def describe_book(self, api_key):
        book = self.book(api_key)
        return {"available": {c: str(v) for c, v in book.available.items()},
                "in_use": {c: str(v) for c, v in book.in_use.items()}}

    # Replies of the private paths; `request` is the verified SignedRequest.

    def _currency(self, request, market, default="BTC"):
        code = (request.param("currency") or default).upper()
        if code not in ("KRW", "ALL") and code not in LISTED_COINS and market.coin(code) is None:
            raise unknown_coin(code)
        return code

    def balance(self, request, market):
        book = self.book(request.api_key)
        code = self._currency(request, market)
        data = {"total_krw": int(book.total("KRW")), "in_use_krw": int(book.in_use.get("KRW", 0)),
                "available_krw": int(book.free("KRW"))}
        if code == "ALL":
            held = [c for c in book.available if c != "KRW" and c not in LISTED_COINS]
            coins = list(LISTED_COINS) + sorted(held)
        else:
            coins = [] if code == "KRW" else [code]
        for coin in coins:
            low = coin.lower()
            data["total_" + low] = coin_text(book.total(coin))
            data["in_use_" + low] = coin_text(book.in_use.get(coin, Decimal(0)))
            data["available_" + low] = coin_text(book.free(coin))
            data["xcoin_last_" + low] = market.last_price_text(coin)
        if len(coins) == 1:
            data["xcoin_last"] = market.last_price_text(coins[0])
        return data

    def user_transactions(self, request, market):
        book = self.book(request.api_key)
        code = self._currency(request, market)
        try:
            offset = int(request.param("offset", "0"))
            count = int(request.param("count", "20"))
        except ValueError:
            raise bad_parameter("bad_offset_or_count")
        if offset < 0 or not 1 <= count <= MAX_PAGE:
            raise bad_parameter("offset_or_count_out_of_range")
        kind = request.param("searchGb", "0")
        codes = sorted(book.history) if code == "ALL" else [code]
        entries = [e for c in codes for e in book.history.get(c, [])]
        if kind != "0":
            entries = [e for e in entries if isinstance(e, dict) and e.get("search") == kind]
        return entries[offset:offset + count]

    def market_order(self, request, market, side):
        book = self.book(request.api_key)
        units_param, code = request.param("units"), request.param("currency")
        if units_param is None or code is None:
            raise bad_parameter("missing_units_or_currency")
        code = code.upper()
        if market.coin(code) is None:
            raise unknown_coin(code)
        if not UNITS_TEXT.match(units_param):
            raise bad_parameter("bad_units")
        units = Decimal(units_param)
        if units <= 0:
            raise notice(MSG_UNITS, "units_not_positive")
        price = market.last_price(code)
        if price is None:
            raise notice(MSG_NO_PRICE, "no_price")

        parts = self._split(units)
        totals = [int(part * price) for part in parts]
        fees = [(Decimal(t) * self.fee_rate).quantize(WON_CENTS, ROUND_HALF_UP) for t in totals]
        if sum(totals) < 1:
            raise notice(MSG_UNITS, "order_too_small")
        if side == SEARCH_BUY and sum(totals) + sum(fees) > book.free("KRW"):
            raise notice(MSG_KRW_SHORT, "insufficient_krw")
        if side == SEARCH_SELL and units > book.free(code):
            raise notice(MSG_COIN_SHORT, "insufficient_coin")

        order_id = str(self.next_order)
        self.next_order += 1
        fills = []
        for part, total, fee in zip(parts, totals, fees):
            if side == SEARCH_BUY:
                book.available["KRW"] = book.free("KRW") - total - fee
                book.available[code] = book.free(code) + part
            else:
                book.available[code] = book.free(code) - part
                book.available["KRW"] = book.free("KRW") + total - fee
            book.record(code, book.entry(side, code, part, price, total, fee, self.now_ms()))
            fills.append({"cont_id": str(self.next_cont), "units": units_text(part), "price": str(price),
                          "total": total, "fee": float(fee)})
            self.next_cont += 1
        return order_id, fills

    def _split(self, units):
        count = self.fills
        share = (units / count).quantize(EIGHT_PLACES, ROUND_DOWN)
        if count == 1 or share <= 0:
            return [units]
        return [share] * (count - 1) + [units - share * (count - 1)]
