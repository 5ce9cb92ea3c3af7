// Message maps: every handler kind receives the arguments cracked from the real message, and its
// result goes back to the sender.
#include <gtest/gtest.h>

#include <stdio.h>

#include "wnd_test_util.h"

namespace {

HWND g_hOther = NULL; // a foreign window handed to handlers that take a CWnd*
HMENU g_hMenu = NULL; // a menu handed to handlers that take a menu
UINT g_nRegistered = ::RegisterWindowMessageA("Molvane.Test.Registered");

std::string Who(const CWnd* pWnd)
{
    if (pWnd == NULL)
        return "NULL";
    return pWnd->m_hWnd == g_hOther ? "OTHER" : "?";
}

std::string Fmt(const char* format, ...)
{
    char buffer[256];
    va_list args;
    va_start(args, format);
    vsnprintf(buffer, sizeof(buffer), format, args);
    va_end(args);
    return buffer;
}

class CProbeWnd : public CWnd
{
public:
    std::string m_log;
    HDC m_hExpectedDC = NULL;

protected:
    std::string DC(CDC* pDC) const { return pDC != NULL && pDC->m_hDC == m_hExpectedDC ? "DC" : "?"; }

    afx_msg void OnSize(UINT nType, int cx, int cy) { m_log = Fmt("OnSize %u %d %d", nType, cx, cy); }
    afx_msg void OnMove(int x, int y) { m_log = Fmt("OnMove %d %d", x, y); }
    afx_msg void OnTimer(UINT_PTR nIDEvent) { m_log = Fmt("OnTimer %u", (unsigned)nIDEvent); }
    afx_msg void OnLButtonDown(UINT nFlags, CPoint pt) { m_log = Fmt("OnLButtonDown %u %d %d", nFlags, pt.x, pt.y); }
    afx_msg void OnRButtonUp(UINT nFlags, CPoint pt) { m_log = Fmt("OnRButtonUp %u %d %d", nFlags, pt.x, pt.y); }
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint pt) { m_log = Fmt("OnLButtonDblClk %u %d %d", nFlags, pt.x, pt.y); }
    afx_msg void OnMouseMove(UINT nFlags, CPoint pt) { m_log = Fmt("OnMouseMove %u %d %d", nFlags, pt.x, pt.y); }
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
    {
        m_log = Fmt("OnMouseWheel %u %d %d %d", nFlags, zDelta, pt.x, pt.y);
        return TRUE;
    }
    afx_msg void OnKeyDown(UINT nChar, UINT nRep, UINT nFlags) { m_log = Fmt("OnKeyDown %u %u %u", nChar, nRep, nFlags); }
    afx_msg void OnChar(UINT nChar, UINT nRep, UINT nFlags) { m_log = Fmt("OnChar %u %u %u", nChar, nRep, nFlags); }
    afx_msg void OnSetFocus(CWnd* pOld) { m_log = "OnSetFocus " + Who(pOld); }
    afx_msg void OnKillFocus(CWnd* pNew) { m_log = "OnKillFocus " + Who(pNew); }
    afx_msg void OnCaptureChanged(CWnd* pWnd) { m_log = "OnCaptureChanged " + Who(pWnd); }
    afx_msg LRESULT OnNcHitTest(CPoint pt)
    {
        m_log = Fmt("OnNcHitTest %d %d", pt.x, pt.y);
        return HTCAPTION;
    }
    afx_msg BOOL OnNcActivate(BOOL bActive)
    {
        m_log = Fmt("OnNcActivate %d", bActive);
        return 7;
    }
    afx_msg void OnNcCalcSize(BOOL bCalc, NCCALCSIZE_PARAMS* p)
    {
        m_log = Fmt("OnNcCalcSize %d %ld", bCalc, p->rgrc[0].right);
    }
    afx_msg void OnNcLButtonDown(UINT nHit, CPoint pt) { m_log = Fmt("OnNcLButtonDown %u %d %d", nHit, pt.x, pt.y); }
    afx_msg void OnNcMouseMove(UINT nHit, CPoint pt) { m_log = Fmt("OnNcMouseMove %u %d %d", nHit, pt.x, pt.y); }
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHit, UINT message)
    {
        m_log = Fmt("OnSetCursor %s %d %u", Who(pWnd).c_str(), (int)nHit, message);
        return TRUE;
    }
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus) { m_log = Fmt("OnShowWindow %d %u", bShow, nStatus); }
    afx_msg void OnActivate(UINT nState, CWnd* pOther, BOOL bMin)
    {
        m_log = Fmt("OnActivate %u %s %d", nState, Who(pOther).c_str(), bMin);
    }
    afx_msg void OnGetMinMaxInfo(MINMAXINFO* p)
    {
        m_log = Fmt("OnGetMinMaxInfo %ld", p->ptMaxTrackSize.x);
        p->ptMaxTrackSize.x = 1375;
    }
    afx_msg void OnHScroll(UINT nCode, UINT nPos, CScrollBar* pBar)
    {
        m_log = Fmt("OnHScroll %u %u %s", nCode, nPos, Who(reinterpret_cast<CWnd*>(pBar)).c_str());
    }
    afx_msg void OnVScroll(UINT nCode, UINT nPos, CScrollBar* pBar)
    {
        m_log = Fmt("OnVScroll %u %u %s", nCode, nPos, Who(reinterpret_cast<CWnd*>(pBar)).c_str());
    }
    afx_msg BOOL OnCopyData(CWnd* pFrom, COPYDATASTRUCT* pcds)
    {
        m_log = Fmt("OnCopyData %s %lu %lu %s", Who(pFrom).c_str(), (unsigned long)pcds->dwData,
                    (unsigned long)pcds->cbData, (const char*)pcds->lpData);
        return TRUE;
    }
    afx_msg void OnSysCommand(UINT nID, LPARAM lParam) { m_log = Fmt("OnSysCommand %u %ld", nID, (long)lParam); }
    afx_msg void OnWindowPosChanging(WINDOWPOS* p) { m_log = Fmt("OnWindowPosChanging %d %d", p->x, p->y); }
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint pt)
    {
        m_log = Fmt("OnContextMenu %s %d %d", Who(pWnd).c_str(), pt.x, pt.y);
    }
    afx_msg void OnSettingChange(UINT uFlags, LPCTSTR lpszSection)
    {
        m_log = Fmt("OnSettingChange %u %s", uFlags, lpszSection);
    }
    afx_msg BOOL OnEraseBkgnd(CDC* pDC)
    {
        m_log = "OnEraseBkgnd " + DC(pDC);
        return TRUE;
    }
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
    {
        m_log = Fmt("OnCtlColor %s %s %u", DC(pDC).c_str(), Who(pWnd).c_str(), nCtlColor);
        return (HBRUSH)::GetStockObject(GRAY_BRUSH);
    }
    afx_msg void OnDrawItem(int nID, LPDRAWITEMSTRUCT p) { m_log = Fmt("OnDrawItem %d %u", nID, p->itemID); }
    afx_msg void OnMeasureItem(int nID, LPMEASUREITEMSTRUCT p)
    {
        m_log = Fmt("OnMeasureItem %d %u", nID, p->itemID);
        p->itemHeight = 33;
    }
    afx_msg int OnCompareItem(int nID, LPCOMPAREITEMSTRUCT p)
    {
        m_log = Fmt("OnCompareItem %d %u %u", nID, p->itemID1, p->itemID2);
        return -1;
    }
    afx_msg void OnDeleteItem(int nID, LPDELETEITEMSTRUCT p) { m_log = Fmt("OnDeleteItem %d %u", nID, p->itemID); }
    afx_msg int OnMouseActivate(CWnd* pDesktop, UINT nHit, UINT message)
    {
        m_log = Fmt("OnMouseActivate %s %u %u", Who(pDesktop).c_str(), nHit, message);
        return MA_NOACTIVATE;
    }
    afx_msg void OnInitMenuPopup(CMenu* pMenu, UINT nIndex, BOOL bSysMenu)
    {
        m_log = Fmt("OnInitMenuPopup %s %u %d", pMenu != NULL && pMenu->m_hMenu == g_hMenu ? "MENU" : "?", nIndex,
                    bSysMenu);
    }
    afx_msg void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hMenu)
    {
        m_log = Fmt("OnMenuSelect %u %u %s", nItemID, nFlags, hMenu == g_hMenu ? "MENU" : "?");
    }
    afx_msg void OnSizing(UINT fwSide, LPRECT pRect)
    {
        m_log = Fmt("OnSizing %u %ld %ld", fwSide, pRect->right, pRect->bottom);
        pRect->right = 500;
    }
    afx_msg void OnMoving(UINT fwSide, LPRECT pRect)
    {
        m_log = Fmt("OnMoving %u %ld %ld", fwSide, pRect->left, pRect->top);
        pRect->left = 50;
    }
    afx_msg void OnClose() { m_log = "OnClose"; }
    afx_msg void OnParentNotify(UINT message, LPARAM lParam)
    {
        m_log = Fmt("OnParentNotify %u %s", message, lParam == (LPARAM)g_hOther ? "OTHER" : "?");
    }
    afx_msg UINT OnGetDlgCode()
    {
        m_log = "OnGetDlgCode";
        return DLGC_WANTALLKEYS;
    }
    afx_msg LRESULT OnApp(WPARAM wParam, LPARAM lParam)
    {
        m_log = Fmt("OnApp %u %ld", (unsigned)wParam, (long)lParam);
        return 99;
    }
    afx_msg LRESULT OnRegistered(WPARAM wParam, LPARAM lParam)
    {
        m_log = Fmt("OnRegistered %u %ld", (unsigned)wParam, (long)lParam);
        return 100;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CProbeWnd, CWnd)
    ON_WM_SIZE()
    ON_WM_MOVE()
    ON_WM_TIMER()
    ON_WM_LBUTTONDOWN()
    ON_WM_RBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSEWHEEL()
    ON_WM_KEYDOWN()
    ON_WM_CHAR()
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_WM_CAPTURECHANGED()
    ON_WM_NCHITTEST()
    ON_WM_NCACTIVATE()
    ON_WM_NCCALCSIZE()
    ON_WM_NCLBUTTONDOWN()
    ON_WM_NCMOUSEMOVE()
    ON_WM_SETCURSOR()
    ON_WM_SHOWWINDOW()
    ON_WM_ACTIVATE()
    ON_WM_GETMINMAXINFO()
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
    ON_WM_COPYDATA()
    ON_WM_SYSCOMMAND()
    ON_WM_WINDOWPOSCHANGING()
    ON_WM_CONTEXTMENU()
    ON_WM_SETTINGCHANGE()
    ON_WM_ERASEBKGND()
    ON_WM_CTLCOLOR()
    ON_WM_DRAWITEM()
    ON_WM_MEASUREITEM()
    ON_WM_COMPAREITEM()
    ON_WM_DELETEITEM()
    ON_WM_MOUSEACTIVATE()
    ON_WM_INITMENUPOPUP()
    ON_WM_MENUSELECT()
    ON_WM_SIZING()
    ON_WM_MOVING()
    ON_WM_CLOSE()
    ON_WM_PARENTNOTIFY()
    ON_WM_GETDLGCODE()
    ON_MESSAGE(WM_APP + 1, OnApp)
    ON_REGISTERED_MESSAGE(g_nRegistered, OnRegistered)
END_MESSAGE_MAP()

struct MessageCase
{
    const char* name;
    UINT message;
    WPARAM wParam;
    LPARAM lParam; // kOther / kDC / kStruct are replaced by the fixture
    const char* expectedLog;
    LRESULT expectedResult; // kAny: not checked
};

const LPARAM kOther = 0x7FFF0001;
const LPARAM kDC = 0x7FFF0002;
const LPARAM kStruct = 0x7FFF0003;
const WPARAM kOtherW = 0x7FFF0001;
const WPARAM kDCW = 0x7FFF0002;
const WPARAM kMenuW = 0x7FFF0004;
const LPARAM kMenu = 0x7FFF0004;
const LRESULT kAny = 0x12345678;

const MessageCase kCases[] = {
    {"Size", WM_SIZE, SIZE_MAXIMIZED, MAKELPARAM(300, 200), "OnSize 2 300 200", 0},
    {"MoveNegative", WM_MOVE, 0, MAKELPARAM(-5, 7), "OnMove -5 7", 0},
    {"Timer", WM_TIMER, 42, 0, "OnTimer 42", 0},
    {"LButtonDown", WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(-3, 4), "OnLButtonDown 1 -3 4", 0},
    {"RButtonUp", WM_RBUTTONUP, MK_SHIFT, MAKELPARAM(10, 20), "OnRButtonUp 4 10 20", 0},
    {"LButtonDblClk", WM_LBUTTONDBLCLK, MK_LBUTTON | MK_CONTROL, MAKELPARAM(1, 2), "OnLButtonDblClk 9 1 2", 0},
    {"MouseMove", WM_MOUSEMOVE, 0, MAKELPARAM(65535, 12), "OnMouseMove 0 -1 12", 0},
    {"MouseWheel", WM_MOUSEWHEEL, MAKEWPARAM(MK_SHIFT, (WORD)-120), MAKELPARAM(100, 50), "OnMouseWheel 4 -120 100 50", 1},
    {"KeyDown", WM_KEYDOWN, VK_RETURN, 0x001C0001, "OnKeyDown 13 1 28", 0},
    {"CharRepeat", WM_CHAR, 'A', 0x001E0003, "OnChar 65 3 30", 0},
    {"SetFocus", WM_SETFOCUS, kOtherW, 0, "OnSetFocus OTHER", 0},
    {"KillFocusNull", WM_KILLFOCUS, 0, 0, "OnKillFocus NULL", 0},
    {"CaptureChanged", WM_CAPTURECHANGED, 0, kOther, "OnCaptureChanged OTHER", 0},
    {"NcHitTest", WM_NCHITTEST, 0, MAKELPARAM(-20, 30), "OnNcHitTest -20 30", HTCAPTION},
    {"NcActivate", WM_NCACTIVATE, TRUE, 0, "OnNcActivate 1", 7},
    {"NcCalcSize", WM_NCCALCSIZE, FALSE, kStruct, "OnNcCalcSize 0 640", 0},
    {"NcLButtonDown", WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(5, 6), "OnNcLButtonDown 2 5 6", 0},
    {"NcMouseMove", WM_NCMOUSEMOVE, HTCLOSE, MAKELPARAM(7, 8), "OnNcMouseMove 20 7 8", 0},
    {"SetCursorError", WM_SETCURSOR, kOtherW, MAKELPARAM((WORD)HTERROR, WM_LBUTTONDOWN), "OnSetCursor OTHER -2 513", TRUE},
    {"ShowWindow", WM_SHOWWINDOW, TRUE, SW_PARENTOPENING, "OnShowWindow 1 3", 0},
    {"Activate", WM_ACTIVATE, MAKEWPARAM(WA_CLICKACTIVE, 1), kOther, "OnActivate 2 OTHER 1", 0},
    {"GetMinMaxInfo", WM_GETMINMAXINFO, 0, kStruct, "OnGetMinMaxInfo 640", 0},
    {"HScrollWindow", WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, 77), 0, "OnHScroll 5 77 NULL", 0},
    {"VScrollControl", WM_VSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), kOther, "OnVScroll 1 0 OTHER", 0},
    {"CopyData", WM_COPYDATA, kOtherW, kStruct, "OnCopyData OTHER 20000 6 hello", TRUE},
    {"SysCommand", WM_SYSCOMMAND, SC_CLOSE, MAKELPARAM(3, 4), "OnSysCommand 61536 262147", 0},
    {"WindowPosChanging", WM_WINDOWPOSCHANGING, 0, kStruct, "OnWindowPosChanging 11 22", 0},
    {"ContextMenu", WM_CONTEXTMENU, kOtherW, MAKELPARAM(-1, -1), "OnContextMenu OTHER -1 -1", 0},
    {"SettingChange", WM_SETTINGCHANGE, 47, kStruct, "OnSettingChange 47 intl", 0},
    {"EraseBkgnd", WM_ERASEBKGND, kDCW, 0, "OnEraseBkgnd DC", TRUE},
    {"CtlColorEdit", WM_CTLCOLOREDIT, kDCW, kOther, "OnCtlColor DC OTHER 1", kAny},
    {"CtlColorStatic", WM_CTLCOLORSTATIC, kDCW, kOther, "OnCtlColor DC OTHER 6", kAny},
    {"DrawItem", WM_DRAWITEM, 9, kStruct, "OnDrawItem 9 4", TRUE},
    {"MeasureItem", WM_MEASUREITEM, 9, kStruct, "OnMeasureItem 9 4", TRUE},
    {"CompareItem", WM_COMPAREITEM, 9, kStruct, "OnCompareItem 9 1 2", -1},
    {"DeleteItem", WM_DELETEITEM, 9, kStruct, "OnDeleteItem 9 4", TRUE},
    {"MouseActivate", WM_MOUSEACTIVATE, kOtherW, MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN), "OnMouseActivate OTHER 1 513",
     MA_NOACTIVATE},
    {"InitMenuPopup", WM_INITMENUPOPUP, kMenuW, MAKELPARAM(2, TRUE), "OnInitMenuPopup MENU 2 1", 0},
    {"MenuSelect", WM_MENUSELECT, MAKEWPARAM(105, MF_POPUP | MF_HILITE), kMenu, "OnMenuSelect 105 144 MENU", 0},
    {"Sizing", WM_SIZING, WMSZ_BOTTOMRIGHT, kStruct, "OnSizing 8 300 400", TRUE},
    {"Moving", WM_MOVING, 0, kStruct, "OnMoving 0 1 2", TRUE},
    {"Close", WM_CLOSE, 0, 0, "OnClose", 0},
    {"ParentNotify", WM_PARENTNOTIFY, MAKEWPARAM(WM_LBUTTONDOWN, 0), kOther, "OnParentNotify 513 OTHER", 0},
    {"GetDlgCode", WM_GETDLGCODE, 0, 0, "OnGetDlgCode", DLGC_WANTALLKEYS},
    {"UserMessage", WM_APP + 1, 5, 6, "OnApp 5 6", 99},
    {"NotInMap", WM_APP + 2, 1, 2, "", 0},
};

class MessageMapDispatch : public ::testing::TestWithParam<MessageCase>
{
protected:
    void SetUp() override
    {
        g_hOther = CreateForeignWindow();
        ASSERT_NE(g_hOther, (HWND)NULL);
        g_hMenu = ::CreatePopupMenu();
        ASSERT_TRUE(m_wnd.CreateEx(0, NULL, "probe", WS_POPUP, 0, 0, 100, 100, NULL, NULL));
        m_hDC = ::GetDC(m_wnd.m_hWnd);
        m_wnd.m_hExpectedDC = m_hDC;
        m_wnd.m_log.clear();
    }
    void TearDown() override
    {
        ::ReleaseDC(m_wnd.m_hWnd, m_hDC);
        m_wnd.DestroyWindow();
        ::DestroyWindow(g_hOther);
        ::DestroyMenu(g_hMenu);
        CWnd::DeleteTempMap();
        CMenu::DeleteTempMap();
    }
    // Sends the case's message with its placeholders replaced by real values and structures.
    LRESULT SendCase(const MessageCase& c)
    {
        NCCALCSIZE_PARAMS ncc = {};
        ncc.rgrc[0] = {0, 0, 640, 480};
        MINMAXINFO mmi = {};
        mmi.ptMaxTrackSize.x = 640;
        COPYDATASTRUCT cds = {20000, 6, (PVOID) "hello"};
        WINDOWPOS wp = {m_wnd.m_hWnd, NULL, 11, 22, 0, 0, SWP_NOSIZE};
        DRAWITEMSTRUCT dis = {};
        dis.CtlType = ODT_BUTTON;
        dis.itemID = 4;
        dis.hwndItem = g_hOther;
        MEASUREITEMSTRUCT mis = {};
        mis.CtlType = ODT_LISTBOX;
        mis.CtlID = 9;
        mis.itemID = 4;
        COMPAREITEMSTRUCT cis = {};
        cis.CtlType = ODT_LISTBOX;
        cis.CtlID = 9;
        cis.hwndItem = g_hOther;
        cis.itemID1 = 1;
        cis.itemID2 = 2;
        DELETEITEMSTRUCT del = {};
        del.CtlType = ODT_LISTBOX;
        del.CtlID = 9;
        del.itemID = 4;
        del.hwndItem = g_hOther;
        RECT rect = {1, 2, 300, 400};

        WPARAM wParam = c.wParam == kOtherW ? (WPARAM)g_hOther
                        : c.wParam == kDCW  ? (WPARAM)m_hDC
                        : c.wParam == kMenuW ? (WPARAM)g_hMenu
                                             : c.wParam;
        LPARAM lParam = c.lParam;
        if (lParam == kOther)
            lParam = (LPARAM)g_hOther;
        else if (lParam == kMenu)
            lParam = (LPARAM)g_hMenu;
        else if (lParam == kStruct) {
            switch (c.message) {
            case WM_NCCALCSIZE: lParam = (LPARAM)&ncc; break;
            case WM_GETMINMAXINFO: lParam = (LPARAM)&mmi; break;
            case WM_COPYDATA: lParam = (LPARAM)&cds; break;
            case WM_WINDOWPOSCHANGING: lParam = (LPARAM)&wp; break;
            case WM_SETTINGCHANGE: lParam = (LPARAM) "intl"; break;
            case WM_DRAWITEM: lParam = (LPARAM)&dis; break;
            case WM_MEASUREITEM: lParam = (LPARAM)&mis; break;
            case WM_COMPAREITEM: lParam = (LPARAM)&cis; break;
            case WM_DELETEITEM: lParam = (LPARAM)&del; break;
            case WM_SIZING:
            case WM_MOVING: lParam = (LPARAM)&rect; break;
            }
        }
        LRESULT lResult = ::SendMessageA(m_wnd.m_hWnd, c.message, wParam, lParam);
        if (c.message == WM_GETMINMAXINFO) {
            EXPECT_EQ(mmi.ptMaxTrackSize.x, 1375) << "the handler's changes reach the sender";
        }
        if (c.message == WM_MEASUREITEM) {
            EXPECT_EQ(mis.itemHeight, 33u);
        }
        if (c.message == WM_SIZING) {
            EXPECT_EQ(rect.right, 500) << "the handler's rectangle reaches the sender";
        }
        if (c.message == WM_MOVING) {
            EXPECT_EQ(rect.left, 50);
        }
        return lResult;
    }

    CProbeWnd m_wnd;
    HDC m_hDC = NULL;
};

TEST_P(MessageMapDispatch, HandlerGetsCrackedArgumentsAndResultReturns)
{
    const MessageCase& c = GetParam();
    LRESULT lResult = SendCase(c);
    EXPECT_EQ(m_wnd.m_log, c.expectedLog);
    if (c.expectedResult != kAny) {
        EXPECT_EQ(lResult, c.expectedResult);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryKind, MessageMapDispatch, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<MessageCase>& info) { return std::string(info.param.name); });

TEST(MessageMapDispatchExtra, CtlColorHandlerBrushIsTheResult)
{
    CProbeWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, NULL, "probe", WS_POPUP, 0, 0, 100, 100, NULL, NULL));
    HDC hDC = ::GetDC(wnd.m_hWnd);
    LRESULT lResult = ::SendMessageA(wnd.m_hWnd, WM_CTLCOLORBTN, (WPARAM)hDC, 0);
    EXPECT_EQ((HBRUSH)lResult, (HBRUSH)::GetStockObject(GRAY_BRUSH));
    ::ReleaseDC(wnd.m_hWnd, hDC);
}

TEST(MessageMapDispatchExtra, RegisteredMessageReachesItsEntry)
{
    CProbeWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, NULL, "probe", WS_POPUP, 0, 0, 100, 100, NULL, NULL));
    EXPECT_EQ(::SendMessageA(wnd.m_hWnd, g_nRegistered, 7, 8), 100);
    EXPECT_EQ(wnd.m_log, "OnRegistered 7 8");
    UINT nOther = ::RegisterWindowMessageA("Molvane.Test.OtherRegistered");
    wnd.m_log.clear();
    EXPECT_EQ(::SendMessageA(wnd.m_hWnd, nOther, 1, 2), 0);
    EXPECT_EQ(wnd.m_log, "") << "another registered message has no entry";
}

// A derived map overrides one entry of its base and inherits the others.
class CDerivedProbeWnd : public CProbeWnd
{
public:
    std::string m_derivedLog;

protected:
    afx_msg void OnSize(UINT nType, int cx, int cy)
    {
        m_derivedLog = Fmt("Derived::OnSize %d %d", cx, cy);
        CProbeWnd::OnSize(nType, cx, cy); // the base handler, called as a plain member
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedProbeWnd, CProbeWnd)
    ON_WM_SIZE()
END_MESSAGE_MAP()

TEST(MessageMapChain, DerivedEntryWinsAndBaseEntriesAreInherited)
{
    CDerivedProbeWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, NULL, "probe", WS_POPUP, 0, 0, 100, 100, NULL, NULL));
    ::SendMessageA(wnd.m_hWnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(40, 50));
    EXPECT_EQ(wnd.m_derivedLog, "Derived::OnSize 40 50");
    EXPECT_EQ(wnd.m_log, "OnSize 0 40 50");
    ::SendMessageA(wnd.m_hWnd, WM_TIMER, 3, 0);
    EXPECT_EQ(wnd.m_log, "OnTimer 3");
}

// Default() inside a handler passes exactly the message being handled to the window's previous
// procedure, also after a nested message was handled in between.
class CDefaultProbeWnd : public CWnd
{
public:
    LRESULT m_nestedResult = 0;
    UINT m_seenAfterNested = 0;

protected:
    afx_msg void OnSize(UINT, int, int)
    {
        m_nestedResult = SendMessage(WM_APP + 3, 0, 0);
        m_seenAfterNested = GetCurrentMessage()->message;
        Default();
    }
    afx_msg LRESULT OnApp3(WPARAM, LPARAM) { return GetCurrentMessage()->message == WM_APP + 3 ? 5 : -5; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDefaultProbeWnd, CWnd)
    ON_WM_SIZE()
    ON_MESSAGE(WM_APP + 3, OnApp3)
END_MESSAGE_MAP()

TEST(MessageMapDefault, CurrentMessageIsRestoredAfterANestedMessage)
{
    CDefaultProbeWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, NULL, "probe", WS_POPUP, 0, 0, 100, 100, NULL, NULL));
    ::SendMessageA(wnd.m_hWnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(40, 50));
    EXPECT_EQ(wnd.m_nestedResult, 5);
    EXPECT_EQ(wnd.m_seenAfterNested, (UINT)WM_SIZE);
}

class CTextWnd : public CWnd
{
public:
    int m_calls = 0;

protected:
    afx_msg LRESULT OnSetText(WPARAM, LPARAM)
    {
        ++m_calls;
        return Default();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTextWnd, CWnd)
    ON_MESSAGE(WM_SETTEXT, OnSetText)
END_MESSAGE_MAP()

TEST(MessageMapDefault, DefaultRunsThePreviousProcedure)
{
    CTextWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, NULL, "before", WS_POPUP, 0, 0, 100, 100, NULL, NULL));
    wnd.m_calls = 0;
    wnd.SetWindowText("after");
    EXPECT_EQ(wnd.m_calls, 1);
    CString text;
    wnd.GetWindowText(text);
    EXPECT_STREQ(text, "after");
}

} // namespace
