#include "Logger.h"

#include "LocalClock.h"

#include <shlwapi.h>

namespace {

int DateOf(const SYSTEMTIME& t)
{
    return t.wYear * 10000 + t.wMonth * 100 + t.wDay;
}

bool FileExists(const CString& path)
{
    return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}

// Creates dir with every missing parent; errors are left to the open that follows.
void CreateFolderPath(const CString& dir)
{
    const char* path = dir;
    for (int i = 0; path[i]; ++i) {
        if (IsDBCSLeadByte(static_cast<BYTE>(path[i])) && path[i + 1]) {
            ++i;
            continue;
        }
        if ((path[i] == '\\' || path[i] == '/') && i > 0 && path[i - 1] != ':')
            CreateDirectoryA(CString(path, i), nullptr);
    }
    CreateDirectoryA(path, nullptr);
}

} // namespace

CLogger::CLogger()
    : m_bAppend(0), m_bOpen(0), m_nDay(0), m_bNumbered(1)
{
}

CLogger::~CLogger()
{
    Close();
}

void CLogger::Close()
{
    CSingleLock guard(&m_lock, TRUE);
    m_bOpen = 0;
    CloseFile();
}

void CLogger::SetNumbered(BOOL numbered)
{
    CSingleLock guard(&m_lock, TRUE);
    m_bNumbered = numbered ? 1 : 0;
}

void CLogger::SetFilePath(CString dir, CString name, int append)
{
    CSingleLock guard(&m_lock, TRUE);
    // A new path ends the file of the old one.
    m_bOpen = 0;
    CloseFile();

    m_strFilePath.Empty();
    m_strDir.Empty();
    m_bAppend = 0;
    m_strName = name;
    SYSTEMTIME now;
    GetLocalClockTime(&now);
    m_nDay = DateOf(now);

    m_strDir = dir;
    if (m_strDir.IsEmpty())
        return;
    if (m_strDir[m_strDir.GetLength() - 1] != '\\')
        m_strDir += '\\';
    if (!PathIsDirectoryA(m_strDir))
        CreateFolderPath(m_strDir);
    m_strFilePath = m_strDir + MakeFileName(now);
    m_bAppend = append;
}

CString CLogger::MakeFileName(const SYSTEMTIME& now) const
{
    CString plain;
    plain.Format("%04d-%02d-%02d_%s.log", now.wYear, now.wMonth, now.wDay, m_strName.GetString());
    if (!m_bNumbered || !FileExists(m_strDir + plain))
        return plain;
    CString numbered;
    for (int counter = 0;; ++counter) {
        numbered.Format("%04d-%02d-%02d_%d_%s.log", now.wYear, now.wMonth, now.wDay, counter,
                        m_strName.GetString());
        if (!FileExists(m_strDir + numbered))
            return numbered;
    }
}

bool CLogger::Open()
{
    CSingleLock guard(&m_lock, TRUE);
    if (m_bOpen || m_strFilePath.IsEmpty() || m_strDir.IsEmpty())
        return false;
    if (!m_bAppend)
        DeleteFileA(m_strFilePath);
    if (!OpenFile())
        return false;
    m_bOpen = 1;
    WriteLog("[Log Started].");
    return true;
}

bool CLogger::IsFileOpen() const
{
    return m_file.m_pStream != nullptr;
}

bool CLogger::OpenFile()
{
    // Binary, so that the line's CR LF reaches the disk unchanged; shared with readers.
    const UINT flags = CFile::modeCreate | CFile::modeNoTruncate | CFile::modeReadWrite |
                       CFile::shareDenyNone | CFile::typeBinary;
    if (!m_file.Open(m_strFilePath, flags))
        return false;
    try {
        m_file.SeekToEnd();
    } catch (CException* e) {
        e->Delete();
        m_file.Abort();
        return false;
    }
    return true;
}

void CLogger::CloseFile()
{
    if (IsFileOpen())
        m_file.Abort();
}

bool CLogger::WriteLine(const char* text, const SYSTEMTIME& now)
{
    CString line;
    line.Format("%02d:%02d:%02d:%d %s\r\n", now.wHour, now.wMinute, now.wSecond,
                now.wMilliseconds * 1000000, text ? text : "");
    try {
        m_file.Write(line.GetString(), line.GetLength());
        m_file.Flush();
    } catch (CException* e) {
        e->Delete();
        return false;
    }
    return true;
}

bool CLogger::WriteLog(const char* text)
{
    CSingleLock guard(&m_lock, TRUE);
    if (!m_bOpen)
        return false;
    SYSTEMTIME now;
    GetLocalClockTime(&now);
    const bool newDay = DateOf(now) != m_nDay;
    if (newDay) {
        m_nDay = DateOf(now);
        CloseFile();
        m_strFilePath = m_strDir + MakeFileName(now);
    }
    // A day file that failed to open is tried again with each line until it opens.
    if (newDay || !IsFileOpen()) {
        if (!OpenFile())
            return false;
        WriteLine("[Log Continue].", now);
    }
    return WriteLine(text, now);
}

CString CLogger::GetFilePath()
{
    CSingleLock guard(&m_lock, TRUE);
    return m_strFilePath;
}
