// CInternetConnection and CHttpConnection: one InternetConnect handle and the requests opened on it.
#include <afxinet.h>

#include "inet_routing.h"

IMPLEMENT_DYNAMIC(CInternetConnection, CObject)
IMPLEMENT_DYNAMIC(CHttpConnection, CInternetConnection)

CInternetConnection::CInternetConnection(CInternetSession* pSession, LPCSTR pstrServer, INTERNET_PORT nPort,
                                         DWORD_PTR dwContext)
    : m_hConnection(NULL),
      m_dwContext(dwContext == 1 ? pSession->GetContext() : dwContext),
      m_pSession(pSession),
      m_strServerName(pstrServer),
      m_nPort(nPort)
{
}

CInternetConnection::~CInternetConnection()
{
    CInternetConnection::Close();
}

void CInternetConnection::Close()
{
    if (m_hConnection == NULL)
        return;
    InternetCloseHandle(m_hConnection);
    afx_inet::Unregister(m_hConnection);
    m_hConnection = NULL;
}

BOOL CInternetConnection::QueryOption(DWORD dwOption, LPVOID lpBuffer, LPDWORD lpdwBufLen) const
{
    return afx_inet::QueryOption(m_hConnection, dwOption, lpBuffer, lpdwBufLen);
}

BOOL CInternetConnection::QueryOption(DWORD dwOption, DWORD& dwValue) const
{
    return afx_inet::QueryOption(m_hConnection, dwOption, dwValue);
}

BOOL CInternetConnection::QueryOption(DWORD dwOption, CString& refString) const
{
    return afx_inet::QueryOption(m_hConnection, dwOption, refString);
}

BOOL CInternetConnection::SetOption(DWORD dwOption, LPVOID lpBuffer, DWORD dwBufferLength, DWORD dwFlags)
{
    return afx_inet::SetOption(m_hConnection, dwOption, lpBuffer, dwBufferLength, dwFlags);
}

BOOL CInternetConnection::SetOption(DWORD dwOption, DWORD dwValue, DWORD dwFlags)
{
    return afx_inet::SetOption(m_hConnection, dwOption, &dwValue, sizeof dwValue, dwFlags);
}

/////////////////////////////////////////////////////////////////////////////
// CHttpConnection

const LPCSTR CHttpConnection::szHtmlVerbs[HTTP_VERB_MAX + 1] = {"POST", "GET", "HEAD", "PUT",
                                                                "LINK", "DELETE", "UNLINK"};

namespace {

HINTERNET Connect(CInternetSession* pSession, LPCSTR pstrServer, INTERNET_PORT nPort, LPCSTR pstrUserName,
                  LPCSTR pstrPassword, DWORD dwFlags, DWORD_PTR dwContext)
{
    HINTERNET hConnection;
    {
        afx_inet::CreatingScope creating(pSession);
        hConnection = InternetConnectA(*pSession, pstrServer, nPort, pstrUserName, pstrPassword,
                                       INTERNET_SERVICE_HTTP, dwFlags, dwContext);
    }
    if (hConnection == NULL)
        AfxThrowInternetException(dwContext);
    afx_inet::Register(hConnection, pSession);
    return hConnection;
}

} // namespace

CHttpConnection::CHttpConnection(CInternetSession* pSession, HINTERNET hConnected, LPCSTR pstrServer,
                                 DWORD_PTR dwContext)
    : CInternetConnection(pSession, pstrServer, INTERNET_INVALID_PORT_NUMBER, dwContext)
{
    m_hConnection = hConnected;
    afx_inet::Register(m_hConnection, pSession);
}

CHttpConnection::CHttpConnection(CInternetSession* pSession, LPCSTR pstrServer, INTERNET_PORT nPort,
                                 LPCSTR pstrUserName, LPCSTR pstrPassword, DWORD_PTR dwContext)
    : CInternetConnection(pSession, pstrServer, nPort, dwContext)
{
    m_hConnection = Connect(pSession, pstrServer, nPort, pstrUserName, pstrPassword, 0, m_dwContext);
}

CHttpConnection::CHttpConnection(CInternetSession* pSession, LPCSTR pstrServer, DWORD dwFlags, INTERNET_PORT nPort,
                                 LPCSTR pstrUserName, LPCSTR pstrPassword, DWORD_PTR dwContext)
    : CInternetConnection(pSession, pstrServer, nPort, dwContext)
{
    m_hConnection = Connect(pSession, pstrServer, nPort, pstrUserName, pstrPassword, dwFlags, m_dwContext);
}

CHttpConnection::~CHttpConnection() {}

CHttpFile* CHttpConnection::OpenRequest(LPCSTR pstrVerb, LPCSTR pstrObjectName, LPCSTR pstrReferer,
                                        DWORD_PTR dwContext, LPCSTR* ppstrAcceptTypes, LPCSTR pstrVersion,
                                        DWORD dwFlags)
{
    if (dwContext == 1)
        dwContext = m_dwContext;
    HINTERNET hFile;
    {
        afx_inet::CreatingScope creating(m_pSession);
        hFile = HttpOpenRequestA(m_hConnection, pstrVerb, pstrObjectName, pstrVersion, pstrReferer,
                                 ppstrAcceptTypes, dwFlags, dwContext);
    }
    if (hFile == NULL)
        AfxThrowInternetException(dwContext);
    afx_inet::Register(hFile, m_pSession);
    CHttpFile* pFile = new CHttpFile(hFile, pstrVerb, pstrObjectName, this);
    pFile->m_dwContext = dwContext;
    return pFile;
}

CHttpFile* CHttpConnection::OpenRequest(int nVerb, LPCSTR pstrObjectName, LPCSTR pstrReferer, DWORD_PTR dwContext,
                                        LPCSTR* ppstrAcceptTypes, LPCSTR pstrVersion, DWORD dwFlags)
{
    if (nVerb < HTTP_VERB_MIN || nVerb > HTTP_VERB_MAX)
        AfxThrowInternetException(dwContext == 1 ? m_dwContext : dwContext, ERROR_INVALID_PARAMETER);
    return OpenRequest(szHtmlVerbs[nVerb], pstrObjectName, pstrReferer, dwContext, ppstrAcceptTypes, pstrVersion,
                       dwFlags);
}
