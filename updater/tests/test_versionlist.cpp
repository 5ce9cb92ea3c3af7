// "version.dat": reading the installed list and comparing the server's list with it.
#include <gtest/gtest.h>

#include "temp_folder.h"
#include "version_list.h"

namespace {

std::vector<std::string> Names(const std::vector<VersionRecord>& queue)
{
    std::vector<std::string> names;
    for (const VersionRecord& rec : queue)
        names.push_back(RecordField(rec, 0) + "/" + RecordField(rec, 2));
    return names;
}

TEST(SplitFields, KeepsEmptyFieldsAndNeverSplitsInsideADoubleByteCharacter)
{
    std::vector<std::string> fields;
    EXPECT_EQ(5, SplitFields("Bin,main,a.zip,1.0,", ',', fields));
    EXPECT_EQ("", fields[4]);
    EXPECT_EQ(1, SplitFields("", ',', fields));
    // A lead byte takes the next byte with it, comma or not.
    EXPECT_EQ(2, SplitFields("x\x81,y,z", ',', fields));
    EXPECT_EQ("x\x81,y", fields[0]);
    EXPECT_EQ(3, SplitFields("가,나,다", ',', fields));
    EXPECT_EQ("나", fields[1]);
}

TEST(LocalVersions, MissingFileIsEmptyAndLaterLinesWin)
{
    TempFolder dir;
    VersionMap versions;
    LoadLocalVersions(dir / "absent.dat", versions);
    EXPECT_TRUE(versions.empty());

    WriteBytes(dir / "version.dat", "version=1.0.2\r\n"
                                    "  Bin,main,TradePanel.dll.zip, 1.0.1 ,  \r\n"
                                    "\r\n"
                                    "System,sys,colormap.xml.zip,3,x,extra\r\n"
                                    "bin,main,tradepanel.DLL.zip,1.0.2,\r\n"
                                    "Images,img,a.zip,7,");
    LoadLocalVersions(dir / "version.dat", versions);
    EXPECT_EQ((VersionMap{{"BIN/TRADEPANEL.DLL.ZIP", "1.0.2"}, {"IMAGES/A.ZIP", "7"}}), versions);
}

TEST(CompareVersionList, QueuesNewAndChangedFilesOnly)
{
    VersionMap local = {{"BIN/A.ZIP", "1.0"}, {"BIN/B.ZIP", "1.0"}, {"BIN/C.ZIP", "v1"}};
    std::string list = "version=2.0\n"
                       "Bin,main,a.zip,1.0,\n"     // same
                       "BIN,main,A.ZIP,1.0,\n"     // same key in other letter case
                       "Bin,main,b.zip,1.1,\n"     // changed
                       "Bin,main,c.zip,V1,\n"      // versions compare with letter case
                       "System,sys,d.zip,1,\r\n"   // new (CRLF line)
                       "Bin,main,e.zip\n"          // four fields: skipped
                       "Images,img,f.zip,1,";      // no line feed: not read
    std::vector<VersionRecord> queue;
    std::string error;
    ASSERT_TRUE(CompareVersionList(list.data(), list.size(), local, queue, error)) << error;
    EXPECT_EQ((std::vector<std::string>{"Bin/b.zip", "Bin/c.zip", "System/d.zip"}), Names(queue));
    EXPECT_EQ("main", RecordField(queue[0], 1));
}

TEST(CompareVersionList, EmptyLocalListQueuesEveryLineAndTextEndsAtZeroByte)
{
    std::string list = std::string("Bin,main,a.zip,1,\nBin,main,b.zip,1,\n") + '\0' + "Bin,main,c.zip,1,\n";
    std::vector<VersionRecord> queue;
    std::string error;
    ASSERT_TRUE(CompareVersionList(list.data(), list.size(), VersionMap(), queue, error));
    EXPECT_EQ((std::vector<std::string>{"Bin/a.zip", "Bin/b.zip"}), Names(queue));
}

TEST(CompareVersionList, AllEqualQueuesNothingButIsAccepted)
{
    std::string list = "version=1\nBin,main,a.zip,1,\n";
    std::vector<VersionRecord> queue;
    std::string error;
    EXPECT_TRUE(CompareVersionList(list.data(), list.size(), {{"BIN/A.ZIP", "1"}}, queue, error));
    EXPECT_TRUE(queue.empty());
}

TEST(CompareVersionList, AFileListedTwiceIsFetchedOnceAsItsLaterLineHasIt)
{
    std::string list = "Bin,one,a.zip,1,\nBin,main,b.zip,1,\nbin ,two,A.zip,2,\n";
    std::vector<VersionRecord> queue;
    std::string error;
    ASSERT_TRUE(CompareVersionList(list.data(), list.size(), VersionMap(), queue, error));
    ASSERT_EQ(2u, queue.size());
    EXPECT_EQ("two", RecordField(queue[1], 1));
}

TEST(CompareVersionList, RefusesListsThatMustNotBeInstalled)
{
    struct Case
    {
        const char* what;
        std::string list;
    } cases[] = {
        {"empty", ""},
        {"only the version line", "version=1.0.3\n"},
        {"lines of other field counts", "a,b,c\n,,,,,,\n"},
        {"overlong line", "Bin,main,a.zip,1," + std::string(1100, 'x') + "\n"},
        {"parent step in folder", "Bin,main,a.zip,1,\n..@..,main,Molvane.exe.zip,2,\n"},
        {"parent step in name", "Bin,main,..\\..\\evil.zip,1,\n"},
        {"backslash in name", "Bin,main,sub\\evil.zip,1,\n"},
        {"drive in name", "Bin,main,C:evil.zip,1,\n"},
        {"device name", "Bin,main,NUL.zip,1,\n"},
        {"no folder", ",main,version.dat,1,\n"},
        {"absolute folder", "C:\\Windows,main,a.zip,1,\n"},
        {"name longer than a request field", "Bin,main," + std::string(37, 'n') + ".zip,1,\n"},
    };
    for (const Case& c : cases)
    {
        std::vector<VersionRecord> queue;
        std::string error;
        EXPECT_FALSE(CompareVersionList(c.list.data(), c.list.size(), VersionMap(), queue, error)) << c.what;
        EXPECT_FALSE(error.empty()) << c.what;
    }
}

} // namespace
