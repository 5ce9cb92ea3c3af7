// CString: the framework's reference-counted multi-byte string (TCHAR = char).
// The object is one pointer to the text; the header (length, capacity, reference count) sits
// just before the text, so a CString has the size and layout of a char*.
#pragma once

#include "afxplatform_.h"
#include <stdarg.h>
#include <type_traits>
#include <utility>

class CString;

struct CStringData
{
    int nDataLength;  // bytes of text, without the terminating NUL
    int nAllocLength; // bytes available for text, without the terminating NUL
    long nRefs;       // owners; -1 while the buffer is locked (never shared)
    char* data() noexcept { return reinterpret_cast<char*>(this + 1); }
};

namespace afx_detail {
// Arguments bound for a printf-style "..." list: a CString travels as its text pointer.
template <typename T>
inline decltype(auto) FormatArg(T&& v) noexcept
{
    if constexpr (std::is_base_of<CString, std::decay_t<T>>::value)
        return static_cast<LPCSTR>(v.GetString());
    else
        return std::forward<T>(v);
}
} // namespace afx_detail

class AFX_PLATFORM_API CString
{
public:
    typedef char XCHAR;
    typedef char* PXSTR;
    typedef const char* PCXSTR;
    typedef wchar_t YCHAR;

    CString() noexcept;
    CString(const CString& src) noexcept;
    CString(CString&& src) noexcept;
    // A string argument made with MAKEINTRESOURCE loads that string resource, as the framework does.
    CString(LPCSTR psz);
    CString(const unsigned char* psz);
    CString(LPCWSTR psz);
    CString(LPCSTR pch, int nLength);
    CString(LPCWSTR pch, int nLength);
    CString(char ch, int nRepeat = 1);
    ~CString() noexcept;

    CString& operator=(const CString& src) noexcept;
    CString& operator=(CString&& src) noexcept;
    CString& operator=(LPCSTR psz);
    CString& operator=(const unsigned char* psz);
    CString& operator=(LPCWSTR psz);
    CString& operator=(char ch);

    CString& operator+=(const CString& str);
    CString& operator+=(LPCSTR psz);
    CString& operator+=(LPCWSTR psz);
    CString& operator+=(char ch);

    // Size and access
    int GetLength() const noexcept { return GetData()->nDataLength; }
    int GetAllocLength() const noexcept { return GetData()->nAllocLength; }
    bool IsEmpty() const noexcept { return GetData()->nDataLength == 0; }
    void Empty() noexcept;
    // Index 0..GetLength() (the terminating NUL included) is readable; others throw
    // CInvalidArgException.
    char GetAt(int iChar) const;
    char operator[](int iChar) const { return GetAt(iChar); }
    void SetAt(int iChar, char ch);
    operator LPCSTR() const noexcept { return m_pszData; }
    LPCSTR GetString() const noexcept { return m_pszData; }

    void SetString(LPCSTR psz);
    void SetString(LPCSTR psz, int nLength);
    void Append(LPCSTR psz);
    void Append(LPCSTR psz, int nLength);
    void Append(const CString& str);
    void AppendChar(char ch);
    void Truncate(int nNewLength);

    // Comparison: byte order; NoCase folds ASCII letters only, never a double-byte character.
    int Compare(LPCSTR psz) const;
    int CompareNoCase(LPCSTR psz) const;
    int Collate(LPCSTR psz) const;
    int CollateNoCase(LPCSTR psz) const;

    // Extraction (byte offsets; out-of-range arguments are clamped)
    CString Mid(int iFirst) const;
    CString Mid(int iFirst, int nCount) const;
    CString Left(int nCount) const;
    CString Right(int nCount) const;
    CString SpanIncluding(LPCSTR pszCharSet) const;
    CString SpanExcluding(LPCSTR pszCharSet) const;
    CString Tokenize(LPCSTR pszTokens, int& iStart) const;

    // Searching: matches start on character boundaries only, so a trail byte never matches.
    int Find(char ch, int iStart = 0) const noexcept;
    int Find(LPCSTR pszSub, int iStart = 0) const noexcept;
    int ReverseFind(char ch) const noexcept;
    int FindOneOf(LPCSTR pszCharSet) const noexcept;

    // Conversions in place
    CString& MakeUpper();
    CString& MakeLower();
    CString& MakeReverse();
    CString& Trim();
    CString& Trim(char chTarget);
    CString& Trim(LPCSTR pszTargets);
    CString& TrimLeft();
    CString& TrimLeft(char chTarget);
    CString& TrimLeft(LPCSTR pszTargets);
    CString& TrimRight();
    CString& TrimRight(char chTarget);
    CString& TrimRight(LPCSTR pszTargets);

    int Replace(char chOld, char chNew);
    int Replace(LPCSTR pszOld, LPCSTR pszNew);
    int Remove(char chRemove);
    int Insert(int iIndex, char ch);
    int Insert(int iIndex, LPCSTR psz);
    int Delete(int iIndex, int nCount = 1);

    // printf-style formatting with the C runtime's rules. CString arguments may be passed as they are.
    template <typename... Args>
    void Format(LPCSTR pszFormat, Args&&... args)
    {
        FormatImpl(pszFormat, afx_detail::FormatArg(std::forward<Args>(args))...);
    }
    template <typename... Args>
    void Format(UINT nFormatID, Args&&... args)
    {
        CString fmt;
        fmt.LoadString(nFormatID);
        FormatImpl(fmt.m_pszData, afx_detail::FormatArg(std::forward<Args>(args))...);
    }
    template <typename... Args>
    void AppendFormat(LPCSTR pszFormat, Args&&... args)
    {
        AppendFormatImpl(pszFormat, afx_detail::FormatArg(std::forward<Args>(args))...);
    }
    template <typename... Args>
    void AppendFormat(UINT nFormatID, Args&&... args)
    {
        CString fmt;
        fmt.LoadString(nFormatID);
        AppendFormatImpl(fmt.m_pszData, afx_detail::FormatArg(std::forward<Args>(args))...);
    }
    void FormatV(LPCSTR pszFormat, va_list args);
    void AppendFormatV(LPCSTR pszFormat, va_list args);

    // Resources: the string is looked up along the module resource chain.
    BOOL LoadString(UINT nID);
    BOOL LoadString(HINSTANCE hInstance, UINT nID);

    // Raw buffer access
    LPSTR GetBuffer();
    LPSTR GetBuffer(int nMinBufferLength);
    LPSTR GetBufferSetLength(int nLength);
    void ReleaseBuffer(int nNewLength = -1);
    void ReleaseBufferSetLength(int nNewLength);
    LPSTR LockBuffer();
    void UnlockBuffer() noexcept;
    void Preallocate(int nLength);
    void FreeExtra();

    // The text as a new UTF-16 BSTR (the caller frees it with SysFreeString); SetSysString
    // replaces *pbstr with it.
    BSTR AllocSysString() const;
    BSTR SetSysString(BSTR* pbstr) const;

    // Byte length of a NUL-terminated text (0 for null).
    static int StringLength(LPCSTR psz) noexcept;

    friend CString AFX_PLATFORM_API operator+(const CString& a, const CString& b);
    friend CString AFX_PLATFORM_API operator+(const CString& a, LPCSTR b);
    friend CString AFX_PLATFORM_API operator+(LPCSTR a, const CString& b);
    friend CString AFX_PLATFORM_API operator+(const CString& a, char b);
    friend CString AFX_PLATFORM_API operator+(char a, const CString& b);

private:
    void FormatImpl(LPCSTR pszFormat, ...);
    void AppendFormatImpl(LPCSTR pszFormat, ...);

    CStringData* GetData() const noexcept { return reinterpret_cast<CStringData*>(m_pszData) - 1; }
    void Attach(CStringData* pData) noexcept { m_pszData = pData->data(); }
    // Makes the buffer this object's own with room for nLength bytes, keeping the text.
    LPSTR PrepareWrite(int nLength);
    void Reallocate(int nLength);
    void Fork(int nLength);
    void SetLength(int nLength);

    LPSTR m_pszData;
};

static_assert(sizeof(CString) == sizeof(char*), "CString must have the layout of a char*");
typedef CString CStringA;

inline bool operator==(const CString& a, const CString& b) { return a.GetLength() == b.GetLength() && a.Compare(b) == 0; }
inline bool operator==(const CString& a, LPCSTR b) { return a.Compare(b) == 0; }
inline bool operator==(LPCSTR a, const CString& b) { return b.Compare(a) == 0; }
inline bool operator!=(const CString& a, const CString& b) { return !(a == b); }
inline bool operator!=(const CString& a, LPCSTR b) { return !(a == b); }
inline bool operator!=(LPCSTR a, const CString& b) { return !(a == b); }
inline bool operator<(const CString& a, const CString& b) { return a.Compare(b) < 0; }
inline bool operator<(const CString& a, LPCSTR b) { return a.Compare(b) < 0; }
inline bool operator<(LPCSTR a, const CString& b) { return b.Compare(a) > 0; }
inline bool operator>(const CString& a, const CString& b) { return a.Compare(b) > 0; }
inline bool operator>(const CString& a, LPCSTR b) { return a.Compare(b) > 0; }
inline bool operator>(LPCSTR a, const CString& b) { return b.Compare(a) < 0; }
inline bool operator<=(const CString& a, const CString& b) { return a.Compare(b) <= 0; }
inline bool operator<=(const CString& a, LPCSTR b) { return a.Compare(b) <= 0; }
inline bool operator<=(LPCSTR a, const CString& b) { return b.Compare(a) >= 0; }
inline bool operator>=(const CString& a, const CString& b) { return a.Compare(b) >= 0; }
inline bool operator>=(const CString& a, LPCSTR b) { return a.Compare(b) >= 0; }
inline bool operator>=(LPCSTR a, const CString& b) { return b.Compare(a) <= 0; }

// Field iSubString (0-based) of lpszFullString split at chSep; FALSE (and rString empty) when
// there is no such field. Separators inside double-byte characters do not count.
AFX_PLATFORM_API BOOL AFXAPI AfxExtractSubString(CString& rString, LPCSTR lpszFullString, int iSubString,
                                                 char chSep = '\n');

// Module resource chain (the windows half of the layer owns it): the module that holds the
// resource of the given name and type, or the application's resource module when none does.
AFX_PLATFORM_API HINSTANCE AFXAPI AfxGetResourceHandle();
AFX_PLATFORM_API HINSTANCE AFXAPI AfxFindResourceHandle(LPCSTR lpszName, LPCSTR lpszType);
// The module whose string table holds string nID, or null.
AFX_PLATFORM_API HINSTANCE AFXAPI AfxFindStringResourceHandle(UINT nID);
