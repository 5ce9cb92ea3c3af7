// Trend lines: kept in data terms, drawn with the inverting pen (twice leaves the picture as it
// was), and left out where an end they need lies off the shown window.
#include <gtest/gtest.h>

#include <vector>

#include "../../series/tests/picture.h"
#include "Trend.h"

namespace
{

const COLORREF WHITE = RGB(255, 255, 255);
const COLORREF RED = RGB(255, 0, 0);

// Slots 0 to 7 at 10 pixels from x 10 (middles 15, 25, ...); values 20 to 100 one pixel each
// from y 10 (value v at row 10 + 100 - v).
class Frame : public CTrend
{
public:
    Frame() { SetTrendArea(CRect(10, 0, 90, 100)); }
    CRect GetTrendRect() override { return CRect(10, 10, 90, 90); }
    CRect GetDrawRect() override { return CRect(10, 10, 90, 90); }
    float GetPixelsPerUnit() override { return 1.0f; }
    int GetRightMax() override { return 100; }
    int GetRightMin() override { return 20; }
    void GetRightScale(float& factor, int&, int&) override { factor = 1.0f; }
};

const int FIRST = 0, LAST = 7;
const float STEP = 10.0f;

std::vector<COLORREF> Pixels(Picture& picture)
{
    std::vector<COLORREF> pixels;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x)
            pixels.push_back(picture.At(x, y));
    return pixels;
}

// A background of stripes, so an inverting pen that did not invert back would show.
void Stripes(Picture& picture)
{
    for (int y = 0; y < 100; y += 4)
        picture.dc().FillSolidRect(0, y, 100, 2, RGB(30 + y, 200, 90));
}

CTrendInfo* Line(int kind, int slot1, int value1, int slot2, int value2, int width = 1)
{
    CTrendInfo* info = new CTrendInfo;
    info->m_nKind = kind;
    info->m_nSlot1 = slot1;
    info->m_nValue1 = value1;
    info->m_nSlot2 = slot2;
    info->m_nValue2 = value2;
    info->m_Attribute.m_crPen = RED;
    info->m_Attribute.m_nPenWidth = width;
    return info;
}

// Frame with lines added directly in data terms.
class Drawn : public Frame
{
public:
    void Add(CTrendInfo* info)
    {
        m_pTrendList->AddTail(info);
        m_nTrendCount = int(m_pTrendList->GetCount());
    }
};

struct TwiceCase
{
    const char* name;
    int kind, slot1, value1, slot2, value2, width;
};

class DrawnTwice : public ::testing::TestWithParam<TwiceCase>
{
};

TEST_P(DrawnTwice, RestoresThePicture)
{
    const TwiceCase& c = GetParam();
    Picture picture(100, 100, WHITE);
    Stripes(picture);
    std::vector<COLORREF> before = Pixels(picture);
    Drawn trend;
    trend.Add(Line(c.kind, c.slot1, c.value1, c.slot2, c.value2, c.width));

    ASSERT_EQ(1, trend.DrawTrends(&picture.dc(), FIRST, LAST, STEP));
    EXPECT_NE(before, Pixels(picture)) << c.name << ": the line shows";
    trend.DrawTrends(&picture.dc(), FIRST, LAST, STEP);
    EXPECT_EQ(before, Pixels(picture)) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Table, DrawnTwice,
                         ::testing::Values(TwiceCase{"segment", 0, 1, 90, 6, 30, 1},
                                           TwiceCase{"segment, kind 1, wide pen", 1, 0, 20, 7, 100, 3},
                                           TwiceCase{"horizontal", 2, 2, 60, 5, 60, 1},
                                           TwiceCase{"vertical", 3, 4, 60, 4, 60, 2}));

TEST(Trend, SegmentRunsBetweenItsEnds)
{
    Picture picture(100, 100, WHITE);
    Drawn trend;
    trend.Add(Line(0, 1, 60, 5, 60)); // x 25 to 65 at row 50
    trend.DrawTrends(&picture.dc(), FIRST, LAST, STEP);
    EXPECT_EQ(RED, picture.At(25, 50));
    EXPECT_EQ(RED, picture.At(45, 50));
    EXPECT_EQ(WHITE, picture.At(24, 50));
    EXPECT_EQ(WHITE, picture.At(66, 50));
}

struct OffCase
{
    const char* name;
    int kind, slot1, value1, slot2, value2;
};

class OffTheWindow : public ::testing::TestWithParam<OffCase>
{
};

// A segment needs both ends; nothing is drawn, least of all a line to the corner.
TEST_P(OffTheWindow, DrawsNothing)
{
    const OffCase& c = GetParam();
    Picture picture(100, 100, WHITE);
    std::vector<COLORREF> before = Pixels(picture);
    Drawn trend;
    trend.Add(Line(c.kind, c.slot1, c.value1, c.slot2, c.value2));
    EXPECT_EQ(1, trend.DrawTrends(&picture.dc(), FIRST, LAST, STEP));
    EXPECT_EQ(before, Pixels(picture)) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Table, OffTheWindow,
                         ::testing::Values(OffCase{"first slot before the window", 0, -1, 60, 5, 60},
                                           OffCase{"second slot after the window", 0, 1, 60, 8, 60},
                                           OffCase{"second value above the scale", 1, 1, 60, 5, 101},
                                           OffCase{"first value below the scale", 0, 1, 19, 5, 60},
                                           OffCase{"horizontal line off the scale", 2, 1, 60, 5, 120},
                                           OffCase{"vertical line after the window", 3, 1, 60, 9, 60}));

// A horizontal line lies at its value whatever its slots are.
TEST(Trend, HorizontalLineWithItsFirstEndOffTheWindowStaysAtItsValue)
{
    Picture picture(100, 100, WHITE);
    Drawn trend;
    trend.Add(Line(2, -5, 70, 3, 70)); // row 40
    trend.DrawTrends(&picture.dc(), FIRST, LAST, STEP);
    for (int x : {0, 50, 99})
        EXPECT_EQ(RED, picture.At(x, 40)) << x;
    for (int x = 0; x < 100; ++x)
        ASSERT_EQ(WHITE, picture.At(x, 0)) << x;
}

// A vertical line stands one pixel before its slot's middle, over the trend area's height.
TEST(Trend, VerticalLineSpansTheTrendArea)
{
    Picture picture(100, 100, WHITE);
    Drawn trend;
    trend.Add(Line(3, -5, 0, 2, 0)); // slot 2: middle 35 in the trend area
    trend.DrawTrends(&picture.dc(), FIRST, LAST, STEP);
    EXPECT_EQ(RED, picture.At(34, 0));
    EXPECT_EQ(RED, picture.At(34, 99));
    EXPECT_EQ(WHITE, picture.At(35, 50));
}

TEST(Trend, AddedLineIsKeptInDataTermsAndDrawnBackAtThePoints)
{
    Frame trend;
    // Points in the middles of slots 1 and 5; rows 50 and 30 are values 60 and 80 (rows up
    // from the bottom edge 90 at one pixel a unit).
    trend.AddTrend(CPoint(25, 50), CPoint(65, 30), 0, FIRST, LAST, STEP, FALSE, RED, 1, PS_SOLID);
    ASSERT_EQ(1, trend.GetTrendCount());
    const CTrendInfo* info = static_cast<const CTrendInfo*>(trend.GetTrendList().GetHead());
    EXPECT_EQ(1, info->m_nSlot1);
    EXPECT_EQ(5, info->m_nSlot2);
    EXPECT_EQ(60, info->m_nValue1);
    EXPECT_EQ(80, info->m_nValue2);

    Picture picture(100, 100, WHITE);
    trend.DrawTrends(&picture.dc(), FIRST, LAST, STEP);
    EXPECT_EQ(RED, picture.At(25, 50));
    EXPECT_EQ(RED, picture.At(45, 40));

    trend.RemoveAllTrends();
    EXPECT_EQ(0, trend.GetTrendCount());
    EXPECT_EQ(0, trend.DrawTrends(&picture.dc(), FIRST, LAST, STEP));
}

TEST(Trend, SlotsArePickedOverTheTrendAreaWhenAsked)
{
    Frame trend;
    trend.SetTrendArea(CRect(50, 0, 90, 100));
    EXPECT_EQ(1, trend.PickSlot(25, FIRST, LAST, STEP, FALSE));
    EXPECT_EQ(-2, trend.PickSlot(25, FIRST, LAST, STEP, TRUE));
    EXPECT_EQ(99999999, trend.PickSlot(25, FIRST, LAST, 0.0f, FALSE));
}

TEST(Trend, DrawLineByKind)
{
    Picture picture(100, 100, WHITE);
    Frame trend;
    trend.m_crDefaultPen = RED;
    EXPECT_EQ(0, trend.DrawLine(&picture.dc(), CPoint(0, 0), CPoint(50, 50), 4, nullptr));
    EXPECT_EQ(WHITE, picture.At(10, 10));
    // No info: the default pen. Kind 2 runs from the draw rectangle's left less 10 to its
    // right plus 10 at the second point's row.
    EXPECT_EQ(1, trend.DrawLine(&picture.dc(), CPoint(0, 0), CPoint(50, 20), 2, nullptr));
    EXPECT_EQ(RED, picture.At(0, 20));
    EXPECT_EQ(RED, picture.At(99, 20));
    EXPECT_EQ(WHITE, picture.At(0, 0));
    EXPECT_EQ(R2_COPYPEN, picture.dc().GetROP2());
}

} // namespace
