"""Wire layouts of the system server protocol, as the server side sees them.

Frames: [0,8) total length "%08d" (these 8 bytes included), [8,16) code "%08d".
Queries and registrations carry the 297-byte query header; real-time frames
from the server carry the 33-byte real-time header. Transaction bodies are
fixed-width ASCII, blank-filled; anything the client shows as Korean is CP949.
"""

import time

QUERY_HEADER_LEN = 297
REAL_HEADER_LEN = 33
REAL_KEY_WIDTH = 12
MIN_FRAME_LEN = 16
CLIENT_FRAME_LIMIT = 102400

TR_VERSION = 100
TR_LOGIN = 1100
TR_RECOMMENDED_COINS = 1110
TR_POLL = 1200
TR_SESSION = 1201
TR_SIGNAL_SCORE = 1301

RT_SIGNAL = 100
RT_SETTLEMENT = 200
RT_FORCED_SELL = 300

COIN_CODE_WIDTH = 24
SIGNAL_BODY_LEN = 195
SETTLEMENT_BODY_LEN = 26
FORCED_SELL_BODY_LEN = 38

# Every coin the terminal has a display name for, in its own order.
KNOWN_COINS = ["BTC", "BCH", "BTG", "ETH", "ETC", "XRP",
               "LTC", "DASH", "XMR", "ZEC", "QTUM", "EOS"]


class FrameError(ValueError):
    """A length field that cannot start a frame."""


def parse_decimal(field):
    """Value of an 8-byte decimal field read the way the client reads it:
    leading blanks skipped, optional sign, digits up to the first non-digit.
    Returns None when no digit starts the field."""
    text = field.split(b"\0", 1)[0].lstrip(b" \t")
    sign = 1
    if text[:1] in (b"+", b"-"):
        sign = -1 if text[:1] == b"-" else 1
        text = text[1:]
    digits = b""
    for byte in text:
        if 0x30 <= byte <= 0x39:
            digits += bytes([byte])
        else:
            break
    if not digits:
        return None
    return sign * int(digits)


def frame_length(prefix, limit):
    """Total length announced by the first 8 bytes of a frame.
    Raises FrameError for non-digits, lengths under 16 or over `limit`."""
    value = parse_decimal(prefix[:8])
    if value is None:
        raise FrameError("length field is not a number: %r" % prefix[:8])
    if value < MIN_FRAME_LEN:
        raise FrameError("length %d is shorter than a frame header" % value)
    if value > limit:
        raise FrameError("length %d exceeds the limit of %d" % (value, limit))
    return value


def fixed(text, width, fill=b" "):
    """`text` (str in CP949, or bytes) cut or blank-filled to `width` bytes."""
    data = text.encode("cp949") if isinstance(text, str) else bytes(text)
    return data[:width].ljust(width, fill)


def number8(value):
    return ("%08d" % value).encode("ascii")[:8]


def latin1(data):
    return data.decode("latin-1")


def trimmed(data):
    return latin1(data.split(b"\0", 1)[0]).strip(" ")


def parse_query(frame):
    """Fields of a frame that carries the query header (requests,
    registrations and unregistrations from the client)."""
    head = frame[:QUERY_HEADER_LEN]
    body = frame[QUERY_HEADER_LEN:]
    key_len = head[59] if len(head) > 59 else 0
    key = head[60:60 + min(key_len, 190)] if len(head) > 60 else b""
    fields = {
        "length": len(frame),
        "length_field": latin1(frame[0:8]),
        "code": parse_decimal(frame[8:16]) or 0,
        "code_field": latin1(frame[8:16]),
        "type": latin1(head[16:17]),
        "conn_no": parse_decimal(head[26:34]) if len(head) >= 34 else None,
        "window": parse_decimal(head[50:58]) if len(head) >= 58 else None,
        "window_field": latin1(head[50:58]),
        "key_len": key_len,
        "key": latin1(key),
        "user_id": trimmed(head[250:258]),
        "site_id": trimmed(head[258:266]),
        "user_site_field": latin1(head[250:297]).rstrip(" "),
        "header_hex": head.hex(),
        "body_hex": body.hex(),
        "body_text": latin1(body),
    }
    return fields


def registration_keys(body):
    """Keys of a registration body: joined by ',', each as sent and trimmed."""
    keys = []
    for field in body.split(b","):
        raw = field.split(b"\0", 1)[0]
        name = latin1(raw).strip(" ")
        if name:
            keys.append({"raw": latin1(raw), "key": name})
    return keys


def build_reply(request_header, code, body, reply_type=None, window=None):
    """Reply frame: the request's header echoed, length and code rewritten,
    optionally another type letter or window field."""
    head = bytearray(request_header[:QUERY_HEADER_LEN].ljust(QUERY_HEADER_LEN, b" "))
    head[0:8] = number8(QUERY_HEADER_LEN + len(body))
    head[8:16] = number8(code)
    if reply_type:
        head[16:17] = reply_type.encode("latin-1")[:1]
    if window is not None:
        head[50:58] = number8(window)
    return bytes(head) + body


def build_real(code, key, body, key_len=None):
    """Real-time frame: 33-byte header with the key length as two digits at
    18 and the key, blank-filled to 12 bytes, at 20."""
    key = key.encode("latin-1") if isinstance(key, str) else bytes(key)
    if key_len is None:
        key_len = min(len(key), REAL_KEY_WIDTH)
    head = bytearray(b" " * REAL_HEADER_LEN)
    head[0:8] = number8(REAL_HEADER_LEN + len(body))
    head[8:16] = number8(code)
    head[16:17] = b"R"
    head[18:20] = ("%02d" % key_len).encode("ascii")[-2:]
    head[20:32] = fixed(key, REAL_KEY_WIDTH)
    return bytes(head) + body


def real_key(coin):
    """Key the terminal registers for a coin: its code blank-filled to 12."""
    return fixed(coin, REAL_KEY_WIDTH)


# ---- transaction bodies -------------------------------------------------

def version_body(version="1.0.0", update=False):
    return fixed(version, 10) + (b"Y" if update else b"N")


def login_body(result=0, expire="20991231", office=("001", "001", "001"),
               branch="127.0.0.1", pad_to=100):
    """Reply to 1100: [0,4) result, [5,13) expiry, three 3-character office
    fields, [22,37) branch server address; padded so that it is usable."""
    result_text = ("%04d" % result) if isinstance(result, int) else str(result)
    parts = [fixed(result_text, 4), b" ", fixed(expire, 8)]
    parts += [fixed(item, 3) for item in (list(office) + ["", "", ""])[:3]]
    parts.append(fixed(branch, 15))
    body = b"".join(parts)
    return body.ljust(max(pad_to, len(body)), b" ")


def session_body():
    return b"0000"


def poll_body():
    return b"0000"


def coins_body(coins):
    return b"".join(fixed(coin, COIN_CODE_WIDTH) for coin in coins)


def scores_body(scores):
    """39-byte records, best first: coin, trend, supply-and-demand, chart."""
    out = []
    for coin, trend, supply, chart in scores:
        out.append(fixed(coin, COIN_CODE_WIDTH) + b"".join(
            fixed("%05d" % int(value), 5) for value in (trend, supply, chart)))
    return b"".join(out)


def default_scores():
    """Twelve coins, ranked best first, every score 0-100."""
    rows = []
    for rank, coin in enumerate(KNOWN_COINS):
        rows.append((coin, 95 - rank * 7, 90 - rank * 6, 85 - rank * 5))
    rows.sort(key=lambda row: -(row[1] + row[2] + row[3]))
    return rows


def signal_body(coin, kind="1", signal="B001", date=None, time_of_day=None,
                buy_price=0, percent="10", field73=0, field97=0,
                target_price=0, field123=0, field147=0, field171=0):
    """Body of real-time code 100, 195 bytes, numbers left-aligned."""
    now = time.localtime()
    date = date if date is not None else time.strftime("%Y%m%d", now)
    time_of_day = time_of_day if time_of_day is not None else time.strftime("%H%M%S", now)
    body = b"".join([
        fixed(coin, 24), fixed(str(kind), 1), fixed(signal, 4),
        fixed(date, 8), fixed(time_of_day, 6), fixed(str(buy_price), 24),
        fixed(str(percent), 6), fixed(str(field73), 24), fixed(str(field97), 2),
        fixed(str(target_price), 24), fixed(str(field123), 24),
        fixed(str(field147), 24), fixed(str(field171), 24),
    ])
    assert len(body) == SIGNAL_BODY_LEN
    return body


def settlement_body(on=False, new_version=False):
    body = bytearray(b" " * SETTLEMENT_BODY_LEN)
    body[0:1] = b"1" if on else b"0"
    body[25:26] = b"1" if new_version else b"0"
    return bytes(body)


def forced_sell_body(coin):
    return fixed(coin, FORCED_SELL_BODY_LEN)
