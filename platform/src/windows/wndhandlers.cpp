// Default handlers of CWnd: pass the current message on, or reflect a child's notification back
// to the child first.
#include "afxwin.h"

namespace {

// Offers a child's notification to the child's own object; TRUE when it handled it.
BOOL ReflectToChild(HWND hWndChild, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    CWnd* pChild = CWnd::FromHandlePermanent(hWndChild);
    return pChild != NULL && pChild->OnChildNotify(message, wParam, lParam, pResult);
}

} // namespace

int CWnd::OnCreate(LPCREATESTRUCT) { return (int)Default(); }
BOOL CWnd::OnNcCreate(LPCREATESTRUCT) { return (BOOL)Default(); }
void CWnd::OnDestroy() { Default(); }
void CWnd::OnClose() { Default(); }
void CWnd::OnPaint() { Default(); }
void CWnd::OnNcPaint() { Default(); }
BOOL CWnd::OnEraseBkgnd(CDC*) { return (BOOL)Default(); }
void CWnd::OnSize(UINT, int, int) { Default(); }
void CWnd::OnMove(int, int) { Default(); }
void CWnd::OnSizing(UINT, LPRECT) { Default(); }
void CWnd::OnMoving(UINT, LPRECT) { Default(); }
void CWnd::OnTimer(UINT_PTR) { Default(); }
void CWnd::OnLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnLButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnRButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnRButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnRButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnMButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnMButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnMButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnMouseMove(UINT, CPoint) { Default(); }
void CWnd::OnMouseHover(UINT, CPoint) { Default(); }
void CWnd::OnMouseLeave() { Default(); }
BOOL CWnd::OnMouseWheel(UINT, short, CPoint) { return (BOOL)Default(); }
int CWnd::OnMouseActivate(CWnd*, UINT, UINT) { return (int)Default(); }
void CWnd::OnKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnKeyUp(UINT, UINT, UINT) { Default(); }
void CWnd::OnChar(UINT, UINT, UINT) { Default(); }
void CWnd::OnSysKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnSysKeyUp(UINT, UINT, UINT) { Default(); }
void CWnd::OnSysChar(UINT, UINT, UINT) { Default(); }
void CWnd::OnSetFocus(CWnd*) { Default(); }
void CWnd::OnKillFocus(CWnd*) { Default(); }
void CWnd::OnCaptureChanged(CWnd*) { Default(); }
LRESULT CWnd::OnNcHitTest(CPoint) { return Default(); }
BOOL CWnd::OnNcActivate(BOOL) { return (BOOL)Default(); }
void CWnd::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS*) { Default(); }
void CWnd::OnNcLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnNcLButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnNcLButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnNcRButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnNcRButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnNcMouseMove(UINT, CPoint) { Default(); }
void CWnd::OnNcMouseHover(UINT, CPoint) { Default(); }
void CWnd::OnNcMouseLeave() { Default(); }
BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT) { return (BOOL)Default(); }
void CWnd::OnShowWindow(BOOL, UINT) { Default(); }
void CWnd::OnActivate(UINT, CWnd*, BOOL) { Default(); }
void CWnd::OnActivateApp(BOOL, DWORD) { Default(); }
void CWnd::OnGetMinMaxInfo(MINMAXINFO*) { Default(); }
BOOL CWnd::OnCopyData(CWnd*, COPYDATASTRUCT*) { return (BOOL)Default(); }
void CWnd::OnSysCommand(UINT, LPARAM) { Default(); }
void CWnd::OnWindowPosChanged(WINDOWPOS*) { Default(); }
void CWnd::OnWindowPosChanging(WINDOWPOS*) { Default(); }
void CWnd::OnContextMenu(CWnd*, CPoint) { Default(); }
void CWnd::OnSettingChange(UINT, LPCTSTR) { Default(); }
UINT CWnd::OnGetDlgCode() { return (UINT)Default(); }
void CWnd::OnEnable(BOOL) { Default(); }
void CWnd::OnCancelMode() { Default(); }
void CWnd::OnChildActivate() { Default(); }
void CWnd::OnSysColorChange() { Default(); }
void CWnd::OnTimeChange() { Default(); }
void CWnd::OnEnterSizeMove() { Default(); }
void CWnd::OnExitSizeMove() { Default(); }
HCURSOR CWnd::OnQueryDragIcon() { return (HCURSOR)Default(); }
BOOL CWnd::OnQueryEndSession() { return (BOOL)Default(); }
void CWnd::OnEndSession(BOOL) { Default(); }
void CWnd::OnInitMenuPopup(CMenu*, UINT, BOOL) { Default(); }
void CWnd::OnMenuSelect(UINT, UINT, HMENU) { Default(); }
BOOL CWnd::OnHelpInfo(HELPINFO*) { return (BOOL)Default(); }
void CWnd::OnStyleChanged(int, LPSTYLESTRUCT) { Default(); }
void CWnd::OnStyleChanging(int, LPSTYLESTRUCT) { Default(); }
void CWnd::OnEnterIdle(UINT, CWnd*) { Default(); }
void CWnd::OnDropFiles(HDROP) { Default(); }

// Notifications that a child can take back through reflection.

HBRUSH CWnd::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    LRESULT lResult = 0;
    if (pWnd != NULL && ReflectToChild(pWnd->m_hWnd, WM_CTLCOLORMSGBOX + nCtlColor, (WPARAM)pDC->GetSafeHdc(),
                                       (LPARAM)pWnd->m_hWnd, &lResult))
        return (HBRUSH)lResult;
    return (HBRUSH)Default();
}

void CWnd::OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if (lpDrawItemStruct->CtlType == ODT_MENU) {
        if (CMenu* pMenu = CMenu::FromHandlePermanent((HMENU)lpDrawItemStruct->hwndItem)) {
            pMenu->DrawItem(lpDrawItemStruct);
            return;
        }
    } else if (ReflectToChild(lpDrawItemStruct->hwndItem, WM_DRAWITEM, (WPARAM)nIDCtl, (LPARAM)lpDrawItemStruct,
                              NULL)) {
        return;
    }
    Default();
}

void CWnd::OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    if (lpMeasureItemStruct->CtlType != ODT_MENU) {
        CWnd* pChild = GetDescendantWindow((int)lpMeasureItemStruct->CtlID, TRUE);
        if (pChild != NULL &&
            pChild->OnChildNotify(WM_MEASUREITEM, (WPARAM)nIDCtl, (LPARAM)lpMeasureItemStruct, NULL))
            return;
    }
    Default();
}

int CWnd::OnCompareItem(int nIDCtl, LPCOMPAREITEMSTRUCT lpCompareItemStruct)
{
    LRESULT lResult = 0;
    if (ReflectToChild(lpCompareItemStruct->hwndItem, WM_COMPAREITEM, (WPARAM)nIDCtl, (LPARAM)lpCompareItemStruct,
                       &lResult))
        return (int)lResult;
    return (int)Default();
}

void CWnd::OnDeleteItem(int nIDCtl, LPDELETEITEMSTRUCT lpDeleteItemStruct)
{
    if (ReflectToChild(lpDeleteItemStruct->hwndItem, WM_DELETEITEM, (WPARAM)nIDCtl, (LPARAM)lpDeleteItemStruct, NULL))
        return;
    Default();
}

int CWnd::OnVKeyToItem(UINT nKey, CListBox* pListBox, UINT nIndex)
{
    LRESULT lResult = 0;
    HWND hList = reinterpret_cast<CWnd*>(pListBox)->GetSafeHwnd();
    if (ReflectToChild(hList, WM_VKEYTOITEM, MAKEWPARAM(nKey, nIndex), (LPARAM)hList, &lResult))
        return (int)lResult;
    return (int)Default();
}

int CWnd::OnCharToItem(UINT nChar, CListBox* pListBox, UINT nIndex)
{
    LRESULT lResult = 0;
    HWND hList = reinterpret_cast<CWnd*>(pListBox)->GetSafeHwnd();
    if (ReflectToChild(hList, WM_CHARTOITEM, MAKEWPARAM(nChar, nIndex), (LPARAM)hList, &lResult))
        return (int)lResult;
    return (int)Default();
}

void CWnd::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    HWND hBar = reinterpret_cast<CWnd*>(pScrollBar)->GetSafeHwnd();
    if (hBar != NULL && ReflectToChild(hBar, WM_HSCROLL, MAKEWPARAM(nSBCode, nPos), (LPARAM)hBar, NULL))
        return;
    Default();
}

void CWnd::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    HWND hBar = reinterpret_cast<CWnd*>(pScrollBar)->GetSafeHwnd();
    if (hBar != NULL && ReflectToChild(hBar, WM_VSCROLL, MAKEWPARAM(nSBCode, nPos), (LPARAM)hBar, NULL))
        return;
    Default();
}

void CWnd::OnParentNotify(UINT message, LPARAM lParam)
{
    if ((LOWORD(message) == WM_CREATE || LOWORD(message) == WM_DESTROY) &&
        ReflectToChild((HWND)lParam, WM_PARENTNOTIFY, message, lParam, NULL))
        return;
    Default();
}
