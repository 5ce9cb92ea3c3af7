// TradePanel.dll through its export, in a small host frame: the view from template 5001, its
// start-up without a layout, the board fed by the exchange peer's feeds, a coin change, and
// the switch of amount-based automatic trading clicked on its real buttons.
#include <gtest/gtest.h>

#include <objbase.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "AccountTabWnd.h"
#include "AutoAgent.h"
#include "GridTable.h"
#include "InstallFolders.h"
#include "MsgCtrl.h"
#include "NumberText.h"
#include "RcmdCoinManager.h"
#include "ResourceMap.h"
#include "SComboBox.h"
#include "SEdit.h"
#include "SharedKit.h"
#include "View1000.h"
#include "ZembraAPIAgent.h"
#include "ZembraRecords.h"
#include "canvas.h"
#include "msgbox_recorder.h"
#include "peer_link.h"
#include "screen_shot.h"

namespace {

typedef CBaseView*(__cdecl* CreateScreenFn)(CWnd*, const char*);

void Pump()
{
    MSG msg;
    while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

// Lets the feed threads deliver (their SendMessage runs while this thread waits for messages)
// until done() holds or the time is up.
template <class Fn> bool PumpUntil(Fn done, DWORD timeoutMs = 10000)
{
    const DWORD start = ::GetTickCount();
    while (!done()) {
        if (::GetTickCount() - start > timeoutMs)
            return false;
        ::MsgWaitForMultipleObjects(0, NULL, FALSE, 50, QS_ALLINPUT | QS_SENDMESSAGE);
        Pump();
    }
    return true;
}

CString Cell(CWnd* view, WORD id, UINT col, UINT row)
{
    CGridTable* grid = dynamic_cast<CGridTable*>(static_cast<CMapView*>(view)->GetControl(id));
    return grid != NULL ? grid->GetCellText(col, row) : CString("<no grid>");
}

tagCell* CellPtr(CWnd* view, WORD id, UINT col, UINT row)
{
    CGridTable* grid = dynamic_cast<CGridTable*>(static_cast<CMapView*>(view)->GetControl(id));
    return grid != NULL ? grid->GetCellPtr(col, row) : NULL;
}

// Pixels of the bar colour along a line near the top of a cell range of the order book, painted
// into a memory picture.
int BarPixels(CWnd* view, UINT col1, UINT row, UINT col2, COLORREF colour, int* width)
{
    CGridTable* grid = dynamic_cast<CGridTable*>(static_cast<CMapView*>(view)->GetControl(1004));
    CRect client;
    grid->GetClientRect(&client);
    Canvas canvas(client.Width(), client.Height());
    grid->Paint(canvas.DC(), client);
    const CRect cell = grid->GetRect(col1, row, col2, row);
    *width = cell.Width();
    const int y = cell.top + 2; // the bar's first line (2 pixels shorter at the top), above the text
    return canvas.Count(CRect(cell.left, y, cell.right, y + 1), colour);
}

// A click as the user makes it: the button's own handling, then what it queued.
void Click(CWnd* button)
{
    button->SendMessage(BM_CLICK);
    Pump();
}

void PutField(char* field, size_t size, const char* text)
{
    memset(field, ' ', size);
    memcpy(field, text, strlen(text) < size ? strlen(text) : size);
}

class TradePanel : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        ::CoInitialize(NULL);
        GetColorMap()->Load(CString(GetSystemDir()) + "colormap.xml", "default");
        GetResourceMap()->Load(CString(GetSystemDir()) + "ResourceMap.xml", "default");
    }
    static void TearDownTestSuite()
    {
        GetColorMap()->Release();
        GetResourceMap()->Release();
        ::CoUninitialize();
    }
    void SetUp() override
    {
        ASSERT_EQ(949u, ::GetACP());
        ASSERT_FALSE(peer::BaseURL().empty()) << "the exchange peer is not running";
        ASSERT_TRUE(peer::Command("{\"cmd\":\"reset\"}")["ok"].asBool());
        ASSERT_TRUE(peer::Command("{\"cmd\":\"market\",\"mode\":\"frozen\"}")["ok"].asBool());
        CZembraAPIAgent::SetBaseURL(peer::BaseURL().c_str());
        CZembraAPIAgent::SetKeys("molvane-demo-key", "molvane-demo-secret");
        ASSERT_TRUE(frame.CreateEx(0, AfxRegisterWndClass(0), "host", WS_OVERLAPPEDWINDOW, CRect(0, 0, 1100, 900),
                                   NULL, 0));
        module = ::LoadLibraryA("TradePanel.dll");
        ASSERT_TRUE(module != NULL);
        create = reinterpret_cast<CreateScreenFn>(::GetProcAddress(module, "CreateScreen"));
        ASSERT_TRUE(create != NULL) << "CreateScreen is not exported by that name";
    }
    void TearDown() override
    {
        CloseView();
        if (agent != NULL) {
            agent->DestroyWindow();
            delete agent;
        }
        frame.DestroyWindow();
        if (module != NULL)
            ::FreeLibrary(module);
        CRcmdCoinManager::GetAutoAgent()->ResetAutoAmountType();
    }
    void StartAgent()
    {
        agent = new CZembraAPIAgent;
        ASSERT_TRUE(agent->Create());
        agent->Start();
    }
    CView1000* OpenView()
    {
        view = create(&frame, "1000");
        return dynamic_cast<CView1000*>(view);
    }
    void CloseView()
    {
        if (view != NULL) {
            if (view->GetSafeHwnd() != NULL)
                view->DestroyWindow();
            delete view;
            view = NULL;
        }
    }

    CWnd frame;
    HMODULE module = NULL;
    CreateScreenFn create = NULL;
    CBaseView* view = NULL;
    CZembraAPIAgent* agent = NULL;
};

TEST_F(TradePanel, ExportMakesTheViewFromItsTemplate)
{
    CMsgBoxRecorder boxes;
    CView1000* v = OpenView();
    ASSERT_TRUE(v != NULL);
    ASSERT_TRUE(v->GetSafeHwnd() != NULL);
    EXPECT_EQ(0u, boxes.Count());
    // Created hidden: the main program shows it once placed.
    EXPECT_FALSE(v->IsWindowVisible());
    EXPECT_TRUE(v->GetStyle() & WS_CLIPCHILDREN);
    EXPECT_TRUE(v->GetStyle() & WS_CLIPSIBLINGS);
    EXPECT_TRUE(v->GetMsgCtrl() != NULL);
    EXPECT_STREQ("코인명", (LPCSTR)Cell(v, 1000, 0, 0));
    EXPECT_STREQ("평균가격(24H)", (LPCSTR)Cell(v, 1000, 4, 0));
    EXPECT_STREQ("이오스(EOS)", (LPCSTR)Cell(v, 1000, 0, 12));
    EXPECT_STREQ("주문수량합계", (LPCSTR)Cell(v, 1004, 2, 20));
    CSComboBox* combo = dynamic_cast<CSComboBox*>(v->GetControl(1002));
    ASSERT_TRUE(combo != NULL);
    EXPECT_EQ(12, combo->GetCount());
    EXPECT_EQ(0, combo->GetCurSel());
    EXPECT_STREQ("BTC", (LPCSTR)v->GetSelectedCoin());
    EXPECT_STREQ("자동매매 실행 중지중", (LPCSTR)Cell(v, 1015, 0, 0));
    ASSERT_TRUE(v->GetAccountTabWnd() != NULL);
    EXPECT_TRUE(v->GetAccountTabWnd()->GetStyle() & WS_VISIBLE);
    EXPECT_EQ(1, v->InitWindow());
    // Relayed messages are taken (the pages they reach: test_tradepanel_tabs).
    EXPECT_EQ(1, v->SendMessage(1144, 1144, 0));
    EXPECT_EQ(1, v->SendMessage(1147, 5, reinterpret_cast<LPARAM>("12:00")));
    EXPECT_TRUE(v->GetAccountTabWnd()->GetTabStrip() != NULL);
    // The switch's bitmaps and colours come from the shipped maps.
    for (WORD id : {533, 800, 801, 802, 803, 804, 815, 816})
        EXPECT_TRUE(CResourceMap::GetBitmap(id) != NULL) << "bitmap " << id;
    for (WORD id : {102, 817, 900, 901, 902})
        EXPECT_TRUE(CColorMap::GetColorInfo(id) != NULL) << "colour " << id;
}

// Wine has no browser engine: the banner's control then keeps a window that says so, and the
// screen goes on with the rest of its board.
TEST_F(TradePanel, BannerBrowserSitsOverTheBannerGridWithoutAnEngine)
{
    CMsgBoxRecorder boxes;
    StartAgent();
    CView1000* v = OpenView();
    ASSERT_TRUE(v != NULL);
    EXPECT_EQ(0u, boxes.Count());
    CWnd* banner = v->GetDlgItem(VIEW1000_BANNER_ID);
    ASSERT_TRUE(banner != NULL);
    EXPECT_EQ(v->GetBanner().GetSafeHwnd(), banner->GetSafeHwnd());
    EXPECT_TRUE(banner->GetStyle() & WS_VISIBLE);
    EXPECT_TRUE(banner->GetStyle() & WS_CHILD);
    // Over the second row of the banner grid, in view coordinates.
    CGridTable* grid = dynamic_cast<CGridTable*>(v->GetControl(1020));
    ASSERT_TRUE(grid != NULL);
    CRect cell = grid->GetCellRect(0, 1);
    grid->MapWindowPoints(v, &cell);
    CRect placed;
    banner->GetWindowRect(&placed);
    v->ScreenToClient(&placed);
    EXPECT_EQ(cell, placed);
    EXPECT_EQ(250, placed.Height());
    if (v->GetBanner().GetBrowser() == NULL) {
        CString text;
        banner->GetWindowText(text);
        EXPECT_STREQ(CExplorer::NoBrowserMessage(), (LPCSTR)text);
    }
    // The board still works: the ticker feed reaches it and the account tab window stands.
    ASSERT_TRUE(v->GetAccountTabWnd() != NULL);
    ASSERT_TRUE(PumpUntil([&] { return !Cell(v, 1000, 1, 1).IsEmpty(); }));
    const HWND hBanner = banner->GetSafeHwnd();
    CloseView();
    EXPECT_FALSE(::IsWindow(hBanner));
}

// What the layout places is seen whole: inside the view, clear of the account tab window
// below, and every row of each grid within the grid's own window.
TEST_F(TradePanel, EveryPartOfTheBoardIsInSight)
{
    CMsgBoxRecorder boxes;
    CView1000* v = OpenView();
    ASSERT_TRUE(v != NULL);
    ASSERT_TRUE(v->GetAccountTabWnd() != NULL);
    CRect client, tabs;
    v->GetClientRect(&client);
    v->GetAccountTabWnd()->GetWindowRect(&tabs);
    v->ScreenToClient(&tabs);
    EXPECT_EQ(tabs, tabs & client) << "the account tab window reaches beyond the view";
    const struct
    {
        WORD id;
        const char* what;
    } parts[] = {
        {1000, "board"}, {1002, "coin combo box"}, {1003, "current price"}, {1004, "order book"},
        {1005, "automatic-trading panel"}, {1006, "amount edit"}, {1008, "query button"},
        {1015, "trading status"}, {1017, "start/stop button"}, {1013, "banner label"},
        {1020, "banner"}, {1014, "home page button"}, {VIEW1000_BANNER_ID, "banner browser"},
    };
    for (const auto& part : parts) {
        CWnd* control = v->GetDlgItem(part.id);
        ASSERT_TRUE(control != NULL) << part.what;
        CRect rect;
        control->GetWindowRect(&rect);
        v->ScreenToClient(&rect);
        EXPECT_EQ(rect, rect & client) << part.what << " reaches beyond the view";
        EXPECT_TRUE((rect & tabs).IsRectEmpty()) << part.what << " lies under the account tab window";
        if (CGrid* grid = dynamic_cast<CGrid*>(control)) {
            CRect inner;
            grid->GetClientRect(&inner);
            const CRect last = grid->GetCellRect(0, grid->GetRowCount() - 1);
            EXPECT_LE(last.bottom, inner.bottom) << part.what << ": its last row is cut off";
        }
    }
}

TEST_F(TradePanel, MissingLayoutStillGivesTheEmptyView)
{
    const CString path = CView1000::LayoutPath();
    const CString aside = path + ".aside";
    ASSERT_TRUE(::MoveFileA(path, aside));
    CMsgBoxRecorder boxes;
    CView1000* v = OpenView();
    ::MoveFileA(aside, path);
    ASSERT_TRUE(v != NULL);
    ASSERT_EQ(1u, boxes.Count());
    EXPECT_NE(std::string::npos, boxes.Last().text.find("해당 파일이 존재하지 않습니다."));
    EXPECT_NE(std::string::npos, boxes.Last().text.find((LPCSTR)path));
    EXPECT_EQ("Molvane", boxes.Last().caption);
    // Nothing after the failed load: no message line, no controls, no tab window.
    EXPECT_TRUE(v->GetMsgCtrl() == NULL);
    EXPECT_TRUE(v->GetControl(1000) == NULL);
    EXPECT_TRUE(v->GetAccountTabWnd() == NULL);
}

TEST_F(TradePanel, BoardShowsThePeersTicker)
{
    StartAgent();
    // Known figures: BTC rises, ETH falls, XRP stays.
    ASSERT_TRUE(peer::Command("{\"cmd\":\"set_ticker\",\"coin\":\"BTC\",\"fields\":{\"opening_price\":\"9000000\","
                              "\"closing_price\":\"9123456\",\"min_price\":\"8900000\",\"max_price\":\"9200000\","
                              "\"average_price\":\"9050000.5\",\"units_traded\":\"1234.56789\"}}")["ok"].asBool());
    ASSERT_TRUE(peer::Command("{\"cmd\":\"set_ticker\",\"coin\":\"ETH\",\"fields\":{\"opening_price\":\"500000\","
                              "\"closing_price\":\"499000\"}}")["ok"].asBool());
    ASSERT_TRUE(peer::Command("{\"cmd\":\"set_ticker\",\"coin\":\"XRP\",\"fields\":{\"opening_price\":\"700\","
                              "\"closing_price\":\"700\"}}")["ok"].asBool());
    CView1000* v = OpenView();
    ASSERT_TRUE(v != NULL);
    ASSERT_TRUE(PumpUntil([&] { return Cell(v, 1000, 1, 1) == "9,123,456" && Cell(v, 1000, 1, 4) == "499,000"; }))
        << (LPCSTR)Cell(v, 1000, 1, 1);
    EXPECT_STREQ("123,456", (LPCSTR)Cell(v, 1000, 2, 1));
    EXPECT_EQ(GCF_SIGN_UP, CellPtr(v, 1000, 2, 1)->nFlags & GCF_SIGN_MASK);
    EXPECT_EQ(CColorMap::GetColorInfo(102), CellPtr(v, 1000, 1, 1)->pForeColor);
    EXPECT_STREQ("1,234.56789000", (LPCSTR)Cell(v, 1000, 3, 1));
    EXPECT_STREQ("9,050,000.50", (LPCSTR)Cell(v, 1000, 4, 1));
    EXPECT_STREQ("1,000", (LPCSTR)Cell(v, 1000, 2, 4));
    EXPECT_EQ(GCF_SIGN_DOWN, CellPtr(v, 1000, 2, 4)->nFlags & GCF_SIGN_MASK);
    EXPECT_EQ(CColorMap::GetColorInfo(103), CellPtr(v, 1000, 1, 4)->pForeColor);
    EXPECT_STREQ("0", (LPCSTR)Cell(v, 1000, 2, 6));
    EXPECT_EQ(0u, CellPtr(v, 1000, 2, 6)->nFlags & GCF_SIGN_MASK);
    EXPECT_EQ(CColorMap::GetColorInfo(101), CellPtr(v, 1000, 1, 6)->pForeColor);
    // The chosen coin's grids.
    EXPECT_STREQ("9,123,456", (LPCSTR)Cell(v, 1003, 1, 0));
    EXPECT_STREQ("123,456", (LPCSTR)Cell(v, 1003, 3, 0));
    EXPECT_STREQ("9,000,000", (LPCSTR)Cell(v, 1004, 3, 1));
    EXPECT_STREQ("9,200,000", (LPCSTR)Cell(v, 1004, 3, 3));
    EXPECT_EQ(CColorMap::GetColorInfo(102), CellPtr(v, 1004, 3, 3)->pForeColor); // open below the high
    EXPECT_STREQ("8,900,000", (LPCSTR)Cell(v, 1004, 3, 5));
    EXPECT_EQ(CColorMap::GetColorInfo(103), CellPtr(v, 1004, 3, 5)->pForeColor); // open above the low
    EXPECT_STREQ("9,050,000.50", (LPCSTR)Cell(v, 1004, 3, 7));
    EXPECT_STREQ("1,234.56789000", (LPCSTR)Cell(v, 1004, 3, 9));
    EXPECT_EQ('2', v->GetSelectedSign());
}

TEST_F(TradePanel, OrderBookFillsAndBars)
{
    StartAgent();
    ASSERT_TRUE(peer::Command("{\"cmd\":\"set_orderbook\",\"coin\":\"BTC\","
                              "\"bids\":[{\"price\":\"9000000\",\"quantity\":\"2\"},{\"price\":\"8990000\",\"quantity\":\"0.5\"}],"
                              "\"asks\":[{\"price\":\"9010000\",\"quantity\":\"1\"},{\"price\":\"9020000\",\"quantity\":\"4\"}]}")["ok"]
                    .asBool());
    CView1000* v = OpenView();
    ASSERT_TRUE(v != NULL);
    ASSERT_TRUE(PumpUntil([&] { return Cell(v, 1004, 2, 9) == "9,010,000"; })) << (LPCSTR)Cell(v, 1004, 2, 9);
    // The best ask sits in row 9 next to the best bid in row 10.
    EXPECT_STREQ("1.00000000", (LPCSTR)Cell(v, 1004, 0, 9));
    EXPECT_STREQ("9,020,000", (LPCSTR)Cell(v, 1004, 2, 8));
    EXPECT_DOUBLE_EQ(25.0, CellPtr(v, 1004, 0, 9)->dBarValue);
    EXPECT_DOUBLE_EQ(100.0, CellPtr(v, 1004, 0, 8)->dBarValue);
    EXPECT_STREQ("5.00000000", (LPCSTR)Cell(v, 1004, 0, 20));
    EXPECT_STREQ("9,000,000", (LPCSTR)Cell(v, 1004, 2, 10));
    EXPECT_STREQ("2.00000000", (LPCSTR)Cell(v, 1004, 3, 10));
    EXPECT_DOUBLE_EQ(100.0, CellPtr(v, 1004, 3, 10)->dBarValue);
    EXPECT_DOUBLE_EQ(25.0, CellPtr(v, 1004, 3, 11)->dBarValue);
    EXPECT_STREQ("2.50000000", (LPCSTR)Cell(v, 1004, 3, 20));
    // The bars as drawn: asks from the right edge in blue, bids from the left in red.
    const COLORREF askBar = RGB(204, 235, 253), bidBar = RGB(251, 221, 211);
    int width = 0;
    EXPECT_NEAR(0.25, BarPixels(v, 0, 9, 1, askBar, &width) / double(width), 0.02);
    EXPECT_NEAR(1.0, BarPixels(v, 0, 8, 1, askBar, &width) / double(width), 0.02);
    EXPECT_EQ(0, BarPixels(v, 0, 7, 1, askBar, &width)); // no quantity: no bar
    EXPECT_NEAR(1.0, BarPixels(v, 3, 10, 4, bidBar, &width) / double(width), 0.02);
    EXPECT_NEAR(0.25, BarPixels(v, 3, 11, 4, bidBar, &width) / double(width), 0.02);
    // Fills arrive too (the peer's canned trades): row 11 holds the newest price.
    ASSERT_TRUE(PumpUntil([&] { return !Cell(v, 1004, 0, 11).IsEmpty(); }));

    // A book whose quantities are all 0: empty bars, totals 0.
    tagHogaInfo zero;
    memset(&zero, ' ', sizeof zero);
    PutField(zero.szOrderCurrency, sizeof zero.szOrderCurrency, "BTC");
    for (int k = 0; k < HOGA_LEVELS; ++k) {
        PutField(zero.bid[k].szPrice, sizeof zero.bid[k].szPrice, "100");
        PutField(zero.bid[k].szQuantity, sizeof zero.bid[k].szQuantity, "0");
        PutField(zero.ask[k].szPrice, sizeof zero.ask[k].szPrice, "200");
        PutField(zero.ask[k].szQuantity, sizeof zero.ask[k].szQuantity, "0");
    }
    CloseView();
    agent->DestroyWindow();
    delete agent;
    agent = NULL;
    v = OpenView();
    v->SendMessage(WM_APIDATA_HOGA, reinterpret_cast<WPARAM>(&zero), sizeof zero);
    EXPECT_STREQ("0.00000000", (LPCSTR)Cell(v, 1004, 0, 20));
    EXPECT_STREQ("0.00000000", (LPCSTR)Cell(v, 1004, 3, 20));
    EXPECT_DOUBLE_EQ(0.0, CellPtr(v, 1004, 0, 9)->dBarValue);
    EXPECT_EQ(0, BarPixels(v, 0, 9, 1, askBar, &width));
    EXPECT_EQ(0, BarPixels(v, 3, 10, 4, bidBar, &width));
    // Another coin's book is ignored.
    PutField(zero.szOrderCurrency, sizeof zero.szOrderCurrency, "ETH");
    PutField(zero.bid[0].szPrice, sizeof zero.bid[0].szPrice, "555");
    v->SendMessage(WM_APIDATA_HOGA, reinterpret_cast<WPARAM>(&zero), sizeof zero);
    EXPECT_STREQ("100", (LPCSTR)Cell(v, 1004, 2, 10));
}

TEST_F(TradePanel, ClosingTheScreenEndsItsFeeds)
{
    StartAgent();
    CView1000* v = OpenView();
    ASSERT_TRUE(v != NULL);
    ASSERT_TRUE(PumpUntil([&] { return !Cell(v, 1000, 1, 1).IsEmpty() && peer::Requests("/public/orderbook/BTC").size() > 0 &&
                                       peer::Requests("/public/transaction_history/BTC").size() > 0; }));
    CloseView();
    const size_t tickers = peer::Requests("/public/ticker/ALL").size();
    const size_t books = peer::Requests("/public/orderbook/BTC").size();
    const size_t fills = peer::Requests("/public/transaction_history/BTC").size();
    // A window registered with the same feeds keeps them polling; the closed view's are gone.
    CWnd watcher;
    ASSERT_TRUE(watcher.CreateEx(0, AfxRegisterWndClass(0), "", WS_POPUP, CRect(0, 0, 1, 1), NULL, 0));
    CZembraAPIAgent::RequestHogaData("ETH", watcher.m_hWnd);
    ASSERT_TRUE(PumpUntil([&] { return peer::Requests("/public/orderbook/ETH").size() >= 4; }));
    CZembraAPIAgent::StopHogaData("ETH", watcher.m_hWnd);
    watcher.DestroyWindow();
    EXPECT_LE(peer::Requests("/public/ticker/ALL").size(), tickers + 1);
    EXPECT_LE(peer::Requests("/public/orderbook/BTC").size(), books + 1);
    EXPECT_LE(peer::Requests("/public/transaction_history/BTC").size(), fills + 1);
}

TEST_F(TradePanel, CoinChangeMovesTheFeedsAndDropsTheOldCoinsRecords)
{
    StartAgent();
    CView1000* v = OpenView();
    ASSERT_TRUE(v != NULL);
    ASSERT_TRUE(PumpUntil([&] { return peer::Requests("/public/orderbook/BTC").size() > 0; }));
    CSComboBox* combo = dynamic_cast<CSComboBox*>(v->GetControl(1002));
    ASSERT_TRUE(combo != NULL);
    combo->SetCurSel(3); // ETH
    v->SendMessage(WM_COMMAND, MAKEWPARAM(1002, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo->m_hWnd));
    EXPECT_STREQ("ETH", (LPCSTR)v->GetSelectedCoin());
    EXPECT_FALSE(combo->IsWindowEnabled());
    ASSERT_TRUE(PumpUntil([&] { return peer::Requests("/public/orderbook/ETH").size() > 0; }));
    ASSERT_TRUE(PumpUntil([&] { return peer::Requests("/public/transaction_history/ETH").size() > 0; }));
    // The old coin's polls stop: none after a grace of the cadence.
    ASSERT_TRUE(PumpUntil([&] { return combo->IsWindowEnabled(); }));
    const size_t btcBooks = peer::Requests("/public/orderbook/BTC").size();
    const size_t btcFills = peer::Requests("/public/transaction_history/BTC").size();
    const size_t ethBooks = peer::Requests("/public/orderbook/ETH").size();
    ASSERT_TRUE(PumpUntil([&] { return peer::Requests("/public/orderbook/ETH").size() >= ethBooks + 3; }));
    EXPECT_LE(peer::Requests("/public/orderbook/BTC").size(), btcBooks + 1);
    EXPECT_LE(peer::Requests("/public/transaction_history/BTC").size(), btcFills + 1);

    // A late fills record of BTC does not reach the rows of ETH.
    CloseView();
    v = OpenView();
    ASSERT_TRUE(v != NULL);
    combo = dynamic_cast<CSComboBox*>(v->GetControl(1002));
    agent->DestroyWindow();
    delete agent;
    agent = NULL; // the feeds stop: only the records below arrive
    combo->SetCurSel(3);
    v->SendMessage(WM_COMMAND, MAKEWPARAM(1002, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo->m_hWnd));
    tagFillListInfo fills;
    memset(&fills, ' ', sizeof fills);
    PutField(fills.szCoinCode, sizeof fills.szCoinCode, "BTC");
    PutField(fills.slot[0].szPrice, sizeof fills.slot[0].szPrice, "9100000");
    PutField(fills.slot[0].szUnitsTraded, sizeof fills.slot[0].szUnitsTraded, "0.5");
    PutField(fills.slot[0].szType, sizeof fills.slot[0].szType, "bid");
    v->SendMessage(WM_APIDATA_FILLLIST, reinterpret_cast<WPARAM>(&fills), sizeof fills);
    EXPECT_STREQ("", (LPCSTR)Cell(v, 1004, 0, 11));
    EXPECT_FALSE(combo->IsWindowEnabled());
    PutField(fills.szCoinCode, sizeof fills.szCoinCode, "ETH");
    v->SendMessage(WM_APIDATA_FILLLIST, reinterpret_cast<WPARAM>(&fills), sizeof fills);
    EXPECT_STREQ("9,100,000", (LPCSTR)Cell(v, 1004, 0, 11));
    EXPECT_STREQ("0.5000", (LPCSTR)Cell(v, 1004, 1, 11));
    EXPECT_EQ(CColorMap::GetColorInfo(102), CellPtr(v, 1004, 1, 11)->pForeColor);
    // The new coin's first record opens the combo again.
    EXPECT_TRUE(combo->IsWindowEnabled());

    // Stalled feeds: the time-out opens it.
    v->SendMessage(WM_COMMAND, MAKEWPARAM(1002, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo->m_hWnd));
    EXPECT_FALSE(combo->IsWindowEnabled());
    v->SendMessage(WM_TIMER, VIEW1000_COMBO_TIMER, 0);
    EXPECT_TRUE(combo->IsWindowEnabled());
}

struct BalanceCase
{
    const char* name;
    const char* reply; // canned JSON ("" : the peer's own reply)
    bool json;
    const char* edit;      // the amount edit afterwards
    const char* statusHas; // a part of the message line's newest line, or ""
};

const BalanceCase kBalanceCases[] = {
    {"valid", "{\"status\":\"0000\",\"data\":{\"available_krw\":12345678901}}", true, "12,345,678,901", ""},
    {"real", "{\"status\":\"0000\",\"data\":{\"available_krw\":1500.9}}", true, "1,500", ""},
    {"text", "{\"status\":\"0000\",\"data\":{\"available_krw\":\"1000\"}}", true, "0", "잔고 조회에 실패했습니다."},
    {"missing", "{\"status\":\"0000\",\"data\":{}}", true, "0", ""},
    {"refusal", "", true, "0", "잠시 후 다시 시도해 주십시오."},
    // A status that is no number is a refusal with the exchange's words, not the amount.
    {"status letters", u8"{\"status\":\"ERR\",\"message\":\"잠시 후 다시 시도해 주십시오.\",\"data\":{\"available_krw\":5000}}",
     true, "0", "잠시 후 다시 시도해 주십시오."},
    {"not JSON", "<html>busy</html>", false, "0", "잔고 조회에 실패했습니다."},
};

class BalanceQuery : public TradePanel, public ::testing::WithParamInterface<BalanceCase>
{
};

TEST_P(BalanceQuery, FillsTheAmountEdit)
{
    const BalanceCase& c = GetParam();
    Json::Value cmd;
    cmd["cmd"] = "set_reply";
    cmd["path"] = "/info/balance";
    if (c.reply[0] == 0) {
        // The peer's own refusal, with its Korean message.
        cmd["cmd"] = "fault";
        cmd["mode"] = "error_status";
    } else if (c.json) {
        Json::Value parsed;
        Json::Reader().parse(c.reply, parsed);
        cmd["json"] = parsed;
    } else {
        cmd["text"] = c.reply;
    }
    ASSERT_TRUE(peer::Command(cmd)["ok"].asBool());
    CView1000* v = OpenView();
    ASSERT_TRUE(v != NULL);
    CMsgBoxRecorder boxes;
    Click(v->GetControl(1008));
    CSEdit* edit = dynamic_cast<CSEdit*>(v->GetControl(1006));
    ASSERT_TRUE(edit != NULL);
    CString shown;
    edit->GetWindowText(shown);
    EXPECT_STREQ(c.edit, (LPCSTR)shown);
    Json::Value requests = peer::Requests("/info/balance");
    ASSERT_GE(requests.size(), 1u);
    EXPECT_EQ("ok", requests[0]["verdict"].asString());
    if (c.statusHas[0] != 0) {
        ASSERT_TRUE(v->GetMsgCtrl() != NULL);
        CString line = v->GetMsgCtrl()->GetMessage();
        EXPECT_GE(line.Find(c.statusHas), 0) << (LPCSTR)line;
    }
    EXPECT_EQ(0u, boxes.Count());
}

INSTANTIATE_TEST_SUITE_P(Replies, BalanceQuery, ::testing::ValuesIn(kBalanceCases),
                         [](const ::testing::TestParamInfo<BalanceCase>& info) {
                             std::string name = info.param.name;
                             for (char& ch : name)
                                 if (ch == ' ')
                                     ch = '_';
                             return name;
                         });

TEST_F(TradePanel, StartStopAndResetOnTheButtons)
{
    CAutoAgent* auto_ = CRcmdCoinManager::GetAutoAgent();
    auto_->ResetAutoAmountType();
    CView1000* v = OpenView();
    ASSERT_TRUE(v != NULL);
    CWnd* start = v->GetControl(1017);
    CWnd* reset = v->GetControl(1016);
    CSEdit* edit = dynamic_cast<CSEdit*>(v->GetControl(1006));
    ASSERT_TRUE(start != NULL && reset != NULL && edit != NULL);
    CMsgBoxRecorder boxes;

    // Reset while stopped: nothing, no box.
    Click(reset);
    EXPECT_EQ(0u, boxes.Count());
    // Start before any query.
    Click(start);
    ASSERT_EQ(1u, boxes.Count());
    EXPECT_EQ("매매 가능금액을 조회해 주세요", boxes.Last().text);
    EXPECT_EQ(0, auto_->GetAutoType());
    // Zero.
    edit->SetText("0");
    Click(start);
    EXPECT_EQ("매매 가능금액을 확인해 주세요", boxes.Last().text);
    EXPECT_EQ(0, auto_->GetAutoType());
    // A typed amount passes.
    edit->SetText("50000");
    Click(start);
    EXPECT_EQ("금액별 자동매매가 설정되었습니다.", boxes.Last().text);
    EXPECT_EQ(1, auto_->GetAutoType());
    EXPECT_STREQ("자동매매 실행중", (LPCSTR)Cell(v, 1015, 0, 0));
    EXPECT_EQ(CColorMap::GetColorInfo(102), CellPtr(v, 1015, 0, 0)->pForeColor);
    // Stop answered No: nothing changes.
    boxes.Clear();
    boxes.QueueAnswer(IDCANCEL);
    Click(start);
    ASSERT_EQ(1u, boxes.Count());
    EXPECT_EQ("금액별 자동주문을 정지 하시겠습니까?", boxes.Last().text);
    EXPECT_EQ(1, auto_->GetAutoType());
    // Stop answered Yes.
    boxes.QueueAnswer(IDOK);
    Click(start);
    EXPECT_EQ(0, auto_->GetAutoType());
    EXPECT_STREQ("자동매매 실행 중지중", (LPCSTR)Cell(v, 1015, 0, 0));
    EXPECT_EQ(CColorMap::GetColorInfo(817), CellPtr(v, 1015, 0, 0)->pForeColor);
    // Start again, then reset.
    Click(start);
    EXPECT_EQ(1, auto_->GetAutoType());
    boxes.QueueAnswer(IDOK);
    Click(reset);
    EXPECT_EQ("모든 금액별 자동주문이 리셋됩니다.\n계속 진행하시겠습니까?", boxes.Last().text);
    EXPECT_EQ(0, auto_->GetAutoType());
    EXPECT_EQ(0, auto_->GetAmountTypeMoney());
    EXPECT_STREQ("자동매매 실행 중지중", (LPCSTR)Cell(v, 1015, 0, 0));
}

// The ids of the view's other shown children that overlap a child of it.
std::vector<int> Overlapping(CWnd* view, CWnd* child)
{
    std::vector<int> ids;
    CRect mine;
    child->GetWindowRect(&mine);
    for (CWnd* w = view->GetWindow(GW_CHILD); w != NULL; w = w->GetWindow(GW_HWNDNEXT)) {
        if (w->m_hWnd == child->m_hWnd || !(w->GetStyle() & WS_VISIBLE))
            continue;
        CRect other, both;
        w->GetWindowRect(&other);
        if (both.IntersectRect(&mine, &other))
            ids.push_back(w->GetDlgCtrlID());
    }
    return ids;
}

TEST_F(TradePanel, StartPutsItsMessageOnTheMessageLineInSight)
{
    CAutoAgent* auto_ = CRcmdCoinManager::GetAutoAgent();
    auto_->ResetAutoAmountType();
    CView1000* v = OpenView();
    ASSERT_TRUE(v != NULL);
    CMsgCtrl* line = v->GetMsgCtrl();
    ASSERT_TRUE(line != NULL && line->GetSafeHwnd() != NULL);
    // The line lies inside the view, and nothing of the view stands over it.
    CRect client, shown, both;
    v->GetClientRect(&client);
    line->GetWindowRect(&shown);
    v->ScreenToClient(&shown);
    EXPECT_TRUE(both.IntersectRect(&client, &shown) && both == shown)
        << "line " << shown.left << "," << shown.top << "," << shown.right << "," << shown.bottom << " client "
        << client.right << "x" << client.bottom;
    EXPECT_EQ(std::vector<int>(), Overlapping(v, line));

    dynamic_cast<CSEdit*>(v->GetControl(1006))->SetText("50000");
    CMsgBoxRecorder boxes;
    Click(v->GetControl(1017));
    ASSERT_EQ(1, auto_->GetAutoType());
    // "[hh:mm:ss] " and the message.
    const CString text = line->GetMessage();
    EXPECT_EQ(11, text.Find("금액별 자동매매가 설정되었습니다.")) << (LPCSTR)text;
    EXPECT_EQ(0, text.Find('[')) << (LPCSTR)text;

    // A picture for the eye in Temp\ of the test tree.
    v->SetWindowPos(&CWnd::wndTopMost, 0, 0, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    v->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    SavePng(std::string(GetBinDir()) + "..\\Temp\\trade1000_started.png", ShootWindow(v->m_hWnd));
}

TEST_F(TradePanel, CoinBasedTradingLeavesTheButtonsIdle)
{
    CAutoAgent* auto_ = CRcmdCoinManager::GetAutoAgent();
    auto_->ResetAutoAmountType();
    CView1000* v = OpenView();
    ASSERT_TRUE(v != NULL);
    CSEdit* edit = dynamic_cast<CSEdit*>(v->GetControl(1006));
    edit->SetText("50000");
    // Coin-based trading runs.
    ASSERT_EQ(1, auto_->SetAutoCoinType("BTC", 1000));
    ASSERT_EQ(2, auto_->GetAutoType());
    CMsgBoxRecorder boxes;
    Click(v->GetControl(1017));
    Click(v->GetControl(1016));
    EXPECT_EQ(0u, boxes.Count());
    EXPECT_EQ(2, auto_->GetAutoType());
    EXPECT_STREQ("자동매매 실행 중지중", (LPCSTR)Cell(v, 1015, 0, 0));
    auto_->ResetAllCoinType();
}

} // namespace
