// Pixel/data conversions over one rectangle, linear and logarithmic, and the cases that have no
// value.
#include <gtest/gtest.h>

#include <cstdlib>

#include "LocationUtil.h"

namespace
{

const RECT FRAME = {10, 20, 110, 220};
const int NONE = 99999999;

struct SlotCase
{
    int x, first;
    float f;
    int slot;
};

class SlotFromX : public ::testing::TestWithParam<SlotCase>
{
};

TEST_P(SlotFromX, Table)
{
    const SlotCase& c = GetParam();
    EXPECT_EQ(c.slot, CLocationUtil(FRAME).SlotFromX(c.x, c.first, c.f)) << c.x << " " << c.first << " " << c.f;
}

INSTANTIATE_TEST_SUITE_P(
    Table, SlotFromX,
    ::testing::Values(SlotCase{10, 5, 6.0f, 5}, SlotCase{15, 5, 6.0f, 5}, SlotCase{16, 5, 6.0f, 6},
                      SlotCase{13, 2, 0.5f, 8},
                      // Left of the frame: whole slots back, and a part slot truncated toward zero.
                      SlotCase{4, 5, 6.0f, 4}, SlotCase{7, 0, 6.0f, 0},
                      // No width per slot: no slot.
                      SlotCase{50, 5, 0.0f, NONE}, SlotCase{10, 0, 0.0f, NONE},
                      // A result no int holds.
                      SlotCase{110, 2147483000, 1e-3f, NONE}));

struct XCase
{
    int i, first, last;
    float f;
    int x;
};

class XFromSlot : public ::testing::TestWithParam<XCase>
{
};

TEST_P(XFromSlot, Table)
{
    const XCase& c = GetParam();
    EXPECT_EQ(c.x, CLocationUtil(FRAME).XFromSlot(c.i, c.first, c.last, c.f)) << c.i;
}

INSTANTIATE_TEST_SUITE_P(Table, XFromSlot,
                         ::testing::Values(XCase{4, 4, 9, 6.0f, 13}, XCase{6, 4, 9, 6.0f, 25}, XCase{9, 4, 9, 6.0f, 43},
                                           XCase{5, 4, 9, 2.5f, 13}, XCase{10, 4, 9, 6.0f, NONE},
                                           XCase{3, 4, 9, 6.0f, NONE}));

struct YCase
{
    int v, maximum, minimum;
    float f;
    int y;
};

class YFromValue : public ::testing::TestWithParam<YCase>
{
};

TEST_P(YFromValue, Table)
{
    const YCase& c = GetParam();
    EXPECT_EQ(c.y, CLocationUtil(FRAME).YFromValue(c.v, c.maximum, c.minimum, c.f)) << c.v;
}

INSTANTIATE_TEST_SUITE_P(Table, YFromValue,
                         ::testing::Values(YCase{100, 100, 0, 2.0f, 21}, YCase{50, 100, 0, 2.0f, 121},
                                           YCase{0, 100, 0, 2.0f, 221}, YCase{101, 100, 0, 2.0f, NONE},
                                           YCase{-1, 100, 0, 2.0f, NONE},
                                           // The distance to the maximum passes the int range.
                                           YCase{-2000000000, 2000000000, -2000000000, 1.0f / 67108864, 79}));

struct ValueCase
{
    const char* name;
    RECT frame;
    int y, maximum, minimum;
    float f;
    BOOL logarithmic, reversed;
    int value;
    int tolerance; // percent; 0 exact
};

class ValueFromY : public ::testing::TestWithParam<ValueCase>
{
};

TEST_P(ValueFromY, Table)
{
    const ValueCase& c = GetParam();
    int got = CLocationUtil(c.frame).ValueFromY(c.y, c.maximum, c.minimum, c.f, c.logarithmic, c.reversed);
    if (c.tolerance == 0)
        EXPECT_EQ(c.value, got) << c.name;
    else
        EXPECT_LE(std::abs(got - c.value), c.value * c.tolerance / 100) << c.name << ": " << got;
}

INSTANTIATE_TEST_SUITE_P(
    Table, ValueFromY,
    ::testing::Values(
        ValueCase{"linear at the bottom edge", FRAME, 220, 100, 0, 2.0f, FALSE, FALSE, 0, 0},
        ValueCase{"linear one pixel up", FRAME, 219, 100, 40, 0.5f, FALSE, FALSE, 42, 0},
        ValueCase{"linear half way", FRAME, 120, 100, 0, 2.0f, FALSE, FALSE, 50, 0},
        ValueCase{"linear reversed from the top", FRAME, 21, 100, 40, 0.5f, FALSE, TRUE, 42, 0},
        ValueCase{"linear without a factor", FRAME, 120, 100, 0, 0.0f, FALSE, FALSE, 0, 0},
        ValueCase{"log at the bottom edge", FRAME, 220, 10000, 100, 1.0f, TRUE, FALSE, 100, 2},
        ValueCase{"log at the top edge", FRAME, 20, 10000, 100, 1.0f, TRUE, FALSE, 10000, 2},
        ValueCase{"log half way", FRAME, 120, 10000, 100, 1.0f, TRUE, FALSE, 1000, 2},
        ValueCase{"log reversed, top edge", FRAME, 20, 10000, 100, 1.0f, TRUE, TRUE, 100, 2},
        ValueCase{"log with a zero bound counted as 1", FRAME, 220, 10000, 0, 1.0f, TRUE, FALSE, 1, 0},
        ValueCase{"log with equal bounds", FRAME, 120, 500, 500, 1.0f, TRUE, FALSE, NONE, 0},
        ValueCase{"log with both bounds 0 and 1", FRAME, 120, 1, 0, 1.0f, TRUE, FALSE, NONE, 0},
        ValueCase{"log without height", RECT{10, 20, 110, 20}, 20, 10000, 100, 1.0f, TRUE, FALSE, NONE, 0},
        ValueCase{"log with a negative minimum", FRAME, 120, 10000, -5, 1.0f, TRUE, FALSE, NONE, 0},
        ValueCase{"log with a negative maximum", FRAME, 120, -5, -500, 1.0f, TRUE, FALSE, NONE, 0},
        ValueCase{"log far above the frame", FRAME, -100000, 10000, 100, 1.0f, TRUE, FALSE, NONE, 0}));

} // namespace
