// CInternetException and its error texts.
#include <afxinet.h>

#include "mbcs.h"

IMPLEMENT_DYNAMIC(CInternetException, CException)

namespace {

// Copies text into the caller's buffer, cut on a character boundary, without trailing line breaks.
void CopyText(LPCSTR text, LPSTR lpstrError, UINT nMaxError)
{
    size_t nEnd = strlen(text);
    while (nEnd > 0 && (text[nEnd - 1] == '\r' || text[nEnd - 1] == '\n' || text[nEnd - 1] == ' '))
        --nEnd;
    size_t n = 0;
    while (n < nEnd) {
        const size_t nChar = static_cast<size_t>(afx_mbcs::CharLength(text + n));
        if (n + nChar > nEnd || n + nChar > nMaxError - 1)
            break;
        n += nChar;
    }
    memcpy(lpstrError, text, n);
    lpstrError[n] = '\0';
}

bool SystemText(HMODULE hModule, DWORD dwError, CString& text)
{
    LPSTR pBuffer = NULL;
    const DWORD dwSource = hModule != NULL ? FORMAT_MESSAGE_FROM_HMODULE : FORMAT_MESSAGE_FROM_SYSTEM;
    const DWORD n = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_IGNORE_INSERTS | dwSource,
                                   hModule, dwError, 0, reinterpret_cast<LPSTR>(&pBuffer), 0, NULL);
    if (n == 0 || pBuffer == NULL)
        return false;
    text = pBuffer;
    LocalFree(pBuffer);
    return true;
}

} // namespace

CInternetException::CInternetException(DWORD dwError) : m_dwContext(0), m_dwError(dwError) {}

CInternetException::~CInternetException() {}

BOOL CInternetException::GetErrorMessage(LPSTR lpstrError, UINT nMaxError, PUINT pnHelpContext) const
{
    if (pnHelpContext != NULL)
        *pnHelpContext = 0;
    if (lpstrError == NULL || nMaxError == 0)
        return FALSE;

    CString text;
    bool found = false;
    if (m_dwError == ERROR_INTERNET_EXTENDED_ERROR) {
        // The server's own words, kept by WinINet for the thread that made the call.
        DWORD dwDetail = 0, dwLen = 0;
        InternetGetLastResponseInfoA(&dwDetail, NULL, &dwLen);
        if (dwLen > 0) {
            DWORD dwSize = dwLen + 1;
            found = InternetGetLastResponseInfoA(&dwDetail, text.GetBuffer(static_cast<int>(dwSize)), &dwSize) &&
                    dwSize > 0;
            text.ReleaseBuffer(found ? static_cast<int>(dwSize) : 0);
        }
    }
    if (!found)
        found = SystemText(GetModuleHandleA("wininet.dll"), m_dwError, text) || SystemText(NULL, m_dwError, text);
    if (!found) {
        // No text anywhere: still say what happened rather than leave the caller's buffer empty.
        text.Format("Internet error %lu.", static_cast<unsigned long>(m_dwError));
    }
    CopyText(text, lpstrError, nMaxError);
    return found ? TRUE : FALSE;
}

void AFXAPI AfxThrowInternetException(DWORD_PTR dwContext, DWORD dwError)
{
    if (dwError == 0)
        dwError = ::GetLastError();
    CInternetException* pException = new CInternetException(dwError);
    pException->m_dwContext = dwContext;
    throw pException;
}
