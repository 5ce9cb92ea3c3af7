// The grid's layout on a real window: extents of a new grid and after width, hide, height and
// border changes, rows and columns growing and shrinking, range and body rectangles, merges,
// and operations on cells outside the grid refused.
#include <gtest/gtest.h>

#include "grid_fixture.h"

namespace {

class GridLayout : public ::testing::Test
{
protected:
    GridSkin skin;
    GridHost host;
    CGrid& grid = host.grid;

    std::vector<int> ColumnStarts()
    {
        std::vector<int> starts;
        for (UINT c = 0; c < grid.GetColumnCount(); ++c)
            starts.push_back(grid.GetColumnStart(c));
        return starts;
    }
    // Whether anything of the grid waits to be repainted (and then forgets it).
    bool RepaintPending()
    {
        CRect update;
        const bool pending = grid.GetUpdateRect(&update) != 0;
        grid.ValidateRect(NULL);
        return pending;
    }
};

TEST_F(GridLayout, NewGridHasColumnsSixtyApartAndRowsTwentyThreeApart)
{
    ASSERT_NE(nullptr, grid.GetSafeHwnd());
    EXPECT_EQ((std::vector<int>{1, 61, 121, 181, 241}), ColumnStarts());
    for (UINT i = 0; i < 5; ++i) {
        EXPECT_EQ(59, grid.GetColumnWidth(i));
        EXPECT_EQ(1 + 23 * (int)i, grid.GetRowStart(i));
        EXPECT_EQ(22, grid.GetRowHeight(i));
    }
    EXPECT_EQ(CRect(61, 24, 120, 46), grid.GetCellRect(1, 1));
    EXPECT_EQ(1, grid.GetBorderWidth());
}

struct ExtentCase
{
    const char* name;
    void (*change)(CGrid&);
    std::vector<int> starts; // columns
    std::vector<int> widths;
};

class GridExtentChanges : public GridLayout, public ::testing::WithParamInterface<ExtentCase>
{
};

TEST_P(GridExtentChanges, LaterColumnsFollow)
{
    GetParam().change(grid);
    EXPECT_EQ(GetParam().starts, ColumnStarts());
    std::vector<int> widths;
    for (UINT c = 0; c < grid.GetColumnCount(); ++c)
        widths.push_back(grid.GetColumnWidth(c));
    EXPECT_EQ(GetParam().widths, widths);
}

INSTANTIATE_TEST_SUITE_P(
    Changes, GridExtentChanges,
    ::testing::Values(
        ExtentCase{"Wider", [](CGrid& g) { EXPECT_EQ(1, g.SetColumnWidth(1, 80)); },
                   {1, 61, 142, 202, 262}, {59, 80, 59, 59, 59}},
        ExtentCase{"Narrower", [](CGrid& g) { EXPECT_EQ(1, g.SetColumnWidth(3, 9)); },
                   {1, 61, 121, 181, 191}, {59, 59, 59, 9, 59}},
        ExtentCase{"Hidden", [](CGrid& g) { EXPECT_EQ(1, g.SetColumnVisible(1, 0)); },
                   {1, 61, 61, 121, 181}, {59, 59, 59, 59, 59}},
        ExtentCase{"HiddenTwiceIsOnce", [](CGrid& g) { g.SetColumnVisible(2, 0); g.SetColumnVisible(2, 0); },
                   {1, 61, 121, 121, 181}, {59, 59, 59, 59, 59}},
        ExtentCase{"HiddenAndShownAgain", [](CGrid& g) { g.SetColumnVisible(1, 0); g.SetColumnVisible(1, 1); },
                   {1, 61, 121, 181, 241}, {59, 59, 59, 59, 59}},
        ExtentCase{"HiddenAfterWider", [](CGrid& g) { g.SetColumnWidth(1, 99); g.SetColumnVisible(1, 0); },
                   {1, 61, 61, 121, 181}, {59, 99, 59, 59, 59}},
        // A wider border keeps the pitch: starts stay, inner sizes shrink.
        ExtentCase{"BorderThree", [](CGrid& g) { EXPECT_EQ(1, g.SetBorderWidth(3)); },
                   {1, 61, 121, 181, 241}, {57, 57, 57, 57, 57}},
        ExtentCase{"BorderNone", [](CGrid& g) { g.SetBorderWidth(0); },
                   {1, 61, 121, 181, 241}, {60, 60, 60, 60, 60}}),
    [](const ::testing::TestParamInfo<ExtentCase>& info) { return std::string(info.param.name); });

TEST_F(GridLayout, RowHeightMovesLaterRowsAndBorderShrinksRows)
{
    EXPECT_EQ(1, grid.SetRowHeight(2, 40));
    EXPECT_EQ(47, grid.GetRowStart(2));
    EXPECT_EQ(88, grid.GetRowStart(3));
    EXPECT_EQ(111, grid.GetRowStart(4));
    grid.SetBorderWidth(2);
    EXPECT_EQ(39, grid.GetRowHeight(2));
    EXPECT_EQ(21, grid.GetRowHeight(3));
    EXPECT_EQ(88, grid.GetRowStart(3));
}

TEST_F(GridLayout, SameSizeOrCountReturnsAtOnceWithoutRepaint)
{
    grid.UpdateWindow();
    RepaintPending();
    EXPECT_EQ(1, grid.SetRowCount(5));
    EXPECT_EQ(1, grid.SetColumnCount(5));
    EXPECT_EQ(1, grid.SetColumnWidth(2, 59));
    EXPECT_EQ(1, grid.SetRowHeight(2, 22));
    EXPECT_EQ(1, grid.SetColumnVisible(2, 1));
    EXPECT_FALSE(RepaintPending());
    EXPECT_EQ(1, grid.SetColumnWidth(2, 70));
    EXPECT_TRUE(RepaintPending());
}

TEST_F(GridLayout, RowsGrowFromTheLastRowAndShrinkDroppingCells)
{
    grid.SetRowHeight(4, 30);
    grid.SetCellText(2, 4, "kept");
    ASSERT_EQ(1, grid.SetRowCount(7));
    EXPECT_EQ(7u, grid.GetRowCount());
    // New rows copy the last row's extent.
    EXPECT_EQ(93 + 31, grid.GetRowStart(5));
    EXPECT_EQ(30, grid.GetRowHeight(6));
    EXPECT_EQ(CString("kept"), grid.GetCellText(2, 4));
    // New cells: centred, empty, the plain back colour; in the header column header style and
    // fixed text, still with the plain back colour.
    const tagCell* body = grid.GetCellPtr(2, 6);
    ASSERT_NE(nullptr, body);
    EXPECT_EQ(1u, body->nFlags);
    EXPECT_STREQ("", body->pszText);
    EXPECT_EQ(32, body->nBufSize);
    EXPECT_EQ(skin::kBack, body->pBackColor->m_clrColor);
    const tagCell* head = grid.GetCellPtr(0, 6);
    EXPECT_EQ(GCS_HEADER | GCF_FIXTEXT | 1u, head->nFlags);
    EXPECT_EQ(skin::kBack, head->pBackColor->m_clrColor);

    ASSERT_EQ(1, grid.SetRowCount(3));
    EXPECT_EQ(3u, grid.GetRowCount());
    EXPECT_EQ(nullptr, grid.GetCellPtr(2, 3));
    EXPECT_EQ(0, grid.SetRowCount(0));
    EXPECT_EQ(3u, grid.GetRowCount());
}

TEST_F(GridLayout, ColumnsGrowWithHeaderRowsAndShrink)
{
    grid.SetColumnWidth(4, 30);
    ASSERT_EQ(1, grid.SetColumnCount(7));
    EXPECT_EQ(241 + 31, grid.GetColumnStart(5));
    EXPECT_EQ(30, grid.GetColumnWidth(6));
    EXPECT_EQ(GCS_HEADER | GCF_FIXTEXT | 1u, grid.GetCellPtr(6, 0)->nFlags);
    EXPECT_EQ(1u, grid.GetCellPtr(6, 1)->nFlags);
    ASSERT_EQ(1, grid.SetColumnCount(2));
    EXPECT_EQ(nullptr, grid.GetCellPtr(2, 0));
    EXPECT_EQ(0, grid.SetColumnCount(0));
    EXPECT_EQ(2u, grid.GetColumnCount());
}

TEST_F(GridLayout, RangeAndBodyRectangles)
{
    EXPECT_EQ(CRect(61, 24, 300, 115), grid.GetDataRect());
    EXPECT_EQ(CRect(61, 24, 180, 69), grid.GetRect(1, 1, 2, 2));
    // Hidden columns at either end of the range are left out.
    grid.SetColumnVisible(3, 0);
    grid.SetColumnVisible(1, 0);
    EXPECT_EQ(CRect(61, 24, 120, 46), grid.GetRect(1, 1, 3, 1));
    GridHost bare(1, 1, 1, 1);
    EXPECT_TRUE(bare.grid.GetDataRect().IsRectEmpty());
}

TEST_F(GridLayout, MergeSpansTheRangeAndDemergeRestoresIt)
{
    ASSERT_EQ(1, grid.Merge(1, 1, 3, 2));
    EXPECT_EQ(CRect(61, 24, 240, 69), grid.GetCellRect(1, 1));
    const tagCell* origin = grid.GetCellPtr(1, 1);
    EXPECT_EQ(GCF_MERGED, origin->nFlags & (GCF_MERGED | GCF_COVERED));
    EXPECT_EQ(0x0201, origin->nMerge); // two columns and one row further
    const tagCell* covered = grid.GetCellPtr(2, 2);
    EXPECT_EQ(GCF_COVERED, covered->nFlags & (GCF_MERGED | GCF_COVERED));
    EXPECT_EQ(0x0101, covered->nMerge);
    EXPECT_EQ(0x0200, grid.GetCellPtr(3, 1)->nMerge);

    ASSERT_EQ(1, grid.Demerge(1, 1));
    for (UINT c = 1; c <= 3; ++c) {
        for (UINT r = 1; r <= 2; ++r) {
            EXPECT_EQ(0u, grid.GetCellPtr(c, r)->nFlags & (GCF_MERGED | GCF_COVERED)) << c << "," << r;
            EXPECT_EQ(0, grid.GetCellPtr(c, r)->nMerge);
        }
    }
    EXPECT_EQ(CRect(61, 24, 120, 46), grid.GetCellRect(1, 1));
}

TEST_F(GridLayout, MergeWiderThanItsBytesOrBackwardsIsRefused)
{
    ASSERT_EQ(1, grid.SetColumnCount(300));
    EXPECT_EQ(0, grid.Merge(1, 1, 257, 1)); // a span of 256 would wrap to 0
    EXPECT_EQ(0u, grid.GetCellPtr(1, 1)->nFlags & (GCF_MERGED | GCF_COVERED));
    EXPECT_EQ(0u, grid.GetCellPtr(200, 1)->nFlags & GCF_COVERED);
    EXPECT_EQ(1, grid.Merge(1, 1, 256, 1)); // 255 fits
    EXPECT_EQ(0xFF00, grid.GetCellPtr(1, 1)->nMerge);
    EXPECT_EQ(0, grid.Merge(3, 3, 2, 3));
    EXPECT_EQ(0, grid.Demerge(2, 2)); // not an origin
}

TEST_F(GridLayout, MergedAreaShrunkAwayKeepsItsRectangleInTheGrid)
{
    ASSERT_EQ(1, grid.Merge(2, 2, 4, 4));
    grid.SetColumnCount(4);
    grid.SetRowCount(4);
    EXPECT_EQ(CRect(121, 47, 240, 92), grid.GetCellRect(2, 2));
    EXPECT_EQ(1, grid.Demerge(2, 2));
}

// Every cell operation refuses a column or row outside the grid and changes nothing.
struct BadIndexCase
{
    const char* name;
    int (*op)(CGrid&);
};

class GridBadIndex : public GridLayout, public ::testing::WithParamInterface<BadIndexCase>
{
};

TEST_P(GridBadIndex, IsRefused)
{
    EXPECT_EQ(0, GetParam().op(grid));
    // The grid is intact: every cell still reads and draws.
    for (UINT c = 0; c < 5; ++c)
        for (UINT r = 0; r < 5; ++r)
            ASSERT_NE(nullptr, grid.GetCellPtr(c, r));
    EXPECT_EQ(59, grid.GetColumnWidth(4));
    EXPECT_EQ(22, grid.GetRowHeight(4));
}

INSTANTIATE_TEST_SUITE_P(
    Operations, GridBadIndex,
    ::testing::Values(
        BadIndexCase{"SetCellText", [](CGrid& g) { return g.SetCellText(5, 1, "x"); }},
        BadIndexCase{"SetCellTextRow", [](CGrid& g) { return g.SetCellText(1, 5, "x"); }},
        BadIndexCase{"SetBufferLength", [](CGrid& g) { return g.SetBufferLength(9, 9, 10); }},
        BadIndexCase{"SetCellData", [](CGrid& g) { return g.SetCellData(0, 77, 1); }},
        BadIndexCase{"SetBackColor", [](CGrid& g) { return g.SetBackColor(5, 0, 201); }},
        BadIndexCase{"SetForeColorRange", [](CGrid& g) { return g.SetForeColor(1, 1, 5, 1, 101, 1); }},
        BadIndexCase{"SetCellStyleRange", [](CGrid& g) { return g.SetCellStyle(1, 1, 1, 9, GCS_BAR, 1); }},
        BadIndexCase{"SetCellAlign", [](CGrid& g) { return g.SetCellAlign(100, 0, 2); }},
        BadIndexCase{"SetBarAlign", [](CGrid& g) { return g.SetBarAlign(0, 100, GCF_BARALIGN_RIGHT); }},
        BadIndexCase{"SetSign", [](CGrid& g) { return g.SetSign(5, 5, '2'); }},
        BadIndexCase{"SetCellBoldFont", [](CGrid& g) { return g.SetCellBoldFont(5, 0, 1); }},
        BadIndexCase{"SetCellHighlight", [](CGrid& g) { return g.SetCellHighlight(0, 5, 1, 1); }},
        BadIndexCase{"SetNoSelect", [](CGrid& g) { return g.SetNoSelect(0, 0, 4, 5, 1); }},
        BadIndexCase{"SetCheckControl", [](CGrid& g) { return g.SetCheckControl(5, 1); }},
        BadIndexCase{"SetButtonControl", [](CGrid& g) { return g.SetButtonControl(1, 5); }},
        BadIndexCase{"SetCheck", [](CGrid& g) { return g.SetCheck(5, 1, 1, 1); }},
        BadIndexCase{"SelectCell", [](CGrid& g) { return g.SelectCell(5, 1, 1); }},
        BadIndexCase{"SelectRange", [](CGrid& g) { return g.SelectCell(1, 1, 5, 1, 1); }},
        BadIndexCase{"Merge", [](CGrid& g) { return g.Merge(3, 3, 5, 4); }},
        BadIndexCase{"Demerge", [](CGrid& g) { return g.Demerge(7, 7); }},
        BadIndexCase{"SetColumnWidth", [](CGrid& g) { return g.SetColumnWidth(5, 10); }},
        BadIndexCase{"SetColumnVisible", [](CGrid& g) { return g.SetColumnVisible(5, 0); }},
        BadIndexCase{"SetRowHeight", [](CGrid& g) { return g.SetRowHeight(5, 10); }},
        BadIndexCase{"GetCellRect", [](CGrid& g) { return g.GetCellRect(5, 0).IsRectEmpty() ? 0 : 1; }},
        BadIndexCase{"GetBuffer", [](CGrid& g) { return g.GetBuffer(0, 5) == NULL ? 0 : 1; }},
        BadIndexCase{"GetCellText", [](CGrid& g) { return g.GetCellText(5, 0).IsEmpty() ? 0 : 1; }}),
    [](const ::testing::TestParamInfo<BadIndexCase>& info) { return std::string(info.param.name); });

TEST_F(GridLayout, GridAnswersTheIdentityQuery)
{
    EXPECT_EQ(256, grid.SendMessage(WM_USER + 9999, 0, 0));
    EXPECT_EQ(256, grid.SendMessage(WM_USER + 9999, 12345, -1));
}

} // namespace
