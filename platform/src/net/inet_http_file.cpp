// CHttpFile: an HTTP request, its headers, sending it and reading the reply's headers.
#include <afxinet.h>

IMPLEMENT_DYNAMIC(CHttpFile, CInternetFile)

CHttpFile::CHttpFile(HINTERNET hFile, HINTERNET hSession, LPCSTR pstrObject, LPCSTR pstrServer, LPCSTR pstrVerb,
                     DWORD_PTR dwContext)
    : CInternetFile(hFile, hSession, pstrObject, pstrServer, dwContext, TRUE), m_strObject(pstrObject),
      m_strVerb(pstrVerb)
{
}

CHttpFile::CHttpFile(HINTERNET hFile, LPCSTR pstrVerb, LPCSTR pstrObject, CHttpConnection* pConnection)
    : CInternetFile(hFile, pstrObject, pConnection, TRUE), m_strObject(pstrObject), m_strVerb(pstrVerb)
{
}

CHttpFile::~CHttpFile() {}

void CHttpFile::Close()
{
    CInternetFile::Close();
}

BOOL CHttpFile::AddRequestHeaders(LPCSTR pstrHeaders, DWORD dwFlags, int dwHeadersLen)
{
    if (pstrHeaders == NULL)
        return FALSE;
    return HttpAddRequestHeadersA(m_hInternet, pstrHeaders, static_cast<DWORD>(dwHeadersLen), dwFlags);
}

BOOL CHttpFile::AddRequestHeaders(CString& str, DWORD dwFlags)
{
    return AddRequestHeaders(str.GetString(), dwFlags, str.GetLength());
}

BOOL CHttpFile::SendRequest(LPCSTR pstrHeaders, DWORD dwHeadersLen, LPVOID lpOptional, DWORD dwOptionalLen)
{
    // Headers given without a length run to their terminating NUL rather than being dropped.
    if (pstrHeaders != NULL && dwHeadersLen == 0)
        dwHeadersLen = static_cast<DWORD>(-1);
    if (!HttpSendRequestA(m_hInternet, pstrHeaders, dwHeadersLen, lpOptional, dwOptionalLen))
        AfxThrowInternetException(m_dwContext);
    return TRUE;
}

BOOL CHttpFile::SendRequest(CString& strHeaders, LPVOID lpOptional, DWORD dwOptionalLen)
{
    return SendRequest(strHeaders.GetString(), static_cast<DWORD>(strHeaders.GetLength()), lpOptional,
                       dwOptionalLen);
}

BOOL CHttpFile::SendRequestEx(DWORD dwTotalLen, DWORD dwFlags, DWORD_PTR dwContext)
{
    INTERNET_BUFFERSA buffers = {};
    buffers.dwStructSize = sizeof buffers;
    buffers.dwBufferTotal = dwTotalLen;
    return SendRequestEx(&buffers, NULL, dwFlags, dwContext);
}

BOOL CHttpFile::SendRequestEx(LPINTERNET_BUFFERSA lpBuffIn, LPINTERNET_BUFFERSA lpBuffOut, DWORD dwFlags,
                              DWORD_PTR dwContext)
{
    if (dwContext == 1)
        dwContext = m_dwContext;
    if (!HttpSendRequestExA(m_hInternet, lpBuffIn, lpBuffOut, dwFlags, dwContext))
        AfxThrowInternetException(dwContext);
    return TRUE;
}

BOOL CHttpFile::EndRequest(DWORD dwFlags, LPINTERNET_BUFFERSA lpBuffIn, DWORD_PTR dwContext)
{
    if (dwContext == 1)
        dwContext = m_dwContext;
    if (!HttpEndRequestA(m_hInternet, lpBuffIn, dwFlags, dwContext))
        AfxThrowInternetException(dwContext);
    return TRUE;
}

BOOL CHttpFile::QueryInfo(DWORD dwInfoLevel, LPVOID lpvBuffer, LPDWORD lpdwBufferLength, LPDWORD lpdwIndex) const
{
    return HttpQueryInfoA(m_hInternet, dwInfoLevel, lpvBuffer, lpdwBufferLength, lpdwIndex);
}

BOOL CHttpFile::QueryInfo(DWORD dwInfoLevel, CString& str, LPDWORD lpdwIndex) const
{
    dwInfoLevel &= ~(HTTP_QUERY_FLAG_NUMBER | HTTP_QUERY_FLAG_SYSTEMTIME);
    DWORD dwLen = 256;
    for (int attempt = 0; attempt < 2; ++attempt) {
        LPSTR pBuf = str.GetBuffer(static_cast<int>(dwLen));
        DWORD dwSize = dwLen + 1;
        if (HttpQueryInfoA(m_hInternet, dwInfoLevel, pBuf, &dwSize, lpdwIndex)) {
            str.ReleaseBuffer(static_cast<int>(dwSize));
            return TRUE;
        }
        str.ReleaseBuffer(0);
        if (::GetLastError() != ERROR_INSUFFICIENT_BUFFER)
            break;
        dwLen = dwSize; // the size WinINet asked for, terminator included
    }
    str.Empty();
    return FALSE;
}

BOOL CHttpFile::QueryInfo(DWORD dwInfoLevel, SYSTEMTIME* pSysTime, LPDWORD lpdwIndex) const
{
    DWORD dwSize = sizeof(SYSTEMTIME);
    return HttpQueryInfoA(m_hInternet, dwInfoLevel | HTTP_QUERY_FLAG_SYSTEMTIME, pSysTime, &dwSize, lpdwIndex);
}

BOOL CHttpFile::QueryInfo(DWORD dwInfoLevel, DWORD& dwResult, LPDWORD lpdwIndex) const
{
    DWORD dwSize = sizeof dwResult;
    return HttpQueryInfoA(m_hInternet, dwInfoLevel | HTTP_QUERY_FLAG_NUMBER, &dwResult, &dwSize, lpdwIndex);
}

BOOL CHttpFile::QueryInfoStatusCode(DWORD& dwStatusCode) const
{
    return QueryInfo(HTTP_QUERY_STATUS_CODE, dwStatusCode);
}

CString CHttpFile::GetFileURL() const
{
    CString strURL = CInternetFile::GetFileURL();
    if (strURL != m_strFileName)
        return strURL;
    strURL = "http://";
    strURL += m_strServerName;
    strURL += m_strObject;
    return strURL;
}
