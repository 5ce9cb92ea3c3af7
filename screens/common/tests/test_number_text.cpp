// The screens' number texts, field texts and coin list, as tables of their edge cases.
#include <gtest/gtest.h>

#include <cstring>

#include "NumberText.h"

namespace {

struct TextCase
{
    const char* input;
    const char* expected;
};

class FormatNumberTextTest : public ::testing::TestWithParam<TextCase>
{
};

TEST_P(FormatNumberTextTest, GivesTheGroupedText)
{
    EXPECT_STREQ(GetParam().expected, (LPCSTR)FormatNumberText(GetParam().input)) << "input '" << GetParam().input << "'";
}

INSTANTIATE_TEST_SUITE_P(Cases, FormatNumberTextTest,
                         ::testing::Values(TextCase{"0098765.430", "98,765.430"}, TextCase{"-0.5", "-0.5"},
                                           TextCase{"abc", ""}, TextCase{"1,000", ""}, TextCase{"", "0"},
                                           TextCase{"   1234567", "1,234,567"}, TextCase{"123", "123"},
                                           TextCase{"1234", "1,234"}, TextCase{"-1000", "-1,000"},
                                           TextCase{"+000", "+0"}, TextCase{".5", "0.5"},
                                           TextCase{"1.2.3", ""}, TextCase{"12 3", ""}, TextCase{"5-", ""},
                                           TextCase{"9223372036854775807", "9,223,372,036,854,775,807"}));

struct IsNumberCase
{
    const char* input;
    bool number;
};

class IsNumberTextTest : public ::testing::TestWithParam<IsNumberCase>
{
};

TEST_P(IsNumberTextTest, Decides)
{
    EXPECT_EQ(GetParam().number, IsNumberText(GetParam().input) != FALSE) << "input '" << GetParam().input << "'";
}

INSTANTIATE_TEST_SUITE_P(Cases, IsNumberTextTest,
                         ::testing::Values(IsNumberCase{"", true}, IsNumberCase{"  12", true},
                                           IsNumberCase{"12 ", false}, IsNumberCase{"-12.5", true},
                                           IsNumberCase{"1-2", false}, IsNumberCase{"00-5", true},
                                           IsNumberCase{"1.2.", false}, IsNumberCase{"1e5", false},
                                           IsNumberCase{"1,000", false}));

TEST(StripSignZeros, GathersSignsAndDropsLeadingZeros)
{
    const TextCase cases[] = {{"  -007.50 ", "-7.50"}, {"000", "0"}, {"00.25", "0.25"}, {"+-01", "+-1"}, {"", "0"}};
    for (const TextCase& c : cases)
        EXPECT_STREQ(c.expected, (LPCSTR)StripSignZeros(c.input)) << "input '" << c.input << "'";
}

TEST(NumberTexts, IntegersAndDoubles)
{
    EXPECT_STREQ("0", (LPCSTR)IntToNumberText(0));
    EXPECT_STREQ("7,654,321", (LPCSTR)IntToNumberText(7654321));
    EXPECT_STREQ("-1,000", (LPCSTR)IntToNumberText(-1000));
    // Won amounts beyond 32 bits keep every digit.
    EXPECT_STREQ("12,345,678,901", (LPCSTR)IntToNumberText(12345678901LL));
    EXPECT_STREQ("0.00001200", (LPCSTR)DoubleToNumberText(0.000012, 8));
    EXPECT_STREQ("2,345.50", (LPCSTR)DoubleToNumberText(2345.5, 2));
    EXPECT_STREQ("0.00000000", (LPCSTR)DoubleToNumberText(0.0, 8));
    EXPECT_STREQ("-1,234.5678", (LPCSTR)DoubleToNumberText(-1234.5678, 4));
    // A huge value is printed in full, never cut off in a fixed buffer.
    EXPECT_EQ(309 + 102 + 1 + 2, DoubleToNumberText(1e308, 2).GetLength());
}

TEST(CoinList, CodesAndRows)
{
    struct RowCase
    {
        const char* code;
        int row;
    } const cases[] = {{"BTC", 1}, {"EOS", 12}, {"EOS   ", 12}, {"  QTUM", 11}, {"eos", -1}, {"ADA", -1}, {"", -1}};
    for (const RowCase& c : cases)
        EXPECT_EQ(c.row, CoinCodeToRow(c.code)) << "code '" << c.code << "'";
    for (int i = 0; i < TRADE_COIN_COUNT; ++i)
        EXPECT_EQ(i + 1, CoinCodeToRow(RowToCoinCode(i)));
    EXPECT_STREQ("", (LPCSTR)RowToCoinCode(-1));
    EXPECT_STREQ("", (LPCSTR)RowToCoinCode(12));
    EXPECT_STREQ("비트코인(BTC)", TRADE_COINS[0].name);
    EXPECT_STREQ("이오스(EOS)", TRADE_COINS[11].name);
}

TEST(FieldTexts, StopAtZeroOrWidth)
{
    const char full[4] = {'A', 'B', 'C', 'D'}; // no terminator: all four bytes, nothing beyond
    EXPECT_STREQ("ABCD", (LPCSTR)FieldToText(full, 4));
    EXPECT_STREQ("AB", (LPCSTR)FieldToText("AB\0CD", 5));
    EXPECT_STREQ("BTC", (LPCSTR)FieldToTrimText("  BTC     ", 10));
    EXPECT_EQ(12345, FieldToInteger("12345.67    ", 12));
    EXPECT_EQ(0, FieldToInteger("abc         ", 12));
    EXPECT_EQ(0, FieldToInteger("            ", 12));
    EXPECT_DOUBLE_EQ(0.125, FieldToDouble("0.125    ", 9));
    EXPECT_DOUBLE_EQ(0.0, FieldToDouble("x1", 2));
}

} // namespace
