// Volume at price: the scale step, the header and scale of an empty chart, bars in rows and by
// price, the percentage text and the five-row layout's guards.
#include <gtest/gtest.h>

#include "../../series/tests/picture.h"
#include "DrawObject.h"
#include "Meamul.h"
#include "Properties.h"

namespace
{

const COLORREF WHITE = RGB(255, 255, 255);
const COLORREF SELL = RGB(0, 0, 200);
const COLORREF BUY = RGB(200, 0, 0);
const COLORREF EVEN = RGB(0, 150, 0);
const COLORREF LINE = RGB(40, 40, 40);
// Plot 115..440 (margins 15 and 60), rows 25..280 inside it, the scale from row 280.
const CRect AREA(100, 0, 500, 300);

struct StepCase
{
    long long value, step;
};

class ScaleStep : public ::testing::TestWithParam<StepCase>
{
};

TEST_P(ScaleStep, FollowsTheLeadingDigit)
{
    EXPECT_EQ(GetParam().step, VolumeScaleStep(GetParam().value)) << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(Table, ScaleStep,
                         ::testing::Values(StepCase{0, 0}, StepCase{1, 2}, StepCase{8, 10}, StepCase{15, 20},
                                           StepCase{25, 30}, StepCase{399, 400}, StepCase{4567, 5000},
                                           StepCase{99, 100}, StepCase{600000, 1000000}));

TEST(VolumePercent, HundredthsShowAsWholePercent)
{
    EXPECT_STREQ("45%", VolumePercentText(4567));
    EXPECT_STREQ("0%", VolumePercentText(99));
}

struct Chart
{
    CMeamul meamul;
    Picture picture{520, 300, WHITE};

    Chart()
    {
        DMEAMULPROP record;
        record.SellColor = CCtlColor::Rgb(SELL);
        record.BuyColor = CCtlColor::Rgb(BUY);
        record.EvenColor = CCtlColor::Rgb(EVEN);
        record.LineColor = CCtlColor::Rgb(LINE);
        record.TextColor = CCtlColor::Rgb(RGB(0, 0, 0));
        meamul.SetProperty(record);
    }
    void Paint() { meamul.SetArea(AREA, WHITE, &picture.dc()); }
};

TEST(VolumeAtPrice, WithNoLevelOnlyTheHeaderAndTheScaleAreDrawn)
{
    Chart chart;
    chart.Paint(); // a largest total of 0 gives a step of 0: no ticks to walk
    EXPECT_EQ(SELL, chart.picture.At(90, 12)); // first header box: 86..103, rows 7..18
    EXPECT_EQ(LINE, chart.picture.At(200, 280));
    EXPECT_EQ(WHITE, chart.picture.At(115, 283));
    for (int y = 30; y < 275; y += 5)
        ASSERT_EQ(WHITE, chart.picture.At(300, y)) << y;
}

TEST(VolumeAtPrice, LevelsInRowsFromTheHighestPriceDown)
{
    Chart chart;
    const int prices[] = {100, 300, 200};
    const int first[] = {10, 30, 0};
    const int last[] = {10, 10, 0};
    const int percents[] = {4567, 1000, 0};
    ASSERT_EQ(3, chart.meamul.SetLevels(3, prices, first, last, nullptr, percents));
    EXPECT_EQ(40, chart.meamul.GetLargestTotal());
    chart.Paint();
    // 325 pixels for 40: 8.125 per unit; rows of 85, bars a fifth in from each edge.
    EXPECT_EQ(SELL, chart.picture.At(200, 60)); // 300: 30 then 10
    EXPECT_EQ(BUY, chart.picture.At(400, 60));
    EXPECT_EQ(WHITE, chart.picture.At(200, 145)); // 200: nothing traded
    EXPECT_EQ(SELL, chart.picture.At(150, 240)); // 100: 10 then 10
    EXPECT_EQ(BUY, chart.picture.At(250, 240));
    EXPECT_EQ(WHITE, chart.picture.At(300, 215));
    // Scale 0..40 in steps of 10 (5 ticks of 8 give 10): ticks every 81 pixels, minor ticks of 3.
    EXPECT_EQ(LINE, chart.picture.At(196, 283));
    EXPECT_EQ(LINE, chart.picture.At(131, 281));
    EXPECT_EQ(WHITE, chart.picture.At(131, 284));
}

// A largest total below the number of major ticks gives a step of 0: the scale line alone.
TEST(VolumeAtPrice, ATotalBelowTheTickCountDrawsNoTicks)
{
    Chart chart;
    const int prices[] = {100}, first[] = {2}, last[] = {1};
    chart.meamul.SetLevels(1, prices, first, last);
    chart.Paint();
    EXPECT_EQ(LINE, chart.picture.At(300, 280));
    for (int x = 110; x < 445; ++x)
        ASSERT_EQ(WHITE, chart.picture.At(x, 283)) << x;
    EXPECT_EQ(SELL, chart.picture.At(200, 150)) << "the bar is drawn";
}

TEST(VolumeAtPrice, ThreePartBarsPutTheMiddlePartBetween)
{
    Chart chart;
    const int prices[] = {500};
    const int first[] = {10}, middle[] = {10}, last[] = {20};
    chart.meamul.SetLevels(1, prices, first, last, middle);
    chart.Paint();
    // 325 / 40 per unit from x 116: 116..197, 197..278, 278..440.
    EXPECT_EQ(SELL, chart.picture.At(150, 150));
    EXPECT_EQ(EVEN, chart.picture.At(240, 150));
    EXPECT_EQ(BUY, chart.picture.At(350, 150));
}

TEST(VolumeAtPrice, OnePriceByPriceStandsInTheMiddle)
{
    Chart chart;
    chart.meamul.m_record.ByPrice = 1;
    const int prices[] = {500}, first[] = {20}, last[] = {0};
    chart.meamul.SetLevels(1, prices, first, last);
    chart.Paint(); // highest equals lowest
    EXPECT_EQ(SELL, chart.picture.At(200, 152));
}

TEST(VolumeAtPrice, FiveRowLayoutGuards)
{
    Chart chart;
    chart.meamul.SetLayout(1);
    CStringArray few, volumes;
    few.Add("1");
    few.Add("2");
    volumes.Add("5");
    chart.meamul.SetBands(few, volumes);
    chart.Paint(); // fewer than six boundaries: nothing to place, the scale still drawn
    EXPECT_EQ(LINE, chart.picture.At(200, 280));
    EXPECT_EQ(WHITE, chart.picture.At(300, 265));

    Chart flat;
    flat.meamul.SetLayout(1);
    CStringArray same, bands;
    for (int i = 0; i < 6; ++i)
        same.Add("7");
    for (LPCSTR v : {"1", "2", "3", "4", "5"})
        bands.Add(v);
    flat.meamul.SetBands(same, bands);
    flat.Paint(); // p5 = p0
    // Band 4 (5 of the largest 5) fills the top row of five, a ninth in from its edges.
    EXPECT_EQ(SELL, flat.picture.At(300, 50));
    EXPECT_EQ(SELL, flat.picture.At(170, 240)); // band 0: 1/5 of 325 from x 116
    EXPECT_EQ(WHITE, flat.picture.At(200, 240));
}

// The chart hands the drawer the record of its volume-at-price object: the drawer paints in
// that record's colours; a chart without such an object leaves the record as it was.
TEST(VolumeAtPrice, TakesTheRecordOfTheChartsVolumeAtPriceObject)
{
    CProperties properties;
    DDRAWOBJDATA* line = new DDRAWOBJDATA;
    line->Kind = DRAWKIND_LINE;
    line->KindProp = NewKindRecord(DRAWKIND_LINE);
    properties.m_ObjectList.AddTail(line);
    CMeamul meamul;
    DMEAMULPROP mine;
    mine.SellName = "kept";
    meamul.SetProperty(mine);
    EXPECT_FALSE(meamul.SetChart(&properties));
    EXPECT_STREQ("kept", meamul.GetProperty().SellName);
    EXPECT_FALSE(meamul.SetChart(nullptr));

    DDRAWOBJDATA* object = new DDRAWOBJDATA;
    object->Kind = DRAWKIND_MEAMUL;
    DMEAMULPROP* record = static_cast<DMEAMULPROP*>(NewKindRecord(DRAWKIND_MEAMUL));
    record->SellColor = CCtlColor::Rgb(SELL);
    record->BuyColor = CCtlColor::Rgb(BUY);
    record->LineColor = CCtlColor::Rgb(LINE);
    record->SellName = "chart's";
    object->KindProp = record;
    properties.m_ObjectList.AddTail(object);
    ASSERT_TRUE(meamul.SetChart(&properties));
    EXPECT_STREQ("chart's", meamul.GetProperty().SellName);

    const int prices[] = {300, 100}, first[] = {30, 10}, last[] = {10, 10};
    meamul.SetLevels(2, prices, first, last);
    Picture picture(520, 300, WHITE);
    meamul.SetArea(AREA, WHITE, &picture.dc());
    EXPECT_EQ(SELL, picture.At(90, 12)) << "the header box of the first part";
    EXPECT_EQ(SELL, picture.At(200, 90));
    EXPECT_EQ(BUY, picture.At(400, 90));
    EXPECT_EQ(LINE, picture.At(200, 280)) << "the scale";
}

} // namespace
