#include "zip_fixture.h"

#include <windows.h>
#include <zip.h>
#include <iowin32.h>

#include "temp_folder.h"

std::string MakeZip(const std::vector<ZipEntry>& entries)
{
    TempFolder folder("zip");
    std::string path = folder / "fixture.zip";
    zlib_filefunc64_def io;
    fill_win32_filefunc64A(&io);
    zipFile zip = zipOpen2_64(path.c_str(), APPEND_STATUS_CREATE, nullptr, &io);
    if (!zip)
        return std::string();
    for (const ZipEntry& entry : entries)
    {
        zip_fileinfo info = {};
        info.tmz_date.tm_year = 2020;
        info.tmz_date.tm_mon = 0;
        info.tmz_date.tm_mday = 2;
        info.tmz_date.tm_hour = 3;
        unsigned long crc = crc32(0L, reinterpret_cast<const Bytef*>(entry.data.data()), (uInt)entry.data.size());
        zipOpenNewFileInZip3_64(zip, entry.name.c_str(), &info, nullptr, 0, nullptr, 0, nullptr,
                                entry.stored ? 0 : Z_DEFLATED, entry.stored ? 0 : Z_DEFAULT_COMPRESSION, 0,
                                -MAX_WBITS, DEF_MEM_LEVEL, Z_DEFAULT_STRATEGY, entry.password, crc, 0);
        zipWriteInFileInZip(zip, entry.data.data(), (unsigned)entry.data.size());
        zipCloseFileInZip(zip);
    }
    zipClose(zip, nullptr);
    return ReadBytes(path);
}

std::string FlipByteOf(std::string archive, const std::string& inside)
{
    size_t at = archive.find(inside);
    if (at != std::string::npos)
        archive[at + inside.size() / 2] ^= 0x20;
    return archive;
}
