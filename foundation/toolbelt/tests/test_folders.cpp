// Install folders, found from the executable's own path, and the install root's day log.
#include <gtest/gtest.h>

#include "InstallFolders.h"
#include "install_root.h"
#include "runtime_dlls.h"
#include "temp_dir.h"

#include <windows.h>

#include <string>
#include <vector>

TEST(InstallRoot, AllComponentsButTheFileAndItsFolder)
{
    ASSERT_EQ(GetACP(), 949u);
    const struct
    {
        const char* module;
        const char* root;
    } cases[] = {
        {"D:\\Root\\Bin\\Molvane.exe", "D:\\Root\\"},
        {"C:\\x\\y\\z\\Bin\\Molvane.exe", "C:\\x\\y\\z\\"},
        {"D:\\Bin\\Molvane.exe", "D:\\"},
        {"D:\\a.exe", ""},
        {"a.exe", ""},
        {"", ""},
        {"C:\\사용자\\몰베인\\Bin\\a.exe", "C:\\사용자\\몰베인\\"},
    };
    for (const auto& c : cases) {
        char root[MAX_PATH];
        memset(root, '#', sizeof root);
        InstallRootOf(c.module, root, sizeof root);
        EXPECT_STREQ(root, c.root) << c.module;
    }
    // A root that does not fit is left empty rather than cut.
    char small[6];
    InstallRootOf("D:\\Root\\Bin\\Molvane.exe", small, sizeof small);
    EXPECT_STREQ(small, "");
}

TEST(InstallFolders, RootIsTheParentOfTheExecutablesFolder)
{
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string bin(self);
    bin.erase(bin.rfind('\\') + 1);
    std::string root = bin.substr(0, bin.size() - 1);
    root.erase(root.rfind('\\') + 1);

    EXPECT_EQ(GetWorkingDir(), root);
    EXPECT_EQ(GetBinDir(), bin);
    EXPECT_EQ(GetMapDir(), root + "map\\");
    EXPECT_EQ(GetSystemDir(), root + "System\\");
    EXPECT_EQ(GetImageDir(), root + "Images\\");
    EXPECT_EQ(GetUserDir(), root + "User\\");
    EXPECT_EQ(GetSystemDir(), GetSystemDir());
}

namespace {

bool CopyNextTo(const std::string& fromDir, const std::string& toDir, const char* name)
{
    return CopyFileA((fromDir + name).c_str(), (toDir + name).c_str(), FALSE) != 0;
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

} // namespace

TEST(InstallFolders, ProgramInATemporaryInstallRoot)
{
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string stageBin(self);
    stageBin.erase(stageBin.rfind('\\') + 1);

    TempDir root;
    const std::string bin = root.Path() + "Bin\\";
    ASSERT_TRUE(CreateDirectoryA(bin.c_str(), nullptr));
    std::vector<std::string> names = GccRuntimeDlls(stageBin);
    ASSERT_GE(names.size(), 3u);
    names.insert(names.end(), {"toolbelt_folders_probe.exe", "ToolBelt.dll", "Platform.dll"});
    for (const std::string& name : names)
        ASSERT_TRUE(CopyNextTo(stageBin, bin, name.c_str())) << name;

    const std::string report = root.File("folders.txt");
    std::string command = "\"" + bin + "toolbelt_folders_probe.exe\" \"" + report + "\"";
    STARTUPINFOA startup = {sizeof startup};
    PROCESS_INFORMATION process = {};
    ASSERT_TRUE(CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                               &process));
    ASSERT_EQ(WaitForSingleObject(process.hProcess, 60000), WAIT_OBJECT_0);
    DWORD exitCode = 1;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    ASSERT_EQ(exitCode, 0u);

    const std::string& r = root.Path();
    EXPECT_EQ(Lines(ReadFileBytes(report)),
              (std::vector<std::string>{r, r + "map\\", r + "Bin\\", r + "System\\", r + "Images\\", r + "User\\",
                                        "cached"}));

    // The day log lies directly in the root; each line ends in exactly one CR LF, and a message
    // longer than the 1023-byte buffer is cut, not overrun.
    const std::string log = ReadFileBytes(root.File("Log(20261209).log"));
    const std::string expected = "[12:34:56] hello 42 로그\r\n[12:34:56] " + std::string(1023, 'x') + "\r\n";
    EXPECT_EQ(log, expected);
}
