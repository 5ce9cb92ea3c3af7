#include "json_text.h"

#include <limits.h>
#include <stdlib.h>
#include <string.h>

// Json::Reader is the reader with the default features the exchange's replies are read with.
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

bool ParsesAsJson(const char* pText, int nLength)
{
    if (!pText || nLength <= 0)
        return false;
    Json::Value root;
    Json::Reader reader;
    return reader.parse(pText, pText + nLength, root, false);
}

bool ParseObject(const char* pText, int nLength, Json::Value& root)
{
    if (!pText || nLength <= 0)
        return false;
    Json::Reader reader;
    return reader.parse(pText, pText + nLength, root, false) && root.isObject();
}

const Json::Value& Member(const Json::Value& obj, const char* pszName)
{
    static const Json::Value null;
    if (!obj.isObject())
        return null;
    const Json::Value* member = obj.find(pszName, pszName + strlen(pszName));
    return member ? *member : null;
}

const char* MemberText(const Json::Value& obj, const char* pszName)
{
    const Json::Value& member = Member(obj, pszName);
    return member.isString() ? member.asCString() : "";
}

int StatusNumber(const Json::Value& root)
{
    long n = strtol(MemberText(root, "status"), NULL, 10);
    return n > INT_MAX ? INT_MAX : (n < INT_MIN ? INT_MIN : static_cast<int>(n));
}
