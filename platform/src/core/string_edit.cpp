// CString conversions and edits in place. Characters are whole: a double-byte character is
// never split, case-changed, trimmed or replaced by a single-byte argument.
#include "afx.h"
#include "mbcs.h"

#include <string.h>

#include <algorithm>

namespace {

inline bool IsBlank(const char* p) noexcept
{
    return afx_mbcs::CharLength(p) == 1 && (*p == ' ' || (*p >= '\t' && *p <= '\r'));
}

inline bool IsSingle(const char* p, char ch) noexcept { return *p == ch && afx_mbcs::CharLength(p) == 1; }

inline bool IsTarget(const char* p, LPCSTR targets) noexcept
{
    return afx_mbcs::IsInSet(p, afx_mbcs::CharLength(p), targets);
}

// Bytes of leading characters of s for which pred holds.
template <typename Pred>
int LeadingRun(const char* s, Pred pred)
{
    const char* p = s;
    while (*p != '\0' && pred(p))
        p += afx_mbcs::CharLength(p);
    return int(p - s);
}

// Offset where the trailing run of characters for which pred holds begins.
template <typename Pred>
int TrailingRunStart(const char* s, Pred pred)
{
    const char* start = nullptr;
    const char* p = s;
    for (; *p != '\0'; p += afx_mbcs::CharLength(p)) {
        if (pred(p)) {
            if (start == nullptr)
                start = p;
        } else {
            start = nullptr;
        }
    }
    return int((start == nullptr ? p : start) - s);
}

} // namespace

CString& CString::MakeUpper()
{
    int n = GetLength();
    afx_mbcs::MakeUpper(GetBuffer(), size_t(n));
    ReleaseBufferSetLength(n);
    return *this;
}

CString& CString::MakeLower()
{
    int n = GetLength();
    afx_mbcs::MakeLower(GetBuffer(), size_t(n));
    ReleaseBufferSetLength(n);
    return *this;
}

CString& CString::MakeReverse()
{
    int n = GetLength();
    afx_mbcs::Reverse(GetBuffer(), size_t(n));
    ReleaseBufferSetLength(n);
    return *this;
}

CString& CString::TrimRight()
{
    Truncate(TrailingRunStart(m_pszData, IsBlank));
    return *this;
}

CString& CString::TrimRight(char chTarget)
{
    Truncate(TrailingRunStart(m_pszData, [chTarget](const char* p) { return IsSingle(p, chTarget); }));
    return *this;
}

CString& CString::TrimRight(LPCSTR pszTargets)
{
    if (pszTargets == nullptr || *pszTargets == '\0')
        return *this;
    Truncate(TrailingRunStart(m_pszData, [pszTargets](const char* p) { return IsTarget(p, pszTargets); }));
    return *this;
}

CString& CString::TrimLeft()
{
    Delete(0, LeadingRun(m_pszData, IsBlank));
    return *this;
}

CString& CString::TrimLeft(char chTarget)
{
    Delete(0, LeadingRun(m_pszData, [chTarget](const char* p) { return IsSingle(p, chTarget); }));
    return *this;
}

CString& CString::TrimLeft(LPCSTR pszTargets)
{
    if (pszTargets == nullptr || *pszTargets == '\0')
        return *this;
    Delete(0, LeadingRun(m_pszData, [pszTargets](const char* p) { return IsTarget(p, pszTargets); }));
    return *this;
}

CString& CString::Trim() { return TrimRight().TrimLeft(); }
CString& CString::Trim(char chTarget) { return TrimRight(chTarget).TrimLeft(chTarget); }
CString& CString::Trim(LPCSTR pszTargets) { return TrimRight(pszTargets).TrimLeft(pszTargets); }

int CString::Replace(char chOld, char chNew)
{
    if (chOld == chNew || afx_mbcs::FindChar(m_pszData, chOld) == nullptr || chOld == '\0')
        return 0;
    int n = GetLength();
    LPSTR buf = GetBuffer();
    int nCount = 0;
    for (int i = 0; i < n; i += afx_mbcs::CharLength(buf + i)) {
        if (IsSingle(buf + i, chOld)) {
            buf[i] = chNew;
            ++nCount;
        }
    }
    // A NUL replacement shortens the string, as it does in the framework.
    ReleaseBuffer(chNew == '\0' ? -1 : n);
    return nCount;
}

int CString::Replace(LPCSTR pszOld, LPCSTR pszNew)
{
    int nOld = StringLength(pszOld);
    if (nOld == 0)
        return 0;
    int nNew = StringLength(pszNew);
    int nCount = 0;
    for (const char* p = afx_mbcs::FindString(m_pszData, pszOld); p != nullptr;
         p = afx_mbcs::FindString(p + nOld, pszOld))
        ++nCount;
    if (nCount == 0)
        return 0;
    CString result;
    result.Preallocate(GetLength() + (nNew - nOld) * nCount);
    const char* from = m_pszData;
    for (const char* p = afx_mbcs::FindString(from, pszOld); p != nullptr;
         p = afx_mbcs::FindString(from, pszOld)) {
        result.Append(from, int(p - from));
        result.Append(pszNew, nNew);
        from = p + nOld;
    }
    result.Append(from);
    *this = std::move(result);
    return nCount;
}

int CString::Remove(char chRemove)
{
    int n = GetLength();
    if (chRemove == '\0' || afx_mbcs::FindChar(m_pszData, chRemove) == nullptr)
        return 0;
    LPSTR buf = GetBuffer();
    int out = 0;
    for (int i = 0; i < n;) {
        int len = afx_mbcs::CharLength(buf + i);
        if (!IsSingle(buf + i, chRemove)) {
            memmove(buf + out, buf + i, size_t(len));
            out += len;
        }
        i += len;
    }
    ReleaseBufferSetLength(out);
    return n - out;
}

int CString::Insert(int iIndex, char ch) { return Insert(iIndex, CString(ch, 1)); }

int CString::Insert(int iIndex, LPCSTR psz)
{
    int n = GetLength();
    iIndex = std::min(std::max(iIndex, 0), n);
    int nInsert = StringLength(psz);
    if (nInsert > 0) {
        CString copy(psz, nInsert); // psz may point into this string
        LPSTR buf = GetBuffer(n + nInsert);
        memmove(buf + iIndex + nInsert, buf + iIndex, size_t(n - iIndex));
        memcpy(buf + iIndex, copy.GetString(), size_t(nInsert));
        ReleaseBufferSetLength(n + nInsert);
    }
    return GetLength();
}

int CString::Delete(int iIndex, int nCount)
{
    int n = GetLength();
    if (iIndex < 0)
        iIndex = 0;
    if (nCount < 0 || iIndex >= n)
        nCount = 0;
    if (nCount > n - iIndex)
        nCount = n - iIndex;
    if (nCount > 0) {
        LPSTR buf = GetBuffer();
        memmove(buf + iIndex, buf + iIndex + nCount, size_t(n - iIndex - nCount));
        ReleaseBufferSetLength(n - nCount);
    }
    return GetLength();
}
