"""Error replies of the exchange peer: status codes and the Korean texts sent with them.

Every refusal is an ExchangeError; the peer answers it with HTTP 200 and the JSON body
{"status": <code>, "message": <Korean text>} in UTF-8, as the exchange does. `reason` is
the peer's own short machine-readable cause, kept in the request record for tests.
"""

BAD_REQUEST = "5100"
INVALID_KEY = "5300"
METHOD_NOT_ALLOWED = "5302"
INVALID_PARAMETER = "5500"
CUSTOM_NOTICE = "5600"
UNKNOWN_ERROR = "5900"

MSG_HEADER = "요청 헤더가 올바르지 않습니다."
MSG_BODY = "요청 본문이 올바르지 않습니다."
MSG_KEY = "API 키가 올바르지 않습니다."
MSG_SIGN = "API 서명이 올바르지 않습니다."
MSG_NONCE = "Nonce 값이 올바르지 않습니다."
MSG_METHOD = "허용되지 않은 요청 방식입니다."
MSG_PARAMETER = "잘못된 파라미터입니다."
MSG_COIN = "지원하지 않는 암호화폐입니다."
MSG_UNITS = "주문 수량이 올바르지 않습니다."
MSG_NO_PRICE = "현재가를 확인할 수 없습니다."
MSG_KRW_SHORT = "주문 가능 금액이 부족합니다."
MSG_COIN_SHORT = "주문 가능 수량이 부족합니다."
MSG_NOT_FOUND = "요청한 주소를 찾을 수 없습니다."
MSG_RETRY_LATER = "잠시 후 다시 시도해 주십시오."
MSG_UNAUTHORIZED = "인증에 실패했습니다."
MSG_SERVER_ERROR = "서버 내부 오류가 발생했습니다."


class ExchangeError(Exception):
    def __init__(self, status, message, reason):
        super().__init__(reason)
        self.status = status
        self.message = message
        self.reason = reason

    def body(self):
        return {"status": self.status, "message": self.message}


def bad_header(reason):
    return ExchangeError(BAD_REQUEST, MSG_HEADER, reason)


def bad_body(reason):
    return ExchangeError(BAD_REQUEST, MSG_BODY, reason)


def bad_parameter(reason):
    return ExchangeError(INVALID_PARAMETER, MSG_PARAMETER, reason)


def unknown_coin(code):
    return ExchangeError(INVALID_PARAMETER, MSG_COIN, "unknown_coin:%s" % code)


def notice(message, reason):
    return ExchangeError(CUSTOM_NOTICE, message, reason)
