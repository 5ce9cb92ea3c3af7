// Readings of the exchange's JSON replies that never raise.
#include "ExchangeReply.h"

#include <cstdlib>
#include <memory>

BOOL ParseExchangeReply(const CString& reply, Json::Value& root)
{
    root = Json::Value();
    if (reply.IsEmpty())
        return FALSE;
    Json::CharReaderBuilder builder;
    std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
    const char* begin = reply;
    if (!reader->parse(begin, begin + reply.GetLength(), &root, NULL))
        return FALSE;
    return root.isObject();
}

BOOL ReadReplyStatus(const Json::Value& root, long& status)
{
    status = 0;
    if (!root.isObject())
        return FALSE;
    const Json::Value& value = root["status"];
    if (!value.isString())
        return FALSE;
    status = strtol(value.asCString(), NULL, 10);
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

LONGLONG TextToWhole(const char* text)
{
    return text != NULL ? _strtoi64(text, NULL, 10) : 0;
}

double TextToDecimal(const char* text)
{
    return text != NULL ? strtod(text, NULL) : 0;
}
