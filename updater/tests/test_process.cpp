// Stopping the main program: every copy of this install's Molvane.exe ends before the call
// returns; a Molvane.exe of another install root keeps running.
#include <gtest/gtest.h>
#include <windows.h>

#include "main_process.h"
#include "temp_folder.h"

namespace {

TEST(WindowsKind, FollowsPlatformAndVersion)
{
    struct Case
    {
        unsigned long platform, major, minor;
        int kind;
    } cases[] = {
        {VER_PLATFORM_WIN32_NT, 4, 0, 4}, {VER_PLATFORM_WIN32_NT, 5, 0, 5}, {VER_PLATFORM_WIN32_NT, 5, 1, 6},
        {VER_PLATFORM_WIN32_NT, 5, 2, 4}, {VER_PLATFORM_WIN32_NT, 6, 1, 4}, {VER_PLATFORM_WIN32_NT, 10, 0, 4},
        {VER_PLATFORM_WIN32_WINDOWS, 4, 0, 1}, {VER_PLATFORM_WIN32_WINDOWS, 4, 10, 2},
        {VER_PLATFORM_WIN32_WINDOWS, 4, 90, 3}, {VER_PLATFORM_WIN32_WINDOWS, 4, 20, 7},
        {VER_PLATFORM_WIN32s, 3, 1, 7},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.kind, WindowsKindOf(c.platform, c.major, c.minor)) << c.platform << " " << c.major << "." << c.minor;
    char description[128] = "";
    EXPECT_NE(0, GetWindowsKind(description));
}

// An install root with the stand-in as Bin\Molvane.exe.
struct StandInRoot
{
    TempFolder dir{"root"};
    std::string exe;
    StandInRoot()
    {
        CreateDirectoryA((dir / "Bin").c_str(), nullptr);
        CreateDirectoryA((dir / "User").c_str(), nullptr);
        exe = dir / "Bin\\Molvane.exe";
        CopyFileA((ModuleFolder() + "MolvaneStandIn.exe").c_str(), exe.c_str(), FALSE);
        CopyFileA((ModuleFolder() + "MolvaneStandIn.exe").c_str(), (dir / "Bin\\Other.exe").c_str(), FALSE);
    }
};

bool Running(HANDLE process)
{
    return WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
}

class StopMainProgram : public ::testing::TestWithParam<int (*)(const std::string&, unsigned long)>
{
};

TEST_P(StopMainProgram, StopsOnlyThisInstallAndWaitsForTheEnd)
{
    StandInRoot mine, theirs;
    ASSERT_TRUE(FileExists(mine.exe));
    std::string otherCase = mine.dir / "bin\\MOLVANE.exe";
    HANDLE first = StartProcess(mine.exe), second = StartProcess(otherCase), other = StartProcess(mine.dir / "Bin\\Other.exe"),
           foreign = StartProcess(theirs.exe);
    ASSERT_TRUE(first && second && other && foreign);
    Sleep(300);
    EXPECT_TRUE(IsMainProgramRunning(mine.exe));

    EXPECT_EQ(1, GetParam()(mine.exe, 10000));
    EXPECT_FALSE(Running(first)) << "ended before the call returned";
    EXPECT_FALSE(Running(second));
    EXPECT_TRUE(Running(other)) << "another program of the install";
    EXPECT_TRUE(Running(foreign)) << "the main program of another install";
    EXPECT_FALSE(IsMainProgramRunning(mine.exe));
    EXPECT_TRUE(IsMainProgramRunning(theirs.exe));
    EXPECT_EQ(0, GetParam()(mine.exe, 10000)) << "nothing left to stop";

    for (HANDLE h : {first, second, other, foreign})
    {
        TerminateProcess(h, 0);
        WaitForSingleObject(h, 5000);
        CloseHandle(h);
    }
}

INSTANTIATE_TEST_SUITE_P(BothMethods, StopMainProgram,
                         ::testing::Values(&StopMainProgramByProcessList, &StopMainProgramBySnapshot));

} // namespace
