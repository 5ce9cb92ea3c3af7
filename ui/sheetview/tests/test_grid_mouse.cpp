// The grid and the mouse on real windows: the hit test, synthetic mouse messages with what the
// parent receives and in which order, the captured button press (released anywhere, or lost),
// selection and focus, cursors, and the in-place editor's commit.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "grid_fixture.h"

namespace {

class GridMouse : public ::testing::Test
{
protected:
    GridSkin skin;
    GridHost host;
    CGridTable& grid = host.grid;
    CRecordingParent& parent = host.parent;

    void Click(CPoint p)
    {
        host.Mouse(WM_LBUTTONDOWN, p.x, p.y, MK_LBUTTON);
        host.Mouse(WM_LBUTTONUP, p.x, p.y);
    }
    std::vector<tagCellInfo> Selected()
    {
        CArray<tagCellInfo, tagCellInfo&> cells;
        grid.GetSelectedCells(cells);
        return std::vector<tagCellInfo>(cells.GetData(), cells.GetData() + cells.GetSize());
    }
    int SelectedFlags()
    {
        int n = 0;
        for (UINT c = 0; c < grid.GetColumnCount(); ++c)
            for (UINT r = 0; r < grid.GetRowCount(); ++r)
                n += (grid.GetCellPtr(c, r)->nFlags & GCF_SELECTED) != 0;
        return n;
    }
    CWnd* Editor() { return grid.GetDlgItem(IDC_GRIDEDIT); }
};

struct HitCase
{
    CPoint point;
    int col, row;
    UINT flags;
};

TEST_F(GridMouse, HitTestOfPoints)
{
    // Column 1 is x 61..119 (its border at 120), row 1 is y 24..45 (border at 46).
    const HitCase cases[] = {
        {{90, 35}, 1, 1, 1},          // body
        {{90, 10}, 1, 0, 3},          // header row over a body column
        {{30, 10}, 0, 0, 6},          // corner header
        {{30, 35}, 0, 1, 5},          // header column beside a body row
        {{64, 35}, 1, 1, 1},
        {{63, 35}, 1, 1, 9},          // within two pixels right of the column's start
        {{62, 35}, 1, 1, 9},
        {{61, 35}, 0, 1, 9},          // the border pixel still belongs to the column before
        {{117, 35}, 1, 1, 1},
        {{118, 35}, 1, 1, 9},         // two pixels before the right edge
        {{90, 26}, 1, 1, 17},         // top edge of the row
        {{90, 44}, 1, 1, 17},         // bottom edge
        {{90, 27}, 1, 1, 1},
        {{90, 150}, 0, 0, 0},         // below the last row
        {{350, 35}, 0, 0, 0},         // right of the last column
        {{0, 35}, 0, 0, 0},           // left of the first column's start
    };
    for (const HitCase& c : cases) {
        tagGRDHITTEST hit = {-5, -5, 99};
        grid.HitTest(c.point, &hit);
        EXPECT_EQ(c.col, hit.nCol) << c.point.x << "," << c.point.y;
        EXPECT_EQ(c.row, hit.nRow) << c.point.x << "," << c.point.y;
        EXPECT_EQ(c.flags, hit.nFlags) << c.point.x << "," << c.point.y;
    }
}

TEST_F(GridMouse, HitTestReportsTheMergeOriginAndSkipsHiddenColumns)
{
    grid.Merge(1, 1, 2, 2);
    tagGRDHITTEST hit;
    grid.HitTest(CPoint(150, 55), &hit); // inside covered cell (2, 2)
    EXPECT_EQ(1, hit.nCol);
    EXPECT_EQ(1, hit.nRow);
    EXPECT_EQ(1u, hit.nFlags);
    grid.Demerge(1, 1);
    grid.SetColumnVisible(2, 0);
    grid.HitTest(CPoint(150, 35), &hit);
    EXPECT_EQ(3, hit.nCol);
    grid.SetColumnVisible(4, 0);
    grid.HitTest(CPoint(200, 35), &hit); // where column 4 would be
    EXPECT_EQ(0u, hit.nFlags);
}

TEST_F(GridMouse, ClickSelectsTheCellAndTellsTheParentDownThenUp)
{
    const CPoint p = host.Centre(3, 2);
    host.Mouse(WM_LBUTTONDOWN, p.x, p.y, MK_LBUTTON);
    ASSERT_EQ((std::vector<UINT>{WM_GRID_LBUTTONDOWN}), parent.Kinds());
    EXPECT_EQ(1001u, parent.m_messages[0].wParam);
    EXPECT_EQ(p, parent.m_messages[0].point);
    const std::vector<tagCellInfo> sel = Selected();
    ASSERT_EQ(1u, sel.size());
    EXPECT_EQ(3, sel[0].nCol);
    EXPECT_EQ(2, sel[0].nRow);
    host.Mouse(WM_LBUTTONUP, p.x, p.y);
    EXPECT_EQ((std::vector<UINT>{WM_GRID_LBUTTONDOWN, WM_GRID_LBUTTONUP}), parent.Kinds());
    EXPECT_EQ(p, parent.m_messages[1].point);
    // A new click moves the selection.
    Click(host.Centre(1, 1));
    EXPECT_EQ(1, SelectedFlags());
    EXPECT_EQ(1, Selected()[0].nCol);
}

TEST_F(GridMouse, ClickBelowTheLastRowChangesNothingButIsReported)
{
    grid.SelectCell(2, 2, 0);
    std::vector<UINT> before;
    for (UINT c = 0; c < 5; ++c)
        for (UINT r = 0; r < 5; ++r)
            before.push_back(grid.GetCellPtr(c, r)->nFlags);
    host.Mouse(WM_LBUTTONDOWN, 90, 180, MK_LBUTTON);
    EXPECT_TRUE(Selected().empty());
    std::vector<UINT> after;
    for (UINT c = 0; c < 5; ++c)
        for (UINT r = 0; r < 5; ++r)
            after.push_back(grid.GetCellPtr(c, r)->nFlags);
    before[2 * 5 + 2] &= ~GCF_SELECTED; // only the old selection went
    EXPECT_EQ(before, after);
    EXPECT_EQ((std::vector<UINT>{WM_GRID_LBUTTONDOWN}), parent.Kinds());
}

TEST_F(GridMouse, ButtonReleasedOutsideStillClicksAndReleasesTheCapture)
{
    grid.SetButtonControl(2, 2);
    const CPoint p = host.Centre(2, 2);
    host.Mouse(WM_LBUTTONDOWN, p.x, p.y, MK_LBUTTON);
    EXPECT_EQ(grid.m_hWnd, ::GetCapture());
    EXPECT_TRUE(grid.GetCellPtr(2, 2)->nFlags & GCF_PRESSED);
    host.Mouse(WM_LBUTTONUP, -50, 400);
    EXPECT_EQ((std::vector<UINT>{WM_GRID_LBUTTONDOWN, WM_GRID_BUTTONCLICK, WM_GRID_LBUTTONUP}), parent.Kinds());
    EXPECT_EQ(2, parent.m_messages[1].cell.nCol);
    EXPECT_EQ(2, parent.m_messages[1].cell.nRow);
    EXPECT_EQ(1001u, parent.m_messages[1].wParam);
    EXPECT_EQ(CPoint(-50, 400), parent.m_messages[2].point);
    EXPECT_EQ(NULL, ::GetCapture());
    EXPECT_FALSE(grid.GetCellPtr(2, 2)->nFlags & GCF_PRESSED);
    // The press is over: another release clicks nothing.
    host.Mouse(WM_LBUTTONUP, p.x, p.y);
    const std::vector<UINT> kinds = parent.Kinds();
    EXPECT_EQ(1, (int)std::count(kinds.begin(), kinds.end(), (UINT)WM_GRID_BUTTONCLICK));
}

struct LostCaptureCase
{
    const char* name;
    void (*lose)(CWnd& other);
};

class GridLostCapture : public GridMouse, public ::testing::WithParamInterface<LostCaptureCase>
{
};

TEST_P(GridLostCapture, EndsThePressWithoutAClick)
{
    CWnd other;
    other.CreateEx(0, AfxRegisterWndClass(0), "other", WS_POPUP | WS_VISIBLE, CRect(500, 40, 560, 90), NULL, 0);
    grid.SetButtonControl(2, 2);
    const CPoint p = host.Centre(2, 2);
    host.Mouse(WM_LBUTTONDOWN, p.x, p.y, MK_LBUTTON);
    ASSERT_EQ(grid.m_hWnd, ::GetCapture());
    GetParam().lose(other);
    EXPECT_FALSE(grid.GetCellPtr(2, 2)->nFlags & GCF_PRESSED);
    EXPECT_NE(grid.m_hWnd, ::GetCapture());
    host.Mouse(WM_LBUTTONUP, p.x, p.y);
    EXPECT_EQ((std::vector<UINT>{WM_GRID_LBUTTONDOWN, WM_GRID_LBUTTONUP}), parent.Kinds());
    ::ReleaseCapture();
    other.DestroyWindow();
}

INSTANTIATE_TEST_SUITE_P(
    Ways, GridLostCapture,
    ::testing::Values(LostCaptureCase{"AnotherWindowTakesIt", [](CWnd& other) { other.SetCapture(); }},
                      LostCaptureCase{"ReleasedBehindItsBack", [](CWnd&) { ::ReleaseCapture(); }},
                      LostCaptureCase{"FocusMovesAway", [](CWnd& other) { other.SetFocus(); }}),
    [](const ::testing::TestParamInfo<LostCaptureCase>& info) { return std::string(info.param.name); });

TEST_F(GridMouse, CheckBoxClicksToggleWithoutSelecting)
{
    grid.SetCheckControl(1, 1);
    Click(host.Centre(1, 1));
    EXPECT_EQ(1, grid.IsChecked(1, 1));
    EXPECT_TRUE(Selected().empty());
    Click(host.Centre(1, 1));
    EXPECT_EQ(0, grid.IsChecked(1, 1));
}

TEST_F(GridMouse, DoubleClickAndRightButtonAreReported)
{
    const CPoint p = host.Centre(2, 3);
    host.Mouse(WM_LBUTTONDBLCLK, p.x, p.y, MK_LBUTTON);
    ASSERT_EQ((std::vector<UINT>{WM_GRID_LBUTTONDBLCLK}), parent.Kinds());
    EXPECT_EQ(2, parent.m_messages[0].hit.nCol);
    EXPECT_EQ(3, parent.m_messages[0].hit.nRow);
    EXPECT_EQ(1u, parent.m_messages[0].hit.nFlags);
    host.Mouse(WM_RBUTTONDOWN, 5, 7, MK_RBUTTON);
    ASSERT_EQ(2u, parent.m_messages.size());
    EXPECT_EQ((UINT)WM_GRID_RBUTTONDOWN, parent.m_messages[1].message);
    CPoint screen(5, 7);
    grid.ClientToScreen(&screen);
    EXPECT_EQ(screen, parent.m_messages[1].point);
}

TEST_F(GridMouse, SelectedCellsComeByRowThenColumn)
{
    grid.SelectCell(3, 1, 0);
    grid.SelectCell(1, 2, 0);
    grid.SelectCell(4, 1, 0);
    const std::vector<tagCellInfo> sel = Selected();
    ASSERT_EQ(3u, sel.size());
    EXPECT_EQ(3, sel[0].nCol);
    EXPECT_EQ(1, sel[0].nRow);
    EXPECT_EQ(4, sel[1].nCol);
    EXPECT_EQ(1, sel[2].nCol);
    EXPECT_EQ(2, sel[2].nRow);
    EXPECT_EQ(1, grid.SelectCell(1, 3, 2, 4, 0));
    EXPECT_EQ(7u, Selected().size());
    EXPECT_EQ(0, grid.SelectCell(2, 3, 1, 3, 0)); // backwards: nothing
    EXPECT_EQ(7, SelectedFlags());
}

TEST_F(GridMouse, FocusLossClearsTheSelectionUnlessKept)
{
    for (int keep : {0, 1}) {
        grid.KeepSelection(keep);
        grid.SetFocus();
        Click(host.Centre(2, 2));
        ASSERT_EQ(1, SelectedFlags());
        parent.SetFocus();
        EXPECT_EQ(keep ? 1 : 0, SelectedFlags()) << keep;
        EXPECT_EQ(keep ? 1u : 0u, Selected().size()) << keep;
    }
}

TEST_F(GridMouse, CellSelectionOffSelectsNothing)
{
    grid.SelectCell(1, 1, 0);
    grid.SetUseCellSelect(0);
    EXPECT_TRUE(Selected().empty());
    Click(host.Centre(2, 2));
    EXPECT_EQ(0, SelectedFlags());
}

TEST_F(GridMouse, TableSelectsWholeBodyRows)
{
    grid.SetRowSelect(1);
    Click(host.Centre(2, 3));
    const std::vector<tagCellInfo> sel = Selected();
    ASSERT_EQ(4u, sel.size());
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(i + 1, sel[i].nCol);
        EXPECT_EQ(3, sel[i].nRow);
    }
    Click(CPoint(90, 180)); // below the last row: no row
    EXPECT_EQ(0, SelectedFlags());
    grid.SetUseCellSelect(0);
    Click(host.Centre(2, 3));
    EXPECT_EQ(0, SelectedFlags());
}

TEST_F(GridMouse, CursorFollowsEditableCellsAndLeaving)
{
    grid.SetCellStyle(2, 2, GCS_EDIT);
    CPoint p = host.Centre(2, 2);
    host.Mouse(WM_MOUSEMOVE, p.x, p.y);
    EXPECT_EQ(CGrid::CURSOR_IBEAM, grid.GetCursorState());
    EXPECT_EQ(::LoadCursor(NULL, IDC_IBEAM), ::GetCursor());
    p = host.Centre(3, 3);
    host.Mouse(WM_MOUSEMOVE, p.x, p.y);
    EXPECT_EQ(CGrid::CURSOR_ARROW, grid.GetCursorState());
    grid.SetCursorState(CGrid::CURSOR_IBEAM);
    grid.SendMessage(WM_MOUSELEAVE);
    EXPECT_EQ(CGrid::CURSOR_ARROW, grid.GetCursorState());
    EXPECT_EQ(::LoadCursor(NULL, IDC_ARROW), ::GetCursor());
}

TEST_F(GridMouse, ResourceCursorsComeFromTheLibrary)
{
    for (int state : {CGrid::CURSOR_RES1, CGrid::CURSOR_RES2}) {
        grid.SetCursorState(state);
        const HCURSOR cursor = ::GetCursor();
        EXPECT_NE(nullptr, cursor) << state;
        EXPECT_NE(::LoadCursor(NULL, IDC_ARROW), cursor) << state;
    }
    grid.SetCursorState(CGrid::CURSOR_RES1);
    const HCURSOR first = ::GetCursor();
    grid.SetCursorState(CGrid::CURSOR_RES2);
    EXPECT_NE(first, ::GetCursor());
}

class GridEditing : public GridMouse
{
protected:
    void SetUp() override
    {
        grid.SetCellStyle(2, 2, GCS_EDIT);
        grid.SetCellText(2, 2, "abc");
    }
    void Type(const std::string& text)
    {
        for (char ch : text)
            Editor()->SendMessage(WM_CHAR, (BYTE)ch, 1);
    }
    std::string EditorText() { return static_cast<CBaseEdit*>(Editor())->GetData(); }
};

TEST_F(GridEditing, ClickOpensTheEditorOverTheCellAndFocusLossCommits)
{
    Click(host.Centre(2, 2));
    ASSERT_NE(nullptr, Editor());
    EXPECT_EQ(1, grid.IsEditing());
    EXPECT_TRUE(Editor()->IsWindowVisible());
    EXPECT_EQ(Editor()->m_hWnd, ::GetFocus());
    CRect placed;
    Editor()->GetWindowRect(&placed);
    grid.ScreenToClient(&placed);
    EXPECT_EQ(grid.GetCellRect(2, 2), placed);
    EXPECT_EQ("abc", EditorText());
    Type("xy"); // the text was selected whole: typing replaces it
    parent.m_messages.clear();
    parent.SetFocus();
    EXPECT_EQ(CString("xy"), grid.GetCellText(2, 2));
    EXPECT_EQ(0, grid.IsEditing());
    EXPECT_FALSE(Editor()->IsWindowVisible());
    ASSERT_EQ((std::vector<UINT>{WM_GRID_SETEDITDATA}), parent.Kinds());
    EXPECT_EQ(1001u, parent.m_messages[0].wParam);
    EXPECT_EQ((2 << 16) + 2, parent.m_messages[0].lParam);
    // A second focus loss commits nothing more.
    grid.SetFocus();
    parent.SetFocus();
    EXPECT_EQ(1u, parent.m_messages.size());
}

TEST_F(GridEditing, EnterEndsTheEdit)
{
    Click(host.Centre(2, 2));
    Type("q");
    Editor()->SendMessage(WM_KEYDOWN, VK_RETURN, 1);
    EXPECT_EQ(grid.m_hWnd, ::GetFocus());
    EXPECT_EQ(CString("q"), grid.GetCellText(2, 2));
    EXPECT_EQ(0, grid.IsEditing());
}

TEST_F(GridEditing, ASmallCellBufferStillTakesThirtyTwoCharacters)
{
    grid.SetBufferLength(2, 2, 10);
    Click(host.Centre(2, 2));
    Type(std::string(40, 'z'));
    EXPECT_EQ(std::string(32, 'z'), EditorText());
    parent.SetFocus();
    EXPECT_EQ(CString(std::string(32, 'z').c_str()), grid.GetCellText(2, 2));
}

} // namespace
