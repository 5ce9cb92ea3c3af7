// The order alarm as the host meets it: events listed newest first in nine columns, at most
// 1000, cleared and hidden by its buttons, closed without losing them; its slide up against the
// work area driven by sent WM_TIMERs; a missing layout still lists the events.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "ColorMap.h"
#include "GridDataList.h"
#include "XeScrollBar.h"
#include "InstallFolders.h"
#include "OrdAlarm.h"
#include "msgbox_recorder.h"
#include "order_fixture.h"
#include "real_mouse.h"
#include "screen_shot.h"
#include "wnd_test_util.h"

namespace {

// A work area with a task bar of 40 pixels along the bottom of the screen, restored afterwards.
class TaskBarWorkArea
{
public:
    TaskBarWorkArea()
    {
        ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &m_saved, 0);
        CRect area(0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN) - 40);
        ::SystemParametersInfoA(SPI_SETWORKAREA, 0, &area, 0);
    }
    ~TaskBarWorkArea() { ::SystemParametersInfoA(SPI_SETWORKAREA, 0, &m_saved, 0); }

private:
    CRect m_saved;
};

CRect WorkArea()
{
    CRect area;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    return area;
}

// The alarm as the test drives it: the layout file's name can be changed before creation.
class CTestOrdAlarm : public COrdAlarm
{
public:
    explicit CTestOrdAlarm(CWnd* parent, const char* layout = NULL) : COrdAlarm(parent)
    {
        if (layout != NULL)
            m_strLayoutFile = layout;
    }
};

class OrdAlarmTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { OrderDialogsEnvironment::SetUp(); }
    static void TearDownTestSuite() { OrderDialogsEnvironment::TearDown(); }

    void SetUp() override { Make(NULL); }
    void TearDown() override
    {
        if (alarm->GetSafeHwnd() != NULL)
            alarm->DestroyWindow();
        alarm.reset();
    }
    void Make(const char* layout)
    {
        if (alarm && alarm->GetSafeHwnd() != NULL)
            alarm->DestroyWindow();
        alarm.reset(new CTestOrdAlarm(&owner, layout));
        ASSERT_TRUE(alarm->Create(COrdAlarm::IDD, &owner));
    }
    CGridDataList& Grid()
    {
        CGridDataList* grid = alarm->GetGrid();
        EXPECT_NE(grid, nullptr);
        return *grid;
    }
    std::string Cell(UINT col, UINT row) { return (const char*)Grid().GetCellText(col, row); }
    void Insert(COIN_ORD_INFO info) { alarm->InsertOrder(&info); }
    void Tick(int times)
    {
        for (int i = 0; i < times; ++i)
            alarm->SendMessage(WM_TIMER, IDT_ORDALARM_SLIDE, 0);
    }
    CRect Window()
    {
        CRect rc;
        alarm->GetWindowRect(&rc);
        return rc;
    }
    // Closing goes through the title bar as a posted IDCANCEL: deliver what was posted to the alarm.
    void Close()
    {
        alarm->SendMessage(WM_CLOSE);
        MSG msg;
        while (::PeekMessageA(&msg, alarm->GetSafeHwnd(), 0, 0, PM_REMOVE))
            ::DispatchMessageA(&msg);
    }
    // Each column shows its longest usual text whole in the list's own font, with the margins
    // the list draws text inside; the horizontal bar reaches the rest.
    void ExpectColumnsHoldTheirTexts()
    {
        const char* longest[][2] = {
            {"이더리움클래식(ETC)", ""},
            {"매수", "매도"},
            {"C0100000001000001", ""},
            {"1234567890", ""},
            {"2,147,483,647", ""},
            {"99,999.00000000", ""},
            {"2,147,483,647", "9,999,999,999"},
            {"99,999.00000000", ""},
            {"매수주문 실패!!, 설정 금액 대비 환산 주문 수량이 적습니다.", "강제 매도주문 실패!!, 잔고 체크중 Zembra API에서 에러 발생"},
        };
        CClientDC dc(&Grid());
        CFont* old = dc.SelectObject(Grid().GetFont());
        int total = 0;
        for (UINT col = 0; col < 9; ++col) {
            const int width = Grid().GetColumnWidth(col);
            total += width;
            for (const char* text : longest[col]) {
                EXPECT_LE(dc.GetTextExtent(text).cx + 4, width) << col << " " << text;
                EXPECT_LE(dc.GetTextExtent(Cell(col, 0).c_str()).cx + 4, width) << col;
            }
        }
        dc.SelectObject(old);
        CRect client;
        Grid().GetClientRect(&client);
        ASSERT_GT(total, client.Width());
        CXeScrollBar* bar = Grid().GetOwnScrollBar(0);
        ASSERT_NE(bar->GetSafeHwnd(), (HWND)NULL);
        EXPECT_TRUE(bar->GetStyle() & WS_VISIBLE);
        SCROLLINFO info = {};
        info.cbSize = sizeof info;
        ASSERT_TRUE(bar->GetScrollInfo(&info));
        EXPECT_GT(info.nMax + 1, (int)info.nPage); // the columns beyond the window are reached
    }
    // Whether the slide timer runs (asking ends it).
    bool TimerRan() { return ::KillTimer(alarm->GetSafeHwnd(), IDT_ORDALARM_SLIDE) != 0; }

    OwnerWindow owner;
    std::unique_ptr<CTestOrdAlarm> alarm;
};

TEST_F(OrdAlarmTest, HiddenPopUpWithItsTitleAndList)
{
    EXPECT_FALSE(alarm->IsWindowVisible());
    CString title;
    alarm->GetWindowText(title);
    EXPECT_EQ(title, "실시간 체결 알림창");
    EXPECT_EQ(alarm->GetControl(IDC_ORDALARM_GRID), alarm->GetGrid());
    EXPECT_NE(alarm->GetControl(IDC_ORDALARM_CLEAR), nullptr);
    EXPECT_NE(alarm->GetControl(IDC_ORDALARM_HIDE), nullptr);
    const char* headers[] = {"화폐이름", "구분", "주문번호", "체결번호", "주문가격", "체결수량", "주문금액", "수수료", "메시지"};
    ASSERT_EQ(Grid().GetColumnCount(), 9u);
    for (UINT col = 0; col < 9; ++col)
        EXPECT_EQ(Cell(col, 0), headers[col]) << col;
    EXPECT_EQ(Grid().GetRecordSize(), 390);
    EXPECT_EQ(Grid().GetMaxRowCount(), 1000);
    EXPECT_EQ(ControlsOutside(*alarm), "");
    // The list sits above the buttons, as the layout places it.
    CRect list;
    Grid().GetWindowRect(&list);
    alarm->ScreenToClient(&list);
    EXPECT_EQ(list, CRect(0, 0, 478, 266));
    ExpectColumnsHoldTheirTexts();
}

// A buy and its sell as a trader sees them, risen in the corner: the whole order numbers and
// amounts stand in their columns; the picture is left in the test tree's Temp folder for the eye.
TEST_F(OrdAlarmTest, ABuyAndItsSellShowWholeInTheCorner)
{
    Insert(OrderEvent("이더리움클래식(ETC)", "매수", "C0100000001000001", "1234567890", 50000000, 100.5, INT_MAX,
                      12562.5, "매수 주문이 완료 되었습니다."));
    Insert(OrderEvent("이더리움클래식(ETC)", "매도", "C0100000001000002", "1234567891", 21000, 99999, 2099979000,
                      5249.9475, "매도 주문이 완료 되었습니다."));
    alarm->DisplayAlarm();
    Tick(40);
    ASSERT_FALSE(TimerRan());
    ExpectColumnsHoldTheirTexts();
    EXPECT_EQ(Cell(2, 1), "C0100000001000002");
    EXPECT_EQ(Cell(2, 2), "C0100000001000001");
    EXPECT_EQ(Cell(6, 2), "5,025,000,000");
    PumpPending();
    alarm->UpdateWindow();
    const Shot shot = ShootWindow(alarm->GetSafeHwnd());
    EXPECT_TRUE(SavePng(std::string(GetBinDir()) + "..\\Temp\\ord_alarm.png", shot));
}

TEST_F(OrdAlarmTest, EventFillsItsNineColumnsNewestOnTop)
{
    Insert(OrderEvent("이더리움", "매도", "C0001", "77", 3000000, 2.0, 6000000, 1500.5, "매도주문 체결", "ETH"));
    Insert(OrderEvent("비트코인", "매수", "C0002", "1234567890", 51000000, 0.5, 25500000, 0.25, "매수주문 체결"));
    EXPECT_EQ(Grid().GetRecordCount(), 2);
    const char* row1[] = {"비트코인", "매수", "C0002", "1234567890", "51,000,000", "0.50000000", "25,500,000",
                          "0.25000000", "매수주문 체결"};
    for (UINT col = 0; col < 9; ++col)
        EXPECT_EQ(Cell(col, 1), row1[col]) << col;
    EXPECT_EQ(Cell(0, 2), "이더리움");
    EXPECT_EQ(Cell(6, 2), "6,000,000");
    EXPECT_EQ(Cell(7, 2), "1,500.50000000");
    // The coin code is not shown in any column.
    for (UINT col = 0; col < 9; ++col)
        EXPECT_EQ(Cell(col, 2).find("ETH"), std::string::npos) << col;
}

// A failed order carries zeros and blanks. The trading manager caps a price or total beyond the
// 32-bit range at 2,147,483,647: a capped total is price x units again, and where that cannot be
// known the text says the amount is at least the cap, never that it is the cap.
struct AmountCase
{
    const char* name;
    int price;
    double units;
    int total;
    const char* priceText;
    const char* totalText;
};

const AmountCase kAmounts[] = {
    {"failed", 0, 0, 0, "0", "0"},
    {"small", 1, 999, 999, "1", "999"},
    {"totalCapped", 50000000, 100.5, INT_MAX, "50,000,000", "5,025,000,000"},
    {"totalJustAtTheCap", 1, 2147483647.0, INT_MAX, "1", "2,147,483,647"},
    {"priceCapped", INT_MAX, 3, INT_MAX, "≥2,147,483,647", "≥2,147,483,647"},
    {"unitsMissing", 90000000, 0, INT_MAX, "90,000,000", "≥2,147,483,647"},
    {"unitsNotANumber", 90000000, NAN, INT_MAX, "90,000,000", "≥2,147,483,647"},
    {"beyond64Bits", 2000000000, 1e10, INT_MAX, "2,000,000,000", "≥2,147,483,647"},
};

class OrdAlarmAmountTest : public OrdAlarmTest, public ::testing::WithParamInterface<AmountCase>
{
};

TEST_P(OrdAlarmAmountTest, AmountsShowAsTheRecordHoldsThem)
{
    const AmountCase& c = GetParam();
    Insert(OrderEvent("리플", "매수", "", "", c.price, c.units, c.total, 0, "주문 실패"));
    EXPECT_EQ(Cell(4, 1), c.priceText);
    EXPECT_EQ(Cell(6, 1), c.totalText);
}

INSTANTIATE_TEST_SUITE_P(Amounts, OrdAlarmAmountTest, ::testing::ValuesIn(kAmounts),
                         [](const ::testing::TestParamInfo<AmountCase>& info) { return std::string(info.param.name); });

TEST_F(OrdAlarmTest, The1001stEventPushesTheOldestOut)
{
    for (int i = 1; i <= 1001; ++i)
        Insert(OrderEvent("비트코인", "매수", ("O" + std::to_string(i)).c_str(), "", i, 0, 0, 0, ""));
    EXPECT_EQ(Grid().GetRecordCount(), 1000);
    EXPECT_EQ(Cell(2, 1), "O1001");
    const COIN_ORD_INFO* oldest = reinterpret_cast<const COIN_ORD_INFO*>(Grid().GetRecordPtr(999));
    ASSERT_NE(oldest, nullptr);
    EXPECT_EQ(oldest->nPrice, 2);
}

TEST_F(OrdAlarmTest, ClearEmptiesTheListWithoutHiding)
{
    Insert(OrderEvent("비트코인", "매수", "C1", "1", 1, 1, 1, 1, "체결"));
    alarm->ShowWindow(SW_SHOWNOACTIVATE);
    alarm->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_ORDALARM_CLEAR, BN_CLICKED),
                       (LPARAM)alarm->GetControl(IDC_ORDALARM_CLEAR)->GetSafeHwnd());
    EXPECT_EQ(Grid().GetRecordCount(), 0);
    EXPECT_EQ(Cell(0, 1), "");
    EXPECT_EQ(Cell(0, 0), "화폐이름");
    EXPECT_TRUE(alarm->IsWindowVisible());
}

TEST_F(OrdAlarmTest, HideButtonAndCloseKeepTheEvents)
{
    Insert(OrderEvent("비트코인", "매수", "C1", "1", 1, 1, 1, 1, "체결"));
    for (UINT how : {0u, 1u}) {
        alarm->ShowWindow(SW_SHOWNOACTIVATE);
        if (how == 0)
            alarm->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_ORDALARM_HIDE, BN_CLICKED),
                               (LPARAM)alarm->GetControl(IDC_ORDALARM_HIDE)->GetSafeHwnd());
        else
            Close();
        EXPECT_TRUE(::IsWindow(alarm->GetSafeHwnd())) << how;
        EXPECT_FALSE(alarm->IsWindowVisible()) << how;
        EXPECT_EQ(Grid().GetRecordCount(), 1) << how;
    }
    // The owner is not told to close it either.
    EXPECT_EQ(Cell(2, 1), "C1");
}

// The slide of a window 200 pixels high: after so many ticks, how far it has risen and whether
// its timer still runs.
struct SlideCase
{
    int step;
    int ticks;
    int risen;
    bool running;
};

const SlideCase kSlides[] = {
    {10, 1, 0, true},    // the first tick shows it just below the work area
    {10, 11, 100, true},
    {10, 21, 200, true}, // full height after 21 ticks
    {10, 22, 200, false}, // the tick after ends the slide
    {7, 29, 196, true},
    {7, 30, 200, false},
    {250, 1, 0, true},
    {250, 2, 200, false}, // a step beyond the height ends it at once
};

class OrdAlarmSlideTest : public OrdAlarmTest, public ::testing::WithParamInterface<SlideCase>
{
};

TEST_P(OrdAlarmSlideTest, RisesToTheWorkAreasBottomRightCorner)
{
    const SlideCase& c = GetParam();
    TaskBarWorkArea taskBar;
    const CRect area = WorkArea();
    ASSERT_EQ(area.bottom, ::GetSystemMetrics(SM_CYSCREEN) - 40);
    alarm->SetWindowPos(NULL, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    alarm->SetScrollStep(c.step);
    alarm->DisplayAlarm();
    Tick(c.ticks);
    EXPECT_TRUE(alarm->IsWindowVisible());
    EXPECT_EQ(Window(), CRect(area.right - 300, area.bottom - c.risen, area.right, area.bottom - c.risen + 200));
    EXPECT_EQ(TimerRan(), c.running);
}

INSTANTIATE_TEST_SUITE_P(Slide, OrdAlarmSlideTest, ::testing::ValuesIn(kSlides));

TEST_F(OrdAlarmTest, NewAlarmDuringTheSlideDropsItBackNotAfter)
{
    alarm->SetWindowPos(NULL, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    const CRect area = WorkArea();
    alarm->DisplayAlarm();
    Tick(15);
    EXPECT_EQ(Window().top, area.bottom - 140);
    // Visible and sliding: the rise starts again from below.
    alarm->DisplayAlarm();
    EXPECT_EQ(alarm->GetSlideOffset(), 0);
    Tick(1);
    EXPECT_EQ(Window().top, area.bottom);
    Tick(21);
    EXPECT_EQ(Window().top, area.bottom - 200);
    EXPECT_FALSE(TimerRan());
    // Shown and still: nothing starts moving it.
    alarm->DisplayAlarm();
    EXPECT_FALSE(TimerRan());
    EXPECT_EQ(Window().top, area.bottom - 200);
    // Hidden again: the next alarm starts the slide timer.
    Close();
    alarm->DisplayAlarm();
    EXPECT_TRUE(TimerRan());
}

int g_probeTicks = 0;
void CALLBACK CountProbeTick(HWND, UINT, UINT_PTR, DWORD)
{
    ++g_probeTicks;
}

// Pumps messages until a timer of the slide's own period has ticked several times: long enough
// for a slide timer still running to have shown the window again.
void PumpSlideTicks()
{
    g_probeTicks = 0;
    const UINT_PTR probe = ::SetTimer(NULL, 0, 10, CountProbeTick);
    ASSERT_NE(probe, 0u);
    EXPECT_TRUE(PumpUntil([]() { return g_probeTicks >= 5; }));
    ::KillTimer(NULL, probe);
}

void SendKeys(std::initializer_list<WORD> keys)
{
    std::vector<INPUT> input;
    for (WORD key : keys) {
        INPUT down = {};
        down.type = INPUT_KEYBOARD;
        down.ki.wVk = key;
        input.push_back(down);
    }
    for (auto it = keys.end(); it != keys.begin();) {
        INPUT up = {};
        up.type = INPUT_KEYBOARD;
        up.ki.wVk = *--it;
        up.ki.dwFlags = KEYEVENTF_KEYUP;
        input.push_back(up);
    }
    ::SendInput((UINT)input.size(), input.data(), sizeof(INPUT));
}

// The ways a trader puts the alarm away while it is still rising (Esc is not one: a view lets no
// key reach its cancel button).
enum HideWay { HIDE_BUTTON, CLOSE_BOX, ALT_F4 };

// The skinned caption's hit code of its close box.
const LRESULT kCloseBoxHit = 100;

class OrdAlarmHideTest : public OrdAlarmTest, public ::testing::WithParamInterface<HideWay>
{
};

TEST_P(OrdAlarmHideTest, PuttingItAwayDuringTheSlideKeepsItAway)
{
    TaskBarWorkArea taskBar;
    const CRect area = WorkArea();
    // Held part-way up, with the hide button already above the screen's bottom (over the task
    // bar): a slide of step 0 still runs, its timer alive.
    CRect button;
    alarm->GetControl(IDC_ORDALARM_HIDE)->GetWindowRect(&button);
    const int risen = button.bottom - Window().top - 30;
    ASSERT_LT(risen, Window().Height());
    alarm->SetScrollStep(risen);
    alarm->DisplayAlarm();
    Tick(1);
    alarm->SetScrollStep(0);
    Tick(1);
    ASSERT_TRUE(alarm->IsWindowVisible());
    ASSERT_EQ(Window().top, area.bottom - risen);

    switch (GetParam()) {
    case HIDE_BUTTON:
        alarm->GetControl(IDC_ORDALARM_HIDE)->GetWindowRect(&button);
        ASSERT_LT(button.bottom, ::GetSystemMetrics(SM_CYSCREEN));
        MouseTo(button.CenterPoint());
        MouseButton(true);
        MouseButton(false);
        break;
    case CLOSE_BOX: {
        // The skinned caption's close box: where the caption's hit test answers "close".
        const CRect window = Window();
        CPoint box(-1, -1);
        for (int y = window.top; y < window.top + 26 && box.x < 0; ++y)
            for (int x = window.right - 1; x > window.right - 60 && box.x < 0; --x)
                if (alarm->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(x, y)) == kCloseBoxHit)
                    box = CPoint(x - 3, y + 3);
        ASSERT_GE(box.x, 0);
        ASSERT_EQ(alarm->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(box.x, box.y)), kCloseBoxHit);
        MouseTo(box);
        MouseButton(true);
        MouseButton(false);
        break;
    }
    case ALT_F4:
        // The trader first brings the alarm to the front.
        alarm->SetForegroundWindow();
        ASSERT_TRUE(PumpUntil([&]() { return ::GetForegroundWindow() == alarm->GetSafeHwnd(); }));
        SendKeys({VK_MENU, VK_F4});
        break;
    }
    ASSERT_TRUE(PumpUntil([&]() { return !alarm->IsWindowVisible(); }));
    PumpSlideTicks();
    EXPECT_FALSE(alarm->IsWindowVisible());
    EXPECT_FALSE(TimerRan());
    // The next alarm slides it up again from below.
    alarm->DisplayAlarm();
    EXPECT_TRUE(TimerRan());
}

INSTANTIATE_TEST_SUITE_P(Ways, OrdAlarmHideTest, ::testing::Values(HIDE_BUTTON, CLOSE_BOX, ALT_F4));

// A trader may be typing an order when a fill comes in: the alarm rises on top without taking
// the keyboard from the window in use.
TEST_F(OrdAlarmTest, TheSlideLeavesTheKeyboardWhereItWas)
{
    CWnd typing;
    ASSERT_TRUE(typing.CreateEx(0, AfxRegisterWndClass(0), "typing", WS_POPUP | WS_VISIBLE, CRect(100, 100, 400, 200),
                                NULL, 0));
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE, CRect(10, 10, 200, 30), &typing, 1));
    typing.SetForegroundWindow();
    edit.SetFocus();
    ASSERT_EQ(typing.m_hWnd, ::GetForegroundWindow());
    alarm->DisplayAlarm();
    Tick(30);
    EXPECT_TRUE(alarm->IsWindowVisible());
    EXPECT_EQ(typing.m_hWnd, ::GetForegroundWindow());
    EXPECT_EQ(edit.m_hWnd, ::GetFocus());
    typing.DestroyWindow();
}

TEST_F(OrdAlarmTest, MissingLayoutIsToldLoggedAndTheEventsStillListed)
{
    CMsgBoxRecorder boxes;
    Make("MF_NoSuchAlarm.xml");
    ASSERT_EQ(boxes.Count(), 1u);
    const std::string path = std::string(GetMapDir()) + "MF_NoSuchAlarm.xml";
    EXPECT_EQ(boxes.Last().text,
              " 해당 파일이 존재하지 않습니다.   \n\n IT팀에 문의하십시요.  \n\n 파일명 : [" + path + "]   ");
    EXPECT_EQ(boxes.Last().caption, "Molvane");
    EXPECT_NE(OrderDialogsEnvironment::ServerLog().find("MF_NoSuchAlarm.xml"), std::string::npos);

    ASSERT_NE(alarm->GetGrid(), nullptr);
    EXPECT_EQ(alarm->GetControl(IDC_ORDALARM_GRID), alarm->GetGrid());
    Insert(OrderEvent("비트코인", "매도", "C9", "9", 10, 1, 10, 0, "매도주문 체결"));
    EXPECT_EQ(Grid().GetRecordCount(), 1);
    EXPECT_EQ(Cell(0, 0), "화폐이름");
    EXPECT_EQ(Cell(1, 1), "매도");
    EXPECT_EQ(Cell(8, 1), "매도주문 체결");
    // The stand-in list is laid out as the layout's.
    ExpectColumnsHoldTheirTexts();
}

TEST_F(OrdAlarmTest, EventBeforeTheWindowExistsIsLogged)
{
    CTestOrdAlarm early(&owner);
    COIN_ORD_INFO info = OrderEvent("도지코인", "매수", "", "", 0, 0, 0, 0, "잔고 부족");
    early.InsertOrder(&info);
    EXPECT_NE(OrderDialogsEnvironment::ServerLog().find("잔고 부족"), std::string::npos);
}

// The exported cell procedures for screens' lists.
struct CellProcCase
{
    bool side; // ApplyBSColor, else DrawRTColor
    int value; // side: the flag character; else the state
    const char* text; // null: unchanged
    WORD colour;      // 0: unchanged
};

const CellProcCase kCellProcs[] = {
    {true, '2', "매수", 102}, {true, '1', "매도", 103}, {true, ' ', "매도", 103},
    {false, 1, nullptr, 101}, {false, 2, nullptr, 103}, {false, 3, nullptr, 102}, {false, 0, nullptr, 0},
    {false, 4, nullptr, 0},
};

class CellProcTest : public ::testing::TestWithParam<CellProcCase>
{
protected:
    static void SetUpTestSuite() { OrderDialogsEnvironment::SetUp(); }
    static void TearDownTestSuite() { OrderDialogsEnvironment::TearDown(); }
};

TEST_P(CellProcTest, SetsTextAndColour)
{
    const CellProcCase& c = GetParam();
    char buffer[16] = "old";
    tagCell cell = {};
    cell.pszText = buffer;
    cell.nBufSize = sizeof buffer;
    CColorInfo* before = CColorMap::GetColorInfo(201);
    cell.pForeColor = before;
    if (c.side) {
        char flag = (char)c.value;
        COrdAlarm::ApplyBSColor(&flag, &cell, NULL);
    } else {
        int state = c.value;
        COrdAlarm::DrawRTColor(&state, &cell, NULL);
    }
    EXPECT_STREQ(buffer, c.text != nullptr ? c.text : "old");
    EXPECT_EQ(cell.pForeColor, c.colour != 0 ? CColorMap::GetColorInfo(c.colour) : before);
    EXPECT_NE(cell.pForeColor, nullptr);
}

INSTANTIATE_TEST_SUITE_P(Procs, CellProcTest, ::testing::ValuesIn(kCellProcs));

} // namespace
