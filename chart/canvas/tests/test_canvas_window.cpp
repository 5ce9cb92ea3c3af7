// The canvas as a host meets it: real windows, sent timer ticks, and paints read back from
// memory DCs by colour.
#include <gtest/gtest.h>

#include <algorithm>

#include "canvas_fixture.h"

namespace
{

const COLORREF kBack = RGB(10, 20, 30);
const COLORREF kUnpainted = RGB(255, 0, 255);

class CanvasWindow : public ::testing::Test
{
protected:
    CHostWindow host;
    CCanvas canvas;

    void Make(BOOL toolBar)
    {
        ASSERT_TRUE(host.Make(500, 300));
        canvas.m_nToolBarUse = toolBar;
        canvas.GetProperties().m_clrBack = CCtlColor::Rgb(kBack);
        ASSERT_TRUE(canvas.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 500, 300), &host, 100));
    }
    // A region with 200 candles, data ready, painted once and counted from zero.
    void MakeCharted(BOOL toolBar)
    {
        Make(toolBar);
        const std::vector<int> times = DailyTimes(200);
        canvas.SetTimes(times.data(), 200);
        const int region = canvas.AddRegion();
        canvas.AddDrawObject(region, MakeSeriesObject(canvas, DRAWKIND_CANDLE, CandleSeries(200)));
        canvas.SetDataReady(TRUE);
        canvas.Invalidate();
        canvas.UpdateWindow();
        canvas.ResetCounters();
    }
    void TearDown() override
    {
        if (canvas.GetSafeHwnd())
            canvas.DestroyWindow();
        if (host.GetSafeHwnd())
            host.DestroyWindow();
    }
    // Paints the canvas into a memory DC first filled with kUnpainted; calls check(dc).
    template <class Check>
    void PaintInMemory(Check check)
    {
        CClientDC screen(&canvas);
        CDC memory;
        memory.CreateCompatibleDC(&screen);
        CBitmap bitmap;
        bitmap.CreateCompatibleBitmap(&screen, 500, 300);
        CBitmap* old = memory.SelectObject(&bitmap);
        memory.FillSolidRect(0, 0, 500, 300, kUnpainted);
        canvas.PaintTo(&memory, CRect(0, 0, 500, 300));
        check(memory);
        memory.SelectObject(old);
    }
};

TEST_F(CanvasWindow, WithNoRegionOnlyTheBackgroundIsPainted)
{
    Make(FALSE);
    canvas.SetDataReady(TRUE);
    canvas.GetProperties().m_nBorderDisplay = 0;
    PaintInMemory([](CDC& dc) {
        for (int y = 0; y < 284; y += 7)
            for (int x = 0; x < 500; x += 9)
                ASSERT_EQ(kBack, dc.GetPixel(x, y)) << x << "," << y;
        EXPECT_EQ(kUnpainted, dc.GetPixel(250, 290)); // the bottom 16 rows are left alone
    });
    canvas.GetProperties().m_nBorderDisplay = 1;
    PaintInMemory([](CDC& dc) {
        EXPECT_EQ(RGB(0, 0, 0), dc.GetPixel(0, 100));
        EXPECT_EQ(RGB(0, 0, 0), dc.GetPixel(250, 0));
        EXPECT_EQ(kBack, dc.GetPixel(250, 100));
    });
}

TEST_F(CanvasWindow, BeforeTheDataIsReadyTheWholeClientIsBackground)
{
    Make(FALSE);
    canvas.AddRegion();
    PaintInMemory([](CDC& dc) {
        EXPECT_EQ(kBack, dc.GetPixel(250, 100));
        EXPECT_EQ(kBack, dc.GetPixel(250, 295));
    });
}

TEST_F(CanvasWindow, TheVolumeAtPriceLayoutPaintsEvenWhenHidden)
{
    canvas.GetProperties().SetTimeKind(-1);
    Make(FALSE);
    canvas.ShowWindow(SW_HIDE);
    PaintInMemory([](CDC& dc) { EXPECT_EQ(kBack, dc.GetPixel(250, 295)); }); // not ready: all background
    canvas.SetDataReady(TRUE);
    PaintInMemory([](CDC& dc) {
        EXPECT_EQ(RGB(0, 0, 0), dc.GetPixel(0, 100)); // the border, in black for this layout
        EXPECT_NE(kUnpainted, dc.GetPixel(250, 150));
    });
    // Other layouts paint nothing while hidden.
    canvas.GetProperties().SetTimeKind(0);
    PaintInMemory([](CDC& dc) { EXPECT_EQ(kUnpainted, dc.GetPixel(250, 150)); });
}

TEST_F(CanvasWindow, FiftyChangesThenOneTimerTickGiveExactlyOnePaint)
{
    MakeCharted(TRUE);
    for (int i = 0; i < 50; ++i)
        canvas.OnDataChanged();
    EXPECT_EQ(0, canvas.GetPaintCount()); // changes never paint by themselves
    canvas.SendMessage(WM_TIMER, CCanvas::TIMER_REPAINT, 0);
    canvas.UpdateWindow();
    EXPECT_EQ(1, canvas.GetPaintCount());
    canvas.SendMessage(WM_TIMER, CCanvas::TIMER_REPAINT, 0); // nothing changed since
    canvas.UpdateWindow();
    PumpMessages();
    EXPECT_EQ(1, canvas.GetPaintCount());
}

TEST_F(CanvasWindow, WithTheCrosshairOnAChangeGivesOnePaintAndOneCrosshairRedraw)
{
    MakeCharted(TRUE);
    canvas.SetCrosshair(TRUE, CPoint(120, 80));
    canvas.SetCrosshairTagShown(TRUE);
    canvas.OnDataChanged();
    canvas.SendMessage(WM_TIMER, CCanvas::TIMER_REPAINT, 0);
    canvas.UpdateWindow();
    PumpMessages();
    canvas.UpdateWindow();
    EXPECT_EQ(1, canvas.GetPaintCount());
    EXPECT_EQ(1, canvas.GetCrosshairRedraws());
    // And again: one more change, one more paint, never a loop.
    canvas.OnDataChanged();
    canvas.SendMessage(WM_TIMER, CCanvas::TIMER_REPAINT, 0);
    for (int i = 0; i < 5; ++i)
    {
        canvas.UpdateWindow();
        PumpMessages();
    }
    EXPECT_EQ(2, canvas.GetPaintCount());
    EXPECT_EQ(2, canvas.GetCrosshairRedraws());
}

TEST_F(CanvasWindow, TheBottomBarAndTheTimeAxisTakeTheirRows)
{
    MakeCharted(TRUE);
    ASSERT_NE(nullptr, canvas.GetBottomBar());
    EXPECT_EQ(CRect(0, 0, 500, 268), canvas.GetPlotRect()); // 300 - bar 16 - time axis 16
    const int L = canvas.GetProperties().GetLIndexWidth();
    const int R = canvas.GetProperties().GetRIndexWidth();
    EXPECT_EQ(CRect(L, 268, 500 - R, 284), canvas.GetTimeRect());
    // x to slot on the live window: left of the plot slot 0, right of it the last slot.
    EXPECT_EQ(0, canvas.SlotOfX(0));
    EXPECT_EQ(199, canvas.SlotOfX(499));
    EXPECT_EQ(199, canvas.DataIndexOfSlot(0));
    EXPECT_FLOAT_EQ(float(500 - L - R) / 200, canvas.GetPixelsPerSlot());
}

TEST_F(CanvasWindow, TheScrollBarMovesTheShownWindow)
{
    MakeCharted(TRUE);
    canvas.SetShowWindow(100, 50);
    CXScrollBar* scroll = canvas.GetBottomBar()->GetScrollBar();
    ASSERT_NE(nullptr, scroll);
    EXPECT_EQ(100, scroll->GetScrollPos());
    canvas.OnBarScroll(XSB_MOVED, 180, scroll); // clamped to total - count
    EXPECT_EQ(150, canvas.GetFirstIndex());
    canvas.OnBarSlider(SLIDER_UP, 100, nullptr); // the slider at 100 shows one item
    EXPECT_EQ(1, canvas.GetDisplayCount());
    EXPECT_EQ(199, canvas.GetFirstIndex()); // the right edge stays
    canvas.OnBarSlider(SLIDER_DOWN, 0, nullptr);
    EXPECT_EQ(200, canvas.GetDisplayCount());
    EXPECT_EQ(0, canvas.GetFirstIndex());
}

TEST_F(CanvasWindow, TheSplitterBoundaryMovesAndStopsFourPixelsShort)
{
    MakeCharted(FALSE);
    const int lower = canvas.AddRegion();
    CRegionCanvas* top = canvas.GetRegion(0);
    CRegionCanvas* bottom = canvas.GetRegion(lower);
    const int boundary = bottom->GetPlotRect().top;
    EXPECT_EQ(boundary, top->GetPlotRect().bottom);
    CDivideWnd* splitter = canvas.GetSplitter(lower);
    ASSERT_NE(nullptr, splitter);
    EXPECT_TRUE(splitter->IsWindowVisible());
    EXPECT_FALSE(canvas.GetSplitter(0)->IsWindowVisible()); // none above the first region
    canvas.SendMessage(WM_DIVIDE_RELEASED, WPARAM(lower), LPARAM(-30));
    EXPECT_EQ(boundary - 30, bottom->GetPlotRect().top);
    EXPECT_EQ(boundary - 30, top->GetPlotRect().bottom);
    EXPECT_FLOAT_EQ(float(top->GetPlotRect().Height()) / canvas.GetPlotRect().Height(), canvas.GetRegionRatio(0));
    canvas.SendMessage(WM_DIVIDE_RELEASED, WPARAM(lower), LPARAM(-5000));
    EXPECT_EQ(4, top->GetPlotRect().Height());
    canvas.SendMessage(WM_DIVIDE_RELEASED, WPARAM(lower), LPARAM(5000));
    EXPECT_EQ(4, bottom->GetPlotRect().Height());
}

TEST_F(CanvasWindow, ASplitterWithNoVisibleRegionAboveMovesNothing)
{
    MakeCharted(FALSE);
    const int lower = canvas.AddRegion();
    CRegionCanvas* bottom = canvas.GetRegion(lower);
    canvas.GetRegion(0)->m_bVisible = FALSE;
    canvas.RecalcLayout();
    canvas.PlaceSplitters();
    const CRect before = bottom->GetPlotRect();
    EXPECT_FALSE(canvas.MoveRegionBoundary(lower, -20));
    canvas.SendMessage(WM_DIVIDE_RELEASED, WPARAM(lower), LPARAM(40));
    canvas.SendMessage(WM_DIVIDE_RELEASED, WPARAM(0), LPARAM(40));
    canvas.SendMessage(WM_DIVIDE_RELEASED, WPARAM(77), LPARAM(40)); // no such region
    EXPECT_EQ(before, bottom->GetPlotRect());
    EXPECT_FALSE(canvas.GetSplitter(lower)->IsWindowVisible());
}

TEST_F(CanvasWindow, TheCategoryLayoutNeverDividesByItsEmptyCount)
{
    canvas.GetProperties().SetTimeKind(6);
    Make(TRUE);
    EXPECT_EQ(nullptr, canvas.GetBottomBar());
    canvas.AddRegion();
    canvas.SetShowWindow(0, 10);
    const float pixels = canvas.GetPixelsPerSlot();
    EXPECT_EQ(0.0f, pixels); // left as it was, not infinite
    EXPECT_EQ(0, canvas.SlotOfX(300));
}

TEST_F(CanvasWindow, AStyleSnapshotReturnsToObjectsWithIdsOf1000AndMore)
{
    Make(FALSE);
    const int region = canvas.AddRegion();
    CRegionCanvas* pane = canvas.GetRegion(region);
    CDrawObject* first = new CDrawObject;
    first->SetKind(DRAWKIND_LINE);
    first->m_clrLine = CCtlColor::Rgb(RGB(1, 1, 1));
    ASSERT_EQ(0, pane->AddDrawObject(first));
    for (int i = 1; i < 1000; ++i) // ids are never reused: the next object gets 1000
    {
        CDrawObject* passing = new CDrawObject;
        const int id = pane->AddDrawObject(passing);
        pane->RemoveDrawObject(id);
    }
    CDrawObject* late = new CDrawObject;
    late->SetKind(DRAWKIND_LINE);
    late->m_clrLine = CCtlColor::Rgb(RGB(200, 100, 50));
    late->m_nWidth = 3;
    ASSERT_EQ(1000, pane->AddDrawObject(late));
    canvas.SendMessage(WM_CANVAS_STYLE_CHANGED, 0, 0);
    EXPECT_EQ(2, canvas.GetStyleCount());
    late->m_clrLine = CCtlColor::Rgb(RGB(0, 0, 0));
    late->m_nWidth = 1;
    EXPECT_TRUE(canvas.RestoreObjectStyle(region, 1000));
    EXPECT_EQ(RGB(200, 100, 50), late->m_clrLine.GetColor());
    EXPECT_EQ(3, late->m_nWidth);
    EXPECT_EQ(RGB(1, 1, 1), first->m_clrLine.GetColor()); // object 0 untouched
    // A kind that differs, or no stored look, writes nothing.
    late->SetKind(DRAWKIND_BAR);
    EXPECT_FALSE(canvas.RestoreObjectStyle(region, 1000));
    EXPECT_FALSE(canvas.RestoreObjectStyle(region, 5));
    EXPECT_FALSE(canvas.RestoreStyle("0011000"));
}

struct AppendCase
{
    const char* what;
    int timeKind;
    int added;
};

const AppendCase kAppendCases[] = {
    {"ticks open one slot each", 4, 1},
    {"day charts take the value into the newest bar", 0, 0},
    {"weeks have no real-time slots", 1, -1},
    {"months neither", 2, -1},
    {"numeric x values neither", 5, -1},
};

class RealTimeAppend : public CanvasWindow, public ::testing::WithParamInterface<AppendCase>
{
};

TEST_P(RealTimeAppend, SlotsCountDisplayAndRepaintOnlyByTheTimer)
{
    const AppendCase& c = GetParam();
    canvas.GetProperties().SetTimeKind(c.timeKind);
    canvas.GetProperties().m_TimeData.I11 = 1; // the display moves with the data
    Make(TRUE);
    const std::vector<int> times = DailyTimes(100);
    canvas.SetTimes(times.data(), 100);
    const int region = canvas.AddRegion();
    canvas.AddDrawObject(region, MakeSeriesObject(canvas, DRAWKIND_LINE, {std::vector<int>(100, 500)}));
    canvas.SetDataReady(TRUE);
    canvas.UpdateWindow();
    canvas.SendMessage(WM_TIMER, CCanvas::TIMER_REPAINT, 0);
    canvas.UpdateWindow();
    canvas.ResetCounters();
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(c.added, canvas.AppendRealTime(90000 + i)) << c.what;
    const int grown = c.added > 0 ? 3 * c.added : 0;
    EXPECT_EQ(100 + grown, canvas.GetTotalCount()) << c.what;
    EXPECT_EQ(100 + grown, canvas.GetDisplayCount()) << c.what;
    EXPECT_EQ(0, canvas.GetPaintCount()) << c.what;
    canvas.SendMessage(WM_TIMER, CCanvas::TIMER_REPAINT, 0);
    canvas.UpdateWindow();
    EXPECT_EQ(c.added > 0 ? 1 : 0, canvas.GetPaintCount()) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Table, RealTimeAppend, ::testing::ValuesIn(kAppendCases));

TEST_F(CanvasWindow, TimeBlocksJoinOnlyWhenTheyFitTheSeries)
{
    Make(FALSE);
    const std::vector<int> times = DailyTimes(100); // 20260102 ... 20260201 newest first
    ASSERT_GE(canvas.SetTimes(times.data(), 100), 0);
    EXPECT_EQ(100, canvas.GetTotalCount());
    EXPECT_EQ(0, canvas.GetFirstIndex());
    EXPECT_EQ(100, canvas.GetDisplayCount());
    // Another kind, and a block overlapping the present times, are refused.
    EXPECT_EQ(-1, canvas.AddTimeSeries(times.data(), 100, 1, 1));
    const int overlapping[3] = {20260150, 20260120, 20260110};
    EXPECT_EQ(-1, canvas.AddTimeSeries(overlapping, 3, 0, 1));
    EXPECT_EQ(100, canvas.GetTotalCount());
    // An older block joins: everything is shown.
    std::vector<int> before(50);
    for (int i = 0; i < 50; ++i)
        before[size_t(i)] = 20251201 - i;
    EXPECT_GE(canvas.AddTimeSeries(before.data(), 50, 0, 1), 0);
    EXPECT_EQ(150, canvas.GetTotalCount());
    EXPECT_EQ(150, canvas.GetDisplayCount());
}

TEST_F(CanvasWindow, TheKeptCountAndTheDefaultCountChooseTheShownWindow)
{
    Make(FALSE);
    const std::vector<int> times = DailyTimes(100);
    canvas.SetTimes(times.data(), 100);
    canvas.SetShowWindow(20, 30);
    canvas.SetKeepCount(TRUE);
    std::vector<int> newer(10);
    for (int i = 0; i < 10; ++i)
        newer[size_t(i)] = 20270110 - i;
    ASSERT_GE(canvas.AddTimeSeries(newer.data(), 10, 0, 1), 0);
    EXPECT_EQ(110, canvas.GetTotalCount());
    EXPECT_EQ(30, canvas.GetDisplayCount()); // kept
    EXPECT_EQ(110 - 30, canvas.GetFirstIndex()); // and re-anchored to the newest data
    canvas.SetKeepCount(FALSE);
    canvas.GetProperties().m_bDefaultCount = 1;
    canvas.GetProperties().m_nDefaultCount = 40;
    std::vector<int> newest(5);
    for (int i = 0; i < 5; ++i)
        newest[size_t(i)] = 20280105 - i;
    ASSERT_GE(canvas.AddTimeSeries(newest.data(), 5, 0, 1), 0);
    EXPECT_EQ(40, canvas.GetDisplayCount());
    EXPECT_EQ(115 - 40, canvas.GetFirstIndex()); // the right edge of the whole series stays
    canvas.SetDisplayCount(500); // more than there is: from the start, cut to the total
    EXPECT_EQ(0, canvas.GetFirstIndex());
    EXPECT_EQ(115, canvas.GetDisplayCount());
}

TEST_F(CanvasWindow, ASeriesGoesOnlyOnceNoObjectDrawsIt)
{
    MakeCharted(FALSE);
    ASSERT_FALSE(canvas.RemoveSeries(0)); // the candles still draw it
    EXPECT_EQ(-1, canvas.RemoveDrawObject(0, 7));
    EXPECT_EQ(-1, canvas.RemoveDrawObject(9, 0));
    EXPECT_EQ(0, canvas.RemoveDrawObject(0, 0));
    EXPECT_TRUE(canvas.RemoveSeries(0));
    EXPECT_FALSE(canvas.RemoveSeries(0));
    canvas.SendMessage(WM_TIMER, CCanvas::TIMER_REPAINT, 0);
    canvas.UpdateWindow(); // a region without objects still paints
    EXPECT_EQ(1, canvas.GetPaintCount());
}

TEST_F(CanvasWindow, RealTimeWithoutATimeSeriesIsRefused)
{
    canvas.GetProperties().SetTimeKind(4);
    Make(FALSE);
    EXPECT_EQ(-1, canvas.AppendRealTime(90000));
    EXPECT_EQ(0, canvas.GetTotalCount());
}

} // namespace

namespace
{

// The canvas hands its properties to the volume-at-price drawer when its window is made: the
// drawer takes the record of the chart's volume-at-price object.
TEST_F(CanvasWindow, TheVolumeAtPriceDrawerGetsTheChartsRecord)
{
    DDRAWOBJDATA* object = new DDRAWOBJDATA;
    object->Kind = DRAWKIND_MEAMUL;
    DMEAMULPROP* record = static_cast<DMEAMULPROP*>(NewKindRecord(DRAWKIND_MEAMUL));
    record->SellName = "chart's";
    object->KindProp = record;
    canvas.GetProperties().m_ObjectList.AddTail(object);
    canvas.GetProperties().SetTimeKind(-1);
    Make(FALSE);
    EXPECT_STREQ("chart's", canvas.GetVolumeDrawer().GetProperty().SellName);
}

// With the vertical grid switched on, a region draws its grid lines at the time axis' label
// positions of the same paint.
TEST_F(CanvasWindow, ARegionPaintsTheVerticalGridAtTheTimeLabels)
{
    const COLORREF grid = RGB(0, 200, 0);
    canvas.GetProperties().m_nVIndi = 1;
    canvas.GetProperties().m_nHIndi = 0;
    canvas.GetProperties().m_clrHIndi = CCtlColor::Rgb(grid);
    MakeCharted(FALSE);
    const CRect plot = canvas.GetPlotRect();
    PaintInMemory([&](CDC& dc) {
        const CArray<int, int>& labels = canvas.GetGridPositions();
        ASSERT_GE(labels.GetSize(), 2) << "the time axis placed labels";
        for (INT_PTR i = 1; i < labels.GetSize(); ++i)
        {
            int hits = 0;
            for (int y = plot.top + 12; y < plot.bottom - 6; ++y)
                hits += dc.GetPixel(labels[i], y) == grid;
            EXPECT_GT(hits, (plot.Height() - 18) / 2) << "grid line at x " << labels[i];
        }
    });
}

// In two columns a region paints from its own strip's origin, so the right column's grid
// stands under the right column's time axis: the left column's labels moved by its width.
TEST_F(CanvasWindow, TheRightColumnFollowsItsOwnTimeAxis)
{
    const COLORREF grid = RGB(0, 200, 0);
    canvas.GetProperties().m_nVIndi = 1;
    canvas.GetProperties().m_nHIndi = 0;
    canvas.GetProperties().m_clrHIndi = CCtlColor::Rgb(grid);
    MakeCharted(FALSE);
    const int second = canvas.AddRegion();
    canvas.AddDrawObject(second, MakeSeriesObject(canvas, DRAWKIND_CANDLE, CandleSeries(200)));
    canvas.SetLayoutKind(1);
    const CRect plot = canvas.GetPlotRect();
    const CRect right = canvas.GetRegion(second)->GetPlotRect();
    ASSERT_GE(right.left, plot.right) << "the second region stands in the right column";
    PaintInMemory([&](CDC& dc) {
        const CArray<int, int>& labels = canvas.GetGridPositions();
        ASSERT_GE(labels.GetSize(), 2);
        for (INT_PTR i = 1; i < labels.GetSize(); ++i)
        {
            const int x = labels[i] + plot.Width();
            int hits = 0;
            for (int y = right.top + 12; y < right.bottom - 6; ++y)
                hits += dc.GetPixel(x, y) == grid;
            EXPECT_GT(hits, (right.Height() - 18) / 2) << "grid line at x " << x;
        }
    });
}

} // namespace

namespace
{

const int kNoData = 99999999;

struct FourColumnCase
{
    const char* what;
    int count;
    int timeSeries; // 0 is the loaded block
    int missingColumn; // -1: all four given
    bool kept;
};

const FourColumnCase kFourColumnCases[] = {
    {"four columns linked to the loaded times", 5, 0, -1, true},
    {"a single value", 1, 0, -1, true},
    {"no values", 0, 0, -1, false},
    {"a negative count", -3, 0, -1, false},
    {"a time series that does not exist", 5, 7, -1, false},
    {"a negative time series id", 5, -1, -1, false},
    {"a missing column", 5, 0, 2, false},
};

class FourColumnSeries : public CanvasWindow, public ::testing::WithParamInterface<FourColumnCase>
{
};

TEST_P(FourColumnSeries, FrontFilledAndTheirRangeKnown)
{
    const FourColumnCase& c = GetParam();
    Make(FALSE);
    const std::vector<int> times = DailyTimes(5);
    ASSERT_EQ(0, canvas.SetTimes(times.data(), 5));
    const int free = canvas.GetFreeBlock();
    const int open[] = {10, 11, 12, 13, 14}, high[] = {20, 21, 22, 23, 29}, low[] = {5, 1, 6, 7, 8},
              close[] = {15, 16, 17, 18, 19};
    const int* columns[4] = {open, high, low, close};
    if (c.missingColumn >= 0)
        columns[c.missingColumn] = nullptr;
    const int id = canvas.AddFourColumnSeries(columns, c.count, c.timeSeries);
    if (!c.kept)
    {
        EXPECT_EQ(-1, id);
        EXPECT_EQ(nullptr, canvas.GetSeries(0));
        return;
    }
    ASSERT_GE(id, 0);
    CDataCell* store = canvas.GetSeries(id);
    ASSERT_NE(nullptr, store);
    EXPECT_EQ(4, store->m_nSeriesCount);
    ASSERT_EQ(c.count + free, store->m_nLength);
    for (int k = 0; k < 4; ++k)
    {
        EXPECT_EQ(kNoData, store->m_ppSeries[k][0]) << "the free block in front";
        EXPECT_EQ(kNoData, store->m_ppSeries[k][free - 1]);
        for (int i = 0; i < c.count; ++i)
            EXPECT_EQ(columns[k][i], store->m_ppSeries[k][free + i]) << "column " << k << " value " << i;
    }
    EXPECT_EQ(*std::max_element(high, high + c.count), store->m_pMax[1]);
    EXPECT_EQ(*std::min_element(low, low + c.count), store->m_pMin[2]);
    EXPECT_EQ(free, store->GetCurrentIndex()) << "linked to the chart's time series";
}
INSTANTIATE_TEST_SUITE_P(Table, FourColumnSeries, ::testing::ValuesIn(kFourColumnCases));

struct DrawObjectCase
{
    const char* what;
    int region; // 0 exists
    int series; // 0 exists, negative: none
    int kind;
    int expected;
};

const DrawObjectCase kDrawObjectCases[] = {
    {"candles over the series", 0, 0, DRAWKIND_CANDLE, 0},
    {"a line over the series", 0, 0, DRAWKIND_LINE, 0},
    {"an object without a series", 0, -1, DRAWKIND_PIE, 0},
    {"a region that does not exist", 4, 0, DRAWKIND_CANDLE, -1},
    {"a series that does not exist", 0, 3, DRAWKIND_CANDLE, -1},
};

class DrawObjectBySeries : public CanvasWindow, public ::testing::WithParamInterface<DrawObjectCase>
{
};

TEST_P(DrawObjectBySeries, AddedOnlyWhereRegionAndSeriesExist)
{
    const DrawObjectCase& c = GetParam();
    Make(FALSE);
    const std::vector<std::vector<int>> candles = CandleSeries(60);
    const std::vector<int> times = DailyTimes(60);
    ASSERT_EQ(0, canvas.SetTimes(times.data(), 60));
    const int region = canvas.AddRegion();
    const int* columns[4] = {candles[0].data(), candles[1].data(), candles[2].data(), candles[3].data()};
    const int series = canvas.AddFourColumnSeries(columns, 60, 0);
    ASSERT_EQ(0, series);
    EXPECT_EQ(c.expected, canvas.AddDrawObject(c.region, c.series, c.kind, 1));
    CRegionCanvas* pane = canvas.GetRegion(region);
    ASSERT_EQ(c.expected < 0 ? 0 : 1, pane->GetObjectCount());
    if (c.expected < 0)
        return;
    CDrawObject* object = pane->GetObjectAt(0);
    EXPECT_EQ(c.kind, object->GetKind());
    EXPECT_EQ(1, object->m_nAxisSide);
    if (c.series < 0)
    {
        EXPECT_EQ(nullptr, object->GetStore());
        return;
    }
    CDataCell* store = canvas.GetSeries(series);
    EXPECT_EQ(store, object->GetStore());
    EXPECT_EQ(store->m_ppSeries[0], object->GetS0());
    EXPECT_EQ(store->m_ppSeries[3], object->GetS3());
    EXPECT_FALSE(canvas.RemoveSeries(series)) << "the object still draws it";
}
INSTANTIATE_TEST_SUITE_P(Table, DrawObjectBySeries, ::testing::ValuesIn(kDrawObjectCases));

// An object handed to a region that does not exist is refused and deleted, not left behind.
TEST_F(CanvasWindow, AnObjectForAMissingRegionIsDeleted)
{
    static int deaths;
    struct CCountedObject : CDrawObject
    {
        ~CCountedObject() override { ++deaths; }
    };
    deaths = 0;
    Make(FALSE);
    const int region = canvas.AddRegion();
    EXPECT_EQ(-1, canvas.AddDrawObject(region + 7, new CCountedObject));
    EXPECT_EQ(1, deaths);
    EXPECT_EQ(-1, canvas.AddDrawObject(region, nullptr));
    const int kept = canvas.AddDrawObject(region, new CCountedObject);
    EXPECT_EQ(0, kept);
    EXPECT_EQ(1, deaths) << "a kept object lives with its region";
    EXPECT_LE(0, canvas.RemoveDrawObject(region, kept));
    EXPECT_EQ(2, deaths);
}

// Candles built from four columns by series id paint in their rising and falling colours.
TEST_F(CanvasWindow, CandlesFromFourColumnsPaint)
{
    Make(FALSE);
    const std::vector<std::vector<int>> candles = CandleSeries(60);
    const std::vector<int> times = DailyTimes(60);
    canvas.SetTimes(times.data(), 60);
    const int region = canvas.AddRegion();
    const int* columns[4] = {candles[0].data(), candles[1].data(), candles[2].data(), candles[3].data()};
    const int series = canvas.AddFourColumnSeries(columns, 60, 0);
    ASSERT_EQ(0, canvas.AddDrawObject(region, series, DRAWKIND_CANDLE, 0));
    CDrawObject* object = canvas.GetRegion(region)->GetObjectAt(0);
    object->m_clrFall = CCtlColor::Rgb(RGB(0, 0, 255));
    object->m_clrRise = CCtlColor::Rgb(RGB(255, 0, 0));
    canvas.SetDataReady(TRUE);
    const CRect plot = canvas.GetPlotRect();
    PaintInMemory([&](CDC& dc) {
        int rising = 0, falling = 0;
        for (int y = plot.top; y < plot.bottom; y += 2)
            for (int x = plot.left; x < plot.right; ++x)
            {
                const COLORREF pixel = dc.GetPixel(x, y);
                rising += pixel == RGB(255, 0, 0);
                falling += pixel == RGB(0, 0, 255);
            }
        EXPECT_GT(rising, 20);
        EXPECT_GT(falling, 20);
    });
}

} // namespace

namespace
{

const COLORREF kStrip = RGB(0, 128, 128);

struct CategoryAxisCase
{
    const char* what;
    int valueScale; // the category-axis switch
    int labels;     // grid positions the paint leaves
    bool stripPainted;
};

const CategoryAxisCase kCategoryAxisCases[] = {
    {"the category texts under the bars", 0, 3, true},
    {"a value scale per region instead; a region with nothing scaled draws none", 1, 0, false},
};

class CategoryAxis : public CanvasWindow, public ::testing::WithParamInterface<CategoryAxisCase>
{
};

TEST_P(CategoryAxis, DrawnAlongTheStripBelowTheRegions)
{
    const CategoryAxisCase& c = GetParam();
    canvas.GetProperties().SetTimeKind(6);
    canvas.GetProperties().m_nCategoryAxis = c.valueScale;
    canvas.GetProperties().m_clrCategoryBack = kStrip;
    Make(FALSE);
    CStringArray* texts = canvas.GetProperties().m_pCategoryTexts;
    ASSERT_EQ(&canvas.GetCategoryAxis().m_arCategories, texts);
    texts->Add("A");
    texts->Add("B");
    texts->Add("C");
    canvas.AddRegion();
    canvas.SetDataReady(TRUE);
    const CRect strip = canvas.GetTimeRect();
    ASSERT_LT(strip.top, 300) << "the strip lies in the client";
    PaintInMemory([&](CDC& dc) {
        EXPECT_EQ(c.stripPainted, dc.GetPixel(strip.left + 2, strip.top + 2) == kStrip);
        EXPECT_EQ(c.labels, canvas.GetGridPositions().GetSize());
    });
    canvas.ClearAll();
    EXPECT_EQ(0, texts->GetSize()) << "a new load starts without categories";
}
INSTANTIATE_TEST_SUITE_P(Table, CategoryAxis, ::testing::ValuesIn(kCategoryAxisCases));

} // namespace
