// Screen 1000's account tab window under a host that relays like the main frame: the pages made
// on their first showing by clicks on the real tab strip, the automatic-trading lists built from
// signals the server peer pushes through the real manager, the real-time log tab reading the
// day's user log and taking new lines on top, the strip's painting, and the row rules.
#include <gtest/gtest.h>

#include <objbase.h>

#include <cstring>
#include <string>

#include "AccountTabRecords.h"
#include "AccountTabWnd.h"
#include "AutoListTab.h"
#include "BalanceListTab.h"
#include "FilledOrdListTab.h"
#include "BottomTabCtrl.h"
#include "HistoryListTab.h"
#include "InstallFolders.h"
#include "RelayMsg.h"
#include "ResourceMap.h"
#include "SharedData.h"
#include "SharedKit.h"
#include "Utils.h"
#include "View1000.h"
#include "canvas.h"
#include "msgbox_recorder.h"
#include "trading_fixture.h"

// The user-log channel relays through the application's main window.
CWinApp g_app("TradePanelTabsTest");

namespace {

typedef CBaseView*(__cdecl* CreateScreenFn)(CWnd*, const char*);

// In the main frame's place: every relayed message goes to the open screen unless it sent it.
class RelayHost : public CWnd
{
public:
    HWND screen = NULL;
    int relays = 0;

protected:
    afx_msg LRESULT OnRelay(WPARAM, LPARAM lParam)
    {
        const tagRelayMsg* relay = reinterpret_cast<const tagRelayMsg*>(lParam);
        ++relays;
        if (relay != NULL && screen != NULL && ::IsWindow(screen) && relay->hSender != screen)
            ::SendMessageA(screen, relay->nMessage, relay->wParam, relay->lParam);
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(RelayHost, CWnd)
    ON_MESSAGE(WM_RELAY_TO_SCREENS, OnRelay)
END_MESSAGE_MAP()

// A click on a tab as the user makes it: the strip's own handling sends the notifications.
void ClickTab(CTabCtrl* strip, int index)
{
    CRect item;
    ASSERT_TRUE(strip->GetItemRect(index, &item));
    const LPARAM at = MAKELPARAM(item.CenterPoint().x, item.CenterPoint().y);
    strip->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, at);
    strip->SendMessage(WM_LBUTTONUP, 0, at);
    link_test::PumpFor(0);
}

void Click(CWnd* button)
{
    button->SendMessage(BM_CLICK);
    link_test::PumpFor(0);
}

CString Cell(CAccountTabPage* page, UINT col, UINT row)
{
    CGridDataList* grid = page != NULL ? page->GetGrid() : NULL;
    return grid != NULL ? grid->GetCellText(col, row) : CString("<no grid>");
}

int Rows(CAccountTabPage* page)
{
    CGridDataList* grid = page != NULL ? page->GetGrid() : NULL;
    return grid != NULL ? grid->GetRecordCount() : -1;
}

CColorInfo* Fore(CAccountTabPage* page, UINT col, UINT row)
{
    tagCell* cell = page->GetGrid()->GetCellPtr(col, row);
    return cell != NULL ? cell->pForeColor : NULL;
}

class AccountTabs : public TradingTest
{
protected:
    static void SetUpTestSuite()
    {
        TradingTest::SetUpTestSuite();
        ::CoInitialize(NULL);
        GetColorMap()->Load(CString(GetSystemDir()) + "colormap.xml", "default");
        GetResourceMap()->Load(CString(GetSystemDir()) + "ResourceMap.xml", "default");
        char temp[MAX_PATH] = "";
        ::GetTempPathA(MAX_PATH, temp);
        s_logFolder.Format("%stradepanel_userlog_%lu_%lu", temp, ::GetCurrentProcessId(), ::GetTickCount());
        CUtils::UserLog_SetFilePath(s_logFolder, "UserLog");
    }
    static void TearDownTestSuite()
    {
        GetColorMap()->Release();
        GetResourceMap()->Release();
        ::CoUninitialize();
        TradingTest::TearDownTestSuite();
    }
    void SetUp() override
    {
        TradingTest::SetUp();
        ASSERT_EQ(949u, ::GetACP());
        // Each test sees only its own signals.
        for (_AUTO_SIGNAL* signal : *CRcmdCoinManager::GetAutoSignalLogData())
            delete signal;
        CRcmdCoinManager::GetAutoSignalLogData()->clear();
        ASSERT_TRUE(host.CreateEx(0, AfxRegisterWndClass(0), "host", WS_OVERLAPPEDWINDOW, CRect(0, 0, 1100, 900), NULL,
                                  0));
        CSharedData::SetMainFrameHandle(host.m_hWnd);
        AfxGetApp()->m_pMainWnd = &host;
        module = ::LoadLibraryA("TradePanel.dll");
        ASSERT_TRUE(module != NULL);
        create = reinterpret_cast<CreateScreenFn>(::GetProcAddress(module, "CreateScreen"));
        ASSERT_TRUE(create != NULL);
    }
    void TearDown() override
    {
        CloseView();
        AfxGetApp()->m_pMainWnd = NULL;
        CSharedData::SetMainFrameHandle(Rig().mainFrame.Handle());
        host.DestroyWindow();
        if (module != NULL)
            ::FreeLibrary(module);
        CRcmdCoinManager::GetAutoAgent()->ResetAutoAmountType();
        TradingTest::TearDown();
    }
    CAccountTabWnd* OpenTabs()
    {
        view = dynamic_cast<CView1000*>(create(&host, "1000"));
        if (view == NULL || view->GetAccountTabWnd() == NULL)
            return NULL;
        host.screen = view->m_hWnd;
        return view->GetAccountTabWnd();
    }
    void CloseView()
    {
        if (view == NULL)
            return;
        host.screen = NULL;
        if (view->GetSafeHwnd() != NULL)
            view->DestroyWindow();
        delete view;
        view = NULL;
    }
    // A code-100 signal of the server peer at a fixed date and time.
    void Push(const char* coin, char kind, const char* code, const char* date, int buy, int target)
    {
        Json::Value cmd = trading::Command("push_signal");
        cmd["coin"] = coin;
        cmd["kind"] = std::string(1, kind);
        cmd["signal"] = code;
        cmd["date"] = date;
        cmd["time"] = "093015";
        cmd["buy_price"] = buy;
        cmd["target_price"] = target;
        cmd["percent"] = "10";
        ASSERT_EQ(1, Rig().server.Must(cmd)["sent"].asInt());
    }
    // Waits until the host has relayed `count` more messages.
    bool RelaysArrive(int before, int count)
    {
        return Rig().PumpUntil([&] { return host.relays >= before + count; });
    }

    static CString s_logFolder;
    RelayHost host;
    HMODULE module = NULL;
    CreateScreenFn create = NULL;
    CView1000* view = NULL;
};

CString AccountTabs::s_logFolder;

TEST_F(AccountTabs, PagesAreMadeOnFirstShowingAndTheRelaysReachOnlyMadePages)
{
    CMsgBoxRecorder boxes;
    CAccountTabWnd* tabs = OpenTabs();
    ASSERT_TRUE(tabs != NULL);
    CBottomTabCtrl* strip = tabs->GetTabStrip();
    ASSERT_TRUE(strip != NULL);
    ASSERT_EQ(ACCOUNT_TAB_COUNT, strip->GetItemCount());
    const char* texts[] = {"자동매매", "시그널 내역", "자산잔고", "거래내역", "실시간로그"};
    for (int i = 0; i < ACCOUNT_TAB_COUNT; ++i) {
        char text[64] = "";
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        strip->GetItem(i, &item);
        EXPECT_STREQ(texts[i], text);
        const tagBtnColor* colours = strip->GetTabColours(i);
        ASSERT_TRUE(colours != NULL);
        EXPECT_EQ(RGB(139, 139, 151), colours->clrBorder);
        EXPECT_EQ(RGB(242, 57, 3), colours->clrHighlight);
    }
    // Only the first page has its window; the others are objects until first shown.
    ASSERT_TRUE(tabs->GetPage(0) != NULL && tabs->GetPage(0)->GetSafeHwnd() != NULL);
    EXPECT_TRUE(tabs->GetPage(0)->GetStyle() & WS_VISIBLE);
    // Its labels and buttons show the page ground, colour 809, through a transparent background.
    CWnd* filter = static_cast<CMapView*>(tabs->GetPage(0))->GetControl(AUTOLIST_FILTER_ALL);
    ASSERT_TRUE(filter != NULL);
    Canvas probe(4, 4);
    const HBRUSH ground = reinterpret_cast<HBRUSH>(tabs->GetPage(0)->SendMessage(
        WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(probe.Handle()), reinterpret_cast<LPARAM>(filter->m_hWnd)));
    LOGBRUSH brush = {};
    ASSERT_EQ((int)sizeof brush, ::GetObjectA(ground, sizeof brush, &brush));
    EXPECT_EQ(CColorMap::GetColor(809), brush.lbColor);
    EXPECT_EQ(TRANSPARENT, ::GetBkMode(probe.Handle()));
    EXPECT_TRUE(tabs->GetPage(1) != NULL && tabs->GetPage(1)->GetSafeHwnd() == NULL);
    EXPECT_TRUE(tabs->GetPage(2) != NULL && tabs->GetPage(2)->GetSafeHwnd() == NULL);
    EXPECT_TRUE(tabs->GetPage(3) != NULL && tabs->GetPage(3)->GetSafeHwnd() == NULL);
    EXPECT_TRUE(tabs->GetPage(4) != NULL && tabs->GetPage(4)->GetSafeHwnd() == NULL);

    // A user-log line before the log tab was opened is dropped on the way, but is in the file.
    const int before = host.relays;
    CUtils::UserLog_WriteLog("자동매매", "탭 열기 전 한 줄", "tester");
    EXPECT_EQ(before + 1, host.relays);
    EXPECT_EQ(1, view->SendMessage(WM_AUTOSIGNAL_CHANGED, WM_AUTOSIGNAL_CHANGED, 0));

    ClickTab(strip, 1);
    EXPECT_EQ(1, strip->GetCurSel());
    CMapPage* history = tabs->GetPage(1);
    ASSERT_TRUE(history->GetSafeHwnd() != NULL);
    EXPECT_TRUE(history->GetStyle() & WS_VISIBLE);
    EXPECT_FALSE(tabs->GetPage(0)->GetStyle() & WS_VISIBLE);
    EXPECT_EQ(strip->m_hWnd, ::GetParent(history->m_hWnd));
    // Under the tab row, inside the strip's frame.
    CRect inside, placed;
    strip->GetClientRect(&inside);
    history->GetWindowRect(&placed);
    strip->ScreenToClient(&placed);
    EXPECT_EQ(CRect(1, 24, 1 + inside.Width() - 3, 24 + inside.Height() - 23 - 3), placed);

    // The balance and trade pages: made on their first showing, empty until queried.
    ClickTab(strip, 2);
    EXPECT_EQ(2, strip->GetCurSel());
    EXPECT_FALSE(history->GetStyle() & WS_VISIBLE);
    ASSERT_TRUE(dynamic_cast<CBalanceListTab*>(tabs->GetPage(2)) != NULL);
    EXPECT_TRUE(tabs->GetPage(2)->GetSafeHwnd() != NULL && (tabs->GetPage(2)->GetStyle() & WS_VISIBLE));
    ClickTab(strip, 3);
    EXPECT_EQ(3, strip->GetCurSel());
    ASSERT_TRUE(dynamic_cast<CFilledOrdListTab*>(tabs->GetPage(3)) != NULL);
    EXPECT_TRUE(tabs->GetPage(3)->GetSafeHwnd() != NULL && (tabs->GetPage(3)->GetStyle() & WS_VISIBLE));
    EXPECT_FALSE(tabs->GetPage(2)->GetStyle() & WS_VISIBLE);

    ClickTab(strip, 4);
    CHistoryListTab* log = dynamic_cast<CHistoryListTab*>(tabs->GetPage(4));
    ASSERT_TRUE(log != NULL && log->GetSafeHwnd() != NULL);
    EXPECT_TRUE(log->GetStyle() & WS_VISIBLE);
    // The line written before comes once, from the file.
    EXPECT_STREQ("탭 열기 전 한 줄", (LPCSTR)Cell(log, 2, 1));
    const int rows = Rows(log);
    CUtils::UserLog_WriteLog("자동매매", "탭 연 뒤 한 줄", "tester");
    EXPECT_EQ(rows + 1, Rows(log));
    EXPECT_STREQ("탭 연 뒤 한 줄", (LPCSTR)Cell(log, 2, 1));
    EXPECT_STREQ("탭 열기 전 한 줄", (LPCSTR)Cell(log, 2, 2));
    // The automatic-trading relay goes to every made page, the log line to the log page only.
    CAutoSignalLogTab* signals = dynamic_cast<CAutoSignalLogTab*>(history);
    ASSERT_TRUE(signals != NULL);
    _AUTO_SIGNAL signal = {};
    strcpy(signal.szCoinCode, "BTC");
    strcpy(signal.szCoinName, "비트코인(BTC)");
    signal.cKind = '1';
    EXPECT_EQ(1, view->SendMessage(WM_AUTOSIGNAL_CHANGED, WM_AUTOSIGNAL_CHANGED, reinterpret_cast<LPARAM>(&signal)));
    EXPECT_EQ(1, Rows(signals));
    EXPECT_EQ(rows + 1, Rows(log));
    ClickTab(strip, 0);
    EXPECT_TRUE(tabs->GetPage(0)->GetStyle() & WS_VISIBLE);
    EXPECT_FALSE(log->GetStyle() & WS_VISIBLE);
    EXPECT_EQ(0u, boxes.Count());

    // Closing the screen takes the pages' windows with it.
    const HWND pages[] = {tabs->GetPage(0)->m_hWnd, history->m_hWnd, log->m_hWnd};
    CloseView();
    for (HWND page : pages)
        EXPECT_FALSE(::IsWindow(page));
}

TEST_F(AccountTabs, WatchListAndHistoryComeFromTheServersSignals)
{
    // Amount-based trading on, so a B001 buy is ordered and its coin watched.
    ASSERT_EQ(1, CRcmdCoinManager::GetAutoAgent()->SetAutoAmountType(500000));
    Json::Value available;
    available["KRW"] = Json::Int64(1000000);
    available["BTC"] = "0";
    Rig().exchange.SetBalance(available);
    ASSERT_TRUE(Rig().SetPrice("BTC", 8000000));

    CAccountTabWnd* tabs = OpenTabs();
    ASSERT_TRUE(tabs != NULL);
    CAutoListTab* watch = dynamic_cast<CAutoListTab*>(tabs->GetPage(0));
    ASSERT_TRUE(watch != NULL && watch->GetSafeHwnd() != NULL);
    EXPECT_EQ(0, Rows(watch));
    EXPECT_STREQ("암호화폐명", (LPCSTR)Cell(watch, 0, 0));
    EXPECT_STREQ("설정일시", (LPCSTR)Cell(watch, 4, 0));

    int relays = host.relays;
    Push("BTC", '1', "B001", "20261211", 8000000, 8800000);
    ASSERT_TRUE(RelaysArrive(relays, 1));
    ASSERT_EQ(1, Rig().Manager()->GetAutoSignalStatus("BTC", NULL)) << "the buy was not ordered";
    relays = host.relays;
    Push("ETH", '0', "U001", "20261211", 3000000, 3300000);
    Push("XRP", '2', "S001", "2026121", 700, 650); // a 13-character date-time
    ASSERT_TRUE(RelaysArrive(relays, 2));

    ASSERT_EQ(3, Rows(watch));
    auto rowOf = [&](const char* name) {
        for (int row = 1; row <= Rows(watch); ++row)
            if (Cell(watch, 0, row) == name)
                return row;
        return -1;
    };
    const int btc = rowOf("비트코인(BTC)");
    ASSERT_GT(btc, 0);
    EXPECT_STREQ("감시중", (LPCSTR)Cell(watch, 1, btc));
    EXPECT_EQ(CColorMap::GetColorInfo(102), Fore(watch, 1, btc));
    EXPECT_STREQ("8,000,000", (LPCSTR)Cell(watch, 2, btc));
    EXPECT_STREQ("8,800,000", (LPCSTR)Cell(watch, 3, btc));
    EXPECT_STREQ("2026/12/11/09:30:15", (LPCSTR)Cell(watch, 4, btc));
    const int eth = rowOf("이더리움(ETH)");
    ASSERT_GT(eth, 0);
    EXPECT_STREQ("대기", (LPCSTR)Cell(watch, 1, eth));
    EXPECT_EQ(CColorMap::GetColorInfo(103), Fore(watch, 1, eth));
    const int xrp = rowOf("리플(XRP)");
    ASSERT_GT(xrp, 0);
    EXPECT_STREQ("2026121093015", (LPCSTR)Cell(watch, 4, xrp));

    // The filter buttons of the layout.
    Click(watch->GetControl(AUTOLIST_FILTER_WATCHED));
    EXPECT_EQ(AUTOLIST_FILTER_WATCHED, watch->GetFilter());
    ASSERT_EQ(1, Rows(watch));
    EXPECT_STREQ("비트코인(BTC)", (LPCSTR)Cell(watch, 0, 1));

    // The history opened after the signals: the back end's log, newest on top.
    ClickTab(tabs->GetTabStrip(), 1);
    CAutoSignalLogTab* history = dynamic_cast<CAutoSignalLogTab*>(tabs->GetPage(1));
    ASSERT_TRUE(history != NULL && history->GetSafeHwnd() != NULL);
    ASSERT_EQ(3, Rows(history));
    EXPECT_STREQ("리플(XRP)", (LPCSTR)Cell(history, 1, 1));
    EXPECT_STREQ("매도", (LPCSTR)Cell(history, 2, 1));
    EXPECT_EQ(CColorMap::GetColorInfo(103), Fore(history, 2, 1));
    EXPECT_STREQ("2026121093015", (LPCSTR)Cell(history, 0, 1));
    EXPECT_STREQ("이더리움(ETH)", (LPCSTR)Cell(history, 1, 2));
    EXPECT_STREQ("목표가", (LPCSTR)Cell(history, 2, 2));
    EXPECT_EQ(CColorMap::GetColorInfo(102), Fore(history, 2, 2));
    EXPECT_STREQ("비트코인(BTC)", (LPCSTR)Cell(history, 1, 3));
    EXPECT_STREQ("매수", (LPCSTR)Cell(history, 2, 3));
    EXPECT_STREQ("2026/12/11/09:30:15", (LPCSTR)Cell(history, 0, 3));
    EXPECT_STREQ("8,000,000", (LPCSTR)Cell(history, 3, 3));
    EXPECT_STREQ("8,800,000", (LPCSTR)Cell(history, 4, 3));

    // A new signal goes on top of the history and into the hidden watch list too.
    relays = host.relays;
    Push("ETH", '1', "B002", "20261211", 3100000, 3400000);
    ASSERT_TRUE(RelaysArrive(relays, 1));
    ASSERT_EQ(4, Rows(history));
    EXPECT_STREQ("이더리움(ETH)", (LPCSTR)Cell(history, 1, 1));
    EXPECT_STREQ("매수", (LPCSTR)Cell(history, 2, 1));
    EXPECT_STREQ("3,100,000", (LPCSTR)Cell(history, 3, 1));

    // The board's reset clears every watch: the list is rebuilt, the history keeps its rows.
    CMsgBoxRecorder boxes;
    boxes.QueueAnswer(IDOK);
    Click(view->GetControl(1016));
    ASSERT_EQ(1u, boxes.Count());
    EXPECT_EQ(0, Rows(watch));
    Click(watch->GetControl(AUTOLIST_FILTER_ALL));
    ASSERT_EQ(3, Rows(watch));
    EXPECT_STREQ("대기", (LPCSTR)Cell(watch, 1, rowOf("비트코인(BTC)")));
    EXPECT_EQ(4, Rows(history));
}

TEST_F(AccountTabs, LogTabShowsTheDaysFourFieldLinesNewestFirst)
{
    // The file starts with the channel's "[Log Started]." line; commas inside a text stay in it.
    CUtils::UserLog_WriteLog("login", "로그인", "tester");
    CUtils::UserLog_WriteLog("자동매매", "금액 1,000,000원, 설정", "tester");
    CStdioFile file;
    ASSERT_TRUE(file.Open(CUtils::GetUserLogFilePath(), CFile::modeRead | CFile::shareDenyNone | CFile::typeText));
    CString first;
    ASSERT_TRUE(file.ReadString(first));
    file.Close();
    EXPECT_NE(-1, first.Find("[Log Started]."));

    CAccountTabWnd* tabs = OpenTabs();
    ASSERT_TRUE(tabs != NULL);
    ClickTab(tabs->GetTabStrip(), 4);
    CHistoryListTab* log = dynamic_cast<CHistoryListTab*>(tabs->GetPage(4));
    ASSERT_TRUE(log != NULL && log->GetSafeHwnd() != NULL);
    EXPECT_STREQ("시간", (LPCSTR)Cell(log, 0, 0));
    EXPECT_STREQ("기타", (LPCSTR)Cell(log, 3, 0));
    EXPECT_STREQ("자동매매", (LPCSTR)Cell(log, 1, 1));
    EXPECT_STREQ("금액 1,000,000원, 설정", (LPCSTR)Cell(log, 2, 1));
    EXPECT_STREQ("tester", (LPCSTR)Cell(log, 3, 1));
    EXPECT_EQ(8, Cell(log, 0, 1).GetLength());
    EXPECT_EQ(':', Cell(log, 0, 1)[2]);
    EXPECT_STREQ("로그인", (LPCSTR)Cell(log, 2, 2));
    // No row for the channel's own line: the last row is a user line as well.
    const int rows = Rows(log);
    ASSERT_GE(rows, 2);
    for (int i = 0; i < rows; ++i) {
        const BYTE* record = log->GetGrid()->GetRecordPtr(i);
        ASSERT_TRUE(record != NULL);
        EXPECT_NE(0, record[0]) << "row " << i << " is empty";
    }

    // The board's own user-log line arrives on top as it is written.
    ASSERT_EQ(1, CRcmdCoinManager::GetAutoAgent()->SetAutoAmountType(1000));
    CMsgBoxRecorder boxes;
    boxes.QueueAnswer(IDOK);
    Click(view->GetControl(1016));
    ASSERT_EQ(rows + 1, Rows(log));
    EXPECT_STREQ("자동매매", (LPCSTR)Cell(log, 1, 1));
    EXPECT_STREQ("금액별 자동매매 Reset", (LPCSTR)Cell(log, 2, 1));
    EXPECT_STREQ("종료됨", (LPCSTR)Cell(log, 3, 1));
}

TEST_F(AccountTabs, LogTabWithoutTheDaysFileStartsEmptyAndStillTakesNewLines)
{
    // A folder that cannot be made (below a file): the channel has no file today.
    char exe[MAX_PATH] = "";
    ::GetModuleFileNameA(NULL, exe, MAX_PATH);
    CUtils::UserLog_SetFilePath(CString(exe) + "\\no folder", "UserLog");
    ASSERT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(CUtils::GetUserLogFilePath()));
    CAccountTabWnd* tabs = OpenTabs();
    if (tabs != NULL)
        ClickTab(tabs->GetTabStrip(), 4);
    CHistoryListTab* log = tabs != NULL ? dynamic_cast<CHistoryListTab*>(tabs->GetPage(4)) : NULL;
    const int rowsAtFirst = Rows(log);
    CUtils::UserLog_WriteLog("자동매매", "파일 없는 날", "tester");
    const int rowsAfter = Rows(log);
    const CString top = log != NULL ? Cell(log, 2, 1) : CString();
    CUtils::UserLog_SetFilePath(s_logFolder, "UserLog");
    ASSERT_TRUE(log != NULL && log->GetSafeHwnd() != NULL);
    EXPECT_EQ(0, rowsAtFirst);
    EXPECT_EQ(1, rowsAfter);
    EXPECT_STREQ("파일 없는 날", (LPCSTR)top);
}

// A layout file that cannot be read: its box, and a window that stays without those controls
// and still takes the relayed messages.
TEST_F(AccountTabs, MissingLayoutsLeaveEmptyWindowsThatStillTakeTheRelays)
{
    struct Case
    {
        const char* file;
        int tab; // the page that loads it; -1 for the tab window itself
    } cases[] = {
        {"MF_1000_TabWnd.xml", -1},
        {"MF_1000_AutoTab.xml", 0},
        {"MF_1000_AutoLogTab.xml", 1},
        {"MF_1000_HistoryListTab.xml", 4},
    };
    _AUTO_SIGNAL signal = {};
    strcpy(signal.szCoinCode, "BTC");
    signal.cKind = '1';
    const char line[] = "10:00:00:0 ,a,b,c";
    for (const Case& c : cases) {
        const CString path = CString(GetMapDir()) + c.file;
        const CString aside = path + ".aside";
        ASSERT_TRUE(::MoveFileA(path, aside)) << c.file;
        CMsgBoxRecorder boxes;
        CAccountTabWnd* tabs = OpenTabs();
        if (tabs != NULL && c.tab > 0 && tabs->GetTabStrip() != NULL)
            ClickTab(tabs->GetTabStrip(), c.tab);
        ::MoveFileA(aside, path);
        ASSERT_TRUE(tabs != NULL) << c.file;
        ASSERT_EQ(1u, boxes.Count()) << c.file;
        EXPECT_NE(std::string::npos, boxes.Last().text.find((LPCSTR)path)) << c.file;
        if (c.tab < 0) {
            EXPECT_TRUE(tabs->GetTabStrip() == NULL);
            EXPECT_TRUE(tabs->GetPage(0) == NULL);
        } else {
            CAccountTabPage* page = dynamic_cast<CAccountTabPage*>(tabs->GetPage(c.tab));
            ASSERT_TRUE(page != NULL && page->GetSafeHwnd() != NULL) << c.file;
            EXPECT_TRUE(page->GetGrid() == NULL) << c.file;
        }
        EXPECT_EQ(1, view->SendMessage(WM_AUTOSIGNAL_CHANGED, WM_AUTOSIGNAL_CHANGED, reinterpret_cast<LPARAM>(&signal)));
        EXPECT_EQ(1, view->SendMessage(WM_USERLOG_LINE, strlen(line), reinterpret_cast<LPARAM>(line)));
        CloseView();
    }
}

// --- the strip's painting ------------------------------------------------------------------

TEST_F(AccountTabs, StripDrawsTheOpenTabOverTheLineInItsOutline)
{
    CAccountTabWnd* tabs = OpenTabs();
    ASSERT_TRUE(tabs != NULL);
    CBottomTabCtrl* strip = tabs->GetTabStrip();
    ASSERT_TRUE(strip != NULL);
    CRect client;
    strip->GetClientRect(&client);
    const COLORREF outline = RGB(139, 139, 151);
    const COLORREF openFill = CColorMap::GetColor(631);
    const COLORREF frame = CColorMap::GetColor(301);

    struct Case
    {
        int selected;
        COLORREF line; // under the tab row, right of the tabs
    } cases[] = {{0, outline}, {3, outline}, {-1, CColorMap::GetColor(633)}};
    for (const Case& c : cases) {
        strip->SetCurSel(c.selected);
        Canvas canvas(client.Width(), client.Height());
        strip->DrawStrip(canvas.DC());
        const int y = strip->GetBtnHight();
        EXPECT_EQ(c.line, canvas.Pixel(client.right - 10, y)) << c.selected;
        EXPECT_EQ(RGB(221, 221, 221), canvas.Pixel(client.right - 10, y + 20)) << c.selected;
        EXPECT_EQ(frame, canvas.Pixel(0, y + 20)) << c.selected;
        EXPECT_EQ(frame, canvas.Pixel(client.right - 3, y + 20)) << c.selected;
        EXPECT_EQ(RGB(221, 221, 221), canvas.Pixel(client.right - 2, y + 20)) << c.selected;
        for (int tab = 0; tab < ACCOUNT_TAB_COUNT; ++tab) {
            CRect item;
            strip->GetItemRect(tab, &item);
            // The open tab covers the line under it and reaches one row further down than the
            // others, whose fill stops above the strip's ground there.
            const int x = item.CenterPoint().x + 30;
            const int below = item.bottom + 1;
            if (tab == c.selected) {
                EXPECT_EQ(openFill, canvas.Pixel(x, y)) << "tab " << tab;
                EXPECT_EQ(openFill, canvas.Pixel(x, below)) << "tab " << tab;
            } else {
                EXPECT_EQ(c.line, canvas.Pixel(x, y)) << "tab " << tab << " with " << c.selected << " open";
                EXPECT_EQ(RGB(221, 221, 221), canvas.Pixel(x, below)) << "tab " << tab;
            }
        }
    }
}

// --- rows ----------------------------------------------------------------------------------

struct LogLineCase
{
    const char* name;
    const char* line;
    int length; // -1: the whole text
    bool row;
    const char* time;
    const char* category;
    const char* content;
    const char* note;
};

const LogLineCase kLogLines[] = {
    {"plain", "10:11:12:345000000 ,자동매매,BTC 시작,user1", -1, true, "10:11:12", "자동매매", "BTC 시작", "user1"},
    {"empty fields", "09:05:07:12000000 ,login,,", -1, true, "09:05:07", "login", "", ""},
    {"comma in text", "10:00:00:0 ,자동매매,금액 1,000원 설정,user1", -1, true, "10:00:00", "자동매매",
     "금액 1,000원 설정", "user1"},
    {"two commas in text", "10:00:00:0 ,a,x, y ,z,user1", -1, true, "10:00:00", "a", "x, y ,z", "user1"},
    {"log started", "[Log Started].", -1, false, "", "", "", ""},
    {"log continue", "[Log Continue].", -1, false, "", "", "", ""},
    {"three fields", "10:00:00:0 ,a,b", -1, false, "", "", "", ""},
    {"long category cut", "10:00:00:0 ,categoryXYZ1,b,c", -1, true, "10:00:00", "categoryXY", "b", "c"},
    {"Korean category cut whole", "10:00:00:0 ,a자동매매설정,b,c", -1, true, "10:00:00", "a자동매매", "b", "c"},
    {"counted, not terminated", "10:00:00:0 ,a,b,c,TAIL", 17, true, "10:00:00", "a", "b", "c"},
    {"short time kept", "1:2 ,a,b,c", -1, true, "1:2", "a", "b", "c"},
    {"stamp cut whole", "1234567가 ,a,b,c", -1, true, "1234567", "a", "b", "c"},
    {"broken character at the end", "10:00:00:0 ,a,b,user\xB0", -1, true, "10:00:00", "a", "b", "user"},
};

class LogLine : public ::testing::TestWithParam<LogLineCase>
{
};

TEST_P(LogLine, BecomesItsRow)
{
    const LogLineCase& c = GetParam();
    USER_LOG_RECORD record;
    memset(&record, 0x55, sizeof record);
    const int length = c.length < 0 ? (int)strlen(c.line) : c.length;
    EXPECT_EQ(c.row, ParseUserLogLine(c.line, length, record) != FALSE);
    EXPECT_EQ(std::string(c.time), std::string(record.szTime, strnlen(record.szTime, sizeof record.szTime)));
    EXPECT_EQ(std::string(c.category),
              std::string(record.szCategory, strnlen(record.szCategory, sizeof record.szCategory)));
    EXPECT_EQ(std::string(c.content), std::string(record.szContent, strnlen(record.szContent, sizeof record.szContent)));
    EXPECT_EQ(std::string(c.note), std::string(record.szNote, strnlen(record.szNote, sizeof record.szNote)));
}

INSTANTIATE_TEST_SUITE_P(Lines, LogLine, ::testing::ValuesIn(kLogLines),
                         [](const ::testing::TestParamInfo<LogLineCase>& info) {
                             std::string name = info.param.name;
                             for (char& ch : name)
                                 if (ch == ' ' || ch == ',')
                                     ch = '_';
                             return name;
                         });

TEST(SignalRows, DateTextAndFields)
{
    struct Case
    {
        const char* stored;
        const char* shown;
    } dates[] = {
        {"20261211093015", "2026/12/11/09:30:15"},
        {"2026121109301", "2026121109301"},
        {"202612110930155", "202612110930155"},
        {"", ""},
    };
    for (const Case& c : dates) {
        _AUTO_SIGNAL signal = {};
        strcpy(signal.szDateTime, c.stored);
        EXPECT_STREQ(c.shown, (LPCSTR)SignalDateText(signal)) << c.stored;
    }

    _AUTO_SIGNAL signal = {};
    strcpy(signal.szCoinCode, "BTC");
    strcpy(signal.szCoinName, "비트코인(BTC)");
    strcpy(signal.szDateTime, "20261211093015");
    signal.cKind = 'x';
    signal.nBuyPrice = 123;
    signal.nTargetPrice = 456;
    signal.nOrdered = 1;
    SIGNAL_LOG_RECORD history;
    MakeSignalLogRecord(signal, history);
    EXPECT_EQ(-1, history.nKind); // not a digit: nothing shown
    EXPECT_EQ(std::string("BTC") + std::string(21, ' '), std::string(history.szCode, sizeof history.szCode));
    EXPECT_EQ(std::string("2026/12/11/09:30:15 "), std::string(history.szDateTime, sizeof history.szDateTime));
    WATCH_LIST_RECORD watch;
    MakeWatchListRecord(signal, watch);
    EXPECT_EQ(1, watch.nMonitoring);
    EXPECT_EQ(456, watch.nTargetPrice);
    EXPECT_EQ(std::string("비트코인(BTC)") + std::string(50 - strlen("비트코인(BTC)"), ' '),
              std::string(watch.szName, sizeof watch.szName));
}

} // namespace
