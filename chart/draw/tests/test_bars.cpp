// Vertical bars: the scale from 0, colours by mode, lines or rectangles, 3-D faces, stacking,
// selection in XOR and the hit test.
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "../../series/tests/picture.h"
#include "KindRecords.h"
#include "draw_fixture.h"

namespace
{

const COLORREF WHITE = RGB(255, 255, 255);
const COLORREF BAR = RGB(0, 160, 0);
const COLORREF UP = RGB(220, 0, 0);
const COLORREF DOWN = RGB(0, 0, 220);
const CRect AREA(20, 0, 220, 100);

// Bars over series newest first; scale minimum and maximum as given.
struct Bars : DrawFixture
{
    Bars(std::initializer_list<std::vector<int>> series, float step, int minimum, int maximum, int mode = 0)
        : DrawFixture(DRAWKIND_BAR, series, step, 1.0f, minimum)
    {
        object.SetMaximum(maximum);
        object.m_clrFill = CCtlColor::Rgb(BAR);
        object.m_clrBarUp = CCtlColor::Rgb(UP);
        object.m_clrBarDown = CCtlColor::Rgb(DOWN);
        object.m_nMode = mode;
        object.m_nBarMode = mode;
    }
};

TEST(BarScale, VolumeBarsOfAPositiveChartStartFromZero)
{
    // Scale 50..100: from 0 the bar of 80 reaches row 100 - 80 = 20, from 50 it would reach 40.
    Bars bars({{80}}, 10, 50, 100);
    Picture picture(240, 100, WHITE);
    bars.object.Draw(AREA, &picture.dc(), FALSE);
    EXPECT_EQ(BAR, picture.At(25, 25));
    EXPECT_EQ(WHITE, picture.At(25, 19));
    EXPECT_EQ(BAR, picture.At(25, 99));
}

TEST(BarScale, AFlatScaleDrawsNothingAndHitsNothing)
{
    Bars bars({{-70, -70}}, 10, -70, -70);
    Picture picture(240, 100, WHITE);
    bars.object.Draw(AREA, &picture.dc(), FALSE);
    for (int y = 0; y < 100; ++y)
        ASSERT_EQ(WHITE, picture.At(25, y)) << y;
    EXPECT_EQ(0, bars.object.HitTest(AREA, 25, 50, FALSE));
}

TEST(BarColours, ModeOneTakesColourUpAtTheReferenceAndDrawsTheBaseLine)
{
    // Oldest first on screen: 40 (below 50), 50 (equal), 60.
    Bars bars({{60, 50, 40}}, 20, 0, 100, 1);
    bars.object.CBar::m_nRefValue = 50;
    Picture picture(240, 100, WHITE);
    bars.object.Draw(AREA, &picture.dc(), FALSE);
    EXPECT_EQ(DOWN, picture.At(30, 55)); // 40: from row 60 down to the base row 50
    EXPECT_EQ(UP, picture.At(70, 45));   // 60: from row 40 to row 50
    EXPECT_EQ(BAR, picture.At(50, 50));  // 50 is flat; the base line crosses its slot
    EXPECT_EQ(WHITE, picture.At(50, 48));
}

TEST(BarColours, ModeTwoDrawsUpAndDownFromZero)
{
    Bars bars({{30}, {20}}, 20, -50, 50, 2);
    Picture picture(240, 100, WHITE);
    bars.object.Draw(AREA, &picture.dc(), FALSE);
    // Zero row 50; S0 = 30 up to row 20, S1 = 20 down to row 70.
    EXPECT_EQ(UP, picture.At(30, 30));
    EXPECT_EQ(DOWN, picture.At(30, 60));
    EXPECT_EQ(WHITE, picture.At(30, 75));
}

TEST(BarColours, StackedBarsDrawTheTotalThenTheSecondPart)
{
    Bars bars({{30}, {20}}, 20, 0, 100);
    bars.object.m_nStack = 1;
    Picture picture(240, 100, WHITE);
    bars.object.Draw(AREA, &picture.dc(), FALSE);
    EXPECT_EQ(DOWN, picture.At(30, 60)); // total 50 from row 50
    EXPECT_EQ(UP, picture.At(30, 90));   // 20 from row 80
}

TEST(BarForm, LinesWhenCrowdedRectanglesOtherwise)
{
    for (int count : {100, 200})
    {
        std::vector<int> values(size_t(count), 60);
        Bars bars({values}, 600.0f / float(count), 0, 100);
        Picture picture(640, 100, WHITE);
        bars.object.Draw(CRect(0, 0, 600, 100), &picture.dc(), FALSE);
        if (count == 100)
        {
            // 6-pixel slots, a margin of 0: columns 0 to 4 filled, 5 left free.
            EXPECT_EQ(BAR, picture.At(0, 50));
            EXPECT_EQ(BAR, picture.At(4, 50));
            EXPECT_EQ(WHITE, picture.At(5, 50));
        }
        else
        {
            // 3-pixel slots: one line at the middle column.
            EXPECT_EQ(WHITE, picture.At(0, 50));
            EXPECT_EQ(BAR, picture.At(1, 50));
            EXPECT_EQ(WHITE, picture.At(2, 50));
        }
    }
}

struct CrowdedCase
{
    int mode;
    int stack;
    int minimum;
    float step;
};

class CrowdedBars : public ::testing::TestWithParam<CrowdedCase>
{
};

// Bars a fraction of a pixel apart share pixel columns; drawn together they must leave what
// drawing them one at a time leaves (each drawn alone in the same window, the others empty).
TEST_P(CrowdedBars, MatchTheirOneByOnePainting)
{
    const CrowdedCase& c = GetParam();
    const int count = 400;
    std::vector<int> first(count), second(count);
    srand(5);
    for (int i = 0; i < count; ++i)
    {
        first[size_t(i)] = rand() % 7 == 0 ? EMPTY : c.minimum + rand() % (100 - c.minimum);
        second[size_t(i)] = rand() % 5 == 0 ? EMPTY : rand() % 40;
    }
    auto make = [&](Bars& bars) {
        bars.object.SetMaximum(c.stack ? 140 : 100);
        bars.object.m_nStack = c.stack;
        bars.object.CBar::m_nRefValue = 40;
    };
    Bars together({first, second}, c.step, c.minimum, 100, c.mode);
    Bars alone({first, second}, c.step, c.minimum, 100, c.mode);
    make(together);
    make(alone);
    // Drawn together into the bits of a DIB section and through GDI into a screen bitmap.
    Picture whole(240, 100, WHITE), wholeByGdi(240, 100, WHITE, Picture::Device), single(240, 100, WHITE);
    together.object.Draw(AREA, &whole.dc(), FALSE);
    together.object.Draw(AREA, &wholeByGdi.dc(), FALSE);
    // The series are newest first: the oldest is painted first.
    for (int i = count - 1; i >= 0; --i)
    {
        for (int k = 0; k < count; ++k)
        {
            alone.object.m_pS0[k] = k == i ? first[size_t(k)] : EMPTY;
            alone.object.m_pS1[k] = k == i ? second[size_t(k)] : EMPTY;
        }
        alone.object.Draw(AREA, &single.dc(), FALSE);
    }
    int inked = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 240; ++x)
        {
            ASSERT_EQ(single.At(x, y), whole.At(x, y)) << x << "," << y;
            ASSERT_EQ(single.At(x, y), wholeByGdi.At(x, y)) << x << "," << y;
            inked += whole.At(x, y) != WHITE;
        }
    EXPECT_LT(int(count * c.step) * 20, inked);
}

// Mode 0 one colour, 1 against the reference value, 2 up and down from zero, and stacked; down
// to 20 bars a pixel column.
INSTANTIATE_TEST_SUITE_P(Table, CrowdedBars,
                         ::testing::Values(CrowdedCase{0, 0, 0, 0.05f}, CrowdedCase{0, 0, 0, 0.3f},
                                           CrowdedCase{1, 0, 0, 0.05f}, CrowdedCase{2, 0, -100, 0.05f},
                                           CrowdedCase{2, 0, -100, 0.3f}, CrowdedCase{0, 1, 0, 0.05f}));

TEST(BarForm, ThreeDimensionalBarsShowAShadedSide)
{
    Bars bars({{50}}, 20, 0, 100);
    bars.object.m_n3D = 1;
    Picture picture(240, 100, WHITE);
    bars.object.Draw(AREA, &picture.dc(), FALSE);
    // Front face x 20..35 (four fifths of 20), depth min(max(4 / 2, 1), 10) = 2.
    EXPECT_EQ(BAR, picture.At(21, 70));
    EXPECT_EQ(RGB(0, 80, 0), picture.At(36, 70));
    EXPECT_EQ(RGB(0, 80, 0), picture.At(30, 49));
    EXPECT_EQ(WHITE, picture.At(39, 70));
}

TEST(BarSelection, XorTwiceLeavesThePictureAsItWas)
{
    std::vector<int> values;
    for (int i = 0; i < 40; ++i)
        values.push_back(10 + i * 7 % 80);
    Bars bars({values}, 5, 0, 100);
    Picture picture(240, 100, RGB(90, 30, 160));
    bars.object.Draw(AREA, &picture.dc(), FALSE);
    std::vector<COLORREF> before, after, marked;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 240; ++x)
            before.push_back(picture.At(x, y));
    bars.object.DrawSelection(AREA, &picture.dc());
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 240; ++x)
            marked.push_back(picture.At(x, y));
    bars.object.DrawSelection(AREA, &picture.dc());
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 240; ++x)
            after.push_back(picture.At(x, y));
    EXPECT_NE(before, marked);
    EXPECT_EQ(before, after);
}

struct HitCase
{
    int x, y, hit;
};

class BarHit : public ::testing::TestWithParam<HitCase>
{
};

// Ten bars of 60 in 10-pixel slots, five of them shown (wide bars: 4 * 5 is below 200).
TEST_P(BarHit, InsideTheBarOnlyInTheShownSlots)
{
    Bars bars({std::vector<int>(10, 60)}, 10, 0, 100);
    bars.object.SetVisibleCount(5);
    const HitCase& c = GetParam();
    EXPECT_EQ(c.hit, bars.object.HitTest(AREA, c.x, c.y, FALSE)) << c.x << "," << c.y;
}

// Slot p spans 20 + 10p; the front face is 8 wide, the side face 1 deep. Slot 5 is the first
// not shown (p >= V).
INSTANTIATE_TEST_SUITE_P(Table, BarHit,
                         ::testing::Values(HitCase{21, 50, 1}, HitCase{27, 41, 1}, HitCase{28, 50, 1},
                                           HitCase{21, 38, 0}, HitCase{65, 50, 1}, HitCase{75, 50, 0},
                                           HitCase{85, 50, 0}, HitCase{10, 50, 0}));

TEST(BarHit, AZeroStepHitsNothing)
{
    Bars bars({{60}}, 0, 0, 100);
    EXPECT_EQ(0, bars.object.HitTest(AREA, 20, 50, FALSE));
}

TEST(BarHit, NarrowBarsHitWithinTwoPixelsOfTheirSlot)
{
    // 50 bars in 200 pixels: 4 * 50 is not below 200, so a slot's rectangle widened by 2 counts.
    Bars bars({std::vector<int>(50, 60)}, 4, 0, 100);
    EXPECT_EQ(1, bars.object.HitTest(AREA, 21, 39, FALSE));
    EXPECT_EQ(0, bars.object.HitTest(AREA, 21, 37, FALSE));
}

} // namespace
