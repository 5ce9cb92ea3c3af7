// Readings of the exchange's JSON replies that never raise.
#include "ExchangeReply.h"

#include <cctype>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <string>

#include "json_text.h"

BOOL ParseExchangeReply(const CString& reply, Json::Value& root)
{
    // The reader the private requests judge a reply with, which never throws (a nesting beyond
    // the reader's depth ends in a failure, not in an exception through the window procedure).
    return ParseObject(reply, reply.GetLength(), root);
}

BOOL ReadReplyStatus(const Json::Value& root, long& status)
{
    status = 0;
    if (!root.isObject())
        return FALSE;
    const Json::Value& value = Member(root, "status");
    if (!value.isString())
        return FALSE;
    // Only plain digits are a number: "ERR" or an empty text must not read as 0, which is success.
    const std::string text = value.asString();
    CString code(text.c_str(), static_cast<int>(text.size()));
    code.Trim(" ");
    if (code.IsEmpty() || code.SpanIncluding("0123456789") != code) {
        status = -1;
        return TRUE;
    }
    // Beyond a long it stays at LONG_MAX: still no success.
    status = strtol(code, NULL, 10);
    return TRUE;
}

BOOL JsonToWonAmount(const Json::Value& value, LONGLONG& amount)
{
    amount = 0;
    if (value.isNull())
        return TRUE;
    if (value.isBool()) {
        amount = value.asBool() ? 1 : 0;
        return TRUE;
    }
    if (value.isInt64()) {
        amount = value.asInt64();
        return TRUE;
    }
    if (value.isDouble() && !value.isUInt64()) {
        const double real = value.asDouble();
        // Cut toward zero; a value no 64-bit amount holds is not a reading.
        if (real > -9.2e18 && real < 9.2e18) {
            amount = static_cast<LONGLONG>(real);
            return TRUE;
        }
    }
    return FALSE;
}

LONGLONG AddWon(LONGLONG a, LONGLONG b)
{
    if (b > 0 && a > LLONG_MAX - b)
        return LLONG_MAX;
    if (b < 0 && a < LLONG_MIN - b)
        return LLONG_MIN;
    return a + b;
}

int CutToInt32(LONGLONG amount)
{
    if (amount > INT_MAX)
        return INT_MAX;
    if (amount < INT_MIN)
        return INT_MIN;
    return static_cast<int>(amount);
}

LONGLONG TextToWhole(const char* text)
{
    return text != NULL ? _strtoi64(text, NULL, 10) : 0;
}

double TextToDecimal(const char* text)
{
    if (text == NULL)
        return 0;
    // Only the plain decimal notation of a leading number: blanks, a sign, digits, a point and
    // an exponent. "NaN", "inf" and hexadecimal texts read 0, as any other text without one.
    const char* p = text;
    while (*p == ' ' || *p == '\t')
        ++p;
    const char* start = p;
    if (*p == '+' || *p == '-')
        ++p;
    const char* digits = p;
    while (isdigit(static_cast<unsigned char>(*p)))
        ++p;
    bool any = p > digits;
    if (*p == '.') {
        ++p;
        const char* fraction = p;
        while (isdigit(static_cast<unsigned char>(*p)))
            ++p;
        any = any || p > fraction;
    }
    if (!any)
        return 0;
    if (*p == 'e' || *p == 'E') {
        const char* mark = p++;
        if (*p == '+' || *p == '-')
            ++p;
        const char* power = p;
        while (isdigit(static_cast<unsigned char>(*p)))
            ++p;
        if (p == power)
            p = mark;
    }
    const std::string number(start, p);
    const double value = strtod(number.c_str(), NULL);
    // Beyond the range of a double: no reading either.
    return std::isfinite(value) ? value : 0;
}
