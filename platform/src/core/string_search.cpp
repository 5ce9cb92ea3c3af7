// CString searching and extraction. Offsets are bytes; searches follow the multi-byte rules.
#include "afx.h"
#include "mbcs.h"

int CString::Find(char ch, int iStart) const noexcept
{
    if (iStart < 0 || iStart > GetLength())
        return -1;
    const char* p = afx_mbcs::FindChar(m_pszData + iStart, ch);
    return p == nullptr ? -1 : int(p - m_pszData);
}

int CString::Find(LPCSTR pszSub, int iStart) const noexcept
{
    if (pszSub == nullptr || iStart < 0 || iStart > GetLength())
        return -1;
    const char* p = afx_mbcs::FindString(m_pszData + iStart, pszSub);
    return p == nullptr ? -1 : int(p - m_pszData);
}

int CString::ReverseFind(char ch) const noexcept
{
    const char* p = afx_mbcs::FindLastChar(m_pszData, ch);
    return p == nullptr ? -1 : int(p - m_pszData);
}

int CString::FindOneOf(LPCSTR pszCharSet) const noexcept
{
    if (pszCharSet == nullptr)
        return -1;
    const char* p = afx_mbcs::FindOneOf(m_pszData, pszCharSet);
    return p == nullptr ? -1 : int(p - m_pszData);
}

CString CString::Mid(int iFirst) const { return Mid(iFirst, GetLength() - iFirst); }

CString CString::Mid(int iFirst, int nCount) const
{
    int nLength = GetLength();
    if (iFirst < 0)
        iFirst = 0;
    if (nCount < 0)
        nCount = 0;
    if (iFirst >= nLength)
        return CString();
    if (nCount > nLength - iFirst)
        nCount = nLength - iFirst;
    if (iFirst == 0 && nCount == nLength)
        return *this;
    return CString(m_pszData + iFirst, nCount);
}

CString CString::Left(int nCount) const
{
    if (nCount < 0)
        nCount = 0;
    if (nCount >= GetLength())
        return *this;
    return CString(m_pszData, nCount);
}

CString CString::Right(int nCount) const
{
    if (nCount < 0)
        nCount = 0;
    int nLength = GetLength();
    if (nCount >= nLength)
        return *this;
    return CString(m_pszData + nLength - nCount, nCount);
}

CString CString::SpanIncluding(LPCSTR pszCharSet) const
{
    return Left(int(afx_mbcs::SpanIncluding(m_pszData, pszCharSet == nullptr ? "" : pszCharSet)));
}

CString CString::SpanExcluding(LPCSTR pszCharSet) const
{
    return Left(int(afx_mbcs::SpanExcluding(m_pszData, pszCharSet == nullptr ? "" : pszCharSet)));
}

CString CString::Tokenize(LPCSTR pszTokens, int& iStart) const
{
    if (iStart < 0)
        AfxThrowInvalidArgException();
    int nLength = GetLength();
    if (pszTokens == nullptr || *pszTokens == '\0') {
        if (iStart < nLength)
            return CString(m_pszData + iStart);
    } else if (iStart < nLength) {
        const char* p = m_pszData + iStart;
        int nSkip = int(afx_mbcs::SpanIncluding(p, pszTokens));
        if (iStart + nSkip < nLength) {
            int nToken = int(afx_mbcs::SpanExcluding(p + nSkip, pszTokens));
            int iFrom = iStart + nSkip;
            iStart = iFrom + nToken + 1;
            return Mid(iFrom, nToken);
        }
    }
    iStart = -1;
    return CString();
}

BOOL AFXAPI AfxExtractSubString(CString& rString, LPCSTR lpszFullString, int iSubString, char chSep)
{
    if (lpszFullString == nullptr || iSubString < 0) {
        rString.Empty();
        return FALSE;
    }
    const char* p = lpszFullString;
    for (; iSubString > 0; --iSubString) {
        p = afx_mbcs::FindChar(p, chSep);
        if (p == nullptr || *p == '\0') {
            rString.Empty();
            return FALSE;
        }
        ++p;
    }
    const char* end = afx_mbcs::FindChar(p, chSep);
    int n = (end == nullptr || chSep == '\0') ? CString::StringLength(p) : int(end - p);
    rString.SetString(p, n);
    return TRUE;
}
