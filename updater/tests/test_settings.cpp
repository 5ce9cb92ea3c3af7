// Where the updater works and which version server it asks.
#include <gtest/gtest.h>

#include "updater_settings.h"

namespace {

TEST(UpdaterSettings, InstallRootIsTheParentOfTheProgramFolder)
{
    EXPECT_EQ("C:\\Molvane\\", InstallRootOf("C:\\Molvane\\Bin\\PatchRunner.exe"));
    EXPECT_EQ("Z:\\a\\b c\\", InstallRootOf("Z:\\a\\b c\\Bin\\PatchRunner.exe"));
    EXPECT_EQ("\\\\server\\share\\Molvane\\", InstallRootOf("\\\\server\\share\\Molvane\\Bin\\PatchRunner.exe"));
    UpdaterSettings settings;
    settings.installRoot = "C:\\Molvane\\";
    settings.binFolder = "C:\\Molvane\\Bin\\";
    EXPECT_EQ("C:\\Molvane\\Temp\\", settings.TempFolder());
    EXPECT_EQ("C:\\Molvane\\System\\", settings.SystemFolder());
    EXPECT_EQ("C:\\Molvane\\Bin\\Molvane.exe", settings.MainProgramPath());
}

TEST(UpdaterSettings, ServerAddressWithOrWithoutPort)
{
    struct Case
    {
        const char* text;
        bool valid;
        const char* host;
        int port;
    } cases[] = {
        {"127.0.0.1", true, "127.0.0.1", 8088},
        {" 10.1.2.3 : 9000 ", true, "10.1.2.3", 9000},
        {"127.0.0.1:0", false, "", 0},
        {"127.0.0.1:65536", false, "", 0},
        {"127.0.0.1:80x", false, "", 0},
        {"127.0.0.1:", false, "", 0},
        {"version.example.com", false, "", 0},
        {"", false, "", 0},
    };
    for (const Case& c : cases)
    {
        std::string host = "unchanged";
        int port = -1;
        EXPECT_EQ(c.valid, ParseServerAddress(c.text, host, port)) << c.text;
        if (c.valid)
        {
            EXPECT_EQ(c.host, host) << c.text;
            EXPECT_EQ(c.port, port) << c.text;
        }
        else
        {
            EXPECT_EQ("unchanged", host) << c.text;
        }
    }
}

} // namespace
