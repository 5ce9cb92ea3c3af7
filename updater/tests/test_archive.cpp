// Unpacking downloaded archives: what is sound is unpacked intact, everything else refused
// with nothing written outside the base folder.
#include <gtest/gtest.h>
#include <windows.h>
#include <zip.h>
#include <iowin32.h>

#include "temp_folder.h"
#include "version_archive.h"
#include "zip_fixture.h"

namespace {

struct Unpacked
{
    int openResult = -1;
    int failedResult = VA_OK;
    std::string error;
};

// Opens `bytes` as an archive and unpacks every entry under `base`; stops at the first failure.
Unpacked UnpackAll(const TempFolder& dir, const std::string& bytes, const std::string& base,
                   long long limit = 0)
{
    Unpacked result;
    WriteBytes(dir / "a.zip", bytes);
    VersionArchive archive;
    if (limit)
        archive.SetUnpackLimit(limit);
    result.openResult = archive.Open(dir / "a.zip");
    if (result.openResult != VA_OK)
    {
        result.error = archive.ErrorText();
        return result;
    }
    archive.SetBaseFolder(base);
    VersionArchiveItem info;
    archive.GetItem(-1, info);
    for (int i = 0; i < info.nIndex && result.failedResult == VA_OK; ++i)
        result.failedResult = archive.UnpackItem(i);
    result.error = archive.ErrorText();
    return result;
}

TEST(VersionArchive, UnpacksFilesAndFoldersWithTheirTimes)
{
    TempFolder dir;
    std::string data(70000, '\0');
    for (size_t i = 0; i < data.size(); ++i)
        data[i] = (char)(i * 31 % 251);
    std::string bytes = MakeZip({{"Panel.dll", data},
                                 {"stored.txt", "plain", true},
                                 {"sub/", ""},
                                 {"sub/deeper/map.xml", "<MAP/>"},
                                 {"한글.bmp", "bmp"}});
    Unpacked got = UnpackAll(dir, bytes, dir / "stage");
    ASSERT_EQ(VA_OK, got.openResult) << got.error;
    ASSERT_EQ(VA_OK, got.failedResult) << got.error;
    EXPECT_EQ(data, ReadBytes(dir / "stage\\Panel.dll"));
    EXPECT_EQ("plain", ReadBytes(dir / "stage\\stored.txt"));
    EXPECT_EQ("<MAP/>", ReadBytes(dir / "stage\\sub\\deeper\\map.xml"));
    EXPECT_EQ("bmp", ReadBytes(dir / "stage\\한글.bmp"));

    SYSTEMTIME local = {2020, 1, 0, 2, 3, 0, 0, 0};
    FILETIME localTime, expected, actual;
    SystemTimeToFileTime(&local, &localTime);
    LocalFileTimeToFileTime(&localTime, &expected);
    HANDLE file = CreateFileA((dir / "stage\\Panel.dll").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    GetFileTime(file, nullptr, nullptr, &actual);
    CloseHandle(file);
    EXPECT_EQ(0, CompareFileTime(&expected, &actual));
}

TEST(VersionArchive, ItemsDescribeEntriesAndTheArchive)
{
    TempFolder dir;
    WriteBytes(dir / "a.zip", MakeZip({{"one.txt", "1"}, {"dir/", ""}, {"two.txt", "22", true}}));
    VersionArchive archive;
    ASSERT_EQ(VA_OK, archive.Open(dir / "a.zip"));
    EXPECT_EQ(VA_ALREADY_OPEN, archive.Open(dir / "a.zip"));
    VersionArchiveItem item;
    ASSERT_EQ(VA_OK, archive.GetItem(-1, item));
    EXPECT_EQ(3, item.nIndex);
    ASSERT_EQ(VA_OK, archive.GetItem(2, item));
    EXPECT_STREQ("two.txt", item.szName);
    EXPECT_EQ(2, item.nUncompressedSize);
    ASSERT_EQ(VA_OK, archive.GetItem(1, item)); // backwards
    EXPECT_TRUE(item.dwAttributes & FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_EQ(VA_BAD_INDEX, archive.GetItem(3, item));
    EXPECT_EQ(VA_BAD_INDEX, archive.GetItem(-2, item));
}

TEST(VersionArchive, RefusesHostileAndDamagedArchives)
{
    const std::string payload = "PAYLOAD-0123456789-PAYLOAD";
    struct Case
    {
        const char* what;
        std::string bytes;
        int open;    // expected result of Open
        int unpack;  // expected first failure of the unpacking
    } cases[] = {
        {"parent step", MakeZip({{"ok.txt", "1"}, {"../evil.dll", payload}}), VA_OK, VA_UNSAFE_NAME},
        {"parent steps inside", MakeZip({{"a/../../evil.dll", payload}}), VA_OK, VA_UNSAFE_NAME},
        {"backslash parent step", MakeZip({{"..\\evil.dll", payload}}), VA_OK, VA_UNSAFE_NAME},
        {"leading slash", MakeZip({{"/evil.dll", payload}}), VA_OK, VA_UNSAFE_NAME},
        {"leading backslash", MakeZip({{"\\evil.dll", payload}}), VA_OK, VA_UNSAFE_NAME},
        {"drive", MakeZip({{"C:\\evil.dll", payload}}), VA_OK, VA_UNSAFE_NAME},
        {"drive relative", MakeZip({{"C:evil.dll", payload}}), VA_OK, VA_UNSAFE_NAME},
        {"device", MakeZip({{"sub/CON", payload}}), VA_OK, VA_UNSAFE_NAME},
        {"encrypted", MakeZip({{"secret.dll", payload, false, "pw"}}), VA_OK, VA_ENCRYPTED},
        {"flipped data byte", FlipByteOf(MakeZip({{"a.dll", payload, true}}), payload), VA_OK, VA_CRC_ERROR},
        {"truncated", MakeZip({{"a.dll", payload}}).substr(0, 40), VA_OPEN_FAILED, VA_OK},
        {"not an archive", "MZ this is no zip archive at all", VA_OPEN_FAILED, VA_OK},
        {"empty file", "", VA_OPEN_FAILED, VA_OK},
    };
    for (const Case& c : cases)
    {
        TempFolder dir;
        CreateDirectoryA((dir / "base").c_str(), nullptr);
        TreeSnapshot before = SnapshotTree(dir.Path());
        Unpacked got = UnpackAll(dir, c.bytes, dir / "base\\stage");
        EXPECT_EQ(c.open, got.openResult) << c.what << ": " << got.error;
        EXPECT_EQ(c.unpack, got.failedResult) << c.what << ": " << got.error;
        if (c.open != VA_OK || c.unpack != VA_OK)
        {
            EXPECT_FALSE(got.error.empty()) << c.what;
        }
        // Nothing outside the stage folder, and no file with the payload anywhere.
        TreeSnapshot after = SnapshotTree(dir.Path());
        for (const auto& entry : after)
        {
            if (entry.first == "a.zip" || entry.first.compare(0, 10, "base\\stage") == 0)
                continue;
            EXPECT_TRUE(before.count(entry.first)) << c.what << ": " << entry.first;
        }
        for (const auto& entry : after)
        {
            if (entry.first != "a.zip")
            {
                EXPECT_EQ(std::string::npos, entry.second.find(payload)) << c.what << ": " << entry.first;
            }
        }
    }
}

TEST(VersionArchive, DamagedDeflateStreamIsAnError)
{
    std::string data(20000, 'z');
    for (size_t i = 0; i < data.size(); ++i)
        data[i] = (char)(i * 7 % 13 + 'a');
    std::string bytes = MakeZip({{"a.dll", data}});
    // Damage the middle of the compressed data (between the local header and the directory).
    size_t middle = 30 + 5 + (bytes.size() - 30 - 5 - 100) / 2;
    for (size_t i = 0; i < 8; ++i)
        bytes[middle + i] = (char)~bytes[middle + i];
    TempFolder dir;
    Unpacked got = UnpackAll(dir, bytes, dir / "stage");
    ASSERT_EQ(VA_OK, got.openResult);
    EXPECT_TRUE(got.failedResult == VA_READ_ERROR || got.failedResult == VA_CRC_ERROR ||
                got.failedResult == VA_SIZE_ERROR)
        << got.failedResult << " " << got.error;
    EXPECT_FALSE(FileExists(dir / "stage\\a.dll")) << "a damaged entry leaves no partial file";
}

TEST(VersionArchive, UnpackLimitStopsAnArchiveThatInflatesTooFar)
{
    TempFolder dir;
    Unpacked got = UnpackAll(dir, MakeZip({{"bomb.bin", std::string(3 << 20, '\0')}}), dir / "stage", 1 << 20);
    EXPECT_EQ(VA_TOO_LARGE, got.failedResult) << got.error;
    EXPECT_FALSE(FileExists(dir / "stage\\bomb.bin"));
}

TEST(VersionArchive, Utf8NamesArriveInTheCodePage)
{
    TempFolder dir;
    std::string path = dir / "u.zip";
    zlib_filefunc64_def io;
    fill_win32_filefunc64A(&io);
    zipFile zip = zipOpen2_64(path.c_str(), APPEND_STATUS_CREATE, nullptr, &io);
    zip_fileinfo info = {};
    const char utf8[] = "\xed\x95\x9c\xea\xb8\x80.dll"; // 한글.dll
    zipOpenNewFileInZip4_64(zip, utf8, &info, nullptr, 0, nullptr, 0, nullptr, 0, 0, 0, -MAX_WBITS, DEF_MEM_LEVEL,
                            Z_DEFAULT_STRATEGY, nullptr, 0, 0, 0x800, 0);
    zipWriteInFileInZip(zip, "k", 1);
    zipCloseFileInZip(zip);
    zipClose(zip, nullptr);
    Unpacked got = UnpackAll(dir, ReadBytes(path), dir / "stage");
    ASSERT_EQ(VA_OK, got.failedResult) << got.error;
    EXPECT_EQ("k", ReadBytes(dir / "stage\\한글.dll"));
}

} // namespace
