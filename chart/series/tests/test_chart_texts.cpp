// Texts of times and numbers, splitting, fonts from their description and the masked blit.
#include <gtest/gtest.h>

#include <afxwin.h>

#include "ChartText.h"
#include "picture.h"

namespace
{

struct TimeCase
{
    int value;
    int kind;
    const char* text;
};

class TimeText : public ::testing::TestWithParam<TimeCase>
{
};

TEST_P(TimeText, SplitsTheValueIntoTwoDigitGroups)
{
    EXPECT_STREQ(GetParam().text, FormatTimeValue(GetParam().value, GetParam().kind));
}

INSTANTIATE_TEST_SUITE_P(Table, TimeText,
                         ::testing::Values(TimeCase{201231, 0, "20/12/31"}, TimeCase{201231, 1, "20/12/31"},
                                           TimeCase{1231, 2, "12/31"}, TimeCase{93005, 3, "09:30:05"},
                                           TimeCase{93005, 4, "09:30:05"}, TimeCase{93005, 7, ""},
                                           TimeCase{93005, 5, ""}));

struct NumberCase
{
    int value;
    int fractionBase;
    int precision;
    const char* suffix;
    int divisor;
    int decimals;
    int decimalsOverride;
    const char* text;
};

class NumberText : public ::testing::TestWithParam<NumberCase>
{
};

TEST_P(NumberText, FormatsAsTheSettingsSay)
{
    const NumberCase& c = GetParam();
    EXPECT_STREQ(c.text,
                 FormatNumberValue(c.value, c.fractionBase, c.precision, c.suffix, c.divisor, c.decimals,
                                   c.decimalsOverride));
}

INSTANTIATE_TEST_SUITE_P(
    Table, NumberText,
    ::testing::Values(NumberCase{7654321, -1, -1, "", 1, 0, 0, "7,654,321"},
                      NumberCase{7654321, -1, -1, "", 100, 2, 0, "76,543.21"},
                      NumberCase{-654321, -1, -1, "", 1, 0, 0, "-654,321"},
                      NumberCase{-100, -1, -1, "", 1, 0, 0, "-100"},
                      // Won prices beyond 2^24 print exactly.
                      NumberCase{123456789, -1, -1, "", 1, 0, 0, "123,456,789"},
                      NumberCase{2147483647, -1, -1, "", 1, 0, 0, "2,147,483,647"},
                      NumberCase{-2147483647 - 1, -1, -1, "", 1, 0, 0, "-2,147,483,648"},
                      NumberCase{123456789, -1, -1, "", 100, 2, 0, "1,234,567.89"},
                      NumberCase{1234, -1, -1, " KRW", 1, 0, 0, "1,234 KRW"},
                      // A divisor below 10 shifts nothing.
                      NumberCase{1234, -1, -1, "", 5, 0, 0, "1,234"},
                      // Fraction notation: 101.25 becomes 101' and 0.25 x 32.
                      NumberCase{10125, 32, 2, "", 1, 2, 0, "101'08.00"},
                      NumberCase{10125, 32, 2, "", 1, 0, 2, "101'08.00"},
                      NumberCase{10150, 8, 2, "", 1, 2, 0, "101'4"},
                      // Base 10 keeps the decimal text.
                      NumberCase{10125, 10, 2, "%", 1, 2, 0, "101.25%"},
                      // A negative printed precision prints whole numbers, never a bad format.
                      NumberCase{1234, 32, -3, "", 1, 0, 0, "1,234"}));

TEST(FractionDigits, AreReadAsADecimalFractionOfTheBase)
{
    EXPECT_STREQ("08.00", FormatFraction("25", 32));
    EXPECT_STREQ("4", FormatFraction("5", 8));
    EXPECT_STREQ("00.00", FormatFraction("", 32));
}

TEST(Split, StopsAfterTheMaximumAndKeepsTheRest)
{
    CStringArray list;
    ASSERT_EQ(3, SplitByDelimiter(" a,b,,c ", ",", list, 2));
    EXPECT_STREQ("a", list[0]);
    EXPECT_STREQ("b", list[1]);
    EXPECT_STREQ(",c", list[2]);

    ASSERT_EQ(4, SplitByDelimiter(" a,b,,c ", ",", list, 0));
    EXPECT_STREQ("", list[2]);
    EXPECT_STREQ("c", list[3]);

    EXPECT_EQ(0, SplitByDelimiter("   ", ",", list, 0));
    EXPECT_EQ(0, list.GetSize());
    ASSERT_EQ(1, SplitByDelimiter("abc", ",", list, 0));
    EXPECT_STREQ("abc", list[0]);
}

LOGFONT FontOf(CFont& font)
{
    LOGFONT lf;
    memset(&lf, 0, sizeof lf);
    font.GetLogFont(&lf);
    return lf;
}

TEST(FontDescription, SixFieldsMakeTheFont)
{
    CFont font;
    FontFromDescription("Arial,-12,700,1,0,1", &font);
    ASSERT_TRUE(font.GetSafeHandle() != NULL);
    LOGFONT lf = FontOf(font);
    EXPECT_STREQ("Arial", lf.lfFaceName);
    EXPECT_EQ(-12, lf.lfHeight);
    EXPECT_EQ(700, lf.lfWeight);
    EXPECT_EQ(1, lf.lfItalic);
    EXPECT_EQ(0, lf.lfUnderline);
    EXPECT_EQ(1, lf.lfStrikeOut);
}

TEST(FontDescription, FiveFieldsLeaveTheFontAsItWas)
{
    CFont font;
    FontFromDescription("Arial,-12,400,0,0,0", &font);
    HGDIOBJ before = font.GetSafeHandle();
    FontFromDescription("Tahoma,-20,700,0,0", &font);
    EXPECT_EQ(before, font.GetSafeHandle());
    EXPECT_STREQ("Arial", FontOf(font).lfFaceName);
    FontFromDescription("Arial,-12,400,0,0,0", nullptr); // no font object: nothing happens
}

TEST(FontDescription, ALongFaceIsCutToWhatAFontHolds)
{
    CString face('F', 60);
    CFont font;
    FontFromDescription(face + ",-12,400,0,0,0", &font);
    ASSERT_TRUE(font.GetSafeHandle() != NULL);
    LOGFONT lf = FontOf(font);
    EXPECT_EQ(31u, strlen(lf.lfFaceName));
    EXPECT_EQ(-12, lf.lfHeight);
}

TEST(FontDescription, ACutNeverSplitsADoubleByteCharacter)
{
    ASSERT_EQ(949u, GetACP());
    // 30 single bytes, then a two-byte character that would end at byte 32.
    CString face = CString('a', 30) + "굴";
    CFont font;
    FontFromDescription(face + ",-12,400,0,0,0", &font);
    LOGFONT lf = FontOf(font);
    EXPECT_EQ(30u, strlen(lf.lfFaceName));
}

TEST(MaskedBitmap, LeavesTheTargetWhereTheBitmapHasTheTransparentColour)
{
    const COLORREF magenta = RGB(255, 0, 255), red = RGB(255, 0, 0), blue = RGB(0, 0, 255);
    Picture target(8, 8, blue);
    Picture source(4, 4, magenta);
    source.Set(1, 1, red);
    source.Set(2, 2, RGB(10, 200, 30));
    source.Unselect(); // a bitmap can be selected into one device context only
    DrawMaskedBitmap(&target.dc(), 2, 2, 4, 4, &source.bitmap(), 0, 0, magenta);
    EXPECT_EQ(blue, target.At(2, 2));
    EXPECT_EQ(red, target.At(3, 3));
    EXPECT_EQ(RGB(10, 200, 30), target.At(4, 4));
    EXPECT_EQ(blue, target.At(5, 5));
    EXPECT_EQ(blue, target.At(0, 0));
}

} // namespace
