"""Checks of a signed private request, done the way the exchange does them.

A private request is a POST whose body is the form text "endpoint=<path>&<params>" passed
through the exchange's URL encoding, with five headers (names spelled exactly):
    Content-Type: application/x-www-form-urlencoded
    Api-Key: <API key>
    Api-Sign: <signature>
    Api-Nonce: <decimal milliseconds>
    api-client-type: 1
The signature is Base64 of the lower-case hexadecimal text of
HMAC-SHA-512(secret, path + 0x01 + body + 0x01 + nonce), so always 172 characters.
"""

import base64
import hashlib
import hmac
from dataclasses import dataclass, field

from exchange_peer_errors import (BAD_REQUEST, INVALID_KEY, MSG_KEY, MSG_NONCE, MSG_SIGN,
                                  ExchangeError, bad_body, bad_header)

UNRESERVED = frozenset(b"0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"
                       b"@.=\\-_:&")
HEX_DIGITS = frozenset(b"0123456789ABCDEFabcdef")
FORM_TYPE = "application/x-www-form-urlencoded"
SIGNED_HEADERS = ("Content-Type", "Api-Key", "Api-Sign", "Api-Nonce", "api-client-type")
MAX_NONCE_DIGITS = 20
MAX_NONCE = 2 ** 64 - 1


@dataclass
class Checks:
    """Strictness switches; all on by default, each can be relaxed by the control channel."""
    header_case: bool = True    # header names must be spelled with the exact letter case
    body_encoding: bool = True  # body must be exactly the exchange's encoding of its form text
    nonce: bool = True          # nonce must grow strictly per API key

    def as_dict(self):
        return {"header_case": self.header_case, "body_encoding": self.body_encoding,
                "nonce": self.nonce}


@dataclass
class SignedRequest:
    api_key: str
    nonce: int
    form_text: str
    params: list = field(default_factory=list)   # [name, value] pairs after "endpoint"

    def param(self, name, default=None):
        for key, value in self.params:
            if key == name:
                return value
        return default


def url_encode(data: bytes) -> bytes:
    out = bytearray()
    for byte in data:
        if byte in UNRESERVED:
            out.append(byte)
        else:
            out += b"%%%02X" % byte
    return bytes(out)


def percent_decode(data: bytes) -> bytes:
    out = bytearray()
    i = 0
    while i < len(data):
        if data[i] == 0x25:
            digits = data[i + 1:i + 3]
            if len(digits) != 2 or not all(c in HEX_DIGITS for c in digits):
                raise ValueError("bad percent escape at byte %d" % i)
            out.append(int(digits, 16))
            i += 3
        else:
            out.append(data[i])
            i += 1
    return bytes(out)


def signature(secret: bytes, endpoint: bytes, body: bytes, nonce: bytes) -> str:
    message = endpoint + b"\x01" + body + b"\x01" + nonce
    mac_hex = hmac.new(secret, message, hashlib.sha512).hexdigest()
    return base64.b64encode(mac_hex.encode("ascii")).decode("ascii")


def header_value(pairs, name, exact_case):
    """The one value of header `name`; refuses a missing, doubled or (when strict) mis-cased one."""
    matching = [(n, v) for n, v in pairs if n.lower() == name.lower()]
    if not matching:
        raise bad_header("missing_header:%s" % name)
    if len(matching) > 1:
        raise bad_header("duplicate_header:%s" % name)
    sent_name, value = matching[0]
    if exact_case and sent_name != name:
        raise bad_header("header_case:%s" % sent_name)
    return value.strip()


def parse_form(form: bytes):
    params = []
    for part in form.split(b"&")[1:]:
        if not part:
            continue
        name, _, value = part.partition(b"=")
        params.append([name.decode("cp949", "replace"), value.decode("cp949", "replace")])
    return params


def verify(path: str, header_pairs, body: bytes, secrets, checks: Checks, record) -> SignedRequest:
    """Checks everything but the nonce's freshness (which needs the per-key history).

    `secrets` maps API keys to secret-key bytes. Findings that help a test understand a
    refusal go into `record`. Raises ExchangeError for the first fault found.
    """
    values = {name: header_value(header_pairs, name, checks.header_case) for name in SIGNED_HEADERS}
    if values["api-client-type"] != "1":
        raise bad_header("bad_client_type")
    if values["Content-Type"].split(";")[0].strip().lower() != FORM_TYPE:
        raise bad_header("bad_content_type")

    if not body.startswith(b"endpoint="):
        raise bad_body("body_not_endpoint_first")
    try:
        form = percent_decode(body)
    except ValueError as exc:
        record["body_error"] = str(exc)
        raise bad_body("body_escape")
    if checks.body_encoding and url_encode(form) != body:
        record["expected_body"] = url_encode(form).decode("latin-1")
        raise bad_body("body_encoding")
    endpoint = path.encode("latin-1")
    if not form.startswith(b"endpoint=" + endpoint + b"&"):
        raise bad_body("endpoint_mismatch")

    api_key = values["Api-Key"]
    record["api_key"] = api_key
    secret = secrets.get(api_key)
    if secret is None:
        raise ExchangeError(INVALID_KEY, MSG_KEY, "unknown_key")

    nonce_text = values["Api-Nonce"]
    record["nonce"] = nonce_text
    if not (nonce_text.isascii() and nonce_text.isdigit()) or len(nonce_text) > MAX_NONCE_DIGITS \
            or int(nonce_text) > MAX_NONCE:
        raise ExchangeError(BAD_REQUEST, MSG_NONCE, "bad_nonce")

    expected = signature(secret, endpoint, body, nonce_text.encode("ascii"))
    if not hmac.compare_digest(values["Api-Sign"].encode("latin-1"), expected.encode("ascii")):
        record["expected_sign"] = expected
        raise ExchangeError(INVALID_KEY, MSG_SIGN, "bad_signature")

    return SignedRequest(api_key=api_key, nonce=int(nonce_text),
                         form_text=form.decode("cp949", "replace"), params=parse_form(form))
