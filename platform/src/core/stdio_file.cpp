// CStdioFile: a C runtime stream over the opened handle. Text mode (the default) turns
// CR LF into "\n" on reading and "\n" into CR LF on writing.
#include "afx.h"

#include <errno.h>
#include <fcntl.h>
#include <io.h>
#include <stdio.h>
#include <string.h>

namespace {

// The C runtime's last OS error (what the framework reports in m_lOsError for stream failures).
LONG LastStreamError() { return LONG(_doserrno); }

} // namespace

IMPLEMENT_DYNAMIC(CStdioFile, CFile)

CStdioFile::CStdioFile() : m_pStream(nullptr) {}

CStdioFile::CStdioFile(FILE* pOpenStream) : m_pStream(pOpenStream)
{
    if (pOpenStream != nullptr)
        m_hFile = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(pOpenStream)));
}

CStdioFile::CStdioFile(LPCSTR lpszFileName, UINT nOpenFlags) : m_pStream(nullptr)
{
    CFileException e;
    if (!Open(lpszFileName, nOpenFlags, &e))
        AfxThrowFileException(e.m_cause, e.m_lOsError, e.m_strFileName);
}

CStdioFile::~CStdioFile()
{
    if (m_pStream != nullptr && m_bCloseOnDelete)
        Abort();
}

BOOL CStdioFile::Open(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError)
{
    if (m_pStream != nullptr && m_bCloseOnDelete)
        Abort();
    m_pStream = nullptr;
    if (!CFile::Open(lpszFileName, nOpenFlags & ~(typeText | typeBinary), pError))
        return FALSE;

    bool binary = (nOpenFlags & typeBinary) != 0;
    int flags = binary ? _O_BINARY : _O_TEXT;
    const char* mode;
    switch (nOpenFlags & 3) {
    case modeWrite:
        flags |= _O_WRONLY;
        mode = binary ? "wb" : "wt";
        break;
    case modeReadWrite:
        flags |= _O_RDWR;
        mode = binary ? "r+b" : "r+t";
        break;
    default:
        flags |= _O_RDONLY;
        mode = binary ? "rb" : "rt";
        break;
    }
    int fd = _open_osfhandle(reinterpret_cast<intptr_t>(m_hFile), flags);
    if (fd != -1)
        m_pStream = _fdopen(fd, mode);
    if (m_pStream == nullptr) {
        if (fd != -1)
            _close(fd); // closes the handle too
        else
            CloseHandle(m_hFile);
        m_hFile = hFileNull;
        m_bCloseOnDelete = FALSE;
        if (pError != nullptr) {
            pError->m_lOsError = LastStreamError();
            pError->m_cause = CFileException::tooManyOpenFiles;
            pError->m_strFileName = lpszFileName;
        }
        m_strFileName.Empty();
        return FALSE;
    }
    return TRUE;
}

void CStdioFile::WriteString(LPCSTR lpsz)
{
    if (lpsz == nullptr)
        AfxThrowInvalidArgException();
    if (fputs(lpsz, m_pStream) == EOF)
        AfxThrowFileException(CFileException::diskFull, LastStreamError(), m_strFileName);
}

LPSTR CStdioFile::ReadString(LPSTR lpsz, UINT nMax)
{
    if (lpsz == nullptr || nMax == 0)
        AfxThrowInvalidArgException();
    LPSTR result = fgets(lpsz, int(nMax), m_pStream);
    if (result == nullptr && !feof(m_pStream)) {
        clearerr(m_pStream);
        AfxThrowFileException(CFileException::genericException, LastStreamError(), m_strFileName);
    }
    return result;
}

BOOL CStdioFile::ReadString(CString& rString)
{
    rString.Empty();
    const int chunk = 128;
    bool any = false;
    for (;;) {
        int nOld = rString.GetLength();
        LPSTR buf = rString.GetBuffer(nOld + chunk) + nOld;
        LPSTR got = fgets(buf, chunk + 1, m_pStream);
        if (got == nullptr) {
            rString.ReleaseBufferSetLength(nOld);
            if (!feof(m_pStream)) {
                clearerr(m_pStream);
                AfxThrowFileException(CFileException::genericException, LastStreamError(), m_strFileName);
            }
            break;
        }
        int n = int(strlen(buf));
        rString.ReleaseBufferSetLength(nOld + n);
        any = any || n > 0;
        if (n < chunk || buf[n - 1] == '\n')
            break;
    }
    int len = rString.GetLength();
    if (len > 0 && rString.GetString()[len - 1] == '\n')
        rString.Truncate(len - 1);
    return any;
}

ULONGLONG CStdioFile::GetPosition() const
{
    __int64 pos = _ftelli64(m_pStream);
    if (pos < 0)
        AfxThrowFileException(CFileException::invalidFile, LastStreamError(), m_strFileName);
    return ULONGLONG(pos);
}

ULONGLONG CStdioFile::Seek(LONGLONG lOff, UINT nFrom)
{
    static const int origins[] = {SEEK_SET, SEEK_CUR, SEEK_END};
    if (nFrom > end)
        AfxThrowInvalidArgException();
    if (_fseeki64(m_pStream, lOff, origins[nFrom]) != 0)
        AfxThrowFileException(CFileException::badSeek, LastStreamError(), m_strFileName);
    return GetPosition();
}

ULONGLONG CStdioFile::GetLength() const
{
    __int64 pos = _ftelli64(m_pStream);
    if (pos < 0 || _fseeki64(m_pStream, 0, SEEK_END) != 0)
        AfxThrowFileException(CFileException::badSeek, LastStreamError(), m_strFileName);
    __int64 length = _ftelli64(m_pStream);
    if (length < 0 || _fseeki64(m_pStream, pos, SEEK_SET) != 0)
        AfxThrowFileException(CFileException::badSeek, LastStreamError(), m_strFileName);
    return ULONGLONG(length);
}

void CStdioFile::SetLength(ULONGLONG dwNewLen)
{
    Flush();
    CFile::SetLength(dwNewLen);
}

UINT CStdioFile::Read(void* lpBuf, UINT nCount)
{
    if (nCount == 0)
        return 0;
    if (lpBuf == nullptr)
        AfxThrowInvalidArgException();
    size_t n = fread(lpBuf, 1, nCount, m_pStream);
    if (n == 0 && !feof(m_pStream)) {
        clearerr(m_pStream);
        AfxThrowFileException(CFileException::genericException, LastStreamError(), m_strFileName);
    }
    return UINT(n);
}

void CStdioFile::Write(const void* lpBuf, UINT nCount)
{
    if (nCount == 0)
        return;
    if (lpBuf == nullptr)
        AfxThrowInvalidArgException();
    if (fwrite(lpBuf, 1, nCount, m_pStream) != nCount)
        AfxThrowFileException(CFileException::genericException, LastStreamError(), m_strFileName);
}

void CStdioFile::LockRange(ULONGLONG, ULONGLONG) { AfxThrowNotSupportedException(); }
void CStdioFile::UnlockRange(ULONGLONG, ULONGLONG) { AfxThrowNotSupportedException(); }
CFile* CStdioFile::Duplicate() const { AfxThrowNotSupportedException(); }

void CStdioFile::Flush()
{
    if (m_pStream != nullptr && fflush(m_pStream) != 0)
        AfxThrowFileException(CFileException::diskFull, LastStreamError(), m_strFileName);
}

void CStdioFile::Close()
{
    int result = 0;
    if (m_pStream != nullptr)
        result = fclose(m_pStream); // closes the handle as well
    m_pStream = nullptr;
    m_hFile = hFileNull;
    m_bCloseOnDelete = FALSE;
    CString name = m_strFileName;
    m_strFileName.Empty();
    if (result != 0)
        AfxThrowFileException(CFileException::diskFull, LastStreamError(), name);
}

void CStdioFile::Abort()
{
    if (m_pStream != nullptr && m_bCloseOnDelete)
        fclose(m_pStream);
    m_pStream = nullptr;
    m_hFile = hFileNull;
    m_bCloseOnDelete = FALSE;
    m_strFileName.Empty();
}
