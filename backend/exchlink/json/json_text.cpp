// Safe reading of the exchange's JSON replies: parsing that never throws, typed member access.
#include "json_text.h"

#include <limits.h>
#include <stdlib.h>
#include <string.h>

#include <exception>

// Json::Reader is the reader with the default features the exchange's replies are read with.
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

bool ParseJson(const char* pText, int nLength, Json::Value& root)
{
    root = Json::Value();
    if (!pText || nLength <= 0)
        return false;
    try
    {
        Json::Reader reader;
        if (reader.parse(pText, pText + nLength, root, false))
            return true;
    }
    catch (const std::exception&)
    {
        // Json::Exception (the depth limit) or memory: a reply that does not parse either way.
    }
    root = Json::Value();
    return false;
}

bool ParsesAsJson(const char* pText, int nLength)
{
    Json::Value root;
    return ParseJson(pText, nLength, root);
}

bool ParseObject(const char* pText, int nLength, Json::Value& root)
{
    return ParseJson(pText, nLength, root) && root.isObject();
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
