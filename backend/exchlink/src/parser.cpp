// Market-data replies to fixed records.
#include "ZembraParser.h"

#include <algorithm>
#include <math.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include "ZembraAPIAgent.h"
#include "json_text.h"

namespace {

const char* const kListedCoins[ZEMBRA_LISTED_COINS] = {"BTC", "BCH", "BTG", "ETH", "ETC", "XRP",
                                                       "LTC", "DASH", "XMR", "ZEC", "QTUM", "EOS"};

#define PUT(field, text) CZembraParser::PutField((field), static_cast<int>(sizeof(field)), (text))

void FillTicker(tagTickerInfo& rec, const char* pszCode, const char* pszTime, const Json::Value& coin)
{
    memset(&rec, ' ', sizeof(rec));
    PUT(rec.szCoinCode, pszCode);
    PUT(rec.szTime, pszTime);
    PUT(rec.szOpeningPrice, MemberText(coin, "opening_price"));
    PUT(rec.szClosingPrice, MemberText(coin, "closing_price"));
    PUT(rec.szMinPrice, MemberText(coin, "min_price"));
    PUT(rec.szMaxPrice, MemberText(coin, "max_price"));
    PUT(rec.szAveragePrice, MemberText(coin, "average_price"));
    PUT(rec.szUnitsTraded, MemberText(coin, "units_traded"));
    PUT(rec.szVolume1Day, MemberText(coin, "volume_1day"));
    PUT(rec.szVolume7Day, MemberText(coin, "volume_7day"));
    PUT(rec.szBuyPrice, MemberText(coin, "buy_price"));
    PUT(rec.szSellPrice, MemberText(coin, "sell_price"));
}

void FillLevels(tagHogaLevel* levels, const Json::Value& list)
{
    if (!list.isArray())
        return;
    Json::ArrayIndex n = std::min<Json::ArrayIndex>(list.size(), HOGA_LEVELS);
    for (Json::ArrayIndex i = 0; i < n; ++i)
    {
        PUT(levels[i].szPrice, MemberText(list[i], "price"));
        PUT(levels[i].szQuantity, MemberText(list[i], "quantity"));
    }
}

// Outcome shared by the three parsers: not an object, an exchange error, or data.
int CheckReply(const char* pText, int nLength, Json::Value& root, CString& strMessage)
{
    strMessage.Empty();
    if (!ParseObject(pText, nLength, root))
        return ZEMBRA_PARSE_DROPPED;
    if (StatusNumber(root) != 0)
    {
        strMessage = MemberText(root, "message");
        return ZEMBRA_PARSE_ERROR;
    }
    return ZEMBRA_PARSE_DATA;
}

// CheckReply for a one-record reply; the record is blank when there is data to fill it with.
template <class TRecord>
int StartRecord(const char* pText, int nLength, Json::Value& root, TRecord& rec, CString& strCode,
                CString& strMessage)
{
    strCode.Empty();
    int result = CheckReply(pText, nLength, root, strMessage);
    if (result == ZEMBRA_PARSE_DATA)
        memset(&rec, ' ', sizeof(rec));
    return result;
}

} // namespace

void CZembraParser::PutField(char* pField, int nWidth, LPCSTR pszText)
{
    int len = pszText ? static_cast<int>(strnlen(pszText, nWidth)) : 0;
    if (len > 0)
        memcpy(pField, pszText, len);
    memset(pField + len, ' ', nWidth - len);
}

BOOL CZembraParser::IsListedCoin(LPCSTR pszCode)
{
    if (!pszCode)
        return FALSE;
    for (const char* coin : kListedCoins)
        if (strcmp(coin, pszCode) == 0)
            return TRUE;
    return FALSE;
}

CString CZembraParser::MillisToClockText(LPCSTR pszMillis)
{
    CString strText;
    if (!pszMillis)
        return strText;
    char* end = NULL;
    double ms = strtod(pszMillis, &end);
    // Beyond year 3000 or before 1970 the local-time conversion has nothing sensible to say.
    if (end == pszMillis || !isfinite(ms) || ms < 0 || ms > 32503680000000.0)
        return strText;
    time_t secs = static_cast<time_t>(ms / 1000);
    struct tm* local = localtime(&secs);
    if (local)
        strText.Format("%02d:%02d:%02d", local->tm_hour, local->tm_min, local->tm_sec);
    return strText;
}

int CZembraParser::ParseTicker(const char* pText, int nLength, tagTickerInfo* pRecs, int nMaxRecs, int& nCount,
                               CString& strMessage)
{
    nCount = 0;
    Json::Value root;
    int result = CheckReply(pText, nLength, root, strMessage);
    if (result != ZEMBRA_PARSE_DATA)
        return result;

    const Json::Value& data = Member(root, "data");
    if (!data.isObject())
        return result;
    CString strTime = MillisToClockText(MemberText(data, "date"));
    // Members come in ascending byte order of their names.
    for (Json::Value::const_iterator it = data.begin(); it != data.end() && nCount < nMaxRecs; ++it)
    {
        Json::String name = it.name();
        if (name.size() != strlen(name.c_str()) || name == "date" || !IsListedCoin(name.c_str()))
            continue;
        FillTicker(pRecs[nCount++], name.c_str(), strTime, *it);
    }
    return result;
}

int CZembraParser::ParseFillList(const char* pText, int nLength, tagFillListInfo& rec, CString& strCode,
                                 CString& strMessage)
{
    Json::Value root;
    int result = StartRecord(pText, nLength, root, rec, strCode, strMessage);
    if (result != ZEMBRA_PARSE_DATA)
        return result;

    strCode = MemberText(root, "coin_code");
    PUT(rec.szCoinCode, strCode);
    const Json::Value& data = Member(root, "data");
    if (data.isArray())
    {
        Json::ArrayIndex n = std::min<Json::ArrayIndex>(data.size(), FILLLIST_SLOTS);
        for (Json::ArrayIndex i = 0; i < n; ++i)
        {
            const Json::Value& trade = data[i];
            tagFillSlot& slot = rec.slot[i];
            PUT(slot.szTransactionDate, MemberText(trade, "transaction_date"));
            PUT(slot.szType, MemberText(trade, "type"));
            PUT(slot.szUnitsTraded, MemberText(trade, "units_traded"));
            PUT(slot.szPrice, MemberText(trade, "price"));
            PUT(slot.szTotal, MemberText(trade, "total"));
        }
    }
    return result;
}

int CZembraParser::ParseHoga(const char* pText, int nLength, tagHogaInfo& rec, CString& strCode,
                             CString& strMessage)
{
    Json::Value root;
    int result = StartRecord(pText, nLength, root, rec, strCode, strMessage);
    if (result != ZEMBRA_PARSE_DATA)
        return result;

    const Json::Value& data = Member(root, "data");
    strCode = MemberText(data, "order_currency");
    PUT(rec.szOrderCurrency, strCode);
    PUT(rec.szTime, MillisToClockText(MemberText(data, "timestamp")));
    FillLevels(rec.bid, Member(data, "bids"));
    FillLevels(rec.ask, Member(data, "asks"));
    return result;
}

void CZembraParser::BuildErrorNotice(const SYSTEMTIME& stLocal, LPCSTR pszTitle, LPCSTR pszUTF8Message,
                                     tagAPIErrorNotice& notice)
{
    memset(&notice, 0, sizeof(notice));
    char szTime[16];
    snprintf(szTime, sizeof(szTime), "%02d:%02d:%02d", stLocal.wHour, stLocal.wMinute, stLocal.wSecond);
    PUT(notice.szTime, szTime);
    PUT(notice.szTitle, pszTitle);

    // Cut on a character boundary: a lead byte whose trail would fall outside stays out too.
    CString strMessage = CZembraAPIAgent::UTF8toANSI(pszUTF8Message);
    const int width = static_cast<int>(sizeof(notice.szMessage));
    int len = strMessage.GetLength(), cut = 0;
    LPCSTR p = strMessage;
    while (cut < len)
    {
        int step = IsDBCSLeadByte(static_cast<BYTE>(p[cut])) && cut + 1 < len ? 2 : 1;
        if (cut + step > width)
            break;
        cut += step;
    }
    memcpy(notice.szMessage, p, cut);
    memset(notice.szMessage + cut, ' ', width - cut);
}
