// The column painter: shapes settled per pixel column, or given from the top down, leave the same
// pixels as painting each in turn, written into a DIB section's bits or drawn through GDI; lines
// written into the bits match the DC's; crowded candles drawn through it match their one-by-one
// painting.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <ostream>
#include <string>
#include <vector>

#include "../../series/tests/picture.h"
#include "../column_painter.h"
#include "../draw_geometry.h"
#include "../pixel_rows.h"
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

// How a case sets up the DC before anything is drawn.
enum Setup
{
    Plain,
    Moved,       // viewport and window origins moved, some shapes off the bitmap's edges
    Clipped,     // a clip of one rectangle
    MovedClipped,
    TwoClips,    // a clip of two rectangles
    Transformed, // a world transform that moves the picture
};

struct PainterCase
{
    const char* name;
    Picture::Layout layout;
    Setup setup;
    bool intoBits; // whether the painter writes into the picture's bits
};

void PrintTo(const PainterCase& c, std::ostream* os)
{
    *os << c.name;
}

void Prepare(CDC& dc, Setup setup)
{
    if (setup == Moved || setup == MovedClipped)
    {
        // Logical (x, y) lands on pixel (x + 9, y - 9).
        dc.SetViewportOrg(7, -6);
        dc.SetWindowOrg(-2, 3);
    }
    if (setup == Clipped || setup == MovedClipped)
        dc.IntersectClipRect(6, 10, 15, 50);
    if (setup == TwoClips)
    {
        CRgn two, second;
        two.CreateRectRgn(4, 5, 12, 40);
        second.CreateRectRgn(14, 20, 30, 60);
        two.CombineRgn(&two, &second, RGN_OR);
        dc.SelectClipRgn(&two);
    }
    if (setup == Transformed)
    {
        ::SetGraphicsMode(dc.GetSafeHdc(), GM_ADVANCED);
        const XFORM move = {1, 0, 0, 1, 3, 5};
        ::SetWorldTransform(dc.GetSafeHdc(), &move);
    }
}

std::vector<Shape> RandomShapes()
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
    return shapes;
}

void Give(CColumnPainter& painter, const Shape& s)
{
    if (s.kind == 0)
        painter.VLine(s.a, s.b, s.c, s.colour);
    else if (s.kind == 1)
        painter.HLine(s.a, s.b, s.c, s.colour);
    else
        painter.Fill(CRect(s.a, s.b, s.c, s.d), s.colour);
}

class ColumnPainter : public ::testing::TestWithParam<PainterCase>
{
};

// Settled per column, or given from the top down, the shapes leave the pixels that painting each
// in turn leaves in the same target, the stored words included: whether the painter writes into
// the bitmap's bits or draws through GDI, and wherever the origins and the clip put them.
TEST_P(ColumnPainter, LeavesThePixelsOfPaintingEveryShapeInTurn)
{
    const PainterCase& c = GetParam();
    const std::vector<Shape> shapes = RandomShapes();
    Picture direct(40, 64, WHITE, c.layout), settled(40, 64, WHITE, c.layout), topDown(40, 64, WHITE, c.layout);
    for (Picture* p : {&direct, &settled, &topDown})
    {
        // A set top byte shows whether a pixel written keeps it as GDI does.
        if (c.layout != Picture::Device)
            p->Flood(0xFF000000 | WHITE);
        p->dc().SaveDC();
        Prepare(p->dc(), c.setup);
    }
    for (const Shape& s : shapes)
        Direct(direct.dc(), s);
    {
        CColumnPainter painter(&settled.dc());
        EXPECT_EQ(c.intoBits, painter.IntoBits());
        int lowest = 0;
        for (const Shape& s : shapes)
        {
            if (s.a - 1 > lowest)
                lowest = s.a - 1;
            painter.Settle(lowest);
            Give(painter, s);
        }
    }
    // From the top down: groups of one to three shapes, from the last group back to the first,
    // each group's shapes in painting order.
    {
        CColumnPainter painter(&topDown.dc());
        size_t end = shapes.size();
        while (end > 0)
        {
            const size_t begin = end - std::min<size_t>(end, 1 + end % 3);
            for (size_t n = begin; n < end; ++n)
                Give(painter, shapes[n]);
            painter.EndGroup();
            // Shape n reaches column n / 30 + 5 at most.
            painter.Close(6 + int(begin) / 30);
            end = begin;
        }
    }
    int inked = 0;
    for (Picture* p : {&direct, &settled, &topDown})
        p->dc().RestoreDC(-1);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 40; ++x)
        {
            if (c.layout == Picture::Device)
            {
                ASSERT_EQ(direct.At(x, y), settled.At(x, y)) << x << "," << y;
                ASSERT_EQ(direct.At(x, y), topDown.At(x, y)) << x << "," << y;
            }
            else
            {
                ASSERT_EQ(direct.Word(x, y), settled.Word(x, y)) << std::hex << x << "," << y;
                ASSERT_EQ(direct.Word(x, y), topDown.Word(x, y)) << std::hex << x << "," << y;
            }
            inked += direct.At(x, y) != WHITE;
        }
    EXPECT_LT(200, inked);
}

INSTANTIATE_TEST_SUITE_P(
    Targets, ColumnPainter,
    ::testing::Values(PainterCase{"TopDown", Picture::TopDown, Plain, true},
                      PainterCase{"BottomUp", Picture::BottomUp, Plain, true},
                      PainterCase{"Device", Picture::Device, Plain, false},
                      PainterCase{"TopDownMoved", Picture::TopDown, Moved, true},
                      PainterCase{"BottomUpMoved", Picture::BottomUp, Moved, true},
                      PainterCase{"DeviceMoved", Picture::Device, Moved, false},
                      PainterCase{"TopDownClipped", Picture::TopDown, Clipped, true},
                      PainterCase{"BottomUpMovedClipped", Picture::BottomUp, MovedClipped, true},
                      PainterCase{"DeviceMovedClipped", Picture::Device, MovedClipped, false},
                      PainterCase{"TopDownTwoClips", Picture::TopDown, TwoClips, false},
                      PainterCase{"TopDownTransformed", Picture::TopDown, Transformed, false}),
    [](const ::testing::TestParamInfo<PainterCase>& info) { return std::string(info.param.name); });

class PixelRowsLine : public ::testing::TestWithParam<PainterCase>
{
};

// A line written into the pixels leaves what the DC's own line leaves, in every direction, its
// end left out, ties in the rounding settled alike, and clipped alike where it leaves the clip
// or the bitmap.
TEST_P(PixelRowsLine, PaintsWhatTheDCsLinePaints)
{
    const PainterCase& c = GetParam();
    std::vector<std::pair<POINT, POINT>> lines;
    for (int dx = -21; dx <= 21; ++dx)
        for (int dy = -21; dy <= 21; ++dy)
            lines.push_back({POINT{20, 30}, POINT{20 + dx, 30 + dy}});
    // Long lines that cross the picture and leave it.
    for (int n = 0; n < 40; ++n)
        lines.push_back({POINT{-300 + 7 * n, -150 + 11 * n}, POINT{400 - 13 * n, 250 - 3 * n}});
    Picture byDC(40, 64, WHITE, c.layout), byRows(40, 64, WHITE, c.layout);
    CPen pen(PS_SOLID, 1, COLOURS[0]);
    for (Picture* p : {&byDC, &byRows})
        p->dc().SaveDC();
    for (const auto& line : lines)
    {
        for (Picture* p : {&byDC, &byRows})
        {
            p->dc().RestoreDC(-1);
            p->dc().SaveDC();
            p->Flood(0xFF000000 | WHITE);
            Prepare(p->dc(), c.setup);
        }
        CPixelRows rows;
        ASSERT_TRUE(rows.Attach(&byRows.dc()));
        rows.Line(line.first.x, line.first.y, line.second.x, line.second.y, CPixelRows::Pixel(COLOURS[0]));
        {
            CDCSelectGuard guard(&byDC.dc(), &pen);
            byDC.dc().MoveTo(line.first);
            byDC.dc().LineTo(line.second);
        }
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 40; ++x)
                ASSERT_EQ(byDC.Word(x, y), byRows.Word(x, y))
                    << std::hex << x << "," << y << " of " << std::dec << line.first.x << "," << line.first.y
                    << " to " << line.second.x << "," << line.second.y;
    }
}

INSTANTIATE_TEST_SUITE_P(Targets, PixelRowsLine,
                         ::testing::Values(PainterCase{"TopDown", Picture::TopDown, Plain, true},
                                           PainterCase{"BottomUpMoved", Picture::BottomUp, Moved, true},
                                           PainterCase{"TopDownMovedClipped", Picture::TopDown, MovedClipped, true}),
                         [](const ::testing::TestParamInfo<PainterCase>& info) { return std::string(info.param.name); });

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
        // Drawn together into the bits of a DIB section and through GDI into a screen bitmap.
        Picture whole(240, 100, WHITE), wholeByGdi(240, 100, WHITE, Picture::Device), single(240, 100, WHITE);
        const CRect area(3, 0, 230, 100);
        together.object.Draw(area, &whole.dc(), FALSE);
        together.object.Draw(area, &wholeByGdi.dc(), FALSE);
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
                ASSERT_EQ(single.At(x, y), wholeByGdi.At(x, y)) << step << " " << fill << " " << x << "," << y;
                inked += whole.At(x, y) != WHITE;
            }
        // Something shows: a fair part of each column the candles take.
        EXPECT_LT(std::min(1000, int(300 * step) * 40), inked);
    }
}

// Down to about 33 candles a pixel column, as a fitted chart of a long series shows them.
INSTANTIATE_TEST_SUITE_P(Steps, CrowdedCandles, ::testing::Values(0.03f, 0.1f, 0.37f, 0.75f, 1.0f, 1.6f, 2.5f));

} // namespace
