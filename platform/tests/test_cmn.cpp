// Common controls: the wrappers drive the real comctl32 controls, and their notifications reach
// the parent's map or, reflected, the control's own.
#include <gtest/gtest.h>

#include <afxcmn.h>

#include "wnd_test_util.h"

namespace {

const UINT IDC_TAB = 401;
const UINT IDC_SPIN = 402;
const UINT IDC_BUDDY = 403;
const UINT IDC_DATE = 404;

class CControlHost : public CWnd
{
public:
    int m_tabChanges = 0;

protected:
    afx_msg void OnTabChange(NMHDR* pNMHDR, LRESULT* pResult)
    {
        if (pNMHDR->idFrom == IDC_TAB)
            ++m_tabChanges;
        *pResult = 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CControlHost, CWnd)
    ON_NOTIFY(TCN_SELCHANGE, IDC_TAB, OnTabChange)
END_MESSAGE_MAP()

// An up-down control that counts its steps itself (reflected UDN_DELTAPOS).
class CCountingSpin : public CSpinButtonCtrl
{
public:
    int m_delta = 0;

protected:
    afx_msg void OnDeltaPos(NMHDR* pNMHDR, LRESULT* pResult)
    {
        m_delta += reinterpret_cast<NMUPDOWN*>(pNMHDR)->iDelta;
        *pResult = 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCountingSpin, CSpinButtonCtrl)
    ON_NOTIFY_REFLECT(UDN_DELTAPOS, OnDeltaPos)
END_MESSAGE_MAP()

class CommonControls : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_host.CreateEx(0, NULL, "host", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300, NULL, NULL));
    }
    void TearDown() override { m_host.DestroyWindow(); }
    void Click(CWnd& wnd, CPoint pt)
    {
        wnd.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
        wnd.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
        PumpPending();
    }
    CControlHost m_host;
};

TEST_F(CommonControls, TabItemsSelectionAndClickNotification)
{
    CTabCtrl tab;
    ASSERT_TRUE(tab.Create(WS_VISIBLE, CRect(0, 0, 300, 200), &m_host, IDC_TAB));
    EXPECT_EQ(tab.InsertItem(0, "자동매매"), 0);
    EXPECT_EQ(tab.InsertItem(1, "시그널 내역"), 1);
    EXPECT_EQ(tab.InsertItem(2, "third"), 2);
    EXPECT_EQ(tab.GetItemCount(), 3);
    EXPECT_EQ(tab.SetCurSel(1), 0) << "the previous selection";
    EXPECT_EQ(tab.GetCurSel(), 1);

    char text[32] = "";
    TCITEM item = {};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = sizeof(text);
    ASSERT_TRUE(tab.GetItem(0, &item));
    EXPECT_STREQ(text, "자동매매");

    CRect rcItem;
    ASSERT_TRUE(tab.GetItemRect(2, &rcItem));
    Click(tab, rcItem.CenterPoint());
    EXPECT_EQ(tab.GetCurSel(), 2);
    EXPECT_EQ(m_host.m_tabChanges, 1) << "TCN_SELCHANGE reached the parent's ON_NOTIFY";

    CRect rc(0, 0, 300, 200);
    tab.AdjustRect(FALSE, &rc);
    EXPECT_GT(rc.top, 0) << "the display area lies below the tabs";
    EXPECT_TRUE(tab.DeleteItem(0));
    EXPECT_EQ(tab.GetItemCount(), 2);
    EXPECT_TRUE(tab.DeleteAllItems());
    EXPECT_EQ(tab.GetItemCount(), 0);
}

class CDrawnTab : public CTabCtrl
{
public:
    int m_draws = 0;
    void DrawItem(LPDRAWITEMSTRUCT) override { ++m_draws; }
};

TEST_F(CommonControls, OwnerDrawnTabsDrawThemselves)
{
    CDrawnTab tab;
    ASSERT_TRUE(tab.Create(WS_VISIBLE | TCS_OWNERDRAWFIXED, CRect(0, 0, 300, 200), &m_host, IDC_TAB));
    tab.InsertItem(0, "a");
    tab.InsertItem(1, "b");
    tab.m_draws = 0;
    tab.Invalidate();
    tab.UpdateWindow();
    EXPECT_EQ(tab.m_draws, 2);
}

TEST_F(CommonControls, SpinRangePositionBuddyAndReflectedSteps)
{
    HWND hBuddy = CreateForeignWindow("EDIT", m_host.m_hWnd, WS_CHILD | WS_VISIBLE);
    ::SetWindowLongA(hBuddy, GWL_ID, IDC_BUDDY);
    CCountingSpin spin;
    ASSERT_TRUE(spin.Create(WS_VISIBLE | UDS_SETBUDDYINT, CRect(100, 0, 120, 40), &m_host, IDC_SPIN));
    spin.SetBuddy(CWnd::FromHandle(hBuddy));
    EXPECT_EQ(spin.GetBuddy()->m_hWnd, hBuddy);
    spin.SetRange32(-10, 100);
    int lower = 0, upper = 0;
    spin.GetRange32(lower, upper);
    EXPECT_EQ(lower, -10);
    EXPECT_EQ(upper, 100);
    spin.SetPos32(50);
    BOOL bError = TRUE;
    EXPECT_EQ(spin.GetPos32(&bError), 50);
    EXPECT_FALSE(bError);
    CString text;
    CWnd::FromHandle(hBuddy)->GetWindowText(text);
    EXPECT_STREQ(text, "50");

    // A click on the upper arrow steps once, seen by the control through reflection.
    Click(spin, CPoint(10, 5));
    EXPECT_EQ(spin.m_delta, 1);
    EXPECT_EQ(spin.GetPos32(), 51);
    spin.SetRange(0, 9);
    spin.GetRange(lower, upper);
    EXPECT_EQ(lower, 0);
    EXPECT_EQ(upper, 9);
    CWnd::DeleteTempMap();
}

TEST_F(CommonControls, DateTimeValueRangeAndNone)
{
    CDateTimeCtrl date;
    ASSERT_TRUE(date.Create(WS_VISIBLE | DTS_SHOWNONE, CRect(0, 220, 200, 245), &m_host, IDC_DATE));
    CTime when(2024, 5, 17, 9, 30, 0);
    ASSERT_TRUE(date.SetTime(&when));
    CTime got;
    EXPECT_EQ(date.GetTime(got), (DWORD)GDT_VALID);
    EXPECT_EQ(got.GetYear(), 2024);
    EXPECT_EQ(got.GetMonth(), 5);
    EXPECT_EQ(got.GetDay(), 17);

    CTime lo(2020, 1, 1, 0, 0, 0), hi(2030, 12, 31, 0, 0, 0);
    ASSERT_TRUE(date.SetRange(&lo, &hi));
    CTime gotLo, gotHi;
    EXPECT_EQ(date.GetRange(&gotLo, &gotHi), (DWORD)(GDTR_MIN | GDTR_MAX));
    EXPECT_EQ(gotLo.GetYear(), 2020);
    EXPECT_EQ(gotHi.GetYear(), 2030);

    ASSERT_TRUE(date.SetTime((const CTime*)NULL));
    EXPECT_EQ(date.GetTime(got), (DWORD)GDT_NONE);
    EXPECT_TRUE(date.SetFormat("yyyy-MM-dd"));
}

TEST_F(CommonControls, ToolTipToolsTextsAndRectangles)
{
    CToolTipCtrl tip;
    ASSERT_TRUE(tip.Create(&m_host));
    EXPECT_TRUE(tip.GetStyle() & WS_POPUP);
    CRect area(0, 0, 40, 20);
    ASSERT_TRUE(tip.AddTool(&m_host, "매수", &area, 150));
    ASSERT_TRUE(tip.AddTool(&m_host, "whole window"));
    EXPECT_EQ(tip.GetToolCount(), 2);
    CString text;
    tip.GetText(text, &m_host, 150);
    EXPECT_STREQ(text.GetString(), "매수");
    tip.UpdateTipText("매도", &m_host, 150);
    tip.GetText(text, &m_host, 150);
    EXPECT_STREQ(text.GetString(), "매도");
    CRect moved(10, 10, 60, 30);
    tip.SetToolRect(&m_host, 150, &moved);
    CToolInfo info;
    ASSERT_TRUE(tip.GetToolInfo(info, &m_host, 150));
    EXPECT_EQ(CRect(info.rect), moved);
    EXPECT_STREQ(info.szText, "매도");
    MSG msg = {m_host.m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5), 0, {0, 0}};
    tip.RelayEvent(&msg); // taken without complaint
    tip.DelTool(&m_host, 150);
    EXPECT_EQ(tip.GetToolCount(), 1);
    tip.DelTool(&m_host);
    EXPECT_EQ(tip.GetToolCount(), 0);
    tip.DestroyWindow();
}

} // namespace
