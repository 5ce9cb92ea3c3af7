// The drop-down list as its owners create it (a bordered child of the desktop): geometry,
// scrolling, selection by the mouse, choosing and closing, and row drawing.
#include <gtest/gtest.h>

#include <memory>

#include "DropList.h"
#include "canvas.h"
#include "real_mouse.h"
#include "wnd_test_util.h"

namespace {

// The owner: records what the list posts and destroys the list when told to close, as the
// message line does.
class COwnerWnd : public CWnd
{
public:
    CBaseDropList* m_pList = NULL;
    std::vector<UINT> m_messages;
    std::vector<WPARAM> m_selectRows;
    std::vector<LPARAM> m_selectValues;
    int m_captures = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        switch (message) {
        case WM_DROPLIST_SELECT:
            m_messages.push_back(message);
            m_selectRows.push_back(wParam);
            m_selectValues.push_back(lParam);
            return 1;
        case WM_DROPLIST_CLOSE:
            m_messages.push_back(message);
            if (m_pList != NULL) {
                m_pList->DestroyWindow();
                delete m_pList;
                m_pList = NULL;
            }
            return 1;
        case WM_DROPLIST_SETCAPTURE: ++m_captures; return 1;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

CStringArray& Texts(CStringArray& array, int count, const char* prefix = "Entry ")
{
    array.RemoveAll();
    for (int i = 0; i < count; ++i) {
        CString text;
        text.Format("%s%d", prefix, i);
        array.Add(text);
    }
    return array;
}

class DropList : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_owner.CreateEx(0, NULL, "owner", WS_POPUP | WS_VISIBLE, 150, 270, 200, 20, NULL, NULL));
    }
    void TearDown() override
    {
        ::ReleaseCapture();
        delete m_owner.m_pList;
        m_owner.m_pList = NULL;
        m_owner.DestroyWindow();
    }
    // Opens a list as the message line does: settings first, then the window on the desktop.
    CBaseDropList* Open(int count, long rows, long selection = 0, ScrollDirection direction = SD_DOWNWARD,
                        CPoint at = CPoint(200, 300), long width = 150, int sizable = 0, BOOL force = FALSE,
                        const char* prefix = "Entry ")
    {
        CStringArray texts;
        CBaseDropList* list = new CBaseDropList;
        EXPECT_EQ(list->CreateControl(&m_owner, width, Texts(texts, count, prefix), rows, selection, sizable, direction,
                                      &m_extended),
                  1);
        list->SetTextAlign(0);
        list->SetForceWidth(force);
        EXPECT_TRUE(list->CreateEx(0, NULL, "", WS_CHILD | WS_BORDER, at.x, at.y, 150, 100, ::GetDesktopWindow(), NULL));
        m_owner.m_pList = list;
        return list;
    }
    CBaseDropList* List() { return m_owner.m_pList; }
    int ItemHeight() { return List()->GetDropListBox()->GetItemHeight(0); }
    CRect WindowRect(CWnd* pWnd)
    {
        CRect rect;
        pWnd->GetWindowRect(&rect);
        return rect;
    }
    bool ScrollBarShown() { return List()->GetDropListScrollBar()->IsWindowVisible() != FALSE; }
    int TopIndex() { return List()->GetDropListBox()->GetTopIndex(); }
    int ThumbPosition() { return List()->GetDropListScrollBar()->GetScrollPos(); }
    // Mouse input as the system routes it: to the window holding the capture, in its client
    // coordinates.
    void CapturedMouse(UINT message, CPoint screen)
    {
        HWND target = ::GetCapture();
        ASSERT_NE(target, (HWND)NULL);
        CPoint client = screen;
        ::ScreenToClient(target, &client);
        ::PostMessageA(target, message, message == WM_LBUTTONDOWN ? MK_LBUTTON : 0, MAKELPARAM(client.x, client.y));
        PumpPending();
    }
    CPoint RowCentre(int row)
    {
        CPoint point(40, (row - TopIndex()) * ItemHeight() + ItemHeight() / 2);
        List()->GetDropListBox()->ClientToScreen(&point);
        return point;
    }

    COwnerWnd m_owner;
    int m_extended = 0;
};

TEST_F(DropList, IsATopMostToolWindowOnTheDesktopThatTakesTheCapture)
{
    CBaseDropList* list = Open(3, 3);
    EXPECT_EQ(::GetParent(list->m_hWnd), ::GetDesktopWindow());
    EXPECT_TRUE(list->IsWindowVisible());
    EXPECT_TRUE(list->GetExStyle() & WS_EX_TOOLWINDOW);
    EXPECT_TRUE(list->GetExStyle() & WS_EX_TOPMOST);
    EXPECT_EQ(CWnd::GetCapture(), list);
    EXPECT_EQ(list->GetExtendedData(), &m_extended);
    EXPECT_GT(ItemHeight(), 4);
}

// Rows of the window's height (-1: the scroll bar's height), scroll bar, first selection.
struct GeometryCase
{
    const char* name;
    int count;
    long rows, selection;
    int heightRows;
    bool scrollBar;
    int selected;
};

class DropListGeometry : public DropList, public ::testing::WithParamInterface<GeometryCase>
{
};

TEST_P(DropListGeometry, HeightScrollBarAndSelectionFollowTheRows)
{
    const GeometryCase& c = GetParam();
    CBaseDropList* list = Open(c.count, c.rows, c.selection);
    const CRect window = WindowRect(list);
    const int height = c.heightRows < 0 ? ::GetSystemMetrics(SM_CYVSCROLL) : c.heightRows * ItemHeight() + 2;
    EXPECT_EQ(window, CRect(197, 301, 347, 301 + height));
    EXPECT_EQ(ScrollBarShown(), c.scrollBar);
    EXPECT_EQ(list->GetDropListBox()->GetCount(), c.count);
    EXPECT_EQ(list->GetDropListBox()->GetCurSel(), c.selected);
    CRect client, box;
    list->GetClientRect(&client);
    list->GetDropListBox()->GetClientRect(&box);
    EXPECT_EQ(box.Width(), client.Width() - (c.scrollBar ? ::GetSystemMetrics(SM_CXVSCROLL) : 0));
    if (c.scrollBar) {
        SCROLLINFO info = {sizeof info, SIF_ALL};
        ASSERT_TRUE(list->GetDropListScrollBar()->GetScrollInfo(&info));
        EXPECT_EQ(info.nMin, 0);
        EXPECT_EQ(info.nMax, c.count - 1);
        EXPECT_EQ(info.nPage, UINT(c.rows));
        EXPECT_EQ(info.nPos, TopIndex()); // the thumb shows the first selection's rows
        EXPECT_LE(TopIndex(), c.selected);
        EXPECT_GT(List()->GetDropListBox()->GetBottomIdx(), c.selected);
    }
}

const GeometryCase kGeometries[] = {
    {"AllRowsFit", 3, 3, 0, 3, false, -1},
    {"MoreRowsThanLimit", 10, 3, 0, 3, true, 0},
    {"SelectionBelowTheFirstPage", 10, 3, 6, 3, true, 6},
    {"FewerTextsThanRows", 2, 5, 0, 2, false, -1},
    {"NoRowLimit", 4, -1, 0, 4, false, -1},
    {"EmptyIsOneScrollBarHigh", 0, 3, 0, -1, false, -1},
};

INSTANTIATE_TEST_SUITE_P(Rows, DropListGeometry, ::testing::ValuesIn(kGeometries),
                         [](const ::testing::TestParamInfo<GeometryCase>& info) { return info.param.name; });

TEST_F(DropList, OpenedUpwardsLiesAboveThePositionGiven)
{
    CBaseDropList* list = Open(10, 3, 0, SD_UPWARD);
    const CRect window = WindowRect(list);
    EXPECT_EQ(window.bottom, 301);
    EXPECT_EQ(window.Height(), 3 * ItemHeight() + 2);
    EXPECT_EQ(window.left, 197);
}

struct WidthCase
{
    const char* name;
    long width;
    BOOL force;
    const char* prefix;
    int expected; // 0: wider than the window given, from the texts
};

class DropListWidth : public DropList, public ::testing::WithParamInterface<WidthCase>
{
};

TEST_P(DropListWidth, TakesTheWindowTheMinimumOrTheTextsWidth)
{
    const WidthCase& c = GetParam();
    CBaseDropList* list = Open(3, 3, 0, SD_DOWNWARD, CPoint(200, 300), c.width, 0, c.force, c.prefix);
    const int width = WindowRect(list).Width();
    if (c.expected != 0) {
        EXPECT_EQ(width, c.expected);
    } else {
        CSize text;
        list->GetDropListBox()->GetTextSize(CString(c.prefix) + "0  " + c.prefix + "0", text);
        EXPECT_GE(width, text.cx);
        EXPECT_GT(width, 150);
    }
}

const WidthCase kWidths[] = {
    {"WindowGiven", 100, FALSE, "Entry ", 150},
    {"AtLeastTheMinimum", 220, FALSE, "Entry ", 220},
    {"ForcedNarrower", 80, TRUE, "Entry ", 80},
    {"ForcedEvenForLongTexts", 90, TRUE, "A rather long entry of the history list ", 90},
    {"LongTexts", 100, FALSE, "A rather long entry of the history list ", 0},
};

INSTANTIATE_TEST_SUITE_P(Widths, DropListWidth, ::testing::ValuesIn(kWidths),
                         [](const ::testing::TestParamInfo<WidthCase>& info) { return info.param.name; });

TEST_F(DropList, EndsAtTheRightEndOfTheDoubledScreen)
{
    const int screenWidth = 2 * ::GetSystemMetrics(SM_CXSCREEN);
    CBaseDropList* list = Open(3, 3, 0, SD_DOWNWARD, CPoint(screenWidth - 50, 300));
    EXPECT_EQ(WindowRect(list).right, screenWidth);
    EXPECT_EQ(WindowRect(list).Width(), 150);
}

TEST_F(DropList, ASizableListHasAGripBelowItsScrollBar)
{
    CBaseDropList* list = Open(10, 3, 0, SD_DOWNWARD, CPoint(200, 300), 150, 1);
    CRect client, bar;
    list->GetClientRect(&client);
    bar = WindowRect(list->GetDropListScrollBar());
    list->ScreenToClient(&bar);
    EXPECT_EQ(bar.right, client.right);
    EXPECT_EQ(bar.bottom, client.bottom - ::GetSystemMetrics(SM_CYVSCROLL));
}

// Scroll-bar codes sent as the scroll bar sends them (to its parent, reflected back to it),
// and wheel turns on the list box.
struct ScrollStep
{
    UINT message;
    UINT code;
    int position;
    int expectedTop;
};

struct ScrollCase
{
    const char* name;
    std::vector<ScrollStep> steps;
};

class DropListScrolling : public DropList, public ::testing::WithParamInterface<ScrollCase>
{
};

TEST_P(DropListScrolling, MovesTheRowsAndTheThumbTogetherWithinTheRange)
{
    CBaseDropList* list = Open(10, 3);
    HWND bar = list->GetDropListScrollBar()->m_hWnd;
    for (const ScrollStep& step : GetParam().steps) {
        if (step.message == WM_VSCROLL)
            ::SendMessageA(list->m_hWnd, WM_VSCROLL, MAKEWPARAM(step.code, step.position), LPARAM(bar));
        else
            ::SendMessageA(list->GetDropListBox()->m_hWnd, WM_MOUSEWHEEL, MAKEWPARAM(0, short(step.position)),
                           MAKELPARAM(250, 310));
        EXPECT_EQ(TopIndex(), step.expectedTop) << step.code << " " << step.position;
        EXPECT_EQ(ThumbPosition(), step.expectedTop);
    }
}

const ScrollCase kScrolls[] = {
    {"Lines", {{WM_VSCROLL, SB_LINEDOWN, 0, 1}, {WM_VSCROLL, SB_LINEDOWN, 0, 2}, {WM_VSCROLL, SB_LINEUP, 0, 1}}},
    {"Pages", {{WM_VSCROLL, SB_PAGEDOWN, 0, 3}, {WM_VSCROLL, SB_PAGEDOWN, 0, 6}, {WM_VSCROLL, SB_PAGEUP, 0, 3}}},
    {"Thumb", {{WM_VSCROLL, SB_THUMBTRACK, 5, 5}, {WM_VSCROLL, SB_THUMBPOSITION, 2, 2}}},
    {"ClampedAtBothEnds",
     {{WM_VSCROLL, SB_LINEUP, 0, 0}, {WM_VSCROLL, SB_THUMBTRACK, 100, 7}, {WM_VSCROLL, SB_PAGEDOWN, 0, 7},
      {WM_VSCROLL, SB_TOP, 0, 0}, {WM_VSCROLL, SB_BOTTOM, 0, 7}}},
    {"Wheel", {{WM_MOUSEWHEEL, 0, -120, 1}, {WM_MOUSEWHEEL, 0, -120, 2}, {WM_MOUSEWHEEL, 0, 120, 1}}},
};

INSTANTIATE_TEST_SUITE_P(Steps, DropListScrolling, ::testing::ValuesIn(kScrolls),
                         [](const ::testing::TestParamInfo<ScrollCase>& info) { return info.param.name; });

TEST_F(DropList, TheWheelDoesNothingWithoutAScrollBar)
{
    CBaseDropList* list = Open(3, 3);
    EXPECT_EQ(::SendMessageA(list->GetDropListBox()->m_hWnd, WM_MOUSEWHEEL, MAKEWPARAM(0, -120), 0), TRUE);
    EXPECT_EQ(TopIndex(), 0);
}

TEST_F(DropList, TheRowUnderTheMouseIsSelectedUnlessDisabled)
{
    CBaseDropList* list = Open(5, 5, 0);
    CBaseDropListBox* box = list->GetDropListBox();
    const int h = ItemHeight();
    box->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(20, 2 * h + h / 2));
    EXPECT_EQ(box->GetCurSel(), 2);
    box->GetListItem(3)->m_bDisabled = TRUE;
    box->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(20, 3 * h + 1));
    EXPECT_EQ(box->GetCurSel(), 2);
    box->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(20, 4 * h + 1));
    EXPECT_EQ(box->GetCurSel(), 4);
    // A press on the disabled row chooses nothing.
    box->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 3 * h + 1));
    PumpPending();
    EXPECT_TRUE(m_owner.m_messages.empty());
    EXPECT_NE(List(), (CBaseDropList*)NULL);
}

TEST_F(DropList, TheMouseLeavingTheListBoxGivesTheCaptureBack)
{
    CBaseDropList* list = Open(5, 5, 0);
    CBaseDropListBox* box = list->GetDropListBox();
    box->SendMessage(WM_DROPLIST_SETCAPTURE);
    EXPECT_EQ(CWnd::GetCapture(), box);
    box->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(20, 2000));
    EXPECT_EQ(CWnd::GetCapture(), list);
}

TEST_F(DropList, AClickOnARowChoosesItThenCloses)
{
    CBaseDropList* list = Open(10, 3, 0);
    list->GetDropListBox()->GetListItem(1)->m_lValue = 77;
    CapturedMouse(WM_MOUSEMOVE, RowCentre(0)); // the drop list hands the capture to the list box
    EXPECT_EQ(CWnd::GetCapture(), list->GetDropListBox());
    CapturedMouse(WM_MOUSEMOVE, RowCentre(1));
    EXPECT_EQ(list->GetDropListBox()->GetCurSel(), 1);
    CapturedMouse(WM_LBUTTONDOWN, RowCentre(1));
    ASSERT_EQ(m_owner.m_messages.size(), 2u);
    EXPECT_EQ(m_owner.m_messages[0], UINT(WM_DROPLIST_SELECT));
    EXPECT_EQ(m_owner.m_messages[1], UINT(WM_DROPLIST_CLOSE));
    EXPECT_EQ(m_owner.m_selectRows[0], WPARAM(1));
    EXPECT_EQ(m_owner.m_selectValues[0], 77); // by value: the list is gone by now
    EXPECT_EQ(List(), (CBaseDropList*)NULL);
    EXPECT_EQ(CWnd::GetCapture(), (CWnd*)NULL);
}

TEST_F(DropList, AClickOutsideOnlyCloses)
{
    CBaseDropList* list = Open(10, 3, 0);
    const CPoint outside = WindowRect(list).BottomRight() + CPoint(40, 40);
    CapturedMouse(WM_MOUSEMOVE, RowCentre(1));
    EXPECT_EQ(CWnd::GetCapture(), list->GetDropListBox());
    CapturedMouse(WM_MOUSEMOVE, outside); // leaving the list box gives the capture back
    EXPECT_EQ(CWnd::GetCapture(), list);
    CapturedMouse(WM_LBUTTONDOWN, outside);
    ASSERT_EQ(m_owner.m_messages.size(), 1u);
    EXPECT_EQ(m_owner.m_messages[0], UINT(WM_DROPLIST_CLOSE));
    EXPECT_EQ(List(), (CBaseDropList*)NULL);
}

TEST_F(DropList, ARealClickOutsideCloses)
{
    CBaseDropList* list = Open(10, 3, 0);
    const CPoint outside = WindowRect(list).BottomRight() + CPoint(40, 40);
    MouseTo(outside);
    ASSERT_EQ(CWnd::GetCapture(), list);
    MouseButton(true);
    MouseButton(false);
    ASSERT_EQ(m_owner.m_messages.size(), 1u);
    EXPECT_EQ(m_owner.m_messages[0], UINT(WM_DROPLIST_CLOSE));
    EXPECT_EQ(List(), (CBaseDropList*)NULL);
    MouseTo(CPoint(5, 5));
}

TEST_F(DropList, ThePointerOverTheScrollBarMovesTheCaptureThere)
{
    CBaseDropList* list = Open(10, 3, 0);
    CRect bar = WindowRect(list->GetDropListScrollBar());
    CapturedMouse(WM_MOUSEMOVE, bar.CenterPoint());
    EXPECT_EQ(CWnd::GetCapture(), list->GetDropListScrollBar());
    CapturedMouse(WM_MOUSEMOVE, RowCentre(0)); // out of the bar: back to the drop list ...
    EXPECT_EQ(CWnd::GetCapture(), list);
    CapturedMouse(WM_MOUSEMOVE, RowCentre(0)); // ... which hands it to the list box
    EXPECT_EQ(CWnd::GetCapture(), list->GetDropListBox());
}

TEST_F(DropList, DrawsTheSelectedRowInAFramedPaleHighlight)
{
    CBaseDropList* list = Open(3, 3);
    CBaseDropListBox* box = list->GetDropListBox();
    Canvas canvas(120, 40, RGB(1, 2, 3));
    DRAWITEMSTRUCT draw = {};
    draw.CtlType = ODT_LISTBOX;
    draw.itemID = 0;
    draw.hwndItem = box->m_hWnd;
    draw.hDC = canvas.Handle();
    draw.rcItem = CRect(0, 0, 120, 20);
    draw.itemState = ODS_SELECTED;
    box->DrawItem(&draw);
    const COLORREF window = ::GetSysColor(COLOR_WINDOW), highlight = ::GetSysColor(COLOR_HIGHLIGHT);
    auto towards = [](int from, int to) { return from + (to - from) * 90 / 100; };
    const COLORREF pale = RGB(towards(GetRValue(highlight), GetRValue(window)),
                              towards(GetGValue(highlight), GetGValue(window)),
                              towards(GetBValue(highlight), GetBValue(window)));
    EXPECT_EQ(canvas.Pixel(0, 0), highlight);
    EXPECT_EQ(canvas.Pixel(119, 19), highlight);
    EXPECT_EQ(canvas.Pixel(2, 2), pale);
    EXPECT_EQ(canvas.Pixel(2, 25), RGB(1, 2, 3));
    draw.itemState = 0;
    draw.rcItem = CRect(0, 20, 120, 40);
    box->DrawItem(&draw);
    EXPECT_EQ(canvas.Pixel(0, 20), window);
    EXPECT_EQ(canvas.Pixel(2, 22), window);
}

} // namespace
