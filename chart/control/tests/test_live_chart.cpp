// A live chart in a real window: bars that ticks open are drawn at the right edge in the chart's
// own interval, ticks older than the newest bar change nothing, and the time axis survives a
// clear-all and reload.
#include <gtest/gtest.h>

#include <ostream>

#include "live_chart_fixture.h"

using namespace livechart;

namespace
{

const int kBars = 200;

class LiveChart : public ::testing::Test
{
protected:
    LiveChartWindow window;
    FiveMinuteBars data{kBars};
    CCtlChart* ctl = nullptr;

    void SetUp() override
    {
        ASSERT_TRUE(window.Make(GetNewControl(), 800, 400));
        ctl = window.ctl;
        Load(3);
    }
    void Load(int timeKind)
    {
        ASSERT_EQ(TRUE, window.chart->AddBongChart(data.pointers, kBars, timeKind, 5));
    }
    int Newest(int k) { return ctl->GetRegionAt(0)->GetDrawObject(0)->GetSeriesTable()[k][ctl->GetMainTime().GetCurrentIndex()]; }
};

TEST_F(LiveChart, ANewBarIsOneIntervalOfTheChartAndStandsAtTheRightEdge)
{
    // Three minutes after the newest bar: one 5-minute bar, which the shown window follows.
    EXPECT_EQ(0, window.chart->AddBongRealData("170300", "5000", "1"));
    EXPECT_EQ(0, window.chart->AddBongRealData("170400", "5400", "1"));
    EXPECT_EQ(kBars + 1, window.chart->GetChartDataCount());
    EXPECT_EQ(170500, ctl->GetMainTime().GetNewestTime());
    EXPECT_EQ(5000, Newest(1)); // open
    EXPECT_EQ(5400, Newest(4)); // close
    EXPECT_EQ(kBars, ctl->GetDisplayCount());
    EXPECT_EQ(1, ctl->GetFirstIndex());
    const Picture shown = Paint(ctl);
    EXPECT_GT(HighBody(shown, NewestSlot(ctl)), 10) << "the new bar's body at the right edge";
    EXPECT_EQ(0, HighBody(shown, RightHalf(OlderSlots(ctl, 1)))) << "and nowhere else";
}

// Ticks before the newest bar (17:00, which holds the ticks after 16:55 up to 17:00).
struct OlderTick
{
    const char* what;
    const char* time;
};

void PrintTo(const OlderTick& c, std::ostream* os)
{
    *os << c.what;
}

const OlderTick kOlderTicks[] = {
    {"at the end of the bar before the newest", "165500"},
    {"within the bar before", "165200"},
    {"two bars back", "165000"},
};

class OlderTicks : public LiveChart, public ::testing::WithParamInterface<OlderTick>
{
};

TEST_P(OlderTicks, ChangeNothing)
{
    const Picture before = Paint(ctl);
    const int open = Newest(1), high = Newest(2), low = Newest(3), close = Newest(4);
    EXPECT_EQ(0, window.chart->AddBongRealData(GetParam().time, "5000", "7"));
    EXPECT_EQ(kBars, window.chart->GetChartDataCount());
    EXPECT_EQ(open, Newest(1));
    EXPECT_EQ(high, Newest(2));
    EXPECT_EQ(low, Newest(3));
    EXPECT_EQ(close, Newest(4));
    EXPECT_EQ(data.columns[5][0], chartdata::Drawn(ctl, 1, 0)[0]) << "the volume";
    const Picture after = Paint(ctl);
    EXPECT_TRUE(before.pixels == after.pixels) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(Table, OlderTicks, ::testing::ValuesIn(kOlderTicks));

TEST_F(LiveChart, ATickWithinTheNewestBarMovesOnlyThatBar)
{
    const Picture before = Paint(ctl);
    // Between the newest bar's low and high, so that no scale changes.
    const long price = data.columns[3][0] + 5;
    EXPECT_EQ(0, window.chart->AddBongRealData("165900", std::to_string(price).c_str(), "1"));
    EXPECT_EQ(kBars, window.chart->GetChartDataCount());
    EXPECT_EQ(price, Newest(4));
    const Picture after = Paint(ctl);
    CRect older(0, 0, OlderSlots(ctl, 2).right, after.height);
    int changed = 0;
    for (int y = 0; y < after.height; ++y)
        for (int x = older.left; x < older.right; ++x)
            changed += before.At(x, y) != after.At(x, y) ? 1 : 0;
    EXPECT_EQ(0, changed) << "left of the newest bar and the line into it";
    EXPECT_FALSE(before.pixels == after.pixels);
}

// Full arrays: a tick chart's bars past the free block in front, with arrays that grow or shift.
class FullArrays : public LiveChart, public ::testing::WithParamInterface<int>
{
};

TEST_P(FullArrays, StillDrawTheNewestBarAtTheRightEdge)
{
    window.chart->Remove_Chart_All();
    Load(4);
    ctl->GetSeriesSettings().m_nGrow = GetParam();
    const int free = ctl->GetFreeBlock();
    for (int i = 0; i <= free; ++i)
        ASSERT_EQ(0, window.chart->AddBongRealData("1", "1100", "1"));
    // Every tick is a bar of its own here: the last one, far above the others, a rising doji.
    EXPECT_EQ(0, window.chart->AddBongRealData("1", "5400", "1"));
    // Shifting arrays dropped a block of the oldest bars to make room.
    EXPECT_EQ(GetParam() ? kBars + free + 2 : kBars + 2, window.chart->GetChartDataCount());
    EXPECT_EQ(5400, Newest(4));
    const Picture shown = Paint(ctl);
    EXPECT_GT(HighBody(shown, NewestSlot(ctl)), 0);
    EXPECT_EQ(0, HighBody(shown, RightHalf(OlderSlots(ctl, 1))));
}

INSTANTIATE_TEST_SUITE_P(Table, FullArrays, ::testing::Values(0, 1));

// What the time axis shows: its labels and ticks in the time strip, and the vertical grid that
// follows them through the price plot.
struct TimeAxisPixels
{
    int labels = 0, gridColumns = 0;
};

TimeAxisPixels TimeAxisOf(CCtlChart* ctl, const Picture& picture)
{
    TimeAxisPixels seen;
    CRect strip = ctl->GetTimeRect();
    strip.DeflateRect(1, 2);
    seen.labels = picture.Count(strip, [](COLORREF c) { return c == RGB(0, 0, 0); });
    const CRect plot = PricePlot(ctl);
    const COLORREF grid = ctl->GetProperties().m_clrVIndi.GetColor();
    // A grid line shows between the candles over much of the plot's height; the horizontal
    // grid adds a pixel per line to every column.
    for (int x = plot.left + 1; x < plot.right - 1; ++x)
        seen.gridColumns += picture.Count(CRect(x, plot.top, x + 1, plot.bottom),
                                          [grid](COLORREF c) { return c == grid; }) > plot.Height() / 6;
    return seen;
}

struct ClearCase
{
    const char* what;
    std::function<void(CCtlChart*)> clear;
};

void PrintTo(const ClearCase& c, std::ostream* os)
{
    *os << c.what;
}

const ClearCase kClears[] = {
    {"Remove_Chart_All", [](CCtlChart* ctl) { ctl->Remove_Chart_All(); }},
    {"UpdateOutputData with 0",
     [](CCtlChart* ctl) {
         DATAUPDATEINFO info = {0, 0, 0, 0};
         ctl->UpdateOutputData(&info);
     }},
};

class ClearAndReload : public LiveChart, public ::testing::WithParamInterface<ClearCase>
{
};

TEST_P(ClearAndReload, BringsTheTimeAxisBack)
{
    const TimeAxisPixels loaded = TimeAxisOf(ctl, Paint(ctl));
    ASSERT_GT(loaded.labels, 20);
    ASSERT_GT(loaded.gridColumns, 0);
    GetParam().clear(ctl);
    EXPECT_EQ(0, window.chart->GetChartDataCount());
    Load(3);
    const TimeAxisPixels reloaded = TimeAxisOf(ctl, Paint(ctl));
    EXPECT_EQ(loaded.labels, reloaded.labels) << GetParam().what;
    EXPECT_EQ(loaded.gridColumns, reloaded.gridColumns) << GetParam().what;
    // And real-time bars are 5-minute bars again.
    EXPECT_EQ(0, window.chart->AddBongRealData("170300", "1100", "1"));
    EXPECT_EQ(170500, ctl->GetMainTime().GetNewestTime());
}

INSTANTIATE_TEST_SUITE_P(Table, ClearAndReload, ::testing::ValuesIn(kClears));

} // namespace
