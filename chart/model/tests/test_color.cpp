// CCtlColor: text form both ways, effective colours, archive bytes; saturating number text.
#include <gtest/gtest.h>
#include <limits.h>

#include "ClampedNumber.h"
#include "CtlColor.h"
#include "archive_bytes.h"

namespace {

struct ParseCase
{
    const char* text;
    int index;
    COLORREF rgb;
};

const ParseCase kParseCases[] = {
    {"179:255255255", 179, 0xFFFFFF},
    {"255000000", 0, RGB(255, 0, 0)},
    {"7:12", 7, 0xFFFFFF},
    {":000128255", 0, RGB(0, 128, 255)},
    {"", 0, 0xFFFFFF},
    {"12:", 12, 0xFFFFFF},
    // Each triple is taken modulo 256.
    {"1:300256511", 1, RGB(44, 0, 255)},
    {"1:-01000000", 1, RGB(255, 0, 0)},
    // Indexes saturate at the 16-bit range instead of wrapping.
    {"70000:000000000", 65535, 0},
    {"65536:000000000", 65535, 0},
    {"99999999999999999999:000000000", 65535, 0},
    {"-5:000000000", 0, 0},
    {"abc:000000255", 0, RGB(0, 0, 255)},
};

class ColorText : public ::testing::TestWithParam<ParseCase>
{
};

TEST_P(ColorText, ParsesIndexAndRgb)
{
    const ParseCase& c = GetParam();
    CCtlColor colour(c.text);
    EXPECT_EQ(c.index, colour.GetIndex());
    EXPECT_EQ(c.rgb, colour.GetRGB());
}

INSTANTIATE_TEST_SUITE_P(Cases, ColorText, ::testing::ValuesIn(kParseCases));

TEST(CtlColor, ConstructionAndTextForm)
{
    EXPECT_EQ(CCtlColor(WORD(0)), CCtlColor());
    EXPECT_EQ(0xFFFFFFu, CCtlColor().GetRGB());
    EXPECT_EQ(179, CCtlColor::Index(179).GetIndex());
    EXPECT_EQ(0xFFFFFFu, CCtlColor::Index(179).GetRGB());
    EXPECT_EQ(0, CCtlColor::Rgb(0x123456).GetIndex());
    EXPECT_STREQ("001:255255255", CCtlColor::Index(1).GetText());
    EXPECT_STREQ("466:001002003", CCtlColor("466:001002003").GetText());
    EXPECT_STREQ("000:255000000", CCtlColor::Rgb(RGB(255, 0, 0)).GetText());
}

TEST(CtlColor, EffectiveColourByIndex)
{
    struct
    {
        int index;
        COLORREF effective;
    } cases[] = {{1, 0}, {184, 0}, {185, 0}, {179, 0xFFFFFF}, {180, 0xD9D9D9}, {181, 0xC6C6C6},
                 {182, 0xF1F1F1}, {183, 0xF1F1F1}, {0, 0x123456}, {466, 0x123456}};
    for (const auto& c : cases) {
        CCtlColor colour = CCtlColor::Index(c.index);
        colour.SetRGB(0x123456);
        EXPECT_EQ(c.effective, colour.GetColor()) << c.index;
    }
    // The fixed colour archives restore: black for anything but 179 to 183.
    EXPECT_EQ(0u, CCtlColor::GetPaletteColor(0));
    EXPECT_EQ(0u, CCtlColor::GetPaletteColor(1));
    EXPECT_EQ(0u, CCtlColor::GetPaletteColor(466));
    EXPECT_EQ(0xD9D9D9u, CCtlColor::GetPaletteColor(180));
}

TEST(CtlColor, ArchiveBytes)
{
    CCtlColor colour("466:255000000");
    Bytes bytes = StoreRecord(colour);
    EXPECT_EQ(ByteWriter().Color(466, RGB(255, 0, 0)).Get(), bytes);

    // Loading replaces the RGB of a nonzero index by its palette colour: 466 gives black.
    CCtlColor loaded;
    EXPECT_EQ(-1, LoadRecord(bytes, loaded));
    EXPECT_EQ(466, loaded.GetIndex());
    EXPECT_EQ(0u, loaded.GetRGB());

    CCtlColor plain;
    EXPECT_EQ(-1, LoadRecord(ByteWriter().Color(0, 0x123456).Get(), plain));
    EXPECT_EQ(CCtlColor::Rgb(0x123456), plain);

    CCtlColor white;
    EXPECT_EQ(-1, LoadRecord(ByteWriter().Color(179, 0).Get(), white));
    EXPECT_EQ(0xFFFFFFu, white.GetRGB());

    // The version is read and not checked.
    CCtlColor anyVersion;
    EXPECT_EQ(-1, LoadRecord(ByteWriter().Dword(77).Word(0).Dword(0x0000FF).Get(), anyVersion));
    EXPECT_EQ(CCtlColor::Rgb(0x0000FF), anyVersion);
}

TEST(CtlColor, ShortArchiveLeavesColourAlone)
{
    Bytes bytes = ByteWriter().Color(0, 0x123456).Get();
    for (size_t n = 0; n < bytes.size(); ++n) {
        CCtlColor colour = CCtlColor::Index(7);
        EXPECT_EQ(CArchiveException::endOfFile, LoadRecord(Bytes(bytes.begin(), bytes.begin() + n), colour));
        EXPECT_EQ(CCtlColor::Index(7), colour) << n;
    }
}

TEST(ClampedAtoi, FollowsAtoiAndSaturates)
{
    struct
    {
        const char* text;
        int value;
    } cases[] = {{"", 0},
                 {"abc", 0},
                 {"  42x", 42},
                 {"\t-17", -17},
                 {"+8", 8},
                 {"- 8", 0},
                 {"2147483647", INT_MAX},
                 {"2147483648", INT_MAX},
                 {"99999999999999999999999", INT_MAX},
                 {"-2147483648", INT_MIN},
                 {"-2147483649", INT_MIN},
                 {"-99999999999999999999999", INT_MIN},
                 {"0000000000000000000000012", 12}};
    for (const auto& c : cases)
        EXPECT_EQ(c.value, ClampedAtoi(c.text)) << c.text;
    EXPECT_EQ(0, ClampedAtoi(NULL));
    EXPECT_EQ(65535, ClampedAtoi("70000", 0, 65535));
    EXPECT_EQ(0, ClampedAtoi("-1", 0, 65535));
}

} // namespace
