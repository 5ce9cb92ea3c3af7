// BalancePanel.dll through its export, and the balance page of screen 1000's account tab window,
// against the exchange peer: the signed request, every coin's row with amounts cut and kept
// whole above 2.1 billion won, the won summary, and how each place reports a failure.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "BalanceListTab.h"
#include "GridDataList.h"
#include "MsgCtrl.h"
#include "GridTable.h"
#include "View2000.h"
#include "WideAmountList.h"
#include "InstallFolders.h"
#include "exchange_screen_fixture.h"
#include "screen_shot.h"
#include "msgbox_recorder.h"

namespace {

const char* const kNames[] = {"비트코인(BTC)",   "이더리움(ETH)", "대시(DASH)",      "라이트코인(LTC)",
                              "이더리움클래식(ETC)", "리플(XRP)",     "비트코인캐시(BCH)", "모네로(XMR)",
                              "지캐시(ZEC)",     "퀀텀(QTUM)",    "비트코인골드(BTG)", "이오스(EOS)"};

class BalanceScreen : public ExchangeScreenTest
{
protected:
    // A book worth more than 2.1 billion won: 400 BTC (100 of them in use) at 9,000,000 won,
    // 0.5 ETH at 999 won, nothing else, and 1,500,000,000 won available.
    static void RichBook()
    {
        ASSERT_TRUE(peer::Command("{\"cmd\":\"set_balance\",\"available\":{\"KRW\":1500000000,\"BTC\":\"300\","
                                  "\"ETH\":\"0.5\",\"XRP\":\"0\"},\"in_use\":{\"BTC\":\"100\"}}")["ok"]
                        .asBool());
        ASSERT_TRUE(peer::Command("{\"cmd\":\"set_ticker\",\"coin\":\"BTC\",\"fields\":{\"closing_price\":\"9000000\"}}")
                        ["ok"].asBool());
        ASSERT_TRUE(peer::Command("{\"cmd\":\"set_ticker\",\"coin\":\"ETH\",\"fields\":{\"closing_price\":\"999\"}}")
                        ["ok"].asBool());
    }
    static void ExpectRichRows(CWideAmountList* grid, CGridTable* summary)
    {
        ASSERT_TRUE(grid != NULL && summary != NULL);
        ASSERT_EQ(12, grid->GetRecordCount());
        // Rows below the shown ones are checked in their records (the page shows six at a time).
        for (UINT row = 1; row <= 12; ++row) {
            const BALANCE_RECORD* r = reinterpret_cast<const BALANCE_RECORD*>(grid->GetRecordPtr(row - 1));
            EXPECT_EQ(std::string(kNames[row - 1]), std::string((LPCSTR)CString(r->szName, sizeof r->szName).TrimRight())) << "row " << row;
            if ((int)row < grid->GetVisibleRowCount()) {
                EXPECT_STREQ(kNames[row - 1], (LPCSTR)Cell(grid, 0, row)) << "row " << row;
            }
        }
        EXPECT_STREQ("400.00000000", (LPCSTR)Cell(grid, 1, 1));
        EXPECT_STREQ("3,600,000,000", (LPCSTR)Cell(grid, 2, 1));
        EXPECT_STREQ("100.00000000", (LPCSTR)Cell(grid, 3, 1));
        EXPECT_STREQ("900,000,000", (LPCSTR)Cell(grid, 4, 1));
        EXPECT_STREQ("300.00000000", (LPCSTR)Cell(grid, 5, 1));
        EXPECT_STREQ("2,700,000,000", (LPCSTR)Cell(grid, 6, 1));
        // Cut, not rounded: 0.5 units at 999 won.
        EXPECT_STREQ("0.50000000", (LPCSTR)Cell(grid, 1, 2));
        EXPECT_STREQ("499", (LPCSTR)Cell(grid, 2, 2));
        EXPECT_STREQ("0.00000000", (LPCSTR)Cell(grid, 1, 6));
        EXPECT_STREQ("0", (LPCSTR)Cell(grid, 2, 6));
        EXPECT_STREQ("5,100,000,499", (LPCSTR)Cell(summary, 1, 0));
        EXPECT_STREQ("3,600,000,499", (LPCSTR)Cell(summary, 3, 0));
        EXPECT_STREQ("1,500,000,000", (LPCSTR)Cell(summary, 5, 0));
    }
    static void ExpectBalanceRequest()
    {
        const Json::Value requests = peer::Requests("/info/balance");
        ASSERT_EQ(1u, requests.size());
        EXPECT_EQ("ok", requests[0]["verdict"].asString()) << requests[0]["reason"].asString();
        const std::string body = requests[0]["body"].asString();
        EXPECT_EQ("endpoint=%2Finfo%2Fbalance&currency=ALL", body);
    }
    CView2000* OpenView() { return dynamic_cast<CView2000*>(OpenScreen("BalancePanel.dll", "2000")); }
};

TEST_F(BalanceScreen, ExportMakesTheViewWithItsGrids)
{
    CMsgBoxRecorder boxes;
    CView2000* v = OpenView();
    ASSERT_TRUE(v != NULL);
    EXPECT_EQ(0u, boxes.Count());
    EXPECT_FALSE(v->IsWindowVisible());
    EXPECT_TRUE(v->GetStyle() & WS_CLIPCHILDREN);
    EXPECT_TRUE(v->GetMsgCtrl() != NULL);
    EXPECT_EQ(1, v->InitWindow());
    CGridTable* summary = v->GetGrids().GetSummary();
    CWideAmountList* grid = v->GetGrids().GetCoinGrid();
    ASSERT_TRUE(summary != NULL && grid != NULL);
    EXPECT_STREQ("총 보유자산", (LPCSTR)Cell(summary, 0, 0));
    EXPECT_STREQ("암호화폐 보유자산", (LPCSTR)Cell(summary, 2, 0));
    EXPECT_STREQ("사용가능 금액", (LPCSTR)Cell(summary, 4, 0));
    EXPECT_STREQ("암호화폐명", (LPCSTR)Cell(grid, 0, 0));
    EXPECT_STREQ("사용가능금액", (LPCSTR)Cell(grid, 6, 0));
    EXPECT_EQ(96, grid->GetRecordSize());
    // Nothing is asked before the button.
    EXPECT_EQ(0, grid->GetRecordCount());
    EXPECT_EQ(0u, peer::Requests("/info/balance").size());
}

TEST_F(BalanceScreen, QueryShowsEveryCoinAndWholeWonAmounts)
{
    RichBook();
    CView2000* v = OpenView();
    ASSERT_TRUE(v != NULL);
    Click(v->GetControl(IDC_BALANCE_QUERY));
    ExpectBalanceRequest();
    ExpectRichRows(v->GetGrids().GetCoinGrid(), v->GetGrids().GetSummary());
    EXPECT_GE(MessageLine(v).Find("조회 완료 되었습니다."), 0) << (LPCSTR)MessageLine(v);

    // A second query replaces the rows and the summary.
    ASSERT_TRUE(peer::Command("{\"cmd\":\"set_balance\",\"available\":{\"KRW\":7,\"BTC\":\"1\"},\"in_use\":{\"BTC\":\"0\"}}")
                    ["ok"].asBool());
    Click(v->GetControl(IDC_BALANCE_QUERY));
    CWideAmountList* grid = v->GetGrids().GetCoinGrid();
    EXPECT_EQ(12, grid->GetRecordCount());
    EXPECT_STREQ("9,000,000", (LPCSTR)Cell(grid, 2, 1));
    EXPECT_STREQ("9,000,506", (LPCSTR)Cell(v->GetGrids().GetSummary(), 1, 0));
}

// A book of 13-digit won amounts: 9,999,999,999,999 won available, or 1,000,000 BTC at
// 9,999,999 won.
void ThirteenDigitBook(bool coins)
{
    ASSERT_TRUE(peer::Command(coins ? "{\"cmd\":\"set_balance\",\"available\":{\"KRW\":0,\"BTC\":\"1000000\"},"
                                      "\"in_use\":{\"BTC\":\"0\"}}"
                                    : "{\"cmd\":\"set_balance\",\"available\":{\"KRW\":9999999999999,\"BTC\":\"0\"},"
                                      "\"in_use\":{\"BTC\":\"0\"}}")["ok"]
                    .asBool());
    ASSERT_TRUE(peer::Command("{\"cmd\":\"set_ticker\",\"coin\":\"BTC\",\"fields\":{\"closing_price\":\"9999999\"}}")
                    ["ok"].asBool());
}

// The cell shows its whole text where the user can see it: the text with the grid's inset of
// 2 pixels fits the cell, and the cell lies inside the part of the view that shows content
// (left of the grid's own vertical bar, inside the grid and the view's content area). The
// grid's last row lies there too.
void ExpectWholeInSight(CMapView* view, const CRect& content, CGrid* grid, UINT col, UINT row)
{
    SCOPED_TRACE(::testing::Message() << "grid " << grid->GetDlgCtrlID() << " column " << col);
    const CString text = grid->GetCellText(col, row);
    CRect cell = grid->GetRect(col, row, col, row);
    CRect inside;
    grid->GetClientRect(&inside);
    if (CGridDataList* list = dynamic_cast<CGridDataList*>(grid)) {
        CWnd* bar = list->GetOwnScrollBar(1);
        if (bar->GetSafeHwnd() != NULL && (bar->GetStyle() & WS_VISIBLE)) {
            CRect barRect;
            bar->GetWindowRect(&barRect);
            grid->ScreenToClient(&barRect);
            inside.right = std::min(inside.right, barRect.left);
        }
    }
    EXPECT_LE(cell.right, inside.right) << (LPCSTR)text;
    grid->ClientToScreen(&cell);
    view->ScreenToClient(&cell);
    EXPECT_LE(cell.right, content.right) << (LPCSTR)text;
    EXPECT_LE(cell.bottom, content.bottom) << (LPCSTR)text;
    CClientDC dc(grid);
    CFont* old = dc.SelectObject(grid->GetFont());
    const int width = dc.GetTextExtent(text).cx;
    dc.SelectObject(old);
    EXPECT_LE(width + 2 * 2, cell.Width()) << (LPCSTR)text;
    CRect bottom;
    grid->GetWindowRect(&bottom);
    view->ScreenToClient(&bottom);
    EXPECT_LE(bottom.bottom, content.bottom) << "the grid reaches under the message line";
}

struct FailureCase
{
    const char* name;
    const char* reply; // canned reply, or NULL for the fault below
    const char* fault;
    const char* line;  // the message line's newest text
    const char* log;   // what the server log gets (code page 949)
    bool exchangeMessage; // the log also holds the exchange's message (in code page 949 too)
};

const char kBusy[] = "잠시 후 다시 시도해 주십시오.";

const FailureCase kFailures[] = {
    {"not_json", NULL, "non_json", "잔고 조회에 실패했습니다.", "view2000 잔고 조회에 실패했습니다.", false},
    {"refusal", NULL, "error_status", kBusy, "view2000", true},
    {"krw_text", "{\"status\":\"0000\",\"data\":{\"available_krw\":\"1000\"}}", NULL, "잔고 조회에 실패했습니다.",
     "view2000 잔고 조회에 실패했습니다.", false},
    {"coins_missing", "{\"status\":\"0000\",\"data\":{\"available_krw\":1000}}", NULL, "잔고 조회에 실패했습니다.",
     "view2000 잔고 조회에 실패했습니다.", false},
    // A status that is no number is a refusal with the exchange's words.
    {"status_letters", u8"{\"status\":\"ERR\",\"message\":\"잠시 후 다시 시도해 주십시오.\"}", NULL, kBusy, "view2000", true},
    {"status_empty", u8"{\"status\":\"\",\"message\":\"잠시 후 다시 시도해 주십시오.\"}", NULL, kBusy, "view2000", true},
};

class BalanceFailure : public BalanceScreen, public ::testing::WithParamInterface<FailureCase>
{
};

TEST_P(BalanceFailure, ReportsAndKeepsTheRows)
{
    const FailureCase& c = GetParam();
    RichBook();
    CView2000* v = OpenView();
    ASSERT_TRUE(v != NULL);
    Click(v->GetControl(IDC_BALANCE_QUERY));
    if (c.reply != NULL)
        CannedReply("/info/balance", c.reply);
    else
        FaultReply("/info/balance", c.fault);
    CMsgBoxRecorder boxes;
    Click(v->GetControl(IDC_BALANCE_QUERY));
    EXPECT_EQ(0u, boxes.Count());
    EXPECT_GE(MessageLine(v).Find(c.line), 0) << (LPCSTR)MessageLine(v);
    const std::string log = ServerLog();
    EXPECT_NE(std::string::npos, log.find(c.log)) << log;
    if (c.exchangeMessage) {
        // One code page in the log: the exchange's UTF-8 text is converted like the screen's own.
        EXPECT_NE(std::string::npos, log.find(std::string("view2000") + kBusy)) << log;
        EXPECT_EQ(std::string::npos, log.find(ToUtf8(kBusy))) << log;
    }
    // The grids stay as the last good query left them.
    ExpectRichRows(v->GetGrids().GetCoinGrid(), v->GetGrids().GetSummary());
}

INSTANTIATE_TEST_SUITE_P(Replies, BalanceFailure, ::testing::ValuesIn(kFailures),
                         [](const ::testing::TestParamInfo<FailureCase>& info) { return std::string(info.param.name); });

// The page in its tab strip, with its template from TradePanel.dll.
class BalanceTab : public BalanceScreen
{
protected:
    void TearDown() override
    {
        if (page != NULL && page->GetSafeHwnd() != NULL)
            page->DestroyWindow();
        delete page;
        BalanceScreen::TearDown();
    }
    CBalanceListTab* OpenPage()
    {
        page = new CBalanceListTab(IDD_BALANCE_TAB, Strip(), TradePanelModule());
        return page->Create(Strip()) ? page : NULL;
    }
    CBalanceListTab* page = NULL;
};

TEST_F(BalanceTab, QueriesOnItsButtonAndLogsWithoutAMessageLine)
{
    RichBook();
    CMsgBoxRecorder boxes;
    CBalanceListTab* p = OpenPage();
    ASSERT_TRUE(p != NULL);
    EXPECT_EQ(0u, boxes.Count());
    EXPECT_TRUE(p->GetStyle() & WS_CHILD);
    EXPECT_EQ(TabOwner()->GetSafeHwnd(), p->GetTabOwner());
    EXPECT_TRUE(p->GetMsgCtrl() == NULL);
    // Empty until its button is pressed.
    EXPECT_EQ(0, p->GetGrids().GetCoinGrid()->GetRecordCount());
    EXPECT_EQ(0u, peer::Requests("/info/balance").size());
    Click(p->GetControl(IDC_BALANCE_QUERY));
    ExpectBalanceRequest();
    ExpectRichRows(p->GetGrids().GetCoinGrid(), p->GetGrids().GetSummary());
    EXPECT_EQ(std::string::npos, ServerLog().find("CBalanceListTab")) << ServerLog();

    FaultReply("/info/balance", "non_json");
    Click(p->GetControl(IDC_BALANCE_QUERY));
    EXPECT_NE(std::string::npos, ServerLog().find("CBalanceListTab 잔고조회 실패")) << ServerLog();
    ASSERT_TRUE(peer::Command("{\"cmd\":\"fault\",\"mode\":\"none\"}")["ok"].asBool());
    FaultReply("/info/balance", "error_status");
    Click(p->GetControl(IDC_BALANCE_QUERY));
    EXPECT_NE(std::string::npos, ServerLog().find(std::string("CBalanceListTab ") + kBusy)) << ServerLog();
    EXPECT_EQ(std::string::npos, ServerLog().find(ToUtf8(kBusy))) << ServerLog();
    // A status that is no number is a refusal, also on the page.
    ASSERT_TRUE(peer::Command("{\"cmd\":\"fault\",\"mode\":\"none\"}")["ok"].asBool());
    CannedReply("/info/balance", u8"{\"status\":\"ERR\",\"message\":\"잠시 후 다시 시도해 주십시오.\"}");
    Click(p->GetControl(IDC_BALANCE_QUERY));
    EXPECT_EQ(2u, Occurrences(ServerLog(), std::string("CBalanceListTab ") + kBusy)) << ServerLog();
    EXPECT_EQ(0u, boxes.Count());
    ExpectRichRows(p->GetGrids().GetCoinGrid(), p->GetGrids().GetSummary());
}

TEST_F(BalanceScreen, ThirteenDigitAmountsShowWholeInSight)
{
    CView2000* v = OpenView();
    ASSERT_TRUE(v != NULL);
    CGridTable* summary = v->GetGrids().GetSummary();
    CWideAmountList* grid = v->GetGrids().GetCoinGrid();
    ASSERT_TRUE(summary != NULL && grid != NULL);
    // What the message line leaves of the client area.
    CRect content, line;
    v->GetClientRect(&content);
    v->GetMsgCtrl()->GetWindowRect(&line);
    v->ScreenToClient(&line);
    content.bottom = line.top;

    ThirteenDigitBook(false);
    Click(v->GetControl(IDC_BALANCE_QUERY));
    EXPECT_STREQ("9,999,999,999,999", (LPCSTR)Cell(summary, 5, 0));
    for (UINT col = 0; col < 6; ++col)
        ExpectWholeInSight(v, content, summary, col, 0);

    ThirteenDigitBook(true);
    Click(v->GetControl(IDC_BALANCE_QUERY));
    EXPECT_STREQ("9,999,999,000,000", (LPCSTR)Cell(grid, 2, 1));
    EXPECT_STREQ("9,999,999,000,000", (LPCSTR)Cell(grid, 6, 1));
    for (UINT col = 0; col < 6; ++col)
        ExpectWholeInSight(v, content, summary, col, 0);
    // The won columns (the units columns hold decimals of their own width).
    for (UINT col : {0u, 2u, 4u, 6u})
        ExpectWholeInSight(v, content, grid, col, 1);

    // A picture for the eye in Temp\ of the test tree.
    v->SetWindowPos(&CWnd::wndTopMost, 0, 0, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    v->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    SavePng(std::string(GetBinDir()) + "..\\Temp\\balance2000_13_digits.png", ShootWindow(v->m_hWnd));
}

TEST_F(BalanceTab, ThirteenDigitAmountsShowWholeInSight)
{
    CBalanceListTab* p = OpenPage();
    ASSERT_TRUE(p != NULL);
    CGridTable* summary = p->GetGrids().GetSummary();
    CWideAmountList* grid = p->GetGrids().GetCoinGrid();
    ASSERT_TRUE(summary != NULL && grid != NULL);
    CRect content;
    p->GetClientRect(&content);
    ThirteenDigitBook(false);
    Click(p->GetControl(IDC_BALANCE_QUERY));
    EXPECT_STREQ("9,999,999,999,999", (LPCSTR)Cell(summary, 5, 0));
    for (UINT col = 0; col < 6; ++col)
        ExpectWholeInSight(p, content, summary, col, 0);
    ThirteenDigitBook(true);
    Click(p->GetControl(IDC_BALANCE_QUERY));
    EXPECT_STREQ("9,999,999,000,000", (LPCSTR)Cell(grid, 6, 1));
    for (UINT col = 0; col < 6; ++col)
        ExpectWholeInSight(p, content, summary, col, 0);
    for (UINT col : {0u, 2u, 4u, 6u})
        ExpectWholeInSight(p, content, grid, col, 1);
}

TEST_F(BalanceTab, MissingLayoutLeavesAnEmptyPage)
{
    page = new CBalanceListTab(IDD_BALANCE_TAB, Strip(), TradePanelModule());
    const CString path = page->LayoutPath();
    const CString aside = path + ".aside";
    ASSERT_TRUE(::MoveFileA(path, aside));
    CMsgBoxRecorder boxes;
    const BOOL created = page->Create(Strip());
    ::MoveFileA(aside, path);
    ASSERT_TRUE(created);
    EXPECT_EQ(1u, boxes.Count());
    EXPECT_NE(std::string::npos, boxes.Last().text.find((LPCSTR)path));
    EXPECT_TRUE(page->GetControl(IDC_BALANCE_QUERY) == NULL);
    EXPECT_TRUE(page->GetGrids().GetCoinGrid() == NULL);
}

} // namespace
