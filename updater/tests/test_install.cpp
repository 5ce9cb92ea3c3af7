// Installing the downloads: all or nothing. A failure anywhere leaves the install root as it
// was, with the old "version.dat".
#include <gtest/gtest.h>
#include <windows.h>

#include "folder_ops.h"
#include "install_journal.h"
#include "installer.h"
#include "temp_folder.h"
#include "zip_fixture.h"

namespace {

const char kNewList[] = "version=2\nBin,main,Old.dll.zip,2,\nSystem/map,m,New.xml.zip,2,\nImages,i,skin.zip,2,\n";

// An install root with a few installed files and the downloads of one update in Temp\.
class InstallRoot : public ::testing::Test
{
protected:
    void SetUp() override
    {
        root = m_dir.Path();
        for (const char* folder : {"Bin", "System", "Images", "User", "Temp"})
            CreateDirectoryA((root + folder).c_str(), nullptr);
        WriteBytes(root + "Bin\\Old.dll", "old dll");
        WriteBytes(root + "Bin\\Keep.dll", "kept");
        WriteBytes(root + "Bin\\ReadOnly.dll", "read-only old");
        SetFileAttributesA((root + "Bin\\ReadOnly.dll").c_str(), FILE_ATTRIBUTE_READONLY);
        WriteBytes(root + "System\\version.dat", "version=1\nBin,main,Old.dll.zip,1,\n");
        WriteBytes(root + "User\\user.cfg", "[LOGIN]\nID=me\n");

        Download("version.dat", kNewList);
        Download("Bin@Old.dll.zip", MakeZip({{"Old.dll", "new dll"}}));
        Download("System@map@New.xml.zip", MakeZip({{"New.xml", "<MAP/>"}}));
        Download("Images@skin.zip", MakeZip({{"skin/", ""}, {"skin/a.bmp", "A"}, {"skin/dark/b.bmp", "B"}}));
        downloads = {"version.dat", "Bin@Old.dll.zip", "System@map@New.xml.zip", "Images@skin.zip"};
    }

    void Download(const std::string& name, const std::string& bytes) { WriteBytes(root + "Temp\\" + name, bytes); }

    // The install root without its Temp folder.
    TreeSnapshot Installed()
    {
        TreeSnapshot tree = SnapshotTree(root);
        for (auto it = tree.begin(); it != tree.end();)
            it = it->first.compare(0, 4, "Temp") == 0 ? tree.erase(it) : std::next(it);
        return tree;
    }

    bool Install(std::string* error = nullptr)
    {
        CVersionInstaller installer(root, root + "Temp\\");
        bool ok = installer.InstallDownloads(downloads);
        if (error)
            *error = installer.ErrorText();
        EXPECT_TRUE(installer.RollbackComplete());
        return ok;
    }

    TempFolder m_dir;
    std::string root;
    std::vector<std::string> downloads;
};

TEST_F(InstallRoot, InstallsEveryItemAndTheNewListLast)
{
    TreeSnapshot before = Installed();
    std::string error;
    ASSERT_TRUE(Install(&error)) << error;
    EXPECT_EQ("new dll", ReadBytes(root + "Bin\\Old.dll"));
    EXPECT_EQ("<MAP/>", ReadBytes(root + "System\\map\\New.xml"));
    EXPECT_EQ("A", ReadBytes(root + "Images\\skin\\a.bmp"));
    EXPECT_EQ("B", ReadBytes(root + "Images\\skin\\dark\\b.bmp"));
    EXPECT_EQ(kNewList, ReadBytes(root + "System\\version.dat"));
    TreeSnapshot after = Installed();
    for (const char* untouched : {"Bin\\Keep.dll", "Bin\\ReadOnly.dll", "User\\user.cfg"})
        EXPECT_EQ(before[untouched], after[untouched]) << untouched;
}

TEST_F(InstallRoot, EachArchiveIsStagedApart)
{
    // One archive also carries another's file and a "version.dat": neither reaches the root.
    Download("Bin@Old.dll.zip", MakeZip({{"Old.dll", "new dll"}, {"New.xml", "forged"}, {"version.dat", "forged"}}));
    std::string error;
    ASSERT_TRUE(Install(&error)) << error;
    EXPECT_EQ("<MAP/>", ReadBytes(root + "System\\map\\New.xml"));
    EXPECT_EQ(kNewList, ReadBytes(root + "System\\version.dat"));
    EXPECT_FALSE(FileExists(root + "Bin\\New.xml"));
}

TEST_F(InstallRoot, OtherDownloadsAreNotInstalled)
{
    Download("Bin@notes.txt", "plain");
    downloads.push_back("Bin@notes.txt");
    ASSERT_TRUE(Install());
    EXPECT_FALSE(FileExists(root + "Bin\\notes.txt"));
}

TEST_F(InstallRoot, AnyFailureLeavesTheRootAsItWas)
{
    const std::string payload = "EVIL-PAYLOAD-EVIL";
    struct Case
    {
        const char* what;
        const char* download; // replaced or added download
        std::string bytes;
        const char* mention;  // the message names this
    } cases[] = {
        {"parent step entry", "Bin@Old.dll.zip", MakeZip({{"Old.dll", "x"}, {"../../Bin/Keep.dll", payload}}), "Keep.dll"},
        {"leading separator entry", "Bin@Old.dll.zip", MakeZip({{"\\Bin\\Keep.dll", payload}}), "Keep.dll"},
        {"drive entry", "Bin@Old.dll.zip", MakeZip({{"C:\\evil.dll", payload}}), "evil.dll"},
        {"encrypted entry", "Images@skin.zip", MakeZip({{"skin/a.bmp", payload, false, "secret"}}), "encrypted"},
        {"flipped byte", "Images@skin.zip", FlipByteOf(MakeZip({{"skin/a.bmp", payload, true}}), payload), "CRC"},
        {"truncated archive", "Images@skin.zip", MakeZip({{"skin/a.bmp", payload}}).substr(0, 60), "Images@skin.zip"},
        {"archive without its item", "System@map@New.xml.zip", MakeZip({{"Other.xml", "x"}}), "New.xml"},
        {"item of the wrong kind", "Bin@Keep.dll.zip", MakeZip({{"Keep.dll/", ""}, {"Keep.dll/x", "x"}}), "Wrong operation"},
        {"item into the Temp folder", "temp@version.dat.zip", MakeZip({{"version.dat", payload}}), "Temp folder"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        TearDown();
        SetUp();
        Download(c.download, c.bytes);
        if (std::find(downloads.begin(), downloads.end(), c.download) == downloads.end())
            downloads.push_back(c.download);
        TreeSnapshot before = Installed();
        std::string error;
        EXPECT_FALSE(Install(&error));
        EXPECT_NE(std::string::npos, error.find(c.mention)) << error;
        EXPECT_EQ("", DiffTrees(before, Installed()));
    }
}

TEST_F(InstallRoot, FailureAfterFilesWereReplacedRestoresThem)
{
    CreateDirectoryA((root + "Bin\\Clash.dll").c_str(), nullptr);
    WriteBytes(root + "Bin\\Clash.dll\\inside", "a folder where a file should go");
    Download("Bin@ReadOnly.dll.zip", MakeZip({{"ReadOnly.dll", "replaced"}}));
    Download("Bin@Clash.dll.zip", MakeZip({{"Clash.dll", "file"}}));
    downloads = {"version.dat", "Bin@Old.dll.zip", "Bin@ReadOnly.dll.zip", "Images@skin.zip",
                 "System@map@New.xml.zip", "Bin@Clash.dll.zip"};
    TreeSnapshot before = Installed();
    std::string error;
    EXPECT_FALSE(Install(&error));
    EXPECT_NE(std::string::npos, error.find("Clash.dll")) << error;
    EXPECT_EQ("", DiffTrees(before, Installed()));
    EXPECT_TRUE(GetFileAttributesA((root + "Bin\\ReadOnly.dll").c_str()) & FILE_ATTRIBUTE_READONLY);
}

TEST_F(InstallRoot, MissingListInstallsNothing)
{
    downloads.erase(downloads.begin());
    TreeSnapshot before = Installed();
    EXPECT_FALSE(Install());
    EXPECT_EQ("", DiffTrees(before, Installed()));
}

TEST_F(InstallRoot, LockedTargetFailsAndRestores)
{
    // The old file is open without delete sharing (as a running program holds its image).
    HANDLE held = CreateFileA((root + "Bin\\Old.dll").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    downloads = {"version.dat", "Images@skin.zip", "Bin@Old.dll.zip"};
    TreeSnapshot before = Installed();
    bool installed = Install();
    CloseHandle(held);
    if (installed)
        GTEST_SKIP() << "this file system lets an open file be moved";
    EXPECT_EQ("", DiffTrees(before, Installed()));
}

// Originals left by an install that could not be undone are the user's only copies: no
// install runs over them. Empty folders there are no such thing.
TEST_F(InstallRoot, BackupsLeftBlockTheInstall)
{
    struct Case
    {
        const char* what;
        const char* folder; // made under Temp\@backup\, or null
        const char* file;   // written under Temp\@backup\, or null
        bool blocked;
    } cases[] = {
        {"an original", nullptr, "1", true},
        {"an original deeper down", "sub", "sub\\2", true},
        {"an empty backup folder", nullptr, nullptr, false},
        {"only empty folders", "sub\\deeper", nullptr, false},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        TearDown();
        SetUp();
        const std::string backup = root + "Temp\\@backup\\";
        DeleteFolderTree(backup); // the fixture's root is the same for every case
        EnsureFolder(backup + (c.folder ? c.folder : ""));
        if (c.file)
            WriteBytes(backup + c.file, "the only copy");
        TreeSnapshot before = Installed();
        std::string error;
        EXPECT_EQ(!c.blocked, Install(&error)) << error;
        if (!c.blocked)
            continue;
        EXPECT_NE(std::string::npos, error.find(backup)) << error;
        EXPECT_EQ("", DiffTrees(before, Installed()));
        EXPECT_EQ("the only copy", ReadBytes(backup + c.file));
    }
}

// An original that cannot be put back stays in the backup folder, and the error says which
// numbered backup holds which file.
TEST(InstallJournalRollback, NamesTheBackupOfEachOriginalLeftBehind)
{
    TempFolder dir;
    WriteBytes(dir / "target.dll", "original");
    WriteBytes(dir / "source.dll", "new");
    InstallJournal journal(dir / "backup");
    std::string error;
    ASSERT_TRUE(journal.PutFile(dir / "source.dll", dir / "target.dll", error)) << error;
    // The new file held open without delete sharing, as a running program holds its image.
    HANDLE held = CreateFileA((dir / "target.dll").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    bool complete = journal.Rollback(error);
    CloseHandle(held);
    if (complete)
        GTEST_SKIP() << "this file system lets an open file be deleted";
    EXPECT_NE(std::string::npos, error.find(dir / "target.dll (original: " + dir / "backup\\1)")) << error;
    EXPECT_EQ("original", ReadBytes(dir / "backup\\1"));
    EXPECT_EQ("new", ReadBytes(dir / "target.dll"));
}

TEST(Installer, RefusesARelativeRoot)
{
    CVersionInstaller installer("Molvane\\", "Molvane\\Temp\\");
    EXPECT_FALSE(installer.InstallDownloads({"version.dat"}));
    EXPECT_FALSE(installer.ErrorText().empty());
}

} // namespace
