// Drivers of the updater's outside data: the version list, the version server's frames fed
// through the fetch (which saves what they carry into the Temp folder) and the zip archives it
// unpacks. Nothing may be written outside the folders the updater was given.
#include <windows.h>
#include <gtest/gtest.h>
#include <stdio.h>

#include "FuzzHarness.h"
#include "folder_ops.h"
#include "temp_folder.h"
#include "version_archive.h"
#include "version_fetch.h"
#include "version_list.h"
#include "zip_fixture.h"

namespace {

const VersionMap kInstalled = {{"BIN/MOLVANE.EXE.ZIP", "2026120101"}, {"BIN/EXCHLINK.DLL.ZIP", "2026120901"}};

std::vector<std::string> ListFixtures()
{
    return {fuzz::EmbeddedFixture("UPDATER_VERSION_LIST")};
}

// A file name the fetch saves into its Temp folder: no way out of it.
void ExpectPlainName(const std::string& name)
{
    EXPECT_FALSE(name.empty());
    EXPECT_EQ(std::string::npos, name.find_first_of("\\/:*?\"<>|")) << name;
    EXPECT_NE("..", name);
    EXPECT_NE(".", name);
}

void VersionList(const std::string& in, fuzz::Random&)
{
    std::vector<VersionRecord> queue;
    std::string error;
    if (!CompareVersionList(in.data(), in.size(), kInstalled, queue, error)) {
        EXPECT_FALSE(error.empty());
        return;
    }
    for (const VersionRecord& rec : queue) {
        std::string download, why;
        if (DownloadNameOf(rec, download, why))
            ExpectPlainName(download);
    }
}

// --- frames -------------------------------------------------------------------------------

std::string Frame(int code, char status, const std::string& body)
{
    char header[32];
    snprintf(header, sizeof header, "%08d%08dx%c", int(18 + body.size()), code, status);
    return std::string(header, 18) + body;
}

std::vector<std::string> FrameFixtures()
{
    const std::string list = fuzz::EmbeddedFixture("UPDATER_VERSION_LIST");
    const std::string zip = MakeZip({{"Molvane.exe", std::string(3000, 'M')}});
    return {
        Frame(1, 'M', list.substr(0, list.size() / 2)) + Frame(1, 'L', list.substr(list.size() / 2)) +
            Frame(2, 'M', zip.substr(0, zip.size() / 2)) + Frame(2, 'L', zip.substr(zip.size() / 2)),
        Frame(1, 'L', list) + Frame(2, 'L', zip) + Frame(2, 'L', zip) + Frame(2, 'L', "") + Frame(2, 'L', zip),
        Frame(1, 'L', list) + Frame(2, ' ', ""),
    };
}

struct Sandbox
{
    TempFolder* root = nullptr; // holds Temp\ and nothing else
    std::string temp;
};
Sandbox g_box;

void BeginSandbox()
{
    g_box.root = new TempFolder("fz");
    g_box.temp = *g_box.root / "Temp\\";
    CreateDirectoryA(g_box.temp.c_str(), NULL);
}

void EndSandbox()
{
    delete g_box.root;
    g_box.root = nullptr;
}

// Empties Temp\ and checks that the sandbox holds nothing else.
void CheckAndClearSandbox(const std::vector<std::string>& expectedInTemp)
{
    TreeSnapshot tree = SnapshotTree(g_box.root->Path());
    for (const auto& entry : tree) {
        const std::string& path = entry.first;
        const bool inTemp = path.compare(0, 5, "Temp\\") == 0 || path == "Temp";
        EXPECT_TRUE(inTemp) << "written outside the Temp folder: " << path;
        if (inTemp && path.size() > 5) {
            const std::string name = path.substr(5);
            bool expected = false;
            for (const std::string& e : expectedInTemp)
                expected = expected || _stricmp(e.c_str(), name.c_str()) == 0;
            EXPECT_TRUE(expected) << "a file the fetch did not report: " << path;
            DeleteFileA((g_box.temp + name).c_str());
        }
    }
}

void Frames(const std::string& in, fuzz::Random& random)
{
    CVersionFetch fetch(g_box.temp, kInstalled);
    fetch.SetDownloadLimit(256 * 1024);
    fetch.Start();
    VersionFrameAssembler assembler;
    bool stopped = false;
    size_t at = 0;
    while (at < in.size() && !stopped) {
        size_t n = 1 + random.Below(random.OneIn(4) ? 16 : 8192);
        if (n > in.size() - at)
            n = in.size() - at;
        VersionFrameAssembler::Result result = assembler.Feed(in.data() + at, int(n), [&](const char* f, int len) {
            EXPECT_GE(len, VERSION_HEADER_SIZE);
            EXPECT_LE(len, VERSION_MAX_FRAME);
            CVersionFetch::Step step = fetch.OnFrame(f, len);
            if (step == CVersionFetch::STEP_WAIT || step == CVersionFetch::STEP_REQUEST)
                return true;
            stopped = true;
            return false;
        });
        at += n;
        EXPECT_LE(assembler.Held(), VERSION_MAX_FRAME);
        if (result == VersionFrameAssembler::FEED_BAD_LENGTH)
            break;
    }
    for (const std::string& name : fetch.Downloads())
        ExpectPlainName(name);
    CheckAndClearSandbox(fetch.Downloads());
}

// --- zip archives ---------------------------------------------------------------------------

std::vector<std::string> ZipFixtures()
{
    const std::string text = fuzz::EmbeddedFixture("UPDATER_VERSION_LIST");
    return {
        MakeZip({{"Molvane.exe", std::string(5000, 'M') + text}}),
        MakeZip({{"map/", ""}, {"map/MF_1000.xml", text, true}, {"colormap.xml", text}}),
        MakeZip({{"a.txt", "stored data", true}, {"b.bin", std::string(20000, '\0')}}),
        MakeZip({{"secret.txt", "hidden", false, "pw"}}),
    };
}

void Zip(const std::string& in, fuzz::Random&)
{
    // The archive lies in Temp\ as downloaded; it unpacks into Temp\stage\ only.
    const std::string archivePath = g_box.temp + "update.zip";
    const std::string stage = g_box.temp + "stage\\";
    ASSERT_TRUE(WriteBytes(archivePath, in));
    CreateDirectoryA(stage.c_str(), NULL);
    {
        VersionArchive archive;
        archive.SetUnpackLimit(1024 * 1024);
        VersionArchiveItem info = {};
        if (archive.Open(archivePath) == VA_OK && archive.SetBaseFolder(stage) == VA_OK &&
            archive.GetItem(-1, info) == VA_OK) {
            const int entries = info.nIndex < 64 ? info.nIndex : 64;
            for (int i = 0; i < entries; ++i) {
                VersionArchiveItem item = {};
                archive.GetItem(i, item);
                std::string unpacked;
                if (archive.UnpackItem(i, &unpacked) == VA_OK) {
                    EXPECT_EQ(0, _strnicmp(unpacked.c_str(), stage.c_str(), stage.size())) << unpacked;
                }
            }
        }
        archive.Close();
    }
    // Everything written lies under the stage folder; then it goes.
    TreeSnapshot tree = SnapshotTree(g_box.root->Path());
    for (const auto& entry : tree) {
        const std::string& path = entry.first;
        EXPECT_TRUE(path == "Temp" || path == "Temp\\update.zip" || path == "Temp\\stage" ||
                    path.compare(0, 11, "Temp\\stage\\") == 0)
            << "written outside the stage folder: " << path;
    }
    DeleteFileA(archivePath.c_str());
    DeleteFolderTree(stage + "*.*");
}

fuzz::Registration list({"updater_version_list", ListFixtures, {",", "\n", "\r\n", "..", "\\", "/", ":", " ",
                         "\xB0\xA1", "\x81", std::string(1, '\0'), "version=", "Bin", "C:\\"}, nullptr, nullptr, VersionList,
                         16 * 1024, 3000});
fuzz::Registration frames({"updater_frames", FrameFixtures, {"00000018", "00102697", "00102698", "00000001",
                           "00000002", "xM", "xL", "x ", "..\\", "/", ",", "\n"}, BeginSandbox, EndSandbox, Frames,
                           512 * 1024, 1500});
fuzz::Registration zip({"updater_zip", ZipFixtures, {"PK\x03\x04", "PK\x01\x02", "PK\x05\x06", "../", "..\\",
                        "C:/", "\xFF\xFF\xFF\xFF", "/", "\\"}, BeginSandbox, EndSandbox, Zip, 256 * 1024, 1500});

} // namespace
