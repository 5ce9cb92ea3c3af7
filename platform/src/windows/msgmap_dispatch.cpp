// CWnd::OnWndMsg: finds a window message in the message-map chain and calls its handler with the
// arguments cracked from wParam and lParam.
#include "afxwin.h"


namespace {

const AFX_MSGMAP_ENTRY* FindRegisteredEntry(const AFX_MSGMAP_ENTRY* lpEntry, UINT nMsg)
{
    for (; lpEntry->nSig != AfxSig_end; ++lpEntry) {
        if (lpEntry->nMessage == 0xC000 && *reinterpret_cast<const UINT*>(lpEntry->nSig) == nMsg)
            return lpEntry;
    }
    return NULL;
}

CPoint PointOf(LPARAM lParam)
{
    return CPoint((int)(short)LOWORD(lParam), (int)(short)HIWORD(lParam));
}

} // namespace

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    LRESULT lResult = 0;

    if (message == WM_COMMAND) {
        if (!OnCommand(wParam, lParam))
            return FALSE;
        if (pResult != NULL)
            *pResult = 1;
        return TRUE;
    }
    if (message == WM_NOTIFY) {
        NMHDR* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
        if (pNMHDR == NULL || pNMHDR->hwndFrom == NULL || !OnNotify(wParam, lParam, &lResult))
            return FALSE;
        if (pResult != NULL)
            *pResult = lResult;
        return TRUE;
    }

    // Every WM_CTLCOLORxxx reaches the one ON_WM_CTLCOLOR handler with its kind.
    UINT nLookup = message;
    UINT nCtlColor = 0;
    if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) {
        nLookup = WM_CTLCOLOR;
        nCtlColor = message - WM_CTLCOLORMSGBOX;
    }

    const AFX_MSGMAP_ENTRY* lpEntry = NULL;
    for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap != NULL && lpEntry == NULL;
         pMap = pMap->pfnGetBaseMap != NULL ? pMap->pfnGetBaseMap() : NULL) {
        lpEntry = message >= 0xC000 ? FindRegisteredEntry(pMap->lpEntries, message)
                                    : FindMessageEntry(pMap->lpEntries, nLookup, 0, 0);
    }
    if (lpEntry == NULL)
        return FALSE;

    AFX_PMSGW pfn = lpEntry->pfn;
#define AFX_CALL_(type, ...) (this->*reinterpret_cast<type>(pfn))(__VA_ARGS__)
    UINT_PTR nSig = message >= 0xC000 ? (UINT_PTR)AfxSig_lwl : lpEntry->nSig;
    switch (nSig) {
    case AfxSig_lwl:
        lResult = AFX_CALL_(LRESULT (CWnd::*)(WPARAM, LPARAM), wParam, lParam);
        break;
    case AfxSig_vv:
        AFX_CALL_(void (CWnd::*)());
        break;
    case AfxSig_bv:
        lResult = AFX_CALL_(BOOL (CWnd::*)());
        break;
    case AfxSig_wv:
        lResult = AFX_CALL_(UINT (CWnd::*)());
        break;
    case AfxSig_hv:
        lResult = (LRESULT)AFX_CALL_(HCURSOR (CWnd::*)());
        break;
    case AfxSig_iCREATE:
        lResult = AFX_CALL_(int (CWnd::*)(LPCREATESTRUCT), reinterpret_cast<LPCREATESTRUCT>(lParam));
        break;
    case AfxSig_bCREATE:
        lResult = AFX_CALL_(BOOL (CWnd::*)(LPCREATESTRUCT), reinterpret_cast<LPCREATESTRUCT>(lParam));
        break;
    case AfxSig_bD:
        lResult = AFX_CALL_(BOOL (CWnd::*)(CDC*), CDC::FromHandle((HDC)wParam));
        break;
    case AfxSig_vwii:
        AFX_CALL_(void (CWnd::*)(UINT, int, int), (UINT)wParam, (int)LOWORD(lParam), (int)HIWORD(lParam));
        break;
    case AfxSig_vii:
        AFX_CALL_(void (CWnd::*)(int, int), (int)(short)LOWORD(lParam), (int)(short)HIWORD(lParam));
        break;
    case AfxSig_vt:
        AFX_CALL_(void (CWnd::*)(UINT_PTR), (UINT_PTR)wParam);
        break;
    case AfxSig_vwp:
        AFX_CALL_(void (CWnd::*)(UINT, CPoint), (UINT)wParam, PointOf(lParam));
        break;
    case AfxSig_bwsp:
        lResult = AFX_CALL_(BOOL (CWnd::*)(UINT, short, CPoint), (UINT)LOWORD(wParam), (short)HIWORD(wParam),
                            PointOf(lParam));
        break;
    case AfxSig_vwww:
        AFX_CALL_(void (CWnd::*)(UINT, UINT, UINT), (UINT)wParam, (UINT)LOWORD(lParam), (UINT)HIWORD(lParam));
        break;
    case AfxSig_vW:
        AFX_CALL_(void (CWnd::*)(CWnd*),
                  CWnd::FromHandle(message == WM_CAPTURECHANGED ? (HWND)lParam : (HWND)wParam));
        break;
    case AfxSig_hDWw:
        lResult = (LRESULT)AFX_CALL_(HBRUSH (CWnd::*)(CDC*, CWnd*, UINT), CDC::FromHandle((HDC)wParam),
                                     CWnd::FromHandle((HWND)lParam), nCtlColor);
        break;
    case AfxSig_hDw: {
        AFX_CTLCOLOR* pCtl = reinterpret_cast<AFX_CTLCOLOR*>(lParam);
        lResult = (LRESULT)AFX_CALL_(HBRUSH (CWnd::*)(CDC*, UINT), CDC::FromHandle(pCtl->hDC), pCtl->nCtlType);
        break;
    }
    case AfxSig_vDRAW:
        AFX_CALL_(void (CWnd::*)(int, LPDRAWITEMSTRUCT), (int)wParam, reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
        lResult = TRUE;
        break;
    case AfxSig_vMEASURE:
        AFX_CALL_(void (CWnd::*)(int, LPMEASUREITEMSTRUCT), (int)wParam,
                  reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
        lResult = TRUE;
        break;
    case AfxSig_iCOMPARE:
        lResult = AFX_CALL_(int (CWnd::*)(int, LPCOMPAREITEMSTRUCT), (int)wParam,
                            reinterpret_cast<LPCOMPAREITEMSTRUCT>(lParam));
        break;
    case AfxSig_vDELETE:
        AFX_CALL_(void (CWnd::*)(int, LPDELETEITEMSTRUCT), (int)wParam, reinterpret_cast<LPDELETEITEMSTRUCT>(lParam));
        lResult = TRUE;
        break;
    case AfxSig_vDRAW_R:
        AFX_CALL_(void (CWnd::*)(LPDRAWITEMSTRUCT), reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
        lResult = TRUE;
        break;
    case AfxSig_vMEASURE_R:
        AFX_CALL_(void (CWnd::*)(LPMEASUREITEMSTRUCT), reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
        lResult = TRUE;
        break;
    case AfxSig_iCOMPARE_R:
        lResult = AFX_CALL_(int (CWnd::*)(LPCOMPAREITEMSTRUCT), reinterpret_cast<LPCOMPAREITEMSTRUCT>(lParam));
        break;
    case AfxSig_vDELETE_R:
        AFX_CALL_(void (CWnd::*)(LPDELETEITEMSTRUCT), reinterpret_cast<LPDELETEITEMSTRUCT>(lParam));
        lResult = TRUE;
        break;
    case AfxSig_iwWw:
        lResult = AFX_CALL_(int (CWnd::*)(UINT, CListBox*, UINT), (UINT)LOWORD(wParam),
                            reinterpret_cast<CListBox*>(CWnd::FromHandle((HWND)lParam)), (UINT)HIWORD(wParam));
        break;
    case AfxSig_iww:
        lResult = AFX_CALL_(int (CWnd::*)(UINT, UINT), (UINT)LOWORD(wParam), (UINT)HIWORD(wParam));
        break;
    case AfxSig_lp:
        lResult = AFX_CALL_(LRESULT (CWnd::*)(CPoint), PointOf(lParam));
        break;
    case AfxSig_bb:
        lResult = AFX_CALL_(BOOL (CWnd::*)(BOOL), (BOOL)wParam);
        break;
    case AfxSig_vb:
        AFX_CALL_(void (CWnd::*)(BOOL), (BOOL)wParam);
        break;
    case AfxSig_vbNCCALC:
        AFX_CALL_(void (CWnd::*)(BOOL, NCCALCSIZE_PARAMS*), (BOOL)wParam, reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam));
        break;
    case AfxSig_bWww:
        lResult = AFX_CALL_(BOOL (CWnd::*)(CWnd*, UINT, UINT), CWnd::FromHandle((HWND)wParam),
                            (UINT)(int)(short)LOWORD(lParam), (UINT)HIWORD(lParam));
        break;
    case AfxSig_iWww:
        lResult = AFX_CALL_(int (CWnd::*)(CWnd*, UINT, UINT), CWnd::FromHandle((HWND)wParam),
                            (UINT)(int)(short)LOWORD(lParam), (UINT)HIWORD(lParam));
        break;
    case AfxSig_vbw:
        AFX_CALL_(void (CWnd::*)(BOOL, UINT), (BOOL)wParam, (UINT)lParam);
        break;
    case AfxSig_vwWb:
        AFX_CALL_(void (CWnd::*)(UINT, CWnd*, BOOL), (UINT)LOWORD(wParam), CWnd::FromHandle((HWND)lParam),
                  (BOOL)HIWORD(wParam));
        break;
    case AfxSig_vbh:
        AFX_CALL_(void (CWnd::*)(BOOL, DWORD), (BOOL)wParam, (DWORD)lParam);
        break;
    case AfxSig_vMINMAX:
        AFX_CALL_(void (CWnd::*)(MINMAXINFO*), reinterpret_cast<MINMAXINFO*>(lParam));
        break;
    case AfxSig_vwwSCROLL:
        AFX_CALL_(void (CWnd::*)(UINT, UINT, CScrollBar*), (UINT)LOWORD(wParam), (UINT)HIWORD(wParam),
                  reinterpret_cast<CScrollBar*>(CWnd::FromHandle((HWND)lParam)));
        break;
    case AfxSig_vww:
        AFX_CALL_(void (CWnd::*)(UINT, UINT), (UINT)LOWORD(wParam), (UINT)HIWORD(wParam));
        break;
    case AfxSig_bWCDS:
        lResult = AFX_CALL_(BOOL (CWnd::*)(CWnd*, COPYDATASTRUCT*), CWnd::FromHandle((HWND)wParam),
                            reinterpret_cast<COPYDATASTRUCT*>(lParam));
        break;
    case AfxSig_vwl:
        AFX_CALL_(void (CWnd::*)(UINT, LPARAM), (UINT)wParam, lParam);
        break;
    case AfxSig_vPOS:
        AFX_CALL_(void (CWnd::*)(WINDOWPOS*), reinterpret_cast<WINDOWPOS*>(lParam));
        break;
    case AfxSig_vWp:
        AFX_CALL_(void (CWnd::*)(CWnd*, CPoint), CWnd::FromHandle((HWND)wParam), PointOf(lParam));
        break;
    case AfxSig_vws:
        AFX_CALL_(void (CWnd::*)(UINT, LPCTSTR), (UINT)wParam, reinterpret_cast<LPCTSTR>(lParam));
        break;
    case AfxSig_vwRECT:
        AFX_CALL_(void (CWnd::*)(UINT, LPRECT), (UINT)wParam, reinterpret_cast<LPRECT>(lParam));
        lResult = TRUE;
        break;
    case AfxSig_vMwb:
        AFX_CALL_(void (CWnd::*)(CMenu*, UINT, BOOL), CMenu::FromHandle((HMENU)wParam), (UINT)LOWORD(lParam),
                  (BOOL)HIWORD(lParam));
        break;
    case AfxSig_vwwh:
        AFX_CALL_(void (CWnd::*)(UINT, UINT, HMENU), (UINT)LOWORD(wParam), (UINT)HIWORD(wParam), (HMENU)lParam);
        break;
    case AfxSig_bHELPINFO:
        lResult = AFX_CALL_(BOOL (CWnd::*)(HELPINFO*), reinterpret_cast<HELPINFO*>(lParam));
        break;
    case AfxSig_viSTYLE:
        AFX_CALL_(void (CWnd::*)(int, LPSTYLESTRUCT), (int)wParam, reinterpret_cast<LPSTYLESTRUCT>(lParam));
        break;
    case AfxSig_vwW:
        AFX_CALL_(void (CWnd::*)(UINT, CWnd*), (UINT)wParam, CWnd::FromHandle((HWND)lParam));
        break;
    case AfxSig_vDROP:
        AFX_CALL_(void (CWnd::*)(HDROP), (HDROP)wParam);
        break;
    default:
        return FALSE; // a command-routing entry never matches a window message
    }
#undef AFX_CALL_
    if (pResult != NULL)
        *pResult = lResult;
    return TRUE;
}
