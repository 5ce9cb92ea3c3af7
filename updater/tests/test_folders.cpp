// Creating folders level by level and deleting a tree without ever leaving it.
#include <gtest/gtest.h>
#include <windows.h>
#include <winioctl.h>

#include "folder_ops.h"
#include "temp_folder.h"

namespace {

// A folder link at `link` to `target`: a symbolic link where the system makes them; under
// Wine, whose call does not, a Unix symbolic link (which Wine shows as a reparse point).
bool MakeFolderLink(const std::string& link, const std::string& target)
{
    if (CreateSymbolicLinkA(link.c_str(), target.c_str(), SYMBOLIC_LINK_FLAG_DIRECTORY) &&
        GetFileAttributesA(link.c_str()) != INVALID_FILE_ATTRIBUTES)
        return true;
    typedef char*(CDECL * UnixNameFn)(const wchar_t*);
    UnixNameFn unixName = (UnixNameFn)(void*)GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name");
    if (!unixName)
        return false;
    auto toUnix = [&](const std::string& path) {
        wchar_t wide[MAX_PATH];
        MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH);
        char* name = unixName(wide);
        std::string result = name ? name : "";
        HeapFree(GetProcessHeap(), 0, name);
        return result;
    };
    std::string command = "Z:\\bin\\ln -s \"" + toUnix(target) + "\" \"" + toUnix(link) + "\"";
    STARTUPINFOA si = {sizeof(si)};
    PROCESS_INFORMATION pi;
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return false;
    WaitForSingleObject(pi.hProcess, 10000);
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
    // The handle of a Unix process may signal before the process has finished.
    for (int i = 0; i < 100 && GetFileAttributesA(link.c_str()) == INVALID_FILE_ATTRIBUTES; ++i)
        Sleep(50);
    return GetFileAttributesA(link.c_str()) != INVALID_FILE_ATTRIBUTES;
}

TEST(EnsureFolder, CreatesMissingLevelsAndReportsThem)
{
    TempFolder dir;
    std::vector<std::string> created;
    EXPECT_TRUE(EnsureFolder(dir / "a\\b\\c\\", &created));
    EXPECT_TRUE(FolderExists(dir / "a\\b\\c"));
    EXPECT_EQ((std::vector<std::string>{dir / "a", dir / "a\\b", dir / "a\\b\\c"}), created);
    created.clear();
    EXPECT_TRUE(EnsureFolder(dir / "a\\b", &created));
    EXPECT_TRUE(created.empty());
    WriteBytes(dir / "file", "x");
    EXPECT_FALSE(EnsureFolder(dir / "file\\sub"));
}

TEST(FolderHoldsFiles, FindsAFileAtAnyDepthButNotEmptyFolders)
{
    struct Case
    {
        const char* what;
        const char* folder; // made under the checked folder, or null
        const char* file;   // written under it, or null
        bool holds;
        DWORD attributes = FILE_ATTRIBUTE_NORMAL;
    } cases[] = {
        {"missing folder", nullptr, nullptr, false},
        {"empty folder", "", nullptr, false},
        {"empty sub-folders", "a\\b", nullptr, false},
        {"a file", "", "1", true},
        {"a file deep down", "a\\b", "a\\b\\2", true},
        {"a read-only hidden file", "", "3", true, FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        TempFolder dir;
        std::string checked = dir / "checked\\";
        if (c.folder)
            EnsureFolder(checked + c.folder);
        if (c.file)
        {
            WriteBytes(checked + c.file, "x");
            SetFileAttributesA((checked + c.file).c_str(), c.attributes);
        }
        EXPECT_EQ(c.holds, FolderHoldsFiles(checked));
        EXPECT_EQ(c.holds, FolderHoldsFiles(dir / "checked")) << "without the trailing backslash";
    }
}

TEST(DeleteFolderTree, DeletesEverythingBelowAndTheFolder)
{
    TempFolder dir;
    EnsureFolder(dir / "tree\\a\\b");
    WriteBytes(dir / "tree\\one", "1");
    WriteBytes(dir / "tree\\a\\b\\two", "2");
    SetFileAttributesA((dir / "tree\\a\\b\\two").c_str(), FILE_ATTRIBUTE_READONLY);
    WriteBytes(dir / "beside", "kept");
    EXPECT_TRUE(DeleteFolderTree(dir / "tree\\*.*"));
    EXPECT_FALSE(FolderExists(dir / "tree"));
    EXPECT_TRUE(FileExists(dir / "beside"));
    EXPECT_TRUE(DeleteFolderTree(dir / "tree\\")) << "a missing folder is already gone";
}

TEST(DeleteFolderTree, RefusesRelativeAndRootPatterns)
{
    TempFolder dir;
    WriteBytes(dir / "kept", "x");
    char current[MAX_PATH];
    GetCurrentDirectoryA(sizeof(current), current);
    SetCurrentDirectoryA(dir.Path().c_str());
    const char* patterns[] = {"", "*.*", ".\\*.*", "..\\*.*", "Temp\\*.*", "\\*.*", "C:\\*.*", "C:*.*",
                              "\\\\server\\share\\*.*"};
    for (const char* pattern : patterns)
        EXPECT_FALSE(DeleteFolderTree(pattern)) << pattern;
    SetCurrentDirectoryA(current);
    // Absolute, but climbing back: each of these names `dir` itself.
    for (const char* climb : {"sub\\..\\*.*", "sub\\.\\..\\", "a\\b\\..\\..\\*.*", "sub\\.. \\*.*"})
        EXPECT_FALSE(DeleteFolderTree(dir / climb)) << climb;
    EXPECT_TRUE(FileExists(dir / "kept"));
}

// A link inside the tree to a folder outside it: the outside stays.
TEST(DeleteFolderTree, RemovesLinksWithoutFollowingThem)
{
    TempFolder dir;
    EnsureFolder(dir / "outside");
    WriteBytes(dir / "outside\\precious", "keep me");
    EnsureFolder(dir / "tree");
    std::string link = dir / "tree\\link";
    if (!MakeFolderLink(link, dir / "outside"))
        GTEST_SKIP() << "no folder links here";
    DWORD attributes = GetFileAttributesA(link.c_str());
    ASSERT_TRUE(attributes & FILE_ATTRIBUTE_REPARSE_POINT) << "links must show as reparse points";
    // Windows removes the link; Wine cannot remove a Unix link to a folder that is not
    // empty, and then the tree stays and the call says so. Either way nothing is followed.
    bool gone = DeleteFolderTree(dir / "tree\\*.*");
    EXPECT_EQ(gone, !FolderExists(dir / "tree"));
    EXPECT_EQ("keep me", ReadBytes(dir / "outside\\precious"));

    // The folder named itself being a link: only the link is removed.
    ASSERT_TRUE(MakeFolderLink(dir / "linked", dir / "outside"));
    DeleteFolderTree(dir / "linked\\*.*");
    EXPECT_EQ("keep me", ReadBytes(dir / "outside\\precious"));
}

} // namespace
