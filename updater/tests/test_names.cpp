// Names from the version server and from archives: only what stays inside its folder passes.
#include <gtest/gtest.h>
#include <windows.h>

#include "safe_names.h"

namespace {

TEST(SafeNames, RunsUnderTheKoreanCodePage)
{
    ASSERT_EQ(949u, GetACP());
}

TEST(SafeNames, PathLevels)
{
    struct Case
    {
        const char* level;
        bool safe;
    } cases[] = {
        {"TradePanel.dll.zip", true},
        {"한글파일.zip", true},
        {"a b", true},
        {".hidden", true},
        {"", false},
        {".", false},
        {"..", false},
        {"...", false},   // Windows drops trailing dots: this is ".."
        {".. ", false},
        {"a.", false},
        {"a ", false},
        {"a\\b", false},
        {"a/b", false},
        {"C:", false},
        {"x:y", false},   // alternate data stream
        {"a*b", false},
        {"a?b", false},
        {"a|b", false},
        {"a\"b", false},
        {"a<b", false},
        {"a\tb", false},
        {"CON", false},
        {"con.txt", false},
        {"Nul.zip", false},
        {"COM1", false},
        {"lpt9.dll", false},
        {"AUX .zip", false},
        {"CONOUT$", false},
        {"COM10", true},
        {"CONSOLE", true},
        {"\x81\\x", false},  // a lead byte before a backslash is no character
        {"\xb0", false},     // a lead byte at the end
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.safe, IsSafePathLevel(c.level)) << "[" << c.level << "]";
}

TEST(SafeNames, DownloadNames)
{
    struct Case
    {
        const char* folder;
        const char* name;
        const char* download; // null: refused
        const char* reason = nullptr; // the refusal names this
    } cases[] = {
        {"Bin", "TradePanel.dll.zip", "Bin@TradePanel.dll.zip"},
        {"System/map", "a.zip", "System@map@a.zip"},
        {"System@map", "a.zip", "System@map@a.zip"},
        {"이미지", "버튼.zip", "이미지@버튼.zip"},
        {"", "a.zip", nullptr},
        {"..", "a.zip", nullptr},
        {"..@..", "Molvane.exe.zip", nullptr},
        {"Bin/../..", "a.zip", nullptr},
        {"Bin@", "a.zip", nullptr},
        {"Bin\\..", "a.zip", nullptr},
        {"C:", "a.zip", nullptr},
        {"Bin", "..\\..\\a.zip", nullptr},
        {"Bin", "../a.zip", nullptr},
        {"Bin", "C:\\Windows\\a.zip", nullptr},
        {"Bin", "a@b.zip", nullptr},
        {"Bin", "NUL.zip", nullptr},
        {"Bin", "..", nullptr},
        {"Bin", "", nullptr},
        {"CON", "a.zip", nullptr},
        {"/Bin", "a.zip", nullptr, "absolute path"},
        {"\\Windows", "a.zip", nullptr, "absolute path"},
        {"/", "a.zip", nullptr, "absolute path"},
        {"Bin@@map", "a.zip", nullptr, "empty name"},
    };
    for (const Case& c : cases)
    {
        std::string download, why;
        bool made = MakeDownloadName(c.folder, c.name, download, why);
        EXPECT_EQ(c.download != nullptr, made) << c.folder << " / " << c.name << ": " << why;
        if (made && c.download)
        {
            EXPECT_EQ(c.download, download);
        }
        if (!made)
        {
            EXPECT_FALSE(why.empty());
        }
        if (c.reason)
        {
            EXPECT_NE(std::string::npos, why.find(c.reason)) << c.folder << ": " << why;
        }
    }
}

TEST(SafeNames, ArchiveEntryPaths)
{
    struct Case
    {
        const char* entry;
        const char* relative; // null: refused
        bool folder;
    } cases[] = {
        {"TradePanel.dll", "TradePanel.dll", false},
        {"sub/dir/a.bmp", "sub\\dir\\a.bmp", false},
        {"sub\\a.bmp", "sub\\a.bmp", false},
        {"sub/", "sub", true},
        {"sub/inner/", "sub\\inner", true},
        {"../evil.dll", nullptr, false},
        {"..\\evil.dll", nullptr, false},
        {"a/../../evil.dll", nullptr, false},
        {"a/..", nullptr, false},
        {"/etc/evil", nullptr, false},
        {"\\Windows\\evil.dll", nullptr, false},
        {"C:\\evil.dll", nullptr, false},
        {"C:evil.dll", nullptr, false},
        {"\\\\server\\share\\x", nullptr, false},
        {"a//b", nullptr, false},
        {"./a", nullptr, false},
        {"a/NUL", nullptr, false},
        {"a:stream", nullptr, false},
        {"", nullptr, false},
    };
    for (const Case& c : cases)
    {
        std::string relative, why;
        bool folder = false;
        bool made = MakeEntryPath(c.entry, relative, folder, why);
        EXPECT_EQ(c.relative != nullptr, made) << c.entry << ": " << why;
        if (made && c.relative)
        {
            EXPECT_EQ(c.relative, relative);
            EXPECT_EQ(c.folder, folder) << c.entry;
        }
    }
}

TEST(SafeNames, DownloadNamesSplitBackIntoFolderAndItem)
{
    std::vector<std::string> levels;
    std::string item, why;
    ASSERT_TRUE(SplitDownloadName("System@map@MF_1000.xml", levels, item, why));
    EXPECT_EQ((std::vector<std::string>{"System", "map"}), levels);
    EXPECT_EQ("MF_1000.xml", item);
    EXPECT_FALSE(SplitDownloadName("version.dat", levels, item, why));
    EXPECT_FALSE(SplitDownloadName("..@..@x", levels, item, why));
    EXPECT_FALSE(SplitDownloadName("Bin@x.", levels, item, why));
}

} // namespace
