#include "version_archive.h"

#include <string.h>
#include <unzip.h>
#include <iowin32.h>

#include "folder_ops.h"
#include "safe_names.h"

namespace {

const int kReadChunk = 16384;
const unsigned kFlagEncrypted = 0x0001;
const unsigned kFlagUtf8Name = 0x0800;

// Hosts whose external attributes are MS-DOS attribute bits.
bool IsDosHost(unsigned host)
{
    return host == 0 || host == 7 || host == 11 || host == 14; // MS-DOS, Macintosh, NTFS, VFAT
}

FILETIME UnixToFileTime(unsigned long seconds)
{
    ULONGLONG ticks = (ULONGLONG)seconds * 10000000ULL + 116444736000000000ULL;
    FILETIME ft;
    ft.dwLowDateTime = (DWORD)ticks;
    ft.dwHighDateTime = (DWORD)(ticks >> 32);
    return ft;
}

unsigned long ReadLE(const unsigned char* p, int bytes)
{
    unsigned long value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = (value << 8) | p[i];
    return value;
}

// The "UT" extra block: flags, then the Unix times it announces, in order.
void ApplyUnixTimes(const unsigned char* extra, unsigned long size, VersionArchiveItem& item)
{
    unsigned long pos = 0;
    while (pos + 4 <= size)
    {
        unsigned long id = ReadLE(extra + pos, 2), length = ReadLE(extra + pos + 2, 2);
        const unsigned char* data = extra + pos + 4;
        if (pos + 4 + length > size)
            return;
        if (id == 0x5455 && length >= 1)
        {
            unsigned flags = data[0];
            unsigned long at = 1;
            FILETIME* targets[3] = {&item.ftModified, &item.ftAccess, &item.ftCreation};
            for (int bit = 0; bit < 3; ++bit)
                if ((flags & (1u << bit)) && at + 4 <= length)
                {
                    *targets[bit] = UnixToFileTime(ReadLE(data + at, 4));
                    at += 4;
                }
            return;
        }
        pos += 4 + length;
    }
}

// A UTF-8 name in the code page the file functions use; false when it has no exact form there.
bool Utf8ToAnsi(const std::string& utf8, std::string& ansi)
{
    int wide = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), (int)utf8.size(), nullptr, 0);
    if (wide <= 0)
        return false;
    std::wstring text(wide, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), (int)utf8.size(), &text[0], wide);
    BOOL lossy = FALSE;
    int bytes = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), wide, nullptr, 0, nullptr, &lossy);
    if (bytes <= 0 || lossy)
        return false;
    ansi.assign(bytes, '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), wide, &ansi[0], bytes, nullptr, &lossy);
    return !lossy;
}

} // namespace

VersionArchive::VersionArchive()
    : m_unz(nullptr), m_nEntries(0), m_nCurrent(-1), m_nCached(-1), m_pBuffer(nullptr), m_nUnpacked(0),
      m_nUnpackLimit(512LL * 1024 * 1024)
{
    memset(&m_cache, 0, sizeof(m_cache));
}

VersionArchive::~VersionArchive()
{
    Close();
}

int VersionArchive::Fail(int result, const std::string& text)
{
    m_strError = text;
    return result;
}

int VersionArchive::Open(const std::string& path)
{
    if (m_unz)
        return Fail(VA_ALREADY_OPEN, "the archive is already open");
    char current[MAX_PATH] = "";
    GetCurrentDirectoryA(sizeof(current), current);
    m_strBase = WithBackslash(current);

    zlib_filefunc64_def io;
    fill_win32_filefunc64A(&io);
    unzFile unz = unzOpen2_64(path.c_str(), &io);
    if (!unz)
        return Fail(VA_OPEN_FAILED, "\"" + path + "\" is missing or not a complete zip archive");
    unz_global_info64 global;
    if (unzGetGlobalInfo64(unz, &global) != UNZ_OK || global.number_entry > 65535)
    {
        unzClose(unz);
        return Fail(VA_OPEN_FAILED, "\"" + path + "\" has a damaged directory");
    }
    m_unz = unz;
    m_nEntries = (int)global.number_entry;
    m_nCurrent = -1;
    m_nCached = -1;
    m_nUnpacked = 0;
    m_strError.clear();
    return VA_OK;
}

int VersionArchive::SetBaseFolder(const std::string& folder)
{
    if (!m_unz)
        return Fail(VA_NOT_OPEN, "no archive is open");
    if (folder.size() >= MAX_PATH - 1)
        return Fail(VA_WRITE_ERROR, "base folder too long");
    m_strBase = WithBackslash(folder);
    return VA_OK;
}

int VersionArchive::MoveTo(int index)
{
    if (m_nCurrent < 0 || index < m_nCurrent)
    {
        if (unzGoToFirstFile((unzFile)m_unz) != UNZ_OK)
            return Fail(VA_READ_ERROR, "cannot read the first entry");
        m_nCurrent = 0;
    }
    while (m_nCurrent < index)
    {
        if (unzGoToNextFile((unzFile)m_unz) != UNZ_OK)
            return Fail(VA_READ_ERROR, "cannot read entry " + std::to_string(m_nCurrent + 1));
        ++m_nCurrent;
    }
    return VA_OK;
}

int VersionArchive::GetItem(int index, VersionArchiveItem& item)
{
    if (!m_unz)
        return Fail(VA_NOT_OPEN, "no archive is open");
    if (index < -1 || index >= m_nEntries)
        return Fail(VA_BAD_INDEX, "no entry " + std::to_string(index));
    if (index == -1)
    {
        memset(&item, 0, sizeof(item));
        item.nIndex = m_nEntries;
        return VA_OK;
    }
    if (index == m_nCached)
    {
        item = m_cache;
        return VA_OK;
    }
    int result = MoveTo(index);
    if (result != VA_OK)
        return result;

    unz_file_info64 info;
    char name[MAX_PATH + 1] = "";
    unsigned char extra[1024];
    memset(&info, 0, sizeof(info));
    if (unzGetCurrentFileInfo64((unzFile)m_unz, &info, name, sizeof(name), extra, sizeof(extra), nullptr, 0) !=
        UNZ_OK)
        return Fail(VA_READ_ERROR, "cannot read the header of entry " + std::to_string(index));
    if (info.size_filename >= MAX_PATH)
        return Fail(VA_UNSAFE_NAME, "entry " + std::to_string(index) + " has a name longer than 259 bytes");
    std::string entryName(name, info.size_filename);
    if (entryName.find('\0') != std::string::npos)
        return Fail(VA_UNSAFE_NAME, "entry " + std::to_string(index) + " has a zero byte in its name");
    if ((info.flag & kFlagUtf8Name) && !Utf8ToAnsi(std::string(entryName), entryName))
        return Fail(VA_UNSAFE_NAME, "entry \"" + std::string(name, info.size_filename) +
                                        "\" has a name this system cannot spell");
    if (entryName.size() >= MAX_PATH)
        return Fail(VA_UNSAFE_NAME, "entry " + std::to_string(index) + " has a name longer than 259 bytes");

    VersionArchiveItem read;
    memset(&read, 0, sizeof(read));
    read.nIndex = index;
    memcpy(read.szName, entryName.data(), entryName.size());
    unsigned long external = info.external_fa;
    if (IsDosHost(info.version >> 8))
        read.dwAttributes = external & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                        FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_ARCHIVE);
    else
    {
        read.dwAttributes = FILE_ATTRIBUTE_ARCHIVE;
        if (external & (1UL << 30))
            read.dwAttributes |= FILE_ATTRIBUTE_DIRECTORY;
        if (!(external & (1UL << 23)) && (external >> 16) != 0)
            read.dwAttributes |= FILE_ATTRIBUTE_READONLY;
    }
    if (!entryName.empty() && (entryName.back() == '/' || entryName.back() == '\\'))
        read.dwAttributes |= FILE_ATTRIBUTE_DIRECTORY;
    FILETIME local;
    if (DosDateTimeToFileTime((WORD)(info.dosDate >> 16), (WORD)info.dosDate, &local))
        LocalFileTimeToFileTime(&local, &read.ftModified);
    read.ftAccess = read.ftCreation = read.ftModified;
    ApplyUnixTimes(extra, info.size_file_extra < sizeof(extra) ? info.size_file_extra : sizeof(extra), read);
    read.nCompressedSize = info.compressed_size > 0x7FFFFFFF ? 0x7FFFFFFF : (int)info.compressed_size;
    read.nUncompressedSize = info.uncompressed_size > 0x7FFFFFFF ? 0x7FFFFFFF : (int)info.uncompressed_size;
    read.bEncrypted = (info.flag & kFlagEncrypted) != 0;

    m_cache = read;
    m_nCached = index;
    item = read;
    return VA_OK;
}

int VersionArchive::UnpackItem(int index, std::string* unpacked)
{
    VersionArchiveItem item;
    int result = GetItem(index, item);
    if (result != VA_OK)
        return result;
    if (index < 0)
        return Fail(VA_BAD_INDEX, "item -1 is the archive itself");
    std::string relative, why;
    bool isFolder = false;
    if (!MakeEntryPath(item.szName, relative, isFolder, why))
        return Fail(VA_UNSAFE_NAME, why);
    if (item.bEncrypted)
        return Fail(VA_ENCRYPTED, "entry \"" + std::string(item.szName) + "\" is encrypted");
    std::string target = m_strBase + relative;
    if (unpacked)
        *unpacked = target;
    if (isFolder || (item.dwAttributes & FILE_ATTRIBUTE_DIRECTORY))
    {
        if (!EnsureFolder(target))
            return Fail(VA_WRITE_ERROR, "cannot create the folder \"" + target + "\"");
        return VA_OK;
    }
    size_t slash = target.rfind('\\');
    if (!EnsureFolder(target.substr(0, slash)))
        return Fail(VA_WRITE_ERROR, "cannot create the folder of \"" + target + "\"");
    return WriteEntry(item, target);
}

int VersionArchive::WriteEntry(const VersionArchiveItem& item, const std::string& target)
{
    int moved = MoveTo(item.nIndex);
    if (moved != VA_OK)
        return moved;
    if (unzOpenCurrentFile((unzFile)m_unz) != UNZ_OK)
        return Fail(VA_READ_ERROR, "entry \"" + std::string(item.szName) + "\" cannot be read");
    if (!m_pBuffer)
        m_pBuffer = new char[kReadChunk];

    HANDLE file = CreateFileA(target.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
    {
        DWORD error = GetLastError();
        unzCloseCurrentFile((unzFile)m_unz);
        return Fail(VA_WRITE_ERROR, "cannot create \"" + target + "\": " + SystemErrorText(error));
    }
    int result = VA_OK;
    std::string text;
    long long written = 0;
    for (;;)
    {
        int got = unzReadCurrentFile((unzFile)m_unz, m_pBuffer, kReadChunk);
        if (got == 0)
            break;
        if (got < 0)
        {
            result = VA_READ_ERROR;
            text = "entry \"" + std::string(item.szName) + "\" is damaged (" +
                   (got == Z_DATA_ERROR ? std::string("inflate error") : "read error " + std::to_string(got)) + ")";
            break;
        }
        written += got;
        m_nUnpacked += got;
        if (written > item.nUncompressedSize || m_nUnpacked > m_nUnpackLimit)
        {
            result = written > item.nUncompressedSize ? VA_SIZE_ERROR : VA_TOO_LARGE;
            text = "entry \"" + std::string(item.szName) + "\" unpacks to more data than the archive records";
            break;
        }
        DWORD done = 0;
        if (!WriteFile(file, m_pBuffer, (DWORD)got, &done, nullptr) || done != (DWORD)got)
        {
            result = VA_WRITE_ERROR;
            text = "cannot write \"" + target + "\": " + SystemErrorText(GetLastError());
            break;
        }
    }
    int closed = unzCloseCurrentFile((unzFile)m_unz);
    if (result == VA_OK && closed == UNZ_CRCERROR)
    {
        result = VA_CRC_ERROR;
        text = "entry \"" + std::string(item.szName) + "\" fails its CRC check";
    }
    else if (result == VA_OK && closed != UNZ_OK)
    {
        result = VA_READ_ERROR;
        text = "entry \"" + std::string(item.szName) + "\" cannot be read to its end";
    }
    else if (result == VA_OK && written != item.nUncompressedSize)
    {
        result = VA_SIZE_ERROR;
        text = "entry \"" + std::string(item.szName) + "\" is shorter than the archive records";
    }
    if (result == VA_OK)
        SetFileTime(file, &item.ftCreation, &item.ftAccess, &item.ftModified);
    CloseHandle(file);
    if (result != VA_OK)
    {
        DeleteFileA(target.c_str());
        return Fail(result, text);
    }
    DWORD attributes = item.dwAttributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                            FILE_ATTRIBUTE_ARCHIVE);
    if (attributes)
        SetFileAttributesA(target.c_str(), attributes);
    return VA_OK;
}

int VersionArchive::Close()
{
    if (m_unz)
    {
        unzCloseCurrentFile((unzFile)m_unz);
        unzClose((unzFile)m_unz);
        m_unz = nullptr;
    }
    delete[] m_pBuffer;
    m_pBuffer = nullptr;
    m_nEntries = 0;
    m_nCurrent = -1;
    m_nCached = -1;
    return VA_OK;
}
