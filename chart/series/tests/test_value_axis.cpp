// Value axes: the tidy step, label gaps, the ticks of a scale and the current-value tag.
#include <gtest/gtest.h>

#include <vector>

#include "SeriesValues.h"
#include "ValueAxis.h"
#include "fixed_measurer.h"
#include "picture.h"

namespace
{

struct StepCase
{
    long long value;
    long long step;
    int exponent;
};

class Nice : public ::testing::TestWithParam<StepCase>
{
};

TEST_P(Nice, RoundsToOneTwoOrFiveTimesAPowerOfTen)
{
    int exponent = -1;
    EXPECT_EQ(GetParam().step, NiceStep(GetParam().value, exponent)) << GetParam().value;
    EXPECT_EQ(GetParam().exponent, exponent) << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(Table, Nice,
                         ::testing::Values(StepCase{0, 0, 0}, StepCase{1, 1, 0}, StepCase{2, 2, 0},
                                           StepCase{4, 5, 0}, StepCase{7, 10, 1}, StepCase{23, 20, 1},
                                           StepCase{26, 50, 1}, StepCase{125, 100, 2}, StepCase{1450, 1000, 3},
                                           StepCase{1550, 2000, 3}, StepCase{5500, 10000, 4},
                                           StepCase{-3, 10, 1}, StepCase{4294967295LL, 5000000000LL, 9}));

TEST(LabelGap, GrowsWithTheAxisLength)
{
    const int lengths[] = {79, 80, 99, 100, 129, 130, 199, 200, 499, 500, 999, 1000};
    const int vertical[] = {2, 5, 5, 7, 7, 9, 9, 11, 11, 13, 13, 15};
    const int horizontal[] = {2, 20, 20, 24, 24, 30, 30, 40, 40, 50, 50, 60};
    for (int i = 0; i < 12; ++i)
    {
        EXPECT_EQ(vertical[i], VerticalLabelGap(lengths[i])) << lengths[i];
        EXPECT_EQ(horizontal[i], HorizontalLabelGap(lengths[i])) << lengths[i];
    }
}

struct Scale
{
    bool drawn;
    long long step;
    std::vector<long long> values; // labelled
    std::vector<std::pair<long long, int>> ticks; // value and y
    int YOf(long long value) const
    {
        for (auto& t : ticks)
            if (t.first == value)
                return t.second;
        return -1000;
    }
};

Scale Layout(int max, int min, int divisions = 0, float ppu = 0, int top = 0, int bottom = 200)
{
    ValueScaleInput in;
    in.maximum = max;
    in.minimum = min;
    in.top = top;
    in.bottom = bottom;
    in.clipBottom = bottom + 100;
    in.labelHeight = 14;
    in.divisions = divisions;
    long long range = (long long)max - min;
    in.pixelsPerUnit = ppu > 0 ? ppu : (range > 0 ? float(bottom - top) / float(range) : 1.0f);
    CArray<ValueScaleTick, const ValueScaleTick&> ticks;
    Scale scale;
    scale.drawn = LayoutValueScale(in, ticks, &scale.step);
    for (INT_PTR i = 0; i < ticks.GetSize(); ++i)
    {
        scale.ticks.push_back({ticks[i].value, ticks[i].y});
        if (ticks[i].label)
            scale.values.push_back(ticks[i].value);
    }
    return scale;
}

using Values = std::vector<long long>;

TEST(ValueScale, TwoHundredPixelsWithFourteenPixelLabels)
{
    // 200 / (11 + 14) = 8 labels: a raw step of 125, a step of 100.
    Scale scale = Layout(1000, 0);
    ASSERT_TRUE(scale.drawn);
    EXPECT_EQ(100, scale.step);
    EXPECT_EQ((Values{0, 100, 200, 300, 400, 500, 600, 700, 800, 900, 1000}), scale.values);
}

TEST(ValueScale, AFlatScaleIsOpenedUp)
{
    // 0 to 0 becomes 0 to 10: at 10 pixels a unit, 0 on the bottom and 10 a hundred pixels up.
    Scale zero = Layout(0, 0, 0, 10);
    ASSERT_TRUE(zero.drawn);
    EXPECT_EQ(200, zero.YOf(0));
    EXPECT_EQ(100, zero.YOf(10));
    // Any other flat value gets 10 on either side.
    Scale flat = Layout(500, 500, 0, 5);
    ASSERT_TRUE(flat.drawn);
    EXPECT_EQ(200, flat.YOf(490));
    EXPECT_EQ(100, flat.YOf(510));
}

TEST(ValueScale, EmptyExtremesDrawNothing)
{
    EXPECT_FALSE(Layout(SERIES_EMPTYMIN, SERIES_NOTCOMPUTED, 0, 1).drawn);
    EXPECT_FALSE(Layout(SERIES_EMPTYMIN, SERIES_EMPTYMIN, 0, 1).drawn);
}

TEST(ValueScale, TheWholeIntRangeDoesNotOverflow)
{
    Scale scale = Layout(SERIES_NOTCOMPUTED - 1, SERIES_EMPTYMIN + 1);
    ASSERT_TRUE(scale.drawn);
    EXPECT_EQ(500000000, scale.step);
    EXPECT_EQ(-2000000000, scale.values.front());
    EXPECT_EQ(2000000000, scale.values.back());
}

TEST(ValueScale, ARangeLowerThanALabelDrawsNothing)
{
    EXPECT_FALSE(Layout(110, 100, 0, 1).drawn);
}

TEST(ValueScale, NegativeMinimaStartOnAMultipleBelow)
{
    Scale scale = Layout(45, -15);
    EXPECT_EQ(10, scale.step);
    EXPECT_EQ(-10, scale.values.front()); // -20 lies below the strip
    EXPECT_EQ(40, scale.values.back());
}

TEST(ValueScale, FixedDivisionsWhereTheyFit)
{
    EXPECT_EQ((Values{0, 25, 50, 75, 100}), Layout(100, 0, 5).values);
    EXPECT_EQ((Values{0, 25, 50, 75, 100}), Layout(101, 0, 5).values);
    // (5 + 1) x 10 is not below 50 and 50 is no multiple of 6: the scale steps instead.
    Scale steps = Layout(50, 0, 5);
    EXPECT_NE(0, steps.step);
}

TEST(ValueScale, InvertedScalesGrowDownwards)
{
    ValueScaleInput in;
    in.maximum = 100;
    in.minimum = 0;
    in.top = 0;
    in.bottom = 200;
    in.clipBottom = 300;
    in.labelHeight = 14;
    in.pixelsPerUnit = 2;
    in.inverted = true;
    CArray<ValueScaleTick, const ValueScaleTick&> ticks;
    ASSERT_TRUE(LayoutValueScale(in, ticks));
    for (INT_PTR i = 0; i < ticks.GetSize(); ++i)
        EXPECT_EQ(int(ticks[i].value * 2), ticks[i].y);
}

std::vector<long long> Horizontal(int max, int min, int count, int left = 0, int right = 400)
{
    CArray<AxisLabel, const AxisLabel&> labels;
    LayoutHorizontalScale(max, min, left, right, count, NumberFormat(), FixedMeasurer(), labels);
    std::vector<long long> values;
    for (INT_PTR i = 0; i < labels.GetSize(); ++i)
        values.push_back(labels[i].value);
    return values;
}

TEST(HorizontalScale, StepsByTheLabelCountOrTheLabelWidth)
{
    EXPECT_EQ((Values{0, 20, 40, 60, 80, 100}), Horizontal(100, 0, 5));
    // 400 pixels, gap 40, labels "1,000" of 30: 5 labels, a raw step of 200.
    EXPECT_EQ((Values{0, 200, 400, 600, 800, 1000}), Horizontal(1000, 0, 0));
}

TEST(HorizontalScale, NoRangeOrNoCountNeverDividesByZero)
{
    EXPECT_FALSE(Horizontal(500, 500, 0).empty());
    EXPECT_FALSE(Horizontal(500, 500, 3).empty());
    EXPECT_FALSE(Horizontal(5, 0, 50).empty()); // a step below 1 counts as 1
    EXPECT_TRUE(Horizontal(SERIES_EMPTYMIN, SERIES_NOTCOMPUTED, 0).empty());
    EXPECT_TRUE(Horizontal(100, 0, 0, 10, 12).empty()); // no room
}

TEST(CategoryAxis, SkipsCategoriesThatWouldCrowdAndFollowsTheDataOrder)
{
    CStringArray categories;
    for (const char* c : {"A", "B", "C", "D", "E", "F"})
        categories.Add(c);
    CArray<AxisLabel, const AxisLabel&> labels;
    // "XXX" is 18 pixels: 1.5 x 18 / 10 = 2, every second category.
    LayoutCategoryAxis(categories, 10, 0, FixedMeasurer(), labels);
    ASSERT_EQ(3, labels.GetSize());
    EXPECT_STREQ("C", labels[1].text);
    EXPECT_EQ(25, labels[1].x);
    LayoutCategoryAxis(categories, 10, 1, FixedMeasurer(), labels);
    EXPECT_STREQ("F", labels[0].text);
    LayoutCategoryAxis(categories, 0, 0, FixedMeasurer(), labels);
    EXPECT_EQ(6, labels.GetSize());
}

struct TagCase
{
    int sign;
    COLORREF fill;
    COLORREF text;
};

class Tag : public ::testing::TestWithParam<TagCase>
{
};

TEST_P(Tag, IsColouredBySign)
{
    COLORREF fill = 1, text = 1;
    CIndex::TagColours(GetParam().sign, fill, text);
    EXPECT_EQ(GetParam().fill, fill);
    EXPECT_EQ(GetParam().text, text);
}

INSTANTIATE_TEST_SUITE_P(Table, Tag,
                         ::testing::Values(TagCase{1, RGB(255, 0, 0), RGB(255, 255, 255)},
                                           TagCase{2, RGB(255, 0, 0), RGB(255, 255, 255)},
                                           TagCase{3, RGB(255, 255, 0), RGB(0, 0, 0)},
                                           TagCase{4, RGB(0, 0, 255), RGB(255, 255, 255)},
                                           TagCase{5, RGB(0, 0, 255), RGB(255, 255, 255)}));

TEST(ValueAxisDrawing, DrawsTheAxisLineGridAndAYellowTagForSignThree)
{
    Picture picture(300, 240, RGB(255, 255, 255));
    ValueAxisParams p;
    p.axis = CRect(240, 20, 300, 220);
    p.plotLeft = 10;
    p.plotRight = 240;
    p.plotTop = 20;
    p.plotBottom = 220;
    p.clipBottom = 236;
    p.maximum = 1000;
    p.minimum = 0;
    p.pixelsPerUnit = 0.2f;
    p.horizontalGrid = TRUE;
    p.gridColour = RGB(0, 200, 0);
    p.currentValue = 500;
    p.signCode = 3;
    BOOL gridDrawn = FALSE;
    CIndex().Draw(&picture.dc(), p, false, gridDrawn);
    EXPECT_TRUE(gridDrawn);
    EXPECT_EQ(RGB(128, 128, 130), picture.At(240, 100)); // the axis line
    EXPECT_EQ(RGB(0, 200, 0), picture.At(100, 20));      // the grid at 1000
    EXPECT_EQ(RGB(255, 255, 0), picture.At(242, 120 - 5)); // the tag box at 500, above its text

    // The other side of the same region draws no second grid.
    Picture second(300, 240, RGB(255, 255, 255));
    p.signCode = 0;
    CIndex().Draw(&second.dc(), p, true, gridDrawn);
    EXPECT_EQ(RGB(255, 255, 255), second.At(100, 20));
}

} // namespace
