// Splitting, colour text and in-place clean-up of text fields.
#include <gtest/gtest.h>

#include "TextUtils.h"

#include <string>
#include <vector>

namespace {

std::vector<std::string> Fields(const CStringArray& array)
{
    std::vector<std::string> out;
    for (INT_PTR i = 0; i < array.GetSize(); ++i)
        out.emplace_back(array[i].GetString(), array[i].GetLength());
    return out;
}

struct SplitCase
{
    const char* text;
    char delimiter;
    std::vector<std::string> fields;
};

} // namespace

TEST(ExStrTok, SplitsAtEveryDelimiterKeepingEmptyFields)
{
    const SplitCase cases[] = {
        {"", ',', {""}},
        {"a,", ',', {"a", ""}},
        {"a,,b", ',', {"a", "", "b"}},
        {",", ',', {"", ""}},
        {"255,0,128", ',', {"255", "0", "128"}},
        {"D:\\Root\\Bin\\Molvane.exe", '\\', {"D:", "Root", "Bin", "Molvane.exe"}},
    };
    for (const SplitCase& c : cases) {
        CStringArray out;
        out.Add("stale");
        EXPECT_EQ(ExStrTok(out, c.text, c.delimiter), static_cast<int>(c.fields.size())) << c.text;
        EXPECT_EQ(Fields(out), c.fields) << c.text;
    }
}

TEST(ExStrTok, NeverSplitsADoubleByteCharacterAtItsTrailByte)
{
    ASSERT_EQ(GetACP(), 949u);
    // "갂" is 0x81 0x41 in code page 949: its trail byte is the letter A.
    const char text[] = "x\x81\x41yAz";
    ASSERT_TRUE(IsDBCSLeadByte(0x81));
    CStringArray out;
    EXPECT_EQ(ExStrTok(out, text, 'A'), 2);
    EXPECT_EQ(Fields(out), (std::vector<std::string>{"x\x81\x41y", "z"}));

    // Korean text split at commas keeps every character whole.
    EXPECT_EQ(ExStrTok(out, "로그인,홍길동,", ','), 3);
    EXPECT_EQ(Fields(out), (std::vector<std::string>{"로그인", "홍길동", ""}));

    // A lead byte cut off by the terminator ends the text without reading past it.
    EXPECT_EQ(ExStrTok(out, "ab,\x81", ','), 2);
    EXPECT_EQ(Fields(out), (std::vector<std::string>{"ab", "\x81"}));
}

TEST(StringToRGB, ReadsThreeDecimalFieldsAndZeroForMissingOnes)
{
    const struct
    {
        const char* text;
        COLORREF colour;
    } cases[] = {
        {"255,0,128", RGB(255, 0, 128)},
        {"12, 34, 56", RGB(12, 34, 56)},
        {"256,-1,7", RGB(0, 255, 7)}, // low 8 bits of each
        {"RGB(1,2,3)", RGB(0, 2, 3)},  // the written form is not read back
        {"abc,def,ghi", RGB(0, 0, 0)},
        // A bad colormap.xml: fewer than three fields read the missing ones as 0.
        {"200,100", RGB(200, 100, 0)},
        {"90", RGB(90, 0, 0)},
        {"", RGB(0, 0, 0)},
        {"1,2,3,4", RGB(1, 2, 3)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StringToRGB(c.text), c.colour) << c.text;
}

TEST(RGBToString, WritesTheRgbForm)
{
    CString out;
    RGBToString(RGB(255, 0, 128), out);
    EXPECT_STREQ(out, "RGB(255,0,128)");
}

TEST(ApplyComma, GroupsIntegerDigitsInThrees)
{
    const struct
    {
        const char* in;
        const char* out;
    } cases[] = {
        {"999", "999"},
        {"-999.99", "-999.99"},
        {"1000", "1,000"},
        {"   5678", "5,678"},
        {"-7654321.891", "-7,654,321.891"},
        {"+1234", "+1,234"},
        {"123456.7", "123,456.7"},
        {"", ""},
        // 39 digits would need 12 commas: past the 40-character limit, left as it is.
        {"123456789012345678901234567890123456789", "123456789012345678901234567890123456789"},
    };
    for (const auto& c : cases) {
        char buf[64];
        strcpy(buf, c.in);
        ApplyComma(buf);
        EXPECT_STREQ(buf, c.out) << c.in;
    }
}

TEST(RemoveComma, RemovesEveryComma)
{
    char buf[] = "1,234,,567";
    RemoveComma(buf);
    EXPECT_STREQ(buf, "1234567");
}

TEST(TrimSpace, BlanksAtTheFieldEndBecomeNuls)
{
    struct
    {
        char guard;
        char field[5];
        char after;
    } block = {' ', {'a', 'b', ' ', ' ', 'x'}, 'y'};
    TrimSpace(block.field, 4);
    EXPECT_EQ(std::string(block.field, 5), std::string("ab\0\0x", 5));

    // An all-blank field empties and the byte in front of it stays untouched.
    memcpy(block.field, "    ", 4);
    TrimSpace(block.field, 4);
    EXPECT_EQ(std::string(block.field, 4), std::string(4, '\0'));
    EXPECT_EQ(block.guard, ' ');
    EXPECT_EQ(block.after, 'y');

    TrimSpace(block.field, 0);
    EXPECT_EQ(block.guard, ' ');
}

TEST(TrimLeftZero, DropsLeadingZerosButKeepsTheLastDigitAndTheZeroBeforeThePoint)
{
    const struct
    {
        const char* field;
        int len;
        const char* out;
    } cases[] = {
        {"+0012", 5, "12"},
        {"-0.5", 4, "-0.5"},
        {"0.5", 3, "0.5"},
        {"-000.50", 7, "-0.50"},
        {"0000", 4, "0"},
        {"00120  ", 7, "120  "},
        {"00123456", 4, "12"}, // only len bytes are read
        {".5", 2, ".5"},
        {"-", 1, "-"},
        {"", 0, ""},
    };
    for (const auto& c : cases) {
        char out[16];
        memset(out, '#', sizeof out);
        TrimLeftZero(c.field, c.len, out);
        EXPECT_STREQ(out, c.out) << c.field;
        EXPECT_LE(strlen(out), static_cast<size_t>(c.len)) << c.field;
    }
}

TEST(TrimRightZero, DropsFractionZerosAndABarePoint)
{
    const struct
    {
        const char* in;
        const char* out;
    } cases[] = {{"12.500", "12.5"}, {"3.00", "3"}, {"100", "100"}, {"0.0", "0"}, {"1.05", "1.05"}};
    for (const auto& c : cases) {
        char buf[16];
        strcpy(buf, c.in);
        TrimRightZero(buf);
        EXPECT_STREQ(buf, c.out) << c.in;
    }
}

TEST(TrimDecimalLength, CutsNCharactersAfterThePoint)
{
    const struct
    {
        const char* in;
        int n;
        const char* out;
    } cases[] = {{"1.23456", 2, "1.23"}, {"1.2", 2, "1.2"}, {"12", 2, "12"}, {"1.5", 0, "1."}, {"1.5", -3, "1."}};
    for (const auto& c : cases) {
        char buf[16];
        strcpy(buf, c.in);
        TrimDecimalLength(buf, c.n);
        EXPECT_STREQ(buf, c.out) << c.in << " " << c.n;
    }
}

TEST(DataRegular, CopiesUpToTheFirstLineEnd)
{
    char out[16];
    EXPECT_EQ(DataRegular("abc\r\ndef", out), 3);
    EXPECT_STREQ(out, "abc");
    EXPECT_EQ(DataRegular("xy\nz", out), 2);
    EXPECT_EQ(DataRegular("", out), 0);
    EXPECT_STREQ(out, "");
}

TEST(GetString, CopiesAndTerminatesTheField)
{
    char out[8];
    GetString("12345678", 4, out);
    EXPECT_STREQ(out, "1234");
}
