// The exchange with the version server: requests in order, replies matched to them, every
// download saved into the Temp folder, and everything that must stop the update.
#include <gtest/gtest.h>
#include <stdio.h>

#include "temp_folder.h"
#include "version_fetch.h"

namespace {

std::string Frame(int code, char status, const std::string& body = "")
{
    char header[19];
    snprintf(header, sizeof(header), "%08d%08dx%c", (int)(18 + body.size()), code, status);
    return std::string(header, 18) + body;
}

CVersionFetch::Step Feed(CVersionFetch& fetch, const std::string& frame)
{
    return fetch.OnFrame(frame.data(), (int)frame.size());
}

// Serves content as the server does: 'M' chunks, then 'L'.
CVersionFetch::Step Serve(CVersionFetch& fetch, int code, const std::string& content, size_t chunk = 1000)
{
    for (size_t at = 0; at < content.size(); at += chunk)
    {
        CVersionFetch::Step step = Feed(fetch, Frame(code, 'M', content.substr(at, chunk)));
        if (step != CVersionFetch::STEP_WAIT)
            return step;
    }
    return Feed(fetch, Frame(code, 'L'));
}

std::string RequestedName(const CVersionFetch& fetch)
{
    const std::string& r = fetch.Request();
    VersionRecord rec;
    memcpy(&rec, r.data() + 18, sizeof(rec));
    return RecordField(rec, 0) + "/" + RecordField(rec, 2);
}

TEST(VersionFetch, FetchesTheListThenEveryChangedFileFromTheEndOfTheList)
{
    TempFolder temp;
    CVersionFetch fetch(temp.Path(), VersionMap{{"BIN/SAME.ZIP", "1"}});
    fetch.Start();
    EXPECT_EQ(BuildVersionRequest(VFC_VERSION_LIST, MakeVersionListRecord()), fetch.Request());
    EXPECT_TRUE(fetch.Outstanding());

    std::string list = "version=2\nBin,main,a.zip,2,\nBin,main,same.zip,1,\nSystem/map,m,b.zip,2,\n";
    ASSERT_EQ(CVersionFetch::STEP_REQUEST, Serve(fetch, VFC_VERSION_LIST, list, 7));
    EXPECT_EQ(2, fetch.Total());
    EXPECT_EQ(1, fetch.Position());
    EXPECT_EQ("System/map/b.zip", RequestedName(fetch));
    EXPECT_EQ("0000014600000002x ", fetch.Request().substr(0, 18));
    EXPECT_EQ(list, ReadBytes(temp / "version.dat"));

    std::string big(250000, 'B');
    ASSERT_EQ(CVersionFetch::STEP_REQUEST, Serve(fetch, VFC_FILE, big, VERSION_MAX_FRAME - 18));
    EXPECT_EQ(2, fetch.Position());
    EXPECT_EQ("Bin/a.zip", RequestedName(fetch));
    ASSERT_EQ(CVersionFetch::STEP_ALL_FETCHED, Serve(fetch, VFC_FILE, ""));
    EXPECT_FALSE(fetch.Outstanding());

    EXPECT_EQ((std::vector<std::string>{"version.dat", "System@map@b.zip", "Bin@a.zip"}), fetch.Downloads());
    EXPECT_EQ(big, ReadBytes(temp / "System@map@b.zip"));
    EXPECT_TRUE(FileExists(temp / "Bin@a.zip"));
    EXPECT_EQ("", ReadBytes(temp / "Bin@a.zip"));
}

TEST(VersionFetch, NothingChangedGoesStraightToInstall)
{
    TempFolder temp;
    CVersionFetch fetch(temp.Path(), VersionMap{{"BIN/A.ZIP", "1"}});
    fetch.Start();
    EXPECT_EQ(CVersionFetch::STEP_ALL_FETCHED, Serve(fetch, VFC_VERSION_LIST, "Bin,main,a.zip,1,\n"));
    EXPECT_EQ(0, fetch.Total());
    EXPECT_EQ((std::vector<std::string>{"version.dat"}), fetch.Downloads());
}

TEST(VersionFetch, ServerErrorFrameStopsTheUpdate)
{
    TempFolder temp;
    CVersionFetch fetch(temp.Path(), VersionMap());
    fetch.Start();
    ASSERT_EQ(CVersionFetch::STEP_REQUEST, Serve(fetch, VFC_VERSION_LIST, "Bin,main,a.zip,1,\n"));
    EXPECT_EQ(CVersionFetch::STEP_WAIT, Feed(fetch, Frame(VFC_FILE, 'M', "part")));
    EXPECT_EQ(CVersionFetch::STEP_SERVER_ERROR, Feed(fetch, Frame(VFC_FILE, ' ')));
    EXPECT_FALSE(fetch.Outstanding());
    EXPECT_FALSE(FileExists(temp / "Bin@a.zip"));
}

TEST(VersionFetch, FramesThatDoNotAnswerTheOutstandingRequestFail)
{
    struct Case
    {
        const char* what;
        std::string frame;
    } cases[] = {
        {"code of another request", Frame(VFC_FILE, 'L')},
        {"unknown code", Frame(7, 'M', "x")},
        {"unknown status", Frame(VFC_VERSION_LIST, 'Q')},
        {"no 'x' marker", "0000001800000001yL"},
        {"length field disagrees", "0000009900000001xL"},
    };
    for (const Case& c : cases)
    {
        TempFolder temp;
        CVersionFetch fetch(temp.Path(), VersionMap());
        fetch.Start();
        EXPECT_EQ(CVersionFetch::STEP_FAILED, Feed(fetch, c.frame)) << c.what;
        EXPECT_FALSE(fetch.ErrorText().empty()) << c.what;
        EXPECT_FALSE(fetch.Outstanding()) << c.what;
    }

    TempFolder temp;
    CVersionFetch fetch(temp.Path(), VersionMap{{"BIN/A.ZIP", "1"}});
    fetch.Start();
    ASSERT_EQ(CVersionFetch::STEP_ALL_FETCHED, Serve(fetch, VFC_VERSION_LIST, "Bin,main,a.zip,1,\n"));
    EXPECT_EQ(CVersionFetch::STEP_FAILED, Feed(fetch, Frame(VFC_VERSION_LIST, 'L'))) << "nothing was due";
}

TEST(VersionFetch, ContentAboveTheDownloadLimitFails)
{
    const std::string chunk(102400, 'p'); // 100 chunks make exactly the limit
    for (int extra : {0, 1})
    {
        TempFolder temp;
        CVersionFetch fetch(temp.Path(), VersionMap());
        fetch.Start();
        ASSERT_EQ(CVersionFetch::STEP_REQUEST, Serve(fetch, VFC_VERSION_LIST, "Bin,main,big.zip,1,\n"));
        for (int i = 0; i < 100; ++i)
            ASSERT_EQ(CVersionFetch::STEP_WAIT, Feed(fetch, Frame(VFC_FILE, 'M', chunk)));
        if (extra)
        {
            EXPECT_EQ(CVersionFetch::STEP_FAILED, Feed(fetch, Frame(VFC_FILE, 'M', "x")));
            EXPECT_NE(std::string::npos, fetch.ErrorText().find("Bin/big.zip"));
            EXPECT_FALSE(FileExists(temp / "Bin@big.zip"));
        }
        else
        {
            EXPECT_EQ(CVersionFetch::STEP_ALL_FETCHED, Feed(fetch, Frame(VFC_FILE, 'L')));
            EXPECT_EQ(VERSION_MAX_DOWNLOAD, ReadBytes(temp / "Bin@big.zip").size());
        }
    }
}

TEST(VersionFetch, RefusedListRequestsNoFile)
{
    const char* lists[] = {"", "version=3\n", "Bin,main,a.zip,1,\n..@..,main,Molvane.exe.zip,2,\n",
                           "Bin,main,..\\..\\x.zip,2,\n"};
    for (const char* list : lists)
    {
        TempFolder temp;
        CVersionFetch fetch(temp.Path(), VersionMap());
        fetch.Start();
        EXPECT_EQ(CVersionFetch::STEP_FAILED, Serve(fetch, VFC_VERSION_LIST, list)) << list;
        EXPECT_EQ(0, fetch.Total());
        EXPECT_FALSE(fetch.Outstanding());
    }
}

TEST(VersionFetch, UnwritableTempFolderFails)
{
    TempFolder temp;
    CVersionFetch fetch(temp / "missing\\", VersionMap());
    fetch.Start();
    EXPECT_EQ(CVersionFetch::STEP_FAILED, Serve(fetch, VFC_VERSION_LIST, "Bin,main,a.zip,1,\n"));
    EXPECT_NE(std::string::npos, fetch.ErrorText().find("version.dat"));
}

} // namespace
