// SignalPanel.dll through its export, in a small host window, with the transaction agent linked
// to the server peer: the score query sent at start-up, the reply's records in the rank cards
// and the ranking grid, replies too short or too long, and scores out of range.
#include "AgentFixture.h"

#include <objbase.h>

#include <cstdio>
#include <string>
#include <vector>

#include "ColorMap.h"
#include "GridTable.h"
#include "InstallFolders.h"
#include "RankingChart.h"
#include "RcmdCoinManager.h"
#include "ResourceMap.h"
#include "SStatic.h"
#include "SharedKit.h"
#include "View3000.h"
#include "msgbox_recorder.h"

using namespace link_test;

namespace {

typedef CBaseView*(__cdecl* CreateScreenFn)(CWnd*, const char*);

const char* const kCoins[] = {"BTC", "BCH", "BTG", "ETH", "ETC", "XRP", "LTC", "DASH", "XMR", "ZEC", "QTUM", "EOS",
                              "BTC", "ETH", "XRP"};

struct Scores
{
    std::string code;
    int trend, supply, chart;
};

// Record k: trend k + 1, supply k + 31, chart k + 61, so a score in the wrong place shows.
std::vector<Scores> Numbered(int count)
{
    std::vector<Scores> rows;
    for (int k = 0; k < count; ++k)
        rows.push_back({kCoins[k], k + 1, k + 31, k + 61});
    return rows;
}

std::string Body(const std::vector<Scores>& rows)
{
    std::string body;
    for (const Scores& r : rows) {
        std::string code = r.code;
        code.resize(24, ' ');
        char scores[32];
        snprintf(scores, sizeof scores, "%05d%05d%05d", r.trend, r.supply, r.chart);
        body += code + scores;
    }
    return body;
}

std::string Text(CWnd* wnd)
{
    CString text;
    if (wnd != NULL)
        wnd->GetWindowText(text);
    return (LPCSTR)text;
}

// True when `wnd` lies above `other` among their siblings: it is drawn over it.
bool IsAbove(CWnd* wnd, CWnd* other)
{
    for (HWND below = ::GetWindow(wnd->GetSafeHwnd(), GW_HWNDNEXT); below != NULL; below = ::GetWindow(below, GW_HWNDNEXT))
        if (below == other->GetSafeHwnd())
            return true;
    return false;
}

std::string Format(const char* format, int value)
{
    char text[32];
    snprintf(text, sizeof text, format, value);
    return text;
}

class SignalPanel : public AgentTest
{
protected:
    static void SetUpTestSuite()
    {
        AgentTest::SetUpTestSuite();
        ::CoInitialize(NULL);
        GetColorMap()->Load(CString(GetSystemDir()) + "colormap.xml", "default");
        GetResourceMap()->Load(CString(GetSystemDir()) + "ResourceMap.xml", "default");
    }
    static void TearDownTestSuite()
    {
        GetColorMap()->Release();
        GetResourceMap()->Release();
        ::CoUninitialize();
        AgentTest::TearDownTestSuite();
    }
    void SetUp() override
    {
        AgentTest::SetUp();
        ASSERT_EQ(949u, ::GetACP());
        ASSERT_TRUE(frame.CreateEx(0, AfxRegisterWndClass(0), "host", WS_OVERLAPPEDWINDOW, CRect(0, 0, 1100, 800),
                                   NULL, 0));
        module = ::LoadLibraryA("SignalPanel.dll");
        ASSERT_TRUE(module != NULL);
        create = reinterpret_cast<CreateScreenFn>(::GetProcAddress(module, "CreateScreen"));
        ASSERT_TRUE(create != NULL) << "CreateScreen is not exported by that name";
    }
    void TearDown() override
    {
        CloseView();
        frame.DestroyWindow();
        if (module != NULL)
            ::FreeLibrary(module);
        AgentTest::TearDown();
    }

    // The reply the peer gives to the next 1301.
    void Reply(const std::string& body)
    {
        s_peer->Must("{\"cmd\":\"set_reply\",\"tr\":1301,\"body_hex\":\"" + Hex(body) + "\"}");
    }
    // Opens the screen and waits until its query has been answered and the answer handled: the
    // agent's own query after it is answered later on the same connection.
    CView3000* OpenView()
    {
        view = create(&frame, "3000");
        CView3000* v = dynamic_cast<CView3000*>(view);
        if (v != NULL && v->GetRankImage(0) != NULL) {
            EXPECT_TRUE(s_peer->Must("{\"cmd\":\"wait\",\"kind\":\"query\",\"code\":1301}")["ok"].asBool());
            Settle();
        }
        return v;
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
    static CGridTable* Ranking(CView3000* v) { return dynamic_cast<CGridTable*>(v->GetControl(1002)); }
    static std::string Cell(CView3000* v, UINT col, UINT row)
    {
        CGridTable* grid = Ranking(v);
        return grid != NULL ? (LPCSTR)grid->GetCellText(col, row) : "<no grid>";
    }

    // Card k shows record r: its name, the total and the gauge's bars (supply, trend, chart).
    static void ExpectCard(CView3000* v, int k, const Scores& r)
    {
        CRankingChart* card = v->GetCard(k);
        ASSERT_TRUE(card != NULL) << k;
        EXPECT_EQ(std::string((LPCSTR)CRcmdCoinManager::GetCoinName(r.code.c_str())), Text(card->GetLabel(RANKCARD_NAME)))
            << "card " << k;
        EXPECT_EQ(std::to_string(r.supply + r.trend + r.chart), Text(card->GetLabel(RANKCARD_TOTAL))) << "card " << k;
        EXPECT_EQ(r.supply, card->GetGauge().GetScore(0)) << "card " << k;
        EXPECT_EQ(r.trend, card->GetGauge().GetScore(1)) << "card " << k;
        EXPECT_EQ(r.chart, card->GetGauge().GetScore(2)) << "card " << k;
    }
    static void ExpectEmptyCard(CView3000* v, int k)
    {
        ExpectCard(v, k, {"", 0, 0, 0});
        EXPECT_EQ("", Text(v->GetCard(k)->GetLabel(RANKCARD_NAME)));
    }
    // Ranking-grid row `row` shows record r: name, supply, trend, chart, sum.
    static void ExpectRow(CView3000* v, UINT row, const Scores& r)
    {
        EXPECT_EQ(std::string((LPCSTR)CRcmdCoinManager::GetCoinName(r.code.c_str())), Cell(v, 1, row)) << row;
        EXPECT_EQ(Format("%d점", r.supply), Cell(v, 2, row)) << row;
        EXPECT_EQ(Format("%d점", r.trend), Cell(v, 3, row)) << row;
        EXPECT_EQ(Format("%d점", r.chart), Cell(v, 4, row)) << row;
        EXPECT_EQ(Format("%d/300점", r.supply + r.trend + r.chart), Cell(v, 5, row)) << row;
    }
    static void ExpectEmptyRow(CView3000* v, UINT row)
    {
        for (UINT col = 1; col <= 5; ++col)
            EXPECT_EQ("", Cell(v, col, row)) << "row " << row << " col " << col;
    }

    CWnd frame;
    HMODULE module = NULL;
    CreateScreenFn create = NULL;
    CBaseView* view = NULL;
};

TEST_F(SignalPanel, StartUpSendsTheScoreQueryOnce)
{
    CMsgBoxRecorder boxes;
    CView3000* v = OpenView();
    ASSERT_TRUE(v != NULL);
    EXPECT_EQ(0u, boxes.Count());
    // Created hidden, without a message line.
    EXPECT_FALSE(v->IsWindowVisible());
    EXPECT_TRUE(v->GetMsgCtrl() == NULL);
    EXPECT_TRUE(v->GetStyle() & WS_CLIPCHILDREN);
    const Json::Value queries = s_peer->Records("query", 1301);
    ASSERT_EQ(1u, queries.size());
    EXPECT_EQ("I", queries[0]["type"].asString());
    EXPECT_EQ("20202020", queries[0]["body_hex"].asString());
    EXPECT_EQ(297 + 4, queries[0]["length"].asInt());
    EXPECT_EQ("main", queries[0]["listener"].asString());
    EXPECT_EQ(1, v->InitWindow());
    Settle();
    EXPECT_EQ(1u, s_peer->Records("query", 1301).size());
}

TEST_F(SignalPanel, RecordsFillTheCardsThenRowsOneToEight)
{
    const std::vector<Scores> rows = Numbered(12);
    Reply(Body(rows));
    CView3000* v = OpenView();
    ASSERT_TRUE(v != NULL);
    for (int k = 0; k < 4; ++k)
        ExpectCard(v, k, rows[k]);
    for (UINT row = 1; row <= 8; ++row)
        ExpectRow(v, row, rows[row + 3]);
    static const char* const kHeads[] = {"순위", "암호화폐명", "수급분석", "추세분석", "차트분석", "합계"};
    for (UINT col = 0; col < 6; ++col)
        EXPECT_EQ(kHeads[col], Cell(v, col, 0)) << col;
    // What the peer ships by default reaches the screen too.
    EXPECT_NE("", Text(v->GetCard(0)->GetLabel(RANKCARD_NAME)));
}

// The cards and every row of the ranking (ranks 5 to 12) lie within the view's client area.
TEST_F(SignalPanel, CardsAndRankingAreSeenWhole)
{
    CView3000* v = OpenView();
    ASSERT_TRUE(v != NULL);
    CRect client;
    v->GetClientRect(&client);
    for (WORD id : {1001, 1002}) {
        CGridTable* grid = dynamic_cast<CGridTable*>(v->GetControl(id));
        ASSERT_TRUE(grid != NULL) << id;
        CRect rect;
        grid->GetWindowRect(&rect);
        v->ScreenToClient(&rect);
        EXPECT_EQ(rect, rect & client) << "grid " << id << " reaches beyond the view";
        CRect inner;
        grid->GetClientRect(&inner);
        EXPECT_LE(grid->GetCellRect(0, grid->GetRowCount() - 1).bottom, inner.bottom)
            << "grid " << id << ": its last row is cut off (" << inner.Height() << " high)";
    }
}

TEST_F(SignalPanel, PeersDefaultScoresAreShown)
{
    CView3000* v = OpenView();
    ASSERT_TRUE(v != NULL);
    for (int k = 0; k < 4; ++k)
        EXPECT_NE("", Text(v->GetCard(k)->GetLabel(RANKCARD_NAME))) << k;
    for (UINT row = 1; row <= 8; ++row)
        EXPECT_NE("", Cell(v, 1, row)) << row;
}

struct ReplyShape
{
    const char* name;
    int records;
    int extraBytes; // a cut record after the whole ones
    int cards;      // cards filled
    int rows;       // ranking rows filled
};

class ReplyShapes : public SignalPanel, public ::testing::WithParamInterface<ReplyShape>
{
};

TEST_P(ReplyShapes, ShowWholeRecordsUpToTwelve)
{
    const ReplyShape& shape = GetParam();
    const std::vector<Scores> rows = Numbered(shape.records);
    Reply(Body(rows) + std::string(shape.extraBytes, '7'));
    CView3000* v = OpenView();
    ASSERT_TRUE(v != NULL);
    for (int k = 0; k < 4; ++k) {
        if (k < shape.cards)
            ExpectCard(v, k, rows[k]);
        else
            ExpectEmptyCard(v, k);
    }
    for (int row = 1; row <= 8; ++row) {
        if (row <= shape.rows)
            ExpectRow(v, row, rows[row + 3]);
        else
            ExpectEmptyRow(v, row);
    }
}

INSTANTIATE_TEST_SUITE_P(Replies, ReplyShapes,
                         ::testing::Values(ReplyShape{"empty", 0, 0, 0, 0}, ReplyShape{"short", 0, 38, 0, 0},
                                           ReplyShape{"two_and_a_cut_one", 2, 20, 2, 0},
                                           ReplyShape{"five", 5, 0, 4, 1}, ReplyShape{"fifteen", 15, 0, 4, 8},
                                           ReplyShape{"twelve_and_a_cut_one", 12, 38, 4, 8}),
                         [](const ::testing::TestParamInfo<ReplyShape>& info) { return std::string(info.param.name); });

// A score outside 0 to 100 counts as 0 in the bar, its text and the sums alike.
TEST_F(SignalPanel, OutOfRangeScoresShowAsZeroInCardsAndRows)
{
    std::vector<Scores> rows = Numbered(6);
    rows[0] = {"BTC", 150, -5, 40};
    rows[1] = {"ETH", 100, 100, 100};
    rows[4] = {"XRP", 101, 99999, 60};
    rows[5] = {"EOS", 100, 100, 100};
    Reply(Body(rows));
    CView3000* v = OpenView();
    ASSERT_TRUE(v != NULL);
    ExpectCard(v, 0, {"BTC", 0, 0, 40});
    ExpectCard(v, 1, rows[1]);
    ExpectRow(v, 1, {"XRP", 0, 0, 60});
    EXPECT_EQ("60/300점", Cell(v, 5, 1));
    EXPECT_EQ("300/300점", Cell(v, 5, 2));
}

TEST_F(SignalPanel, UnknownCoinShowsAnEmptyName)
{
    std::vector<Scores> rows = Numbered(5);
    rows[0].code = "ADA";
    rows[4].code = "  eth";
    Reply(Body(rows));
    CView3000* v = OpenView();
    ASSERT_TRUE(v != NULL);
    EXPECT_EQ("", Text(v->GetCard(0)->GetLabel(RANKCARD_NAME)));
    EXPECT_EQ("93", Text(v->GetCard(0)->GetLabel(RANKCARD_TOTAL)));
    EXPECT_EQ("이더리움(ETH)", Cell(v, 1, 1));
}

// Cards over the card grid's cells and above it; rank marks at the top-left of the ranking
// grid's first column, inside its cell; the description at its places. All go with the view.
TEST_F(SignalPanel, PartsArePlacedOnTheirCellsAndGoWithTheView)
{
    CView3000* v = OpenView();
    ASSERT_TRUE(v != NULL);
    CGridTable* cardGrid = dynamic_cast<CGridTable*>(v->GetControl(1001));
    ASSERT_TRUE(cardGrid != NULL);
    std::vector<HWND> parts;
    for (int k = 0; k < 4; ++k) {
        CRankingChart* card = v->GetCard(k);
        ASSERT_TRUE(card != NULL);
        EXPECT_EQ(k + 1, card->GetRank());
        EXPECT_EQ(VIEW3000_CARD_ID + k, card->GetDlgCtrlID());
        CRect cell = cardGrid->GetCellRect(k % 2, k / 2);
        cardGrid->MapWindowPoints(v, &cell);
        CRect placed;
        card->GetWindowRect(&placed);
        v->ScreenToClient(&placed);
        EXPECT_EQ(cell, placed) << k;
        EXPECT_EQ(207, cell.Height()) << k;
        // The grid clips the siblings above it: a card below it would not show.
        EXPECT_TRUE(IsAbove(card, cardGrid)) << k;
        parts.push_back(card->GetSafeHwnd());
    }
    CGridTable* ranking = Ranking(v);
    ASSERT_TRUE(ranking != NULL);
    for (int i = 0; i < 8; ++i) {
        CSStatic* image = v->GetRankImage(i);
        ASSERT_TRUE(image != NULL) << i;
        CRect cell = ranking->GetCellRect(0, i + 1);
        ranking->MapWindowPoints(v, &cell);
        EXPECT_EQ(25, cell.Height()) << i;
        CRect placed;
        image->GetWindowRect(&placed);
        v->ScreenToClient(&placed);
        EXPECT_EQ(CRect(cell.left + 9, cell.top + 3, cell.left + 28, cell.top + 22), placed) << i;
        EXPECT_EQ(VIEW3000_RANK_IMAGE_ID + i, image->GetDlgCtrlID());
        EXPECT_TRUE(IsAbove(image, ranking)) << i;
        parts.push_back(image->GetSafeHwnd());
    }
    struct
    {
        int index;
        CRect rect;
        const char* text;
    } const labels[] = {{0, CRect(586, 458, 648, 472), "Vastrin"},
                        {3, CRect(586, 542, 990, 543), ""},
                        {5, CRect(603, 562, 666, 575), "수급분석:"},
                        {12, CRect(667, 623, 990, 635), "수급, 추세, 차트를 분석하여 상승 확률을 평가한 점수"}};
    for (const auto& l : labels) {
        CSStatic* label = v->GetLabel(l.index);
        ASSERT_TRUE(label != NULL) << l.index;
        CRect placed;
        label->GetWindowRect(&placed);
        v->ScreenToClient(&placed);
        EXPECT_EQ(l.rect, placed) << l.index;
        EXPECT_EQ(l.text, Text(label)) << l.index;
    }
    // The description stands on the background grid, which goes to the bottom.
    CWnd* back = v->GetControl(1000);
    ASSERT_TRUE(back != NULL);
    EXPECT_TRUE(::GetWindow(back->GetSafeHwnd(), GW_HWNDNEXT) == NULL);
    for (int i = 0; i < VIEW3000_LABEL_COUNT; ++i) {
        EXPECT_TRUE(IsAbove(v->GetLabel(i), back)) << i;
        parts.push_back(v->GetLabel(i)->GetSafeHwnd());
    }
    CloseView();
    for (HWND part : parts)
        EXPECT_FALSE(::IsWindow(part));
}

// A whole repaint paints the background grid after the description above it: the grid does
// not clip the transparent labels out, so each label has to be drawn after it, or it is gone.
TEST_F(SignalPanel, DescriptionStaysOverTheBackgroundAfterAWholeRepaint)
{
    CView3000* v = OpenView();
    ASSERT_TRUE(v != NULL);
    v->SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    Settle();
    const COLORREF back = CColorMap::GetColor(901);
    for (int round = 0; round < 2; ++round) {
        v->RedrawWindow(NULL, NULL, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        HDC dc = ::GetDCEx(v->m_hWnd, NULL, DCX_CACHE);
        for (int i = 0; i < VIEW3000_LABEL_COUNT; ++i) {
            CSStatic* label = v->GetLabel(i);
            ASSERT_TRUE(label != NULL) << i;
            CRect r;
            label->GetWindowRect(&r);
            v->ScreenToClient(&r);
            // Text in its own colour; a bullet picture or the line in anything but the ground's.
            const bool text = !Text(label).empty();
            int shown = 0;
            for (int y = r.top; y < r.bottom; ++y)
                for (int x = r.left; x < r.right; ++x) {
                    const COLORREF c = ::GetPixel(dc, x, y);
                    shown += text ? c == label->GetTextColor() : c != back;
                }
            EXPECT_GT(shown, 0) << "label " << i << " is painted over, repaint " << round;
        }
        ::ReleaseDC(v->m_hWnd, dc);
    }
}

// Without its layout the view still opens, empty, having said so; it asks nothing.
TEST_F(SignalPanel, MissingLayoutOpensAnEmptyViewThatAsksNothing)
{
    const CString path = CView3000::LayoutPath();
    const CString aside = path + ".aside";
    ASSERT_TRUE(::MoveFileA(path, aside));
    CMsgBoxRecorder boxes;
    CView3000* v = dynamic_cast<CView3000*>(create(&frame, "3000"));
    view = v;
    ::MoveFileA(aside, path);
    ASSERT_TRUE(v != NULL);
    EXPECT_EQ(1u, boxes.Count());
    EXPECT_TRUE(v->GetCard(0) == NULL);
    EXPECT_TRUE(v->GetControl(1002) == NULL);
    Settle();
    EXPECT_EQ(0u, s_peer->Records("query", 1301).size());
}

} // namespace
