#include "feeds.h"

#include "ZembraParser.h"

CGetAPIHogaData::CGetAPIHogaData() : CZembraFeed("Hoga", ZEMBRA_TITLE_HOGA)
{
}

CGetAPIHogaData::~CGetAPIHogaData()
{
}

CString CGetAPIHogaData::NextPath(CString& strCoin)
{
    strCoin = Receivers().NextPollCode();
    return strCoin.IsEmpty() ? CString() : "/public/orderbook/" + strCoin;
}

void CGetAPIHogaData::ParseReply(const char* pText, int nLength)
{
    tagHogaInfo rec;
    CString strCode, strMessage;
    int result = CZembraParser::ParseHoga(pText, nLength, rec, strCode, strMessage);
    if (result == ZEMBRA_PARSE_ERROR)
        SendErrorNotice(strMessage);
    else if (result == ZEMBRA_PARSE_DATA)
        SendToReceivers(strCode, WM_APIDATA_HOGA, &rec, sizeof(rec));
}
