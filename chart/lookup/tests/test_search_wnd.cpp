// The value lookup window as a user meets it: switched on from the bottom bar's button over a
// chart with candles, its row texts at a slot, its size, its paint and its own close box.
#include <gtest/gtest.h>

#include <memory>

#include "../../canvas/tests/canvas_fixture.h"
#include "CtlChart.h"
#include "SearchWnd.h"
#include "msgbox_recorder.h"

namespace
{

struct RowCase
{
    const char* what;
    const char* title;
    int value, scale, decimals, timeKind;
    BOOL english;
    const char* shownTitle;
    const char* shownValue;
};

class LookupRowTexts : public ::testing::TestWithParam<RowCase>
{
};

TEST_P(LookupRowTexts, ShowTitleAndValueByTheRowsKind)
{
    const RowCase& c = GetParam();
    CSearchData row;
    row.m_strTitle = c.title;
    row.m_nValue = c.value;
    row.m_nScale = c.scale;
    row.m_nDecimals = c.decimals;
    row.m_nTimeKind = c.timeKind;
    CString title, value;
    CSearchWnd::RowTexts(row, c.english, title, value);
    EXPECT_STREQ(c.shownTitle, title) << c.what;
    EXPECT_STREQ(c.shownValue, value) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Table, LookupRowTexts,
    ::testing::Values(RowCase{"plain value", "시가", 1200, 1, 0, 0, FALSE, "시가", "1,200"},
                      RowCase{"scaled value", "MA", 12345, 100, 2, 0, FALSE, "MA", "123.45"},
                      RowCase{"no data", "종가", 99999999, 1, 0, 0, FALSE, "종가", ""},
                      RowCase{"not computed", "종가", 0x7FFFFFFF, 1, 0, 0, FALSE, "종가", ""},
                      RowCase{"empty minimum", "종가", int(0x80000000), 1, 0, 0, FALSE, "종가", ""},
                      RowCase{"day", "일자", 20260105, 0, 0, 0, FALSE, "일자", "2026/01/05"},
                      RowCase{"week", "일자", 20260105, 0, 0, 1, FALSE, "일자", "2026/01/05"},
                      RowCase{"month", "일자", 202601, 0, 0, 2, FALSE, "일자", "26/01"},
                      RowCase{"interval", "시간", 93015, 0, 0, 3, FALSE, "시간", "09:30:15"},
                      RowCase{"day titled, tick kind", "일자", 93015, 0, 0, 4, FALSE, "시간", "09:30:15"},
                      RowCase{"English tick", "TIME", 93015, 0, 0, 4, TRUE, "TIME", "09:30:15"},
                      RowCase{"English date", "DATE", 20261231, 0, 0, 0, TRUE, "DATE", "2026/12/31"},
                      RowCase{"date without value", "일자", 99999999, 0, 0, 0, FALSE, "일자", ""}));

struct ChartDeleter
{
    void operator()(IChartBase* p) const { delete p; }
};

// A chart window with three days of candles, the lookup not yet on.
class LookupWindow : public ::testing::Test
{
protected:
    CHostWindow host;
    std::unique_ptr<IChartBase, ChartDeleter> chart{GetNewControl()};

    void SetUp() override
    {
        ASSERT_TRUE(host.Make(500, 300));
        ASSERT_TRUE(chart->CreateControl(&host, RECT{0, 0, 400, 200}, 5));
        const int times[3] = {20260105, 20260102, 20260101};
        const int open[3] = {1200, 1100, 1000}, high[3] = {1300, 1150, 1050};
        const int low[3] = {1190, 1090, 990}, close[3] = {1250, 99999999, 1010};
        const int* const columns[4] = {open, high, low, close};
        const int timeId = Ctl()->SetTimes(times, 3);
        const int region = Ctl()->AddRegion();
        const int store = Ctl()->AddFourColumnSeries(columns, 3, timeId);
        ASSERT_LE(0, Ctl()->AddDrawObject(region, store, 1, 0));
        Ctl()->SetDataReady(TRUE);
    }
    void TearDown() override
    {
        chart.reset();
        host.DestroyWindow();
    }
    CCtlChart* Ctl() { return CCtlChart::FromInterface(chart.get()); }
    void PressLookup() { Ctl()->SendMessage(WM_COMMAND, MAKEWPARAM(10008, BN_CLICKED), 0); }
    std::vector<std::pair<CString, CString>> Texts()
    {
        std::vector<std::pair<CString, CString>> out;
        CString title, value;
        for (int i = 0; Ctl()->GetLookupWnd()->GetRowTexts(i, title, value); ++i)
            out.push_back({title, value});
        return out;
    }
};

TEST_F(LookupWindow, TheButtonOpensAToolWindowOfTheFirstSlotsRows)
{
    PressLookup();
    ASSERT_TRUE(Ctl()->IsLookupOn());
    CSearchWnd* lookup = Ctl()->GetLookupWnd();
    ASSERT_TRUE(lookup && lookup->GetSafeHwnd());
    HWND hWnd = lookup->GetSafeHwnd();
    EXPECT_TRUE(::IsWindowVisible(hWnd));
    EXPECT_EQ(DWORD(0x84CC0000), DWORD(::GetWindowLongPtr(hWnd, GWL_STYLE)) & 0x84CC0000);
    EXPECT_TRUE(::GetWindowLongPtr(hWnd, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    EXPECT_EQ(host.GetSafeHwnd(), ::GetWindow(hWnd, GW_OWNER)); // the chart's top-level window
    char caption[32] = {};
    ::GetWindowTextA(hWnd, caption, sizeof caption);
    EXPECT_STREQ("수치조회", caption);

    // Slot 0 is the oldest bar shown.
    const std::vector<std::pair<CString, CString>> expected = {
        {"일자", "2026/01/01"}, {"시가", "1,000"}, {"고가", "1,050"}, {"저가", "990"}, {"종가", "1,010"}};
    EXPECT_EQ(expected, Texts());
    CRect client;
    lookup->GetClientRect(&client);
    EXPECT_EQ(5 * CSearchWnd::ROW_HEIGHT, client.Height());
}

TEST_F(LookupWindow, FollowsTheSlotItIsFilledForAndKeepsItsSize)
{
    PressLookup();
    ASSERT_TRUE(Ctl()->IsLookupOn());
    Ctl()->FillLookup(1);
    std::vector<std::pair<CString, CString>> expected = {
        {"일자", "2026/01/02"}, {"시가", "1,100"}, {"고가", "1,150"}, {"저가", "1,090"}, {"종가", ""}};
    EXPECT_EQ(expected, Texts());
    Ctl()->FillLookup(2);
    EXPECT_EQ("1,200", Texts()[1].second);
    CRect client;
    Ctl()->GetLookupWnd()->GetClientRect(&client);
    EXPECT_EQ(5 * CSearchWnd::ROW_HEIGHT, client.Height());
}

TEST_F(LookupWindow, FollowsThePointerAcrossThePlot)
{
    PressLookup();
    ASSERT_TRUE(Ctl()->IsLookupOn());
    const CRect plot = Ctl()->GetPlotRect();
    const int L = Ctl()->GetProperties().GetLIndexWidth(), R = Ctl()->GetProperties().GetRIndexWidth();
    Ctl()->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(plot.right - R - 2, plot.CenterPoint().y));
    EXPECT_EQ("2026/01/05", Texts()[0].second); // the newest bar at the right
    EXPECT_EQ("1,200", Texts()[1].second);
    Ctl()->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(plot.left + L + 2, plot.CenterPoint().y));
    EXPECT_EQ("2026/01/01", Texts()[0].second);
}

TEST_F(LookupWindow, PaintsRowsOnWhiteWithGreyGridAndGroupEndsInTheRowColour)
{
    PressLookup();
    CSearchWnd* lookup = Ctl()->GetLookupWnd();
    ASSERT_TRUE(lookup);
    const CRect client(0, 0, CSearchWnd::CLIENT_WIDTH, 5 * CSearchWnd::ROW_HEIGHT);
    CDC screen;
    screen.Attach(::GetDC(NULL));
    CDC dc;
    dc.CreateCompatibleDC(&screen);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&screen, client.Width(), client.Height());
    CBitmap* old = dc.SelectObject(&bitmap);
    lookup->PaintTo(&dc, client);
    const int middle = client.Width() / 2;
    EXPECT_EQ(RGB(0, 0, 0), dc.GetPixel(middle - 4, 19));              // the time row closes its group
    EXPECT_EQ(RGB(0xC0, 0xC0, 0xC0), dc.GetPixel(middle - 4, 39));     // open, inside the candle group
    EXPECT_EQ(RGB(0xC0, 0xC0, 0xC0), dc.GetPixel(middle - 4, 79));     // low
    EXPECT_EQ(RGB(0xC0, 0xC0, 0xC0), dc.GetPixel(middle, 30));         // the column divider
    EXPECT_EQ(RGB(255, 255, 255), dc.GetPixel(middle - 4, 30));        // ground
    dc.SelectObject(old);
    ::ReleaseDC(NULL, screen.Detach());
}

TEST_F(LookupWindow, ItsCloseBoxTurnsTheLookupOffAndReleasesTheButton)
{
    PressLookup();
    ASSERT_TRUE(Ctl()->IsLookupOn());
    CChartButton* button = dynamic_cast<CChartButton*>(Ctl()->GetBottomBar()->GetCtrl(10008));
    ASSERT_TRUE(button);
    EXPECT_EQ(1, button->GetCheck());
    HWND hWnd = Ctl()->GetLookupWnd()->GetSafeHwnd();
    ::SendMessage(hWnd, WM_CLOSE, 0, 0);
    PumpMessages();
    EXPECT_FALSE(Ctl()->IsLookupOn());
    EXPECT_EQ(nullptr, Ctl()->GetLookupWnd());
    EXPECT_FALSE(::IsWindow(hWnd));
    EXPECT_EQ(0, button->GetCheck());
    // Pressed again, it opens anew.
    PressLookup();
    EXPECT_TRUE(Ctl()->IsLookupOn());
    PressLookup();
    EXPECT_FALSE(Ctl()->IsLookupOn());
    EXPECT_EQ(nullptr, Ctl()->GetLookupWnd());
}

TEST_F(LookupWindow, RefusedWithoutDataOrTimeAxis)
{
    Ctl()->SetDataReady(FALSE);
    EXPECT_FALSE(Ctl()->SetLookup(TRUE));
    EXPECT_EQ(nullptr, Ctl()->GetLookupWnd());
    Ctl()->SetDataReady(TRUE);
    Ctl()->GetProperties().SetTimeKind(6);
    EXPECT_FALSE(Ctl()->SetLookup(TRUE));
    EXPECT_EQ(nullptr, Ctl()->GetLookupWnd());
}

} // namespace
