// CArchive: buffering, direction checks, raw bytes, numbers, counts and text lines.
#include "afx.h"
#include "archive_maps.h"

#include <string.h>

#include <algorithm>

namespace {
constexpr UINT kMinBufSize = 128;
}

CArchive::CArchive(CFile* pFile, UINT nMode, int nBufSize, void* lpBuf)
    : m_pDocument(nullptr), m_nMode(nMode), m_pFile(pFile), m_nObjectSchema(UINT(-1)), m_pMaps(nullptr)
{
    if (pFile == nullptr)
        AfxThrowInvalidArgException();
    try {
        m_strFileName = pFile->GetFilePath();
    } catch (CException* e) {
        e->Delete();
    }
    m_nBufSize = UINT(std::max(nBufSize, int(kMinBufSize)));
    m_bUserBuf = lpBuf != nullptr && nBufSize >= int(kMinBufSize);
    m_lpBufStart = m_bUserBuf ? static_cast<BYTE*>(lpBuf) : new BYTE[m_nBufSize];
    m_lpBufCur = m_lpBufStart;
    // Storing: the buffer is free space up to its end. Loading: it holds nothing yet.
    m_lpBufMax = IsLoading() ? m_lpBufStart : m_lpBufStart + m_nBufSize;
    m_pMaps = new CArchiveMaps;
}

CArchive::~CArchive()
{
    if (m_pFile != nullptr && !(m_nMode & bNoFlushOnDelete)) {
        try {
            Close();
        } catch (CException* e) {
            e->Delete();
        }
    }
    if (!m_bUserBuf)
        delete[] m_lpBufStart;
    delete m_pMaps;
}

UINT CArchive::GetObjectSchema()
{
    UINT nResult = m_nObjectSchema;
    m_nObjectSchema = UINT(-1);
    return nResult;
}

void CArchive::CheckStoring() const
{
    if (!IsStoring())
        AfxThrowArchiveException(CArchiveException::readOnly, m_strFileName);
    if (m_pFile == nullptr)
        AfxThrowArchiveException(CArchiveException::genericException, m_strFileName);
}

void CArchive::CheckLoading() const
{
    if (!IsLoading())
        AfxThrowArchiveException(CArchiveException::writeOnly, m_strFileName);
    if (m_pFile == nullptr)
        AfxThrowArchiveException(CArchiveException::genericException, m_strFileName);
}

void CArchive::FillBuffer(UINT nBytesNeeded)
{
    // Keep what is unread at the front, then read as much as fits.
    UINT nUnread = UINT(m_lpBufMax - m_lpBufCur);
    if (nUnread > 0 && m_lpBufCur != m_lpBufStart)
        memmove(m_lpBufStart, m_lpBufCur, nUnread);
    m_lpBufCur = m_lpBufStart;
    m_lpBufMax = m_lpBufStart + nUnread;
    while (UINT(m_lpBufMax - m_lpBufStart) < nBytesNeeded) {
        UINT nRead = m_pFile->Read(m_lpBufMax, m_nBufSize - UINT(m_lpBufMax - m_lpBufStart));
        if (nRead == 0)
            AfxThrowArchiveException(CArchiveException::endOfFile, m_strFileName);
        m_lpBufMax += nRead;
    }
}

void CArchive::WriteRaw(const void* p, UINT n)
{
    CheckStoring();
    if (UINT(m_lpBufMax - m_lpBufCur) < n)
        Flush();
    memcpy(m_lpBufCur, p, n);
    m_lpBufCur += n;
}

void CArchive::ReadRaw(void* p, UINT n)
{
    CheckLoading();
    if (UINT(m_lpBufMax - m_lpBufCur) < n)
        FillBuffer(n);
    memcpy(p, m_lpBufCur, n);
    m_lpBufCur += n;
}

UINT CArchive::Read(void* lpBuf, UINT nMax)
{
    CheckLoading();
    if (nMax == 0)
        return 0;
    if (lpBuf == nullptr)
        AfxThrowInvalidArgException();
    BYTE* out = static_cast<BYTE*>(lpBuf);
    UINT nDone = 0;
    while (nDone < nMax) {
        if (m_lpBufCur == m_lpBufMax) {
            m_lpBufCur = m_lpBufMax = m_lpBufStart;
            UINT nRead = m_pFile->Read(m_lpBufStart, m_nBufSize);
            if (nRead == 0)
                break;
            m_lpBufMax += nRead;
        }
        UINT n = std::min(nMax - nDone, UINT(m_lpBufMax - m_lpBufCur));
        memcpy(out + nDone, m_lpBufCur, n);
        m_lpBufCur += n;
        nDone += n;
    }
    return nDone;
}

void CArchive::Write(const void* lpBuf, UINT nMax)
{
    CheckStoring();
    if (nMax == 0)
        return;
    if (lpBuf == nullptr)
        AfxThrowInvalidArgException();
    const BYTE* in = static_cast<const BYTE*>(lpBuf);
    while (nMax > 0) {
        if (m_lpBufCur == m_lpBufMax)
            Flush();
        UINT n = std::min(nMax, UINT(m_lpBufMax - m_lpBufCur));
        memcpy(m_lpBufCur, in, n);
        m_lpBufCur += n;
        in += n;
        nMax -= n;
    }
}

void CArchive::Flush()
{
    if (m_pFile == nullptr)
        return;
    if (IsStoring()) {
        if (m_lpBufCur != m_lpBufStart) {
            UINT n = UINT(m_lpBufCur - m_lpBufStart);
            m_lpBufCur = m_lpBufStart; // written or not, these bytes are handed over once
            m_pFile->Write(m_lpBufStart, n);
        }
    } else if (m_lpBufCur != m_lpBufMax) {
        // Give back what was read ahead, so the file position follows what was consumed.
        LONGLONG nUnread = LONGLONG(m_lpBufMax - m_lpBufCur);
        m_lpBufCur = m_lpBufMax = m_lpBufStart;
        m_pFile->Seek(-nUnread, CFile::current);
    }
}

void CArchive::Close()
{
    Flush();
    m_pFile = nullptr;
}

void CArchive::Abort()
{
    m_lpBufCur = m_lpBufStart;
    m_lpBufMax = IsLoading() ? m_lpBufStart : m_lpBufStart + m_nBufSize;
    m_pFile = nullptr;
}

void CArchive::SetStoreParams(UINT nHashSize, UINT) { m_pMaps->store.reserve(nHashSize); }

void CArchive::SetLoadParams(UINT nGrowBy) { m_pMaps->load.reserve(nGrowBy); }

/////////////////////////////////////////////////////////////////////////////
// Numbers: fixed sizes, little-endian (the machine's own order here).

#define AFX_ARCHIVE_VALUE(type, stored)                                                                    \
    CArchive& CArchive::operator<<(type v)                                                                 \
    {                                                                                                      \
        stored s = static_cast<stored>(v);                                                                 \
        WriteRaw(&s, sizeof(s));                                                                           \
        return *this;                                                                                      \
    }                                                                                                      \
    CArchive& CArchive::operator>>(type& v)                                                                \
    {                                                                                                      \
        stored s;                                                                                          \
        ReadRaw(&s, sizeof(s));                                                                            \
        v = static_cast<type>(s);                                                                          \
        return *this;                                                                                      \
    }

static_assert(sizeof(LONG) == 4 && sizeof(DWORD) == 4 && sizeof(int) == 4 && sizeof(float) == 4 &&
                  sizeof(double) == 8 && sizeof(wchar_t) == 2,
              "archive value sizes");

AFX_ARCHIVE_VALUE(char, char)
AFX_ARCHIVE_VALUE(BYTE, BYTE)
AFX_ARCHIVE_VALUE(short, short)
AFX_ARCHIVE_VALUE(WORD, WORD)
AFX_ARCHIVE_VALUE(wchar_t, wchar_t)
AFX_ARCHIVE_VALUE(int, int)
AFX_ARCHIVE_VALUE(UINT, UINT)
AFX_ARCHIVE_VALUE(LONG, LONG)
AFX_ARCHIVE_VALUE(DWORD, DWORD)
AFX_ARCHIVE_VALUE(LONGLONG, LONGLONG)
AFX_ARCHIVE_VALUE(ULONGLONG, ULONGLONG)
AFX_ARCHIVE_VALUE(float, float)
AFX_ARCHIVE_VALUE(double, double)

// A bool is one byte, 0 or 1; any non-zero byte reads as true.
CArchive& CArchive::operator<<(bool b) { return *this << BYTE(b ? 1 : 0); }

CArchive& CArchive::operator>>(bool& b)
{
    BYTE by;
    *this >> by;
    b = by != 0;
    return *this;
}

/////////////////////////////////////////////////////////////////////////////
// Counts

void CArchive::WriteCount(DWORD_PTR dwCount)
{
    if (dwCount < 0xFFFF) {
        *this << WORD(dwCount);
    } else {
        *this << WORD(0xFFFF) << DWORD(dwCount);
    }
}

DWORD_PTR CArchive::ReadCount()
{
    WORD wCount;
    *this >> wCount;
    if (wCount != 0xFFFF)
        return wCount;
    DWORD dwCount;
    *this >> dwCount;
    return dwCount;
}

/////////////////////////////////////////////////////////////////////////////
// Text lines

void CArchive::WriteString(LPCSTR lpsz)
{
    if (lpsz == nullptr)
        AfxThrowInvalidArgException();
    Write(lpsz, UINT(strlen(lpsz)));
}

int CArchive::ReadLineChar(char& ch)
{
    if (Read(&ch, 1) == 0)
        return 0;
    if (ch == '\n')
        return -1;
    if (ch == '\r') {
        // CR LF ends the line; a lone CR ends it too and the byte after it stays unread.
        char next;
        if (Read(&next, 1) == 1 && next != '\n')
            --m_lpBufCur;
        return -1;
    }
    return 1;
}

LPSTR CArchive::ReadString(LPSTR lpsz, UINT nMax)
{
    CheckLoading();
    if (lpsz == nullptr || nMax == 0)
        AfxThrowInvalidArgException();
    UINT nRead = 0;
    int got = 0;
    char ch;
    while (nRead + 1 < nMax && (got = ReadLineChar(ch)) > 0)
        lpsz[nRead++] = ch;
    lpsz[nRead] = '\0';
    return (nRead > 0 || got < 0) ? lpsz : nullptr;
}

BOOL CArchive::ReadString(CString& rString)
{
    CheckLoading();
    rString.Empty();
    int got;
    char ch;
    while ((got = ReadLineChar(ch)) > 0)
        rString.AppendChar(ch);
    return !rString.IsEmpty() || got < 0;
}
