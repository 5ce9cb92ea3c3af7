// Number display and conversions of fixed-width fields.
#include <gtest/gtest.h>

#include "LocalClock.h"
#include "NumberFormat.h"

#include <limits.h>
#include <string>

namespace {

std::string Shift(const char* in, short n)
{
    char buf[64];
    strcpy(buf, in);
    aexpa(buf, n);
    return buf;
}

} // namespace

TEST(Aexpa, MovesTheDecimalPoint)
{
    const struct
    {
        const char* in;
        short n;
        const char* out;
    } cases[] = {
        {"9876", 0, "9876"},
        {"9876.5", -2, "98.765"},
        {"5", -2, "0.05"},
        {"0", -2, "0.00"},
        {"-5", -2, "-0.05"},
        {"9876", -2, "98.76"},
        {"12", -2, "0.12"},
        {"123", -3, "0.123"},
        {"9876", 2, "987600"},
        {"98.765", 2, "9876.50"},
        {"0.05", 2, "5.0"},
        {"1.5", 2, "150"},
        {"-1.25", 1, "-12.50"},
        // 36 characters shifted by 4 would pass the 40-character work area: unchanged.
        {"123456789012345678901234567890123456", -4, "123456789012345678901234567890123456"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Shift(c.in, c.n), c.out) << c.in << " by " << c.n;
}

TEST(NumberDisplay, PricesRatesAndQuantities)
{
    char out[64];
    IntToPriceString(987654, out, TRUE, -2);
    EXPECT_STREQ(out, "9,876.54");
    IntToPriceString(987654, out, FALSE, -2);
    EXPECT_STREQ(out, "9876.54");
    // Won and coin amounts beyond 32 bits.
    IntToPriceString(5000000000LL, out, TRUE, 0);
    EXPECT_STREQ(out, "5,000,000,000");
    IntToPriceString(123456789012345LL, out, TRUE, -8);
    EXPECT_STREQ(out, "1,234,567.89012345");

    EXPECT_EQ(IntToHKELWPriceString(12345, out), 6);
    EXPECT_STREQ(out, "12.345");

    const struct
    {
        int rate;
        BOOL keepSign;
        const char* out;
    } rates[] = {{-2575, FALSE, "25.75"}, {-2575, TRUE, "-25.75"}, {-5, TRUE, "-0.05"},
                 {-5, FALSE, "0.05"},     {0, TRUE, "0.00"},       {INT_MIN, FALSE, "21474836.48"}};
    for (const auto& c : rates) {
        IntToRateString(c.rate, out, c.keepSign);
        EXPECT_STREQ(out, c.out) << c.rate;
    }

    const struct
    {
        LONGLONG qty;
        BOOL showZero;
        const char* out;
    } quantities[] = {{0, FALSE, ""},
                      {0, TRUE, "0"},
                      {7654321, FALSE, "7,654,321"},
                      {-1000, FALSE, "-1,000"},
                      {999, FALSE, "999"},
                      {9000000000000LL, FALSE, "9,000,000,000,000"}};
    for (const auto& c : quantities) {
        IntToQuantityString(c.qty, out, c.showZero);
        EXPECT_STREQ(out, c.out) << c.qty;
    }
}

TEST(NumberDisplay, TimesAndDates)
{
    const struct
    {
        int value;
        const char* out;
    } times[] = {{93005, "09:30:05"}, {0, "00:00:00"}, {235959, "23:59:59"}, {1234567, "12:34:56"}};
    char out[32];
    for (const auto& c : times) {
        IntToTimeString(c.value, out);
        EXPECT_STREQ(out, c.out) << c.value;
    }
    char time[16] = "093005";
    StrToTimeString(time);
    EXPECT_STREQ(time, "09:30:05");

    IntToDateString(20261209, out);
    EXPECT_STREQ(out, "2026/12/09");
    IntToDateString(990101, out);
    EXPECT_STREQ(out, "0099/01/01");
    char date[16] = "20261209";
    StrToDateString(date);
    EXPECT_STREQ(date, "2026/12/09");
}

TEST(NumberDisplay, FieldsToPriceQuantityAndAccountText)
{
    char out[64];
    StrToPriceString("0000987654", 10, out, TRUE, -2);
    EXPECT_STREQ(out, "9,876.54");
    StrToPriceString("00012345  ", 10, out, FALSE, 0);
    EXPECT_STREQ(out, "12345");
    StrToPriceString("-000123456", 10, out, TRUE, -1);
    EXPECT_STREQ(out, "-12,345.6");

    StrToQuantityString("0001234567", 10, out);
    EXPECT_STREQ(out, "1,234,567");
    StrToQuantityString("000123    ", 10, out);
    EXPECT_STREQ(out, "123");
    StrToQuantityString("0000000000", 10, out);
    EXPECT_STREQ(out, "0");

    const struct
    {
        const char* in;
        const char* out;
    } accounts[] = {
        {"9876543210", "987-65-43210"},
        {"987654321098", "987-65-432109-8"},
        {"98765432109", "987-65-432109"},
        {"9876543210   ", "987-65-43210"},
        {"98765432109876543210", "987-65-432109-876"},
    };
    for (const auto& c : accounts) {
        char buf[32];
        strcpy(buf, c.in);
        StrToAccountString(buf);
        EXPECT_STREQ(buf, c.out) << c.in;
    }
}

namespace {
void FixedClock(SYSTEMTIME* now)
{
    *now = SYSTEMTIME{2026, 12, 3, 9, 13, 45, 0, 0};
}
} // namespace

TEST(NumberDisplay, TodayComesFromTheLocalClock)
{
    SetLocalClock(FixedClock);
    EXPECT_EQ(GetToday(), 20261209);
    SetLocalClock(nullptr);
    SYSTEMTIME now;
    GetLocalTime(&now);
    EXPECT_EQ(GetToday() / 10000, now.wYear);
}

TEST(FieldConversions, IntegersAreSixtyFourBit)
{
    EXPECT_EQ(StrToInteger("  12,345", 8, TRUE), 12345);
    EXPECT_EQ(StrToInteger("  12,345", 8, FALSE), 12);
    EXPECT_EQ(StrToInteger("00042   ", 8, FALSE), 42);
    EXPECT_EQ(StrToInteger("9000000000000", 13, FALSE), 9000000000000LL);
    EXPECT_EQ(StrToInteger("-1,234,567,890,123", 18, TRUE), -1234567890123LL);
    EXPECT_EQ(StrToInteger("12345", 3, FALSE), 123); // only len bytes

    EXPECT_DOUBLE_EQ(StrToDouble("9,876.5", 7), 9876.5);
    EXPECT_DOUBLE_EQ(StrToDouble("100  ", 5), 100.0);
    EXPECT_DOUBLE_EQ(StrToDouble("12345678901.25", 14), 12345678901.25);
    EXPECT_DOUBLE_EQ(StrToDouble("-0.125", 6), -0.125);

    const struct
    {
        const char* in;
        short n;
        LONGLONG value;
    } implied[] = {
        {"98.76", 2, 9876},
        {"98.765", 2, 9876},
        {"98.7", 2, 9870}, // missing decimals read as zeros
        {"12", 2, 1200},
        {"-1.5", 3, -1500},
        {"123456789.12345678", 8, 12345678912345678LL},
    };
    for (const auto& c : implied)
        EXPECT_EQ(DblStrToInteger(c.in, static_cast<int>(strlen(c.in)), c.n), c.value) << c.in;
    EXPECT_DOUBLE_EQ(DblStrToDouble("98.765", 6, 2), 98.76);
    EXPECT_DOUBLE_EQ(DblStrToDouble("12", 2, 2), 12.0);
}

TEST(FieldConversions, HexItemKindsAndStrikes)
{
    char hex[] = "1a";
    EXPECT_EQ(HexStringToInteger(hex), 26);
    EXPECT_STREQ(hex, "1A");
    char group[] = "10000";
    EXPECT_EQ(HexStringToInteger(group), 0x10000);
    char wide[] = "fffffffff";
    EXPECT_EQ(HexStringToInteger(wide), 0xFFFFFFFFFLL);
    char empty[] = "";
    EXPECT_EQ(HexStringToInteger(empty), 0);

    const struct
    {
        const char* code;
        char kind;
    } kinds[] = {{"101", 'F'}, {"201", 'C'}, {"301", 'P'}, {"401", 'S'}, {"501", 0}, {"", 0}};
    for (const auto& c : kinds)
        EXPECT_EQ(GetItemType(c.code), c.kind) << c.code;

    EXPECT_DOUBLE_EQ(GetExecPrice("20100257"), 257.5);
    EXPECT_DOUBLE_EQ(GetExecPrice("20100255"), 255.0);
    EXPECT_DOUBLE_EQ(GetExecPrice("201"), 0.0); // too short: no strike digits
}

TEST(ConditionalColour, FirstMatchingRuleDecides)
{
    const struct
    {
        int a1, a2, a3, a4, a5, a6;
        char sign;
        int colour;
    } cases[] = {
        {5, 5, 5, 0, 0, 5, '2', 1},   // rule 1, rising sign
        {0, 0, 5, 3, 3, 5, '5', -1},  // rule 1, falling sign
        {5, 5, 5, 1, 1, 9, '5', 1},   // rule 2: a6 > a3
        {5, 5, 5, 1, 1, 1, '2', -1},  // rule 2: a6 < a3
        {5, 5, 5, 9, 1, 5, '5', 1},   // rule 3: a4 > a1, a6 >= a1
        {7, 5, 5, 9, 1, 5, '2', -1},  // rule 3: a4 > a1, a6 < a1
        {7, 5, 5, 3, 1, 5, '2', -1},  // rule 4
        {5, 5, 5, 5, 1, 5, '5', 1},   // rule 5, a4 >= 1
        {7, 2, 2, 7, 1, 2, '2', -1},  // rule 6
        {7, 2, 3, 7, 1, 3, '2', -1},  // rule 7: a5 < a2
        {7, 2, 3, 7, 4, 3, '5', 1},   // rule 7
    };
    for (const auto& c : cases)
        EXPECT_EQ(GetConDispColor(c.a1, c.a2, c.a3, c.a4, c.a5, c.a6, c.sign), c.colour)
            << c.a1 << "," << c.a2 << "," << c.a3 << "," << c.a4 << "," << c.a5 << "," << c.a6;
}
