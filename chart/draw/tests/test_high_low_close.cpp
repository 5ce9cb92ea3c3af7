// High-low-close bars: thickness by slot width, the close tick, selection in XOR and the hit
// test's guard.
#include <gtest/gtest.h>

#include <vector>

#include "../../series/tests/picture.h"
#include "draw_fixture.h"

namespace
{

const COLORREF WHITE = RGB(255, 255, 255);
const COLORREF INK = RGB(0, 0, 0);
const CRect AREA(20, 0, 200, 100);

// Bars of high, low and close, newest first; rows are 100 - value, slots start at x 20.
struct Hlc : DrawFixture
{
    Hlc(std::vector<int> high, std::vector<int> low, std::vector<int> close, float step)
        : DrawFixture(DRAWKIND_AMERICA, {high, low, close}, step)
    {
        object.m_pS0 = store.m_ppSeries[0];
        object.m_pS1 = store.m_ppSeries[1];
        object.m_pS2 = store.m_ppSeries[2];
    }
};

struct ThicknessCase
{
    float step;
    int thickness;
};

class HlcThickness : public ::testing::TestWithParam<ThicknessCase>
{
};

TEST_P(HlcThickness, FollowsTheSlotWidth)
{
    Hlc bar({80}, {20}, {50}, GetParam().step);
    Picture picture(200, 100, WHITE);
    bar.object.Draw(AREA, &picture.dc(), FALSE);
    EXPECT_EQ(INK, picture.At(20, 30));
    EXPECT_EQ(GetParam().thickness == 2 ? INK : WHITE, picture.At(19, 30)) << GetParam().step;
    EXPECT_EQ(WHITE, picture.At(21, 30));
}

INSTANTIATE_TEST_SUITE_P(Table, HlcThickness,
                         ::testing::Values(ThicknessCase{5, 2}, ThicknessCase{6, 1}, ThicknessCase{8, 1},
                                           ThicknessCase{10, 1}, ThicknessCase{11, 2}, ThicknessCase{12, 2}));

TEST(HlcPixels, TheCloseTickEndsAQuarterSlotBeforeTheNextBar)
{
    Hlc bar({80}, {20}, {50}, 8);
    Picture picture(200, 100, WHITE);
    bar.object.Draw(AREA, &picture.dc(), FALSE);
    // Slot 20..28: the tick runs to 28 - 2 = 26, its end not painted.
    EXPECT_EQ(INK, picture.At(25, 50));
    EXPECT_EQ(WHITE, picture.At(26, 50));
}

TEST(HlcSelection, XorTwiceLeavesThePictureAsItWas)
{
    std::vector<int> high, low, close;
    for (int i = 0; i < 40; ++i)
    {
        high.push_back(70 + i % 9);
        low.push_back(20 + i % 4);
        close.push_back(40 + i % 11);
    }
    Hlc bars(high, low, close, 4);
    Picture picture(200, 100, RGB(90, 30, 160));
    bars.object.Draw(AREA, &picture.dc(), FALSE);
    std::vector<COLORREF> before, after;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 200; ++x)
            before.push_back(picture.At(x, y));
    bars.object.ToggleSelect();
    bars.object.Draw(AREA, &picture.dc(), FALSE); // draws the bars again, then the squares
    bars.object.DrawSelection(AREA, &picture.dc());
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 200; ++x)
            after.push_back(picture.At(x, y));
    EXPECT_EQ(before, after);
}

TEST(HlcHit, AroundTheLineAndTheTickButNotWithAZeroStep)
{
    Hlc bar({80}, {20}, {50}, 12);
    EXPECT_EQ(1, bar.object.HitTest(AREA, 22, 30, FALSE));
    EXPECT_EQ(1, bar.object.HitTest(AREA, 28, 51, FALSE));
    EXPECT_EQ(0, bar.object.HitTest(AREA, 28, 40, FALSE));
    bar.object.SetXStep(0);
    EXPECT_EQ(0, bar.object.HitTest(AREA, 20, 30, FALSE));
}

} // namespace
