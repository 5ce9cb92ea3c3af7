// The main window in this process: its initialisation and destruction in order, the command
// table, the clock, the saved position, the version stamp of "user.cfg", the screens opened
// through the test plug-in, the relay, the screen-count trim and the forced logout over a
// modal dialog.
#include "FrameFixture.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <thread>
#include <vector>

#include "AccountDialogs.h"
#include "AppMessages.h"
#include "BaseView.h"
#include "DialogScript.h"
#include "DlgPreview.h"
#include "GridDataList.h"
#include "ImgButton.h"
#include "InstallFolders.h"
#include "NetCourier.h"
#include "OrdAlarm.h"
#include "PollingWnd.h"
#include "RelayMsg.h"
#include "SComboBox.h"
#include "SharedData.h"
#include "TestScreenApi.h"
#include "ScreenSets.h"
#include "SessionPassword.h"
#include "SessionResource.h"
#include "XMLMenu.h"

#include <commctrl.h>
#include "temp_dir.h"

namespace {

bool Contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

std::vector<std::string> Slice(const std::vector<std::string>& all, const std::string& from, const std::string& to)
{
    auto first = std::find(all.begin(), all.end(), from);
    auto last = std::find(first, all.end(), to);
    if (first == all.end() || last == all.end())
        return {};
    return std::vector<std::string>(first, last + 1);
}

TEST_F(FrameTest, InitialisesAndIsDestroyedInItsOrder)
{
    ASSERT_NE(nullptr, MakeFrame());
    const std::vector<std::string> start = {"base frame", "user.cfg version", "title and font",
                                            "colour and image maps", "title bar", "menu", "tool bar",
                                            "screen sets", "user.cfg", "position", "main frame handle",
                                            "poll", "order alarm host", "clock", "trading manager"};
    EXPECT_EQ(start, s_trace);

    char title[64] = {0};
    ::GetWindowTextA(m_hFrame, title, sizeof title);
    EXPECT_STREQ(MAIN_FRAME_TITLE, title);
    CRect rect;
    ::GetWindowRect(m_hFrame, &rect);
    EXPECT_EQ(MAIN_FRAME_HEIGHT, rect.Height());
    EXPECT_EQ(m_hFrame, CSharedData::GetMainFrameHandle());
    EXPECT_EQ(m_frame->GetOrderExec().GetSafeHwnd(), CSharedData::GetOrdAlarmHandel());
    ASSERT_NE(nullptr, m_frame->GetPollingWnd());
    EXPECT_TRUE(::IsWindow(m_frame->GetPollingWnd()->GetSafeHwnd()));
    EXPECT_TRUE(::IsWindow(m_frame->GetToolBar().GetSafeHwnd()));
    EXPECT_EQ(::GetMenu(m_hFrame), m_frame->GetMenu()->GetMenuHandle());

    s_trace.clear();
    ::DestroyWindow(m_hFrame);
    m_hFrame = NULL;
    const std::vector<std::string> end = {"trading manager destroyed", "sign-off", "timers", "poll stopped",
                                          "notice window", "link closed", "screens destroyed", "position saved",
                                          "tool bar destroyed", "system end"};
    EXPECT_EQ(end, s_trace);
    EXPECT_EQ(NULL, CSharedData::GetMainFrameHandle());
}

// A drop-down being opened leaves its commands as the menu file made them (the commands are no
// handlers of the frame's message map, which the framework would grey).
TEST_F(FrameTest, DropDownsOfTheMenuLeaveEveryCommandEnabled)
{
    ASSERT_NE(nullptr, MakeFrame());
    HMENU bar = ::GetMenu(m_hFrame);
    ASSERT_NE((HMENU)NULL, bar);
    int commands = 0;
    for (int menu = 0; menu < ::GetMenuItemCount(bar); ++menu) {
        HMENU popup = ::GetSubMenu(bar, menu);
        ASSERT_NE((HMENU)NULL, popup) << menu;
        std::vector<UINT> before;
        for (int i = 0; i < ::GetMenuItemCount(popup); ++i)
            before.push_back(::GetMenuState(popup, i, MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED));
        ::SendMessageA(m_hFrame, WM_INITMENUPOPUP, (WPARAM)popup, MAKELPARAM(menu, FALSE));
        for (int i = 0; i < ::GetMenuItemCount(popup); ++i) {
            const UINT id = ::GetMenuItemID(popup, i);
            if (id == 0 || id == (UINT)-1)
                continue;
            ++commands;
            EXPECT_EQ(before[i], ::GetMenuState(popup, i, MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED)) << "command " << id;
        }
    }
    EXPECT_GE(commands, 10);
}

TEST_F(FrameTest, ClockShowsMonthDayWeekdayAndTime)
{
    struct Case
    {
        WORD month, day, weekday, hour, minute;
        const char* text;
    } cases[] = {
        {1, 5, 0, 9, 3, "1월 05일 (일) 09:03"},
        {12, 31, 6, 23, 59, "12월 31일 (토) 23:59"},
        {7, 14, 3, 0, 0, "7월 14일 (수) 00:00"},
    };
    for (const Case& c : cases) {
        SYSTEMTIME time = {};
        time.wMonth = c.month;
        time.wDay = c.day;
        time.wDayOfWeek = c.weekday;
        time.wHour = c.hour;
        time.wMinute = c.minute;
        EXPECT_EQ(std::string(c.text), (LPCSTR)CMainFrame::FormatClock(time));
    }
    // Timer 20 puts the current time into the title bar.
    ASSERT_NE(nullptr, MakeFrame());
    SYSTEMTIME now;
    ::GetLocalTime(&now);
    ::SendMessageA(m_hFrame, WM_TIMER, TIMER_CLOCK, 0);
    const CString shown = m_frame->GetClockText();
    CString month;
    month.Format("%d월 %02d일 (", now.wMonth, now.wDay);
    EXPECT_EQ(0, shown.Find(month)) << (LPCSTR)shown;
}

TEST_F(FrameTest, FirstStartStampsUserConfigAndDropsSavedScreens)
{
    struct Case
    {
        const char* config;
        bool dropped;
    } cases[] = {{"", true}, {"[MAIN]\r\nVER=0\r\n", true}, {"[MAIN]\r\nVER=201008201\r\n", false}};
    for (const Case& c : cases) {
        WriteUserConfig(c.config);
        WriteFileBytes(UserFile("savescr.dat"), "x");
        WriteFileBytes(UserFile("savelastscr.dat"), "y");
        ASSERT_NE(nullptr, MakeFrame());
        EXPECT_EQ(c.dropped, !FileExists(UserFile("savescr.dat"))) << c.config;
        EXPECT_EQ(c.dropped, !FileExists(UserFile("savelastscr.dat"))) << c.config;
        EXPECT_EQ(201008201, (int)::GetPrivateProfileIntA("MAIN", "VER", 0, UserFile("user.cfg").c_str()));
        if (!c.dropped) {
            EXPECT_EQ(1u, m_boxes.Count()) << "a one-byte index is damaged and said so";
        }
        EndFrame();
    }
}

TEST_F(FrameTest, SavedPositionIsKeptOnAMonitorElseTopLeft)
{
    struct Case
    {
        int left, top;
        CPoint expected;
    } cases[] = {{100, 50, CPoint(100, 50)}, {-3000, -3000, CPoint(0, 0)}, {30000, 20, CPoint(0, 0)}};
    for (const Case& c : cases) {
        WriteUserConfig("[MAIN]\r\nVER=201008201\r\nLEFT=" + std::to_string(c.left) + "\r\nTOP=" +
                        std::to_string(c.top) + "\r\n");
        ASSERT_NE(nullptr, MakeFrame());
        EXPECT_EQ(c.expected, TopLeft(m_frame)) << c.left << "," << c.top;
        // Moved by the user, written back at the end.
        m_frame->SetWindowPos(NULL, 40, 60, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        EndFrame();
        EXPECT_EQ(40, (int)::GetPrivateProfileIntA("MAIN", "LEFT", -1, UserFile("user.cfg").c_str()));
        EXPECT_EQ(60, (int)::GetPrivateProfileIntA("MAIN", "TOP", -1, UserFile("user.cfg").c_str()));
    }
}

TEST_F(FrameTest, ScreensOpenInACascadeThroughThePlugIn)
{
    ASSERT_NE(nullptr, MakeFrame());
    for (int i = 0; i < 16; ++i) {
        ::SendMessageA(m_hFrame, WM_COMMAND, 6000 + i, 0);
        ASSERT_EQ(i + 1, ScreenCount());
        const CPoint expected = i < 15 ? CPoint(20 * i, 120 + 20 * i) : CPoint(0, 120);
        EXPECT_EQ(expected, TopLeft(Screen(i))) << "screen " << i;
    }
    char title[64] = {0};
    Screen(0)->GetWindowText(title, sizeof title);
    EXPECT_STREQ("[6000] Row", title);
    EXPECT_STREQ("6000", Screen(0)->GetScreenID());
    EXPECT_TRUE(Screen(0)->IsWindowVisible());
    EXPECT_TRUE(Contains(TakeScreenLog(), "init 6000\n"));
    // One library behind all of them.
    EXPECT_EQ(1, m_frame->GetLibraryCount());

    // Each closes through WM_SCREEN_CLOSED; the last one resets the cascade.
    while (ScreenCount() > 0)
        ::SendMessageA(m_hFrame, WM_SCREEN_CLOSED, 0, (LPARAM)Screen(0)->GetSafeHwnd());
    EXPECT_EQ(CPoint(0, 120), m_frame->GetScreenList().GetCascade());
}

TEST_F(FrameTest, AnOpenScreenIsRaisedAndOnlyItsWholeNumberMatches)
{
    ASSERT_NE(nullptr, MakeFrame());
    ::SendMessageA(m_hFrame, WM_OPEN_SCREEN, 1000, 0);
    ::SendMessageA(m_hFrame, WM_OPEN_SCREEN, 1000, 0);
    EXPECT_EQ(1, ScreenCount()) << "opened again instead of raised";
    // "100" is another screen than "1000".
    ::SendMessageA(m_hFrame, WM_OPEN_SCREEN, 100, 0);
    ASSERT_EQ(2, ScreenCount());
    EXPECT_STREQ("100", Screen(1)->GetScreenID());
    // A place given (a saved set) opens a further copy there.
    RECT place = {300, 200, 0, 0};
    ::SendMessageA(m_hFrame, WM_OPEN_SCREEN, 1000, (LPARAM)&place);
    ASSERT_EQ(3, ScreenCount());
    EXPECT_EQ(CPoint(300, 200), TopLeft(Screen(2)));
    EXPECT_EQ(1u, Screen(2)->GetGroupID()) << "the item's sg flags";
}

TEST_F(FrameTest, WhatCannotOpenOpensNothing)
{
    ASSERT_NE(nullptr, MakeFrame());
    struct Case
    {
        UINT id;
        const char* why;
    } cases[] = {{4001, "a null view"}, {4002, "a missing library"}, {4003, "no CreateScreen"}, {7777, "no menu id"}};
    for (const Case& c : cases) {
        EXPECT_EQ(nullptr, m_frame->OpenScreenByNumber(c.id, nullptr)) << c.why;
        EXPECT_EQ(0, ScreenCount()) << c.why;
    }
    // A library that failed once is not tried again, even when it has come meanwhile.
    const std::string late = std::string(GetBinDir()) + "NoSuchScreen.dll";
    ASSERT_TRUE(::CopyFileA((std::string(GetBinDir()) + TEST_SCREEN_DLL).c_str(), late.c_str(), FALSE));
    EXPECT_EQ(nullptr, m_frame->OpenScreenByNumber(4002, nullptr));
    EXPECT_EQ(0, ScreenCount());
    EndFrame();
    ::DeleteFileA(late.c_str());

    // An address opens with the shell and no screen, though the item names a library too.
    ASSERT_NE(nullptr, MakeFrame());
    EXPECT_NE(nullptr, m_frame->OpenScreenByNumber(5000, nullptr));
    EXPECT_EQ(0, ScreenCount());
    ASSERT_EQ(1u, s_shell.size());
    EXPECT_EQ("open http://example.invalid/page 1", s_shell[0]);
}

TEST_F(FrameTest, RelayReachesEveryScreenButTheSender)
{
    ASSERT_NE(nullptr, MakeFrame());
    for (UINT id : {1000, 2000, 3000})
        ::SendMessageA(m_hFrame, WM_OPEN_SCREEN, id, 0);
    ASSERT_EQ(3, ScreenCount());
    TakeScreenLog();
    tagRelayMsg relay = {Screen(1)->GetSafeHwnd(), 1144, 7, 0};
    EXPECT_EQ(1, ::SendMessageA(m_hFrame, WM_RELAY_TO_SCREENS, 0, (LPARAM)&relay));
    EXPECT_EQ("relay 1000 1144,7\nrelay 3000 1144,7\n", TakeScreenLog());
    EXPECT_EQ(0, ::SendMessageA(m_hFrame, WM_RELAY_TO_SCREENS, 0, 0));

    // WM_USER+9 goes to the screens whose flags have bit 0 (1000 and 3000).
    ::SendMessageA(m_hFrame, WM_NOTIFY_FLAGGED_SCREENS, 0, 0);
    Pump();
    EXPECT_EQ("flagged 1000\nflagged 3000\n", TakeScreenLog());

    // The screen used last moves to the end.
    ::SendMessageA(m_hFrame, WM_SCREEN_ACTIVATED, 0, (LPARAM)Screen(0)->GetSafeHwnd());
    EXPECT_STREQ("1000", Screen(2)->GetScreenID());
    EXPECT_EQ(Screen(2), m_frame->GetScreenList().GetActive());
}

TEST_F(FrameTest, LoweringTheScreenLimitClosesTheOldestEvenAStubbornOne)
{
    ASSERT_NE(nullptr, MakeFrame());
    for (int i = 0; i < 5; ++i)
        ::SendMessageA(m_hFrame, WM_COMMAND, 6000 + i, 0);
    ASSERT_EQ(5, ScreenCount());
    // The oldest does not close on WM_CLOSE.
    ::SendMessageA(Screen(0)->GetSafeHwnd(), WM_TEST_STUBBORN, 1, 0);
    CSharedData::SetMaxScreen(2);
    m_frame->ApplySettings();
    ASSERT_EQ(2, ScreenCount());
    EXPECT_STREQ("6003", Screen(0)->GetScreenID());
    EXPECT_STREQ("6004", Screen(1)->GetScreenID());
    CSharedData::SetMaxScreen(10);
}

TEST_F(FrameTest, TheIdleLockFollowsTheSwitch)
{
    struct Case
    {
        const char* security;
        bool running;
        DWORD period;
    } cases[] = {{"SCREENLOCK=1\r\nLOCK_TIME=2\r\n", true, 1800000},
                 {"SCREENLOCK=0\r\nLOCK_TIME=4\r\n", false, 7200000},
                 {"LOCK_TIME=9\r\n", true, 300000}};
    for (const Case& c : cases) {
        WriteUserConfig(std::string("[MAIN]\r\nVER=201008201\r\n[SECURITY]\r\n") + c.security);
        ASSERT_NE(nullptr, MakeFrame());
        EXPECT_EQ(c.running, m_frame->IsIdleTimerOn() != FALSE) << c.security;
        EXPECT_EQ(c.period, m_frame->GetIdlePeriod()) << c.security;
        // Input just now: the idle check does not lock.
        ::SendMessageA(m_hFrame, WM_TIMER, TIMER_IDLE_LOCK, 0);
        EXPECT_EQ(s_trace.end(), std::find(s_trace.begin(), s_trace.end(), "lock"));
        EndFrame();
    }
}

struct CommandCase
{
    UINT id;
    const char* box;    // text of the box it shows, or null
    const char* shell;  // what it opens with the shell, or null
    const char* dialog; // caption of the modal dialog it runs (cancelled), or null
};

TEST_F(FrameTest, CommandsOfTheMenu)
{
    const CommandCase cases[] = {
        {ID_MENU_WEB_SITE, nullptr, "open http://site.invalid 1", nullptr},
        {ID_MENU_WEB_SITE2, nullptr, "open http://site.invalid 1", nullptr},
        {ID_MENU_PRINT, "인쇄할 화면이 없습니다.", nullptr, nullptr},
        {ID_MENU_EMPTY_BOX, "", nullptr, nullptr},
        {ID_MENU_SETTINGS, nullptr, nullptr, "환경설정"},
        {ID_MENU_QUICK_MENU, nullptr, nullptr, "빠른메뉴설정창"},
    };
    ASSERT_NE(nullptr, MakeFrame());
    for (const CommandCase& c : cases) {
        const size_t boxes = m_boxes.Count();
        s_shell.clear();
        if (c.dialog != nullptr) {
            DialogScript dialog(c.dialog);
            dialog.Then(WaitFor([](HWND d) { return ::IsWindowVisible(d) != FALSE; }))
                .Then(Do([](HWND d) { ::PostMessageA(d, WM_COMMAND, IDCANCEL, 0); }));
            dialog.Run([this, &c] { return ::SendMessageA(m_hFrame, WM_COMMAND, c.id, 0); });
            EXPECT_EQ("", dialog.Failure()) << c.id;
        } else {
            ::SendMessageA(m_hFrame, WM_COMMAND, c.id, 0);
        }
        if (c.box != nullptr) {
            ASSERT_EQ(boxes + 1, m_boxes.Count()) << c.id;
            EXPECT_EQ(c.box, m_boxes.Last().text) << c.id;
        } else {
            EXPECT_EQ(boxes, m_boxes.Count()) << c.id;
        }
        if (c.shell != nullptr) {
            ASSERT_EQ(1u, s_shell.size()) << c.id;
            EXPECT_EQ(c.shell, s_shell[0]) << c.id;
        } else {
            EXPECT_TRUE(s_shell.empty()) << c.id;
        }
    }
    // 105 with a screen open previews it (its own test below) and shows no box of the frame.
    ::SendMessageA(m_hFrame, WM_COMMAND, 1000, 0);
    // The test screen opens without a size of its own; a picture needs one.
    ::SetWindowPos(Screen(0)->GetSafeHwnd(), NULL, 0, 0, 200, 100, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ::SendMessageA(m_hFrame, WM_SCREEN_ACTIVATED, 0, (LPARAM)Screen(0)->GetSafeHwnd());
    const size_t boxes = m_boxes.Count();
    DialogScript preview("미리보기");
    preview.Then(WaitFor([](HWND d) { return ::IsWindowVisible(d) != FALSE; })).Then(Click(IDCANCEL));
    preview.Run([this] {
        ::SendMessageA(m_hFrame, WM_COMMAND, ID_MENU_PRINT, 0);
        return 0;
    });
    EXPECT_EQ("", preview.Failure());
    EXPECT_EQ(boxes, m_boxes.Count());

    // 109 for a user (no staff in this system): the account-password dialog, modal, closed by
    // its own button.
    DialogScript accounts("계좌비밀번호 확인");
    accounts.Then(WaitFor([](HWND d) { return ::IsWindowVisible(d) != FALSE; })).Then(Click(CDlgAccCfm::IDC_CLOSE));
    const size_t before = m_boxes.Count();
    accounts.Run([this] {
        ::SendMessageA(m_hFrame, WM_COMMAND, ID_MENU_ACCOUNT_PASSWORD, 0);
        return 0;
    });
    EXPECT_EQ("", accounts.Failure());
    EXPECT_EQ(before, m_boxes.Count());

    // 183 closes every screen (posted).
    ::SendMessageA(m_hFrame, WM_COMMAND, 2000, 0);
    ASSERT_EQ(2, ScreenCount());
    ::SendMessageA(m_hFrame, WM_COMMAND, ID_MENU_CLOSE_ALL, 0);
    Pump();
    EXPECT_EQ(0, ScreenCount());

    // 104 locks; the login password typed again unlocks.
    CSessionPassword::Remember("pw-1234");
    s_trace.clear();
    DialogScript lock("Molvane");
    lock.Then(WaitFor([](HWND d) { return FocusedId(d) == IDC_LOCK_PASSWORD; }))
        .Then(Type("pw-1234"))
        .Then(Press(VK_RETURN));
    lock.Run([this] {
        ::SendMessageA(m_hFrame, WM_COMMAND, ID_MENU_LOCK, 0);
        return 0;
    });
    EXPECT_EQ("", lock.Failure());
    EXPECT_EQ((std::vector<std::string>{"lock", "unlock"}), s_trace);
    EXPECT_FALSE(m_frame->IsLocked());
    CSessionPassword::Forget();
}

// The preview is of the active screen (the one last activated, not the last opened), and
// printing without a printer tells the user so inside the preview.
TEST_F(FrameTest, PrintPreviewShowsTheActiveScreen)
{
    ASSERT_NE(nullptr, MakeFrame());
    ::SendMessageA(m_hFrame, WM_COMMAND, 1000, 0);
    ::SendMessageA(m_hFrame, WM_COMMAND, 2000, 0);
    ASSERT_EQ(2, ScreenCount());
    HWND first = Screen(0)->GetSafeHwnd();
    ::SetWindowPos(first, NULL, 0, 0, 321, 203, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ::SendMessageA(m_hFrame, WM_SCREEN_ACTIVATED, 0, (LPARAM)first);
    CRect screen;
    ::GetWindowRect(first, &screen);

    CSize picture(0, 0);
    HWND owner = NULL;
    std::string printed;
    DialogScript script("미리보기");
    script.Then(WaitFor([](HWND d) { return ::IsWindowVisible(d) != FALSE; }))
        .Then(Do([&](HWND d) {
            if (CDlgPreview* dialog = dynamic_cast<CDlgPreview*>(CWnd::FromHandlePermanent(d)))
                picture = dialog->GetPictureSize();
            owner = ::GetWindow(d, GW_OWNER);
        }))
        .Then(Click(CDlgPreview::IDC_PRINT))
        .Then(WaitFor([this](HWND) { return m_boxes.Count() > 0; }))
        .Then(Click(IDCANCEL));
    const size_t boxes = m_boxes.Count();
    script.Run([this] {
        ::SendMessageA(m_hFrame, WM_COMMAND, ID_MENU_PRINT, 0);
        return 0;
    });
    EXPECT_EQ("", script.Failure());
    EXPECT_EQ(screen.Size(), picture);
    EXPECT_EQ(m_hFrame, owner);
    ASSERT_EQ(boxes + 1, m_boxes.Count());
    EXPECT_EQ("Buy a printer!", m_boxes.Last().text);
    // The screens stay as they were.
    EXPECT_EQ(2, ScreenCount());
    EXPECT_TRUE(::IsWindow(first));
}

namespace {

// An order event as the trading manager fills it: blank-filled text fields, no terminators.
COIN_ORD_INFO OrderEvent(const char* name, const char* side, const char* orderId, int price, double units,
                         int total, const char* message)
{
    COIN_ORD_INFO info;
    std::memset(&info, ' ', sizeof info);
    auto put = [](char* field, size_t size, const char* text) { std::memcpy(field, text, std::min(size, std::strlen(text))); };
    put(info.szCoinName, sizeof info.szCoinName, name);
    put(info.szSide, sizeof info.szSide, side);
    put(info.szOrderID, sizeof info.szOrderID, orderId);
    info.nPrice = price;
    info.dUnits = units;
    info.nTotal = total;
    info.dFee = 0;
    put(info.szMessage, sizeof info.szMessage, message);
    return info;
}

} // namespace

// The published host takes order events sent from another thread (as the trading manager's
// worker does) and lists them, newest first, in the alarm that slides up; the frame's end
// takes the alarm with it.
TEST_F(FrameTest, OrderEventsShowInTheAlarmWindow)
{
    ASSERT_NE(nullptr, MakeFrame());
    HWND host = CSharedData::GetOrdAlarmHandel();
    ASSERT_TRUE(::IsWindow(host));
    COrdAlarm* alarm = m_frame->GetOrderExec().GetAlarm();
    ASSERT_NE(nullptr, alarm);
    HWND alarmWnd = alarm->GetSafeHwnd();
    ASSERT_TRUE(::IsWindow(alarmWnd));
    EXPECT_FALSE(::IsWindowVisible(alarmWnd));
    CGridDataList* grid = alarm->GetGrid();
    ASSERT_NE(nullptr, grid);
    EXPECT_EQ(0, grid->GetRecordCount());
    auto Cell = [grid](UINT col, UINT row) { return std::string((const char*)grid->GetCellText(col, row)); };

    const COIN_ORD_INFO events[] = {OrderEvent("이더리움", "매도", "C0001", 3000000, 2.0, 6000000, "매도주문 체결"),
                                    OrderEvent("비트코인", "매수", "C0002", 51000000, 0.5, 25500000, "매수주문 체결")};
    std::atomic<bool> sent(false);
    std::thread worker([&] {
        for (const COIN_ORD_INFO& e : events)
            ::SendMessageA(host, WM_ORDER_ALARM, (WPARAM)&e, 0);
        sent = true;
    });
    while (!sent) {
        MSG msg;
        ::MsgWaitForMultipleObjects(0, NULL, FALSE, 50, QS_ALLINPUT | QS_SENDMESSAGE);
        while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
            ::DispatchMessageA(&msg);
    }
    worker.join();
    ASSERT_EQ(2, grid->GetRecordCount());
    EXPECT_EQ("비트코인", Cell(0, 1));
    EXPECT_EQ("매수", Cell(1, 1));
    EXPECT_EQ("51,000,000", Cell(4, 1));
    EXPECT_EQ("이더리움", Cell(0, 2));
    EXPECT_EQ("매도주문 체결", Cell(8, 2));
    // An event without a record changes nothing; the slide shows the window.
    ::SendMessageA(host, WM_ORDER_ALARM, 0, 0);
    EXPECT_EQ(2, grid->GetRecordCount());
    ::SendMessageA(alarmWnd, WM_TIMER, IDT_ORDALARM_SLIDE, 0);
    EXPECT_TRUE(::IsWindowVisible(alarmWnd));
    EXPECT_EQ(0, ::SendMessageA(host, WM_COPYDATA, 0, 0));

    ::DestroyWindow(m_hFrame);
    m_hFrame = NULL;
    EXPECT_FALSE(::IsWindow(alarmWnd));
    EXPECT_FALSE(::IsWindow(host));
}

TEST_F(FrameTest, QuitAndLogoutBothLeaveThroughTheLogout)
{
    for (UINT command : {ID_MENU_QUIT, ID_MENU_LOGOUT}) {
        ::DeleteFileA(UserFile("savelastscr.dat").c_str());
        ASSERT_NE(nullptr, MakeFrame());
        ::SendMessageA(m_hFrame, WM_COMMAND, 2000, 0);
        s_trace.clear();
        if (command == ID_MENU_LOGOUT) {
            // The logout asks first.
            EXPECT_EQ("", AnswerLogout(IDC_LOGOUT_OK, [this, command] {
                ::SendMessageA(m_hFrame, WM_COMMAND, command, 0);
                Pump();
            }));
        } else {
            ::SendMessageA(m_hFrame, WM_COMMAND, command, 0);
            Pump();
        }
        EXPECT_FALSE(::IsWindow(m_hFrame)) << command;
        ASSERT_FALSE(s_trace.empty()) << command;
        EXPECT_EQ("logout", s_trace[0]) << command;
        EXPECT_TRUE(FileExists(UserFile("savelastscr.dat"))) << command << ": the last screens";
        m_hFrame = NULL;
    }
}

TEST_F(FrameTest, AForcedLogoutEndsTheOpenDialogFirst)
{
    struct Case
    {
        const char* caption;
        UINT command;
        bool screen; // the command needs an open, active screen
    } cases[] = {{"화면저장", ID_MENU_SAVED_SCREENS, false}, {"미리보기", ID_MENU_PRINT, true}};
    for (const Case& c : cases) {
        ASSERT_NE(nullptr, MakeFrame());
        const HWND frame = m_hFrame;
        if (c.screen) {
            ::SendMessageA(m_hFrame, WM_COMMAND, 1000, 0);
            ::SetWindowPos(Screen(0)->GetSafeHwnd(), NULL, 0, 0, 200, 100, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
            ::SendMessageA(m_hFrame, WM_SCREEN_ACTIVATED, 0, (LPARAM)Screen(0)->GetSafeHwnd());
        }
        DialogScript dialog(c.caption);
        dialog.Then(WaitFor([](HWND d) { return ::IsWindowVisible(d) != FALSE; }))
            .Then(Do([frame](HWND) { ::PostMessageA(frame, WM_FORCE_LOGOUT, 0, 0); }));
        s_trace.clear();
        dialog.Run([this, &c] {
            ::SendMessageA(m_hFrame, WM_COMMAND, c.command, 0);
            return 0;
        });
        EXPECT_EQ("", dialog.Failure()) << c.caption;
        // The dialog was ended and the frame is still there until its modal loop let go of it.
        const std::vector<std::string> ended = {"force logout ends the dialog"};
        EXPECT_EQ(ended, s_trace) << c.caption;
        EXPECT_TRUE(::IsWindow(frame)) << c.caption;
        Pump();
        EXPECT_FALSE(::IsWindow(frame)) << c.caption;
        ASSERT_GE(s_trace.size(), 2u) << c.caption;
        EXPECT_EQ("logout", s_trace[1]) << c.caption;
        m_hFrame = NULL;
        EndFrame();
    }
}

// A screen's own box (the frame does not know it) is open when the link drops: the screen's
// handler below the box must get its window back, so the logout waits until the box is closed.
TEST_F(FrameTest, AForcedLogoutWaitsForTheBoxOfAScreen)
{
    ASSERT_NE(nullptr, MakeFrame());
    ::SendMessageA(m_hFrame, WM_COMMAND, 1000, 0);
    ASSERT_EQ(1, ScreenCount());
    const HWND frame = m_hFrame, screen = Screen(0)->GetSafeHwnd();
    TakeScreenLog();
    auto traced = [](const char* step) { return (int)std::count(s_trace.begin(), s_trace.end(), std::string(step)); };
    DialogScript box(TEST_SCREEN_BOX_CAPTION);
    box.Then(WaitFor([](HWND d) { return ::IsWindowVisible(d) != FALSE; }))
        .Then(Do([frame](HWND) {
            ::PostMessageA(frame, WM_FORCE_LOGOUT, 0, 0);
            ::PostMessageA(frame, WM_FORCE_LOGOUT, 0, 0);
        }))
        .Then(WaitFor([&traced](HWND) { return traced("force logout waits") == 2; }))
        .Then(Do([frame, screen](HWND) {
            EXPECT_TRUE(::IsWindow(frame));
            EXPECT_TRUE(::IsWindow(screen));
        }))
        .Then(Press(VK_RETURN));
    s_trace.clear();
    // The real box, answered by the keys.
    const AFX_MSGBOX_HANDLER recorder = AfxSetMessageBoxHandler(NULL);
    box.Run([screen] { return ::SendMessageA(screen, WM_TEST_BOX, 0, 0); });
    AfxSetMessageBoxHandler(recorder);
    EXPECT_EQ("", box.Failure());
    EXPECT_EQ("answered 1000\n", TakeScreenLog());
    EXPECT_EQ(0, traced("logout"));
    Pump();
    EXPECT_FALSE(::IsWindow(frame));
    EXPECT_EQ(1, traced("logout")) << "once, for both";
    m_hFrame = NULL;
    m_frame = nullptr;
}

// A box over a dialog of the frame (the setup dialog's file dialog): the dialog is ended once,
// and the logout waits for the box without posting itself round and round meanwhile.
int g_boxDispatches = 0;

int AFXAPI BoxOpenWhileTheLinkDrops(HWND, LPCTSTR, LPCTSTR, UINT)
{
    ::PostMessageA(CSharedData::GetMainFrameHandle(), WM_FORCE_LOGOUT, 0, 0);
    // The box's own loop, until nothing is left to do (a bound keeps a busy queue from hanging).
    MSG msg;
    for (g_boxDispatches = 0; g_boxDispatches < 500 && ::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE); ++g_boxDispatches) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return IDOK;
}

TEST_F(FrameTest, AForcedLogoutUnderABoxOverTheFramesDialogRunsOnceAfterBoth)
{
    ASSERT_NE(nullptr, MakeFrame());
    const HWND frame = m_hFrame;
    AFX_MSGBOX_HANDLER recorder = NULL;
    DialogScript dialog("화면저장");
    dialog.Then(WaitFor([](HWND d) { return ::IsWindowVisible(d) != FALSE; }))
        .Then(Do([&recorder, frame](HWND d) {
            recorder = AfxSetMessageBoxHandler(&BoxOpenWhileTheLinkDrops);
            AfxMessageBox("over the dialog");
            AfxSetMessageBoxHandler(recorder);
            EXPECT_TRUE(::IsWindow(frame));
            (void)d;
        }));
    s_trace.clear();
    dialog.Run([this] { return ::SendMessageA(m_hFrame, WM_COMMAND, ID_MENU_SAVED_SCREENS, 0); });
    EXPECT_EQ("", dialog.Failure());
    EXPECT_LT(g_boxDispatches, 500) << "the box's queue never ran dry";
    const std::vector<std::string> ended = {"force logout ends the dialog"};
    EXPECT_EQ(ended, s_trace);
    Pump();
    EXPECT_FALSE(::IsWindow(frame));
    ASSERT_GE(s_trace.size(), 2u);
    EXPECT_EQ("logout", s_trace[1]);
    EXPECT_EQ(1, (int)std::count(s_trace.begin(), s_trace.end(), std::string("logout")));
    m_hFrame = NULL;
    m_frame = nullptr;
}

TEST_F(FrameTest, LostLinkStopsThePollAndLogsOutUnlessPollingFailed)
{
    ASSERT_NE(nullptr, MakeFrame());
    ::SendMessageA(m_hFrame, WM_COMMAND, 1000, 0);
    TakeScreenLog();
    EXPECT_EQ(1, ::SendMessageA(m_hFrame, WM_LINK_CLOSED, 1, 0));
    EXPECT_EQ("", TakeScreenLog());
    EXPECT_TRUE(::IsWindow(m_hFrame));
    EXPECT_EQ(0, ::SendMessageA(m_hFrame, WM_LINK_CLOSED, 0, 0));
    EXPECT_EQ("save 1000\n", TakeScreenLog());
    EXPECT_EQ("Molvane", m_boxes.Last().caption);
    EXPECT_EQ((UINT)MB_ICONSTOP, m_boxes.Last().nType & MB_ICONMASK);
    Pump();
    EXPECT_FALSE(::IsWindow(m_hFrame));
    m_hFrame = NULL;
}

TEST(PollBody, BlankThenTheIdPaddedToEight)
{
    struct Case
    {
        const char* id;
        std::string body;
    } cases[] = {{"ab", std::string("ab      \0\0\0\0", 12)},
                 {"", std::string("        \0\0\0\0", 12)},
                 {"abcdefghijklmnop", "abcdefghijkl"}};
    for (const Case& c : cases) {
        BYTE body[POLL_BODY_SIZE];
        CPollingWnd::MakeBody(c.id, body);
        EXPECT_EQ(c.body, std::string(reinterpret_cast<char*>(body), POLL_BODY_SIZE)) << c.id;
    }
}

} // namespace

namespace {

// A set of screens with their own data, written into the index and as the set's own file.
void WriteSet(const std::string& number, const std::vector<std::pair<std::string, int>>& screens,
              const std::string& code = "BTC")
{
    CUserScrInfo info;
    CSerializeItems* set = new CSerializeItems;
    set->m_strNumber = number.c_str();
    set->m_strName = "mine";
    int x = 400;
    for (const auto& screen : screens) {
        CSerializeItem* item = new CSerializeItem;
        item->m_strScreenID = screen.first.c_str();
        item->m_strText = ("[" + screen.first + "] x").c_str();
        item->m_rect = CRect(x, 300, x + 100, 380);
        item->m_strCode = code.c_str();
        item->m_nOwnData = screen.second;
        item->m_bHasOwnData = TRUE;
        set->m_arrItems.Add(item);
        x += 10;
    }
    info.Add(set);
    ASSERT_TRUE(WriteScreenSets(ScreenSetFilePath(number.c_str()), info, TRUE));
    // The index holds the sets written before too.
    CUserScrInfo index;
    ReadScreenSets(ScreenSetIndexPath(), index);
    info.m_arrSets.RemoveAll();
    info.m_mapSets.RemoveAll();
    index.Add(set);
    ASSERT_TRUE(WriteScreenSets(ScreenSetIndexPath(), index, FALSE));
}

std::vector<std::pair<std::string, int>> StoredScreens(const CString& path)
{
    CUserScrInfo info;
    std::vector<std::pair<std::string, int>> screens;
    if (ReadScreenSetWithData(path, info) != SCREENSET_READ || info.GetCount() == 0)
        return screens;
    for (INT_PTR i = 0; i < info.GetAt(0)->m_arrItems.GetSize(); ++i) {
        const CSerializeItem* item = info.GetAt(0)->m_arrItems[i];
        screens.emplace_back(std::string(item->m_strScreenID), item->m_nOwnData);
    }
    return screens;
}

} // namespace

TEST_F(FrameTest, RestoringASetPassesOverScreensThatDoNotOpen)
{
    // A missing plug-in in the middle and a second copy at the end: the screens after each
    // still read their own data.
    WriteSet("9001", {{"1000", 11}, {"4002", 22}, {"2000", 33}, {"1000", 44}, {"3000", 55}});
    ASSERT_NE(nullptr, MakeFrame());
    ::SendMessageA(m_hFrame, WM_COMMAND, 6000, 0);
    TakeScreenLog();
    ::SendMessageA(m_hFrame, WM_OPEN_SCREEN, 9001, 0);
    ASSERT_EQ(3, ScreenCount()) << "the screen open before is closed";
    const char* ids[] = {"1000", "2000", "3000"};
    const int values[] = {11, 33, 55};
    // (Raising the second copy makes 1000 the screen used last: looked up by number.)
    for (int i = 0; i < 3; ++i) {
        CBaseView* view = m_frame->GetScreenList().FindByNumber(ids[i]);
        ASSERT_NE(nullptr, view) << ids[i];
        EXPECT_EQ(values[i], ScreenValue(view)) << ids[i];
    }
    EXPECT_EQ(CPoint(400, 300), TopLeft(m_frame->GetScreenList().FindByNumber("1000")));
    EXPECT_EQ(CPoint(420, 300), TopLeft(m_frame->GetScreenList().FindByNumber("2000")));
    EXPECT_TRUE(Contains(TakeScreenLog(), "code 1000 BTC,1\n"));
    EXPECT_EQ(0u, m_boxes.Count());
}

TEST_F(FrameTest, ADamagedSetFileIsRefusedWithoutACrash)
{
    WriteSet("9001", {{"1000", 11}, {"2000", 22}});
    const std::string path = (LPCSTR)ScreenSetFilePath("9001");
    const std::string whole = ReadFileBytes(path);
    for (size_t cut : {size_t(5), whole.size() / 2, whole.size() - 2}) {
        WriteFileBytes(path, whole.substr(0, cut));
        ASSERT_NE(nullptr, MakeFrame());
        const size_t boxes = m_boxes.Count();
        ::SendMessageA(m_hFrame, WM_OPEN_SCREEN, 9001, 0);
        ASSERT_EQ(boxes + 1, m_boxes.Count()) << cut;
        EXPECT_EQ("Failed save file", m_boxes.Last().text);
        EndFrame();
    }
    // A damaged index: the sets read whole stay in the menu.
    const std::string index = ReadFileBytes((LPCSTR)ScreenSetIndexPath());
    WriteFileBytes((LPCSTR)ScreenSetIndexPath(), index + "\x01");
    ASSERT_NE(nullptr, MakeFrame());
    EXPECT_EQ("Failed save file", m_boxes.Last().text);
    EXPECT_EQ(1, m_frame->GetScreenSets().GetCount());
    ASSERT_NE((HMENU)NULL, m_frame->GetScreenSetsMenu());
    EXPECT_EQ(9001u, ::GetMenuItemID(m_frame->GetScreenSetsMenu(), 0));
}

TEST_F(FrameTest, LogoutKeepsTheOpenScreensAsTheLastSet)
{
    ASSERT_NE(nullptr, MakeFrame());
    ::SendMessageA(m_hFrame, WM_COMMAND, 2000, 0);
    ::SendMessageA(m_hFrame, WM_COMMAND, 1000, 0);
    SetScreenValue(Screen(0), 5);
    SetScreenValue(Screen(1), 6);
    EXPECT_EQ("", AnswerLogout(IDC_LOGOUT_OK, [this] { ::SendMessageA(m_hFrame, WM_CLOSE, 0, 0); }));
    m_hFrame = NULL;
    CUserScrInfo info;
    ASSERT_EQ(SCREENSET_READ, ReadScreenSetWithData(LastScreensPath(), info));
    EXPECT_STREQ("9000", info.GetAt(0)->m_strNumber);
    EXPECT_STREQ("최종화면", info.GetAt(0)->m_strName);
    const std::vector<std::pair<std::string, int>> expected = {{"2000", 5}, {"1000", 6}};
    EXPECT_EQ(expected, StoredScreens(LastScreensPath()));
}

TEST_F(FrameTest, TheSavedScreensDialogKeepsEditsAndEachScreensOwnData)
{
    WriteSet("9001", {{"1000", 11}, {"2000", 22}, {"3000", 33}});
    WriteSet("9003", {{"2001", 7}});
    ASSERT_NE(nullptr, MakeFrame());
    ::SendMessageA(m_hFrame, WM_COMMAND, 2001, 0);
    ::SendMessageA(m_hFrame, WM_COMMAND, 100, 0);
    SetScreenValue(Screen(0), 70);
    SetScreenValue(Screen(1), 80);
    auto selectScreen = [](const char* set, int child) {
        return Do([set, child](HWND d) {
            HWND tree = ::GetDlgItem(d, 1013);
            for (HTREEITEM root = TreeView_GetRoot(tree); root != NULL; root = TreeView_GetNextSibling(tree, root)) {
                char text[64] = {0};
                TVITEMA item = {};
                item.mask = TVIF_TEXT;
                item.hItem = root;
                item.pszText = text;
                item.cchTextMax = sizeof text;
                TreeView_GetItem(tree, &item);
                if (strncmp(text, set, 4) != 0)
                    continue;
                HTREEITEM pick = root;
                if (child >= 0) {
                    pick = TreeView_GetChild(tree, root);
                    for (int i = 0; i < child && pick != NULL; ++i)
                        pick = TreeView_GetNextSibling(tree, pick);
                }
                TreeView_SelectItem(tree, pick);
            }
        });
    };
    DialogScript dialog("화면저장");
    dialog.Then(WaitFor([](HWND d) { return ::IsWindowVisible(d) != FALSE; }))
        // The middle screen of 9001 goes, then the set 9003, then the open screens become 9002.
        .Then(selectScreen("9001", 1))
        .Then(Click(1019))
        .Then(selectScreen("9003", -1))
        .Then(Click(1018))
        .Then(Do([](HWND d) {
            ::SetFocus(::GetDlgItem(d, 1015));
        }))
        .Then(Type("9002"))
        .Then(Do([](HWND d) { ::SetFocus(::GetDlgItem(d, 1020)); }))
        .Then(Type("two"))
        .Then(Click(1016))
        .Then(Click(IDOK));
    const size_t boxes = m_boxes.Count();
    dialog.Run([this] {
        ::SendMessageA(m_hFrame, WM_COMMAND, ID_MENU_SAVED_SCREENS, 0);
        return 0;
    });
    EXPECT_EQ("", dialog.Failure());
    EXPECT_EQ(boxes, m_boxes.Count()) << m_boxes.Last().text;

    CUserScrInfo index;
    ASSERT_EQ(SCREENSET_READ, ReadScreenSets(ScreenSetIndexPath(), index));
    ASSERT_EQ(2, index.GetCount());
    EXPECT_STREQ("9002", index.GetAt(0)->m_strNumber);
    EXPECT_STREQ("two", index.GetAt(0)->m_strName);
    EXPECT_STREQ("9001", index.GetAt(1)->m_strNumber);
    EXPECT_EQ(nullptr, index.Find(9003));
    const std::vector<std::pair<std::string, int>> kept = {{"1000", 11}, {"3000", 33}};
    EXPECT_EQ(kept, StoredScreens(ScreenSetFilePath("9001")));
    const std::vector<std::pair<std::string, int>> saved = {{"2001", 70}, {"100", 80}};
    EXPECT_EQ(saved, StoredScreens(ScreenSetFilePath("9002")));
    // The menu shows the sets after OK.
    EXPECT_EQ(2, ::GetMenuItemCount(m_frame->GetScreenSetsMenu()));
}

TEST_F(FrameTest, TheSavedScreensDialogRefusesWhatItCannotSave)
{
    struct Case
    {
        const char* number;
        bool screensOpen;
        const char* box;
    } cases[] = {{"9002", false, "저장할 화면이 없습니다."},
                 {"9001", true, "이미 등록된 메뉴입니다."},
                 {"9000", true, "저장화면 ID는 9000~9999번까지 유효합니다."},
                 {"12", true, "저장화면 ID는 9000~9999번까지 유효합니다."}};
    WriteSet("9001", {{"1000", 1}});
    for (const Case& c : cases) {
        ASSERT_NE(nullptr, MakeFrame());
        if (c.screensOpen)
            ::SendMessageA(m_hFrame, WM_COMMAND, 2000, 0);
        const std::string number = c.number;
        DialogScript dialog("화면저장");
        dialog.Then(WaitFor([](HWND d) { return ::IsWindowVisible(d) != FALSE; }))
            .Then(Do([number](HWND d) { ::SetDlgItemTextA(d, 1015, number.c_str()); }))
            .Then(Click(1016))
            .Then(Click(IDCANCEL));
        dialog.Run([this] {
            ::SendMessageA(m_hFrame, WM_COMMAND, ID_MENU_SAVED_SCREENS, 0);
            return 0;
        });
        EXPECT_EQ("", dialog.Failure()) << c.number;
        EXPECT_EQ(c.box, m_boxes.Last().text) << c.number;
        EndFrame();
    }
    CUserScrInfo index;
    ReadScreenSets(ScreenSetIndexPath(), index);
    EXPECT_EQ(1, index.GetCount()) << "Cancel writes nothing";
}

TEST_F(FrameTest, TheMenuOfSavedSetsOpensASet)
{
    WriteSet("9001", {{"2000", 3}});
    WriteSet("9005", {{"3000", 4}});
    ASSERT_NE(nullptr, MakeFrame());
    // In the first drop-down, last set first.
    HMENU popup = m_frame->GetScreenSetsMenu();
    ASSERT_NE((HMENU)NULL, popup);
    EXPECT_EQ(popup, ::GetSubMenu(::GetSubMenu(::GetMenu(m_hFrame), 0), 0));
    ASSERT_EQ(2, ::GetMenuItemCount(popup));
    EXPECT_EQ(9005u, ::GetMenuItemID(popup, 0));
    char text[64] = {0};
    ::GetMenuStringA(popup, 0, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ("[9005] mine", text);
    // Its command restores the set.
    ::SendMessageA(m_hFrame, WM_COMMAND, 9001, 0);
    ASSERT_EQ(1, ScreenCount());
    EXPECT_STREQ("2000", Screen(0)->GetScreenID());
    EXPECT_EQ(3, ScreenValue(Screen(0)));
}

// What the caption's drop-down held when it opened, and the keys then pressed in it.
struct DropDownRun
{
    HWND runner = NULL;
    HWND menuWindow = NULL;
    std::vector<std::string> entries;  // texts of the drop-down
    std::vector<UINT> firstSubmenuIds; // commands of its first entry's submenu
    std::vector<int> textRowHeights;   // of its entries that are no separator
    std::vector<WPARAM> keys;
};
DropDownRun* g_dropDown = nullptr;

std::string MenuText(HMENU menu, int position)
{
    char text[128] = {0};
    ::GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
    return text;
}

LRESULT CALLBACK DropDownRunnerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_APP || g_dropDown == nullptr)
        return ::DefWindowProcA(hwnd, message, wParam, lParam);
    HMENU menu = (HMENU)::SendMessageA(g_dropDown->menuWindow, MN_GETHMENU, 0, 0);
    for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
        g_dropDown->entries.push_back(MenuText(menu, i));
        RECT row;
        if (!(::GetMenuState(menu, i, MF_BYPOSITION) & MF_SEPARATOR) &&
            ::GetMenuItemRect(g_dropDown->menuWindow, menu, i, &row))
            g_dropDown->textRowHeights.push_back(row.bottom - row.top);
    }
    if (HMENU sets = ::GetSubMenu(menu, 0))
        for (int i = 0; i < ::GetMenuItemCount(sets); ++i)
            g_dropDown->firstSubmenuIds.push_back(::GetMenuItemID(sets, i));
    if (g_dropDown->keys.empty())
        ::EndMenu();
    for (WPARAM key : g_dropDown->keys)
        ::PostMessageA(g_dropDown->menuWindow, WM_KEYDOWN, key, 0);
    return 0;
}

LRESULT CALLBACK DropDownHook(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND && g_dropDown != nullptr && g_dropDown->menuWindow == NULL) {
        char cls[16] = "";
        ::GetClassNameA(HWND(wParam), cls, int(sizeof(cls)));
        if (lstrcmpA(cls, "#32768") == 0) {
            g_dropDown->menuWindow = HWND(wParam);
            ::PostMessageA(g_dropDown->runner, WM_APP, 0, 0);
        }
    }
    return ::CallNextHookEx(NULL, code, wParam, lParam);
}

// Opens the drop-down of caption menu button `button` (200-203) as the title bar does, and
// presses `keys` in it (none: it is dismissed).
DropDownRun OpenCaptionDropDown(HWND frame, LPARAM button, std::vector<WPARAM> keys)
{
    DropDownRun run;
    run.keys = std::move(keys);
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DropDownRunnerProc;
    wc.hInstance = ::GetModuleHandleA(NULL);
    wc.lpszClassName = "MolvaneDropDownRunner";
    ::RegisterClassA(&wc);
    run.runner = ::CreateWindowExA(0, wc.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, NULL, wc.hInstance, NULL);
    g_dropDown = &run;
    HHOOK hook = ::SetWindowsHookExA(WH_CBT, DropDownHook, NULL, ::GetCurrentThreadId());
    POINT under = {100, 40};
    ::SendMessageA(frame, WM_SHOW_SYSTEM_MENU, (WPARAM)&under, button);
    ::UnhookWindowsHookEx(hook);
    g_dropDown = nullptr;
    ::DestroyWindow(run.runner);
    return run;
}

// The caption's first drop-down leads with the saved sets, as the menu bar's does; a set chosen
// there is restored.
TEST_F(FrameTest, TheCaptionsFirstDropDownLeadsWithTheSavedSets)
{
    WriteSet("9001", {{"2000", 3}});
    WriteSet("9005", {{"3000", 4}});
    ASSERT_NE(nullptr, MakeFrame());
    const DropDownRun first = OpenCaptionDropDown(m_hFrame, 200, {});
    ASSERT_FALSE(first.entries.empty());
    EXPECT_EQ(SCREEN_SETS_MENU_TEXT, first.entries[0]);
    EXPECT_EQ((std::vector<UINT>{9005u, 9001u}), first.firstSubmenuIds);
    // The other drop-downs hold no sets.
    const DropDownRun trading = OpenCaptionDropDown(m_hFrame, 201, {});
    ASSERT_FALSE(trading.entries.empty());
    EXPECT_NE(SCREEN_SETS_MENU_TEXT, trading.entries[0]);
    // Opened again it still has them (the drop-down before took its own copy with it).
    const DropDownRun chosen = OpenCaptionDropDown(m_hFrame, 200, {VK_DOWN, VK_RIGHT, VK_DOWN, VK_RETURN});
    EXPECT_EQ((std::vector<UINT>{9005u, 9001u}), chosen.firstSubmenuIds);
    ASSERT_EQ(1, ScreenCount());
    EXPECT_STREQ("2000", Screen(0)->GetScreenID());
    EXPECT_EQ(3, ScreenValue(Screen(0)));
    EXPECT_TRUE(::IsMenu(m_frame->GetScreenSetsMenu())) << "the bar's own sets menu is untouched";
}

// Each row of the caption's drop-downs holds the menu font with the padding the system's menus
// give around it: Hangul lines keep apart and the highlight stays inside its row.
TEST_F(FrameTest, TheCaptionsDropDownRowsLeaveThePaddingAroundTheFont)
{
    ASSERT_NE(nullptr, MakeFrame());
    NONCLIENTMETRICSA metrics = {};
    metrics.cbSize = sizeof metrics;
    ASSERT_TRUE(::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0));
    CFont font;
    ASSERT_TRUE(font.CreateFontIndirect(&metrics.lfMenuFont));
    CClientDC dc(CWnd::FromHandle(m_hFrame));
    CFont* old = dc.SelectObject(&font);
    TEXTMETRIC tm;
    dc.GetTextMetrics(&tm);
    dc.SelectObject(old);
    const int row = tm.tmHeight + CSComboBox::SystemRowPadding();
    size_t measured = 0;
    for (LPARAM button = 200; button <= 203; ++button) {
        const DropDownRun run = OpenCaptionDropDown(m_hFrame, button, {});
        for (size_t i = 0; i < run.textRowHeights.size(); ++i)
            EXPECT_EQ(row, run.textRowHeights[i]) << button << " " << i;
        measured += run.textRowHeights.size();
    }
    EXPECT_GE(measured, 2u);
}

struct ToolBarCase
{
    const char* file;
    std::vector<std::string> texts;
    std::vector<int> screens;
};

TEST_F(FrameTest, TheMemberToolBarTakesAtMostEightUsableEntries)
{
    FileKeeper list(std::string(GetSystemDir()) + "mbrlst.cfg");
    std::string many = "[MBRLST]\r\nCNT=12\r\n";
    for (int i = 1; i <= 12; ++i) {
        // 2 has no text, 3 a negative number, 5 no number at all.
        const std::string text = i == 2 ? "  " : "B" + std::to_string(i);
        many += "MBTXT_" + std::to_string(i) + "= " + text + " \r\n";
        if (i != 5)
            many += "MBNO_" + std::to_string(i) + "=" + std::to_string(i == 3 ? -4 : 1000 + i) + "\r\n";
    }
    const ToolBarCase cases[] = {
        {"[MBRLST]\r\nCNT=2\r\nMBTXT_1=A\r\nMBNO_1=2000\r\nMBTXT_2=B\r\nMBNO_2=100\r\n", {"A", "B"}, {2000, 100}},
        {many.c_str(), {"B1", "B4", "B6", "B7", "B8"}, {1001, 1004, 1006, 1007, 1008}},
        {"", {}, {}},
    };
    for (const ToolBarCase& c : cases) {
        WriteFileBytes(std::string(GetSystemDir()) + "mbrlst.cfg", c.file);
        ASSERT_NE(nullptr, MakeFrame());
        CMainToolBar& bar = m_frame->GetToolBar();
        ASSERT_EQ((int)c.texts.size(), bar.GetButtonCount()) << c.file;
        for (int i = 0; i < bar.GetButtonCount(); ++i) {
            CString text;
            bar.GetButton(i)->GetWindowText(text);
            EXPECT_EQ(c.texts[i], (LPCSTR)text);
            EXPECT_EQ(MEMBER_BUTTON_FIRST_ID + i, bar.GetButton(i)->GetDlgCtrlID()) << "skipped entries use no id";
            EXPECT_EQ(c.screens[i], bar.GetScreenOf(MEMBER_BUTTON_FIRST_ID + i));
        }
        EndFrame();
    }
    // A button opens its screen; a number below 1000 opens nothing.
    WriteFileBytes(std::string(GetSystemDir()) + "mbrlst.cfg", cases[0].file);
    ASSERT_NE(nullptr, MakeFrame());
    CMainToolBar& bar = m_frame->GetToolBar();
    ::SendMessageA(bar.GetSafeHwnd(), WM_COMMAND, MEMBER_BUTTON_FIRST_ID + 1, 0);
    EXPECT_EQ(0, ScreenCount());
    ::SendMessageA(bar.GetSafeHwnd(), WM_COMMAND, MEMBER_BUTTON_FIRST_ID, 0);
    ASSERT_EQ(1, ScreenCount());
    EXPECT_STREQ("2000", Screen(0)->GetScreenID());
}

TEST(MemberToolBar, ExpiryTextOfAnEightDigitDate)
{
    EXPECT_EQ(std::string("이용만료일: 2026년 03월 09일"), (LPCSTR)CMainToolBar::ExpiryText(20260309));
    EXPECT_EQ(std::string("이용만료일: 0000년 01월 01일"), (LPCSTR)CMainToolBar::ExpiryText(101));
    EXPECT_EQ(std::string(""), (LPCSTR)CMainToolBar::ExpiryText(123456789));
}

namespace {

// A frame whose tool bar cannot be made.
class CFrameWithoutToolBar : public CMainFrame
{
protected:
    virtual BOOL CreateToolBar() { return FALSE; }
};

} // namespace

TEST_F(FrameTest, AFrameWhoseToolBarFailsIsNotMade)
{
    CMainFrame* frame = new CFrameWithoutToolBar;
    // The window and the object are gone again: no half-made frame stays without its poll,
    // alarm host and clock.
    EXPECT_FALSE(frame->Create());
    const std::vector<std::string> until = {"base frame", "user.cfg version", "title and font",
                                            "colour and image maps", "title bar", "menu", "initialize failed"};
    ASSERT_GE(s_trace.size(), until.size());
    EXPECT_EQ(until, std::vector<std::string>(s_trace.begin(), s_trace.begin() + until.size()));
    EXPECT_EQ(s_trace.end(), std::find(s_trace.begin(), s_trace.end(), "trading manager"));
    EXPECT_EQ(NULL, CSharedData::GetMainFrameHandle());
}
