// Region scales: every scale mode, fixed scales, empty ranges, price-level steps, bars, the
// last-value tags, sharing between objects, and ranges at the ends of the int range.
#include <gtest/gtest.h>

#include <climits>

#include "region_fixture.h"

namespace
{

struct ScaleCase
{
    const char* name;
    int kind;
    int mode;
    std::vector<int> values; // S0, newest first
    int priceLevel;
    int baseLine;
    int base;
    int fixed; // 1: right side fixed at fixedMax/fixedMin; 2: the left side
    int fixedMax, fixedMin;
    int maximum, minimum; // the scale the object is handed
    int centre;           // bars centred on their base value
};

class RegionScale : public ::testing::TestWithParam<ScaleCase>
{
};

TEST_P(RegionScale, Table)
{
    const ScaleCase& c = GetParam();
    RegionFixture f;
    DREGIONSIDEDATA& side = c.fixed == 2 ? f.region.GetRegionData().LeftSide : f.region.GetRegionData().RightSide;
    if (c.fixed)
    {
        side.Fixed = 1;
        side.FixedMax = c.fixedMax;
        side.FixedMin = c.fixedMin;
    }
    CDrawObject* object = f.Add(c.kind, c.mode, {c.values});
    object->m_nPriceLevel = c.priceLevel;
    object->CLine::m_nBaseLine = c.baseLine;
    object->m_nS4Number = c.base;
    object->CBar::m_nCenter = c.centre;
    f.region.ComputeScales();

    EXPECT_EQ(c.maximum, object->GetMaximum()) << c.name;
    EXPECT_EQ(c.minimum, object->GetMinimum()) << c.name;
    EXPECT_FLOAT_EQ(float(100.0 / (double(c.maximum) - double(c.minimum))), object->GetYScale()) << c.name;
    bool right = c.mode == 0 || c.mode == 1;
    bool left = c.mode == 2 || c.mode == 3;
    if (right)
    {
        EXPECT_EQ(c.maximum, f.region.GetRightMax()) << c.name;
    }
    if (left)
    {
        EXPECT_EQ(c.minimum, f.region.GetLeftMin()) << c.name;
    }
    if (c.mode == 4)
    {
        EXPECT_EQ(INT_MIN, f.region.GetRightMax()) << c.name << ": a scale of its own leaves the region's unset";
    }
}

const int L = DRAWKIND_LINE, B = DRAWKIND_BAR;

INSTANTIATE_TEST_SUITE_P(
    Table, RegionScale,
    ::testing::Values(
        ScaleCase{"line on a new right scale", L, 0, {120, 150, 90}, 0, 0, 0, 0, 0, 0, 150, 90},
        ScaleCase{"sharing the right scale alone", L, 1, {120, 150, 90}, 0, 0, 0, 0, 0, 0, 150, 90},
        ScaleCase{"new left scale", L, 2, {120, 150, 90}, 0, 0, 0, 0, 0, 0, 150, 90},
        ScaleCase{"sharing the left scale alone", L, 3, {120, 150, 90}, 0, 0, 0, 0, 0, 0, 150, 90},
        ScaleCase{"a scale of its own", L, 4, {120, 150, 90}, 0, 0, 0, 0, 0, 0, 150, 90},
        ScaleCase{"empty range widened by 10", L, 0, {120, 120, 120}, 0, 0, 0, 0, 0, 0, 130, 110},
        ScaleCase{"empty range at 0 keeps its minimum", L, 0, {0, 0}, 0, 0, 0, 0, 0, 0, 10, 0},
        ScaleCase{"price levels below 5000: 5", L, 0, {4000, 4500}, 1, 0, 0, 0, 0, 0, 4505, 3995},
        ScaleCase{"price levels below 10000: 10", L, 0, {7000, 7500}, 1, 0, 0, 0, 0, 0, 7510, 6990},
        ScaleCase{"price levels below 50000: 50", L, 0, {20000, 30000}, 1, 0, 0, 0, 0, 0, 30050, 19950},
        ScaleCase{"price levels below 100000: 100", L, 0, {60000, 70000}, 1, 0, 0, 0, 0, 0, 70100, 59900},
        ScaleCase{"price levels below 500000: 500", L, 0, {200000, 300000}, 1, 0, 0, 0, 0, 0, 300500, 199500},
        ScaleCase{"price levels from 500000: 1000", L, 0, {600000, 700000}, 1, 0, 0, 0, 0, 0, 701000, 599000},
        ScaleCase{"base line below the data", L, 0, {100, 120}, 0, 1, 50, 0, 0, 0, 120, 50},
        ScaleCase{"base line above the data", L, 0, {100, 120}, 0, 1, 300, 0, 0, 0, 300, 100},
        ScaleCase{"bars reach down to 0", B, 0, {300, 500}, 0, 0, 0, 0, 0, 0, 500, 0},
        ScaleCase{"bars below 0 keep their minimum", B, 0, {-20, 40}, 0, 0, 0, 0, 0, 0, 40, -20},
        ScaleCase{"centred bars reach as far below 0 as above", B, 0, {300, 500}, 0, 0, 0, 0, 0, 0, 500, -500, 1},
        ScaleCase{"centred bars take the farther end", B, 0, {-90, 40}, 0, 0, 0, 0, 0, 0, 90, -90, 1},
        ScaleCase{"centred bars about their reference value", B, 0, {300, 500}, 0, 0, 400, 0, 0, 0, 800, 0, 1},
        ScaleCase{"fixed right scale", L, 0, {120, 150}, 0, 0, 0, 1, 500, 100, 500, 100},
        ScaleCase{"fixed left scale", L, 3, {120, 150}, 0, 0, 0, 2, 500, 100, 500, 100},
        ScaleCase{"fixed bounds the wrong way round", L, 1, {120, 150}, 0, 0, 0, 1, 100, 500, 500, 100},
        ScaleCase{"fixed equal bounds widened", L, 0, {120, 150}, 0, 0, 0, 1, 200, 200, 210, 190},
        ScaleCase{"fixed scale of the other side is not used", L, 0, {120, 150}, 0, 0, 0, 2, 500, 100, 150, 120},
        ScaleCase{"widening at the top of the int range", L, 0, {2147483640, 2147483640}, 0, 0, 0, 0, 0, 0,
                  2147483646, 2147483630},
        ScaleCase{"price levels at the bottom of the int range", L, 0, {-2147483645, -2147483000}, 1, 0, 0, 0, 0, 0,
                  -2147482995, -2147483647}));

TEST(RegionScale, ModesZeroOneOneZeroGiveTwoRightScales)
{
    RegionFixture f;
    CDrawObject* a = f.Add(DRAWKIND_LINE, 0, {{100, 110}});
    CDrawObject* b = f.Add(DRAWKIND_LINE, 1, {{90, 95}});
    CDrawObject* c = f.Add(DRAWKIND_LINE, 1, {{105, 130}});
    CDrawObject* d = f.Add(DRAWKIND_LINE, 0, {{500, 600}});
    f.region.ComputeScales();
    for (CDrawObject* shared : {a, b, c})
    {
        EXPECT_EQ(130, shared->GetMaximum());
        EXPECT_EQ(90, shared->GetMinimum());
        EXPECT_FLOAT_EQ(100.0f / 40, shared->GetYScale());
    }
    EXPECT_EQ(600, d->GetMaximum());
    EXPECT_EQ(500, d->GetMinimum());
    EXPECT_EQ(600, f.region.GetRightMax());
    EXPECT_EQ(500, f.region.GetRightMin());
}

TEST(RegionScale, SidesHandTheirNumberSettingsToTheirObjects)
{
    RegionFixture f;
    DREGIONSIDEDATA& left = f.region.GetRegionData().LeftSide;
    left.Divisor = 100;
    left.Decimals = 2;
    left.FracBase = 32;
    left.Precision = 3;
    CDrawObject* object = f.Add(DRAWKIND_LINE, 2, {{100, 110}});
    f.region.ComputeScales();
    EXPECT_EQ(100, object->GetAxisSetting(0));
    EXPECT_EQ(2, object->GetAxisSetting(1));
    EXPECT_EQ(32, object->GetAxisSetting(2));
    EXPECT_EQ(3, object->GetAxisSetting(3));
    EXPECT_TRUE(f.region.IsLeftScaleSet());
    // Only the left scale is set: the right-side questions fall back to it and back.
    EXPECT_EQ(110, f.region.GetRightMax());
    EXPECT_EQ(100, f.region.GetRightMin());
    float factor = 0;
    int divisor = 0, decimals = 0;
    f.region.GetRightScale(factor, divisor, decimals);
    EXPECT_FLOAT_EQ(10.0f, factor);
    EXPECT_EQ(100, divisor);
    EXPECT_EQ(2, decimals);
    EXPECT_FLOAT_EQ(10.0f, f.region.GetPixelsPerUnit());
}

TEST(RegionScale, HiddenObjectsAndHorizontalBarsTakeNoPart)
{
    RegionFixture f;
    CDrawObject* hidden = f.Add(DRAWKIND_LINE, 0, {{1000, 2000}});
    hidden->m_bShown = 0;
    f.Add(DRAWKIND_HBAR, 0, {{5000, 1}});
    CDrawObject* shown = f.Add(DRAWKIND_LINE, 1, {{100, 110}});
    f.region.ComputeScales();
    EXPECT_EQ(110, shown->GetMaximum());
    EXPECT_EQ(110, f.region.GetRightMax());
}

// Scale height is 100 pixels; a plot lower than its margins still scales upwards.
TEST(RegionScale, FactorIsPositiveForAnyRangeAndZeroWhenUnset)
{
    RegionFixture f(CRect(100, 0, 300, 5));
    CDrawObject* object = f.Add(DRAWKIND_LINE, 0, {{100, 150}});
    f.region.ComputeScales();
    EXPECT_FLOAT_EQ(1.0f / 50, object->GetYScale());
    EXPECT_EQ(0.0f, f.region.ScaleFactor(INT_MIN, INT_MAX));
    EXPECT_EQ(0.0f, f.region.ScaleFactor(100, 100));
    EXPECT_EQ(0.0f, f.region.ScaleFactor(100, 200));
    EXPECT_FLOAT_EQ(1.0f / 4294967294.0f, f.region.ScaleFactor(INT_MAX - 1, INT_MIN + 1));
}

TEST(RegionScale, ObjectWithoutValuesLeavesTheScaleUnset)
{
    RegionFixture f;
    CDrawObject* object = f.Add(DRAWKIND_LINE, 0, {{99999999, 99999999}});
    f.region.ComputeScales();
    EXPECT_EQ(INT_MIN, f.region.GetRightMax());
    EXPECT_EQ(0.0f, object->GetYScale());
}

struct TagCase
{
    const char* name;
    int kind;
    int mode;
    std::vector<std::vector<int>> series;
    int tagOff;
    int value, state;
};

class LastValueTag : public ::testing::TestWithParam<TagCase>
{
};

TEST_P(LastValueTag, Table)
{
    const TagCase& c = GetParam();
    RegionFixture f;
    f.region.GetRegionData().TagOff = c.tagOff;
    CDrawObject* object = nullptr;
    switch (c.series.size())
    {
    case 1:
        object = f.Add(c.kind, c.mode, {c.series[0]});
        break;
    case 3:
        object = f.Add(c.kind, c.mode, {c.series[0], c.series[1], c.series[2]});
        break;
    default:
        object = f.Add(c.kind, c.mode, {c.series[0], c.series[1], c.series[2], c.series[3]});
        break;
    }
    ASSERT_NE(nullptr, object);
    DREGIONSIDEDATA& right = f.region.GetRegionData().RightSide;
    DREGIONSIDEDATA& left = f.region.GetRegionData().LeftSide;
    right.TagValue = left.TagValue = -7;
    right.TagState = left.TagState = -7;
    f.region.ComputeScales();
    const DREGIONSIDEDATA& side = c.mode == 0 || c.mode == 1 ? right : left;
    const DREGIONSIDEDATA& other = c.mode == 0 || c.mode == 1 ? left : right;
    EXPECT_EQ(c.value, side.TagValue) << c.name;
    EXPECT_EQ(c.state, side.TagState) << c.name;
    EXPECT_EQ(-7, other.TagValue) << c.name;
}

const int C = DRAWKIND_CANDLE, A = DRAWKIND_AMERICA;

INSTANTIATE_TEST_SUITE_P(
    Table, LastValueTag,
    ::testing::Values(TagCase{"line above the one before", L, 0, {{130, 120, 90}}, 0, 130, 1},
                      TagCase{"line equal", L, 1, {{120, 120}}, 0, 120, 3},
                      TagCase{"line below", L, 0, {{110, 120}}, 0, 110, 5},
                      TagCase{"left side for mode 2", L, 2, {{130, 120}}, 0, 130, 1},
                      TagCase{"left side for a scale of its own", L, 4, {{110, 120}}, 0, 110, 5},
                      TagCase{"candles compare closes", C, 1,
                              {{100, 100}, {150, 150}, {90, 90}, {120, 125}}, 0, 120, 5},
                      TagCase{"high-low-close: close against the high before", A, 0,
                              {{150, 118}, {90, 80}, {119, 100}}, 0, 119, 1},
                      TagCase{"bars carry no tag", B, 0, {{130, 120}}, 0, 0, 0},
                      TagCase{"a gap is no last value", L, 0, {{99999999, 120, 110}}, 0, 0, 0},
                      TagCase{"tags switched off", L, 0, {{130, 120}}, 1, -7, -7},
                      TagCase{"one value has nothing to compare", L, 0, {{130}}, 0, -7, -7}));

TEST(Region, RemovingObjects)
{
    RegionFixture f;
    f.Add(DRAWKIND_LINE, 0, {{1, 2}});
    EXPECT_EQ(-1, f.region.RemoveDrawObject(5));
    EXPECT_EQ(2, f.region.GetObjectDataCount(0));
    EXPECT_EQ(-1, f.region.GetObjectDataCount(5));
    EXPECT_EQ(0, f.region.RemoveDrawObject(0));
    EXPECT_EQ(0, f.region.GetObjectCount());
}

TEST(Region, PlacingPutsTheAxesEitherSideOfThePlot)
{
    RegionFixture f(CRect(100, 20, 300, 134));
    EXPECT_EQ(CRect(300, 20, 360, 134), f.region.GetRightAxisRect());
    EXPECT_EQ(CRect(85, 20, 100, 134), f.region.GetLeftAxisRect());
    EXPECT_EQ(CRect(100, 30, 300, 130), f.region.GetTrendRect());
    EXPECT_EQ(CRect(15, 10, 215, 110), f.region.GetDrawRect());
    EXPECT_TRUE(f.region.PtInRegion(CPoint(100, 20)));
    EXPECT_FALSE(f.region.PtInRegion(CPoint(300, 20)));
}

// A trend line's value picked in the region is its scale's value at that row.
TEST(Region, PickedValuesFollowTheScale)
{
    RegionFixture f(CRect(100, 20, 300, 134));
    f.Add(DRAWKIND_LINE, 0, {{100, 150}});
    f.region.ComputeScales();
    EXPECT_EQ(100, f.region.PickValue(130));
    EXPECT_EQ(150, f.region.PickValue(30));
    EXPECT_EQ(125, f.region.PickValue(80));
}

} // namespace
