// The chart control as a host meets it: the factory, the stored geometry, a real window under a
// host window, and the data link's clear-all.
#include <gtest/gtest.h>

#include <memory>

#include "../../canvas/tests/canvas_fixture.h"
#include "../../dialogs/tests/dialog_closer.h"
#include "../../model/tests/property_string_fixture.h"
#include "CtlChart.h"
#include "SearchWnd.h"
#include "chart_data_fixture.h"

namespace
{

struct ChartDeleter
{
    void operator()(IChartBase* p) const { delete p; }
};
typedef std::unique_ptr<IChartBase, ChartDeleter> ChartPtr;

struct GeometryCase
{
    const char* what;
    void (*apply)(IChartBase*);
    RECT rect;
    int top, left, width, height;
};

const GeometryCase kGeometry[] = {
    {"SetLeft(10)", [](IChartBase* c) { c->SetLeft(10); }, {10, 0, 210, 100}, 0, 10, 200, 100},
    {"SetTop(7)", [](IChartBase* c) { c->SetTop(7); }, {0, 7, 200, 107}, 7, 0, 200, 100},
    {"SetWidth(50)", [](IChartBase* c) { c->SetWidth(50); }, {0, 0, 50, 100}, 0, 0, 50, 100},
    {"SetHeight(30)", [](IChartBase* c) { c->SetHeight(30); }, {0, 0, 200, 30}, 0, 0, 200, 30},
    {"SetLeft then SetWidth", [](IChartBase* c) { c->SetLeft(5); c->SetWidth(20); }, {5, 0, 25, 100}, 0, 5, 20, 100},
    {"SetCtlRect", [](IChartBase* c) { c->SetCtlRect(RECT{3, 4, 53, 24}); }, {3, 4, 53, 24}, 4, 3, 50, 20},
    {"LEFT by name", [](IChartBase* c) { c->SetPropertyValue("left", "10"); }, {10, 0, 210, 100}, 0, 10, 200, 100},
};

class ChartControlGeometry : public ::testing::TestWithParam<GeometryCase>
{
};

TEST_P(ChartControlGeometry, RectangleStaysInStepWithTheFourNumbers)
{
    const GeometryCase& c = GetParam();
    ChartPtr chart(GetNewControl());
    c.apply(chart.get());
    RECT r = {-1, -1, -1, -1};
    chart->GetCtlRect(&r);
    EXPECT_EQ(c.rect.left, r.left);
    EXPECT_EQ(c.rect.top, r.top);
    EXPECT_EQ(c.rect.right, r.right);
    EXPECT_EQ(c.rect.bottom, r.bottom);
    EXPECT_EQ(c.top, chart->GetTop());
    EXPECT_EQ(c.left, chart->GetLeft());
    EXPECT_EQ(c.width, chart->GetWidth());
    EXPECT_EQ(c.height, chart->GetHeight());
}

INSTANTIATE_TEST_SUITE_P(Table, ChartControlGeometry, ::testing::ValuesIn(kGeometry));

TEST(ChartControl, WithoutWindowSettersOnlyStore)
{
    ChartPtr chart(GetNewControl());
    chart->SetCaption("ABC");
    CCtlChart::FromInterface(chart.get())->SetEnable(FALSE);
    chart->MoveControl();
    chart->SetForeColor(CCtlColor::Index(9));
    chart->SetVisible(FALSE);
    chart->SetHostData(0x12345678);
    EXPECT_EQ(nullptr, chart->GetCtlHwnd());
    EXPECT_STREQ("ABC", chart->GetCaption());
    EXPECT_FALSE(CCtlChart::FromInterface(chart.get())->GetEnable());
    EXPECT_EQ(9, chart->GetForeColor().GetIndex());
    EXPECT_FALSE(chart->GetVisible());
    EXPECT_EQ(0x12345678, chart->GetHostData());
    EXPECT_EQ(chart->GetWndPoint(), static_cast<CWnd*>(CCtlChart::FromInterface(chart.get())));
    EXPECT_EQ(nullptr, chart->GetWndPoint()->GetSafeHwnd());
}

TEST(ChartControl, DoubleClickNoticeIsOffUntilTheHostAsks)
{
    ChartPtr chart(GetNewControl());
    CCtlChart* ctl = CCtlChart::FromInterface(chart.get());
    EXPECT_FALSE(ctl->IsDblClickUsed());
    ctl->UseCanvasDblClick("차트1");
    EXPECT_TRUE(ctl->IsDblClickUsed());
    EXPECT_STREQ("차트1", ctl->GetDblClickName());
    EXPECT_EQ(nullptr, ctl->GetPopupMenu(CPoint(1, 1)));
}

TEST(ChartControl, EnglishVersionSwitchesTheTextsBothWays)
{
    ChartPtr chart(GetNewControl());
    CCtlChart* ctl = CCtlChart::FromInterface(chart.get());
    for (int english : {1, 0})
    {
        ctl->SetEnglishVersion(english);
        EXPECT_EQ(english, ctl->GetSeriesSettings().m_nEnglish);
        EXPECT_EQ(english, ctl->GetProperties().m_bEnglish);
    }
}

TEST(ChartControl, TimeSettingsGoToThePropertySet)
{
    ChartPtr chart(GetNewControl());
    CCtlChart* ctl = CCtlChart::FromInterface(chart.get());
    chart->Set_TimeKind(3);
    chart->Set_MinTerm(15);
    EXPECT_EQ(3, ctl->GetProperties().GetTimeKind());
    EXPECT_EQ(15, ctl->GetProperties().GetMinTerm());
    EXPECT_EQ(0, chart->GetChartDataCount());
}

class ChartControlWindow : public ::testing::Test
{
protected:
    CHostWindow host;
    ChartPtr chart{GetNewControl()};

    void SetUp() override { ASSERT_TRUE(host.Make(500, 300)); }
    void TearDown() override
    {
        chart.reset();
        if (host.GetSafeHwnd())
            host.DestroyWindow();
    }
    CCtlChart* Ctl() { return CCtlChart::FromInterface(chart.get()); }
    BOOL Create() { return chart->CreateControl(&host, RECT{10, 20, 410, 220}, 77); }
    BOOL ButtonShown(int id)
    {
        CChartBtmBar* bar = Ctl()->GetBottomBar();
        return bar && bar->GetButtonInfo(id) && bar->GetButtonInfo(id)->bVisible;
    }
};

TEST_F(ChartControlWindow, CreateControlMakesAChildAtTheRectangle)
{
    ASSERT_TRUE(Create());
    HWND hWnd = chart->GetCtlHwnd();
    ASSERT_NE(nullptr, hWnd);
    EXPECT_EQ(hWnd, chart->GetWndPoint()->GetSafeHwnd());
    EXPECT_EQ(host.GetSafeHwnd(), ::GetParent(hWnd));
    EXPECT_EQ(77, ::GetDlgCtrlID(hWnd));
    const DWORD style = DWORD(::GetWindowLongPtr(hWnd, GWL_STYLE));
    EXPECT_EQ(DWORD(0x54810000), style & 0x54810000);
    CRect rect;
    ::GetWindowRect(hWnd, &rect);
    host.ScreenToClient(&rect);
    EXPECT_EQ(CRect(10, 20, 410, 220), rect);
    CString text;
    ASSERT_TRUE(chart->GetPropertyValue("BACKCOLOR", text));
    EXPECT_STREQ("179:255255255", text);
}

TEST_F(ChartControlWindow, WindowOperationsReachTheWindow)
{
    ASSERT_TRUE(Create());
    HWND hWnd = chart->GetCtlHwnd();
    chart->SetCaption("차트");
    char buffer[32] = {};
    ::GetWindowTextA(hWnd, buffer, sizeof buffer);
    EXPECT_STREQ("차트", buffer);
    chart->SetVisible(FALSE);
    EXPECT_FALSE(::IsWindowVisible(hWnd));
    chart->SetVisible(TRUE);
    EXPECT_TRUE(::IsWindowVisible(hWnd));
    Ctl()->SetEnable(FALSE);
    EXPECT_FALSE(::IsWindowEnabled(hWnd));
    chart->SetLeft(30);
    chart->MoveControl();
    CRect rect;
    ::GetWindowRect(hWnd, &rect);
    host.ScreenToClient(&rect);
    EXPECT_EQ(30, rect.left);
    EXPECT_EQ(400, rect.Width());
}

struct ButtonCase
{
    const char* excel;
    const char* pin;
    BOOL excelShown;
    BOOL pinShown;
};

const ButtonCase kButtons[] = {
    {"0", "0", FALSE, FALSE},
    {"1", "0", TRUE, FALSE},
    {"0", "1", FALSE, TRUE},
    {"1", "1", TRUE, TRUE},
};

class ChartControlButtons : public ChartControlWindow, public ::testing::WithParamInterface<ButtonCase>
{
};

TEST_P(ChartControlButtons, SwitchesDecideTheBottomBarButtons)
{
    const ButtonCase& c = GetParam();
    ASSERT_TRUE(chart->SetPropertyValue("SendExcelDisplay", c.excel));
    ASSERT_TRUE(chart->SetPropertyValue("FixPinBtnDisplay", c.pin));
    ASSERT_TRUE(Create());
    ASSERT_NE(nullptr, Ctl()->GetBottomBar());
    EXPECT_EQ(c.excelShown, ButtonShown(10012));
    EXPECT_EQ(c.pinShown, ButtonShown(10013));
    EXPECT_FALSE(ButtonShown(10011)); // settings: always hidden
    EXPECT_TRUE(ButtonShown(10010) || Ctl()->GetBottomBar()->GetButtonInfo(10010) == nullptr);
}

INSTANTIATE_TEST_SUITE_P(Table, ChartControlButtons, ::testing::ValuesIn(kButtons));

// A chart of version 27 with one region and one line, in time kind 3 (interval).
std::string OneRegionChart()
{
    using namespace propfixture;
    const int v = 27;
    return Whole(v, TimeSection(v, 3), Section({RegionItem({"7", "0", "1"}, Side("won"), Side("pct"))}),
                 Section({HeaderOnlyObject(v, 0)}));
}

TEST_F(ChartControlWindow, PropertyStringGivenBeforeTheWindowIsAppliedWhenItIsMade)
{
    const std::string text = OneRegionChart();
    Ctl()->SetPropertyString(text.c_str());
    Ctl()->GetProperties().ClearAll(); // whatever happened to the set before the window
    Ctl()->SetPropertyString(""); // an empty text keeps the stored one
    EXPECT_STREQ(text.c_str(), Ctl()->m_strPropertyString);
    ASSERT_TRUE(Create());
    EXPECT_EQ(27, Ctl()->GetProperties().m_nPropVersion);
    EXPECT_EQ(1, Ctl()->GetProperties().m_RegionList.GetCount());
    EXPECT_EQ(3, Ctl()->GetProperties().GetTimeKind());
}

TEST_F(ChartControlWindow, ToolBarUseOffMakesNoBottomBar)
{
    ASSERT_TRUE(chart->SetPropertyValue("ToolBarUse", "0"));
    ASSERT_TRUE(Create());
    EXPECT_EQ(nullptr, Ctl()->GetBottomBar());
}

TEST_F(ChartControlWindow, FailedCreationKeepsTheStoredProperties)
{
    // A child window needs a parent: creation fails and the control stays usable.
    EXPECT_FALSE(chart->CreateControl(nullptr, RECT{1, 2, 3, 4}, 5));
    EXPECT_EQ(nullptr, chart->GetCtlHwnd());
    EXPECT_EQ(5, chart->GetCtlID());
    EXPECT_TRUE(chart->SetPropertyValue("CAPTION", "still"));
    EXPECT_STREQ("still", chart->GetCaption());
}

TEST_F(ChartControlWindow, UpdateOutputDataClearsOnlyOnZeroAndIgnoresNull)
{
    ASSERT_TRUE(Create());
    ASSERT_GE(Ctl()->AddRegion(), 0);
    ASSERT_EQ(1, Ctl()->GetRegionCount());
    Ctl()->UpdateOutputData(nullptr); // a host's null record must not crash the chart
    EXPECT_EQ(1, Ctl()->GetRegionCount());
    DATAUPDATEINFO info = {0, 0, 0, 1};
    Ctl()->UpdateOutputData(&info);
    EXPECT_EQ(1, Ctl()->GetRegionCount());
    info.nUpdate = 0;
    Ctl()->UpdateOutputData(&info);
    EXPECT_EQ(0, Ctl()->GetRegionCount());
}

TEST_F(ChartControlWindow, PopupCommand101SwitchesTheLookupWindowThatGoesAndComesWithTheChart)
{
    ASSERT_TRUE(Create());
    chartdata::BongData data(30);
    ASSERT_EQ(TRUE, chart->AddBongChart(data.pointers, 30, 0, 0));
    Ctl()->ActionPopupMenu(102); // any other command: nothing
    EXPECT_FALSE(Ctl()->IsLookupOn());
    EXPECT_EQ(nullptr, Ctl()->GetLookupWnd());

    Ctl()->ActionPopupMenu(101);
    ASSERT_TRUE(Ctl()->IsLookupOn());
    ASSERT_NE(nullptr, Ctl()->GetLookupWnd());
    const HWND lookup = Ctl()->GetLookupWnd()->GetSafeHwnd();
    const HWND window = chart->GetCtlHwnd();
    EXPECT_TRUE(::IsWindowVisible(lookup));
    Ctl()->ShowControl(FALSE);
    EXPECT_FALSE(::IsWindowVisible(window));
    EXPECT_FALSE(::IsWindowVisible(lookup));
    Ctl()->ShowControl(TRUE);
    EXPECT_TRUE(::IsWindowVisible(window));
    EXPECT_TRUE(::IsWindowVisible(lookup));

    Ctl()->ActionPopupMenu(101);
    EXPECT_FALSE(Ctl()->IsLookupOn());
    EXPECT_FALSE(::IsWindow(lookup));
    Ctl()->ShowControl(FALSE);
    Ctl()->ShowControl(TRUE); // switched off, showing the chart brings no lookup back
    EXPECT_EQ(nullptr, Ctl()->GetLookupWnd());
}

TEST_F(ChartControlWindow, HidingTheSelectedSeriesDropsTheSelectionSoADoubleClickOpensNoDialog)
{
    ASSERT_TRUE(Create());
    chartdata::BongData data(30);
    ASSERT_EQ(TRUE, chart->AddBongChart(data.pointers, 30, 0, 0));
    CCtlChart* ctl = Ctl();
    ctl->UpdateWindow();
    // A point on the candles (object 0), found by the region's own hit test.
    CRegionCanvas* region = ctl->GetRegion(0);
    const CRect plot = region->GetPlotRect();
    CPoint on(-1, -1);
    for (int y = plot.top; y < plot.bottom && on.x < 0; ++y)
        for (int x = plot.left; x < plot.right && on.x < 0; ++x)
            if (region->HitTest(x, y) == 0)
                on = CPoint(x, y);
    ASSERT_GE(on.x, 0);
    ctl->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(on.x, on.y));
    ctl->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(on.x, on.y));
    ASSERT_TRUE(ctl->IsSeriesSelected());
    ASSERT_EQ(0, ctl->GetSelectedObject());

    EXPECT_EQ(TRUE, chart->ShowHideObject(0, 0, 0));
    EXPECT_FALSE(ctl->IsSeriesSelected());
    EXPECT_EQ(0, region->GetDrawObject(0)->m_nSelected);
    CDialogScript script;
    script.Then([](HWND dlg) { CDialogScript::Click(dlg, IDCANCEL); });
    ctl->SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(on.x, on.y));
    EXPECT_EQ(0, script.Shown()) << "the hidden candles' dialog opened";
}

TEST_F(ChartControlWindow, DestroyingThroughTheInterfaceDestroysTheWindow)
{
    ASSERT_TRUE(Create());
    HWND hWnd = chart->GetCtlHwnd();
    chart.reset();
    EXPECT_FALSE(::IsWindow(hWnd));
}

} // namespace
