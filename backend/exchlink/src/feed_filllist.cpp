#include "feeds.h"

#include "ZembraParser.h"

CGetAPIFillListData::CGetAPIFillListData() : CZembraFeed("FillList", ZEMBRA_TITLE_FILL)
{
}

CGetAPIFillListData::~CGetAPIFillListData()
{
}

CString CGetAPIFillListData::NextPath(CString& strCoin)
{
    strCoin = Receivers().NextPollCode();
    return strCoin.IsEmpty() ? CString() : "/public/transaction_history/" + strCoin;
}

void CGetAPIFillListData::PrepareReply(const CString& strCoin, CString& strReply)
{
    // The reply does not name its coin: put the requested one in front as "coin_code".
    CString strTagged("{\"coin_code\":\"");
    for (int i = 0; i < strCoin.GetLength(); ++i)
    {
        unsigned char c = static_cast<unsigned char>(strCoin[i]);
        if (c == '"' || c == '\\')
            strTagged.AppendChar('\\');
        if (c < 0x20)
            strTagged.AppendFormat("\\u%04X", c);
        else
            strTagged.AppendChar(static_cast<char>(c));
    }
    strTagged.Append("\", ");
    strTagged.Append(strReply.GetString() + 1, strReply.GetLength() - 1);
    strReply = strTagged;
}

void CGetAPIFillListData::ParseReply(const char* pText, int nLength)
{
    tagFillListInfo rec;
    CString strCode, strMessage;
    int result = CZembraParser::ParseFillList(pText, nLength, rec, strCode, strMessage);
    if (result == ZEMBRA_PARSE_ERROR)
        SendErrorNotice(strMessage);
    else if (result == ZEMBRA_PARSE_DATA)
        SendToReceivers(strCode, WM_APIDATA_FILLLIST, &rec, sizeof(rec));
}
