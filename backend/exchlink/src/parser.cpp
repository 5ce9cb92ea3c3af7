// Market-data replies to fixed records.
#include "ZembraParser.h"

#include <algorithm>
#include <ctype.h>
#include <math.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

#include <string>
#include <vector>
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


// The ticker reply of "ALL" carries hundreds of coins of which only the listed ones become
// records; building the reader's tree of all of them was most of a poll's cost. TickerTrim
// scans the reply as strict JSON and drops the unlisted members of its "data" object before the
// reader sees it. Anything it is not sure the reader would take exactly so (comments, \u escapes,
// exponents or long numbers, deep nesting, control characters) makes it give up, and the whole
// reply is read as before: the records and the outcome never differ.
class TickerTrim
{
public:
    TickerTrim(const char* pText, int nLength) : m_base(pText), m_p(pText), m_end(pText + nLength), m_depth(0) {}

    // The reply without the unlisted coins; false when the reply is to be read whole.
    bool Run(std::string& out)
    {
        Ws();
        if (m_p >= m_end || *m_p != '{')
            return false;
        ++m_p;
        if (!Members(kRoot))
            return false;
        // What follows the root object stays as it is: the reader treats it the same either way.
        size_t from = 0;
        out.clear();
        out.reserve(m_end - m_base);
        for (const Cut& cut : m_cuts)
        {
            out.append(m_base + from, cut.from - from);
            out += cut.kept;
            from = cut.to;
        }
        out.append(m_base + from, (m_end - m_base) - from);
        return true;
    }

private:
    struct Cut
    {
        size_t from, to;
        std::string kept;
    };
    const char* m_base;
    const char* m_p;
    const char* m_end;
    int m_depth;
    std::vector<Cut> m_cuts;

    void Ws()
    {
        while (m_p < m_end && (*m_p == ' ' || *m_p == '\t' || *m_p == '\r' || *m_p == '\n'))
            ++m_p;
    }
    // At the opening quote; [*pBegin, *pEnd) is the raw content.
    bool String(const char** pBegin, const char** pEnd, bool* escaped)
    {
        if (m_p >= m_end || *m_p != '"')
            return false;
        *pBegin = ++m_p;
        *escaped = false;
        while (m_p < m_end)
        {
            const unsigned char c = static_cast<unsigned char>(*m_p);
            if (c == '"')
            {
                *pEnd = m_p++;
                return true;
            }
            if (c < 0x20)
                return false;
            if (c == '\\')
            {
                if (m_p + 1 >= m_end || m_p[1] == '\0' || strchr("\"\\/bfnrt", m_p[1]) == NULL)
                    return false;
                *escaped = true;
                m_p += 2;
                continue;
            }
            ++m_p;
        }
        return false;
    }
    bool Number()
    {
        const char* start = m_p;
        if (m_p < m_end && *m_p == '-')
            ++m_p;
        if (m_p >= m_end || !isdigit(static_cast<unsigned char>(*m_p)))
            return false;
        if (*m_p == '0' && m_p + 1 < m_end && isdigit(static_cast<unsigned char>(m_p[1])))
            return false;
        while (m_p < m_end && isdigit(static_cast<unsigned char>(*m_p)))
            ++m_p;
        if (m_p < m_end && *m_p == '.')
        {
            ++m_p;
            if (m_p >= m_end || !isdigit(static_cast<unsigned char>(*m_p)))
                return false;
            while (m_p < m_end && isdigit(static_cast<unsigned char>(*m_p)))
                ++m_p;
        }
        if (m_p < m_end && (*m_p == 'e' || *m_p == 'E'))
            return false;
        return m_p - start <= 16;
    }
    bool Literal(const char* word)
    {
        const size_t n = strlen(word);
        if (static_cast<size_t>(m_end - m_p) < n || memcmp(m_p, word, n) != 0)
            return false;
        m_p += n;
        return true;
    }
    bool Value()
    {
        if (m_p >= m_end)
            return false;
        const char *b, *e;
        bool escaped;
        switch (*m_p)
        {
        case '{':
            ++m_p;
            return Members(kPlain);
        case '[':
            ++m_p;
            return Elements();
        case '"':
            return String(&b, &e, &escaped);
        case 't':
            return Literal("true");
        case 'f':
            return Literal("false");
        case 'n':
            return Literal("null");
        default:
            return Number();
        }
    }
    bool Elements()
    {
        if (++m_depth > 64)
            return false;
        Ws();
        if (m_p < m_end && *m_p == ']')
        {
            ++m_p;
            --m_depth;
            return true;
        }
        for (;;)
        {
            Ws();
            if (!Value())
                return false;
            Ws();
            if (m_p >= m_end)
                return false;
            if (*m_p++ == ']')
                break;
            if (m_p[-1] != ',')
                return false;
        }
        --m_depth;
        return true;
    }
    // After the '{'. At the root, a member "data" that is an object is scanned as the coins; of
    // the coins, the members that can become records, and "date", are kept (names with escapes
    // too: the reader decides what they are).
    enum ObjectKind { kPlain, kRoot, kCoins };
    bool Members(ObjectKind kind)
    {
        Cut cut;
        cut.from = m_p - m_base;
        if (++m_depth > 64)
            return false;
        Ws();
        if (m_p < m_end && *m_p == '}')
        {
            ++m_p;
            --m_depth;
            return true;
        }
        for (;;)
        {
            Ws();
            const char* member = m_p;
            const char *name, *nameEnd;
            bool escaped;
            if (!String(&name, &nameEnd, &escaped))
                return false;
            Ws();
            if (m_p >= m_end || *m_p++ != ':')
                return false;
            Ws();
            const bool data = kind == kRoot && !escaped && nameEnd - name == 4 && memcmp(name, "data", 4) == 0;
            if (data && m_p < m_end && *m_p == '{')
            {
                ++m_p;
                if (!Members(kCoins))
                    return false;
            }
            else if (!Value())
                return false;
            if (kind == kCoins)
            {
                const std::string code(name, nameEnd);
                if (escaped || code == "date" || CZembraParser::IsListedCoin(code.c_str()))
                {
                    if (!cut.kept.empty())
                        cut.kept += ',';
                    cut.kept.append(member, m_p);
                }
            }
            Ws();
            if (m_p >= m_end)
                return false;
            if (*m_p == '}')
            {
                cut.to = m_p - m_base;
                ++m_p;
                break;
            }
            if (*m_p++ != ',')
                return false;
        }
        --m_depth;
        if (kind == kCoins)
            m_cuts.push_back(cut);
        return true;
    }
};

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
    std::string trimmed;
    if (pText != NULL && nLength > 0 && TickerTrim(pText, nLength).Run(trimmed)) {
        pText = trimmed.data();
        nLength = static_cast<int>(trimmed.size());
    }
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
