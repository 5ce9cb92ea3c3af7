// Spin steps by item kind, clamping, and typed spin texts, as tables.
#include <gtest/gtest.h>

#include <limits.h>

#include "WidgetRules.h"

namespace {

TEST(SpinRules, StepsByKind)
{
    const struct
    {
        char kind;
        int value, delta, step;
        LONGLONG expect;
    } cases[] = {
        {'P', 300, 1, 1, 5},   {'P', 300, -1, 1, -1}, {'P', 301, -1, 1, -5}, {'C', 299, 1, 1, 1},
        {'C', 500, -1, 9, -5}, {'F', 10, 1, 1, 5},    {'S', 10, -1, 1, -5},  {0, 10, 1, 7, 7},
        {'X', 10, -1, 3, -3},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.expect, SpinDelta(c.kind, c.value, c.delta, c.step)) << c.kind << " " << c.value << " " << c.delta;
}

TEST(SpinRules, StepsStayInTheRange)
{
    const struct
    {
        int value;
        LONGLONG delta;
        int lower, upper;
        int expect;
    } cases[] = {
        {98, 5, 0, 100, 100},
        {3, -5, 0, 100, 0},
        {50, 5, 0, 100, 55},
        {INT_MAX, 5, INT_MIN, INT_MAX, INT_MAX}, // no overflow past the int range
        {INT_MIN, -5, INT_MIN, INT_MAX, INT_MIN},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.expect, SpinStep(c.value, c.delta, c.lower, c.upper)) << c.value << " " << c.delta;
    // A kind's step then the range: P at 300 up and down.
    EXPECT_EQ(305, SpinStep(300, SpinDelta('P', 300, 1, 1), 0, 100000));
    EXPECT_EQ(299, SpinStep(300, SpinDelta('P', 300, -1, 1), 0, 100000));
}

TEST(SpinRules, ShownValues)
{
    const struct
    {
        int value, decimals;
        const char* text;
    } cases[] = {
        {1200, 2, "12.00"}, {1234567, 0, "1,234,567"}, {-123456, 2, "-1,234.56"}, {5, 3, "0.005"}, {0, 0, "0"},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(c.text, SpinText(c.value, c.decimals).GetString()) << c.value;
}

TEST(SpinRules, TypedTexts)
{
    const struct
    {
        const char* typed;
        int caret, decimals;
        int value;
        const char* text;
        int expectCaret;
    } cases[] = {
        {"1", 1, 2, 100, "1.00", 1},            // a point and zeros appended, the caret stays after 1
        {"12.00", 2, 2, 1200, "12.00", 2},      // the second digit typed before the point
        {"1.234", 5, 2, 123, "1.23", 4},        // extra decimals cut
        {"1234", 4, 0, 1234, "1,234", 5},       // separators, caret moves with them
        {"1,2345", 6, 0, 12345, "12,345", 6},   // commas re-placed
        {"99999999999", 11, 0, INT_MAX, "99,999,999,999", 14},
        {"-99999999999999999999", 21, 0, INT_MIN, "-99,999,999,999,999,999,999", 27},
        {"9999999999.5", 12, 2, INT_MAX, "9,999,999,999.5", 15},
        {"", 0, 2, 0, "", 0},   // emptied: no point appended
        {"-", 1, 2, 0, "-", 1},
    };
    for (const auto& c : cases) {
        const SpinParse parse = ParseSpinText(c.typed, c.caret, c.decimals);
        EXPECT_EQ(c.value, parse.nValue) << c.typed;
        EXPECT_STREQ(c.text, parse.strText.GetString()) << c.typed;
        EXPECT_EQ(c.expectCaret, parse.nCaret) << c.typed;
    }
}

TEST(SpinRules, Clamp)
{
    EXPECT_EQ(100, ClampSpin(150, 0, 100));
    EXPECT_EQ(0, ClampSpin(-1, 0, 100));
    EXPECT_EQ(INT_MAX, ClampSpin(LLONG_MAX, INT_MIN, INT_MAX));
}

} // namespace
