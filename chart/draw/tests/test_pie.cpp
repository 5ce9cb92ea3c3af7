// Pies: slice end points and colours, the legend's place, and the deep pie's side faces and
// its edge-on tilt.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "../../series/tests/picture.h"
#include "../pie_geometry.h"
#include "draw_fixture.h"

namespace
{

const COLORREF WHITE = RGB(255, 255, 255);

TEST(PieGeometry, QuarterQuarterHalfStartsAtTheTopAndTurnsCounterClockwise)
{
    const int shares[] = {2500, 2500, 5000};
    std::vector<PieSlice> slices = PieSlices(shares, 3, 100, 100, 100, 1.0);
    ASSERT_EQ(3u, slices.size());
    struct Expected
    {
        int start, end, fromX, fromY, toX, toY;
    } expected[] = {{2500, 5000, 100, 50, 50, 100}, {5000, 7500, 50, 100, 100, 150}, {7500, 12500, 100, 150, 100, 50}};
    for (int i = 0; i < 3; ++i)
    {
        EXPECT_EQ(expected[i].start, slices[i].start) << i;
        EXPECT_EQ(expected[i].end, slices[i].end) << i;
        EXPECT_EQ(expected[i].fromX, slices[i].from.x) << i;
        EXPECT_EQ(expected[i].fromY, slices[i].from.y) << i;
        EXPECT_EQ(expected[i].toX, slices[i].to.x) << i;
        EXPECT_EQ(expected[i].toY, slices[i].to.y) << i;
    }
}

TEST(PieGeometry, AShareOfZeroHasNoSlice)
{
    const int shares[] = {2500, 0, 7500};
    std::vector<PieSlice> slices = PieSlices(shares, 3, 100, 100, 100, 1.0);
    ASSERT_EQ(2u, slices.size());
    EXPECT_EQ(0, slices[0].index);
    EXPECT_EQ(2, slices[1].index);
}

struct Pie : DrawFixture
{
    // Shares, an unused series, the colour numbers.
    Pie(std::vector<int> shares, std::vector<int> colours)
        : DrawFixture(DRAWKIND_PIE, {shares, std::vector<int>(shares.size(), 0), colours}, 1)
    {
    }
};

TEST(PieDrawing, SlicesFillTheirQuartersInTableColours)
{
    Pie pie({2500, 2500, 5000}, {0, 2, 31});
    Picture picture(200, 200, WHITE);
    EXPECT_EQ(1, pie.object.CPie::Draw(CRect(0, 0, 200, 200), &picture.dc()));
    // Diameter 3/4 of 200 = 150 about (100, 100).
    EXPECT_EQ(COLORREF(0xFF9A9C), picture.At(70, 70));
    EXPECT_EQ(COLORREF(0xCEFFFF), picture.At(70, 130));
    EXPECT_EQ(COLORREF(0x63309C), picture.At(150, 100)); // colour number 31 is table colour 1
    EXPECT_EQ(WHITE, picture.At(10, 100));
    EXPECT_EQ(PieSliceColor(1), PieSliceColor(31));
}

TEST(PieDrawing, NothingWithARingFactorBelowOneOrWithoutData)
{
    Pie pie({10000}, {0});
    pie.object.m_nRing = 0;
    Picture picture(200, 200, WHITE);
    EXPECT_EQ(0, pie.object.CPie::Draw(CRect(0, 0, 200, 200), &picture.dc()));
    pie.object.m_nRing = 1; // a diameter of 0
    EXPECT_EQ(0, pie.object.CPie::Draw(CRect(0, 0, 200, 200), &picture.dc()));
    EXPECT_EQ(WHITE, picture.At(100, 100));
}

TEST(PieLegend, PositionFourStandsRightAndCentredAndMovesThePieLeft)
{
    Pie pie({10000}, {3});
    pie.object.m_arLegend.Add("A");
    pie.object.m_arLegend.Add("BB");
    pie.object.m_arLegend.Add("CCC");
    pie.object.m_nLegendPos = 4;
    const COLORREF pen = RGB(0, 128, 0);
    pie.object.m_clrLegendPen = pen;
    Picture picture(400, 200, WHITE);
    const CRect area(0, 0, 400, 200);
    int width = 0, height = 0;
    for (LPCSTR text : {"A", "BB", "CCC"})
    {
        CSize size = picture.dc().GetTextExtent(text, int(strlen(text)));
        width = std::max(width, int(size.cx));
        height = std::max(height, int(size.cy));
    }
    pie.object.CPie::Draw(area, &picture.dc());
    const int legend = width + 30;
    // Frame from x - 21 to x + width + 5 with x = right - width - 10; rows centred.
    const int first = std::max((200 - (height + 3) * 3 + 3) / 2, 10);
    EXPECT_EQ(pen, picture.At(394, first - 5));
    EXPECT_EQ(WHITE, picture.At(394, first - 7));
    EXPECT_EQ(pen, picture.At(400 - width - 31, 100));
    // The pie (diameter 150) centres on (400 - legend) / 2.
    const int cx = (400 - legend) / 2;
    const COLORREF slice = PieSliceColor(3);
    EXPECT_EQ(slice, picture.At(cx - 70, 100));
    EXPECT_EQ(slice, picture.At(cx + 70, 100));
    EXPECT_EQ(WHITE, picture.At(cx + 80, 100));
    // The first row's colour square: 10 x 10 at (x - 15, row + (h - 10) / 2).
    EXPECT_EQ(slice, picture.At(400 - width - 10 - 10, first + (height - 10) / 2 + 5));
}

TEST(PieLabels, ALeaderLineRunsOutFromTheRimThenALegAwayFromTheCentre)
{
    // Shares, an unused series, colour numbers and label positions (0: the top).
    DrawFixture pie(DRAWKIND_PIE, {{10000}, {0}, {4}, {0}}, 1);
    pie.object.m_nLabels = 1;
    pie.object.m_arLabels.Add("");
    const COLORREF pen = RGB(0, 128, 0);
    pie.object.m_clrLegendPen = pen;
    Picture picture(200, 200, WHITE);
    pie.object.CPie::Draw(CRect(0, 0, 200, 200), &picture.dc());
    // Radius 75 about (100, 100): the leader from radius 65 to 85 straight up, the leg to the
    // right of it.
    EXPECT_EQ(pen, picture.At(100, 20));
    EXPECT_EQ(pen, picture.At(105, 15));
    EXPECT_EQ(WHITE, picture.At(95, 15));
    EXPECT_EQ(1, pie.object.m_nLabelCount);
}

TEST(DeepPie, SideFacesShowBelowTheTopFace)
{
    Pie pie({10000}, {0});
    pie.object.m_nDeep = 1;
    pie.object.m_nTilt = 60;
    pie.object.m_nDepth = 20;
    Picture picture(200, 200, WHITE);
    EXPECT_EQ(1, pie.object.CPie::Draw(CRect(0, 0, 200, 200), &picture.dc()));
    // d = 150, the top face from row 73 to 148 about row 110; its side reaches 20 rows lower.
    // (Column 100 holds the slice's edge from the centre to the top.)
    EXPECT_EQ(PieSliceColor(0), picture.At(110, 110));
    EXPECT_EQ(PieSideColor(0), picture.At(110, 158));
    EXPECT_EQ(WHITE, picture.At(110, 172));
}

TEST(DeepPie, SeenEdgeOnItDrawsNoPie)
{
    Pie pie({10000}, {0});
    pie.object.m_nDeep = 1;
    pie.object.m_nTilt = 90;
    Picture picture(200, 200, WHITE);
    EXPECT_EQ(0, pie.object.CPie::Draw(CRect(0, 0, 200, 200), &picture.dc()));
    for (int y = 0; y < 200; y += 5)
        ASSERT_EQ(WHITE, picture.At(100, y)) << y;
}

} // namespace
