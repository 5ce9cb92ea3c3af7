// CInternetSession: one WinINet session handle, the connections and URLs opened on it, and the
// routing of WinINet's status callbacks to OnStatusCallback.
#include <afxinet.h>
#include <afxwin.h>

#include "inet_routing.h"

IMPLEMENT_DYNAMIC(CInternetSession, CObject)

CInternetSession::CInternetSession(LPCSTR pstrAgent, DWORD_PTR dwContext, DWORD dwAccessType, LPCSTR pstrProxyName,
                                   LPCSTR pstrProxyBypass, DWORD dwFlags)
    : m_dwContext(dwContext), m_hSession(NULL), m_pOldCallback(NULL), m_bCallbackEnabled(FALSE)
{
    // The classes run every operation to its end on the calling thread; an asynchronous session
    // would make them return before the work is done.
    dwFlags &= ~INTERNET_FLAG_ASYNC;
    if (pstrAgent == NULL)
        pstrAgent = AfxGetAppName();
    m_hSession = InternetOpenA(pstrAgent, dwAccessType, pstrProxyName, pstrProxyBypass, dwFlags);
    if (m_hSession == NULL)
        AfxThrowInternetException(m_dwContext);
    afx_inet::Register(m_hSession, this);
}

CInternetSession::~CInternetSession()
{
    CInternetSession::Close();
}

void CInternetSession::Close()
{
    if (m_hSession == NULL)
        return;
    if (m_bCallbackEnabled) {
        InternetSetStatusCallbackA(m_hSession, NULL);
        m_bCallbackEnabled = FALSE;
    }
    InternetCloseHandle(m_hSession);
    m_hSession = NULL;
    // Connections and files still open find no session from now on: their callbacks are ignored.
    afx_inet::UnregisterSession(this);
}

BOOL CInternetSession::QueryOption(DWORD dwOption, LPVOID lpBuffer, LPDWORD lpdwBufLen) const
{
    return afx_inet::QueryOption(m_hSession, dwOption, lpBuffer, lpdwBufLen);
}

BOOL CInternetSession::QueryOption(DWORD dwOption, DWORD& dwValue) const
{
    return afx_inet::QueryOption(m_hSession, dwOption, dwValue);
}

BOOL CInternetSession::QueryOption(DWORD dwOption, CString& refString) const
{
    return afx_inet::QueryOption(m_hSession, dwOption, refString);
}

BOOL CInternetSession::SetOption(DWORD dwOption, LPVOID lpBuffer, DWORD dwBufferLength, DWORD dwFlags)
{
    return afx_inet::SetOption(m_hSession, dwOption, lpBuffer, dwBufferLength, dwFlags);
}

BOOL CInternetSession::SetOption(DWORD dwOption, DWORD dwValue, DWORD dwFlags)
{
    return afx_inet::SetOption(m_hSession, dwOption, &dwValue, sizeof dwValue, dwFlags);
}

CStdioFile* CInternetSession::OpenURL(LPCSTR pstrURL, DWORD_PTR dwContext, DWORD dwFlags, LPCSTR pstrHeaders,
                                      DWORD dwHeadersLength)
{
    if (dwContext == 1)
        dwContext = m_dwContext;
    DWORD dwServiceType;
    CString strServer, strObject;
    INTERNET_PORT nPort;
    if (!AfxParseURL(pstrURL, dwServiceType, strServer, strObject, nPort))
        AfxThrowInternetException(dwContext, ERROR_INTERNET_INVALID_URL);
    if (dwServiceType != AFX_INET_SERVICE_HTTP && dwServiceType != AFX_INET_SERVICE_HTTPS &&
        dwServiceType != AFX_INET_SERVICE_FTP)
        AfxThrowInternetException(dwContext, ERROR_INTERNET_UNRECOGNIZED_SCHEME);
    if (pstrHeaders != NULL && dwHeadersLength == 0)
        dwHeadersLength = static_cast<DWORD>(-1); // up to the terminating NUL

    HINTERNET hFile;
    {
        afx_inet::CreatingScope creating(this);
        hFile = InternetOpenUrlA(m_hSession, pstrURL, pstrHeaders, dwHeadersLength, dwFlags, dwContext);
    }
    if (hFile == NULL)
        AfxThrowInternetException(dwContext);
    afx_inet::Register(hFile, this);
    if (dwServiceType == AFX_INET_SERVICE_FTP)
        return new CInternetFile(hFile, m_hSession, strObject, strServer, dwContext, TRUE);
    return new CHttpFile(hFile, m_hSession, strObject, strServer, CHttpConnection::szHtmlVerbs[CHttpConnection::HTTP_VERB_GET],
                         dwContext);
}

CHttpConnection* CInternetSession::GetHttpConnection(LPCSTR pstrServer, INTERNET_PORT nPort, LPCSTR pstrUserName,
                                                     LPCSTR pstrPassword)
{
    return new CHttpConnection(this, pstrServer, nPort, pstrUserName, pstrPassword, m_dwContext);
}

CHttpConnection* CInternetSession::GetHttpConnection(LPCSTR pstrServer, DWORD dwFlags, INTERNET_PORT nPort,
                                                     LPCSTR pstrUserName, LPCSTR pstrPassword)
{
    return new CHttpConnection(this, pstrServer, dwFlags, nPort, pstrUserName, pstrPassword, m_dwContext);
}

BOOL CInternetSession::EnableStatusCallback(BOOL bEnable)
{
    if (m_hSession == NULL)
        return FALSE;
    if (bEnable && !m_bCallbackEnabled) {
        INTERNET_STATUS_CALLBACK pOld = InternetSetStatusCallbackA(m_hSession, afx_inet::StatusCallback);
        if (pOld == INTERNET_INVALID_STATUS_CALLBACK)
            AfxThrowInternetException(m_dwContext);
        m_pOldCallback = pOld;
        m_bCallbackEnabled = TRUE;
    } else if (!bEnable && m_bCallbackEnabled) {
        InternetSetStatusCallbackA(m_hSession, m_pOldCallback);
        m_bCallbackEnabled = FALSE;
    }
    return TRUE;
}

DWORD CInternetSession::ServiceTypeFromHandle(HINTERNET hQuery)
{
    DWORD dwType = 0;
    if (hQuery == NULL || !afx_inet::QueryOption(hQuery, INTERNET_OPTION_HANDLE_TYPE, dwType))
        return AFX_INET_SERVICE_UNK;
    return dwType;
}

void CInternetSession::OnStatusCallback(DWORD_PTR, DWORD, LPVOID, DWORD) {}
