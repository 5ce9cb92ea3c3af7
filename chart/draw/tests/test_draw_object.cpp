// Chart objects: the visible window, the extremes for the scale, candle binding and the kinds
// that draw nothing.
#include <gtest/gtest.h>

#include <climits>

#include <msgbox_recorder.h>

#include "../../series/tests/picture.h"
#include "KindRecords.h"
#include "draw_fixture.h"

namespace
{

struct WindowCase
{
    int axis, first, visible, length; // the store's view: its oldest slot to slot 0
    int count, newest;
};

class VisibleWindow : public ::testing::TestWithParam<WindowCase>
{
};

TEST_P(VisibleWindow, FollowsTheAxisWindowAndTheStoreLength)
{
    const WindowCase& c = GetParam();
    std::vector<int> values(size_t(c.length), 10);
    DrawFixture f(DRAWKIND_LINE, {values}, 5);
    f.object.SetAxisLength(c.axis);
    f.object.SetFirstVisible(c.first);
    f.object.SetVisibleCount(c.visible);
    int count = -1, newest = -1;
    f.object.GetVisibleRange(count, newest);
    EXPECT_EQ(c.count, count);
    EXPECT_EQ(c.newest, newest);
}

// P = L - 1 and Q = 0 (no time series: the newest bar at slot 0).
// a = N - F, b = a - V; newest = Q > b ? 0 : b - Q; a <= P: count = a - newest - P + L, else
// L - newest. Counts below 0 or past the data's end are held to it.
INSTANTIATE_TEST_SUITE_P(Table, VisibleWindow,
                         ::testing::Values(WindowCase{10, 0, 10, 10, 10, 0},  // everything
                                           WindowCase{10, 0, 5, 10, 5, 5},    // a > P: to the oldest
                                           WindowCase{10, 5, 5, 10, 6, 0},    // a <= P
                                           WindowCase{10, 3, 4, 10, 5, 3},    // newest = b - Q
                                           WindowCase{10, 10, 0, 10, 1, 0},   // V = 0, F = N
                                           WindowCase{10, 15, 0, 10, 0, 0},   // would be -4
                                           WindowCase{10, 0, 0, 10, 0, 10},   // past the newest
                                           WindowCase{30, 0, 5, 10, 0, 10}));

TEST(Extremes, AnEmptyWindowGivesNoExtreme)
{
    DrawFixture f(DRAWKIND_LINE, {{30, 20, 10}}, 5);
    f.object.SetFirstVisible(10);
    f.object.SetVisibleCount(0);
    EXPECT_EQ(SERIES_EMPTYMIN, f.object.GetMaxValue(1));
    EXPECT_EQ(SERIES_NOTCOMPUTED, f.object.GetMinValue(1));
    EXPECT_EQ(30, f.object.GetMaxValue(0));
    EXPECT_EQ(10, f.object.GetMinValue(0));
}

TEST(Extremes, BarModeTwoIsSymmetricAboutZero)
{
    DrawFixture f(DRAWKIND_BAR, {{500, 120, EMPTY}}, 5);
    f.object.m_nBarMode = 2;
    EXPECT_EQ(500, f.object.GetMaxValue(0));
    EXPECT_EQ(-500, f.object.GetMinValue(0));

    // Nothing counted: the minimum stays empty instead of negating the smallest int.
    DrawFixture none(DRAWKIND_BAR, {{EMPTY, EMPTY}}, 5);
    none.object.m_nBarMode = 2;
    EXPECT_EQ(SERIES_EMPTYMIN, none.object.GetMaxValue(0));
    EXPECT_EQ(SERIES_NOTCOMPUTED, none.object.GetMinValue(0));
}

TEST(Extremes, StackedSumsNeitherWrapNorCountReservedParts)
{
    DrawFixture f(DRAWKIND_BAR, {{2000000000, 5, EMPTY, -2000000000}, {2000000000, SERIES_NOTCOMPUTED, 7, -2000000000}},
                  5);
    f.object.m_nStack = 1;
    f.object.m_pS0 = f.store.m_ppSeries[0];
    f.object.m_pS1 = f.store.m_ppSeries[1];
    EXPECT_EQ(INT_MAX - 1, f.object.GetMaxValue(0));
    EXPECT_EQ(INT_MIN + 1, f.object.GetMinValue(0));
}

TEST(CandleBinding, FillsAMissingOpenOrHighFromTheOther)
{
    // Series 1..4 are open, high, low and close.
    DrawFixture f(DRAWKIND_CANDLE, {{0, 0}, {0, 80}, {120, 0}, {5, 6}, {15, 16}}, 5);
    ASSERT_EQ(1, f.object.BindCandleSeries());
    EXPECT_EQ(120, f.object.GetS0()[0]);
    EXPECT_EQ(80, f.object.GetS1()[1]);
    EXPECT_EQ(0xFF0000u, f.object.m_clrFall.GetColor());
    EXPECT_EQ(0x0000FFu, f.object.m_clrRise.GetColor());
}

TEST(CandleBinding, FollowsTheStoreWhenItsSeriesMove)
{
    DrawFixture f(DRAWKIND_CANDLE, {{0, 0}, {10, 11}, {20, 21}, {5, 6}, {15, 16}}, 5);
    ASSERT_EQ(1, f.object.BindCandleSeries());
    int fresh[] = {1, 2, 3};
    f.store.SetSeriesDataRaw(fresh, 3, 4);
    EXPECT_EQ(f.store.m_ppSeries[4], f.object.GetS3());
}

TEST(SeriesBinding, ReferencesAndTheSecondBarSeries)
{
    CReferenceList references;
    CReferenceValue entry;
    entry.m_strName = "base";
    entry.m_nValue = 4200;
    references.Add(entry);

    DrawFixture line(DRAWKIND_LINE, {{1, 2}}, 5);
    DLINEPROP lineRecord;
    lineRecord.BaseLine = 1;
    lineRecord.BaseName = "base";
    lineRecord.Title = "MA5";
    ASSERT_EQ(1, line.object.BindSeries(DRAWKIND_LINE, &lineRecord, references));
    EXPECT_EQ(4200, line.object.GetS4Number());
    EXPECT_EQ(line.store.m_ppSeries[0], line.object.GetS0());
    EXPECT_STREQ("MA5", line.object.GetObjectName());

    DrawFixture bars(DRAWKIND_BAR, {{1, 2}, {3, 4}}, 5);
    bars.store.m_arNames.Add("vol");
    bars.store.m_arNames.Add("sell");
    DBARPROP barRecord;
    barRecord.BarMode = 1;
    barRecord.RefName = "nothing";
    EXPECT_EQ(1, bars.object.BindSeries(DRAWKIND_BAR, &barRecord, references));
    EXPECT_EQ(0, bars.object.GetS4Number());

    barRecord.BarMode = 2;
    barRecord.RefName = "sell";
    EXPECT_EQ(1, bars.object.BindSeries(DRAWKIND_BAR, &barRecord, references));
    EXPECT_EQ(bars.store.m_ppSeries[1], bars.object.GetS1());

    CMsgBoxRecorder boxes;
    barRecord.RefName = "missing";
    EXPECT_EQ(0, bars.object.BindSeries(DRAWKIND_BAR, &barRecord, references));
    barRecord.RefName = "";
    EXPECT_EQ(0, bars.object.BindSeries(DRAWKIND_BAR, &barRecord, references));
    ASSERT_EQ(2u, boxes.Boxes().size());
    EXPECT_EQ("거래량차트 데이터 missing을 찾을수 없습니다.", boxes.Boxes()[0].text);
    EXPECT_EQ("거래량차트의 데이터가 정의되지 않았습니다.", boxes.Boxes()[1].text);

    EXPECT_EQ(0, bars.object.BindSeries(DRAWKIND_PIE, &barRecord, references));
}

TEST(Kinds, VolumeAtPriceDrawsNothingAndIsNeverHit)
{
    DrawFixture f(DRAWKIND_MEAMUL, {{50, 60, 70}}, 10);
    Picture picture(60, 100, RGB(255, 255, 255));
    f.object.ToggleSelect();
    f.object.Draw(CRect(0, 0, 60, 100), &picture.dc(), FALSE);
    for (int x = 0; x < 60; ++x)
        for (int y = 0; y < 100; ++y)
            ASSERT_EQ(RGB(255, 255, 255), picture.At(x, y));
    EXPECT_EQ(0, f.object.HitTest(CRect(0, 0, 60, 100), 5, 50, FALSE));
}

TEST(PointShapes, FilledShapesFillAndUnknownStylesDrawNothing)
{
    DrawFixture f(DRAWKIND_LINE, {{1}}, 5);
    Picture picture(40, 40, RGB(255, 255, 255));
    f.object.DrawPointShape(10, 10, 6, RGB(0, 128, 0), &picture.dc());
    EXPECT_EQ(RGB(0, 128, 0), picture.At(10, 10));
    f.object.DrawPointShape(30, 10, 2, RGB(0, 128, 0), &picture.dc());
    EXPECT_EQ(RGB(255, 255, 255), picture.At(30, 10)); // outline only
    EXPECT_EQ(RGB(0, 128, 0), picture.At(26, 10));
    f.object.DrawPointShape(10, 30, 8, RGB(0, 128, 0), &picture.dc());
    f.object.DrawPointShape(10, 30, 0, RGB(0, 128, 0), &picture.dc());
    for (int x = 0; x < 20; ++x)
        for (int y = 20; y < 40; ++y)
            ASSERT_EQ(RGB(255, 255, 255), picture.At(x, y));
}

} // namespace
