// HistoryPanel.dll through its export, and the trade page of screen 1000's account tab window,
// against the exchange peer: the request body of each kind of trade, the rows of the reply
// (local dates from microseconds, signs stripped, the "<coin>1krw" unit price, won amounts
// shown whole above 2.1 billion), deposits left out, and how each place reports a refusal.
#include <gtest/gtest.h>

#include <string>

#include "ColorMap.h"
#include "FilledOrdListTab.h"
#include "GridDefs.h"
#include "SComboBox.h"
#include "View2001.h"
#include "WideAmountList.h"
#include "exchange_screen_fixture.h"
#include "msgbox_recorder.h"

namespace {

const char kBusy[] = "잠시 후 다시 시도해 주십시오.";

class HistoryScreen : public ExchangeScreenTest
{
protected:
    // ETH's history as the peer serves it, newest first: a sell of 300 ETH worth 2.7 billion
    // won, a buy of 0.5, and a deposit (search 4).
    static void EthHistory()
    {
        Json::Value list(Json::arrayValue);
        list.append(Entry("2", "1514764900000000", "- 300", "2700000000", "5688738750"));
        list.append(Entry("1", "1514764800000000", "+ 0.5", "4500000", "3000000000"));
        list.append(Entry("4", "1514700000000000", "+ 1000", "0", "3000000000"));
        Json::Value cmd;
        cmd["cmd"] = "set_transactions";
        cmd["currency"] = "ETH";
        cmd["transactions"] = list;
        ASSERT_TRUE(peer::Command(cmd)["ok"].asBool());
    }
    static Json::Value Entry(const char* search, const char* date, const char* units, const char* price,
                             const char* remain)
    {
        Json::Value e;
        e["search"] = search;
        e["transfer_date"] = date;
        e["units"] = units;
        e["price"] = price;
        e["eth1krw"] = "9000000";
        e["fee"] = "11250.00";
        e["eth_remain"] = "0.5";
        e["krw_remain"] = remain;
        return e;
    }
    static void ChooseEth(CMapView* view)
    {
        CSComboBox* combo = dynamic_cast<CSComboBox*>(view->GetControl(IDC_TRADE_COIN));
        ASSERT_TRUE(combo != NULL);
        combo->SetCurSel(4); // 이더리움(ETH)
    }
    static std::string LastBody()
    {
        const Json::Value requests = peer::Requests("/info/user_transactions");
        if (requests.size() == 0)
            return "<none>";
        const Json::Value& last = requests[requests.size() - 1];
        EXPECT_EQ("ok", last["verdict"].asString()) << last["reason"].asString();
        return last["body"].asString();
    }
    static void ExpectEthRows(CWideAmountList* grid)
    {
        ASSERT_TRUE(grid != NULL);
        ASSERT_EQ(2, grid->GetRecordCount());
        // The sell, newest first.
        EXPECT_STREQ((LPCSTR)MicrosToDateText("1514764900000000"), (LPCSTR)Cell(grid, 0, 1));
        EXPECT_STREQ("매도", (LPCSTR)Cell(grid, 1, 1));
        EXPECT_EQ(CColorMap::GetColorInfo(103), grid->GetCellPtr(1, 1)->pForeColor);
        EXPECT_STREQ("300.00000000", (LPCSTR)Cell(grid, 2, 1));
        EXPECT_STREQ("2,700,000,000", (LPCSTR)Cell(grid, 3, 1));
        EXPECT_STREQ("9,000,000.00000000", (LPCSTR)Cell(grid, 4, 1));
        EXPECT_STREQ("11,250.00000000", (LPCSTR)Cell(grid, 5, 1));
        EXPECT_STREQ("5,688,738,750", (LPCSTR)Cell(grid, 6, 1));
        // The buy.
        EXPECT_STREQ((LPCSTR)MicrosToDateText("1514764800000000"), (LPCSTR)Cell(grid, 0, 2));
        EXPECT_STREQ("매수", (LPCSTR)Cell(grid, 1, 2));
        EXPECT_EQ(CColorMap::GetColorInfo(102), grid->GetCellPtr(1, 2)->pForeColor);
        EXPECT_STREQ("0.50000000", (LPCSTR)Cell(grid, 2, 2));
        EXPECT_STREQ("4,500,000", (LPCSTR)Cell(grid, 3, 2));
        EXPECT_STREQ("3,000,000,000", (LPCSTR)Cell(grid, 6, 2));
        TIME_ZONE_INFORMATION zone;
        if (::GetTimeZoneInformation(&zone) != TIME_ZONE_ID_INVALID && zone.Bias == -540) {
            EXPECT_STREQ("2018/01/01 09:00:00", (LPCSTR)Cell(grid, 0, 2));
        }
    }
    CView2001* OpenView() { return dynamic_cast<CView2001*>(OpenScreen("HistoryPanel.dll", "2001")); }
};

TEST_F(HistoryScreen, ExportMakesTheViewWithItsChoices)
{
    CMsgBoxRecorder boxes;
    CView2001* v = OpenView();
    ASSERT_TRUE(v != NULL);
    EXPECT_EQ(0u, boxes.Count());
    EXPECT_FALSE(v->IsWindowVisible());
    EXPECT_TRUE(v->GetMsgCtrl() != NULL);
    EXPECT_EQ(1, v->InitWindow());
    CSComboBox* combo = v->GetGrids().GetCombo();
    ASSERT_TRUE(combo != NULL);
    ASSERT_EQ(13, combo->GetCount());
    EXPECT_EQ(0, combo->GetCurSel());
    CString text;
    combo->GetLBText(0, text);
    EXPECT_STREQ("------ 선택 ------", (LPCSTR)text);
    combo->GetLBText(12, text);
    EXPECT_STREQ("이오스(EOS)", (LPCSTR)text);
    EXPECT_EQ((UINT)IDC_TRADE_KIND_ALL, v->GetGrids().GetKind());
    EXPECT_TRUE(v->GetButtonCheck(IDC_TRADE_KIND_ALL));
    CWideAmountList* grid = v->GetGrids().GetGrid();
    ASSERT_TRUE(grid != NULL);
    EXPECT_EQ(56, grid->GetRecordSize());
    EXPECT_STREQ("거래일시", (LPCSTR)Cell(grid, 0, 0));
    EXPECT_STREQ("잔고(원)", (LPCSTR)Cell(grid, 6, 0));
}

TEST_F(HistoryScreen, NoCoinChosenAsksAndSendsNothing)
{
    CView2001* v = OpenView();
    ASSERT_TRUE(v != NULL);
    CMsgBoxRecorder boxes;
    Click(v->GetControl(IDC_TRADE_QUERY));
    ASSERT_EQ(1u, boxes.Count());
    EXPECT_EQ("암호화폐를 선택해 주세요", boxes.Last().text);
    EXPECT_EQ(0u, peer::Requests("/info/user_transactions").size());
}

TEST_F(HistoryScreen, RowsFromThePeersReply)
{
    EthHistory();
    CView2001* v = OpenView();
    ASSERT_TRUE(v != NULL);
    ChooseEth(v);
    Click(v->GetControl(IDC_TRADE_QUERY));
    EXPECT_EQ("endpoint=%2Finfo%2Fuser_transactions&offset=0&count=50&searchGb=0&currency=ETH", LastBody());
    ExpectEthRows(v->GetGrids().GetGrid());
    EXPECT_GE(MessageLine(v).Find("조회 완료 되었습니다."), 0) << (LPCSTR)MessageLine(v);
}

struct KindCase
{
    WORD choice;
    const char* searchGb;
    const char* kinds; // the kinds listed, top first
};

class HistoryKind : public HistoryScreen, public ::testing::WithParamInterface<KindCase>
{
};

TEST_P(HistoryKind, SendsTheKindAndListsWhatComes)
{
    const KindCase& c = GetParam();
    EthHistory();
    CView2001* v = OpenView();
    ASSERT_TRUE(v != NULL);
    ChooseEth(v);
    // The user's click on the choice, as the button sends it.
    Click(v->GetControl(c.choice));
    EXPECT_EQ((UINT)c.choice, v->GetGrids().GetKind());
    Click(v->GetControl(IDC_TRADE_QUERY));
    EXPECT_EQ(std::string("endpoint=%2Finfo%2Fuser_transactions&offset=0&count=50&searchGb=") + c.searchGb +
                  "&currency=ETH",
              LastBody());
    CWideAmountList* grid = v->GetGrids().GetGrid();
    std::string kinds;
    for (int row = 1; row <= grid->GetRecordCount(); ++row)
        kinds += std::string(kinds.empty() ? "" : ",") + (LPCSTR)Cell(grid, 1, row);
    EXPECT_EQ(c.kinds, kinds);
}

INSTANTIATE_TEST_SUITE_P(Choices, HistoryKind,
                         ::testing::Values(KindCase{IDC_TRADE_KIND_ALL, "0", "매도,매수"},
                                           KindCase{IDC_TRADE_KIND_BUY, "1", "매수"},
                                           KindCase{IDC_TRADE_KIND_SELL, "2", "매도"}),
                         [](const ::testing::TestParamInfo<KindCase>& info) { return std::string(info.param.searchGb); });

struct FailureCase
{
    const char* name;
    const char* fault;  // the peer's fault mode, or NULL: a reply with an empty list and this status
    const char* status;
    const char* line;
    const char* log;
    bool exchangeMessage; // the log also holds the exchange's message (in code page 949)
};

const FailureCase kFailures[] = {
    {"refusal", "error_status", NULL, kBusy, "view2001", true},
    {"not_json", "non_json", NULL, "조회 실패했습니다.", "view2001 조회 실패했습니다.", false},
    // A status that is no number is no success, however empty the list.
    {"status_letters", NULL, "ERR", kBusy, "view2001", true},
    {"status_empty", NULL, "", kBusy, "view2001", true},
};

// A reply of the exchange with the status, its message and an empty list.
std::string EmptyListReply(const char* status)
{
    return std::string("{\"status\":\"") + status + "\",\"message\":\"" + ToUtf8(kBusy) + "\",\"data\":[]}";
}

class HistoryFailure : public HistoryScreen, public ::testing::WithParamInterface<FailureCase>
{
};

TEST_P(HistoryFailure, ReportsTheExchangesWordsAndClearsTheRows)
{
    const FailureCase& c = GetParam();
    EthHistory();
    CView2001* v = OpenView();
    ASSERT_TRUE(v != NULL);
    ChooseEth(v);
    Click(v->GetControl(IDC_TRADE_QUERY));
    ASSERT_EQ(2, v->GetGrids().GetGrid()->GetRecordCount());
    if (c.fault != NULL)
        FaultReply("/info/user_transactions", c.fault);
    else
        CannedReply("/info/user_transactions", EmptyListReply(c.status).c_str());
    CMsgBoxRecorder boxes;
    Click(v->GetControl(IDC_TRADE_QUERY));
    EXPECT_EQ(0u, boxes.Count());
    EXPECT_GE(MessageLine(v).Find(c.line), 0) << (LPCSTR)MessageLine(v);
    EXPECT_LT(MessageLine(v).Find("조회 완료"), 0) << (LPCSTR)MessageLine(v);
    const std::string log = ServerLog();
    EXPECT_NE(std::string::npos, log.find(c.log)) << log;
    if (c.exchangeMessage) {
        // One code page in the log: the exchange's UTF-8 text is converted like the screen's own.
        EXPECT_NE(std::string::npos, log.find(std::string("view2001") + kBusy)) << log;
        EXPECT_EQ(std::string::npos, log.find(ToUtf8(kBusy))) << log;
    }
    // A reply came: the old rows are gone.
    EXPECT_EQ(0, v->GetGrids().GetGrid()->GetRecordCount());
}

INSTANTIATE_TEST_SUITE_P(Replies, HistoryFailure, ::testing::ValuesIn(kFailures),
                         [](const ::testing::TestParamInfo<FailureCase>& info) { return std::string(info.param.name); });

class TradeTab : public HistoryScreen
{
protected:
    void TearDown() override
    {
        if (page != NULL && page->GetSafeHwnd() != NULL)
            page->DestroyWindow();
        delete page;
        HistoryScreen::TearDown();
    }
    CFilledOrdListTab* OpenPage()
    {
        page = new CFilledOrdListTab(IDD_TRADE_TAB, Strip(), TradePanelModule());
        return page->Create(Strip()) ? page : NULL;
    }
    CFilledOrdListTab* page = NULL;
};

TEST_F(TradeTab, QueriesOnItsButtonAndLogsWithoutAMessageLine)
{
    EthHistory();
    CMsgBoxRecorder boxes;
    CFilledOrdListTab* p = OpenPage();
    ASSERT_TRUE(p != NULL);
    EXPECT_EQ(0u, boxes.Count());
    EXPECT_TRUE(p->GetStyle() & WS_CHILD);
    EXPECT_EQ(TabOwner()->GetSafeHwnd(), p->GetTabOwner());
    EXPECT_TRUE(p->GetMsgCtrl() == NULL);
    EXPECT_EQ(13, p->GetGrids().GetCombo()->GetCount());
    // No coin: asked, nothing sent.
    Click(p->GetControl(IDC_TRADE_QUERY));
    ASSERT_EQ(1u, boxes.Count());
    EXPECT_EQ("암호화폐를 선택해 주세요", boxes.Last().text);
    EXPECT_EQ(0u, peer::Requests("/info/user_transactions").size());

    ChooseEth(p);
    Click(p->GetControl(IDC_TRADE_KIND_SELL));
    Click(p->GetControl(IDC_TRADE_QUERY));
    EXPECT_EQ("endpoint=%2Finfo%2Fuser_transactions&offset=0&count=50&searchGb=2&currency=ETH", LastBody());
    ASSERT_EQ(1, p->GetGrids().GetGrid()->GetRecordCount());
    EXPECT_STREQ("2,700,000,000", (LPCSTR)Cell(p->GetGrids().GetGrid(), 3, 1));
    Click(p->GetControl(IDC_TRADE_KIND_ALL));
    Click(p->GetControl(IDC_TRADE_QUERY));
    ExpectEthRows(p->GetGrids().GetGrid());
    EXPECT_EQ(std::string::npos, ServerLog().find("CFilledOrdListTab")) << ServerLog();

    FaultReply("/info/user_transactions", "non_json");
    Click(p->GetControl(IDC_TRADE_QUERY));
    EXPECT_NE(std::string::npos, ServerLog().find("CFilledOrdListTab 조회 실패했습니다.")) << ServerLog();
    ASSERT_TRUE(peer::Command("{\"cmd\":\"fault\",\"mode\":\"none\"}")["ok"].asBool());
    FaultReply("/info/user_transactions", "error_status");
    Click(p->GetControl(IDC_TRADE_QUERY));
    EXPECT_NE(std::string::npos, ServerLog().find(std::string("CFilledOrdListTab ") + kBusy)) << ServerLog();
    EXPECT_EQ(std::string::npos, ServerLog().find(ToUtf8(kBusy))) << ServerLog();
    // A status that is no number is a refusal, also on the page.
    ASSERT_TRUE(peer::Command("{\"cmd\":\"fault\",\"mode\":\"none\"}")["ok"].asBool());
    CannedReply("/info/user_transactions", EmptyListReply("ERR").c_str());
    Click(p->GetControl(IDC_TRADE_QUERY));
    EXPECT_EQ(2u, Occurrences(ServerLog(), std::string("CFilledOrdListTab ") + kBusy)) << ServerLog();
    EXPECT_EQ(1u, boxes.Count());
}

} // namespace
