// Grouped bars: series side by side, overlapping in the alternative form, lying in the
// horizontal form (whose flat scale lays them flat), and symbols at every value.
#include <gtest/gtest.h>

#include <vector>

#include "../../series/tests/picture.h"
#include "draw_fixture.h"

namespace
{

const COLORREF WHITE = RGB(255, 255, 255);
const COLORREF FIRST = RGB(200, 0, 0);
const COLORREF SECOND = RGB(0, 0, 200);
const CRect AREA(0, 0, 200, 100);

struct Grouped : DrawFixture
{
    Grouped(std::initializer_list<std::vector<int>> series, float step, int minimum = 0, int maximum = 100)
        : DrawFixture(DRAWKIND_BAR2, series, step, 1.0f, minimum)
    {
        object.SetMaximum(maximum);
        object.m_nSeries = int(series.size());
        object.m_clrSeries[0] = CCtlColor::Rgb(FIRST);
        object.m_clrSeries[1] = CCtlColor::Rgb(SECOND);
    }
};

TEST(GroupedBars, TwoSeriesStandSideBySideInTheirSlot)
{
    // 40-pixel slots, q = 3, margin trunc(40 / 3 * 0.5) = 6: series 0 at 6..19, series 1 at
    // 19..32 (x1 = trunc(40 / 3 + 0.5) + 6).
    Grouped bars({{60}, {30}}, 40);
    Picture picture(200, 100, WHITE);
    bars.object.Draw(AREA, &picture.dc(), FALSE);
    EXPECT_EQ(WHITE, picture.At(5, 90));
    EXPECT_EQ(FIRST, picture.At(7, 50));
    EXPECT_EQ(WHITE, picture.At(7, 39));
    EXPECT_EQ(SECOND, picture.At(25, 80));
    EXPECT_EQ(WHITE, picture.At(25, 60));
}

TEST(GroupedBars, TheAlternativeFormDrawsTheFarthestBarFirst)
{
    Grouped bars({{30}, {60}}, 40);
    bars.object.m_nAltForm = 1;
    Picture picture(200, 100, WHITE);
    bars.object.Draw(AREA, &picture.dc(), FALSE);
    // 60 is drawn first, 30 over it: the lower part shows the first series.
    EXPECT_EQ(SECOND, picture.At(20, 50));
    EXPECT_EQ(FIRST, picture.At(20, 80));
}

TEST(GroupedBars, TheHorizontalFormOnAFlatScaleLaysEveryBarFlat)
{
    Grouped bars({{40, 40}}, 40, 40, 40);
    Picture picture(200, 100, WHITE);
    bars.object.Draw(CRect(20, 0, 200, 100), &picture.dc(), TRUE);
    for (int x = 20; x < 200; x += 7)
        ASSERT_NE(FIRST, picture.At(x, 75)) << x;

    // With a scale the lying bars reach their value: 0..100 over 180 pixels, 40 -> x 92.
    Grouped scaled({{40, 40}}, 40, 0, 100);
    Picture drawn(220, 100, WHITE);
    scaled.object.Draw(CRect(20, 0, 200, 100), &drawn.dc(), TRUE);
    EXPECT_EQ(FIRST, drawn.At(90, 75));
    EXPECT_EQ(WHITE, drawn.At(95, 75));
}

TEST(Symbols, AShapeAtEveryValueFromTheLeftEdge)
{
    DrawFixture f(DRAWKIND_SYMBOL, {{80, EMPTY, 20}}, 20);
    f.object.m_clrSymbol = FIRST;
    f.object.CSymbol::m_nStyle = 5; // shape 6: filled square
    f.object.SetFirstVisible(2);    // the window does not apply
    Picture picture(200, 100, WHITE);
    f.object.Draw(AREA, &picture.dc(), FALSE);
    EXPECT_EQ(FIRST, picture.At(10, 80)); // oldest, 20, at slot 0
    EXPECT_EQ(WHITE, picture.At(30, 50)); // empty
    EXPECT_EQ(FIRST, picture.At(50, 20)); // newest, 80, at slot 2
    EXPECT_EQ(0, f.object.HitTest(AREA, 10, 80, FALSE));
}

} // namespace
