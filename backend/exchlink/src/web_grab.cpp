// GET requests over one internet session kept open between fetches.
#include "WebGrab.h"

#include <string>
#include <vector>

namespace {

const UINT kReadChunk = 4095;

CString ErrorText(CInternetException* e)
{
    char szError[256] = "";
    e->GetErrorMessage(szError, 255);
    return CString(szError);
}

const DWORD kRequestTimeOutOptions[] = {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT,
                                        INTERNET_OPTION_RECEIVE_TIMEOUT};

} // namespace

CWebGrab::CWebGrab()
    : m_pSession(NULL), m_timeOut(0), m_requestTimeOut(0), m_bForceReload(true), m_bUseProxy(false), m_nProxyPort(0),
      m_transferRate(0.0), m_dwFileSize(0), m_pProgress(NULL)
{
}

CWebGrab::~CWebGrab()
{
    Close();
}

void CWebGrab::Close()
{
    if (m_pSession)
    {
        try
        {
            m_pSession->Close();
        }
        catch (CException* e)
        {
            e->Delete();
        }
        delete m_pSession;
        m_pSession = NULL;
    }
}

BOOL CWebGrab::Initialise(LPCTSTR szAgentName, CWnd* pStatusWnd)
{
    Close();
    try
    {
        m_pSession = new CWebGrabSession(szAgentName, pStatusWnd);
    }
    catch (CInternetException* e)
    {
        e->Delete();
        m_pSession = NULL;
        return FALSE;
    }
    if (m_timeOut != 0)
        m_pSession->SetOption(INTERNET_OPTION_DATA_RECEIVE_TIMEOUT, m_timeOut);
    if (m_requestTimeOut != 0)
        for (DWORD option : kRequestTimeOutOptions)
            m_pSession->SetOption(option, m_requestTimeOut);
    if (m_bUseProxy)
    {
        CString strProxy = GetProxyText();
        INTERNET_PROXY_INFO info;
        info.dwAccessType = INTERNET_OPEN_TYPE_PROXY;
        info.lpszProxy = strProxy.GetString();
        info.lpszProxyBypass = NULL;
        m_pSession->SetOption(INTERNET_OPTION_PROXY, &info, sizeof(info));
    }
    return m_pSession != NULL;
}

void CWebGrab::SetProxy(LPCTSTR szProxyServer, INTERNET_PORT nProxyPort, BOOL bUseProxy)
{
    m_strProxyServer = szProxyServer;
    m_nProxyPort = nProxyPort;
    m_bUseProxy = (bUseProxy != FALSE);
}

CString CWebGrab::GetProxyText() const
{
    CString strProxy;
    if (m_bUseProxy)
        strProxy.Format("%s:%u", m_strProxyServer.GetString(), static_cast<unsigned>(m_nProxyPort));
    return strProxy;
}

DWORD CWebGrab::GetFileFlags() const
{
    DWORD dwFlags = INTERNET_FLAG_TRANSFER_BINARY | INTERNET_FLAG_NO_CACHE_WRITE;
    if (m_bForceReload)
        dwFlags |= INTERNET_FLAG_RELOAD;
    return dwFlags;
}

BOOL CWebGrab::GetFile(LPCTSTR szURL, CString& strBuffer, LPCTSTR szAgentName, CWnd* pStatusWnd)
{
    if (!m_pSession && !Initialise(szAgentName, pStatusWnd))
        return FALSE;

    CStdioFile* pFile = NULL;
    CHttpConnection* pConnection = NULL;
    try
    {
        pFile = OpenForGet(szURL, GetFileFlags(), pConnection);
    }
    catch (CInternetException* e)
    {
        m_pSession->SetStatus("%s", ErrorText(e).GetString());
        e->Delete();
        return FALSE;
    }
    if (!pFile)
    {
        delete pConnection;
        return FALSE;
    }

    m_dwFileSize = 0;
    CHttpFile* pHttp = DYNAMIC_DOWNCAST(CHttpFile, pFile);
    DWORD dwLength = 0, dwStatus = 0;
    if (pHttp && pHttp->QueryInfo(HTTP_QUERY_CONTENT_LENGTH, dwLength))
        m_dwFileSize = dwLength;

    std::string body;
    BOOL bComplete = TRUE;
    // A connection closed without any reply leaves no status line: nothing was fetched.
    if (pHttp && (!pHttp->QueryInfoStatusCode(dwStatus) || dwStatus == 0))
    {
        m_pSession->SetStatus("%s", "The server closed the connection without a reply");
        bComplete = FALSE;
    }
    try
    {
        std::vector<char> chunk(kReadChunk);
        UINT nRead;
        while (bComplete && (nRead = pFile->Read(chunk.data(), kReadChunk)) > 0)
            body.append(chunk.data(), nRead);
    }
    catch (CInternetException* e)
    {
        m_pSession->SetStatus("%s", ErrorText(e).GetString());
        e->Delete();
        bComplete = FALSE;
    }
    // A body that ends before its announced length broke off: as much a read error as one reported.
    if (bComplete && m_dwFileSize != 0 && body.size() < m_dwFileSize)
    {
        m_pSession->SetStatus("%s", "The connection closed before the whole reply arrived");
        bComplete = FALSE;
    }

    try
    {
        pFile->Close();
    }
    catch (CException* e)
    {
        e->Delete();
    }
    delete pFile;
    delete pConnection;
    if (!bComplete)
        return FALSE;

    strBuffer.Empty();
    strBuffer.SetString(body.data(), static_cast<int>(body.size()));
    return TRUE;
}

CStdioFile* CWebGrab::OpenForGet(LPCTSTR szURL, DWORD dwFlags, CHttpConnection*& pConnection)
{
    pConnection = NULL;
    DWORD dwService = 0;
    CString strServer, strObject;
    INTERNET_PORT nPort = 0;
    if (m_requestTimeOut == 0 || !AfxParseURL(szURL, dwService, strServer, strObject, nPort) ||
        (dwService != AFX_INET_SERVICE_HTTP && dwService != AFX_INET_SERVICE_HTTPS))
        return m_pSession->OpenURL(szURL, 1, dwFlags, NULL, 0);

    // Not every WinINet hands a session's time-outs on to the requests InternetOpenUrl makes:
    // the request is made here and carries them itself.
    if (dwService == AFX_INET_SERVICE_HTTPS)
        dwFlags |= INTERNET_FLAG_SECURE;
    CHttpFile* pFile = NULL;
    try
    {
        pConnection = m_pSession->GetHttpConnection(strServer, nPort);
        pFile = pConnection->OpenRequest(CHttpConnection::HTTP_VERB_GET, strObject, NULL, 1, NULL, NULL, dwFlags);
        for (DWORD option : kRequestTimeOutOptions)
            pFile->SetOption(option, m_requestTimeOut);
        pFile->SendRequest();
    }
    catch (CInternetException*)
    {
        delete pFile;
        delete pConnection;
        pConnection = NULL;
        throw;
    }
    return pFile;
}

BOOL CWebGrab::GetFileInfo(LPCTSTR szURL, CString& strFileInfo, DWORD& dwLength, DWORD& dwStatus,
                           LPCTSTR szAgentName, CWnd* pStatusWnd)
{
    dwStatus = 0;
    dwLength = 0;
    if (!m_pSession && !Initialise(szAgentName, pStatusWnd))
        return FALSE;
    if (pStatusWnd)
        m_pSession->SetStatusWnd(pStatusWnd);

    CStdioFile* pFile = NULL;
    try
    {
        DWORD dwFlags = INTERNET_FLAG_TRANSFER_BINARY | (m_bForceReload ? INTERNET_FLAG_RELOAD : 0);
        pFile = m_pSession->OpenURL(szURL, 1, dwFlags, NULL, 0);
    }
    catch (CInternetException* e)
    {
        m_pSession->SetStatus("%s", ErrorText(e).GetString());
        e->Delete();
        return FALSE;
    }
    CHttpFile* pHttp = DYNAMIC_DOWNCAST(CHttpFile, pFile);
    BOOL bResult = pHttp != NULL;
    if (pHttp)
    {
        if (!pHttp->QueryInfo(HTTP_QUERY_LAST_MODIFIED, strFileInfo))
        {
            pHttp->QueryInfoStatusCode(dwStatus);
            bResult = dwStatus < 400;
        }
        if (bResult && !pHttp->QueryInfo(HTTP_QUERY_CONTENT_LENGTH, dwLength))
        {
            pHttp->QueryInfoStatusCode(dwStatus);
            bResult = dwStatus < 400;
        }
    }
    try
    {
        pFile->Close();
    }
    catch (CException* e)
    {
        e->Delete();
    }
    delete pFile;
    return bResult;
}

BOOL CWebGrab::SendTelMsg(LPCTSTR szURL, CString& strBuffer)
{
    CString strURL;
    AsciiToUTF8(szURL, strURL);
    return GetFile(strURL, strBuffer, "Opera", NULL);
}

void CWebGrab::AsciiToUTF8(LPCTSTR szText, CString& strOut)
{
    strOut.Empty();
    if (!szText || !*szText)
        return;
    int nWide = MultiByteToWideChar(CP_ACP, 0, szText, -1, NULL, 0);
    if (nWide <= 0)
        return;
    std::vector<wchar_t> wide(nWide);
    MultiByteToWideChar(CP_ACP, 0, szText, -1, wide.data(), nWide);
    int nUtf8 = WideCharToMultiByte(CP_UTF8, 0, wide.data(), -1, NULL, 0, NULL, NULL);
    if (nUtf8 <= 0)
        return;
    std::vector<char> utf8(nUtf8);
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), -1, utf8.data(), nUtf8, NULL, NULL);
    // Each byte of a multi-byte sequence (two, three or four of them) gets its own escape.
    static const char hex[] = "0123456789ABCDEF";
    for (int i = 0; i < nUtf8 && utf8[i]; ++i)
    {
        unsigned char c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80)
            strOut.AppendChar(static_cast<char>(c));
        else
        {
            strOut.AppendChar('%');
            strOut.AppendChar(hex[c >> 4]);
            strOut.AppendChar(hex[c & 0x0F]);
        }
    }
}
