// Turns the exchange's public market-data replies into the fixed records of ZembraRecords.h.
// Every member is read as a JSON string; a missing member, or one of another type, reads as the
// empty text and leaves its field blank. Input of any shape is safe: what is not a JSON object
// is dropped.
#pragma once

#include <afx.h>
#include "ExchLinkExport.h"
#include "ZembraRecords.h"

// Outcome of parsing one reply.
enum
{
    ZEMBRA_PARSE_DROPPED = 0, // not JSON (or not an object): nothing is sent
    ZEMBRA_PARSE_DATA = 1,    // records filled
    ZEMBRA_PARSE_ERROR = 2    // "status" is not 0: strMessage holds the exchange's UTF-8 "message"
};

#define ZEMBRA_LISTED_COINS 12
#define ZEMBRA_TITLE_TICKER "Zembra TICKER API 에러"
#define ZEMBRA_TITLE_FILL "Zembra FILL API 에러"
#define ZEMBRA_TITLE_HOGA "Zembra HOGA API 에러"

class EXCHLINK_API CZembraParser
{
public:
    // One of the twelve coins that produce ticker records (compared byte for byte).
    static BOOL IsListedCoin(LPCSTR pszCode);
    // Decimal milliseconds since 1970 as local "hh:mm:ss"; the empty text when out of range.
    static CString MillisToClockText(LPCSTR pszMillis);

    // "/public/ticker/ALL": one record per listed coin of "data", in ascending code order, at
    // most nMaxRecs; nCount gets their number.
    static int ParseTicker(const char* pText, int nLength, tagTickerInfo* pRecs, int nMaxRecs, int& nCount,
                           CString& strMessage);
    // "/public/transaction_history/<coin>" with the requested coin put in front as "coin_code";
    // strCode gets that code whole (the record holds it cut to 10 bytes).
    static int ParseFillList(const char* pText, int nLength, tagFillListInfo& rec, CString& strCode,
                             CString& strMessage);
    // "/public/orderbook/<coin>"; strCode gets data.order_currency whole.
    static int ParseHoga(const char* pText, int nLength, tagHogaInfo& rec, CString& strCode,
                         CString& strMessage);

    // The notice of an exchange error: time, title and the message converted from UTF-8 to the
    // ANSI code page, cut to 200 bytes without splitting a double-byte character.
    static void BuildErrorNotice(const SYSTEMTIME& stLocal, LPCSTR pszTitle, LPCSTR pszUTF8Message,
                                 tagAPIErrorNotice& notice);

    // Left-aligned, blank-filled to nWidth, cut at nWidth, no terminator.
    static void PutField(char* pField, int nWidth, LPCSTR pszText);
};
