// The tool bars as the canvas meets them: widths of the bottom bar's elements, the ground's
// colours, buttons that send their command only when released over them, the zoom slider's
// hit codes and its repeat on sent timer ticks, and the tooltip texts.
#include <gtest/gtest.h>

#include <vector>

#include "ChartToolBar.h"
#include "SkinCache.h"

namespace
{

struct WidthCase
{
    const char* what;
    int client, buttons, separators, splits;
    BOOL slider, scroll, selfResize;
    int sliderWidth, scrollWidth;
};

const WidthCase kWidthCases[] = {
    {"500 px, 8 buttons: free 372", 500, 8, 0, 0, TRUE, TRUE, TRUE, 80, 292},
    {"narrow: scroll 80, slider 53", 150, 8, 0, 0, TRUE, TRUE, TRUE, 53, 80},
    {"a slider share of exactly 80", 328, 8, 0, 0, TRUE, TRUE, TRUE, 80, 120},
    {"slider share below 80: 4/10 and 6/10", 298, 8, 0, 0, TRUE, TRUE, TRUE, 68, 102},
    {"separators and split buttons take room", 300, 4, 2, 1, TRUE, TRUE, TRUE, 77, 116},
    {"no scroll bar: both 0", 500, 8, 0, 0, TRUE, FALSE, TRUE, 0, 0},
    {"a lone scroll bar keeps 120", 500, 8, 0, 0, FALSE, TRUE, TRUE, 80, 120},
    {"without self-resize the defaults", 500, 8, 0, 0, TRUE, TRUE, FALSE, 80, 120},
};

class BarWidths : public ::testing::TestWithParam<WidthCase>
{
};

TEST_P(BarWidths, SliderAndScrollBar)
{
    const WidthCase& c = GetParam();
    const ChartBarWidths w =
        ComputeChartBarWidths(c.client, c.buttons, c.separators, c.splits, c.slider, c.scroll, c.selfResize);
    EXPECT_EQ(c.sliderWidth, w.slider) << c.what;
    EXPECT_EQ(c.scrollWidth, w.scroll) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Table, BarWidths, ::testing::ValuesIn(kWidthCases));

TEST(BarGround, GreyEdgesAndWhiteInside)
{
    CDC memory;
    memory.CreateCompatibleDC(NULL);
    CBitmap bitmap;
    CClientDC screen(NULL);
    bitmap.CreateCompatibleBitmap(&screen, 40, 16);
    CBitmap* old = memory.SelectObject(&bitmap);
    PaintChartBarGround(&memory, CRect(0, 0, 40, 16));
    EXPECT_EQ(RGB(0xC6, 0xC6, 0xC6), memory.GetPixel(10, 0));
    EXPECT_EQ(RGB(255, 255, 255), memory.GetPixel(10, 1));
    EXPECT_EQ(RGB(255, 255, 255), memory.GetPixel(10, 14));
    EXPECT_EQ(RGB(0xC6, 0xC6, 0xC6), memory.GetPixel(10, 15));
    memory.SelectObject(old);
}

struct Move
{
    bool slider;
    int code;
    int position;
};

// The canvas stand-in: notes commands and the bar's forwarded moves.
class CCanvasStandIn : public CWnd, public IChartBarSink
{
public:
    std::vector<int> commands;
    std::vector<Move> moves;
    BOOL Make(int width)
    {
        return CreateEx(0, NULL, "canvas", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, width, 200, NULL, NULL);
    }
    void OnBarScroll(int code, int position, CWnd*) override { moves.push_back({false, code, position}); }
    void OnBarSlider(int code, int position, CWnd*) override { moves.push_back({true, code, position}); }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_COMMAND)
            commands.push_back(LOWORD(wParam));
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

class BottomBar : public ::testing::Test
{
protected:
    CSkinCache skins;
    CCanvasStandIn canvas;
    CChartBtmBar bar;

    void Make(int width, int timeKind = 0)
    {
        skins.Load();
        ASSERT_TRUE(canvas.Make(width));
        bar.SetTimeKind(timeKind);
        ASSERT_TRUE(bar.CreateBar(&canvas, &skins));
        bar.SetNotifySink(&canvas);
    }
    void TearDown() override
    {
        if (bar.GetSafeHwnd())
            bar.DestroyWindow();
        canvas.DestroyWindow();
    }
    CRect RectOf(int id) { return dynamic_cast<CBaseEmnt*>(bar.GetCtrl(id))->GetEmntRect(); }
};

TEST_F(BottomBar, FiveHundredPixelsGiveSlider80AndScroll292)
{
    Make(500);
    EXPECT_EQ(10, bar.GetElementCount());
    CRect bounds;
    bar.GetWindowRect(&bounds);
    EXPECT_EQ(16, bounds.Height());
    EXPECT_EQ(500, bounds.Width());
    EXPECT_EQ(CRect(0, 0, 292, 16), RectOf(10000));
    EXPECT_EQ(298, RectOf(10013).left); // six pixels after the scroll bar
    EXPECT_EQ(80, RectOf(10001).Width());
    EXPECT_EQ(CRect(418, 0, 498, 16), RectOf(10001));
    EXPECT_EQ(TBKIND_TOGGLE, bar.GetCtrlKind(10008));
    EXPECT_EQ(-1, bar.GetCtrlKind(12345));
}

TEST_F(BottomBar, ANarrowBarStillGivesScroll80AndSlider53)
{
    Make(150);
    EXPECT_EQ(80, RectOf(10000).Width());
    EXPECT_EQ(53, RectOf(10001).Width());
}

TEST_F(BottomBar, NumericXValuesLeaveOutFourButtons)
{
    Make(500, 5);
    EXPECT_EQ(6, bar.GetElementCount());
    for (int id : {10002, 10006, 10011, 10010})
        EXPECT_EQ(nullptr, bar.GetCtrl(id)) << id;
    EXPECT_EQ(356, RectOf(10000).Width()); // free = 500 - 4 x 16
}

TEST_F(BottomBar, AButtonSendsItsCommandOnlyWhenReleasedOverIt)
{
    Make(500);
    CWnd* button = bar.GetCtrl(10003);
    ASSERT_NE(nullptr, button);
    button->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
    button->SendMessage(WM_LBUTTONUP, 0, At(40, 5)); // outside
    EXPECT_TRUE(canvas.commands.empty());
    button->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
    button->SendMessage(WM_LBUTTONUP, 0, At(5, 5));
    ASSERT_EQ(1u, canvas.commands.size());
    EXPECT_EQ(10003, canvas.commands[0]);
    EXPECT_EQ(nullptr, CWnd::GetCapture());
}

TEST_F(BottomBar, AToggleFlipsOnlyOnAReleaseOverIt)
{
    Make(500);
    CChartButton* pin = static_cast<CChartButton*>(bar.GetCtrl(10013));
    pin->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
    pin->SendMessage(WM_LBUTTONUP, 0, At(5, -20));
    EXPECT_EQ(0, pin->GetCheck());
    pin->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
    pin->SendMessage(WM_LBUTTONUP, 0, At(5, 5));
    EXPECT_EQ(1, pin->GetCheck());
    bar.SetButtonState(10013, 0);
    EXPECT_EQ(0, pin->GetCheck());
}

TEST_F(BottomBar, SliderHitCodesAroundTheBlock)
{
    Make(500);
    CChartSliderBar* slider = bar.GetSlider();
    ASSERT_NE(nullptr, slider);
    slider->SetPos(50);
    const CRect block = slider->GetBlockRect();
    EXPECT_EQ(SLIDER_HIT_BLOCK, slider->HitCode(block.CenterPoint()));
    EXPECT_EQ(SLIDER_HIT_LEFT, slider->HitCode(CPoint(block.left - 3, 8)));
    EXPECT_EQ(SLIDER_HIT_RIGHT, slider->HitCode(CPoint(block.right + 3, 8)));
    EXPECT_EQ(SLIDER_HIT_NONE, slider->HitCode(CPoint(block.left - 3, 40)));
}

// The chart sets the slider on every new bar, mostly to where it stands: the slider paints
// again only when its block moves.
TEST_F(BottomBar, TheSliderPaintsAgainOnlyWhenItsPositionChanges)
{
    Make(500);
    CChartSliderBar* slider = bar.GetSlider();
    ASSERT_NE(nullptr, slider);
    const struct
    {
        const char* what;
        int from, to;
        bool repaints;
    } cases[] = {
        {"the same position", 50, 50, false},
        {"past the end while at the end", 100, 130, false},
        {"another position", 50, 60, true},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        slider->SetPos(c.from);
        slider->ValidateRect(nullptr);
        slider->SetPos(c.to);
        EXPECT_EQ(c.repaints, slider->GetUpdateRect(nullptr) != FALSE);
    }
}

TEST_F(BottomBar, HoldingLeftOfTheBlockRepeatsAStepOnEveryRepeatTick)
{
    Make(500);
    CChartSliderBar* slider = bar.GetSlider();
    slider->SetPos(50);
    const CRect block = slider->GetBlockRect();
    slider->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(block.left - 3, 8));
    ASSERT_EQ(1u, canvas.moves.size()); // once at once
    EXPECT_TRUE(canvas.moves[0].slider);
    EXPECT_EQ(SLIDER_UP, canvas.moves[0].code);
    EXPECT_EQ(60, canvas.moves[0].position);
    slider->SendMessage(WM_TIMER, 1, 0); // the 500 ms delay starts the repeat
    EXPECT_EQ(1u, canvas.moves.size());
    slider->SendMessage(WM_TIMER, 2, 0);
    slider->SendMessage(WM_TIMER, 2, 0);
    ASSERT_EQ(3u, canvas.moves.size());
    EXPECT_EQ(80, canvas.moves[2].position);
    slider->SendMessage(WM_LBUTTONUP, 0, At(block.left - 3, 8));
    slider->SendMessage(WM_TIMER, 2, 0); // a stray tick after the release
    EXPECT_EQ(3u, canvas.moves.size());
    // The step never passes the maximum.
    slider->SetPos(95);
    slider->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(slider->GetBlockRect().left - 3, 8));
    slider->SendMessage(WM_LBUTTONUP, 0, At(0, 8));
    EXPECT_EQ(100, canvas.moves.back().position);
}

// Holds the left mouse button down, as another program's user would, until it goes.
class CButtonHeldElsewhere
{
public:
    CButtonHeldElsewhere() { Send(MOUSEEVENTF_LEFTDOWN); }
    ~CButtonHeldElsewhere() { Send(MOUSEEVENTF_LEFTUP); }

private:
    static void Send(DWORD flags)
    {
        INPUT input = {};
        input.type = INPUT_MOUSE;
        input.mi.dwFlags = flags;
        ::SendInput(1, &input, sizeof input);
    }
};

// A press whose capture another window took (a box popping up, a switch to another program)
// never sees its release: the repeat must not go on stepping while the button is held elsewhere.
TEST_F(BottomBar, APressThatLostTheCaptureStopsStepping)
{
    Make(500);
    CChartSliderBar* slider = bar.GetSlider();
    slider->SetPos(50);
    const CRect block = slider->GetBlockRect();
    slider->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(block.left - 3, 8));
    slider->SendMessage(WM_TIMER, 1, 0);
    slider->SendMessage(WM_TIMER, 2, 0);
    ASSERT_EQ(2u, canvas.moves.size());
    canvas.SetCapture();
    CButtonHeldElsewhere held;
    ASSERT_NE(0, ::GetAsyncKeyState(VK_LBUTTON) & 0x8000) << "the desktop took the press";
    slider->SendMessage(WM_TIMER, 2, 0);
    EXPECT_EQ(2u, canvas.moves.size());
    EXPECT_EQ(70, slider->GetPos());
    ::ReleaseCapture();
}

TEST_F(BottomBar, RightOfTheBlockStepsDownAndTheScrollBarIsForwarded)
{
    Make(500);
    CChartSliderBar* slider = bar.GetSlider();
    slider->SetPos(5);
    const CRect block = slider->GetBlockRect();
    slider->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(block.right + 2, 8));
    slider->SendMessage(WM_LBUTTONUP, 0, At(block.right + 2, 8));
    ASSERT_EQ(1u, canvas.moves.size());
    EXPECT_EQ(SLIDER_DOWN, canvas.moves[0].code);
    EXPECT_EQ(0, canvas.moves[0].position);
    CXScrollBar* scroll = bar.GetScrollBar();
    scroll->SetScrollRange(0, 100, 10);
    scroll->SetScrollPos(40);
    scroll->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(RectOf(10000).Width() - 4, 8));
    scroll->SendMessage(WM_LBUTTONUP, 0, At(RectOf(10000).Width() - 4, 8));
    ASSERT_EQ(2u, canvas.moves.size());
    EXPECT_FALSE(canvas.moves[1].slider);
    EXPECT_EQ(XSB_STEP_RIGHT, canvas.moves[1].code);
    EXPECT_EQ(41, canvas.moves[1].position);
}

TEST_F(BottomBar, TooltipShowsTheTextOfTheElementUnderThePointer)
{
    Make(500);
    CRect pin;
    bar.GetCtrl(10013)->GetWindowRect(&pin);
    const WPARAM pinWindow = (WPARAM)bar.GetCtrl(10013)->GetSafeHwnd();
    bar.SendMessage(WM_CHART_SHOW_TIP, pinWindow, MAKELPARAM(pin.left + 4, pin.top + 4));
    EXPECT_EQ(CString("조회시 갯수고정"), bar.GetShownTip());
    bar.SendMessage(WM_CHART_HIDE_TIP, pinWindow, 0);
    EXPECT_TRUE(bar.GetShownTip().IsEmpty());
    // The elements ask for it themselves as the pointer moves over them.
    bar.GetCtrl(10001)->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(40, 8));
    EXPECT_EQ(CString("축소/확대"), bar.GetShownTip());
    bar.GetCtrl(10001)->SendMessage(WM_MOUSELEAVE, 0, 0);
    EXPECT_TRUE(bar.GetShownTip().IsEmpty());
    bar.GetCtrl(10000)->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(100, 8));
    EXPECT_EQ(CString("스크롤바"), bar.GetShownTip());
    bar.GetCtrl(10008)->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(4, 4));
    EXPECT_EQ(CString("수치조회"), bar.GetShownTip());
    bar.GetCtrl(10008)->SendMessage(WM_MOUSELEAVE, 0, 0);
}

// 2025 and 2026 are also a colour picker's "selection changed" and "dropped down" (colour,
// control id): the bar acts only on requests its own elements send.
TEST_F(BottomBar, TooltipRequestsOfOtherSendersAreIgnored)
{
    Make(500);
    CRect pin;
    bar.GetCtrl(10013)->GetWindowRect(&pin);
    // A colour whose value happens to pack the pin's screen point, sent as a picker would.
    bar.SendMessage(WM_CHART_SHOW_TIP, (WPARAM)MAKELPARAM(pin.left + 4, pin.top + 4), 2025);
    bar.SendMessage(WM_CHART_SHOW_TIP, 0, MAKELPARAM(pin.left + 4, pin.top + 4));
    EXPECT_TRUE(bar.GetShownTip().IsEmpty());
    bar.GetCtrl(10008)->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(4, 4));
    ASSERT_EQ(CString("수치조회"), bar.GetShownTip());
    bar.SendMessage(WM_CHART_HIDE_TIP, (WPARAM)RGB(0, 0, 0), 2026);
    EXPECT_EQ(CString("수치조회"), bar.GetShownTip());
    bar.GetCtrl(10008)->SendMessage(WM_MOUSELEAVE, 0, 0);
    EXPECT_TRUE(bar.GetShownTip().IsEmpty());
}

struct OverflowCase
{
    const char* what;
    int height;
    int firstHidden; // -1: all fit
};

// Six buttons of 16 stacked from y = 1 in a vertical bar.
const OverflowCase kOverflowCases[] = {
    {"all fit", 97, -1},
    {"the fifth does not fit: hidden from the fourth, for the overflow button", 80, 3},
    {"the sixth does not fit: hidden from the fifth", 96, 4},
    {"only the first fits, and too little room: the overflow button alone", 20, 0},
};

class VerticalBar : public ::testing::TestWithParam<OverflowCase>
{
};

TEST_P(VerticalBar, HidesWhatDoesNotFitAndShowsTheOverflowButton)
{
    const OverflowCase& c = GetParam();
    CSkinCache skins;
    skins.Load();
    CCanvasStandIn canvas;
    ASSERT_TRUE(canvas.Make(300));
    CChartToolBar bar;
    bar.SetSkinCache(&skins);
    bar.SetChartLocation(1);
    ASSERT_TRUE(bar.Create(&canvas));
    for (int id = 1; id <= 6; ++id)
    {
        TBBUTTONPROP prop;
        prop.nID = id;
        prop.dwBitmapID = skins.GetID(SKIN_PIN_BTN);
        bar.AddButtons(&prop);
    }
    bar.MoveWindow(0, 0, 16, c.height);
    bar.SetSize();
    EXPECT_EQ(c.firstHidden, bar.GetFirstHidden()) << c.what;
    EXPECT_EQ(c.firstHidden >= 0, bar.GetOverflowButton()->IsWindowVisible() != FALSE) << c.what;
    for (int id = 1; id <= 6; ++id)
    {
        const BOOL shown = c.firstHidden < 0 || id - 1 < c.firstHidden;
        EXPECT_EQ(shown, bar.GetCtrl(id)->IsWindowVisible() != FALSE) << c.what << ", button " << id;
    }
    if (c.firstHidden != 0)
    {
        EXPECT_EQ(CRect(0, 17, 16, 33), dynamic_cast<CBaseEmnt*>(bar.GetCtrl(2))->GetEmntRect()) << c.what;
    }
    bar.DestroyWindow();
    canvas.DestroyWindow();
}

INSTANTIATE_TEST_SUITE_P(Table, VerticalBar, ::testing::ValuesIn(kOverflowCases));

} // namespace
