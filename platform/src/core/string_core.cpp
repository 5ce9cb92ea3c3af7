// CString storage: construction, assignment, concatenation, buffers, comparison.
#include "afx.h"
#include "mbcs.h"

#include <stdlib.h>
#include <string.h>

#include <algorithm>
#include <limits>

namespace {

// The shared empty string: never freed, never written.
struct NilString
{
    CStringData header;
    char text[4];
};
NilString g_nil = {{0, 0, 2}, {0, 0, 0, 0}};

inline bool IsNil(const CStringData* p) noexcept { return p == &g_nil.header; }

constexpr int kMaxLength = std::numeric_limits<int>::max() / 2;

CStringData* Allocate(int nAlloc)
{
    if (nAlloc < 0 || nAlloc > kMaxLength)
        AfxThrowMemoryException();
    // Round small sizes up so that short appends do not reallocate each time.
    nAlloc = (nAlloc + 16) & ~15;
    void* p = malloc(sizeof(CStringData) + size_t(nAlloc) + 1);
    if (p == nullptr)
        AfxThrowMemoryException();
    CStringData* data = static_cast<CStringData*>(p);
    data->nDataLength = 0;
    data->nAllocLength = nAlloc;
    data->nRefs = 1;
    data->data()[0] = '\0';
    return data;
}

void Release(CStringData* data) noexcept
{
    if (IsNil(data))
        return;
    if (data->nRefs < 0 || InterlockedDecrement(&data->nRefs) <= 0)
        free(data);
}

// A new reference to src's text: shared, or copied when src is locked.
CStringData* Share(CStringData* src)
{
    if (IsNil(src))
        return src;
    if (src->nRefs < 0) {
        CStringData* copy = Allocate(src->nDataLength);
        memcpy(copy->data(), src->data(), size_t(src->nDataLength) + 1);
        copy->nDataLength = src->nDataLength;
        return copy;
    }
    InterlockedIncrement(&src->nRefs);
    return src;
}

int CheckedLength(LPCSTR psz, int nLength)
{
    if (nLength < 0)
        AfxThrowInvalidArgException();
    if (psz == nullptr && nLength > 0)
        AfxThrowInvalidArgException();
    return nLength;
}

bool IsResourceId(LPCSTR psz) noexcept { return psz != nullptr && IS_INTRESOURCE(psz); }

int WideToAnsiLength(LPCWSTR psz, int nLength)
{
    if (nLength == 0)
        return 0;
    return WideCharToMultiByte(CP_ACP, 0, psz, nLength, nullptr, 0, nullptr, nullptr);
}

} // namespace

/////////////////////////////////////////////////////////////////////////////
// Construction

CString::CString() noexcept { Attach(&g_nil.header); }

CString::CString(const CString& src) noexcept
{
    // Copying a locked string allocates; the framework treats that failure as fatal too.
    Attach(Share(src.GetData()));
}

CString::CString(CString&& src) noexcept
{
    Attach(src.GetData());
    src.Attach(&g_nil.header);
}

CString::CString(LPCSTR psz)
{
    Attach(&g_nil.header);
    if (IsResourceId(psz))
        LoadString(LOWORD(reinterpret_cast<UINT_PTR>(psz)));
    else
        SetString(psz);
}

CString::CString(const unsigned char* psz) : CString(reinterpret_cast<LPCSTR>(psz)) {}

CString::CString(LPCWSTR psz)
{
    Attach(&g_nil.header);
    *this = psz;
}

CString::CString(LPCSTR pch, int nLength)
{
    Attach(&g_nil.header);
    SetString(pch, nLength);
}

CString::CString(LPCWSTR pch, int nLength)
{
    Attach(&g_nil.header);
    CheckedLength(reinterpret_cast<LPCSTR>(pch), nLength);
    int n = WideToAnsiLength(pch, nLength);
    if (n > 0) {
        LPSTR buf = GetBuffer(n);
        WideCharToMultiByte(CP_ACP, 0, pch, nLength, buf, n, nullptr, nullptr);
        ReleaseBufferSetLength(n);
    }
}

CString::CString(char ch, int nRepeat)
{
    Attach(&g_nil.header);
    if (nRepeat > 0) {
        LPSTR buf = GetBuffer(nRepeat);
        memset(buf, ch, size_t(nRepeat));
        ReleaseBufferSetLength(nRepeat);
    }
}

CString::~CString() noexcept { Release(GetData()); }

/////////////////////////////////////////////////////////////////////////////
// Assignment and concatenation

CString& CString::operator=(const CString& src) noexcept
{
    if (src.m_pszData != m_pszData) {
        CStringData* old = GetData();
        Attach(Share(src.GetData()));
        Release(old);
    }
    return *this;
}

CString& CString::operator=(CString&& src) noexcept
{
    if (this != &src) {
        CStringData* old = GetData();
        Attach(src.GetData());
        src.Attach(&g_nil.header);
        Release(old);
    }
    return *this;
}

CString& CString::operator=(LPCSTR psz)
{
    if (IsResourceId(psz))
        LoadString(LOWORD(reinterpret_cast<UINT_PTR>(psz)));
    else
        SetString(psz);
    return *this;
}

CString& CString::operator=(const unsigned char* psz) { return *this = reinterpret_cast<LPCSTR>(psz); }

CString& CString::operator=(LPCWSTR psz)
{
    int nWide = psz == nullptr ? 0 : int(wcslen(psz));
    *this = CString(psz, nWide);
    return *this;
}

CString& CString::operator=(char ch)
{
    SetString(&ch, 1);
    return *this;
}

CString& CString::operator+=(const CString& str)
{
    Append(str);
    return *this;
}

CString& CString::operator+=(LPCSTR psz)
{
    Append(psz);
    return *this;
}

CString& CString::operator+=(LPCWSTR psz)
{
    Append(CString(psz));
    return *this;
}

CString& CString::operator+=(char ch)
{
    AppendChar(ch);
    return *this;
}

void CString::SetString(LPCSTR psz) { SetString(psz, StringLength(psz)); }

void CString::SetString(LPCSTR psz, int nLength)
{
    CheckedLength(psz, nLength);
    if (nLength == 0) {
        Empty();
        return;
    }
    CStringData* data = GetData();
    // The source may be a part of this string's own buffer.
    if (psz >= m_pszData && psz <= m_pszData + data->nDataLength) {
        CString copy(psz, nLength);
        *this = std::move(copy);
        return;
    }
    LPSTR buf = GetBuffer(nLength);
    memcpy(buf, psz, size_t(nLength));
    ReleaseBufferSetLength(nLength);
}

void CString::Append(LPCSTR psz) { Append(psz, StringLength(psz)); }

void CString::Append(LPCSTR psz, int nLength)
{
    CheckedLength(psz, nLength);
    if (nLength == 0)
        return;
    int nOld = GetLength();
    if (nLength > kMaxLength - nOld)
        AfxThrowMemoryException();
    if (psz >= m_pszData && psz <= m_pszData + nOld) {
        CString copy(psz, nLength);
        Append(copy.m_pszData, nLength);
        return;
    }
    LPSTR buf = GetBuffer(nOld + nLength);
    memcpy(buf + nOld, psz, size_t(nLength));
    ReleaseBufferSetLength(nOld + nLength);
}

void CString::Append(const CString& str)
{
    if (str.m_pszData == m_pszData) {
        CString copy(str);
        Append(copy.m_pszData, copy.GetLength());
    } else {
        Append(str.m_pszData, str.GetLength());
    }
}

void CString::AppendChar(char ch) { Append(&ch, 1); }

namespace {
template <typename T>
CString Joined(CString s, const T& tail)
{
    s += tail;
    return s;
}
} // namespace

CString operator+(const CString& a, const CString& b) { return Joined(a, b); }
CString operator+(const CString& a, LPCSTR b) { return Joined(a, b); }
CString operator+(LPCSTR a, const CString& b) { return Joined(CString(a), b); }
CString operator+(const CString& a, char b) { return Joined(a, b); }
CString operator+(char a, const CString& b) { return Joined(CString(a, 1), b); }

/////////////////////////////////////////////////////////////////////////////
// Access

void CString::Empty() noexcept
{
    CStringData* data = GetData();
    if (IsNil(data))
        return;
    if (data->nRefs < 0) {
        // A locked buffer stays this string's; only its text goes.
        data->nDataLength = 0;
        m_pszData[0] = '\0';
        return;
    }
    Attach(&g_nil.header);
    Release(data);
}

char CString::GetAt(int iChar) const
{
    if (iChar < 0 || iChar > GetLength())
        AfxThrowInvalidArgException();
    return m_pszData[iChar];
}

void CString::SetAt(int iChar, char ch)
{
    if (iChar < 0 || iChar >= GetLength())
        AfxThrowInvalidArgException();
    int n = GetLength();
    LPSTR buf = GetBuffer();
    buf[iChar] = ch;
    ReleaseBufferSetLength(n);
}

void CString::Truncate(int nNewLength)
{
    if (nNewLength < 0 || nNewLength > GetLength())
        AfxThrowInvalidArgException();
    if (nNewLength == GetLength())
        return;
    GetBuffer(nNewLength);
    ReleaseBufferSetLength(nNewLength);
}

int CString::StringLength(LPCSTR psz) noexcept { return psz == nullptr ? 0 : int(strlen(psz)); }

/////////////////////////////////////////////////////////////////////////////
// Buffers

void CString::Fork(int nLength)
{
    CStringData* old = GetData();
    int nOld = old->nDataLength;
    int nCopy = std::min(nOld, nLength);
    CStringData* data = Allocate(std::max(nLength, nOld));
    memcpy(data->data(), old->data(), size_t(nCopy));
    data->data()[nCopy] = '\0';
    data->nDataLength = nCopy;
    Attach(data);
    Release(old);
}

void CString::Reallocate(int nLength)
{
    CStringData* old = GetData();
    if (nLength <= old->nAllocLength)
        return;
    if (nLength > kMaxLength)
        AfxThrowMemoryException();
    // Grow geometrically so that repeated appends stay linear overall.
    int nGrow = old->nAllocLength < 1024 * 1024 ? old->nAllocLength : 1024 * 1024;
    int nAlloc = std::max(nLength, std::min(kMaxLength, old->nAllocLength + nGrow));
    nAlloc = (nAlloc + 16) & ~15;
    void* p = realloc(old, sizeof(CStringData) + size_t(nAlloc) + 1);
    if (p == nullptr)
        AfxThrowMemoryException();
    CStringData* data = static_cast<CStringData*>(p);
    data->nAllocLength = nAlloc;
    Attach(data);
}

LPSTR CString::PrepareWrite(int nLength)
{
    if (nLength < 0)
        AfxThrowInvalidArgException();
    CStringData* data = GetData();
    if (IsNil(data) || data->nRefs > 1)
        Fork(nLength);
    else if (data->nAllocLength < nLength)
        Reallocate(nLength);
    return m_pszData;
}

LPSTR CString::GetBuffer() { return PrepareWrite(GetLength()); }

LPSTR CString::GetBuffer(int nMinBufferLength) { return PrepareWrite(std::max(nMinBufferLength, GetLength())); }

LPSTR CString::GetBufferSetLength(int nLength)
{
    LPSTR buf = PrepareWrite(nLength);
    SetLength(nLength);
    return buf;
}

void CString::SetLength(int nLength)
{
    CStringData* data = GetData();
    if (nLength < 0 || nLength > data->nAllocLength || IsNil(data)) {
        if (nLength == 0 && IsNil(data))
            return;
        AfxThrowInvalidArgException();
    }
    data->nDataLength = nLength;
    m_pszData[nLength] = '\0';
}

void CString::ReleaseBuffer(int nNewLength)
{
    if (nNewLength == -1) {
        CStringData* data = GetData();
        const char* end = static_cast<const char*>(memchr(m_pszData, 0, size_t(data->nAllocLength) + 1));
        nNewLength = end == nullptr ? data->nAllocLength : int(end - m_pszData);
    }
    SetLength(nNewLength);
}

void CString::ReleaseBufferSetLength(int nNewLength) { SetLength(nNewLength); }

LPSTR CString::LockBuffer()
{
    LPSTR buf = PrepareWrite(GetLength());
    GetData()->nRefs = -1;
    return buf;
}

void CString::UnlockBuffer() noexcept
{
    CStringData* data = GetData();
    if (!IsNil(data) && data->nRefs < 0)
        data->nRefs = 1;
}

void CString::Preallocate(int nLength)
{
    int n = GetLength();
    GetBuffer(nLength);
    ReleaseBufferSetLength(n);
}

void CString::FreeExtra()
{
    CStringData* data = GetData();
    if (IsNil(data) || data->nRefs > 1 || data->nAllocLength == data->nDataLength)
        return;
    if (data->nDataLength == 0 && data->nRefs > 0) {
        Empty();
        return;
    }
    LONG refs = data->nRefs;
    CStringData* copy = Allocate(data->nDataLength);
    memcpy(copy->data(), data->data(), size_t(data->nDataLength) + 1);
    copy->nDataLength = data->nDataLength;
    copy->nRefs = refs;
    Attach(copy);
    free(data);
}

/////////////////////////////////////////////////////////////////////////////
// Comparison

int CString::Compare(LPCSTR psz) const
{
    int r = strcmp(m_pszData, psz == nullptr ? "" : psz);
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

int CString::CompareNoCase(LPCSTR psz) const { return afx_mbcs::CompareNoCase(m_pszData, psz == nullptr ? "" : psz); }

int CString::Collate(LPCSTR psz) const { return Compare(psz); }

int CString::CollateNoCase(LPCSTR psz) const { return CompareNoCase(psz); }
