// The windows around the session, in this process with the main frame: the screen lock after
// idle time and its password, the logout dialog and its times, the notice window of exchange
// errors, the lost link, and the password hash the lock compares with.
#include "FrameFixture.h"

#include <cstdlib>
#include <cstring>
#include <atomic>
#include <functional>
#include <memory>
#include <thread>

#include "AppMessages.h"
#include "DialogScript.h"
#include "EMRNotice.h"
#include "InstallFolders.h"
#include "LogOutDlg.h"
#include "NetCourier.h"
#include "PollingWnd.h"
#include "RcmdCoinManager.h"
#include "SessionPassword.h"
#include "ScreenLockDlg.h"
#include "SessionResource.h"
#include "SharedData.h"
#include "Utils.h"
#include "ZembraRecords.h"
#include "real_mouse.h"
#include "temp_dir.h"

namespace {

bool Contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

// Handles this thread's messages until done() or the time-out.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000)
{
    const DWORD start = ::GetTickCount();
    while (!done()) {
        if (::GetTickCount() - start > timeoutMs)
            return false;
        ::MsgWaitForMultipleObjects(0, NULL, FALSE, 20, QS_ALLINPUT);
        MSG msg;
        while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
    return true;
}

// The logs of the process go to folders of the test's own (kept until the process ends: the
// channels stay open).
struct Logs
{
    TempDir user, server;
    Logs()
    {
        CUtils::UserLog_SetFilePath(user.Path().c_str(), "UserLog");
        CUtils::LogServer_SetFilePath(server.Path().c_str(), "System");
    }
    static std::string All(const std::string& folder)
    {
        std::string text;
        WIN32_FIND_DATAA found;
        HANDLE find = ::FindFirstFileA((folder + "*.log").c_str(), &found);
        if (find == INVALID_HANDLE_VALUE)
            return text;
        do
            text += ReadFileBytes(folder + found.cFileName);
        while (::FindNextFileA(find, &found));
        ::FindClose(find);
        return text;
    }
    std::string UserLog() { return All(user.Path()); }
    std::string ServerLog() { return All(server.Path()); }
};

Logs& TheLogs()
{
    static Logs* logs = new Logs;
    return *logs;
}

SYSTEMTIME Clock(WORD hour, WORD minute, WORD second)
{
    SYSTEMTIME t = {};
    t.wYear = 2026;
    t.wMonth = 1;
    t.wDay = 2;
    t.wHour = hour;
    t.wMinute = minute;
    t.wSecond = second;
    return t;
}

TEST(LogoutTimes, ClockTextsOnATwelveHourClock)
{
    struct Case
    {
        WORD hour, minute, second;
        const char* text;
    } cases[] = {
        {0, 30, 0, "01월 02일 오전 12:30:00"},  // after midnight: the morning's twelve
        {11, 59, 59, "01월 02일 오전 11:59:59"},
        {12, 30, 0, "01월 02일 오후 12:30:00"}, // noon is afternoon
        {13, 5, 9, "01월 02일 오후 01:05:09"},
        {23, 0, 0, "01월 02일 오후 11:00:00"},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(c.text, CLogOutDlg::FormatClockTime(Clock(c.hour, c.minute, c.second))) << c.hour;
}

TEST(LogoutTimes, TimeUsedInWholeSecondsPastTheThirtyTwoBitWrap)
{
    struct Case
    {
        ULONGLONG ms;
        const char* text;
    } cases[] = {
        {0, "0일 0시간 0분 0초"},
        {999, "0일 0시간 0분 0초"},
        {90061000, "1일 1시간 1분 1초"},
        {86399999, "0일 23시간 59분 59초"},
        // A session longer than the 32-bit tick count reaches (49.7 days).
        {0x100000000ULL + 5000, "49일 17시간 2분 52초"},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(c.text, CLogOutDlg::FormatTimeUsed(c.ms)) << c.ms;
}

TEST(LogoutPlace, CentredAcrossTheMainWindowAndDownTheScreenBelowIt)
{
    const CSize dialog(391, 341);
    struct Case
    {
        const char* what;
        CRect frame, work;
        CPoint place;
    } cases[] = {
        {"the bar at the top", CRect(0, 0, 1375, 74), CRect(0, 0, 1680, 1050), CPoint(492, 391)},
        {"the bar moved right", CRect(1000, 100, 2375, 174), CRect(0, 0, 1680, 1050), CPoint(1289, 441)},
        {"a work area too short below the bar", CRect(0, 0, 1375, 74), CRect(0, 0, 1680, 300), CPoint(492, 0)},
        {"the bar below the work area", CRect(0, 1100, 1375, 1174), CRect(0, 0, 1680, 1050), CPoint(492, 709)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.place, CLogOutDlg::PlaceOnMainWindow(c.frame, c.work, dialog)) << c.what;
}

TEST(SessionPassword, OnlyTheRememberedPasswordMatches)
{
    CSessionPassword::Remember("pw-1234");
    struct Case
    {
        const char* text;
        bool matches;
    } cases[] = {{"pw-1234", true},   {"pw-123", false}, {"PW-1234", false}, {"pw-1234 ", true},
                 {" pw-1234\t", true}, {"pw- 1234", false}, {" ", false},      {"", false},
                 {NULL, false},       {"비밀-1234", false}};
    for (const Case& c : cases)
        EXPECT_EQ(c.matches, CSessionPassword::Matches(c.text) != FALSE) << (c.text ? c.text : "(null)");
    // A Korean password round-trips as its bytes.
    CSessionPassword::Remember("비밀-1234");
    EXPECT_TRUE(CSessionPassword::Matches("비밀-1234"));
    EXPECT_FALSE(CSessionPassword::Matches("pw-1234"));
    // Blanks the login left out are left out of the remembered password too.
    CSessionPassword::Remember(" pw ");
    EXPECT_TRUE(CSessionPassword::Matches("pw"));
    EXPECT_TRUE(CSessionPassword::Matches(" pw "));
    CSessionPassword::Remember("비밀-1234");
    // Nothing remembered, nothing matches: neither the old password nor an empty entry.
    CSessionPassword::Forget();
    EXPECT_FALSE(CSessionPassword::Matches("비밀-1234"));
    EXPECT_FALSE(CSessionPassword::Matches(""));
    CSessionPassword::Remember("");
    EXPECT_FALSE(CSessionPassword::IsSet());
}

// An idle time the test chooses, in place of the user's real last input.
DWORD g_idleMs = 0;

BOOL WINAPI IdleFor(PLASTINPUTINFO info)
{
    info->dwTime = ::GetTickCount() - g_idleMs;
    return TRUE;
}

class SessionWindows : public FrameTest
{
protected:
    void SetUp() override
    {
        FrameTest::SetUp();
        TheLogs();
        CMainFrame::s_pfnGetLastInputInfo = &IdleFor;
        g_idleMs = 0;
    }
    void TearDown() override
    {
        FrameTest::TearDown();
        CMainFrame::s_pfnGetLastInputInfo = ::GetLastInputInfo;
        CSessionPassword::Forget();
    }
};

TEST_F(SessionWindows, IdleTimeLocksTheScreenUntilTheLoginPasswordIsTyped)
{
    CSessionPassword::Remember("pw-1234");
    WriteUserConfig("[MAIN]\r\nVER=201008201\r\n[SECURITY]\r\nSCREENLOCK=1\r\nLOCK_TIME=0\r\n");
    ASSERT_NE(nullptr, MakeFrame());
    ASSERT_TRUE(m_frame->IsIdleTimerOn());

    // Five minutes and not a moment more: no lock.
    g_idleMs = 300000;
    s_trace.clear();
    ::SendMessageA(m_hFrame, WM_TIMER, TIMER_IDLE_LOCK, 0);
    EXPECT_TRUE(s_trace.empty());

    const HWND frame = m_hFrame;
    CMainFrame* main = m_frame;
    auto edit = [](HWND d) { return ControlText(d, IDC_LOCK_PASSWORD); };
    DialogScript lock("Molvane");
    lock.Then(WaitFor([](HWND d) { return FocusedId(d) == IDC_LOCK_PASSWORD; }))
        .Then(Do([frame, main](HWND) {
            EXPECT_FALSE(::IsWindowVisible(frame)) << "the frame is hidden while locked";
            EXPECT_TRUE(main->IsLocked());
        }))
        // A wrong password, one in other case, and an empty entry only empty the edit.
        .Then(Type("wrong"))
        .Then(WaitFor([edit](HWND d) { return edit(d) == "wrong"; }))
        .Then(Press(VK_RETURN))
        .Then(WaitFor([edit](HWND d) { return edit(d).empty(); }))
        .Then(Type("PW-1234"))
        .Then(WaitFor([edit](HWND d) { return edit(d) == "PW-1234"; }))
        .Then(Click(IDC_LOCK_OK))
        .Then(WaitFor([edit](HWND d) { return edit(d).empty(); }))
        .Then(Press(VK_RETURN))
        // Esc ends nothing either; the cancel button empties the edit and minimises.
        .Then(Press(VK_ESCAPE))
        .Then(Type("pw-1234"))
        .Then(WaitFor([edit](HWND d) { return edit(d) == "pw-1234"; }))
        .Then(Click(IDC_LOCK_CANCEL))
        .Then(WaitFor([edit](HWND d) { return ::IsIconic(d) && edit(d).empty(); }))
        .Then(Do([](HWND d) {
            ::ShowWindow(d, SW_RESTORE);
            ::SetForegroundWindow(d);
            ::SetFocus(::GetDlgItem(d, IDC_LOCK_PASSWORD));
        }))
        .Then(WaitFor([](HWND d) { return !::IsIconic(d) && FocusedId(d) == IDC_LOCK_PASSWORD; }))
        .Then(Type("pw-1234"))
        .Then(WaitFor([edit](HWND d) { return edit(d) == "pw-1234"; }))
        .Then(Press(VK_RETURN));
    g_idleMs = 300001;
    lock.Run([this] {
        ::SendMessageA(m_hFrame, WM_TIMER, TIMER_IDLE_LOCK, 0);
        return 0;
    });
    EXPECT_EQ("", lock.Failure());
    EXPECT_EQ((std::vector<std::string>{"lock", "unlock"}), s_trace);
    EXPECT_FALSE(m_frame->IsLocked());
    EXPECT_TRUE(::IsWindowVisible(m_hFrame));
}

// The login took " pw-1234 " as "pw-1234" (it trims its edits); typed the same way at the lock,
// it unlocks.
TEST_F(SessionWindows, ThePasswordTypedAsAtTheLoginUnlocks)
{
    CSessionPassword::Remember("pw-1234");
    ASSERT_NE(nullptr, MakeFrame());
    auto edit = [](HWND d) { return ControlText(d, IDC_LOCK_PASSWORD); };
    DialogScript lock("Molvane");
    lock.Then(WaitFor([](HWND d) { return FocusedId(d) == IDC_LOCK_PASSWORD; }))
        .Then(Type(" pw-1234 "))
        .Then(WaitFor([edit](HWND d) { return edit(d) == " pw-1234 "; }))
        .Then(Press(VK_RETURN));
    s_trace.clear();
    lock.Run([this] {
        ::SendMessageA(m_hFrame, WM_COMMAND, ID_MENU_LOCK, 0);
        return 0;
    });
    EXPECT_EQ("", lock.Failure());
    EXPECT_EQ((std::vector<std::string>{"lock", "unlock"}), s_trace);
}

void SetCapsLock(bool on)
{
    BYTE keys[256];
    ::GetKeyboardState(keys);
    keys[VK_CAPITAL] = (BYTE)((keys[VK_CAPITAL] & ~1) | (on ? 1 : 0));
    ::SetKeyboardState(keys);
}

// The Caps Lock hint follows the key's state at the opening and at each release of the key.
TEST_F(SessionWindows, TheCapsLockHintFollowsTheKey)
{
    CSessionPassword::Remember("pw-1234");
    ASSERT_NE(nullptr, MakeFrame());
    auto hint = [](HWND d) {
        CScreenLockDlg* dialog = dynamic_cast<CScreenLockDlg*>(CWnd::FromHandlePermanent(d));
        return dialog != nullptr && dialog->IsCapsTipActive();
    };
    auto release = [](HWND d) { ::PostMessageA(::GetDlgItem(d, IDC_LOCK_PASSWORD), WM_KEYUP, VK_CAPITAL, 0xC0000001); };
    bool atOpening = false, afterOff = true, afterOn = false;
    DialogScript lock("Molvane");
    lock.Then(WaitFor([](HWND d) { return FocusedId(d) == IDC_LOCK_PASSWORD; }))
        .Then(Do([&](HWND d) {
            atOpening = hint(d);
            SetCapsLock(false);
            release(d);
        }))
        .Then(Pause(100))
        .Then(Do([&](HWND d) {
            afterOff = hint(d);
            SetCapsLock(true);
            release(d);
        }))
        .Then(Pause(100))
        .Then(Do([&](HWND d) {
            afterOn = hint(d);
            SetCapsLock(false);
            release(d);
            ::SetDlgItemTextA(d, IDC_LOCK_PASSWORD, "pw-1234");
        }))
        .Then(Click(IDC_LOCK_OK));
    SetCapsLock(true);
    lock.Run([this] {
        ::SendMessageA(m_hFrame, WM_COMMAND, ID_MENU_LOCK, 0);
        return 0;
    });
    SetCapsLock(false);
    EXPECT_EQ("", lock.Failure());
    EXPECT_TRUE(atOpening);
    EXPECT_FALSE(afterOff);
    EXPECT_TRUE(afterOn);
}

// A forced logout (the trading manager's, the link's) does not wait for the password.
TEST_F(SessionWindows, AForcedLogoutEndsTheLockWithoutThePassword)
{
    CSessionPassword::Remember("pw-1234");
    ASSERT_NE(nullptr, MakeFrame());
    const HWND frame = m_hFrame;
    DialogScript lock("Molvane");
    lock.Then(WaitFor([](HWND d) { return FocusedId(d) == IDC_LOCK_PASSWORD; }))
        .Then(Do([frame](HWND) { ::PostMessageA(frame, WM_FORCE_LOGOUT, 0, 0); }));
    s_trace.clear();
    lock.Run([this] {
        ::SendMessageA(m_hFrame, WM_COMMAND, ID_MENU_LOCK, 0);
        return 0;
    });
    EXPECT_EQ("", lock.Failure());
    const std::vector<std::string> ended = {"lock", "force logout ends the dialog", "unlock"};
    EXPECT_EQ(ended, s_trace);
    Pump();
    EXPECT_FALSE(::IsWindow(frame));
    m_hFrame = NULL;
    m_frame = nullptr;
}

TEST_F(SessionWindows, TheLogoutDialogShowsTheSessionAndOnlyItsOKLeaves)
{
    ASSERT_NE(nullptr, MakeFrame());
    ::SendMessageA(m_hFrame, WM_COMMAND, 2000, 0);
    ASSERT_EQ(1, ScreenCount());
    ASSERT_EQ(1, CRcmdCoinManager::GetAutoAgent()->SetAutoAmountType(500000));

    // Cancel: the dialog showed the times, and nothing changed.
    const size_t userLogBefore = TheLogs().UserLog().size();
    std::string labels[3];
    RECT placed = {};
    SYSTEMTIME before;
    ::GetLocalTime(&before);
    DialogScript stay("로그아웃");
    stay.Then(WaitFor([](HWND d) { return ::IsWindowVisible(d) != FALSE; }))
        .Then(Do([&labels, &placed](HWND d) {
            for (int i = 0; i < 3; ++i)
                labels[i] = ControlText(d, IDC_LOGOUT_LOGIN_TIME + i);
            ::GetWindowRect(d, &placed);
        }))
        .Then(Click(IDC_LOGOUT_CANCEL));
    s_trace.clear();
    stay.Run([this] {
        ::SendMessageA(m_hFrame, WM_CLOSE, 0, 0);
        return 0;
    });
    SYSTEMTIME after;
    ::GetLocalTime(&after);
    EXPECT_EQ("", stay.Failure());
    ASSERT_TRUE(::IsWindow(m_hFrame));
    EXPECT_TRUE(s_trace.empty());
    EXPECT_FALSE(FileExists(UserFile("savelastscr.dat")));
    EXPECT_FALSE(Contains(TheLogs().UserLog().substr(userLogBefore), "시스템 로그아웃"));
    const std::string now[2] = {(LPCSTR)CLogOutDlg::FormatClockTime(before), (LPCSTR)CLogOutDlg::FormatClockTime(after)};
    EXPECT_TRUE(labels[1] == now[0] || labels[1] == now[1]) << labels[1];
    // The login was moments ago (the frame's making).
    EXPECT_EQ(now[0].substr(0, 8), labels[0].substr(0, 8)) << labels[0];
    EXPECT_EQ(0u, labels[2].find("0일 0시간 0분 ")) << labels[2];
    // Centred across the main window, below it: its caption stays free.
    RECT frame;
    ::GetWindowRect(m_hFrame, &frame);
    EXPECT_LE(std::abs((placed.left + placed.right) / 2 - (frame.left + frame.right) / 2), 1);
    EXPECT_GE(placed.top, frame.bottom);

    // OK: the user-log lines, the last screens, the window gone.
    EXPECT_EQ("", AnswerLogout(IDC_LOGOUT_OK, [this] { ::SendMessageA(m_hFrame, WM_CLOSE, 0, 0); }));
    EXPECT_FALSE(::IsWindow(m_hFrame));
    m_hFrame = NULL;
    m_frame = nullptr;
    CRcmdCoinManager::GetAutoAgent()->ResetAutoAmountType();
    EXPECT_TRUE(FileExists(UserFile("savelastscr.dat")));
    const std::string userLog = TheLogs().UserLog().substr(userLogBefore);
    EXPECT_TRUE(Contains(userLog, ",자동매매,로그아웃으로 인해 종료,종료됨")) << userLog;
    EXPECT_TRUE(Contains(userLog, ",logout,시스템 로그아웃,user1")) << userLog;
    EXPECT_LT(userLog.find("자동매매"), userLog.find("시스템 로그아웃"));
    EXPECT_TRUE(Contains(TheLogs().ServerLog(), "시스템이 종료되어 자동매매 중지됨"));
}

// A notice as the exchange agent fills it; fields given whole have no terminator.
tagAPIErrorNotice Notice(const std::string& time, const std::string& title, const std::string& text)
{
    tagAPIErrorNotice n;
    std::memset(&n, 0, sizeof n);
    std::memcpy(n.szTime, time.data(), std::min(time.size(), sizeof n.szTime));
    std::memcpy(n.szTitle, title.data(), std::min(title.size(), sizeof n.szTitle));
    std::memcpy(n.szMessage, text.data(), std::min(text.size(), sizeof n.szMessage));
    return n;
}

TEST_F(SessionWindows, NoticesKeepTheNewestHundredAndARowShowsItsRecord)
{
    ASSERT_NE(nullptr, MakeFrame());
    EXPECT_EQ(nullptr, m_frame->GetNotice());

    // The first notice makes the window; its fields fill every byte.
    const std::string longTitle(50, 'T'), longText(200, 'x');
    tagAPIErrorNotice first = Notice("10:00:00  ", longTitle, longText);
    EXPECT_EQ(1, ::SendMessageA(m_hFrame, WM_APIERROR_NOTICE, (WPARAM)&first, 0));
    CEMRNotice* notice = dynamic_cast<CEMRNotice*>(m_frame->GetNotice());
    ASSERT_NE(nullptr, notice);
    const HWND window = notice->GetSafeHwnd();
    EXPECT_TRUE(::IsWindowVisible(window));
    CRect rect;
    notice->GetWindowRect(&rect);
    EXPECT_EQ(CSize(NOTICE_WIDTH, NOTICE_HEIGHT), rect.Size());
    EXPECT_STREQ(longTitle.c_str(), notice->GetTable().GetCellText(1, 0));
    CString text;
    notice->GetTextEdit().GetWindowText(text);
    EXPECT_STREQ(longText.c_str(), text);
    EXPECT_TRUE(Contains(TheLogs().ServerLog(), "10:00:00/" + longTitle + "/" + longText)) << "read past a field";

    for (int i = 1; i <= 104; ++i) {
        const std::string n = std::to_string(i);
        tagAPIErrorNotice next = Notice("10:00:" + n, " 제목 " + n + " ", " 내용 " + n + " ");
        ASSERT_EQ(1, ::SendMessageA(m_hFrame, WM_APIERROR_NOTICE, (WPARAM)&next, 0));
    }
    EXPECT_EQ(notice, m_frame->GetNotice()) << "one window for every notice";
    CGridDataList& list = notice->GetList();
    ASSERT_EQ(NOTICE_MAX_RECORDS, list.GetRecordCount());
    auto titleOf = [&list](int index) {
        const tagAPIErrorNotice* r = reinterpret_cast<const tagAPIErrorNotice*>(list.GetRecordPtr(index));
        return CEMRNotice::FieldText(r->szTitle, sizeof r->szTitle);
    };
    EXPECT_STREQ("제목 104", titleOf(0));
    EXPECT_STREQ("제목 5", titleOf(99)) << "the oldest go";
    EXPECT_STREQ("제목 104", notice->GetTable().GetCellText(1, 0));
    notice->GetTextEdit().GetWindowText(text);
    EXPECT_STREQ("내용 104", text);
    EXPECT_STREQ("10:00:104", list.GetCellText(0, 1));

    // A press on the third row shows that notice.
    CRect cell = list.GetCellRect(1, 3);
    const LPARAM at = MAKELPARAM(cell.CenterPoint().x, cell.CenterPoint().y);
    ::SendMessageA(list.GetSafeHwnd(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::SendMessageA(list.GetSafeHwnd(), WM_LBUTTONUP, 0, at);
    EXPECT_STREQ("제목 102", notice->GetTable().GetCellText(1, 0));
    notice->GetTextEdit().GetWindowText(text);
    EXPECT_STREQ("내용 102", text);

    // Its button hides it; the next notice shows it again; the frame's end destroys it.
    // The pointer is settled on the button first: the desktop can bring an older position back,
    // and a press made then misses it.
    CRect button;
    ::GetWindowRect(::GetDlgItem(window, IDC_NOTICE_OK), &button);
    MouseTo(button.CenterPoint());
    MouseButton(true);
    MouseButton(false);
    EXPECT_TRUE(PumpUntil([window] { return !::IsWindowVisible(window); }));
    ASSERT_EQ(1, ::SendMessageA(m_hFrame, WM_APIERROR_NOTICE, (WPARAM)&first, 0));
    EXPECT_TRUE(::IsWindowVisible(window));
    EXPECT_EQ(0, ::SendMessageA(m_hFrame, WM_APIERROR_NOTICE, 0, 0));
    EndFrame();
    EXPECT_FALSE(::IsWindow(window));
}

// The link-closed message during the frame's making, before its poll window exists.
LRESULT g_earlyResult = 0;
size_t g_earlyBoxes = 0;
CMsgBoxRecorder* g_boxes = nullptr;

void SendLinkClosedBeforeThePoll(const char* step)
{
    FrameTest::Record(step);
    if (strcmp(step, "main frame handle") == 0) {
        const size_t boxes = g_boxes->Count();
        g_earlyResult = ::SendMessageA(CSharedData::GetMainFrameHandle(), WM_LINK_CLOSED, 0, 0);
        g_earlyBoxes = g_boxes->Count() - boxes;
    }
}

TEST_F(SessionWindows, ALostLinkStopsThePollSavesEveryScreenAndLogsOut)
{
    // Without a poll window: -1 and no box (the link shows its own and forces the logout).
    g_boxes = &m_boxes;
    CMainFrame::s_pfnTrace = &SendLinkClosedBeforeThePoll;
    ASSERT_NE(nullptr, MakeFrame());
    CMainFrame::s_pfnTrace = &FrameTest::Record;
    EXPECT_EQ(-1, g_earlyResult);
    EXPECT_EQ(0u, g_earlyBoxes);
    ASSERT_NE(nullptr, m_frame->GetPollingWnd());

    ::SendMessageA(m_hFrame, WM_COMMAND, 1000, 0);
    ::SendMessageA(m_hFrame, WM_COMMAND, 2000, 0);
    ::SendMessageA(m_hFrame, WM_COMMAND, 3000, 0);
    TakeScreenLog();
    CPollingWnd* poll = m_frame->GetPollingWnd();
    const size_t boxes = m_boxes.Count();
    // From the link's thread, as the socket link sends it.
    LRESULT result = 1;
    std::atomic<bool> answered(false);
    std::thread link([&] {
        result = ::SendMessageA(m_hFrame, WM_LINK_CLOSED, 0, 0);
        answered = true;
    });
    // Only what the link's thread sends is handled meanwhile: the posted logout waits.
    const DWORD start = ::GetTickCount();
    while (!answered && ::GetTickCount() - start < 5000) {
        MSG msg;
        ::MsgWaitForMultipleObjects(0, NULL, FALSE, 20, QS_SENDMESSAGE);
        ::PeekMessageA(&msg, NULL, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
    link.join();
    EXPECT_EQ(0, result);
    EXPECT_FALSE(poll->m_bRunning);
    EXPECT_FALSE(::KillTimer(poll->GetSafeHwnd(), TIMER_POLL)) << "the poll's timer was stopped";
    ASSERT_EQ(boxes + 1, m_boxes.Count());
    EXPECT_EQ("서버와 접속이 되지 않습니다. \n\r\n\r 시스템을 다시 시작해 주세요. ", m_boxes.Last().text);
    EXPECT_EQ("Molvane", m_boxes.Last().caption);
    EXPECT_EQ((UINT)MB_ICONSTOP, m_boxes.Last().nType & MB_ICONMASK);
    EXPECT_EQ("save 1000\nsave 2000\nsave 3000\n", TakeScreenLog());
    EXPECT_TRUE(::IsWindow(m_hFrame)) << "the logout is posted";
    s_trace.clear();
    Pump();
    EXPECT_FALSE(::IsWindow(m_hFrame));
    ASSERT_FALSE(s_trace.empty());
    EXPECT_EQ("logout", s_trace[0]) << "no dialog asked";
    m_hFrame = NULL;
    m_frame = nullptr;
    EXPECT_TRUE(Contains(TheLogs().ServerLog(), "서버와 접속이 되지 않습니다."));
}

} // namespace
