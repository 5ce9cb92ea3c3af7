// CMemFile: a file in a memory block that grows in steps of m_nGrowBytes.
#include "afx.h"

#include <stdlib.h>
#include <string.h>

#include <algorithm>
#include <limits>

IMPLEMENT_DYNAMIC(CMemFile, CFile)

CMemFile::CMemFile(UINT nGrowBytes)
    : m_nGrowBytes(nGrowBytes), m_nPosition(0), m_nBufferSize(0), m_nFileSize(0), m_lpBuffer(nullptr),
      m_bAutoDelete(TRUE)
{
}

CMemFile::CMemFile(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes)
    : m_nGrowBytes(0), m_nPosition(0), m_nBufferSize(0), m_nFileSize(0), m_lpBuffer(nullptr), m_bAutoDelete(FALSE)
{
    Attach(lpBuffer, nBufferSize, nGrowBytes);
}

CMemFile::~CMemFile()
{
    if (m_lpBuffer != nullptr && m_bAutoDelete)
        Free(m_lpBuffer);
    m_lpBuffer = nullptr;
}

void CMemFile::Attach(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes)
{
    if (lpBuffer == nullptr && nBufferSize != 0)
        AfxThrowInvalidArgException();
    if (m_lpBuffer != nullptr && m_bAutoDelete)
        Free(m_lpBuffer);
    m_nGrowBytes = nGrowBytes;
    m_nPosition = 0;
    m_nBufferSize = nBufferSize;
    // A fixed block is the file's content; a growing one starts empty.
    m_nFileSize = nGrowBytes == 0 ? nBufferSize : 0;
    m_lpBuffer = lpBuffer;
    m_bAutoDelete = FALSE;
}

BYTE* CMemFile::Detach()
{
    BYTE* lpBuffer = m_lpBuffer;
    m_lpBuffer = nullptr;
    m_nFileSize = 0;
    m_nBufferSize = 0;
    m_nPosition = 0;
    return lpBuffer;
}

BYTE* CMemFile::Alloc(SIZE_T nBytes) { return static_cast<BYTE*>(malloc(nBytes)); }
BYTE* CMemFile::Realloc(BYTE* lpMem, SIZE_T nBytes) { return static_cast<BYTE*>(realloc(lpMem, nBytes)); }
BYTE* CMemFile::Memcpy(BYTE* lpMemTarget, const BYTE* lpMemSource, SIZE_T nBytes)
{
    return static_cast<BYTE*>(memcpy(lpMemTarget, lpMemSource, nBytes));
}
void CMemFile::Free(BYTE* lpMem) { free(lpMem); }

void CMemFile::GrowFile(SIZE_T dwNewLen)
{
    if (dwNewLen <= m_nBufferSize)
        return;
    if (m_nGrowBytes == 0)
        AfxThrowMemoryException(); // a caller's fixed block cannot grow
    SIZE_T nNewBufferSize = m_nBufferSize;
    while (nNewBufferSize < dwNewLen) {
        if (nNewBufferSize > std::numeric_limits<SIZE_T>::max() - m_nGrowBytes)
            AfxThrowMemoryException();
        nNewBufferSize += m_nGrowBytes;
    }
    BYTE* lpNew = m_lpBuffer == nullptr ? Alloc(nNewBufferSize) : Realloc(m_lpBuffer, nNewBufferSize);
    if (lpNew == nullptr)
        AfxThrowMemoryException();
    m_lpBuffer = lpNew;
    m_nBufferSize = nNewBufferSize;
}

ULONGLONG CMemFile::GetPosition() const { return m_nPosition; }

ULONGLONG CMemFile::Seek(LONGLONG lOff, UINT nFrom)
{
    LONGLONG base;
    switch (nFrom) {
    case begin:
        base = 0;
        break;
    case current:
        base = LONGLONG(m_nPosition);
        break;
    case end:
        base = LONGLONG(m_nFileSize);
        break;
    default:
        AfxThrowInvalidArgException();
    }
    LONGLONG pos = base + lOff;
    if (pos < 0 || ULONGLONG(pos) > std::numeric_limits<SIZE_T>::max())
        AfxThrowFileException(CFileException::badSeek);
    m_nPosition = SIZE_T(pos);
    return m_nPosition;
}

void CMemFile::SetLength(ULONGLONG dwNewLen)
{
    if (dwNewLen > std::numeric_limits<SIZE_T>::max())
        AfxThrowMemoryException();
    SIZE_T n = SIZE_T(dwNewLen);
    if (n > m_nBufferSize)
        GrowFile(n);
    if (n > m_nFileSize)
        memset(m_lpBuffer + m_nFileSize, 0, n - m_nFileSize);
    if (n < m_nPosition)
        m_nPosition = n;
    m_nFileSize = n;
}

ULONGLONG CMemFile::GetLength() const { return m_nFileSize; }

UINT CMemFile::Read(void* lpBuf, UINT nCount)
{
    if (nCount == 0 || m_nPosition >= m_nFileSize)
        return 0;
    if (lpBuf == nullptr)
        AfxThrowInvalidArgException();
    SIZE_T n = std::min<SIZE_T>(nCount, m_nFileSize - m_nPosition);
    Memcpy(static_cast<BYTE*>(lpBuf), m_lpBuffer + m_nPosition, n);
    m_nPosition += n;
    return UINT(n);
}

void CMemFile::Write(const void* lpBuf, UINT nCount)
{
    if (nCount == 0)
        return;
    if (lpBuf == nullptr)
        AfxThrowInvalidArgException();
    if (m_nPosition > std::numeric_limits<SIZE_T>::max() - nCount)
        AfxThrowMemoryException();
    SIZE_T end = m_nPosition + nCount;
    if (end > m_nBufferSize)
        GrowFile(end);
    // Bytes between the old end and a position seeked past it read as zeros.
    if (m_nPosition > m_nFileSize)
        memset(m_lpBuffer + m_nFileSize, 0, m_nPosition - m_nFileSize);
    Memcpy(m_lpBuffer + m_nPosition, static_cast<const BYTE*>(lpBuf), nCount);
    m_nPosition = end;
    if (end > m_nFileSize)
        m_nFileSize = end;
}

void CMemFile::LockRange(ULONGLONG, ULONGLONG) { AfxThrowNotSupportedException(); }
void CMemFile::UnlockRange(ULONGLONG, ULONGLONG) { AfxThrowNotSupportedException(); }
CFile* CMemFile::Duplicate() const { AfxThrowNotSupportedException(); }
void CMemFile::Flush() {}

void CMemFile::Close()
{
    m_nGrowBytes = 0;
    m_nPosition = 0;
    m_nBufferSize = 0;
    m_nFileSize = 0;
    if (m_lpBuffer != nullptr && m_bAutoDelete)
        Free(m_lpBuffer);
    m_lpBuffer = nullptr;
}

void CMemFile::Abort() { Close(); }

UINT CMemFile::GetBufferPtr(UINT nCommand, UINT nCount, void** ppBufStart, void** ppBufMax)
{
    if (nCommand == bufferCheck)
        return bufferDirect;
    if (nCommand == bufferCommit) {
        m_nPosition += nCount;
        if (m_nPosition > m_nFileSize)
            m_nFileSize = m_nPosition;
        return 0;
    }
    if (ppBufStart == nullptr || ppBufMax == nullptr)
        AfxThrowInvalidArgException();
    if (nCommand == bufferWrite && m_nPosition + nCount > m_nBufferSize)
        GrowFile(m_nPosition + nCount);
    SIZE_T limit = nCommand == bufferWrite ? m_nBufferSize : m_nFileSize;
    SIZE_T start = std::min(m_nPosition, limit);
    SIZE_T n = std::min<SIZE_T>(nCount, limit - start);
    *ppBufStart = m_lpBuffer + start;
    *ppBufMax = m_lpBuffer + start + n;
    if (nCommand == bufferRead)
        m_nPosition = start + n;
    return UINT(n);
}

BOOL CMemFile::GetStatus(CFileStatus& rStatus) const
{
    rStatus = CFileStatus();
    rStatus.m_size = m_nFileSize;
    return TRUE;
}
