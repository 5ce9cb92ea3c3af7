// Keys and private requests of the exchange agent.
#include "ZembraAPIAgent.h"

#include <json/json.h>
#include <string.h>
#include <vector>
#include "ZembraSigner.h"
#include "base_url.h"
#include "json_text.h"

namespace {

const int kReadRepeats = 3; // further posts of a read whose reply is not JSON
const DWORD kRepeatPauseMs = 10;

// Orders change the account: posted once, whatever comes back.
bool IsOrderEndpoint(const CString& strEndpoint)
{
    return strncmp(strEndpoint, "/trade/", 7) == 0;
}

} // namespace

void CZembraAPIAgent::SetKeys(CString strAPIKey, CString strSecKey)
{
    m_strAPIKey = strAPIKey;
    m_strSecKey = strSecKey;
}

CString CZembraAPIAgent::GetAPIKey()
{
    return m_strAPIKey;
}

CString CZembraAPIAgent::GetSecKey()
{
    return m_strSecKey;
}

CString CZembraAPIAgent::RequestPrivateData(CString strEndpoint, CString strParams)
{
    CString strReply = CZembraSigner::PostSignedRequest(strEndpoint, strParams, m_strAPIKey, m_strSecKey);
    if (IsOrderEndpoint(strEndpoint) || ParsesAsJson(strReply, strReply.GetLength()))
        return strReply;
    for (int i = 0; i < kReadRepeats; ++i)
    {
        strReply = CZembraSigner::PostSignedRequest(strEndpoint, strParams, m_strAPIKey, m_strSecKey);
        if (ParsesAsJson(strReply, strReply.GetLength()))
            break;
        Sleep(kRepeatPauseMs);
    }
    return strReply;
}

CString CZembraAPIAgent::UTF8toANSI(LPCSTR pszUTF8)
{
    CString strOut;
    if (!pszUTF8)
        return strOut;
    int nWide = MultiByteToWideChar(CP_UTF8, 0, pszUTF8, -1, NULL, 0);
    if (nWide <= 0)
        return strOut;
    std::vector<wchar_t> wide(nWide);
    MultiByteToWideChar(CP_UTF8, 0, pszUTF8, -1, wide.data(), nWide);
    int nAnsi = WideCharToMultiByte(CP_ACP, 0, wide.data(), -1, NULL, 0, NULL, NULL);
    if (nAnsi <= 0)
        return strOut;
    char* p = strOut.GetBuffer(nAnsi);
    WideCharToMultiByte(CP_ACP, 0, wide.data(), -1, p, nAnsi, NULL, NULL);
    strOut.ReleaseBuffer(); // up to the terminator
    return strOut;
}

CString CZembraAPIAgent::GetBaseURL()
{
    return ZembraBaseURL();
}

void CZembraAPIAgent::SetBaseURL(CString strBaseURL)
{
    ZembraSetBaseURL(strBaseURL);
}
