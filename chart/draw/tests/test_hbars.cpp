// Horizontal bars: placement by level and amount, colours against the reference value, flat
// scales and squeezed bands, the linked object drawn over them, selection in XOR.
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

// Levels and amounts on a scale of 0..100 over 100 rows: level v stands at row 100 - v.
struct HBars : DrawFixture
{
    HBars(std::vector<int> levels, std::vector<int> amounts) : DrawFixture(DRAWKIND_HBAR, {levels, amounts}, 10)
    {
        object.m_clrFirst = CCtlColor::Rgb(FIRST);
        object.m_clrSecond = CCtlColor::Rgb(SECOND);
    }
};

struct Probe
{
    int x, y;
    COLORREF colour;
};

struct PlacementCase
{
    const char* name;
    std::vector<int> levels, amounts;
    int reference;
    std::vector<Probe> probes;
};

class HBarPlacement : public ::testing::TestWithParam<PlacementCase>
{
};

TEST_P(HBarPlacement, BarsStandWhereTheirScalePutsThem)
{
    const PlacementCase& c = GetParam();
    HBars bars(c.levels, c.amounts);
    bars.object.CHBar::m_nRefValue = c.reference;
    Picture picture(220, 100, WHITE);
    bars.object.Draw(AREA, &picture.dc(), FALSE);
    for (const Probe& p : c.probes)
        EXPECT_EQ(p.colour, picture.At(p.x, p.y)) << c.name << " at " << p.x << "," << p.y;
}

// Levels 70 and 30 stand at rows 30 and 70, 40 rows apart: each bar spans 2 rows inside its
// half-height (rows 12..47 and 52..87).
INSTANTIATE_TEST_SUITE_P(
    Table, HBarPlacement,
    ::testing::Values(
        // 50 and 20: the smallest becomes 0, 150 pixels for 50 from x 40.
        PlacementCase{"positive",
                      {70, 30},
                      {50, 20},
                      0,
                      {{41, 30, FIRST}, {189, 30, FIRST}, {191, 30, WHITE}, {150, 12, FIRST}, {150, 11, WHITE},
                       {99, 70, FIRST}, {101, 70, WHITE}}},
        // The zero column at 40 + 30 * 3 = 130: 20 lies below it, in the second colour.
        PlacementCase{"reference", {70, 30}, {50, 20}, 30, {{150, 30, FIRST}, {110, 70, SECOND}, {150, 70, WHITE}}},
        // 50 and -20: from x 40 over 150 pixels for 70, zero at 40 + 20 * 150 / 70 = 82, the
        // largest bar ending inside the rectangle.
        PlacementCase{"both signs",
                      {70, 30},
                      {50, -20},
                      0,
                      {{189, 30, FIRST}, {191, 30, WHITE}, {41, 70, SECOND}, {81, 70, SECOND}, {84, 55, WHITE}}}));

TEST(HBars, EqualAmountsAndASqueezedBandStillDrawWithoutDividingByZero)
{
    // Every amount 0: largest equals smallest, every bar is flat.
    HBars none({70, 30}, {0, 0});
    Picture picture(220, 100, WHITE);
    none.object.Draw(AREA, &picture.dc(), FALSE);
    EXPECT_NE(FIRST, picture.At(41, 30));

    // Two levels on one row: a bar height of 0 leaves a one-row bar at the level.
    HBars squeezed({50, 50}, {30, 30});
    Picture line(220, 100, WHITE);
    squeezed.object.Draw(AREA, &line.dc(), FALSE);
    EXPECT_EQ(FIRST, line.At(60, 50));
    EXPECT_EQ(WHITE, line.At(60, 48));
    EXPECT_EQ(WHITE, line.At(60, 52));
}

// Style 1: levels S0 with two amounts S1 and S2 on a scale from 50 at 4 rows a unit (levels 60,
// 65 and 70 at rows 60, 40 and 20), the first amount above each level's row, the second below.
struct TwoAmounts : DrawFixture
{
    TwoAmounts() : DrawFixture(DRAWKIND_HBAR, {{60, 70}, {10, 20}, {5, 0}}, 10, 4.0f, 50)
    {
        object.CHBar::m_nStyle = 1;
        object.m_clrFirst = CCtlColor::Rgb(FIRST);
        object.m_clrSecond = CCtlColor::Rgb(SECOND);
    }
};

TEST(HBars, TwoAmountsPerLevelFillEveryStepBetweenTheExtremes)
{
    TwoAmounts bars;
    Picture picture(220, 100, WHITE);
    bars.object.Draw(AREA, &picture.dc(), FALSE);
    // 150 pixels for 20 from x 40.
    EXPECT_EQ(FIRST, picture.At(150, 15));  // 70: 20
    EXPECT_EQ(FIRST, picture.At(100, 55));  // 60: 10
    EXPECT_EQ(SECOND, picture.At(60, 63));  // 60: 5
    EXPECT_EQ(WHITE, picture.At(100, 63));
    EXPECT_EQ(WHITE, picture.At(100, 35)); // 65: no data
}

TEST(HBars, WithDecimalsSmallLevelsGatherTheNextFive)
{
    TwoAmounts bars;
    bars.object.SetAxisSettings(1, 2, -1, -1);
    Picture picture(220, 100, WHITE);
    bars.object.Draw(AREA, &picture.dc(), FALSE);
    // Level 65 takes 66..70: the 20 of level 70, drawn at row 40.
    EXPECT_EQ(FIRST, picture.At(150, 35));
    EXPECT_EQ(WHITE, picture.At(150, 15));
}

TEST(HBars, OtherStylesDrawNothing)
{
    HBars bars({70, 30}, {50, 20});
    bars.object.CHBar::m_nStyle = 2;
    Picture picture(220, 100, WHITE);
    bars.object.Draw(AREA, &picture.dc(), FALSE);
    for (int x = 0; x < 220; x += 3)
        ASSERT_EQ(WHITE, picture.At(x, 30)) << x;
}

TEST(HBars, TheLinkedCandlesAreDrawnOverTheBars)
{
    HBars bars({70, 30}, {50, 20});
    // One rising candle over the left half: body from row 80 up to row 20, x 0 to 99.
    DrawFixture candle(DRAWKIND_CANDLE, {{20}, {90}, {10}, {80}}, 100);
    bars.object.m_pLinked = &candle.object;
    Picture picture(220, 100, WHITE);
    bars.object.Draw(AREA, &picture.dc(), FALSE);
    const COLORREF rise = candle.object.m_clrRise.GetColor();
    EXPECT_EQ(rise, picture.At(60, 30));
    EXPECT_EQ(FIRST, picture.At(150, 30));
}

TEST(HBars, ALinkBackToItselfIsDrawnOnce)
{
    HBars bars({70, 30}, {50, 20});
    bars.object.m_pLinked = &bars.object;
    Picture picture(220, 100, WHITE);
    bars.object.Draw(AREA, &picture.dc(), FALSE);
    EXPECT_EQ(FIRST, picture.At(150, 30));
}

TEST(HBars, SelectionXorTwiceLeavesThePictureAsItWas)
{
    HBars bars({70, 30, 55, 10}, {50, 20, 5, 40});
    bars.object.m_nBaseMode = 2;
    Picture picture(220, 100, RGB(90, 30, 160));
    bars.object.Draw(AREA, &picture.dc(), FALSE);
    std::vector<COLORREF> before, marked, after;
    auto grab = [&](std::vector<COLORREF>& out) {
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 220; ++x)
                out.push_back(picture.At(x, y));
    };
    grab(before);
    bars.object.DrawSelection(AREA, &picture.dc());
    grab(marked);
    bars.object.DrawSelection(AREA, &picture.dc());
    grab(after);
    EXPECT_NE(before, marked);
    EXPECT_EQ(before, after);
    EXPECT_EQ(0, bars.object.HitTest(AREA, 150, 30, FALSE));
}

} // namespace
