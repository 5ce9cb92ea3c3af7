// The score rules of screen 3000 (the reply's records, an out-of-range score), the score gauge's
// geometry and pixels, and a rank card in a small host window.
#include <gtest/gtest.h>

#include <objbase.h>

#include <string>

#include "ColorMap.h"
#include "InstallFolders.h"
#include "RankingChart.h"
#include "ResourceMap.h"
#include "SStatic.h"
#include "SharedKit.h"
#include "SignalScores.h"
#include "VastrinChart.h"
#include "canvas.h"

namespace {

// One reply record as the server writes it: code blank-filled to 24, three five-character scores.
std::string Record(const char* code, const char* trend, const char* supply, const char* chart)
{
    std::string r(code);
    r.resize(24, ' ');
    return r + trend + supply + chart;
}

std::string Numbered(int count)
{
    std::string body;
    char score[3][8];
    for (int k = 0; k < count; ++k) {
        snprintf(score[0], sizeof score[0], "%05d", k + 1);
        snprintf(score[1], sizeof score[1], "%05d", k + 21);
        snprintf(score[2], sizeof score[2], "%05d", k + 41);
        body += Record("BTC", score[0], score[1], score[2]);
    }
    return body;
}

struct LengthCase
{
    int bytes;
    int records;
};

class ReplyLength : public ::testing::TestWithParam<LengthCase>
{
};

TEST_P(ReplyLength, GivesWholeRecordsUpToTwelve)
{
    const std::string body = Numbered(15) + std::string(38, '9');
    SIGNAL_SCORE_RECORD out[SIGNAL_MAX_RECORDS];
    ASSERT_EQ(GetParam().records, ReadSignalScores(body.data(), GetParam().bytes, out));
    for (int k = 0; k < GetParam().records; ++k) {
        EXPECT_EQ(k + 1, out[k].trend) << k;
        EXPECT_EQ(k + 21, out[k].supply) << k;
        EXPECT_EQ(k + 41, out[k].chart) << k;
    }
}

INSTANTIATE_TEST_SUITE_P(Lengths, ReplyLength,
                         ::testing::Values(LengthCase{0, 0}, LengthCase{38, 0}, LengthCase{39, 1}, LengthCase{77, 1},
                                           LengthCase{78, 2}, LengthCase{5 * 39, 5}, LengthCase{12 * 39, 12},
                                           LengthCase{15 * 39, 12}, LengthCase{15 * 39 + 38, 12}));

TEST(ReplyRecords, EachFieldIsReadWithinItsFiveCharacters)
{
    struct
    {
        const char* trend;
        const char* supply;
        const char* chart;
        int t, s, c;
    } const cases[] = {
        {"00095", "00090", "00085", 95, 90, 85},   // digits run on into the next field
        {"  12 ", "7    ", "00100", 12, 7, 100},
        {"-0005", "00150", "abcde", -5, 150, 0},  // raw values: the shown rule comes later
        {"99999", "00000", "+0042", 99999, 0, 42},
    };
    for (const auto& c : cases) {
        const std::string body = Record(" eth ", c.trend, c.supply, c.chart);
        SIGNAL_SCORE_RECORD out[SIGNAL_MAX_RECORDS];
        ASSERT_EQ(1, ReadSignalScores(body.data(), static_cast<int>(body.size()), out));
        EXPECT_STREQ("eth", (LPCSTR)out[0].code);
        EXPECT_EQ(c.t, out[0].trend) << c.trend;
        EXPECT_EQ(c.s, out[0].supply) << c.supply;
        EXPECT_EQ(c.c, out[0].chart) << c.chart;
    }
    SIGNAL_SCORE_RECORD out[SIGNAL_MAX_RECORDS];
    EXPECT_EQ(0, ReadSignalScores(NULL, 39, out));
}

// An out-of-range score is no score: 0 in the bar, its text and every sum.
TEST(ScoreRule, OutOfRangeCountsAsZeroEverywhere)
{
    ASSERT_EQ(949u, ::GetACP());
    struct
    {
        int supply, trend, chart;
        const char* supplyText;
        int total;
        const char* totalText;
    } const cases[] = {
        {0, 0, 0, "0점", 0, "0/300점"},
        {50, 60, 70, "50점", 180, "180/300점"},
        {100, 100, 100, "100점", 300, "300/300점"},
        {101, 100, 100, "0점", 200, "200/300점"},
        {150, 50, -5, "0점", 50, "50/300점"},
        {-1, 99999, 100, "0점", 100, "100/300점"},
    };
    for (const auto& c : cases) {
        EXPECT_STREQ(c.supplyText, (LPCSTR)SignalScoreText(c.supply)) << c.supply;
        EXPECT_EQ(c.total, SignalScoreTotal(c.supply, c.trend, c.chart)) << c.supply;
        EXPECT_STREQ(c.totalText, (LPCSTR)SignalTotalText(c.supply, c.trend, c.chart)) << c.supply;
    }
}

// The gauge of a card: 384 x 147.
const int kGaugeW = 384;
const int kGaugeH = 147;

TEST(GaugeLayout, PlacesPlotScaleAndBarsOfTheCardsGauge)
{
    const int scores[3] = {0, 50, 100};
    const VASTRIN_LAYOUT l = VastrinLayout(kGaugeW, kGaugeH, scores);
    EXPECT_EQ(CRect(10, 5, 344, 117), l.plot);
    EXPECT_EQ(42, l.rowLines[0]);
    EXPECT_EQ(79, l.rowLines[1]);
    const int ticks[6] = {10, 76, 142, 208, 274, 344};
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(ticks[k], l.ticks[k]) << k;
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(ticks[k + 1], l.dotted[k]) << k;
    EXPECT_EQ(CRect(5, 126, 25, 136), l.scaleBoxes[0]);
    EXPECT_EQ(CRect(71, 126, 96, 136), l.scaleBoxes[1]);
    EXPECT_EQ(CRect(269, 126, 294, 136), l.scaleBoxes[4]);
    EXPECT_EQ(CRect(334, 126, 369, 136), l.scaleBoxes[5]);
    // Rows of 37, bars inset by 12 at top and bottom, 334 pixels for 100.
    EXPECT_EQ(CRect(10, 17, 10, 30), l.bars[0]);
    EXPECT_EQ(CRect(10, 54, 177, 67), l.bars[1]);
    EXPECT_EQ(CRect(10, 91, 344, 104), l.bars[2]);
    EXPECT_EQ(CRect(13, 17, 38, 32), l.valueBoxes[0]);
    EXPECT_EQ(CRect(180, 54, 205, 69), l.valueBoxes[1]);
    // A full bar's label moves inside the plot's right edge.
    EXPECT_EQ(CRect(314, 91, 344, 106), l.valueBoxes[2]);
}

TEST(GaugeLayout, BarWidthsAreCutTowardZero)
{
    struct
    {
        int width, score, right;
    } const cases[] = {{384, 1, 13}, {384, 33, 120}, {384, 99, 340}, {100, 50, 35}, {51, 100, 11}};
    for (const auto& c : cases) {
        const int scores[3] = {c.score, 0, 0};
        EXPECT_EQ(c.right, VastrinLayout(c.width, kGaugeH, scores).bars[0].right) << c.width << " " << c.score;
    }
}

TEST(RankCardLayout, PartsSitWhereTheCardDrawsThem)
{
    struct
    {
        int id, rank;
        CRect rect;
    } const cases[] = {
        {RANKCARD_BADGE, 1, CRect(9, 7, 55, 53)},       {RANKCARD_BADGE, 2, CRect(9, 7, 41, 39)},
        {RANKCARD_BADGE, 4, CRect(9, 7, 41, 39)},       {RANKCARD_DECORATION, 3, CRect(304, 18, 445, 53)},
        {RANKCARD_NAME, 1, CRect(108, 27, 270, 45)},    {RANKCARD_CAPTION_SUPPLY, 1, CRect(54, 68, 103, 85)},
        {RANKCARD_CAPTION_TREND, 1, CRect(54, 106, 103, 120)}, {RANKCARD_CAPTION_CHART, 1, CRect(54, 142, 103, 158)},
        {RANKCARD_TOTAL, 2, CRect(326, 30, 360, 50)},   {RANKCARD_GAUGE, 4, CRect(100, 53, 484, 200)},
        {208, 1, CRect(0, 0, 0, 0)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.rect, RankCardPartRect(c.id, c.rank)) << c.id << " rank " << c.rank;
}

class SignalWindows : public ::testing::Test
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
        ASSERT_TRUE(host.CreateEx(0, AfxRegisterWndClass(0), "host", WS_OVERLAPPEDWINDOW, CRect(0, 0, 700, 400), NULL,
                                  0));
    }
    void TearDown() override { host.DestroyWindow(); }

    // The window's rectangle in its parent's client coordinates.
    static CRect Placed(CWnd* wnd)
    {
        CRect rect;
        wnd->GetWindowRect(&rect);
        wnd->GetParent()->ScreenToClient(&rect);
        return rect;
    }
    // The bar i of a gauge painted at (dx, dy) of the canvas, along its middle line: solid in its
    // colour from the plot's left up to its end or to its label, whichever comes first, and no
    // pixel of its colour past its end. A full bar's label is written over the bar's end.
    static void ExpectBar(Canvas& canvas, const VASTRIN_LAYOUT& l, int i, int dx = 0, int dy = 0)
    {
        const CRect& bar = l.bars[i];
        const int y = (bar.top + bar.bottom) / 2 + dy;
        const int solidEnd = bar.right < l.valueBoxes[i].left ? bar.right : l.valueBoxes[i].left;
        const COLORREF colour = VASTRIN_BAR_COLORS[i];
        EXPECT_EQ(solidEnd - bar.left, canvas.Count(CRect(dx + bar.left, y, dx + solidEnd, y + 1), colour)) << i;
        EXPECT_EQ(0, canvas.Count(CRect(dx + bar.right, y, dx + kGaugeW, y + 1), colour)) << i;
        EXPECT_EQ(0, canvas.Count(CRect(dx, y, dx + bar.left, y + 1), colour)) << i;
    }
    // Pixels dark enough to be text (glyph shapes and smoothing left aside).
    static int Ink(Canvas& canvas, const CRect& area)
    {
        int n = 0;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x) {
                const COLORREF c = canvas.Pixel(x, y);
                n += GetRValue(c) < 128 && GetGValue(c) < 128 && GetBValue(c) < 128;
            }
        return n;
    }

    CWnd host;
};

struct GaugeCase
{
    int supply, trend, chart;
    int shown[3];
};

class GaugePixels : public SignalWindows, public ::testing::WithParamInterface<GaugeCase>
{
};

// Each bar is drawn c x score / 100 pixels long in its colour; an out-of-range score draws none.
TEST_P(GaugePixels, BarsAreAsLongAsTheShownScores)
{
    const GaugeCase& g = GetParam();
    CVastrinChart gauge;
    ASSERT_TRUE(gauge.Create(NULL, NULL, WS_CHILD | WS_VISIBLE, CRect(0, 0, kGaugeW, kGaugeH), &host, 207));
    gauge.SetScores(g.supply, g.trend, g.chart);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(g.shown[i], gauge.GetScore(i)) << i;

    Canvas canvas(kGaugeW, kGaugeH, RGB(1, 2, 3));
    CRect client;
    gauge.GetClientRect(&client);
    ASSERT_EQ(CRect(0, 0, kGaugeW, kGaugeH), client);
    gauge.Paint(canvas.DC(), client);
    const VASTRIN_LAYOUT l = VastrinLayout(kGaugeW, kGaugeH, g.shown);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(10 + (kGaugeW - 50) * g.shown[i] / 100, l.bars[i].right) << i;
        ExpectBar(canvas, l, i);
        // Its "%d점" label is written in black inside its box, never past the plot's right edge.
        EXPECT_GT(Ink(canvas, l.valueBoxes[i]), 0) << i;
        EXPECT_LE(l.valueBoxes[i].right, l.plot.right) << i;
    }
    // Ground, plot and the grid colour's outline; nothing left unpainted.
    EXPECT_EQ(0, canvas.Count(client, RGB(1, 2, 3)));
    EXPECT_EQ(VASTRIN_CLR_BACK, canvas.Pixel(kGaugeW - 5, 2));
    EXPECT_EQ(VASTRIN_CLR_GRID, canvas.Pixel(l.plot.right, l.plot.top + 3));
    EXPECT_EQ(VASTRIN_CLR_GRID, canvas.Pixel(l.plot.left + 3, l.rowLines[0]));
    EXPECT_EQ(VASTRIN_CLR_GRID, canvas.Pixel(l.ticks[5], l.plot.bottom + 6));
    EXPECT_EQ(VASTRIN_CLR_BACK, canvas.Pixel(l.ticks[5], l.plot.bottom + 7));
    EXPECT_EQ(VASTRIN_CLR_PLOT, canvas.Pixel(l.plot.right - 3, l.rowLines[0] + 3));
    // The scale numbers: something black under the plot at 0 and at 100.
    EXPECT_GT(Ink(canvas, l.scaleBoxes[0]), 0);
    EXPECT_GT(Ink(canvas, l.scaleBoxes[5]), 0);
    gauge.DestroyWindow();
}

INSTANTIATE_TEST_SUITE_P(Scores, GaugePixels,
                         ::testing::Values(GaugeCase{0, 0, 0, {0, 0, 0}}, GaugeCase{50, 50, 50, {50, 50, 50}},
                                           GaugeCase{100, 100, 100, {100, 100, 100}},
                                           GaugeCase{150, -5, 100, {0, 0, 100}},
                                           GaugeCase{101, 50, -1, {0, 50, 0}}));

TEST_F(SignalWindows, CardMakesItsPartsAndShowsTheTotalOfTheShownScores)
{
    CRankingChart card(1);
    ASSERT_TRUE(card.Create(NULL, NULL, WS_CHILD | WS_VISIBLE, CRect(5, 5, 495, 212), &host, 2001));
    for (int id = RANKCARD_BADGE; id <= RANKCARD_GAUGE; ++id) {
        CWnd* part = card.GetDlgItem(id);
        ASSERT_TRUE(part != NULL) << id;
        EXPECT_TRUE(part->GetStyle() & WS_VISIBLE) << id;
        EXPECT_EQ(RankCardPartRect(id, 1), Placed(part)) << id;
    }
    CString initial;
    card.GetLabel(RANKCARD_TOTAL)->GetWindowText(initial);
    EXPECT_STREQ("0", (LPCSTR)initial);
    EXPECT_EQ(RANKCARD_CLR_TOTAL, card.GetLabel(RANKCARD_TOTAL)->GetTextColor());
    CString caption;
    card.GetDlgItem(RANKCARD_CAPTION_TREND)->GetWindowText(caption);
    EXPECT_STREQ("추세분석", (LPCSTR)caption);

    struct
    {
        int supply, trend, chart;
        const char* total;
        int shown[3];
    } const cases[] = {
        {30, 20, 10, "60", {30, 20, 10}},
        {100, 100, 100, "300", {100, 100, 100}},
        {150, 50, -5, "50", {0, 50, 0}},
    };
    for (const auto& c : cases) {
        card.SetData("비트코인(BTC)", c.supply, c.trend, c.chart);
        CString text;
        card.GetLabel(RANKCARD_NAME)->GetWindowText(text);
        EXPECT_STREQ("비트코인(BTC)", (LPCSTR)text);
        card.GetLabel(RANKCARD_TOTAL)->GetWindowText(text);
        EXPECT_STREQ(c.total, (LPCSTR)text) << c.supply;
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(c.shown[i], card.GetGauge().GetScore(i)) << c.supply << " bar " << i;
    }

    // Destruction takes the parts with it.
    HWND gauge = card.GetGauge().GetSafeHwnd();
    card.DestroyWindow();
    EXPECT_FALSE(::IsWindow(gauge));
    for (int id = RANKCARD_BADGE; id < RANKCARD_GAUGE; ++id)
        EXPECT_TRUE(card.GetLabel(id) == NULL) << id;
}

// The card as the user sees it: its ground, the gauge at its place with the bars of the shown
// scores, the badge's picture; painted into memory, part by part at the parts' own places.
TEST_F(SignalWindows, CardPaintsGroundGaugeAndBadge)
{
    CRankingChart card(2);
    ASSERT_TRUE(card.Create(NULL, NULL, WS_CHILD | WS_VISIBLE, CRect(5, 5, 495, 212), &host, 2002));
    card.SetData("이더리움(ETH)", 50, 120, 100);
    CRect client;
    card.GetClientRect(&client);
    Canvas canvas(client.Width(), client.Height(), RGB(1, 2, 3));
    card.Paint(canvas.DC(), client);
    const CRect gaugeRect = RankCardPartRect(RANKCARD_GAUGE, 2);
    const int saved = canvas.DC()->SaveDC();
    canvas.DC()->SetViewportOrg(gaugeRect.left, gaugeRect.top);
    card.GetGauge().Paint(canvas.DC(), CRect(0, 0, gaugeRect.Width(), gaugeRect.Height()));
    canvas.DC()->RestoreDC(saved);
    const CRect badgeRect = RankCardPartRect(RANKCARD_BADGE, 2);
    canvas.DC()->SetViewportOrg(badgeRect.left, badgeRect.top);
    card.GetLabel(RANKCARD_BADGE)->Paint(canvas.DC());
    canvas.DC()->SetViewportOrg(0, 0);

    EXPECT_EQ(0, canvas.Count(client, RGB(1, 2, 3)));
    const COLORREF ground = CColorMap::GetColor(RANKCARD_CLR_GROUND);
    EXPECT_EQ(ground, canvas.Pixel(client.right - 1, client.bottom - 1));
    EXPECT_EQ(ground, canvas.Pixel(60, 10));
    const int shown[3] = {50, 0, 100};
    const VASTRIN_LAYOUT l = VastrinLayout(gaugeRect.Width(), gaugeRect.Height(), shown);
    for (int i = 0; i < 3; ++i)
        ExpectBar(canvas, l, i, gaugeRect.left, gaugeRect.top);
    EXPECT_EQ(10 + 167, l.bars[0].right);
    // The badge covers its place: none of the card's ground shows through its middle.
    EXPECT_NE(ground, canvas.Pixel(badgeRect.CenterPoint().x, badgeRect.CenterPoint().y));
    card.DestroyWindow();
}

// A picture is drawn stretched to its place: each bitmap has the size of the place it fills.
TEST_F(SignalWindows, PicturesHaveTheSizesOfTheirPlaces)
{
    struct
    {
        WORD first, last;
        CSize size;
    } const cases[] = {{817, 817, CSize(46, 46)}, {818, 820, CSize(32, 32)}, {821, 828, CSize(19, 19)},
                       {829, 829, CSize(141, 35)}, {830, 830, CSize(11, 11)}};
    for (const auto& c : cases)
        for (WORD id = c.first; id <= c.last; ++id) {
            CBitmap* bitmap = CResourceMap::GetBitmap(id);
            ASSERT_TRUE(bitmap != NULL) << id;
            BITMAP info = {};
            ASSERT_TRUE(bitmap->GetBitmap(&info)) << id;
            EXPECT_EQ(c.size, CSize(info.bmWidth, info.bmHeight)) << id;
        }
    EXPECT_EQ(RankCardPartRect(RANKCARD_BADGE, 1).Size(), CSize(46, 46));
    EXPECT_EQ(RankCardPartRect(RANKCARD_DECORATION, 1).Size(), CSize(141, 35));
}

} // namespace
