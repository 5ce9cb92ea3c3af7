"""Control channel of the exchange peer: one JSON command per line in, one JSON reply per line out.

The commands are listed in exchange_peer.py's docstring.
"""

import binascii
import json
import logging

from exchange_peer_auth import Checks
from exchange_peer_state import JSON_TYPE, Reply, to_json_bytes
from exchange_peer_accounts import MAX_FILLS, to_decimal
from peerlib import ControlServer

log = logging.getLogger("exchange_peer")


class CommandError(Exception):
    pass


def _require(msg, name, kind, what=None):
    value = msg.get(name)
    if not isinstance(value, kind) or isinstance(value, bool) and kind is not bool:
        raise CommandError('"%s" must be %s' % (name, what or kind.__name__))
    return value


def _api_key(ex, msg):
    key = msg.get("api_key")
    if key is None:
        if not ex.accounts.secrets:
            raise CommandError("no API key is configured")
        return next(iter(ex.accounts.secrets))
    if key not in ex.accounts.secrets:
        raise CommandError("unknown API key %r" % key)
    return key


def _coin(msg):
    return _require(msg, "coin", str, "a coin code").upper()


def _canned(msg):
    if "json" in msg:
        body, ctype = to_json_bytes(msg["json"]), JSON_TYPE
    elif "text" in msg:
        body, ctype = _require(msg, "text", str).encode("utf-8"), "text/plain; charset=utf-8"
    elif "hex" in msg:
        try:
            body = binascii.unhexlify(_require(msg, "hex", str))
        except binascii.Error as exc:
            raise CommandError("bad hex: %s" % exc)
        ctype = "application/octet-stream"
    else:
        raise CommandError('set_reply needs "json", "text" or "hex"')
    status = msg.get("http_status", 200)
    if not isinstance(status, int) or not 100 <= status <= 599:
        raise CommandError("http_status must be 100..599")
    return Reply(status, body, msg.get("content_type", ctype))


def _records(ex, msg):
    path, since = msg.get("path"), msg.get("since", 0)
    return [r for r in ex.records if r["seq"] > since and (path is None or r["path"] == path)]


def _set_keys(ex, msg):
    keys = _require(msg, "keys", list, "a list of {api_key, secret}")
    pairs = [(k.get("api_key"), k.get("secret")) if isinstance(k, dict) else tuple(k) for k in keys]
    ex.accounts.set_keys(pairs, bool(msg.get("replace", True)))


def _set_checks(ex, msg):
    for name in Checks().as_dict():
        if name in msg:
            setattr(ex.checks, name, bool(msg[name]))
    return {"checks": ex.checks.as_dict()}


def _set_fills(ex, msg):
    count = _require(msg, "count", int)
    if not 1 <= count <= MAX_FILLS:
        raise CommandError("count must be 1..%d" % MAX_FILLS)
    ex.accounts.fills = count


def _market(ex, msg):
    mode = msg.get("mode")
    if mode is not None:
        if mode not in ("moving", "frozen"):
            raise CommandError('mode must be "moving" or "frozen"')
        ex.market.moving = mode == "moving"
    if "tick_ms" in msg:
        tick = _require(msg, "tick_ms", int)
        if not 50 <= tick <= 3_600_000:
            raise CommandError("tick_ms must be 50..3600000")
        ex.market.tick_ms = tick
    return _market_state(ex)


def _market_state(ex):
    m = ex.market
    return {"moving": m.moving, "tick_ms": m.tick_ms, "steps": m.steps, "fixed_ms": m.fixed_ms,
            "coins": len(m.coins)}


def _market_step(ex, msg):
    count = msg.get("n", 1)
    if not isinstance(count, int) or not 1 <= count <= 100_000:
        raise CommandError("n must be 1..100000")
    ex.market.step(count)
    return _market_state(ex)


def _set_time(ex, msg):
    ms = msg.get("ms")
    if ms is not None and (not isinstance(ms, int) or ms < 0):
        raise CommandError("ms must be a non-negative integer or null")
    ex.market.fixed_ms = ms


def _set_ticker(ex, msg):
    fields = msg.get("fields")
    if fields is not None and not isinstance(fields, dict):
        raise CommandError('"fields" must be an object or null')
    ex.market.set_ticker(_coin(msg), fields)


def _set_trades(ex, msg):
    trades = msg.get("trades")
    if trades is not None and not isinstance(trades, list):
        raise CommandError('"trades" must be a list or null')
    coin = ex.market.coin(_coin(msg))
    if coin is None:
        raise CommandError("unknown coin")
    coin.trades_override = trades


def _set_orderbook(ex, msg):
    coin = ex.market.coin(_coin(msg))
    if coin is None:
        raise CommandError("unknown coin")
    if msg.get("book", True) is None:
        coin.book_override = None
        return
    override = {k: msg[k] for k in ("bids", "asks", "timestamp", "order_currency") if k in msg}
    coin.book_override = override


def _set_coins(ex, msg):
    coins = _require(msg, "coins", list, "a list of coin codes")
    if not all(isinstance(c, str) and c for c in coins):
        raise CommandError("coin codes must be non-empty strings")
    ex.market.set_coins([c.upper() for c in coins])


def _ticker(ex, msg):
    return {"data": ex.market.ticker_all()}


def _set_balance(ex, msg):
    available = msg.get("available", msg.get("balances"))
    ex.accounts.set_balance(_api_key(ex, msg), available, msg.get("in_use"))
    return ex.accounts.describe_book(_api_key(ex, msg))


def _set_transactions(ex, msg):
    ex.accounts.set_history(_api_key(ex, msg), _require(msg, "currency", str), msg.get("transactions"))


def _transactions(ex, msg):
    book = ex.accounts.book(_api_key(ex, msg))
    return {"transactions": list(book.history.get(_require(msg, "currency", str).upper(), []))}


def _set_fee(ex, msg):
    rate = to_decimal(msg.get("rate"), "rate")
    if not 0 <= rate < 1:
        raise CommandError("rate must be in [0, 1)")
    ex.accounts.fee_rate = rate


def _state(ex, msg):
    return {"faults": [f.describe() for f in ex.faults], "checks": ex.checks.as_dict(),
            "market": _market_state(ex), "keys": list(ex.accounts.secrets),
            "fee_rate": str(ex.accounts.fee_rate), "fills": ex.accounts.fills,
            "connections": ex.conn_count, "canned": sorted(ex.canned)}


def _set_reply(ex, msg):
    path = _require(msg, "path", str)
    if not path.startswith("/"):
        raise CommandError("path must begin with /")
    ex.canned[path] = _canned(msg)


COMMANDS = {
    "ping": lambda ex, msg: {"pong": True},
    "reset": lambda ex, msg: ex.reset(),
    "requests": lambda ex, msg: {"requests": json.loads(json.dumps(_records(ex, msg)))},
    "clear_requests": lambda ex, msg: ex.records.clear(),
    "tls_errors": lambda ex, msg: {"tls_errors": list(ex.tls_errors)},
    "state": _state,
    "fault": lambda ex, msg: ex.arm_fault(msg),
    "shutdown": lambda ex, msg: ex.stopping.set(),
    "set_keys": _set_keys,
    "set_checks": _set_checks,
    "set_balance": _set_balance,
    "balance": lambda ex, msg: ex.accounts.describe_book(_api_key(ex, msg)),
    "set_transactions": _set_transactions,
    "transactions": _transactions,
    "set_fee": _set_fee,
    "set_fills": _set_fills,
    "set_ticker": _set_ticker,
    "set_coins": _set_coins,
    "synthetic_coins": lambda ex, msg: ex.market.set_synthetic(_require(msg, "count", int)),
    "set_trades": _set_trades,
    "set_orderbook": _set_orderbook,
    "ticker": _ticker,
    "market": _market,
    "market_step": _market_step,
    "set_time": _set_time,
    "set_reply": _set_reply,
    "clear_replies": lambda ex, msg: ex.canned.clear(),
}


def run_command(ex, msg):
    handler = COMMANDS.get(msg.get("cmd"))
    if handler is None:
        raise CommandError("unknown command %r" % msg.get("cmd"))
    with ex.lock:
        return handler(ex, msg) or {}


def control_server(address, exchange):
    return ControlServer(address, lambda msg: run_command(exchange, msg), exchange.stopping,
                         errors=(CommandError,))
