// The scrolling grid list on real windows: offsets per scroll code and the wheel, cell
// rectangles and hits under scrolling, headers that stay, column resizing by a header edge and
// its 10-pixel guard, whole-row selection, and what a list paints (no bars, row lines covered).
#include <gtest/gtest.h>

#include <algorithm>

#include "list_fixture.h"

namespace {

class GridListTest : public ::testing::Test
{
protected:
    GridSkin skin;
    ListHost<CGridList> host{6, 30, 1, 1, WS_HSCROLL | WS_VSCROLL, CSize(300, 200)};
    CGridList& list = host.list;

    SCROLLINFO Info(int bar)
    {
        SCROLLINFO info = {sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
        list.GetScrollInfo(bar, &info, SIF_ALL);
        return info;
    }
    void Home()
    {
        list.SetScrollPosition(1, 0);
        list.SetScrollPosition(0, 0);
    }
};

TEST_F(GridListTest, ScrollInfoDescribesTheBody)
{
    const CRect body = list.GetDataRect();
    CRect client;
    list.GetClientRect(&client);
    const SCROLLINFO v = Info(SB_VERT), h = Info(SB_HORZ);
    EXPECT_EQ(body.bottom - 1 - body.top, v.nMax);
    EXPECT_EQ((UINT)(client.bottom - body.top), v.nPage);
    EXPECT_EQ(body.right - 1 - body.left, h.nMax);
    EXPECT_EQ((UINT)(client.right - body.left), h.nPage);
    EXPECT_EQ(list.GetPageSize(1), (int)v.nPage);
}

TEST_F(GridListTest, OffsetsPerScrollCode)
{
    const int vPage = (int)Info(SB_VERT).nPage, hPage = (int)Info(SB_HORZ).nPage;
    const int vLast = Info(SB_VERT).nMax - vPage + 1, hLast = Info(SB_HORZ).nMax - hPage + 1;
    const struct
    {
        UINT message, code;
        int repeat, v, h;
    } cases[] = {
        {WM_VSCROLL, SB_LINEDOWN, 1, 23, 0},    // the default row height
        {WM_VSCROLL, SB_LINEDOWN, 3, 69, 0},
        {WM_VSCROLL, SB_PAGEDOWN, 1, std::min(vPage, vLast), 0},
        {WM_VSCROLL, SB_PAGEDOWN, 50, vLast, 0}, // kept at the last page
        {WM_VSCROLL, SB_LINEUP, 1, 0, 0},        // never above the start
        {WM_VSCROLL, SB_ENDSCROLL, 1, 0, 0},
        {WM_HSCROLL, SB_LINEDOWN, 1, 0, 60},     // 60 pixels a line
        {WM_HSCROLL, SB_PAGEDOWN, 1, 0, std::min(hPage, hLast)},
        {WM_HSCROLL, SB_PAGEDOWN, 20, 0, hLast},
        {WM_HSCROLL, SB_PAGEUP, 1, 0, 0},
        {WM_HSCROLL, SB_THUMBPOSITION, 1, 0, 0},
    };
    for (const auto& c : cases) {
        Home();
        for (int i = 0; i < c.repeat; ++i)
            list.SendMessage(c.message, c.code, 0);
        EXPECT_EQ(c.v, list.GetVScrollOffset()) << c.message << " " << c.code << " x" << c.repeat;
        EXPECT_EQ(c.h, list.GetHScrollOffset()) << c.message << " " << c.code << " x" << c.repeat;
        EXPECT_EQ(c.v, list.GetScrollPos(SB_VERT));
        EXPECT_EQ(c.h, list.GetScrollPos(SB_HORZ));
    }
}

TEST_F(GridListTest, WheelScrollsByOneRowHeight)
{
    list.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, -120), MAKELPARAM(100, 100));
    EXPECT_EQ(23, list.GetVScrollOffset());
    list.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, 120), MAKELPARAM(100, 100));
    EXPECT_EQ(0, list.GetVScrollOffset());
}

TEST_F(GridListTest, CellRectanglesAndHitsFollowTheScroll)
{
    const CRect corner = list.GetCellRect(0, 0), head = list.GetCellRect(0, 5), top = list.GetCellRect(2, 0),
                body = list.GetCellRect(2, 5);
    list.SendMessage(WM_VSCROLL, SB_LINEDOWN, 0);
    list.SendMessage(WM_HSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(corner, list.GetCellRect(0, 0));
    EXPECT_EQ(CRect(head.left, head.top - 23, head.right, head.bottom - 23), list.GetCellRect(0, 5));
    EXPECT_EQ(CRect(top.left - 60, top.top, top.right - 60, top.bottom), list.GetCellRect(2, 0));
    EXPECT_EQ(CRect(body.left - 60, body.top - 23, body.right - 60, body.bottom - 23), list.GetCellRect(2, 5));
    tagGRDHITTEST hit;
    list.HitTest(list.GetCellRect(2, 5).CenterPoint(), &hit);
    EXPECT_EQ(2, hit.nCol);
    EXPECT_EQ(5, hit.nRow);
    EXPECT_EQ(GHT_BODY, hit.nFlags);
}

TEST_F(GridListTest, ScrollingRightMovesTheBodyAndLeavesHeaderColumns)
{
    list.SetBackColor(1, 3, skin::kCustomId);
    const CPoint inCell = list.GetCellRect(1, 3).CenterPoint() + CPoint(0, 5);
    const CPoint inHeader = list.GetCellRect(0, 3).CenterPoint() + CPoint(0, 5);
    EXPECT_EQ(skin::kCustom, ListPicture(list).Pixel(inCell.x, inCell.y));
    list.SendMessage(WM_HSCROLL, SB_LINEDOWN, 0);
    ListPicture after(list);
    EXPECT_EQ(skin::kBack, after.Pixel(inCell.x, inCell.y));        // column 2 shows there now
    EXPECT_EQ(skin::kHeaderBack, after.Pixel(inHeader.x, inHeader.y)); // the header column stays
    // Column 1's cell went under the header column: none of it shows.
    EXPECT_EQ(0, after.Count(CRect(0, 0, 300, 200), skin::kCustom));
}

TEST_F(GridListTest, ABodySmallerThanItsPageDoesNotScroll)
{
    ListHost<CGridList> small(3, 3, 1, 1, WS_VSCROLL, CSize(300, 200));
    small.list.SendMessage(WM_VSCROLL, SB_LINEDOWN, 0);
    small.list.SendMessage(WM_VSCROLL, SB_PAGEDOWN, 0);
    EXPECT_EQ(0, small.list.GetVScrollOffset());
}

// A bar hidden while the body fits comes back when columns widen or rows are added.
TEST_F(GridListTest, AHiddenBarReturnsWhenTheBodyOutgrowsThePage)
{
    ListHost<CGridList> fits(2, 3, 1, 1, WS_HSCROLL | WS_VSCROLL, CSize(300, 200));
    CGridList& l = fits.list;
    EXPECT_EQ(l.GetStyle() & (WS_HSCROLL | WS_VSCROLL), 0u);
    l.SetColumnWidth(0, 200);
    l.SetColumnWidth(1, 200);
    EXPECT_NE(l.GetStyle() & WS_HSCROLL, 0u);
    l.SetRowCount(30);
    EXPECT_NE(l.GetStyle() & WS_VSCROLL, 0u);
    // A list made without bars never gets one.
    ListHost<CGridList> bare(2, 30, 1, 1, 0, CSize(300, 200));
    bare.list.SetColumnWidth(0, 400);
    EXPECT_EQ(bare.list.GetStyle() & (WS_HSCROLL | WS_VSCROLL), 0u);
}

TEST_F(GridListTest, WithoutStandardBarsScrollMessagesMoveNothing)
{
    ListHost<CGridList> bare(6, 30, 1, 1, 0, CSize(300, 200));
    bare.list.SendMessage(WM_VSCROLL, SB_LINEDOWN, 0);
    bare.list.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, -120), 0);
    bare.list.SendMessage(WM_HSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(0, bare.list.GetVScrollOffset());
    EXPECT_EQ(0, bare.list.GetHScrollOffset());
}

TEST_F(GridListTest, DraggingAHeaderEdgeResizesItsColumnNoNarrowerThanTen)
{
    const int start = list.GetColumnStart(2), edge = start + list.GetColumnWidth(2) - 1;
    host.Mouse(WM_MOUSEMOVE, edge, 10);
    EXPECT_EQ(CGrid::CURSOR_RES1, list.GetCursorState());
    host.Mouse(WM_LBUTTONDOWN, edge, 10, MK_LBUTTON);
    EXPECT_EQ(2, list.GetResizeColumn());
    host.Mouse(WM_MOUSEMOVE, start + 5, 10, MK_LBUTTON);
    EXPECT_EQ(59, list.GetColumnWidth(2));
    host.Mouse(WM_MOUSEMOVE, start + 40, 120, MK_LBUTTON); // into the body: the drag goes on
    EXPECT_EQ(40, list.GetColumnWidth(2));
    EXPECT_EQ(start + 41, list.GetColumnStart(3));
    host.Mouse(WM_LBUTTONUP, start + 40, 120);
    EXPECT_EQ(-1, list.GetResizeColumn());
    EXPECT_EQ(NULL, ::GetCapture());
    // No message reached the parent for the press; the release is reported.
    EXPECT_EQ(std::vector<UINT>({WM_GRID_LBUTTONUP}), host.parent.Kinds());
}

TEST_F(GridListTest, AColumnEdgeInABodyRowStartsNoResize)
{
    const int edge = list.GetColumnStart(2) + list.GetColumnWidth(2) - 1;
    host.Mouse(WM_MOUSEMOVE, edge, 60);
    EXPECT_EQ(CGrid::CURSOR_ARROW, list.GetCursorState());
    host.Mouse(WM_LBUTTONDOWN, edge, 60, MK_LBUTTON);
    host.Mouse(WM_MOUSEMOVE, edge + 30, 60, MK_LBUTTON);
    host.Mouse(WM_LBUTTONUP, edge + 30, 60);
    EXPECT_EQ(59, list.GetColumnWidth(2));
}

TEST_F(GridListTest, RowSelectSelectsTheWholeBodyRow)
{
    list.SetRowSelect(1);
    const CPoint p = list.GetCellRect(3, 4).CenterPoint();
    host.Mouse(WM_LBUTTONDOWN, p.x, p.y, MK_LBUTTON);
    host.Mouse(WM_LBUTTONUP, p.x, p.y);
    CArray<tagCellInfo, tagCellInfo&> cells;
    list.GetSelectedCells(cells);
    ASSERT_EQ(5, cells.GetSize());
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(i + 1, cells[i].nCol);
        EXPECT_EQ(4, cells[i].nRow);
    }
}

TEST_F(GridListTest, BarCellsShowOnlyTheGround)
{
    list.SetCellStyle(2, 2, GCS_BAR);
    list.GetCellPtr(2, 2)->dBarValue = 60;
    list.SetCellText(2, 2, "12,345");
    const CRect cell = list.GetCellRect(2, 2);
    ListPicture picture(list);
    EXPECT_EQ(cell.Width() * cell.Height(), picture.Count(cell, skin::kBorder));
}

TEST_F(GridListTest, TextCellsCoverTheLineAboveThemUnlessRowLinesStay)
{
    const int x = list.GetCellRect(2, 3).CenterPoint().x;
    const int line = list.GetRowStart(3) - 1;
    EXPECT_EQ(skin::kBack, ListPicture(list).Pixel(x, line));
    // The first body row keeps the line under the header row.
    EXPECT_EQ(skin::kHeaderLine, ListPicture(list).Pixel(x, list.GetRowStart(1) - 1));
    list.SetRemoveRowLine(0);
    EXPECT_EQ(skin::kBorder, ListPicture(list).Pixel(x, line));
}

} // namespace
