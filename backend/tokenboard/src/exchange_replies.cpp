// Reading the exchange's balance and order replies into typed results.
#include "exchange_replies.h"

#include <json/json.h>
#include <errno.h>
#include <cmath>
#include <stdlib.h>

#include <limits>

#include "json_text.h"

namespace tokenboard {

namespace {

bool ParseReplyObject(const CString& strReply, Json::Value& root)
{
    return ::ParseObject(strReply, strReply.GetLength(), root);
}

CString Text(const Json::Value& value)
{
    return value.isString() ? CString(value.asCString()) : CString();
}

LONGLONG Saturate(double value)
{
    if (value >= 9.2e18)
        return std::numeric_limits<LONGLONG>::max();
    if (value <= -9.2e18)
        return std::numeric_limits<LONGLONG>::min();
    return static_cast<LONGLONG>(value);
}

// A whole number: a JSON number (a fraction cut toward zero) or a decimal text whose leading
// integer part is read. False when there is no number.
bool WholeNumber(const Json::Value& value, LONGLONG& out)
{
    if (value.isInt64())
        out = value.asInt64();
    else if (value.isUInt64())
        out = std::numeric_limits<LONGLONG>::max();
    else if (value.isDouble() && std::isfinite(value.asDouble()))
        out = Saturate(value.asDouble());
    else if (value.isString())
    {
        CString text = Text(value);
        text.Trim();
        const char* begin = text;
        char* end = NULL;
        errno = 0;
        long long parsed = strtoll(begin, &end, 10);
        if (end == begin)
            return false;
        out = errno == ERANGE ? (parsed < 0 ? std::numeric_limits<LONGLONG>::min()
                                            : std::numeric_limits<LONGLONG>::max())
                              : parsed;
    }
    else
        return false;
    return true;
}

// A decimal number: a JSON number or a text that is wholly one number.
bool DecimalNumber(const Json::Value& value, double& out)
{
    if (value.isNumeric())
        out = value.asDouble();
    else if (value.isString())
    {
        CString text = Text(value);
        text.Trim();
        const char* begin = text;
        char* end = NULL;
        out = strtod(begin, &end);
        if (end == begin || *end != '\0')
            return false;
    }
    else
        return false;
    return std::isfinite(out);
}

// The verdict of "status": a text of digits or a whole JSON number, 0 meaning success.
ReplyVerdict StatusVerdict(const Json::Value& root)
{
    const Json::Value& status = Member(root, "status");
    if (status.isString())
    {
        CString code = Text(status);
        code.Trim();
        if (code.IsEmpty() || code.SpanIncluding("0123456789") != code)
            return REPLY_NO_STATUS;
        return code.SpanIncluding("0") == code ? REPLY_OK : REPLY_REFUSED;
    }
    // Beyond 64-bit integers (1e19) a number is no zero either; the reader would throw.
    if (status.isIntegral())
        return status.isInt64() && status.asInt64() == 0 ? REPLY_OK : REPLY_REFUSED;
    return REPLY_NO_STATUS;
}

OrderFill ReadFill(const Json::Value& item)
{
    OrderFill fill;
    fill.contId = Text(Member(item, "cont_id"));
    fill.contId.Trim();
    if (!WholeNumber(Member(item, "price"), fill.price))
        fill.price = 0;
    if (!DecimalNumber(Member(item, "units"), fill.units))
        fill.units = 0;
    if (!WholeNumber(Member(item, "total"), fill.total))
        fill.total = 0;
    if (!DecimalNumber(Member(item, "fee"), fill.fee))
        fill.fee = 0;
    return fill;
}

// The verdict and message of a reply; true when its status says success.
bool ReadHead(const CString& strReply, Json::Value& root, ReplyVerdict& verdict, CString& message)
{
    verdict = REPLY_UNREADABLE;
    if (!ParseReplyObject(strReply, root))
        return false;
    verdict = StatusVerdict(root);
    message = Text(Member(root, "message"));
    return verdict == REPLY_OK;
}

} // namespace

BalanceReply ReadBalanceReply(const CString& strReply, LPCSTR pszCoin)
{
    BalanceReply reply;
    Json::Value root;
    if (!ReadHead(strReply, root, reply.verdict, reply.message))
        return reply;

    const Json::Value& data = Member(root, "data");
    reply.hasMoney = WholeNumber(Member(data, "available_krw"), reply.availableKrw);
    CString name("available_");
    CString coin(pszCoin ? pszCoin : "");
    coin.MakeLower();
    name += coin;
    reply.hasQuantity = DecimalNumber(Member(data, name), reply.availableCoin);
    return reply;
}

SettledOutcome SettleByBalance(bool bBuy, const BalanceReply& before, const BalanceReply& after)
{
    if (before.verdict != REPLY_OK || after.verdict != REPLY_OK)
        return SETTLED_UNKNOWN;
    if (before.hasQuantity && after.hasQuantity)
    {
        const bool moved = bBuy ? after.availableCoin > before.availableCoin : after.availableCoin < before.availableCoin;
        return moved ? SETTLED_CARRIED_OUT : SETTLED_NOT_CARRIED_OUT;
    }
    if (bBuy && before.hasMoney && after.hasMoney)
        return after.availableKrw < before.availableKrw ? SETTLED_CARRIED_OUT : SETTLED_NOT_CARRIED_OUT;
    return SETTLED_UNKNOWN;
}

OrderReply ReadOrderReply(const CString& strReply)
{
    OrderReply reply;
    Json::Value root;
    if (!ReadHead(strReply, root, reply.verdict, reply.message))
        return reply;

    reply.orderId = Text(Member(root, "order_id"));
    reply.orderId.Trim();
    const Json::Value& data = Member(root, "data");
    if (data.isArray())
    {
        for (Json::ArrayIndex i = 0; i < data.size(); ++i)
            if (data[i].isObject())
                reply.fills.push_back(ReadFill(data[i]));
    }
    else if (data.isObject())
        reply.fills.push_back(ReadFill(data));
    return reply;
}

} // namespace tokenboard
