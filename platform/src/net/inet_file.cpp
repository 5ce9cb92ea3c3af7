// CInternetFile: reading and writing a WinINet file handle, with a read buffer for lines.
#include <afxinet.h>

#include "inet_routing.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CInternetFile, CStdioFile)

namespace {
const UINT kDefaultReadBuffer = 4096;
}

CInternetFile::CInternetFile(HINTERNET hFile, LPCSTR pstrFileName, CInternetConnection* pConnection, BOOL bReadMode)
    : CInternetFile(hFile, *pConnection, pstrFileName, pConnection->GetServerName(), pConnection->GetContext(),
                    bReadMode)
{
}

CInternetFile::CInternetFile(HINTERNET hFile, HINTERNET hSession, LPCSTR pstrFileName, LPCSTR pstrServer,
                             DWORD_PTR dwContext, BOOL bReadMode)
    : m_hInternet(hFile),
      m_hConnection(hSession),
      m_strServerName(pstrServer),
      m_dwContext(dwContext),
      m_bReadMode(bReadMode),
      m_nPosition(0),
      m_pbReadBuffer(NULL),
      m_nReadBufferSize(0),
      m_nReadBufferPos(0),
      m_nReadBufferBytes(0)
{
    m_strFileName = pstrFileName;
}

CInternetFile::~CInternetFile()
{
    CInternetFile::Close();
}

void CInternetFile::Close()
{
    if (m_hInternet != NULL) {
        InternetCloseHandle(m_hInternet);
        afx_inet::Unregister(m_hInternet);
        m_hInternet = NULL;
    }
    delete[] m_pbReadBuffer;
    m_pbReadBuffer = NULL;
    m_nReadBufferSize = m_nReadBufferPos = m_nReadBufferBytes = 0;
}

void CInternetFile::Abort()
{
    Close();
}

void CInternetFile::Flush() {}

BOOL CInternetFile::QueryOption(DWORD dwOption, LPVOID lpBuffer, LPDWORD lpdwBufLen) const
{
    return afx_inet::QueryOption(m_hInternet, dwOption, lpBuffer, lpdwBufLen);
}

BOOL CInternetFile::QueryOption(DWORD dwOption, DWORD& dwValue) const
{
    return afx_inet::QueryOption(m_hInternet, dwOption, dwValue);
}

BOOL CInternetFile::QueryOption(DWORD dwOption, CString& refString) const
{
    return afx_inet::QueryOption(m_hInternet, dwOption, refString);
}

BOOL CInternetFile::SetOption(DWORD dwOption, LPVOID lpBuffer, DWORD dwBufferLength, DWORD dwFlags)
{
    return afx_inet::SetOption(m_hInternet, dwOption, lpBuffer, dwBufferLength, dwFlags);
}

BOOL CInternetFile::SetOption(DWORD dwOption, DWORD dwValue, DWORD dwFlags)
{
    return afx_inet::SetOption(m_hInternet, dwOption, &dwValue, sizeof dwValue, dwFlags);
}

CString CInternetFile::GetFileURL() const
{
    CString strURL;
    if (!afx_inet::QueryOption(m_hInternet, INTERNET_OPTION_URL, strURL))
        strURL = m_strFileName;
    return strURL;
}

UINT CInternetFile::Read(void* lpBuf, UINT nCount)
{
    if (nCount == 0)
        return 0;
    UINT nRead;
    if (m_nReadBufferPos < m_nReadBufferBytes) {
        // Bytes a line read left behind come first.
        nRead = std::min(nCount, m_nReadBufferBytes - m_nReadBufferPos);
        memcpy(lpBuf, m_pbReadBuffer + m_nReadBufferPos, nRead);
        m_nReadBufferPos += nRead;
    } else {
        DWORD dwRead = 0;
        if (!InternetReadFile(m_hInternet, lpBuf, nCount, &dwRead))
            AfxThrowInternetException(m_dwContext);
        nRead = dwRead;
    }
    m_nPosition += nRead;
    return nRead;
}

void CInternetFile::Write(const void* lpBuf, UINT nCount)
{
    const BYTE* p = static_cast<const BYTE*>(lpBuf);
    while (nCount > 0) {
        DWORD dwWritten = 0;
        if (!InternetWriteFile(m_hInternet, p, nCount, &dwWritten))
            AfxThrowInternetException(m_dwContext);
        if (dwWritten == 0)
            AfxThrowInternetException(m_dwContext, ERROR_INTERNET_CONNECTION_ABORTED);
        p += dwWritten;
        nCount -= dwWritten;
        m_nPosition += dwWritten;
    }
}

void CInternetFile::WriteString(LPCSTR pstr)
{
    Write(pstr, static_cast<UINT>(strlen(pstr)));
}

BOOL CInternetFile::SetReadBufferSize(UINT nReadSize)
{
    if (m_nReadBufferPos < m_nReadBufferBytes && nReadSize < m_nReadBufferBytes - m_nReadBufferPos)
        return FALSE; // would lose bytes not read yet
    BYTE* pNew = nReadSize > 0 ? new BYTE[nReadSize] : NULL;
    const UINT nKeep = m_nReadBufferBytes - m_nReadBufferPos;
    if (nKeep > 0)
        memcpy(pNew, m_pbReadBuffer + m_nReadBufferPos, nKeep);
    delete[] m_pbReadBuffer;
    m_pbReadBuffer = pNew;
    m_nReadBufferSize = nReadSize;
    m_nReadBufferPos = 0;
    m_nReadBufferBytes = nKeep;
    return TRUE;
}

BOOL CInternetFile::SetWriteBufferSize(UINT)
{
    // Writes go straight to WinINet; there is nothing to size for a file opened for reading.
    return !m_bReadMode;
}

BOOL CInternetFile::FillReadBuffer()
{
    if (m_nReadBufferPos < m_nReadBufferBytes)
        return TRUE;
    if (m_pbReadBuffer == NULL)
        SetReadBufferSize(kDefaultReadBuffer);
    DWORD dwRead = 0;
    if (!InternetReadFile(m_hInternet, m_pbReadBuffer, m_nReadBufferSize, &dwRead))
        AfxThrowInternetException(m_dwContext);
    m_nReadBufferPos = 0;
    m_nReadBufferBytes = dwRead;
    return dwRead > 0;
}

BOOL CInternetFile::ReadString(CString& rString)
{
    rString.Empty();
    BOOL bAny = FALSE;
    while (FillReadBuffer()) {
        bAny = TRUE;
        const BYTE* pStart = m_pbReadBuffer + m_nReadBufferPos;
        const UINT nAvail = m_nReadBufferBytes - m_nReadBufferPos;
        const BYTE* pEnd = static_cast<const BYTE*>(memchr(pStart, '\n', nAvail));
        const UINT nTake = pEnd != NULL ? static_cast<UINT>(pEnd - pStart) : nAvail;
        rString.Append(reinterpret_cast<LPCSTR>(pStart), static_cast<int>(nTake));
        const UINT nConsumed = pEnd != NULL ? nTake + 1 : nTake;
        m_nReadBufferPos += nConsumed;
        m_nPosition += nConsumed;
        if (pEnd != NULL) {
            if (!rString.IsEmpty() && rString[rString.GetLength() - 1] == '\r')
                rString.Truncate(rString.GetLength() - 1);
            return TRUE;
        }
    }
    return bAny;
}

LPSTR CInternetFile::ReadString(LPSTR pstr, UINT nMax)
{
    if (pstr == NULL || nMax == 0)
        return NULL;
    UINT n = 0;
    while (n + 1 < nMax && FillReadBuffer()) {
        const char ch = static_cast<char>(m_pbReadBuffer[m_nReadBufferPos++]);
        ++m_nPosition;
        pstr[n++] = ch;
        if (ch == '\n')
            break;
    }
    pstr[n] = '\0';
    return n > 0 ? pstr : NULL;
}

ULONGLONG CInternetFile::Seek(LONGLONG lOffset, UINT nFrom)
{
    DWORD dwMethod = FILE_BEGIN;
    if (nFrom == CFile::current) {
        dwMethod = FILE_CURRENT;
        lOffset -= m_nReadBufferBytes - m_nReadBufferPos; // WinINet is ahead by the unread bytes
    } else if (nFrom == CFile::end)
        dwMethod = FILE_END;
    m_nReadBufferPos = m_nReadBufferBytes = 0;
    const DWORD dwPos = InternetSetFilePointer(m_hInternet, static_cast<LONG>(lOffset), NULL, dwMethod, 0);
    if (dwPos == INVALID_SET_FILE_POINTER)
        AfxThrowInternetException(m_dwContext);
    m_nPosition = dwPos;
    return dwPos;
}

ULONGLONG CInternetFile::GetPosition() const
{
    return m_nPosition;
}

ULONGLONG CInternetFile::GetLength() const
{
    DWORD dwAvailable = 0;
    if (m_hInternet == NULL || !InternetQueryDataAvailable(m_hInternet, &dwAvailable, 0, 0))
        dwAvailable = 0;
    return dwAvailable + (m_nReadBufferBytes - m_nReadBufferPos);
}

void CInternetFile::SetLength(ULONGLONG)
{
    AfxThrowNotSupportedException();
}

void CInternetFile::LockRange(ULONGLONG, ULONGLONG)
{
    AfxThrowNotSupportedException();
}

void CInternetFile::UnlockRange(ULONGLONG, ULONGLONG)
{
    AfxThrowNotSupportedException();
}

CFile* CInternetFile::Duplicate() const
{
    AfxThrowNotSupportedException();
}
