// Lines: hit tolerance, pen width with emphasis, the base-line colour split, gaps and breaks,
// selection in XOR and the price-level overlay's guards.
#include <gtest/gtest.h>

#include <vector>

#include "../../series/tests/picture.h"
#include "KindRecords.h"
#include "draw_fixture.h"

namespace
{

const COLORREF WHITE = RGB(255, 255, 255);
const COLORREF INK = RGB(0, 0, 0);
const CRect AREA(0, 0, 100, 100);

// A line over values newest first, 10 pixels a slot, rows 100 - value.
struct Line : DrawFixture
{
    explicit Line(std::vector<int> values) : DrawFixture(DRAWKIND_LINE, {values}, 10)
    {
        object.m_pS0 = store.m_ppSeries[0];
        object.m_clrLine = CCtlColor::Rgb(INK);
    }
};

int InkedRows(Picture& picture, int x, COLORREF colour)
{
    int rows = 0;
    for (int y = 0; y < 100; ++y)
        rows += picture.At(x, y) == colour;
    return rows;
}

struct HitCase
{
    std::vector<int> values;
    int x, y, hit;
};

class LineHit : public ::testing::TestWithParam<HitCase>
{
};

// Points at x 5, 15, 25; the segment ending in the slot under the point is tested.
TEST_P(LineHit, ToleranceAcrossTheSegment)
{
    const HitCase& c = GetParam();
    Line line(c.values);
    EXPECT_EQ(c.hit, line.object.HitTest(AREA, c.x, c.y, FALSE)) << c.x << "," << c.y;
}

INSTANTIATE_TEST_SUITE_P(
    Table, LineHit,
    ::testing::Values(
        // Horizontal: tolerance 3, strict, so 2 pixels either side.
        HitCase{{50, 50, 50}, 20, 52, 1}, HitCase{{50, 50, 50}, 20, 48, 1}, HitCase{{50, 50, 50}, 20, 53, 0},
        HitCase{{50, 50, 50}, 20, 47, 0},
        // Slope 1 (rows 50 to 60 over x 5 to 15; row 59 at x 14): tolerance 4.
        HitCase{{40, 50}, 14, 56, 1}, HitCase{{40, 50}, 14, 62, 1}, HitCase{{40, 50}, 14, 55, 0},
        HitCase{{40, 50}, 14, 63, 0},
        // An empty value on either end, or a point past the data.
        HitCase{{50, EMPTY, 50}, 20, 50, 0}, HitCase{{50, 50, 50}, 35, 50, 0}));

TEST(LineHitGuard, AZeroStepHitsNothing)
{
    Line line({50, 50, 50});
    line.object.SetXStep(0);
    EXPECT_EQ(0, line.object.HitTest(AREA, 0, 50, FALSE));
    EXPECT_EQ(0, line.object.HitTest(AREA, 5, 50, FALSE));
}

class CrowdedLine : public ::testing::TestWithParam<float>
{
};

// Many points to a pixel column: the line paints what drawing its segments one by one paints.
TEST_P(CrowdedLine, PaintsWhatItsSegmentsPaintOneByOne)
{
    const float step = GetParam();
    const int count = int(100 / step);
    std::vector<int> values(size_t(count), 0);
    unsigned seed = 12345;
    for (int& v : values)
    {
        seed = seed * 1103515245u + 12345u;
        v = 5 + int((seed >> 16) % 90);
    }
    // Every tenth column keeps to one row, so flat stretches are crowded too.
    for (int i = 0; i < count; i += 10)
        values[size_t(i)] = 50;
    Line line(values);
    line.object.SetXStep(step);
    Picture drawn(100, 100, WHITE), drawnByGdi(100, 100, WHITE, Picture::Device), expected(100, 100, WHITE);
    line.object.Draw(AREA, &drawn.dc(), FALSE);
    line.object.Draw(AREA, &drawnByGdi.dc(), FALSE);

    CPen pen(PS_SOLID, 1, INK);
    CDCSelectGuard guard(&expected.dc(), &pen);
    // Slot s shows the value count - 1 - s (newest first); the first segment starts at its slot's left edge.
    auto row = [&](int s) { return 100 - values[size_t(count - 1 - s)]; };
    CPoint previous(0, row(0));
    for (int s = 0; s < count; ++s)
    {
        CPoint point(int((float(s) + 0.5f) * step), row(s));
        expected.dc().MoveTo(previous);
        expected.dc().LineTo(point);
        previous = point;
    }
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x)
        {
            ASSERT_EQ(expected.At(x, y), drawn.At(x, y)) << step << ": " << x << "," << y;
            ASSERT_EQ(expected.At(x, y), drawnByGdi.At(x, y)) << step << ": " << x << "," << y;
        }
}

INSTANTIATE_TEST_SUITE_P(Steps, CrowdedLine, ::testing::Values(0.05f, 0.25f, 0.37f, 1.0f, 2.5f));

TEST(LinePixels, EmphasisWidensThePen)
{
    for (int emphasis : {0, 1})
    {
        Line line({50, 50, 50});
        line.object.m_nEmphasis = emphasis;
        Picture picture(100, 100, WHITE);
        line.object.Draw(AREA, &picture.dc(), FALSE);
        EXPECT_EQ(1 + emphasis, InkedRows(picture, 10, INK)) << emphasis;
    }
}

TEST(LinePixels, TheBaseLineSplitsTheColourAtTheCrossing)
{
    const COLORREF UP = RGB(255, 0, 0), DOWN = RGB(0, 0, 255);
    // Oldest 80 (row 20) at x 5 to newest 20 (row 80) at x 15; base 50 crosses at x 10.
    Line line({20, 80});
    line.object.m_nBaseLine = 1;
    line.object.m_clrUp = CCtlColor::Rgb(UP);
    line.object.m_clrDown = CCtlColor::Rgb(DOWN);
    line.object.m_nS4Number = 50;
    Picture picture(100, 100, WHITE);
    line.object.Draw(AREA, &picture.dc(), FALSE);
    EXPECT_GT(InkedRows(picture, 8, UP), 0);
    EXPECT_EQ(0, InkedRows(picture, 8, DOWN));
    EXPECT_GT(InkedRows(picture, 12, DOWN), 0);
    EXPECT_EQ(0, InkedRows(picture, 12, UP));
    EXPECT_EQ(INK, picture.At(90, 50)); // the base row across the area
}

TEST(LinePixels, AGapGoesOnFromTheEmptySlotAndTheSkipSwitchBreaks)
{
    // Oldest 40 at x 5 (row 60), an empty slot at x 15, newest 60 at x 25 (row 40).
    Line gap({60, EMPTY, 40});
    Picture picture(100, 100, WHITE);
    gap.object.Draw(AREA, &picture.dc(), FALSE);
    EXPECT_EQ(WHITE, picture.At(10, 60)); // no segment across the gap's first half
    EXPECT_EQ(INK, picture.At(15, 60));   // it restarts at the empty slot's middle
    EXPECT_GT(InkedRows(picture, 20, INK), 0);

    Line broken({60, EMPTY, 40});
    broken.object.SetSkipSwitch(1);
    Picture cut(100, 100, WHITE);
    broken.object.Draw(AREA, &cut.dc(), FALSE);
    EXPECT_EQ(0, InkedRows(cut, 15, INK));
    EXPECT_EQ(0, InkedRows(cut, 20, INK));
}

TEST(LineSelection, XorTwiceLeavesThePictureAsItWas)
{
    std::vector<int> values;
    for (int i = 0; i < 30; ++i)
        values.push_back(20 + (i * 7) % 60);
    Line line(values);
    line.object.SetXStep(3);
    Picture picture(100, 100, RGB(200, 100, 50));
    line.object.Draw(AREA, &picture.dc(), FALSE);
    std::vector<COLORREF> before;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x)
            before.push_back(picture.At(x, y));
    line.object.DrawSelection(AREA, &picture.dc());
    line.object.DrawSelection(AREA, &picture.dc());
    std::vector<COLORREF> after;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x)
            after.push_back(picture.At(x, y));
    EXPECT_EQ(before, after);
}

TEST(LineMode, WholeSeriesModeIsNeverHitNorSelected)
{
    Line line({50, 50, 50});
    line.object.SetChartMode(6);
    EXPECT_EQ(0, line.object.HitTest(AREA, 20, 50, FALSE));
    Picture picture(100, 100, WHITE);
    line.object.DrawSelection(AREA, &picture.dc());
    EXPECT_EQ(0, InkedRows(picture, 5, RGB(0x37, 0x37, 0x37)));
}

// Price levels over S0 price, S1 and S2 running totals.
struct Levels : DrawFixture
{
    Levels(int minimum, int maximum)
        : DrawFixture(DRAWKIND_LINE, {{1020, 1010, 1000}, {30, 20, 10}, {6, 4, 2}}, 10, 2.0f, minimum)
    {
        object.m_pS0 = store.m_ppSeries[0];
        object.m_pS1 = store.m_ppSeries[1];
        object.m_pS2 = store.m_ppSeries[2];
        object.m_nPriceLevel = 1;
        object.SetMaximum(maximum);
    }
};

TEST(PriceLevels, DrawBandsForTheLevelsInRange)
{
    Levels levels(990, 1040);
    Picture picture(100, 100, WHITE);
    levels.object.Draw(AREA, &picture.dc(), FALSE);
    int tinted = 0;
    for (int y = 0; y < 100; ++y)
        tinted += picture.At(50, y) == RGB(0xFC, 0xDA, 0xF0) || picture.At(50, y) == RGB(0xD9, 0xF1, 0xFD);
    EXPECT_GT(tinted, 0);
}

TEST(PriceLevels, NoLevelOrTooManyLevelsDrawNoOverlay)
{
    // 1000..1005 leaves no level once the first and last are dropped; the full int range would
    // need hundreds of millions.
    for (auto range : {std::pair<int, int>{1000, 1005}, {1000, 1000}, {0, 2147483600}})
    {
        Levels levels(range.first, range.second);
        levels.object.SetYScale(0.0f);
        Picture picture(100, 100, WHITE);
        levels.object.Draw(AREA, &picture.dc(), FALSE);
        for (int y = 0; y < 100; ++y)
            ASSERT_NE(RGB(0xFC, 0xDA, 0xF0), picture.At(50, y)) << range.second;
    }
}

} // namespace
