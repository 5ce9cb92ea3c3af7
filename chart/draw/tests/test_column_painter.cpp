// The column painter: shapes settled per pixel column, or given from the top down, leave the same
// pixels as painting each in turn, and crowded candles drawn through it match their one-by-one
// painting.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "../../series/tests/picture.h"
#include "../column_painter.h"
#include "../draw_geometry.h"
#include "draw_fixture.h"

namespace
{

const COLORREF WHITE = RGB(255, 255, 255);
const COLORREF COLOURS[3] = {RGB(255, 0, 0), RGB(0, 0, 255), RGB(0, 128, 0)};

struct Shape
{
    int kind, a, b, c, d;
    COLORREF colour;
};

void Direct(CDC& dc, const Shape& s)
{
    if (s.kind == 2)
    {
        CBrush brush(s.colour);
        CRect r(s.a, s.b, s.c, s.d);
        dc.FillRect(&r, &brush);
        return;
    }
    CPen pen(PS_SOLID, 1, s.colour);
    CPen* old = dc.SelectObject(&pen);
    if (s.kind == 0)
    {
        dc.MoveTo(s.a, s.b);
        dc.LineTo(s.a, s.c);
    }
    else
    {
        dc.MoveTo(s.a, s.c);
        dc.LineTo(s.b, s.c);
    }
    dc.SelectObject(old);
}

TEST(ColumnPainter, LeavesThePixelsOfPaintingEveryShapeInTurn)
{
    srand(7);
    std::vector<Shape> shapes;
    for (int n = 0; n < 600; ++n)
    {
        // Columns advance slowly, as crowded bars do; shapes reach at most one column back.
        const int x = 2 + n / 30 + rand() % 2;
        const int y1 = rand() % 60, y2 = rand() % 60;
        const COLORREF colour = COLOURS[rand() % 3];
        switch (rand() % 3)
        {
        case 0:
            shapes.push_back(Shape{0, x, y1, y2, 0, colour});
            break;
        case 1:
            shapes.push_back(Shape{1, x, x + (rand() % 3) - 1, y1, 0, colour});
            break;
        default:
            shapes.push_back(Shape{2, x, std::min(y1, y2), x + 1 + rand() % 2, std::max(y1, y2) + 1, colour});
            break;
        }
    }
    Picture direct(40, 64, WHITE), settled(40, 64, WHITE);
    for (const Shape& s : shapes)
        Direct(direct.dc(), s);
    {
        CColumnPainter painter(&settled.dc());
        int lowest = 0;
        for (const Shape& s : shapes)
        {
            if (s.a - 1 > lowest)
                lowest = s.a - 1;
            painter.Settle(lowest);
            if (s.kind == 0)
                painter.VLine(s.a, s.b, s.c, s.colour);
            else if (s.kind == 1)
                painter.HLine(s.a, s.b, s.c, s.colour);
            else
                painter.Fill(CRect(s.a, s.b, s.c, s.d), s.colour);
        }
    }
    // From the top down: groups of one to three shapes, from the last group back to the first,
    // each group's shapes in painting order.
    Picture topDown(40, 64, WHITE);
    {
        CColumnPainter painter(&topDown.dc());
        size_t end = shapes.size();
        while (end > 0)
        {
            const size_t begin = end - std::min<size_t>(end, 1 + end % 3);
            for (size_t n = begin; n < end; ++n)
            {
                const Shape& s = shapes[n];
                if (s.kind == 0)
                    painter.VLine(s.a, s.b, s.c, s.colour);
                else if (s.kind == 1)
                    painter.HLine(s.a, s.b, s.c, s.colour);
                else
                    painter.Fill(CRect(s.a, s.b, s.c, s.d), s.colour);
            }
            painter.EndGroup();
            // Shape n reaches column n / 30 + 5 at most.
            painter.Close(6 + int(begin) / 30);
            end = begin;
        }
    }
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 40; ++x)
        {
            ASSERT_EQ(direct.At(x, y), settled.At(x, y)) << x << "," << y;
            ASSERT_EQ(direct.At(x, y), topDown.At(x, y)) << x << "," << y;
        }
}

class CrowdedCandles : public ::testing::TestWithParam<float>
{
};

// Candles one or two pixels wide share pixel columns; drawn together they must leave what
// drawing them one at a time (each placed at its own slot) leaves.
TEST_P(CrowdedCandles, MatchTheirOneByOnePainting)
{
    const float step = GetParam();
    std::vector<int> open, high, low, close;
    srand(11);
    for (int i = 0; i < 300; ++i)
    {
        int o = 20 + rand() % 60, c = rand() % 4 == 0 ? o : 20 + rand() % 60;
        if (rand() % 5 == 0 && i > 0)
            c = close.back();
        open.push_back(o);
        close.push_back(c);
        high.push_back(std::max(o, c) + rand() % 10);
        low.push_back(std::min(o, c) - rand() % 10);
    }
    open[17] = EMPTY;
    for (int fill : {1, 0})
    {
        DrawFixture together(DRAWKIND_CANDLE, {open, high, low, close}, step);
        together.object.m_nFallFill = fill;
        Picture whole(240, 100, WHITE), single(240, 100, WHITE);
        const CRect area(3, 0, 230, 100);
        together.object.Draw(area, &whole.dc(), FALSE);
        together.object.m_pCurrentPen = together.object.m_pFallPen;
        for (int i = 0; i < 300; ++i)
        {
            together.object.SetFirstVisible(i);
            together.object.SetVisibleCount(1);
            CRect slot(area);
            slot.left = SlotX(i, step, area.left);
            together.object.Draw(slot, &single.dc(), FALSE);
        }
        int inked = 0;
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 240; ++x)
            {
                ASSERT_EQ(single.At(x, y), whole.At(x, y)) << step << " " << fill << " " << x << "," << y;
                inked += whole.At(x, y) != WHITE;
            }
        // Something shows: a fair part of each column the candles take.
        EXPECT_LT(std::min(1000, int(300 * step) * 40), inked);
    }
}

// Down to about 33 candles a pixel column, as a fitted chart of a long series shows them.
INSTANTIATE_TEST_SUITE_P(Steps, CrowdedCandles, ::testing::Values(0.03f, 0.1f, 0.37f, 0.75f, 1.0f, 1.6f, 2.5f));

} // namespace
