// Region paint: the legend laid out with the real text extent of the chart font and wrapped at
// the right edge, legend entries by object kind, the highlighted slot, the vertical grid, the
// objects and trend lines in the strip, the copy of the strip to the window, and the lookup and
// tooltip rows of the region.
#include <gtest/gtest.h>

#include <vector>

#include "../../series/tests/picture.h"
#include "ChartText.h"
#include "SearchData.h"
#include "SeriesValues.h"
#include "region_fixture.h"

namespace
{

const COLORREF WHITE = RGB(255, 255, 255);
const COLORREF GREY = RGB(240, 240, 240);

struct LegendCase
{
    const char* name;
    std::vector<int> widths;
    std::vector<LegendPlace> places;
};

class LegendLayout : public ::testing::TestWithParam<LegendCase>
{
};

// Drawing rectangle (15, 10, 215, 110); texts 12 pixels high.
TEST_P(LegendLayout, Table)
{
    const LegendCase& c = GetParam();
    CLegendLayout layout(CRect(15, 10, 215, 110));
    for (size_t i = 0; i < c.widths.size(); ++i)
    {
        LegendPlace place = layout.Next(CSize(c.widths[i], 12));
        EXPECT_EQ(c.places[i].x, place.x) << c.name << " entry " << i;
        EXPECT_EQ(c.places[i].y, place.y) << c.name << " entry " << i;
        EXPECT_EQ(c.places[i].textLeft, place.textLeft) << c.name << " entry " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, LegendLayout,
    ::testing::Values(LegendCase{"one row", {50, 50}, {{16, 5, 35}, {105, 5, 124}}},
                      LegendCase{"third entry wraps", {50, 50, 50}, {{16, 5, 35}, {105, 5, 124}, {16, 22, 35}}},
                      LegendCase{"a text ending at the edge stays", {50, 50, 2}, {{16, 5, 35}, {105, 5, 124}, {194, 5, 213}}},
                      LegendCase{"a first text wider than the row keeps the first row", {300, 10},
                                 {{16, 5, 35}, {16, 22, 35}}}));

struct Painted : RegionFixture
{
    Picture strip{400, 200, WHITE};
    Picture window{400, 200, WHITE};

    Painted() : RegionFixture(CRect(100, 20, 300, 134)) {}
    void Paint() { region.Paint(&window.dc(), &strip.dc(), GREY); }

    CDrawObject* Line(LPCSTR name, COLORREF colour, std::vector<int> values)
    {
        CDrawObject* object = Add(DRAWKIND_LINE, 1, {values});
        object->m_strObjectName = name;
        object->m_nLegend = 1;
        object->m_clrLine = CCtlColor::Rgb(colour);
        return object;
    }
};

// Where the legend puts its entries: the chart font selected into the strip measures each text
// as the paint did.
struct LegendReader
{
    CFont font;
    CDCSelectGuard select;
    CLegendLayout layout;
    CDC& dc;

    explicit LegendReader(Painted& p)
        : select(p.strip.dc(), ChartFont(font, p.properties)), layout(p.region.GetDrawRect()), dc(p.strip.dc())
    {
    }
    static CFont& ChartFont(CFont& font, const CProperties& properties)
    {
        FontFromDescription(properties.m_strFont, &font);
        return font;
    }
    LegendPlace Next(LPCSTR text, CSize& size)
    {
        size = dc.GetTextExtent(text);
        return layout.Next(size);
    }
};

// The legend measures its texts in the chart font: the places follow from the real extents, and
// the one that would pass the right edge starts a new row.
TEST(RegionPaint, LegendWrapsByTheRealTextExtent)
{
    Painted p;
    std::vector<CString> names = {"5MA", "A much longer moving average title", "20MA"};
    std::vector<COLORREF> colours = {RGB(255, 0, 0), RGB(0, 160, 0), RGB(0, 0, 255)};
    std::vector<CDrawObject*> objects;
    for (size_t i = 0; i < names.size(); ++i)
        objects.push_back(p.Line(names[i], colours[i], {50, 50, 50}));
    p.region.ComputeScales();
    p.Paint();

    LegendReader legend(p);
    int rows = 0, lastY = -1000;
    for (size_t i = 0; i < names.size(); ++i)
    {
        CSize size;
        LegendPlace place = legend.Next(names[i], size);
        rows += place.y != lastY;
        lastY = place.y;
        EXPECT_EQ(CRect(place.textLeft - 14, place.y + 3, place.textLeft + 5 + size.cx, place.y + 6 + size.cy),
                  objects[i]->m_rcLabel)
            << names[i];
        int m = place.y + size.cy / 2;
        EXPECT_EQ(colours[i], p.strip.At(place.x + 7, m)) << names[i] << ": swatch";
        EXPECT_EQ(colours[i], p.strip.At(place.x, m - 2)) << names[i];
        EXPECT_EQ(colours[i], p.strip.At(place.x + 13, m + 1)) << names[i];
    }
    EXPECT_GE(rows, 2) << "the long title does not fit after the first entry in 200 pixels";
}

TEST(RegionPaint, LineOverTheBaseShowsTwoColoursAndHiddenOrUnnamedLinesNone)
{
    Painted p;
    CDrawObject* base = p.Line("B", RGB(0, 0, 0), {50, 60});
    base->CLine::m_nBaseLine = 1;
    base->m_clrUp = CCtlColor::Rgb(RGB(255, 0, 0));
    base->m_clrDown = CCtlColor::Rgb(RGB(0, 0, 255));
    CDrawObject* unnamed = p.Line("", RGB(0, 255, 0), {50, 60});
    CDrawObject* hidden = p.Line("H", RGB(0, 255, 0), {50, 60});
    hidden->m_bShown = 0;
    p.region.ComputeScales();
    p.Paint();
    CRect label = base->m_rcLabel;
    int x = label.left - 5, m = label.top + label.Height() / 2;
    EXPECT_EQ(RGB(255, 0, 0), p.strip.At(x + 7, m - 1));
    EXPECT_EQ(RGB(0, 0, 255), p.strip.At(x + 7, m));
    EXPECT_EQ(CRect(0, 0, 0, 0), unnamed->m_rcLabel);
    EXPECT_EQ(CRect(0, 0, 0, 0), hidden->m_rcLabel);
}

TEST(RegionPaint, StripIsCopiedToThePlotLessTheLeftAxis)
{
    Painted p;
    p.region.Paint(&p.window.dc(), &p.strip.dc(), GREY);
    // Strip 15 + 200 + 60 wide and 114 high at (85, 20).
    EXPECT_EQ(GREY, p.window.At(85, 20));
    EXPECT_EQ(GREY, p.window.At(359, 133));
    EXPECT_EQ(WHITE, p.window.At(84, 20));
    EXPECT_EQ(WHITE, p.window.At(360, 20));
    EXPECT_EQ(WHITE, p.window.At(85, 134));
}

TEST(RegionPaint, ObjectsAxisAndTrendLinesAreDrawn)
{
    Painted p;
    p.Line("", RGB(200, 0, 0), std::vector<int>(20, 50));
    p.region.ComputeScales(); // 40 to 60 over 100 pixels: value 50 at row 110 - 50
    p.region.SetShowWindow(0, 20, 10.0f);
    p.Paint();
    EXPECT_EQ(RGB(200, 0, 0), p.strip.At(100, 60)) << "the line";
    EXPECT_EQ(RGB(128, 128, 130), p.strip.At(215, 40)) << "the right axis line";

    // A trend line from slot 2 at 58 to slot 8 at 46: (40, 22) to (100, 82) in the strip,
    // inverted over the grey.
    p.region.AddTrend(CPoint(125, 40), CPoint(185, 100), 0, 0, 19, 10.0f, FALSE, RGB(0, 0, 255), 1, PS_SOLID);
    p.Paint();
    EXPECT_EQ(RGB(15, 15, 240), p.strip.At(60, 42));
}

TEST(RegionPaint, HighlightedSlotIsAColumnWithItsCaptionBeside)
{
    Painted p;
    p.region.SetShowWindow(0, 20, 10.0f);
    p.region.SetRegionTextColor(CCtlColor::Rgb(RGB(0, 128, 0)));
    p.region.SetHighlightSlot(3, "");
    p.Paint();
    // Slot 3 runs from 15 + 30 to 15 + 40: the column stands at 50 down to the drawing bottom.
    for (int y : {0, 60, 109})
        EXPECT_EQ(RGB(0, 128, 0), p.strip.At(50, y)) << y;
    EXPECT_EQ(GREY, p.strip.At(50, 110));
    EXPECT_EQ(GREY, p.strip.At(49, 60));
    EXPECT_EQ(GREY, p.strip.At(51, 60));

    // A caption that would pass the right edge goes left of the slot.
    p.region.SetHighlightSlot(19, "WWWWWWWWWW");
    p.Paint();
    int x = 15 + 195;
    bool right = false, left = false;
    for (int y = 30; y < 50; ++y)
        for (int dx = 1; dx < 60; ++dx)
        {
            right = right || (x + dx < 400 && p.strip.At(x + dx, y) != GREY);
            left = left || p.strip.At(x - dx - 6, y) != GREY;
        }
    EXPECT_FALSE(right);
    EXPECT_TRUE(left);
}

} // namespace

namespace
{

// Two flat lines on a fixed right scale of 0 to 100 (one pixel a unit): 50 at row 80, 70 at 60.
struct TwoLines : RegionFixture
{
    CDrawObject* low;
    CDrawObject* high;
    TwoLines() : RegionFixture(CRect(100, 20, 300, 134))
    {
        DREGIONSIDEDATA& right = region.GetRegionData().RightSide;
        right.Fixed = 1;
        right.FixedMax = 100;
        right.FixedMin = 0;
        low = Add(DRAWKIND_LINE, 1, {std::vector<int>(20, 50)});
        high = Add(DRAWKIND_LINE, 1, {std::vector<int>(20, 70)});
        region.ComputeScales();
    }
};

TEST(RegionHit, FirstVisibleObjectUnderThePoint)
{
    TwoLines f;
    EXPECT_EQ(0, f.region.HitTest(150, 80));
    EXPECT_EQ(1, f.region.HitTest(150, 60));
    EXPECT_EQ(-1, f.region.HitTest(150, 100));
    f.low->m_bShown = 0;
    EXPECT_EQ(-1, f.region.HitTest(150, 80));
}

TEST(RegionHit, SelectionTogglesOnVisibleObjectsAndShowsItsMarks)
{
    TwoLines f;
    Picture window(400, 200, WHITE);
    std::vector<COLORREF> before;
    for (int x = 0; x < 400; ++x)
        before.push_back(window.At(x, 80));
    f.region.ToggleSelect(&window.dc(), 0);
    EXPECT_EQ(1, f.low->m_nSelected);
    bool marked = false;
    for (int x = 0; x < 400; ++x)
        marked = marked || window.At(x, 80) != before[size_t(x)];
    EXPECT_TRUE(marked);
    f.region.ToggleSelect(&window.dc(), 0);
    EXPECT_EQ(0, f.low->m_nSelected);

    f.high->m_bShown = 0;
    f.region.ToggleSelect(&window.dc(), 1);
    EXPECT_EQ(0, f.high->m_nSelected);
    f.region.ToggleSelect(&window.dc(), 7); // no such object
}

// A reversed region that holds the second bar form draws no value axes.
TEST(RegionPaint, ReversedRegionWithSecondBarsHasNoAxes)
{
    for (int reverse : {0, 1})
    {
        Painted p;
        p.region.GetRegionData().Reverse = reverse;
        p.Add(DRAWKIND_BAR2, 0, {{10, 20}});
        p.region.ComputeScales();
        p.Paint();
        EXPECT_EQ(reverse ? GREY : RGB(128, 128, 130), p.strip.At(215, 40)) << "reverse " << reverse;
    }
}

} // namespace

namespace
{

const COLORREF RED = RGB(230, 0, 0), BLUE = RGB(0, 0, 230), GREEN = RGB(0, 160, 0), ORANGE = RGB(250, 140, 0);

// One legend entry as the test reads it: its swatch by colour and its text.
struct Entry
{
    enum Swatch
    {
        One,
        Two,
        Line
    } swatch;
    COLORREF first, second;
    const char* text;
};

struct KindLegendCase
{
    const char* name;
    int kind;
    void (*setup)(CDrawObject&);
    std::vector<Entry> entries;
};

class KindLegend : public ::testing::TestWithParam<KindLegendCase>
{
};

// The object draws nothing over its entries (all its values are 0); each entry is found where
// the layout puts it with the chart font's real extents.
TEST_P(KindLegend, SwatchesAndPlaces)
{
    const KindLegendCase& c = GetParam();
    Painted p;
    p.properties.m_nHIndi = 0; // no grid line through the legend's rows
    const std::vector<int> zeros(6, 0);
    CDrawObject* object = p.Add(c.kind, 0, {zeros, zeros, zeros, zeros});
    c.setup(*object);
    p.region.ComputeScales();
    p.Paint();

    LegendReader legend(p);
    for (const Entry& e : c.entries)
    {
        CSize size;
        LegendPlace place = legend.Next(e.text, size);
        int m = place.y + size.cy / 2;
        if (e.swatch == Entry::Line)
            EXPECT_EQ(e.first, p.strip.At(place.x + 7, m)) << c.name << ": " << e.text;
        else
        {
            EXPECT_EQ(e.first, p.strip.At(place.x + 7, m - 2)) << c.name << ": " << e.text;
            EXPECT_EQ(e.swatch == Entry::Two ? e.second : e.first, p.strip.At(place.x + 7, m + 1))
                << c.name << ": " << e.text;
        }
        EXPECT_EQ(GREY, p.strip.At(place.x + 16, m)) << c.name << ": the swatch is 14 pixels wide";
    }
    // Nothing after the last entry.
    LegendPlace next = legend.layout.Next(CSize(10, 10));
    EXPECT_EQ(GREY, p.strip.At(next.x + 7, next.y + 5)) << c.name;
}

void Bars(CDrawObject& o, int mode, int stack, int legend)
{
    o.m_nLegend = legend;
    o.CBar::m_nMode = mode;
    o.m_nStack = stack;
    o.m_clrFill = CCtlColor::Rgb(GREEN);
    o.m_clrBarUp = CCtlColor::Rgb(RED);
    o.m_clrBarDown = CCtlColor::Rgb(BLUE);
    o.m_strBarName = "Volume";
    o.m_strStackName1 = "Sold";
    o.m_strStackName2 = "Bought";
}

INSTANTIATE_TEST_SUITE_P(
    Table, KindLegend,
    ::testing::Values(
        KindLegendCase{"bars in one colour", DRAWKIND_BAR, [](CDrawObject& o) { Bars(o, 0, 0, 1); },
                       {{Entry::One, GREEN, GREEN, "Volume"}}},
        KindLegendCase{"bars coloured against the reference", DRAWKIND_BAR, [](CDrawObject& o) { Bars(o, 1, 0, 1); },
                       {{Entry::Two, RED, BLUE, "Volume"}}},
        KindLegendCase{"bars up and down from zero", DRAWKIND_BAR, [](CDrawObject& o) { Bars(o, 2, 0, 1); },
                       {{Entry::Two, RED, BLUE, "Volume"}}},
        KindLegendCase{"stacked bars: colour down first", DRAWKIND_BAR, [](CDrawObject& o) { Bars(o, 0, 1, 1); },
                       {{Entry::One, BLUE, BLUE, "Sold"}, {Entry::One, RED, RED, "Bought"}}},
        KindLegendCase{"bars without the name switch", DRAWKIND_BAR, [](CDrawObject& o) { Bars(o, 0, 0, 0); }, {}},
        KindLegendCase{"grouped bars: a line per named series", DRAWKIND_BAR2,
                       [](CDrawObject& o) {
                           o.m_nSeries = 3;
                           o.m_clrSeries[0] = CCtlColor::Rgb(RED);
                           o.m_clrSeries[1] = CCtlColor::Rgb(GREEN);
                           o.m_clrSeries[2] = CCtlColor::Rgb(BLUE);
                           o.m_strSeriesNames[0] = "First";
                           o.m_strSeriesNames[1] = "";
                           o.m_strSeriesNames[2] = "Third";
                       },
                       {{Entry::Line, RED, RED, "First"}, {Entry::Line, BLUE, BLUE, "Third"}}},
        KindLegendCase{"horizontal bars with a title", DRAWKIND_HBAR,
                       [](CDrawObject& o) {
                           o.m_strTitle = "Depth";
                           o.m_clrFirst = CCtlColor::Rgb(ORANGE);
                           o.m_clrSecond = CCtlColor::Rgb(BLUE);
                       },
                       {{Entry::Two, ORANGE, BLUE, "Depth"}}},
        KindLegendCase{"horizontal bars without a title", DRAWKIND_HBAR,
                       [](CDrawObject& o) { o.m_strTitle = ""; }, {}},
        KindLegendCase{"candles have no entry", DRAWKIND_CANDLE, [](CDrawObject&) {}, {}}));

} // namespace

namespace
{

struct Row
{
    CString title;
    int value;
    int previous;
};

std::vector<Row> TakeRows(CObList& rows)
{
    std::vector<Row> out;
    while (!rows.IsEmpty())
    {
        CSearchData* row = static_cast<CSearchData*>(rows.RemoveHead());
        out.push_back({row->m_strTitle, row->m_nValue, row->m_nReserved[0]});
        delete row;
    }
    return out;
}

// Candles, a line and a hidden line over three bars (newest first): axis position p shows data
// index 2 - p.
struct RowRegion : RegionFixture
{
    RowRegion()
    {
        Add(DRAWKIND_CANDLE, 1, {{13, 12, 11}, {23, 22, 21}, {3, 2, 1}, {15, 14, 13}});
        Add(DRAWKIND_LINE, 1, {{300, 200, 100}})->m_strObjectName = "MA";
        CDrawObject* hidden = Add(DRAWKIND_LINE, 1, {{9, 8, 7}});
        hidden->m_strObjectName = "Hidden";
        hidden->m_bShown = 0;
    }
};

TEST(RegionRows, LookupRowsOfTheVisibleObjectsInTheirOrder)
{
    RowRegion f;
    CObList rows;
    f.region.AddLookupRows(1, rows, 0);
    std::vector<Row> got = TakeRows(rows);
    const char* titles[] = {"시가", "고가", "저가", "종가", "MA"};
    const int values[] = {12, 22, 2, 14, 200}, previous[] = {13, 13, 13, 13, 100};
    ASSERT_EQ(5u, got.size());
    for (size_t i = 0; i < got.size(); ++i)
    {
        EXPECT_STREQ(titles[i], got[i].title) << i;
        EXPECT_EQ(values[i], got[i].value) << titles[i];
        EXPECT_EQ(previous[i], got[i].previous) << titles[i];
    }

    // The oldest bar has no bar before it; a tick chart's rows carry none either.
    f.region.AddLookupRows(0, rows, 0);
    got = TakeRows(rows);
    ASSERT_EQ(5u, got.size());
    EXPECT_EQ(11, got[0].value);
    EXPECT_EQ(SERIES_NODATA, got[0].previous);
    f.region.AddLookupRows(2, rows, 4);
    got = TakeRows(rows);
    ASSERT_EQ(5u, got.size());
    EXPECT_EQ(300, got[4].value);
    EXPECT_EQ(SERIES_NODATA, got[4].previous);

    // A position past the data gives rows without values.
    f.region.AddLookupRows(7, rows, 0);
    for (const Row& row : TakeRows(rows))
        EXPECT_EQ(SERIES_NODATA, row.value) << row.title;
}

TEST(RegionRows, TipRowsTakeHiddenObjectsToo)
{
    RowRegion f;
    CObList rows;
    f.region.AddTipRows(1, rows);
    std::vector<Row> got = TakeRows(rows);
    ASSERT_EQ(6u, got.size());
    EXPECT_STREQ("MA", got[4].title);
    EXPECT_STREQ("Hidden", got[5].title);
    EXPECT_EQ(8, got[5].value);
}

// The vertical grid stands at the time axis' label positions from the second on, when the
// chart shows it and the canvas has handed the positions in.
TEST(RegionPaint, VerticalGridAtTheTimeAxisLabels)
{
    const COLORREF GRID = RGB(90, 200, 90);
    CArray<int, int> positions;
    for (int x : {40, 80, 120})
        positions.Add(x);
    struct Case
    {
        int vertical;
        bool handed;
    } cases[] = {{1, true}, {0, true}, {1, false}};
    for (const Case& c : cases)
    {
        Painted p;
        p.properties.m_nHIndi = 0;
        p.properties.m_nVIndi = c.vertical;
        p.properties.m_clrHIndi = CCtlColor::Rgb(GRID);
        p.Add(DRAWKIND_LINE, 0, {std::vector<int>(20, 50)});
        p.region.SetGridPositions(c.handed ? &positions : nullptr);
        p.region.ComputeScales();
        p.Paint();
        const bool shown = c.vertical && c.handed;
        EXPECT_EQ(shown ? GRID : GREY, p.strip.At(80, 30)) << c.vertical << c.handed;
        EXPECT_EQ(shown ? GRID : GREY, p.strip.At(120, 100)) << c.vertical << c.handed;
        EXPECT_EQ(GREY, p.strip.At(80, 5)) << "starts 10 pixels below the top";
        EXPECT_EQ(GREY, p.strip.At(40, 30)) << "the first label has no grid line";
    }
}

} // namespace
