// INI access on temporary files: value rules, section listings, empty paths and bad files.
#include <gtest/gtest.h>

#include "IniFiles.h"
#include "temp_dir.h"

#include <string>
#include <vector>

namespace {

std::vector<std::string> Items(const CStringArray& array)
{
    std::vector<std::string> out;
    for (INT_PTR i = 0; i < array.GetSize(); ++i)
        out.emplace_back(array[i].GetString());
    return out;
}

class IniTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        path = dir.File("user.cfg");
        WriteFileBytes(path,
                       "[MAIN]\r\n"
                       "Flag=2\r\n"
                       "Word=abc\r\n"
                       "Negative=-7\r\n"
                       "Colour=16777215\r\n"
                       "Name=홍길동\r\n"
                       "List=a\\nb\r\n"
                       "[ Spaced ]\r\n"
                       "A=1\r\n"
                       "B\r\n"
                       "  padded  =  value  \r\n"
                       "[Empty]\r\n");
        ini.Create(path.c_str());
    }

    TempDir dir;
    std::string path;
    CIniFiles ini;
};

} // namespace

TEST_F(IniTest, NumbersReadAsAtoiOfTheStoredText)
{
    const struct
    {
        const char* key;
        int defaultValue;
        int value;
    } cases[] = {
        {"Flag", 0, 2},   // a flag holding 2 reads as 2, not 1
        {"Word", 5, 0},   // not a number
        {"Negative", 0, -7},
        {"Missing", 1, 1},
        {"Missing", -3, -3},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ini.ReadBool("MAIN", c.key, c.defaultValue), c.value) << c.key;
        EXPECT_EQ(ini.ReadInteger("MAIN", c.key, c.defaultValue), c.value) << c.key;
    }
    EXPECT_EQ(ini.ReadCOLORREF("MAIN", "Colour", 0), RGB(255, 255, 255));
    EXPECT_STREQ(ini.ReadString("MAIN", "Name", ""), "홍길동");
    EXPECT_STREQ(ini.ReadString("MAIN", "Nope", "fallback"), "fallback");
}

TEST_F(IniTest, WritesStoreDecimalTextAndReadBack)
{
    EXPECT_TRUE(ini.WriteCOLORREF("COLOR", "Red", RGB(255, 0, 0)));
    EXPECT_TRUE(ini.WriteCOLORREF("COLOR", "Blue", RGB(0, 0, 255)));
    EXPECT_TRUE(ini.WriteInteger("COLOR", "Count", -12));
    EXPECT_TRUE(ini.WriteBool("COLOR", "On", 1));
    EXPECT_TRUE(ini.WriteString("COLOR", "Label", "빨강"));
    EXPECT_STREQ(ini.ReadString("COLOR", "Red", ""), "255");
    EXPECT_STREQ(ini.ReadString("COLOR", "Blue", ""), "16711680");
    EXPECT_EQ(ini.ReadCOLORREF("COLOR", "Blue", 0), RGB(0, 0, 255));
    EXPECT_EQ(CIniFiles::ReadIniInt(path.c_str(), "COLOR", "Count"), -12);
    EXPECT_STREQ(CIniFiles::ReadIniString(path.c_str(), "COLOR", "Label"), "빨강");

    EXPECT_EQ(CIniFiles::WriteIniString(path.c_str(), "S", "k", "v"), 1);
    EXPECT_EQ(CIniFiles::WriteIniInt(path.c_str(), "S", "n", 42), 1);
    EXPECT_EQ(ini.ReadInteger("S", "n", 0), 42);

    EXPECT_TRUE(ini.DeleteKey("S", "k"));
    EXPECT_EQ(ini.ValueExists("S", "k"), 0);
    EXPECT_TRUE(ini.EraseSection("S"));
    EXPECT_EQ(ini.SectionExists("S"), 0);
    CIniFiles::DeleteKey(path.c_str(), "COLOR", "Red");
    EXPECT_STREQ(ini.ReadString("COLOR", "Red", "gone"), "gone");
    CIniFiles::DeleteSection(path.c_str(), "COLOR");
    EXPECT_EQ(ini.SectionExists("COLOR"), 0);
}

TEST_F(IniTest, SectionListings)
{
    CStringArray out;
    ini.ReadSections(out);
    ASSERT_EQ(out.GetSize(), 3);
    EXPECT_STREQ(out[0], "MAIN");
    EXPECT_STREQ(out[2], "Empty");

    EXPECT_EQ(ini.SectionExists("Spaced"), 1);
    EXPECT_EQ(ini.SectionExists("  Spaced "), 1);
    EXPECT_EQ(ini.SectionExists("spaced"), 0);
    EXPECT_EQ(ini.ValueExists("MAIN", "Flag"), 1);
    EXPECT_EQ(ini.ValueExists("MAIN", "flag"), 0);
    EXPECT_EQ(ini.ValueExists("MAIN", "Fla"), 0);

    CIniFiles::GetIniNames(path.c_str(), "Spaced", out);
    ASSERT_GE(out.GetSize(), 2);
    EXPECT_STREQ(out[0], "A");
    EXPECT_STREQ(out[1], ""); // a line without "="

    ini.ReadSection("Spaced", out);
    ASSERT_EQ(out.GetSize(), 3);
    EXPECT_STREQ(out[0], "A=1");
    EXPECT_FALSE(CString(out[2]).Left(1) == " ");
    CStringArray values;
    values.Add("stale");
    ini.ReadSectionValues("Spaced", values);
    EXPECT_EQ(Items(values), Items(out));

    ini.ReadSection("Empty", out);
    EXPECT_EQ(out.GetSize(), 0);
    ini.ReadSection("Absent", out);
    EXPECT_EQ(out.GetSize(), 0);

    EXPECT_EQ(CIniFiles::GetIniSectionStrings(path.c_str(), "MAIN", out), 1);
    EXPECT_EQ(out.GetSize(), 6);
    EXPECT_STREQ(out[0], "Flag=2");
    EXPECT_EQ(CIniFiles::GetIniSectionNames(out, path.c_str()), 1);
    EXPECT_EQ(out.GetSize(), 3);
}

TEST(IniSplit, BackslashNBecomesALineFeedAndEmptyFieldsStay)
{
    const struct
    {
        const char* text;
        char separator;
        std::vector<std::string> fields;
    } cases[] = {
        {"a\\nb", '\n', {"a", "b"}},
        {"", ',', {""}},
        {"x|y|", '|', {"x", "y", ""}},
        {"매수,매도", ',', {"매수", "매도"}},
    };
    for (const auto& c : cases) {
        CStringArray out;
        CString text = c.text;
        EXPECT_EQ(CIniFiles::SplitString(out, text, c.separator), static_cast<int>(c.fields.size())) << c.text;
        EXPECT_EQ(Items(out), c.fields) << c.text;
    }
}

TEST_F(IniTest, ValueParsingSplitsTheStoredValue)
{
    CStringArray out;
    EXPECT_EQ(ini.ReadSectionValueParsing("MAIN", "List", '\n', out), 2);
    EXPECT_EQ(Items(out), (std::vector<std::string>{"a", "b"}));
}

TEST(IniEmptyPath, ReadsDefaultsAndWritesNothing)
{
    // The platform's default file holds the key: an object without a path must not see it.
    ASSERT_TRUE(WriteProfileStringA("ToolBeltTest", "Key", "from win.ini"));
    CIniFiles none;
    EXPECT_STREQ(none.ReadString("ToolBeltTest", "Key", "default"), "default");
    EXPECT_EQ(none.ReadInteger("ToolBeltTest", "Key", 9), 9);
    EXPECT_FALSE(none.WriteString("ToolBeltTest", "Key", "x"));
    EXPECT_FALSE(none.WriteInteger("ToolBeltTest", "Key", 1));
    EXPECT_FALSE(none.EraseSection("ToolBeltTest"));
    EXPECT_EQ(CIniFiles::WriteIniString("", "ToolBeltTest", "Key", "x"), 0);
    EXPECT_EQ(CIniFiles::WriteIniInt("", "ToolBeltTest", "Key", 1), 0);
    CIniFiles::DeleteSection("", "ToolBeltTest");
    CStringArray out;
    none.ReadSections(out);
    EXPECT_EQ(out.GetSize(), 0);
    char value[64] = {};
    GetProfileStringA("ToolBeltTest", "Key", "", value, sizeof value);
    EXPECT_STREQ(value, "from win.ini");
    WriteProfileStringA("ToolBeltTest", nullptr, nullptr);
}

TEST(IniBadFiles, GiveDefaultsAndNeverCrash)
{
    TempDir dir;
    std::string garbage(4096, '\0');
    for (size_t i = 0; i < garbage.size(); ++i)
        garbage[i] = static_cast<char>((i * 131 + 7) % 256);
    const struct
    {
        const char* name;
        std::string bytes;
    } files[] = {
        {"missing.ini", ""},
        {"garbage.ini", garbage},
        {"truncated.ini", "[MAIN]\r\nKey=va"},
        {"open_header.ini", "[MAIN\r\nKey=1\r\n"},
        {"no_equals.ini", "[MAIN]\r\nKey\r\n=\r\n"},
    };
    for (const auto& f : files) {
        const std::string path = dir.File(f.name);
        if (std::string(f.name) != "missing.ini")
            WriteFileBytes(path, f.bytes);
        CIniFiles ini(path.c_str());
        EXPECT_EQ(ini.ReadInteger("Other", "Key", 5), 5) << f.name;
        EXPECT_STREQ(ini.ReadString("Other", "Key", "d"), "d") << f.name;
        CStringArray out;
        ini.ReadSection("MAIN", out);
        ini.ReadSections(out);
        CIniFiles::GetIniNames(path.c_str(), "MAIN", out);
        EXPECT_EQ(ini.ValueExists("Other", "Key"), 0) << f.name;
    }
    CIniFiles truncated(dir.File("truncated.ini").c_str());
    EXPECT_STREQ(truncated.ReadString("MAIN", "Key", ""), "va");
}

TEST(IniBadFiles, LongValuesAndSectionsAreCutAtTheBufferSizes)
{
    TempDir dir;
    const std::string path = dir.File("long.ini");
    std::string text = "[MAIN]\r\nLong=" + std::string(3000, 'v') + "\r\n[BIG]\r\n";
    for (int i = 0; i < 3000; ++i)
        text += "key" + std::to_string(i) + "=value\r\n";
    WriteFileBytes(path, text);
    CIniFiles ini(path.c_str());
    EXPECT_EQ(ini.ReadString("MAIN", "Long", "").GetLength(), 1023);
    CStringArray out;
    ini.ReadSection("BIG", out);
    EXPECT_GT(out.GetSize(), 100);
    EXPECT_LT(out.GetSize(), 3000);
    for (INT_PTR i = 0; i + 1 < out.GetSize(); ++i)
        ASSERT_EQ(out[i].Left(3), CString("key")) << i;
}
