// Reflection: notifications a child sends its parent come back to the child's own map first.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "wnd_test_util.h"

namespace {

const UINT IDC_OWNERDRAW = 301;

// An owner-drawn button that draws itself through the reflected WM_DRAWITEM.
class CSelfDrawnButton : public CWnd
{
public:
    int m_draws = 0;
    UINT m_lastCtlId = 0;
    int m_clicks = 0;
    bool m_declineClicks = false;
    HBRUSH m_hBrush = NULL;
    int m_colorCalls = 0;
    int m_scrolls = 0;

protected:
    afx_msg void DrawItem(LPDRAWITEMSTRUCT lpdis)
    {
        ++m_draws;
        m_lastCtlId = lpdis->CtlID;
    }
    afx_msg BOOL OnClicked()
    {
        ++m_clicks;
        return !m_declineClicks;
    }
    afx_msg HBRUSH CtlColor(CDC*, UINT)
    {
        ++m_colorCalls;
        return m_hBrush;
    }
    afx_msg void HScroll(UINT nSBCode, UINT)
    {
        m_scrolls += nSBCode == SB_LINERIGHT ? 1 : 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSelfDrawnButton, CWnd)
    ON_WM_DRAWITEM_REFLECT()
    ON_CONTROL_REFLECT_EX(BN_CLICKED, OnClicked)
    ON_WM_CTLCOLOR_REFLECT()
    ON_WM_HSCROLL_REFLECT()
END_MESSAGE_MAP()

// Parents: one without handlers, one whose handlers call the framework's, one whose handlers
// keep the notifications to themselves.
enum class ParentKind
{
    NoHandlers,
    CallsBase,
    Swallows
};

class CParentWnd : public CWnd
{
public:
    ParentKind m_kind = ParentKind::NoHandlers;
    int m_parentDraws = 0;
    int m_parentClicks = 0;
    int m_parentColors = 0;

protected:
    afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpdis)
    {
        if (m_kind == ParentKind::NoHandlers)
            return CWnd::OnDrawItem(nIDCtl, lpdis);
        ++m_parentDraws;
        if (m_kind == ParentKind::CallsBase)
            CWnd::OnDrawItem(nIDCtl, lpdis);
    }
    afx_msg void OnButtonClicked() { ++m_parentClicks; }
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
    {
        ++m_parentColors;
        if (m_kind == ParentKind::Swallows)
            return (HBRUSH)::GetStockObject(BLACK_BRUSH);
        return CWnd::OnCtlColor(pDC, pWnd, nCtlColor);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CParentWnd, CWnd)
    ON_WM_DRAWITEM()
    ON_BN_CLICKED(IDC_OWNERDRAW, OnButtonClicked)
    ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

class Reflection : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateEx(0, NULL, "parent", WS_POPUP | WS_VISIBLE, 0, 0, 200, 100, NULL, NULL));
        HWND hButton = ::CreateWindowExA(0, "BUTTON", "draw me", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, 10, 10, 80,
                                         30, m_parent.m_hWnd, (HMENU)(UINT_PTR)IDC_OWNERDRAW,
                                         ::GetModuleHandleA(NULL), NULL);
        ASSERT_TRUE(m_button.SubclassWindow(hButton));
        PumpPending();
        m_button.m_draws = 0;
        m_parent.m_parentDraws = 0;
    }
    void TearDown() override { m_parent.DestroyWindow(); }
    // Makes the button paint itself for real: the system sends WM_DRAWITEM to the parent.
    void Repaint()
    {
        m_button.Invalidate();
        m_button.UpdateWindow();
    }
    CParentWnd m_parent;
    CSelfDrawnButton m_button;
};

struct DrawCase
{
    const char* name;
    ParentKind kind;
    int expectedChildDraws;
    int expectedParentDraws;
};

const DrawCase kDrawCases[] = {
    {"ParentWithoutHandler", ParentKind::NoHandlers, 1, 0},
    {"ParentHandlerCallsBase", ParentKind::CallsBase, 1, 1},
    {"ParentHandlerSwallows", ParentKind::Swallows, 0, 1},
};

class DrawItemReflection : public Reflection, public ::testing::WithParamInterface<DrawCase>
{
};

TEST_P(DrawItemReflection, OwnerDrawnButtonDrawsItself)
{
    const DrawCase& c = GetParam();
    m_parent.m_kind = c.kind;
    Repaint();
    EXPECT_EQ(m_button.m_draws, c.expectedChildDraws);
    EXPECT_EQ(m_parent.m_parentDraws, c.expectedParentDraws);
    if (c.expectedChildDraws > 0) {
        EXPECT_EQ(m_button.m_lastCtlId, IDC_OWNERDRAW);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, DrawItemReflection, ::testing::ValuesIn(kDrawCases),
                         [](const ::testing::TestParamInfo<DrawCase>& info) { return std::string(info.param.name); });

TEST_F(Reflection, ReflectedClickHandledByTheChildNeverReachesTheParent)
{
    ::SendMessageA(m_button.m_hWnd, BM_CLICK, 0, 0);
    EXPECT_EQ(m_button.m_clicks, 1);
    EXPECT_EQ(m_parent.m_parentClicks, 0);

    m_button.m_declineClicks = true; // the _EX handler declines: the parent sees it too
    ::SendMessageA(m_button.m_hWnd, BM_CLICK, 0, 0);
    EXPECT_EQ(m_button.m_clicks, 2);
    EXPECT_EQ(m_parent.m_parentClicks, 1);
}

TEST_F(Reflection, ReflectedColourWithABrushWinsWithoutOneTheParentDecides)
{
    HDC hDC = ::GetDC(m_button.m_hWnd);
    m_parent.m_kind = ParentKind::CallsBase;
    m_button.m_hBrush = (HBRUSH)::GetStockObject(WHITE_BRUSH);
    int nCalls = m_button.m_colorCalls;
    LRESULT lResult = ::SendMessageA(m_parent.m_hWnd, WM_CTLCOLORBTN, (WPARAM)hDC, (LPARAM)m_button.m_hWnd);
    EXPECT_EQ((HBRUSH)lResult, m_button.m_hBrush);
    EXPECT_EQ(m_button.m_colorCalls, nCalls + 1);

    m_button.m_hBrush = NULL; // no brush: the parent's default answer stands
    lResult = ::SendMessageA(m_parent.m_hWnd, WM_CTLCOLORBTN, (WPARAM)hDC, (LPARAM)m_button.m_hWnd);
    EXPECT_EQ(m_button.m_colorCalls, nCalls + 2);
    EXPECT_NE((HBRUSH)lResult, (HBRUSH)::GetStockObject(WHITE_BRUSH));
    ::ReleaseDC(m_button.m_hWnd, hDC);
}

TEST_F(Reflection, ScrollFromAControlIsReflected)
{
    ::SendMessageA(m_parent.m_hWnd, WM_HSCROLL, MAKEWPARAM(SB_LINERIGHT, 0), (LPARAM)m_button.m_hWnd);
    EXPECT_EQ(m_button.m_scrolls, 1);
    ::SendMessageA(m_parent.m_hWnd, WM_HSCROLL, MAKEWPARAM(SB_LINERIGHT, 0), 0);
    EXPECT_EQ(m_button.m_scrolls, 1) << "the window's own scroll bar has no control to reflect to";
}

// Reflected WM_NOTIFY with a result for the parent.
class CNotifyingChild : public CWnd
{
public:
    int m_notifies = 0;

protected:
    afx_msg void OnCustom(NMHDR*, LRESULT* pResult)
    {
        ++m_notifies;
        *pResult = 42;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CNotifyingChild, CWnd)
    ON_NOTIFY_REFLECT(-950, OnCustom)
END_MESSAGE_MAP()

TEST_F(Reflection, NotifyReflectAnswersTheParentsSender)
{
    CNotifyingChild child;
    ASSERT_TRUE(child.Create(NULL, "child", 0, CRect(0, 0, 10, 10), &m_parent, 500));
    NMHDR hdr = {child.m_hWnd, 500, (UINT)-950};
    EXPECT_EQ(::SendMessageA(m_parent.m_hWnd, WM_NOTIFY, 500, (LPARAM)&hdr), 42);
    EXPECT_EQ(child.m_notifies, 1);
    hdr.code = (UINT)-951;
    EXPECT_EQ(::SendMessageA(m_parent.m_hWnd, WM_NOTIFY, 500, (LPARAM)&hdr), 0);
    EXPECT_EQ(child.m_notifies, 1);
}

// The framework's own owner-drawn button class draws through its DrawItem.
class CDrawnCButton : public CButton
{
public:
    int m_draws = 0;
    void DrawItem(LPDRAWITEMSTRUCT) override { ++m_draws; }
};

TEST_F(Reflection, CButtonDrawItemIsCalledThroughReflection)
{
    CDrawnCButton button;
    ASSERT_TRUE(button.Create("drawn", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(0, 50, 80, 80), &m_parent, 302));
    PumpPending();
    button.m_draws = 0;
    button.Invalidate();
    button.UpdateWindow();
    EXPECT_EQ(button.m_draws, 1);
}

// Owner-drawn lists and combo boxes measure, sort and release their own items: the system sends
// WM_MEASUREITEM, WM_COMPAREITEM and WM_DELETEITEM to the parent, and the parent's framework
// handlers hand them back to the control's reflected entries, results included.
class COwnerDrawnItems : public CWnd
{
public:
    int m_measures = 0;
    int m_compares = 0;
    std::vector<DWORD_PTR> m_deleted;

protected:
    afx_msg void MeasureItem(LPMEASUREITEMSTRUCT p)
    {
        ++m_measures;
        p->itemHeight = 21;
    }
    afx_msg int CompareItem(LPCOMPAREITEMSTRUCT p)
    {
        ++m_compares;
        return p->itemData1 < p->itemData2 ? -1 : p->itemData1 > p->itemData2 ? 1 : 0;
    }
    afx_msg void DeleteItem(LPDELETEITEMSTRUCT p) { m_deleted.push_back(p->itemData); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(COwnerDrawnItems, CWnd)
    ON_WM_MEASUREITEM_REFLECT()
    ON_WM_COMPAREITEM_REFLECT()
    ON_WM_DELETEITEM_REFLECT()
END_MESSAGE_MAP()

struct OwnerDrawCase
{
    const char* name;
    const char* className;
    DWORD dwStyle;
    UINT nAdd, nReset, nGetData, nGetHeight;
};

const OwnerDrawCase kOwnerDrawCases[] = {
    {"ListBox", "LISTBOX", LBS_OWNERDRAWFIXED | LBS_SORT, LB_ADDSTRING, LB_RESETCONTENT, LB_GETITEMDATA,
     LB_GETITEMHEIGHT},
    {"ComboBox", "COMBOBOX", CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_SORT, CB_ADDSTRING, CB_RESETCONTENT,
     CB_GETITEMDATA, CB_GETITEMHEIGHT},
};

class OwnerDrawReflection : public Reflection, public ::testing::WithParamInterface<OwnerDrawCase>
{
};

TEST_P(OwnerDrawReflection, ItemsAreMeasuredSortedAndDeletedByTheControl)
{
    const OwnerDrawCase& c = GetParam();
    COwnerDrawnItems items;
    ASSERT_TRUE(items.CreateEx(0, c.className, "", WS_CHILD | WS_VISIBLE | c.dwStyle, 10, 50, 120, 100,
                               m_parent.m_hWnd, (HMENU)(UINT_PTR)303));
    EXPECT_GE(items.m_measures, 1) << "measured while it was created";
    EXPECT_EQ(items.SendMessage(c.nGetHeight, 0), 21);

    for (DWORD_PTR data : {30, 10, 20})
        items.SendMessage(c.nAdd, 0, (LPARAM)data);
    EXPECT_GE(items.m_compares, 2);
    std::vector<DWORD_PTR> order;
    for (int i = 0; i < 3; ++i)
        order.push_back((DWORD_PTR)items.SendMessage(c.nGetData, i));
    EXPECT_EQ(order, (std::vector<DWORD_PTR>{10, 20, 30})) << "the control's comparison sorted them";

    items.SendMessage(c.nReset);
    std::sort(items.m_deleted.begin(), items.m_deleted.end());
    EXPECT_EQ(items.m_deleted, (std::vector<DWORD_PTR>{10, 20, 30}));
    items.DestroyWindow();
}

INSTANTIATE_TEST_SUITE_P(Table, OwnerDrawReflection, ::testing::ValuesIn(kOwnerDrawCases),
                         [](const ::testing::TestParamInfo<OwnerDrawCase>& info) { return std::string(info.param.name); });

} // namespace
