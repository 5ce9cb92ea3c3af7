// Reading the zip archives the version server delivers (minizip over zlib), with every check
// the installer relies on: safe entry names, no encrypted entries, read, inflate, size and
// CRC errors reported, nothing unpacked outside the base folder.
#pragma once

#include <windows.h>
#include <string>

// Result codes of the archive operations (0 is success).
enum VersionArchiveResult
{
    VA_OK = 0,
    VA_ALREADY_OPEN,
    VA_NOT_OPEN,
    VA_OPEN_FAILED,   // missing file, or no zip structure (truncated, not an archive)
    VA_BAD_INDEX,
    VA_READ_ERROR,    // damaged header or entry data
    VA_UNSAFE_NAME,   // the entry would land outside the base folder
    VA_ENCRYPTED,     // no password is ever given: encrypted entries are refused
    VA_WRITE_ERROR,   // the target file or folder cannot be made or written
    VA_CRC_ERROR,     // unpacked data differ from what the archive recorded
    VA_SIZE_ERROR,    // unpacked size differs from the recorded one
    VA_TOO_LARGE,     // more unpacked data than the archive may hold
};

struct VersionArchiveItem
{
    int nIndex;         // for item -1: the number of entries
    char szName[260];   // as stored (double-byte text; UTF-8 names converted)
    DWORD dwAttributes; // FILE_ATTRIBUTE_* bits: folder, archive, hidden, read-only, system
    FILETIME ftAccess;
    FILETIME ftCreation;
    FILETIME ftModified;
    int nCompressedSize;
    int nUncompressedSize;
    bool bEncrypted;
};

class VersionArchive
{
public:
    VersionArchive();
    ~VersionArchive();

    int Open(const std::string& path);
    // Folder the entries unpack under (a trailing backslash is added).
    int SetBaseFolder(const std::string& folder);
    // Item i, or with i = -1 the archive (its index field holds the entry count).
    int GetItem(int index, VersionArchiveItem& item);
    // Unpacks entry i under the base folder; `unpacked` receives the path written.
    int UnpackItem(int index, std::string* unpacked = nullptr);
    int Close();

    // Text of the last failure, naming the entry.
    const std::string& ErrorText() const { return m_strError; }
    // Upper bound of the unpacked bytes of the whole archive.
    void SetUnpackLimit(long long bytes) { m_nUnpackLimit = bytes; }

private:
    int Fail(int result, const std::string& text);
    int MoveTo(int index);
    int WriteEntry(const VersionArchiveItem& item, const std::string& target);

    void* m_unz;
    int m_nEntries;
    int m_nCurrent;
    VersionArchiveItem m_cache;
    int m_nCached;
    char* m_pBuffer;
    std::string m_strBase;
    std::string m_strError;
    long long m_nUnpacked;
    long long m_nUnpackLimit;
};
