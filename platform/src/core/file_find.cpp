// CFileFind: directory search over FindFirstFile/FindNextFile, one match ahead.
#include "afx.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CFileFind, CObject)

CFileFind::CFileFind() : m_pFoundInfo(nullptr), m_pNextInfo(nullptr), m_hContext(nullptr), m_chDirSeparator('\\') {}

CFileFind::~CFileFind() { Close(); }

void CFileFind::Close()
{
    delete m_pFoundInfo;
    delete m_pNextInfo;
    m_pFoundInfo = nullptr;
    m_pNextInfo = nullptr;
    if (m_hContext != nullptr && m_hContext != INVALID_HANDLE_VALUE)
        FindClose(m_hContext);
    m_hContext = nullptr;
    m_strRoot.Empty();
}

BOOL CFileFind::FindFile(LPCSTR pstrName, DWORD)
{
    Close();
    if (pstrName == nullptr)
        pstrName = "*.*";
    if (lstrlenA(pstrName) >= MAX_PATH) {
        SetLastError(ERROR_BAD_ARGUMENTS);
        return FALSE;
    }
    m_pNextInfo = new WIN32_FIND_DATAA;
    m_hContext = FindFirstFileA(pstrName, m_pNextInfo);
    if (m_hContext == INVALID_HANDLE_VALUE) {
        DWORD error = GetLastError();
        Close();
        SetLastError(error);
        return FALSE;
    }
    // The folder part of the full pattern, with its separator.
    char full[MAX_PATH * 2];
    DWORD n = GetFullPathNameA(pstrName, sizeof(full), full, nullptr);
    CString root = (n > 0 && n < sizeof(full)) ? CString(full, int(n)) : CString(pstrName);
    int cut = std::max(root.ReverseFind('\\'), root.ReverseFind('/'));
    m_strRoot = cut >= 0 ? root.Left(cut + 1) : CString();
    return TRUE;
}

BOOL CFileFind::FindNext()
{
    if (m_hContext == nullptr || m_pNextInfo == nullptr)
        return FALSE;
    if (m_pFoundInfo == nullptr)
        m_pFoundInfo = new WIN32_FIND_DATAA;
    std::swap(m_pFoundInfo, m_pNextInfo);
    return FindNextFileA(m_hContext, m_pNextInfo);
}

ULONGLONG CFileFind::GetLength() const
{
    if (m_pFoundInfo == nullptr)
        return 0;
    return (ULONGLONG(m_pFoundInfo->nFileSizeHigh) << 32) | m_pFoundInfo->nFileSizeLow;
}

CString CFileFind::GetFileName() const { return m_pFoundInfo == nullptr ? CString() : CString(m_pFoundInfo->cFileName); }

CString CFileFind::GetFilePath() const
{
    CString path = m_strRoot;
    int n = path.GetLength();
    if (n > 0 && path[n - 1] != '\\' && path[n - 1] != '/')
        path += m_chDirSeparator;
    return path + GetFileName();
}

CString CFileFind::GetFileTitle() const
{
    CString name = GetFileName();
    int dot = name.ReverseFind('.');
    return dot > 0 ? name.Left(dot) : name;
}

CString CFileFind::GetFileURL() const
{
    CString path = GetFilePath();
    return path.IsEmpty() ? path : CString("file://") + path;
}

CString CFileFind::GetRoot() const { return m_strRoot; }

BOOL CFileFind::GetLastWriteTime(FILETIME* pTimeStamp) const
{
    if (m_pFoundInfo == nullptr || pTimeStamp == nullptr)
        return FALSE;
    *pTimeStamp = m_pFoundInfo->ftLastWriteTime;
    return TRUE;
}

BOOL CFileFind::GetLastAccessTime(FILETIME* pTimeStamp) const
{
    if (m_pFoundInfo == nullptr || pTimeStamp == nullptr)
        return FALSE;
    *pTimeStamp = m_pFoundInfo->ftLastAccessTime;
    return TRUE;
}

BOOL CFileFind::GetCreationTime(FILETIME* pTimeStamp) const
{
    if (m_pFoundInfo == nullptr || pTimeStamp == nullptr)
        return FALSE;
    *pTimeStamp = m_pFoundInfo->ftCreationTime;
    return TRUE;
}

namespace {
BOOL ToCTime(BOOL ok, const FILETIME& ft, CTime& refTime)
{
    if (!ok || !CTime::IsValidFILETIME(ft))
        return FALSE;
    refTime = CTime(ft);
    return TRUE;
}
} // namespace

BOOL CFileFind::GetLastWriteTime(CTime& refTime) const
{
    FILETIME ft;
    return ToCTime(GetLastWriteTime(&ft), ft, refTime);
}

BOOL CFileFind::GetLastAccessTime(CTime& refTime) const
{
    FILETIME ft;
    return ToCTime(GetLastAccessTime(&ft), ft, refTime);
}

BOOL CFileFind::GetCreationTime(CTime& refTime) const
{
    FILETIME ft;
    return ToCTime(GetCreationTime(&ft), ft, refTime);
}

BOOL CFileFind::MatchesMask(DWORD dwMask) const
{
    return m_pFoundInfo != nullptr && (m_pFoundInfo->dwFileAttributes & dwMask) != 0;
}

BOOL CFileFind::IsDots() const
{
    if (m_pFoundInfo == nullptr || !IsDirectory())
        return FALSE;
    const char* name = m_pFoundInfo->cFileName;
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}
