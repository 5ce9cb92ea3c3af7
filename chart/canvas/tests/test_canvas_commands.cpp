// The bottom bar's commands on a live canvas: the shown window's arithmetic, zoom history, the
// draw-mode menu, the keep-count switch and the dialogs each command runs modally.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../../dialogs/tests/dialog_closer.h"
#include "ChartDialogIds.h"
#include "canvas_fixture.h"
#include "msgbox_recorder.h"

namespace
{

// The window arithmetic, case by case.
struct WindowCase
{
    const char* what;
    int total;
    CanvasWindowState before;
    int op; // 0 zoom in, 1 slider at arg, 2 scroll to arg, 3 display count arg
    int arg;
    BOOL changed;
    CanvasWindowState after;
};

class WindowArithmetic : public ::testing::TestWithParam<WindowCase>
{
};

TEST_P(WindowArithmetic, GivesTheShownWindow)
{
    const WindowCase& c = GetParam();
    CanvasWindowState window = c.before;
    BOOL changed = TRUE;
    switch (c.op)
    {
    case 0:
        changed = CanvasZoomIn(c.total, window);
        break;
    case 1:
        window = CanvasSliderWindow(c.total, window, c.arg);
        break;
    case 2:
        window.first = CanvasScrollFirst(c.total, window.count, c.arg);
        break;
    default:
        changed = CanvasApplyDisplayCount(c.total, c.arg, window) == CANVASCOUNT_SET;
        break;
    }
    EXPECT_EQ(c.changed, changed) << c.what;
    EXPECT_EQ(c.after.first, window.first) << c.what;
    EXPECT_EQ(c.after.count, window.count) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Table, WindowArithmetic,
    ::testing::Values(
        WindowCase{"zoom in keeps the right edge", 200, {0, 30}, 0, 0, TRUE, {10, 20}},
        WindowCase{"zoom in at 11", 200, {5, 11}, 0, 0, TRUE, {15, 1}},
        WindowCase{"zoom in at 10 refused", 200, {0, 10}, 0, 0, FALSE, {0, 10}},
        WindowCase{"zoom in past the data refused", 100, {80, 30}, 0, 0, FALSE, {80, 30}},
        WindowCase{"slider at 100 shows one", 200, {0, 200}, 1, 100, TRUE, {199, 1}},
        WindowCase{"slider at 0 shows all", 200, {50, 20}, 1, 0, TRUE, {0, 200}},
        WindowCase{"slider at 50 keeps the right edge", 200, {100, 100}, 1, 50, TRUE, {100, 100}},
        WindowCase{"scroll clamped above", 200, {0, 50}, 2, 190, TRUE, {150, 50}},
        WindowCase{"scroll clamped below", 200, {10, 50}, 2, -5, TRUE, {0, 50}},
        WindowCase{"count above the total refused", 200, {10, 50}, 3, 201, FALSE, {10, 50}},
        WindowCase{"count 0 refused", 200, {10, 50}, 3, 0, FALSE, {10, 50}},
        WindowCase{"count equal to the total shows all", 200, {30, 50}, 3, 200, TRUE, {0, 200}},
        WindowCase{"smaller count keeps the first index", 200, {30, 50}, 3, 40, TRUE, {30, 40}},
        WindowCase{"larger count pulled back into the data", 200, {150, 50}, 3, 120, TRUE, {80, 120}}));

TEST(WindowArithmetic, SliderPositionOfAWindow)
{
    EXPECT_EQ(0, CanvasSliderPosition(201, 200));
    EXPECT_EQ(50, CanvasSliderPosition(201, 100));
    EXPECT_EQ(0, CanvasSliderPosition(1, 1));
}

class RecordingCanvas : public CCanvas
{
public:
    std::vector<std::string> messages;
    void ShowMessageBox(CString text) override { messages.push_back(LPCSTR(text)); }
};

class CanvasCommands : public ::testing::Test
{
protected:
    CHostWindow host;
    RecordingCanvas canvas;

    void SetUp() override
    {
        ASSERT_TRUE(host.Make(600, 300));
        ASSERT_TRUE(canvas.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 600, 300), &host, 100));
        const std::vector<int> times = DailyTimes(200);
        canvas.SetTimes(times.data(), 200);
        const int region = canvas.AddRegion();
        canvas.AddDrawObject(region, MakeSeriesObject(canvas, DRAWKIND_CANDLE, CandleSeries(200)));
        canvas.SetDataReady(TRUE);
    }
    void TearDown() override
    {
        if (canvas.GetSafeHwnd())
            canvas.DestroyWindow();
        if (host.GetSafeHwnd())
            host.DestroyWindow();
    }
    void Command(UINT id) { canvas.SendMessage(WM_COMMAND, MAKEWPARAM(id, 0), 0); }
};

// The scroll bar's notification holds the position in one word; a chart of more bars than a
// word counts still scrolls to the position the user stepped to.
TEST(CanvasScroll, AStepPastTheSixteenBitPositionsKeepsTheWholePosition)
{
    CHostWindow host;
    CCanvas canvas;
    ASSERT_TRUE(host.Make(600, 300));
    ASSERT_TRUE(canvas.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 600, 300), &host, 100));
    const int total = 70000;
    const std::vector<int> times = DailyTimes(total);
    canvas.SetTimes(times.data(), total);
    canvas.AddDrawObject(canvas.AddRegion(), MakeSeriesObject(canvas, DRAWKIND_CANDLE, CandleSeries(total)));
    canvas.SetDataReady(TRUE);
    canvas.SetShowWindow(69000, 100);
    ASSERT_NE(nullptr, canvas.GetBottomBar());
    CXScrollBar* scroll = canvas.GetBottomBar()->GetScrollBar();
    ASSERT_NE(nullptr, scroll);
    ASSERT_EQ(69000, scroll->GetScrollPos());
    CRect client;
    scroll->GetClientRect(&client);
    const LPARAM rightArrow = MAKELPARAM(client.right - 4, client.Height() / 2);
    scroll->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, rightArrow);
    scroll->SendMessage(WM_LBUTTONUP, 0, rightArrow);
    EXPECT_EQ(69001, canvas.GetFirstIndex());
    canvas.DestroyWindow();
    host.DestroyWindow();
}

TEST_F(CanvasCommands, ZoomInAndBackRestoreTheWindow)
{
    canvas.SetShowWindow(40, 30);
    Command(CMD_CHART_ZOOMIN);
    EXPECT_EQ(50, canvas.GetFirstIndex());
    EXPECT_EQ(20, canvas.GetDisplayCount());
    Command(CMD_CHART_ZOOMIN);
    EXPECT_EQ(10, canvas.GetDisplayCount());
    Command(CMD_CHART_ZOOMIN); // 10 is too few to zoom further
    EXPECT_EQ(10, canvas.GetDisplayCount());
    EXPECT_EQ(2, canvas.GetZoomDepth());
    Command(CMD_CHART_ZOOMBACK);
    Command(CMD_CHART_ZOOMBACK);
    EXPECT_EQ(40, canvas.GetFirstIndex());
    EXPECT_EQ(30, canvas.GetDisplayCount());
    Command(CMD_CHART_ZOOMBACK); // empty history: nothing
    EXPECT_EQ(40, canvas.GetFirstIndex());
    EXPECT_EQ(30, canvas.GetDisplayCount());
}

TEST_F(CanvasCommands, TheDrawModeMenuChecksExactlyTheCurrentMode)
{
    const struct
    {
        UINT command;
        int mode;
    } steps[] = {{CMD_DRAWMODE_TREND, DRAWMODE_TREND},
                 {CMD_DRAWMODE_VERTICAL, DRAWMODE_VERTICAL},
                 {CMD_DRAWMODE_HORIZONTAL, DRAWMODE_HORIZONTAL},
                 {CMD_DRAWMODE_DEFAULT, DRAWMODE_DEFAULT}};
    for (const auto& step : steps)
    {
        Command(step.command);
        EXPECT_EQ(step.mode, canvas.GetDrawMode());
        CMenu menu;
        canvas.MakeDrawModeMenu(menu);
        ASSERT_EQ(4, menu.GetMenuItemCount());
        int checked = 0;
        for (int i = 0; i < 4; ++i)
            if (menu.GetMenuState(UINT(i), MF_BYPOSITION) & MF_CHECKED)
            {
                ++checked;
                EXPECT_EQ(step.command, menu.GetMenuItemID(i));
            }
        EXPECT_EQ(1, checked);
        menu.DestroyMenu();
    }
}

// The draw-mode button's menu opens at the button's left edge, one pixel below its top.
HWND g_menuRunner = NULL;
HWND g_menuWindow = NULL;
CRect g_menuRect;
LRESULT CALLBACK MenuRunnerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_APP)
    {
        ::GetWindowRect(HWND(wParam), &g_menuRect);
        ::EndMenu();
        return 0;
    }
    return ::DefWindowProcA(hwnd, message, wParam, lParam);
}
LRESULT CALLBACK MenuHook(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND && !g_menuWindow)
    {
        char cls[16] = "";
        ::GetClassNameA(HWND(wParam), cls, int(sizeof(cls)));
        if (lstrcmpA(cls, "#32768") == 0)
        {
            g_menuWindow = HWND(wParam);
            ::PostMessageA(g_menuRunner, WM_APP, wParam, 0);
        }
    }
    return ::CallNextHookEx(NULL, code, wParam, lParam);
}

TEST_F(CanvasCommands, TheDrawModeMenuOpensAtTheButton)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = MenuRunnerProc;
    wc.hInstance = ::GetModuleHandleA(NULL);
    wc.lpszClassName = "GraphKitMenuRunner";
    ::RegisterClassA(&wc);
    g_menuRunner = ::CreateWindowExA(0, wc.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, NULL, wc.hInstance, NULL);
    g_menuWindow = NULL;
    HHOOK hook = ::SetWindowsHookExA(WH_CBT, MenuHook, NULL, ::GetCurrentThreadId());
    Command(CMD_CHART_DRAWMODE);
    ::UnhookWindowsHookEx(hook);
    ::DestroyWindow(g_menuRunner);
    ASSERT_NE(HWND(NULL), g_menuWindow);
    CRect button;
    canvas.GetBottomBar()->GetCtrl(CMD_CHART_DRAWMODE)->GetWindowRect(&button);
    EXPECT_EQ(button.left, g_menuRect.left);
    // Below the top unless the screen's bottom pushed it up.
    EXPECT_TRUE(g_menuRect.top == button.top + 1 || g_menuRect.bottom <= button.top + 1);
    EXPECT_EQ(DRAWMODE_DEFAULT, canvas.GetDrawMode()); // dismissed: nothing chosen
}

TEST_F(CanvasCommands, KeepCountFlipsAndLayoutSwitches)
{
    EXPECT_FALSE(canvas.GetKeepCount());
    Command(CMD_CHART_KEEPCOUNT);
    EXPECT_TRUE(canvas.GetKeepCount());
    Command(CMD_CHART_KEEPCOUNT);
    EXPECT_FALSE(canvas.GetKeepCount());
    Command(CMD_CHART_LAYOUT);
    EXPECT_EQ(1, canvas.GetLayoutKind());
    Command(CMD_CHART_LAYOUT);
    EXPECT_EQ(0, canvas.GetLayoutKind());
}

TEST_F(CanvasCommands, AllSentItemsInTheCountDialogShowEverythingFromTheNewest)
{
    canvas.SetShowWindow(30, 50);
    CDialogScript script;
    script.Then([](HWND dlg) {
        EXPECT_EQ(CString("200"), CDialogScript::Text(dlg, IDC_DATANUM_TOTAL));
        EXPECT_EQ(CString("50"), CDialogScript::Text(dlg, IDC_DATANUM_COUNT));
        CDialogScript::Click(dlg, IDC_DATANUM_ALL);
        CDialogScript::Click(dlg, IDOK);
    });
    Command(CMD_CHART_DISPLAYCOUNT);
    EXPECT_EQ(1, script.Shown());
    EXPECT_EQ(0, canvas.GetFirstIndex());
    EXPECT_EQ(200, canvas.GetDisplayCount());
    // Refreshed: the slider and scroll bar show the whole series.
    EXPECT_EQ(CanvasSliderPosition(200, 200), canvas.GetBottomBar()->GetSlider()->GetPos());
}

TEST_F(CanvasCommands, TheCountDialogRefusesZeroAndCountsAboveTheTotal)
{
    canvas.SetShowWindow(30, 50);
    CMsgBoxRecorder boxes;
    CDialogScript script;
    // 0: the dialog itself stays open with the range message; then Cancel.
    script.Then([&boxes](HWND dlg) {
        ::SetDlgItemTextA(dlg, IDC_DATANUM_COUNT, "0");
        CDialogScript::Click(dlg, IDOK);
        EXPECT_EQ(1u, boxes.Count()); // the range message: the exchange failed, the dialog stays
        CDialogScript::Click(dlg, IDCANCEL);
    });
    Command(CMD_CHART_DISPLAYCOUNT);
    EXPECT_EQ(1u, boxes.Count());
    // Above the total: the dialog takes it, the canvas refuses it with its message.
    script.Then([](HWND dlg) {
        ::SetDlgItemTextA(dlg, IDC_DATANUM_COUNT, "201");
        CDialogScript::Click(dlg, IDOK);
    });
    Command(CMD_CHART_DISPLAYCOUNT);
    ASSERT_EQ(1u, canvas.messages.size());
    EXPECT_EQ("화면 표시 갯수는 전송된 자료수를 초과할수 없습니다.", canvas.messages[0]);
    EXPECT_EQ(30, canvas.GetFirstIndex());
    EXPECT_EQ(50, canvas.GetDisplayCount());
    // An ordinary count.
    script.Then([](HWND dlg) {
        ::SetDlgItemTextA(dlg, IDC_DATANUM_COUNT, "120");
        CDialogScript::Click(dlg, IDOK);
    });
    Command(CMD_CHART_DISPLAYCOUNT);
    EXPECT_EQ(30, canvas.GetFirstIndex());
    EXPECT_EQ(120, canvas.GetDisplayCount());
}

TEST_F(CanvasCommands, TheTrendDialogHandsItsChoiceToEveryTrendLayer)
{
    CDialogScript script;
    script.Then([](HWND dlg) {
        // Thickness 1 comes in as the first entry.
        EXPECT_EQ(0, int(::SendDlgItemMessageA(dlg, IDC_TREND_THICKNESS, CB_GETCURSEL, 0, 0)));
        ::SendDlgItemMessageA(dlg, IDC_TREND_THICKNESS, CB_SETCURSEL, 2, 0);
        CDialogScript::Click(dlg, IDOK);
    });
    Command(CMD_CHART_TRENDSTYLE);
    EXPECT_EQ(3, canvas.GetTrendStyleValue());
    EXPECT_EQ(3, canvas.GetRegionAt(0)->m_nDefaultPenWidth);
    EXPECT_EQ(3, canvas.GetCanvasTrend().m_nDefaultPenWidth);
    // Next time the dialog opens on that entry; Cancel changes nothing.
    script.Then([](HWND dlg) {
        EXPECT_EQ(2, int(::SendDlgItemMessageA(dlg, IDC_TREND_THICKNESS, CB_GETCURSEL, 0, 0)));
        ::SendDlgItemMessageA(dlg, IDC_TREND_THICKNESS, CB_SETCURSEL, 0, 0);
        CDialogScript::Click(dlg, IDCANCEL);
    });
    Command(CMD_CHART_TRENDSTYLE);
    EXPECT_EQ(3, canvas.GetTrendStyleValue());
}

TEST_F(CanvasCommands, TheSettingsDialogWritesBackAndHidesTheBar)
{
    canvas.m_nToolTipUse = 0;
    CDialogScript script;
    script.Then([](HWND dlg) {
        ::CheckDlgButton(dlg, IDC_CONFIG_TOOLTIP, BST_CHECKED);
        ::CheckDlgButton(dlg, IDC_CONFIG_TOOLBAR, BST_UNCHECKED);
        CDialogScript::Click(dlg, IDOK);
    });
    Command(CMD_CHART_SETTINGS);
    EXPECT_EQ(1, canvas.m_nToolTipUse);
    EXPECT_EQ(0, canvas.m_nToolBarUse);
    EXPECT_FALSE(canvas.GetBottomBar()->IsWindowVisible());
    script.Then([](HWND dlg) {
        ::CheckDlgButton(dlg, IDC_CONFIG_TOOLBAR, BST_CHECKED);
        CDialogScript::Click(dlg, IDOK);
    });
    Command(CMD_CHART_SETTINGS);
    EXPECT_TRUE(canvas.GetBottomBar()->IsWindowVisible());
}

TEST_F(CanvasCommands, LookupIsRefusedWithoutATimeSeries)
{
    canvas.GetProperties().SetTimeKind(6);
    Command(CMD_CHART_LOOKUP);
    EXPECT_FALSE(canvas.IsLookupOn());
    ASSERT_EQ(1u, canvas.messages.size());
    EXPECT_EQ("시계열이 없는 차트는 수치조회가 되지 않습니다", canvas.messages[0]);
    canvas.GetProperties().SetTimeKind(0);
    Command(CMD_CHART_LOOKUP);
    EXPECT_TRUE(canvas.IsLookupOn());
    canvas.SendMessage(WM_LOOKUP_CLOSED, 0, 0);
    EXPECT_FALSE(canvas.IsLookupOn());
}

} // namespace
