// The canvas's mouse side as a user meets it: real mouse messages on a live canvas, the
// crosshair's XOR lines read back from memory, its value tags and the read-out.
#include <gtest/gtest.h>

#include <vector>

#include "../../dialogs/tests/dialog_closer.h"
#include "ChartDialogIds.h"
#include "ColourPicker.h"
#include "canvas_fixture.h"

namespace
{

class PointerCanvas : public CCanvas
{
public:
    using CCanvas::DrawCrosshair;
    std::vector<long> doubleClicks;
    void CanvasDblClick(long time) override { doubleClicks.push_back(time); }
};

LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

BOOL TagShown(int index)
{
    CWnd* tag = CCanvas::GetCrosshairTag(index);
    return tag && tag->GetSafeHwnd() && tag->IsWindowVisible();
}

class CanvasPointer : public ::testing::Test
{
protected:
    CHostWindow host;
    PointerCanvas canvas;

    // 200 days in one region; with candles when asked.
    void Make(BOOL candles)
    {
        ASSERT_TRUE(host.Make(600, 300));
        ASSERT_TRUE(canvas.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 600, 300), &host, 100));
        const std::vector<int> times = DailyTimes(200);
        canvas.SetTimes(times.data(), 200);
        const int region = canvas.AddRegion();
        if (candles)
            canvas.AddDrawObject(region, MakeSeriesObject(canvas, DRAWKIND_CANDLE, CandleSeries(200)));
        canvas.SetDataReady(TRUE);
        canvas.UpdateWindow();
    }
    void TearDown() override
    {
        if (canvas.GetSafeHwnd())
        {
            canvas.SendMessage(WM_LBUTTONUP, 0, At(0, 0));
            canvas.DestroyWindow();
        }
        if (host.GetSafeHwnd())
            host.DestroyWindow();
    }
    CPoint PlotCentre() const { return canvas.CrosshairRect(1).CenterPoint(); }
    // A point on a drawn candle, found by the region's own hit test.
    CPoint PointOnSeries()
    {
        CRegionCanvas* region = canvas.GetRegionAt(0);
        const CRect plot = region->GetPlotRect();
        for (int y = plot.top; y < plot.bottom; y += 2)
            for (int x = plot.left + 20; x < plot.right; x += 3)
                if (region->HitTest(x, y) >= 0)
                    return CPoint(x, y);
        return CPoint(-1, -1);
    }
};

TEST_F(CanvasPointer, TheCrosshairDrawnTwiceRestoresEveryByte)
{
    Make(TRUE);
    CClientDC screen(&canvas);
    CDC memory;
    memory.CreateCompatibleDC(&screen);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&screen, 600, 300);
    CBitmap* old = memory.SelectObject(&bitmap);
    canvas.PaintTo(&memory, CRect(0, 0, 600, 300));
    memory.SelectObject(old);
    BITMAP info;
    bitmap.GetBitmap(&info);
    const size_t size = size_t(info.bmWidthBytes) * size_t(info.bmHeight);
    std::vector<BYTE> before(size), during(size), after(size);
    bitmap.GetBitmapBits(DWORD(size), before.data());

    const CPoint point = PlotCentre();
    old = memory.SelectObject(&bitmap);
    canvas.DrawCrosshair(&memory, point, FALSE);
    const COLORREF background = canvas.GetProperties().m_clrBack.GetColor();
    memory.SelectObject(old);
    bitmap.GetBitmapBits(DWORD(size), during.data());
    EXPECT_NE(before, during);
    old = memory.SelectObject(&bitmap);
    // The lines invert what lies under them.
    const COLORREF under = memory.GetPixel(point.x, canvas.GetPlotRect().top + 2);
    EXPECT_NE(background, under);
    canvas.DrawCrosshair(&memory, point, FALSE);
    memory.SelectObject(old);
    bitmap.GetBitmapBits(DWORD(size), after.data());
    EXPECT_EQ(before, after);
}

TEST_F(CanvasPointer, PressMoveAndReleaseRunTheCrosshairAndItsTags)
{
    Make(FALSE);
    const CPoint centre = PlotCentre();
    canvas.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(centre.x, centre.y));
    ASSERT_TRUE(canvas.IsCrosshairOn());
    EXPECT_EQ(&canvas, CWnd::GetCapture());
    for (int i = 0; i < 3; ++i)
        ASSERT_NE(nullptr, CCanvas::GetCrosshairTag(i));
    canvas.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, At(centre.x + 10, centre.y + 5));
    EXPECT_EQ(CPoint(centre.x + 10, centre.y + 5), canvas.GetCrosshairPoint());
    EXPECT_TRUE(TagShown(0));
    EXPECT_TRUE(TagShown(2)); // the right axis is 60 pixels wide
    // Outside both rectangles: the crosshair goes, and every tag with it.
    canvas.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, At(598, centre.y));
    EXPECT_EQ(CPoint(-1, -1), canvas.GetCrosshairPoint());
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(TagShown(i)) << i;
    // Back in: drawn again.
    canvas.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, At(centre.x, centre.y));
    EXPECT_EQ(centre, canvas.GetCrosshairPoint());
    canvas.SendMessage(WM_LBUTTONUP, 0, At(centre.x, centre.y));
    EXPECT_FALSE(canvas.IsCrosshairOn());
    EXPECT_EQ(CPoint(-1, -1), canvas.GetCrosshairPoint());
    EXPECT_NE(&canvas, CWnd::GetCapture());
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(TagShown(i)) << i;
}

TEST_F(CanvasPointer, TheTagsTakeTheVersionTwoToolRecord)
{
    Make(FALSE);
    const CPoint centre = PlotCentre();
    canvas.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(centre.x, centre.y));
    for (int i = 0; i < 3; ++i)
    {
        CWnd* tag = CCanvas::GetCrosshairTag(i);
        ASSERT_NE(nullptr, tag);
        // The tool was accepted: comctl32 refuses a record size it does not know.
        EXPECT_EQ(1, int(tag->SendMessage(TTM_GETTOOLCOUNT, 0, 0))) << i;
    }
#ifndef _WIN64
    EXPECT_EQ(44u, unsigned(TTTOOLINFOA_V2_SIZE));
#endif
}

struct AxisCase
{
    const char* what;
    int left;
    int right;
    BOOL leftTag;
    BOOL rightTag;
};

class AxisTags : public CanvasPointer, public ::testing::WithParamInterface<AxisCase>
{
};

TEST_P(AxisTags, ATagShowsOnlyOnAnAxisOfTwentyPixelsOrMore)
{
    const AxisCase& c = GetParam();
    Make(FALSE);
    canvas.GetProperties().m_TimeData.LIndexWidth = c.left;
    canvas.GetProperties().m_TimeData.RIndexWidth = c.right;
    canvas.SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(600, 300));
    const CPoint centre = PlotCentre();
    canvas.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(centre.x, centre.y));
    canvas.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, At(centre.x + 3, centre.y + 3));
    EXPECT_TRUE(TagShown(0)) << c.what;
    EXPECT_EQ(c.leftTag, TagShown(1)) << c.what;
    EXPECT_EQ(c.rightTag, TagShown(2)) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Table, AxisTags,
                         ::testing::Values(AxisCase{"default left 15, right 60", 15, 60, FALSE, TRUE},
                                           AxisCase{"both wide", 20, 20, TRUE, TRUE},
                                           AxisCase{"right 19", 40, 19, TRUE, FALSE}));

TEST_F(CanvasPointer, TheReadOutListsTheTimeAndEverySeriesValue)
{
    Make(TRUE);
    const CPoint on = PointOnSeries();
    ASSERT_GE(on.x, 0);
    const CString text = canvas.BuildReadOut(on);
    EXPECT_EQ(0, text.Find("일자\x14\x14")) << LPCSTR(text);
    for (const char* label : {"\x16\x16시가\x14\x14", "\x16\x16고가\x14\x14", "\x16\x16저가\x14\x14", "\x16\x16종가\x14\x14"})
        EXPECT_GE(text.Find(label), 0) << label;
    // Outside the plot there is nothing to read.
    EXPECT_TRUE(canvas.BuildReadOut(CPoint(598, 5)).IsEmpty());
}

TEST_F(CanvasPointer, HoldingTheButtonWhileMovingShowsNoReadOut)
{
    Make(TRUE);
    canvas.m_nToolTipUse = 1;
    canvas.SendMessage(WM_COMMAND, MAKEWPARAM(CMD_DRAWMODE_TREND, 0), 0); // no crosshair on a press
    const CPoint on = PointOnSeries();
    ASSERT_GE(on.x, 0);
    canvas.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, At(on.x, on.y));
    EXPECT_FALSE(canvas.GetReadOutTip().IsWindowVisible());
    // Released, the same move shows it; a press hides it again.
    canvas.SendMessage(WM_MOUSEMOVE, 0, At(on.x, on.y));
    EXPECT_TRUE(canvas.GetReadOutTip().IsWindowVisible());
    canvas.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(on.x, on.y));
    EXPECT_FALSE(canvas.GetReadOutTip().IsWindowVisible());
    canvas.SendMessage(WM_LBUTTONUP, 0, At(on.x, on.y));
}

TEST_F(CanvasPointer, DrawnLinesGoToTheirLayers)
{
    Make(FALSE);
    const CPoint centre = PlotCentre();
    canvas.SendMessage(WM_COMMAND, MAKEWPARAM(CMD_DRAWMODE_VERTICAL, 0), 0);
    canvas.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(centre.x, centre.y));
    canvas.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, At(centre.x + 30, centre.y + 20));
    canvas.SendMessage(WM_LBUTTONUP, 0, At(centre.x + 30, centre.y + 20));
    EXPECT_EQ(1, canvas.GetCanvasTrend().GetTrendCount());
    EXPECT_EQ(0, canvas.GetRegionAt(0)->GetTrendCount());
    canvas.SendMessage(WM_COMMAND, MAKEWPARAM(CMD_DRAWMODE_TREND, 0), 0);
    canvas.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(centre.x - 40, centre.y));
    canvas.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, At(centre.x + 40, centre.y - 20));
    canvas.SendMessage(WM_LBUTTONUP, 0, At(centre.x + 40, centre.y - 20));
    EXPECT_EQ(1, canvas.GetRegionAt(0)->GetTrendCount());
    EXPECT_NE(&canvas, CWnd::GetCapture());
}

TEST_F(CanvasPointer, ADoubleClickOnTheSelectedSeriesOpensItsDialog)
{
    Make(TRUE);
    canvas.UseDblClick("chart");
    const CPoint on = PointOnSeries();
    ASSERT_GE(on.x, 0);
    canvas.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(on.x, on.y));
    canvas.SendMessage(WM_LBUTTONUP, 0, At(on.x, on.y));
    ASSERT_TRUE(canvas.IsSeriesSelected());
    EXPECT_FALSE(canvas.IsCrosshairOn()); // a press on a series selects it instead
    CDialogScript script;
    script.Then([](HWND dlg) {
        // The candle dialog, on the object's own colours.
        EXPECT_TRUE(::GetDlgItem(dlg, IDC_CANDLE_RISE) != NULL);
        CDialogScript::Click(dlg, IDOK);
    });
    ASSERT_EQ(0, canvas.GetStyleCount());
    canvas.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, At(on.x, on.y));
    EXPECT_EQ(1, script.Shown());
    // OK sent 2028: the canvas took a new style snapshot.
    EXPECT_EQ(1, canvas.GetStyleCount());
    // The host heard of the double click with the time of the slot.
    ASSERT_EQ(1u, canvas.doubleClicks.size());
    const int slot = canvas.SlotOfX(on.x);
    const std::vector<int> times = DailyTimes(200);
    EXPECT_EQ(long(times[size_t(canvas.DataIndexOfSlot(slot))]), canvas.doubleClicks[0]);
    // A press beside the series clears the selection.
    canvas.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(598, 5));
    canvas.SendMessage(WM_LBUTTONUP, 0, At(598, 5));
    EXPECT_FALSE(canvas.IsSeriesSelected());
}

// 2028 is also the colour picker's "selection confirmed": the canvas takes it from its draw
// objects and its own pickers only.
TEST_F(CanvasPointer, StyleChangedIsTakenOnlyFromItsOwnSenders)
{
    Make(TRUE);
    ASSERT_EQ(0, canvas.GetStyleCount());
    EXPECT_EQ(0, int(canvas.SendMessage(WM_CANVAS_STYLE_CHANGED, RGB(1, 2, 3), 4711)));
    EXPECT_EQ(0, canvas.GetStyleCount());
    CButton plain;
    ASSERT_TRUE(plain.Create("", WS_CHILD | BS_PUSHBUTTON, CRect(0, 0, 10, 10), &canvas, 4712));
    EXPECT_EQ(0, int(canvas.SendMessage(WM_CANVAS_STYLE_CHANGED, RGB(1, 2, 3), 4712)));
    EXPECT_EQ(0, canvas.GetStyleCount());
    CColourPicker picker;
    ASSERT_TRUE(picker.Create("", WS_CHILD | BS_PUSHBUTTON, CRect(0, 0, 40, 12), &canvas, 4713));
    EXPECT_EQ(1, int(canvas.SendMessage(WM_CANVAS_STYLE_CHANGED, RGB(1, 2, 3), 4713)));
    EXPECT_EQ(1, canvas.GetStyleCount());
    canvas.ClearAll();
    canvas.TakeStyleSnapshot();
    EXPECT_EQ(0, canvas.GetStyleCount());
    picker.DestroyWindow();
    plain.DestroyWindow();
}

} // namespace
