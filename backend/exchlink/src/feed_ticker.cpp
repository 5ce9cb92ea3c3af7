#include "feeds.h"

#include <string.h>
#include "ZembraParser.h"

CGetAPIData::CGetAPIData()
    : CZembraFeed("Ticker", ZEMBRA_TITLE_TICKER), m_pAllBuffer(new BYTE[ALL_RECORDS * sizeof(tagTickerInfo)])
{
}

CGetAPIData::~CGetAPIData()
{
    delete[] m_pAllBuffer;
}

CString CGetAPIData::NextPath(CString& strCoin)
{
    strCoin = "ALL";
    return Receivers().GetCodeCount() > 0 ? CString("/public/ticker/ALL") : CString();
}

void CGetAPIData::ParseReply(const char* pText, int nLength)
{
    tagTickerInfo* pRecs = reinterpret_cast<tagTickerInfo*>(m_pAllBuffer);
    memset(m_pAllBuffer, 0, ALL_RECORDS * sizeof(tagTickerInfo));
    int nCount = 0;
    CString strMessage;
    int result = CZembraParser::ParseTicker(pText, nLength, pRecs, ALL_RECORDS, nCount, strMessage);
    if (result == ZEMBRA_PARSE_ERROR)
        SendErrorNotice(strMessage);
    if (result != ZEMBRA_PARSE_DATA)
        return;

    for (int i = 0; i < nCount; ++i)
    {
        // A receiver may write into what it is handed: each coin's window gets its own copy.
        tagTickerInfo rec = pRecs[i];
        char szCode[sizeof(rec.szCoinCode) + 1];
        memcpy(szCode, rec.szCoinCode, sizeof(rec.szCoinCode));
        szCode[sizeof(rec.szCoinCode)] = '\0';
        for (char* p = szCode + sizeof(rec.szCoinCode) - 1; p >= szCode && *p == ' '; --p)
            *p = '\0';
        SendToReceivers(szCode, WM_APIDATA_TICKER, &rec, sizeof(rec));
    }
    SendToReceivers("ALL", WM_APIDATA_TICKER, m_pAllBuffer, nCount * static_cast<int>(sizeof(tagTickerInfo)));
}
