#include "version_fetch.h"

#include <windows.h>
#include <string.h>

#include "folder_ops.h"

static const char kListName[] = "version.dat";

CVersionFetch::CVersionFetch(const std::string& tempFolder, const VersionMap& local)
    : m_strTemp(WithBackslash(tempFolder)), m_local(local), m_nOutstanding(0), m_nTotal(0),
      m_nLimit(VERSION_MAX_DOWNLOAD)
{
    memset(&m_current, 0, sizeof(m_current));
}

void CVersionFetch::SendRequest(int code, const VersionRecord& rec)
{
    m_content.clear();
    m_current = rec;
    m_nOutstanding = code;
    m_strRequest = BuildVersionRequest(code, rec);
}

void CVersionFetch::Start()
{
    m_downloads.clear();
    m_queue.clear();
    m_nTotal = 0;
    m_strError.clear();
    SendRequest(VFC_VERSION_LIST, MakeVersionListRecord());
}

std::string CVersionFetch::CurrentName() const
{
    if (m_nOutstanding == VFC_VERSION_LIST)
        return kListName;
    return RecordField(m_current, 0) + "/" + RecordField(m_current, 2);
}

CVersionFetch::Step CVersionFetch::Fail(const std::string& text)
{
    m_strError = text;
    m_nOutstanding = 0;
    return STEP_FAILED;
}

CVersionFetch::Step CVersionFetch::OnFrame(const char* frame, int length)
{
    if (length < VERSION_HEADER_SIZE || ParseFrameLength(frame) != length)
        return Fail("malformed frame");
    const VersionFrameHeader* header = reinterpret_cast<const VersionFrameHeader*>(frame);
    if (header->cMark != 'x')
        return Fail("malformed frame (no 'x' at byte 16)");
    if (!m_nOutstanding)
        return Fail("a frame came while no request was due");
    int code = ParseFrameCode(header->szCode);
    if (code != m_nOutstanding)
        return Fail("a frame of code " + std::string(header->szCode, 8) + " came for a request of code " +
                    std::to_string(m_nOutstanding));

    const char* body = frame + VERSION_HEADER_SIZE;
    size_t bodyLength = (size_t)(length - VERSION_HEADER_SIZE);
    switch (header->cStatus)
    {
    case VERSION_STATUS_ERROR:
        m_nOutstanding = 0;
        m_strError = "the server reports an error for " + CurrentName();
        return STEP_SERVER_ERROR;
    case VERSION_STATUS_MORE:
        if (m_content.size() + bodyLength > m_nLimit)
            return Fail(CurrentName() + " is larger than " + std::to_string(m_nLimit) + " bytes");
        m_content.insert(m_content.end(), body, body + bodyLength);
        return STEP_WAIT;
    case VERSION_STATUS_LAST:
        break;
    default:
        return Fail("unknown frame status '" + std::string(1, header->cStatus) + "'");
    }

    if (m_nOutstanding == VFC_VERSION_LIST)
    {
        if (!SaveDownload(kListName))
            return STEP_FAILED;
        std::string why;
        if (!CompareVersionList(m_content.data(), m_content.size(), m_local, m_queue, why))
            return Fail("version list refused: " + why);
        m_nTotal = (int)m_queue.size();
        return FetchNextFile();
    }
    std::string download, why;
    if (!DownloadNameOf(m_current, download, why))
        return Fail(why);
    if (!SaveDownload(download))
        return STEP_FAILED;
    return FetchNextFile();
}

CVersionFetch::Step CVersionFetch::FetchNextFile()
{
    if (m_queue.empty())
    {
        m_nOutstanding = 0;
        m_content.clear();
        return STEP_ALL_FETCHED;
    }
    VersionRecord next = m_queue.back();
    m_queue.pop_back();
    SendRequest(VFC_FILE, next);
    return STEP_REQUEST;
}

bool CVersionFetch::SaveDownload(const std::string& name)
{
    std::string path = m_strTemp + name;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
    {
        Fail("cannot save \"" + path + "\": " + SystemErrorText(GetLastError()));
        return false;
    }
    DWORD written = 0;
    bool saved = m_content.empty() ||
                 (WriteFile(file, m_content.data(), (DWORD)m_content.size(), &written, nullptr) &&
                  written == m_content.size());
    DWORD error = GetLastError();
    saved = CloseHandle(file) && saved;
    if (!saved)
    {
        DeleteFileA(path.c_str());
        Fail("cannot write \"" + path + "\": " + SystemErrorText(error));
        return false;
    }
    m_downloads.push_back(name);
    Sleep(10);
    return true;
}
