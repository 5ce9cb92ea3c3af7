// CFile: binary file access through a Win32 handle; errors throw CFileException.
#include "afx.h"

#include <stdlib.h>

#include <algorithm>

#include <utility>

namespace {

CString FullPath(LPCSTR lpszFileName)
{
    char buf[MAX_PATH * 2];
    LPSTR filePart = nullptr;
    DWORD n = GetFullPathNameA(lpszFileName, sizeof(buf), buf, &filePart);
    if (n == 0 || n >= sizeof(buf))
        return CString(lpszFileName);
    return CString(buf, int(n));
}

// The part after the last path separator.
CString NamePart(const CString& path)
{
    int cut = std::max(path.ReverseFind('\\'), path.ReverseFind('/'));
    return path.Mid(cut + 1);
}

CString TitlePart(const CString& path)
{
    CString name = NamePart(path);
    int dot = name.ReverseFind('.');
    return dot > 0 ? name.Left(dot) : name;
}

CTime TimeOrZero(const FILETIME& ft)
{
    if (ft.dwLowDateTime == 0 && ft.dwHighDateTime == 0)
        return CTime();
    try {
        return CTime(ft);
    } catch (CException* e) {
        e->Delete();
        return CTime();
    }
}

// Times, size and attributes from either of the Win32 file records (same field names).
template <class INFO>
void FillStatus(CFileStatus& rStatus, const INFO& info)
{
    rStatus.m_ctime = TimeOrZero(info.ftCreationTime);
    rStatus.m_atime = TimeOrZero(info.ftLastAccessTime);
    rStatus.m_mtime = TimeOrZero(info.ftLastWriteTime);
    rStatus.m_size = (ULONGLONG(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
    rStatus.m_attribute = BYTE(info.dwFileAttributes & ~FILE_ATTRIBUTE_NORMAL);
}

FILETIME ToFileTime(const CTime& t)
{
    // Seconds since 1970 to 100 ns units since 1601, as UTC.
    ULONGLONG ticks = ULONGLONG(t.GetTime()) * 10000000ULL + 116444736000000000ULL;
    FILETIME ft;
    ft.dwLowDateTime = DWORD(ticks);
    ft.dwHighDateTime = DWORD(ticks >> 32);
    return ft;
}

[[noreturn]] void ThrowLastError(const CString& fileName) { CFileException::ThrowOsError(LONG(GetLastError()), fileName); }

} // namespace

IMPLEMENT_DYNAMIC(CFile, CObject)

const HANDLE CFile::hFileNull = INVALID_HANDLE_VALUE;

CFile::CFile() : m_hFile(hFileNull), m_bCloseOnDelete(FALSE) {}

CFile::CFile(HANDLE hFile) : m_hFile(hFile), m_bCloseOnDelete(FALSE) {}

CFile::CFile(LPCSTR lpszFileName, UINT nOpenFlags) : m_hFile(hFileNull), m_bCloseOnDelete(FALSE)
{
    CFileException e;
    if (!Open(lpszFileName, nOpenFlags, &e))
        AfxThrowFileException(e.m_cause, e.m_lOsError, e.m_strFileName);
}

CFile::~CFile()
{
    if (m_hFile != hFileNull && m_bCloseOnDelete)
        Abort();
}

BOOL CFile::Open(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError)
{
    if (m_hFile != hFileNull && m_bCloseOnDelete)
        Abort();
    m_hFile = hFileNull;
    m_bCloseOnDelete = FALSE;
    m_strFileName.Empty();

    auto fail = [&](LONG error) {
        if (pError != nullptr) {
            pError->m_lOsError = error;
            pError->m_cause = CFileException::OsErrorToException(error);
            pError->m_strFileName = lpszFileName;
        }
        return FALSE;
    };
    if (lpszFileName == nullptr || *lpszFileName == '\0')
        return fail(ERROR_INVALID_NAME);

    DWORD access;
    switch (nOpenFlags & 3) {
    case modeRead:
        access = GENERIC_READ;
        break;
    case modeWrite:
        access = GENERIC_WRITE;
        break;
    case modeReadWrite:
        access = GENERIC_READ | GENERIC_WRITE;
        break;
    default:
        return fail(ERROR_INVALID_PARAMETER);
    }

    DWORD share;
    switch (nOpenFlags & 0x70) {
    case shareCompat:
    case shareExclusive:
        share = 0;
        break;
    case shareDenyWrite:
        share = FILE_SHARE_READ;
        break;
    case shareDenyRead:
        share = FILE_SHARE_WRITE;
        break;
    case shareDenyNone:
        share = FILE_SHARE_READ | FILE_SHARE_WRITE;
        break;
    default:
        return fail(ERROR_INVALID_PARAMETER);
    }

    SECURITY_ATTRIBUTES sa = {sizeof(sa), nullptr, (nOpenFlags & modeNoInherit) == 0};
    DWORD disposition = OPEN_EXISTING;
    if (nOpenFlags & modeCreate)
        disposition = (nOpenFlags & modeNoTruncate) ? OPEN_ALWAYS : CREATE_ALWAYS;
    DWORD attributes = FILE_ATTRIBUTE_NORMAL;
    if (nOpenFlags & osNoBuffer)
        attributes |= FILE_FLAG_NO_BUFFERING;
    if (nOpenFlags & osWriteThrough)
        attributes |= FILE_FLAG_WRITE_THROUGH;
    if (nOpenFlags & osRandomAccess)
        attributes |= FILE_FLAG_RANDOM_ACCESS;
    if (nOpenFlags & osSequentialScan)
        attributes |= FILE_FLAG_SEQUENTIAL_SCAN;

    HANDLE hFile = CreateFileA(lpszFileName, access, share, &sa, disposition, attributes, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return fail(LONG(GetLastError()));
    m_hFile = hFile;
    m_bCloseOnDelete = TRUE;
    m_strFileName = FullPath(lpszFileName);
    return TRUE;
}

CString CFile::GetFileName() const { return NamePart(m_strFileName); }
CString CFile::GetFileTitle() const { return TitlePart(m_strFileName); }
CString CFile::GetFilePath() const { return m_strFileName; }
void CFile::SetFilePath(LPCSTR lpszNewName) { m_strFileName = lpszNewName; }

ULONGLONG CFile::GetPosition() const
{
    LARGE_INTEGER zero = {}, pos;
    if (!SetFilePointerEx(m_hFile, zero, &pos, FILE_CURRENT))
        ThrowLastError(m_strFileName);
    return ULONGLONG(pos.QuadPart);
}

ULONGLONG CFile::Seek(LONGLONG lOff, UINT nFrom)
{
    if (nFrom > end)
        AfxThrowInvalidArgException();
    LARGE_INTEGER off, pos;
    off.QuadPart = lOff;
    if (!SetFilePointerEx(m_hFile, off, &pos, nFrom))
        ThrowLastError(m_strFileName);
    return ULONGLONG(pos.QuadPart);
}

void CFile::SetLength(ULONGLONG dwNewLen)
{
    Seek(LONGLONG(dwNewLen), begin);
    if (!SetEndOfFile(m_hFile))
        ThrowLastError(m_strFileName);
}

ULONGLONG CFile::GetLength() const
{
    LARGE_INTEGER size;
    if (!GetFileSizeEx(m_hFile, &size))
        ThrowLastError(m_strFileName);
    return ULONGLONG(size.QuadPart);
}

UINT CFile::Read(void* lpBuf, UINT nCount)
{
    if (nCount == 0)
        return 0;
    if (lpBuf == nullptr)
        AfxThrowInvalidArgException();
    DWORD nRead = 0;
    if (!ReadFile(m_hFile, lpBuf, nCount, &nRead, nullptr))
        ThrowLastError(m_strFileName);
    return nRead;
}

void CFile::Write(const void* lpBuf, UINT nCount)
{
    if (nCount == 0)
        return;
    if (lpBuf == nullptr)
        AfxThrowInvalidArgException();
    DWORD nWritten = 0;
    if (!WriteFile(m_hFile, lpBuf, nCount, &nWritten, nullptr))
        ThrowLastError(m_strFileName);
    if (nWritten != nCount)
        AfxThrowFileException(CFileException::diskFull, -1, m_strFileName);
}

void CFile::LockRange(ULONGLONG dwPos, ULONGLONG dwCount)
{
    if (!LockFile(m_hFile, DWORD(dwPos), DWORD(dwPos >> 32), DWORD(dwCount), DWORD(dwCount >> 32)))
        ThrowLastError(m_strFileName);
}

void CFile::UnlockRange(ULONGLONG dwPos, ULONGLONG dwCount)
{
    if (!UnlockFile(m_hFile, DWORD(dwPos), DWORD(dwPos >> 32), DWORD(dwCount), DWORD(dwCount >> 32)))
        ThrowLastError(m_strFileName);
}

void CFile::Flush()
{
    if (m_hFile == hFileNull)
        return;
    if (!FlushFileBuffers(m_hFile))
        ThrowLastError(m_strFileName);
}

void CFile::Close()
{
    BOOL ok = TRUE;
    if (m_hFile != hFileNull)
        ok = CloseHandle(m_hFile);
    m_hFile = hFileNull;
    m_bCloseOnDelete = FALSE;
    CString name = std::move(m_strFileName);
    m_strFileName.Empty();
    if (!ok)
        CFileException::ThrowOsError(LONG(GetLastError()), name);
}

void CFile::Abort()
{
    if (m_hFile != hFileNull)
        CloseHandle(m_hFile);
    m_hFile = hFileNull;
    m_bCloseOnDelete = FALSE;
    m_strFileName.Empty();
}

CFile* CFile::Duplicate() const
{
    if (m_hFile == hFileNull)
        return nullptr;
    HANDLE hDup = nullptr;
    if (!DuplicateHandle(GetCurrentProcess(), m_hFile, GetCurrentProcess(), &hDup, 0, FALSE, DUPLICATE_SAME_ACCESS))
        ThrowLastError(m_strFileName);
    CFile* pFile = new CFile(hDup);
    pFile->m_bCloseOnDelete = m_bCloseOnDelete;
    pFile->m_strFileName = m_strFileName;
    return pFile;
}

UINT CFile::GetBufferPtr(UINT, UINT, void**, void**) { return 0; }

BOOL CFile::GetStatus(CFileStatus& rStatus) const
{
    rStatus = CFileStatus();
    lstrcpynA(rStatus.m_szFullName, m_strFileName, _MAX_PATH);
    if (m_hFile == hFileNull)
        return FALSE;
    BY_HANDLE_FILE_INFORMATION info;
    if (!GetFileInformationByHandle(m_hFile, &info))
        return FALSE;
    FillStatus(rStatus, info);
    return TRUE;
}

BOOL PASCAL CFile::GetStatus(LPCSTR lpszFileName, CFileStatus& rStatus)
{
    rStatus = CFileStatus();
    if (lpszFileName == nullptr)
        return FALSE;
    lstrcpynA(rStatus.m_szFullName, FullPath(lpszFileName), _MAX_PATH);
    WIN32_FIND_DATAA data;
    HANDLE hFind = FindFirstFileA(lpszFileName, &data);
    if (hFind == INVALID_HANDLE_VALUE)
        return FALSE;
    FindClose(hFind);
    FillStatus(rStatus, data);
    return TRUE;
}

void PASCAL CFile::SetStatus(LPCSTR lpszFileName, const CFileStatus& status)
{
    DWORD attributes = GetFileAttributesA(lpszFileName);
    if (attributes == INVALID_FILE_ATTRIBUTES)
        CFileException::ThrowOsError(LONG(GetLastError()), lpszFileName);
    // Times first: a read-only file cannot be opened for writing them.
    if (status.m_mtime.GetTime() != 0) {
        if (attributes & FILE_ATTRIBUTE_READONLY)
            SetFileAttributesA(lpszFileName, attributes & ~FILE_ATTRIBUTE_READONLY);
        HANDLE hFile = CreateFileA(lpszFileName, FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                   OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
        if (hFile == INVALID_HANDLE_VALUE)
            CFileException::ThrowOsError(LONG(GetLastError()), lpszFileName);
        FILETIME mtime = ToFileTime(status.m_mtime);
        FILETIME atime = status.m_atime.GetTime() != 0 ? ToFileTime(status.m_atime) : mtime;
        FILETIME ctime = ToFileTime(status.m_ctime);
        BOOL ok = SetFileTime(hFile, status.m_ctime.GetTime() != 0 ? &ctime : nullptr, &atime, &mtime);
        DWORD error = GetLastError();
        CloseHandle(hFile);
        if (!ok)
            CFileException::ThrowOsError(LONG(error), lpszFileName);
    }
    DWORD newAttributes = status.m_attribute == 0 ? FILE_ATTRIBUTE_NORMAL : status.m_attribute;
    if (!SetFileAttributesA(lpszFileName, newAttributes))
        CFileException::ThrowOsError(LONG(GetLastError()), lpszFileName);
}

void PASCAL CFile::Rename(LPCSTR lpszOldName, LPCSTR lpszNewName)
{
    if (!MoveFileA(lpszOldName, lpszNewName))
        CFileException::ThrowOsError(LONG(GetLastError()), lpszOldName);
}

void PASCAL CFile::Remove(LPCSTR lpszFileName)
{
    if (!DeleteFileA(lpszFileName))
        CFileException::ThrowOsError(LONG(GetLastError()), lpszFileName);
}
