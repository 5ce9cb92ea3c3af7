// Common controls of the window layer: tab control, up-down control, date-time picker.
#include <afxcmn.h>

IMPLEMENT_DYNAMIC(CTabCtrl, CWnd)
IMPLEMENT_DYNAMIC(CSpinButtonCtrl, CWnd)
IMPLEMENT_DYNAMIC(CDateTimeCtrl, CWnd)

namespace {

// Registers the control's class, then creates the child window.
BOOL CreateCommonControl(CWnd* pWnd, DWORD dwICC, LPCSTR lpszClass, DWORD dwExStyle, DWORD dwStyle, const RECT& rect,
                         CWnd* pParentWnd, UINT nID)
{
    INITCOMMONCONTROLSEX icc = {sizeof(icc), dwICC};
    ::InitCommonControlsEx(&icc);
    return pWnd->CWnd::CreateEx(dwExStyle, lpszClass, NULL, dwStyle | WS_CHILD, rect, pParentWnd, nID);
}

} // namespace

/////////////////////////////////////////////////////////////////////////////
// CTabCtrl

CTabCtrl::~CTabCtrl()
{
    DestroyWindow();
}

BOOL CTabCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CreateCommonControl(this, ICC_TAB_CLASSES, WC_TABCONTROLA, 0, dwStyle, rect, pParentWnd, nID);
}

BOOL CTabCtrl::CreateEx(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CreateCommonControl(this, ICC_TAB_CLASSES, WC_TABCONTROLA, dwExStyle, dwStyle, rect, pParentWnd, nID);
}

LONG CTabCtrl::InsertItem(int nItem, TCITEM* pTabCtrlItem)
{
    return (LONG)SendMessage(TCM_INSERTITEMA, (WPARAM)nItem, (LPARAM)pTabCtrlItem);
}

LONG CTabCtrl::InsertItem(UINT nMask, int nItem, LPCTSTR lpszItem, int nImage, LPARAM lParam)
{
    TCITEMA item = {};
    item.mask = nMask;
    item.pszText = const_cast<LPSTR>(lpszItem);
    item.iImage = nImage;
    item.lParam = lParam;
    return InsertItem(nItem, &item);
}

LONG CTabCtrl::InsertItem(int nItem, LPCTSTR lpszItem) { return InsertItem(TCIF_TEXT, nItem, lpszItem, 0, 0); }
LONG CTabCtrl::InsertItem(int nItem, LPCTSTR lpszItem, int nImage)
{
    return InsertItem(TCIF_TEXT | TCIF_IMAGE, nItem, lpszItem, nImage, 0);
}
BOOL CTabCtrl::DeleteItem(int nItem) { return (BOOL)SendMessage(TCM_DELETEITEM, (WPARAM)nItem); }
BOOL CTabCtrl::DeleteAllItems() { return (BOOL)SendMessage(TCM_DELETEALLITEMS); }
int CTabCtrl::GetItemCount() const { return (int)SendMessage(TCM_GETITEMCOUNT); }
BOOL CTabCtrl::GetItem(int nItem, TCITEM* pTabCtrlItem) const
{
    return (BOOL)SendMessage(TCM_GETITEMA, (WPARAM)nItem, (LPARAM)pTabCtrlItem);
}
BOOL CTabCtrl::SetItem(int nItem, TCITEM* pTabCtrlItem)
{
    return (BOOL)SendMessage(TCM_SETITEMA, (WPARAM)nItem, (LPARAM)pTabCtrlItem);
}
BOOL CTabCtrl::GetItemRect(int nItem, LPRECT lpRect) const
{
    return (BOOL)SendMessage(TCM_GETITEMRECT, (WPARAM)nItem, (LPARAM)lpRect);
}
int CTabCtrl::GetCurSel() const { return (int)SendMessage(TCM_GETCURSEL); }
int CTabCtrl::SetCurSel(int nItem) { return (int)SendMessage(TCM_SETCURSEL, (WPARAM)nItem); }
int CTabCtrl::GetCurFocus() const { return (int)SendMessage(TCM_GETCURFOCUS); }
void CTabCtrl::SetCurFocus(int nItem) { SendMessage(TCM_SETCURFOCUS, (WPARAM)nItem); }
int CTabCtrl::GetRowCount() const { return (int)SendMessage(TCM_GETROWCOUNT); }
CSize CTabCtrl::SetItemSize(CSize size)
{
    DWORD dwOld = (DWORD)SendMessage(TCM_SETITEMSIZE, 0, MAKELPARAM(size.cx, size.cy));
    return CSize(LOWORD(dwOld), HIWORD(dwOld));
}
void CTabCtrl::SetPadding(CSize size) { SendMessage(TCM_SETPADDING, 0, MAKELPARAM(size.cx, size.cy)); }
int CTabCtrl::SetMinTabWidth(int cx) { return (int)SendMessage(TCM_SETMINTABWIDTH, 0, (LPARAM)cx); }
void CTabCtrl::AdjustRect(BOOL bLarger, LPRECT lpRect) { SendMessage(TCM_ADJUSTRECT, (WPARAM)bLarger, (LPARAM)lpRect); }
int CTabCtrl::HitTest(TCHITTESTINFO* pHitTestInfo) const { return (int)SendMessage(TCM_HITTEST, 0, (LPARAM)pHitTestInfo); }
BOOL CTabCtrl::HighlightItem(int idItem, BOOL fHighlight)
{
    return (BOOL)SendMessage(TCM_HIGHLIGHTITEM, (WPARAM)idItem, MAKELPARAM(fHighlight, 0));
}
DWORD CTabCtrl::GetExtendedStyle() const { return (DWORD)SendMessage(TCM_GETEXTENDEDSTYLE); }
DWORD CTabCtrl::SetExtendedStyle(DWORD dwNewStyle, DWORD dwExMask)
{
    return (DWORD)SendMessage(TCM_SETEXTENDEDSTYLE, dwExMask, dwNewStyle);
}

void CTabCtrl::DrawItem(LPDRAWITEMSTRUCT)
{
}

BOOL CTabCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message != WM_DRAWITEM)
        return CWnd::OnChildNotify(message, wParam, lParam, pResult);
    DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
    if (pResult != NULL)
        *pResult = TRUE;
    return TRUE;
}

/////////////////////////////////////////////////////////////////////////////
// CSpinButtonCtrl

CSpinButtonCtrl::~CSpinButtonCtrl()
{
    DestroyWindow();
}

BOOL CSpinButtonCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CreateCommonControl(this, ICC_UPDOWN_CLASS, UPDOWN_CLASSA, 0, dwStyle, rect, pParentWnd, nID);
}

BOOL CSpinButtonCtrl::CreateEx(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CreateCommonControl(this, ICC_UPDOWN_CLASS, UPDOWN_CLASSA, dwExStyle, dwStyle, rect, pParentWnd, nID);
}

BOOL CSpinButtonCtrl::SetAccel(int nAccel, UDACCEL* pAccel)
{
    return (BOOL)SendMessage(UDM_SETACCEL, (WPARAM)nAccel, (LPARAM)pAccel);
}
UINT CSpinButtonCtrl::GetAccel(int nAccel, UDACCEL* pAccel) const
{
    return (UINT)SendMessage(UDM_GETACCEL, (WPARAM)nAccel, (LPARAM)pAccel);
}
int CSpinButtonCtrl::SetBase(int nBase) { return (int)SendMessage(UDM_SETBASE, (WPARAM)nBase); }
UINT CSpinButtonCtrl::GetBase() const { return (UINT)SendMessage(UDM_GETBASE); }
CWnd* CSpinButtonCtrl::SetBuddy(CWnd* pWndBuddy)
{
    return CWnd::FromHandle((HWND)SendMessage(UDM_SETBUDDY, (WPARAM)pWndBuddy->GetSafeHwnd()));
}
CWnd* CSpinButtonCtrl::GetBuddy() const { return CWnd::FromHandle((HWND)SendMessage(UDM_GETBUDDY)); }
int CSpinButtonCtrl::SetPos(int nPos) { return (int)(short)LOWORD(SendMessage(UDM_SETPOS, 0, MAKELPARAM(nPos, 0))); }
int CSpinButtonCtrl::GetPos() const { return (int)SendMessage(UDM_GETPOS); }
int CSpinButtonCtrl::SetPos32(int nPos) { return (int)SendMessage(UDM_SETPOS32, 0, (LPARAM)nPos); }
int CSpinButtonCtrl::GetPos32(LPBOOL lpbError) const { return (int)SendMessage(UDM_GETPOS32, 0, (LPARAM)lpbError); }
void CSpinButtonCtrl::SetRange(short nLower, short nUpper) { SendMessage(UDM_SETRANGE, 0, MAKELPARAM(nUpper, nLower)); }
void CSpinButtonCtrl::SetRange32(int nLower, int nUpper) { SendMessage(UDM_SETRANGE32, (WPARAM)nLower, (LPARAM)nUpper); }
DWORD CSpinButtonCtrl::GetRange() const { return (DWORD)SendMessage(UDM_GETRANGE); }
void CSpinButtonCtrl::GetRange(int& lower, int& upper) const
{
    DWORD dwRange = GetRange();
    lower = (short)HIWORD(dwRange);
    upper = (short)LOWORD(dwRange);
}
void CSpinButtonCtrl::GetRange32(int& lower, int& upper) const
{
    SendMessage(UDM_GETRANGE32, (WPARAM)&lower, (LPARAM)&upper);
}

/////////////////////////////////////////////////////////////////////////////
// CDateTimeCtrl

CDateTimeCtrl::~CDateTimeCtrl()
{
    DestroyWindow();
}

BOOL CDateTimeCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CreateCommonControl(this, ICC_DATE_CLASSES, DATETIMEPICK_CLASSA, 0, dwStyle, rect, pParentWnd, nID);
}

DWORD CDateTimeCtrl::GetTime(LPSYSTEMTIME pTimeDest) const
{
    return (DWORD)SendMessage(DTM_GETSYSTEMTIME, 0, (LPARAM)pTimeDest);
}

DWORD CDateTimeCtrl::GetTime(CTime& timeDest) const
{
    SYSTEMTIME st = {};
    DWORD dwResult = GetTime(&st);
    if (dwResult == GDT_VALID)
        timeDest = CTime(st);
    return dwResult;
}

BOOL CDateTimeCtrl::SetTime(LPSYSTEMTIME pTimeNew)
{
    if (pTimeNew == NULL) {
        // Some implementations insist on a record even when it is ignored.
        SYSTEMTIME unused = {};
        ::GetLocalTime(&unused);
        return (BOOL)SendMessage(DTM_SETSYSTEMTIME, GDT_NONE, (LPARAM)&unused);
    }
    return (BOOL)SendMessage(DTM_SETSYSTEMTIME, GDT_VALID, (LPARAM)pTimeNew);
}

BOOL CDateTimeCtrl::SetTime(const CTime* pTimeNew)
{
    if (pTimeNew == NULL)
        return SetTime((LPSYSTEMTIME)NULL);
    SYSTEMTIME st = {};
    if (!pTimeNew->GetAsSystemTime(st))
        return FALSE;
    return SetTime(&st);
}

BOOL CDateTimeCtrl::SetFormat(LPCTSTR pstrFormat) { return (BOOL)SendMessage(DTM_SETFORMATA, 0, (LPARAM)pstrFormat); }

DWORD CDateTimeCtrl::GetRange(CTime* pMinTime, CTime* pMaxTime) const
{
    SYSTEMTIME range[2] = {};
    DWORD dwResult = (DWORD)SendMessage(DTM_GETRANGE, 0, (LPARAM)range);
    if (pMinTime != NULL && (dwResult & GDTR_MIN))
        *pMinTime = CTime(range[0]);
    if (pMaxTime != NULL && (dwResult & GDTR_MAX))
        *pMaxTime = CTime(range[1]);
    return dwResult;
}

BOOL CDateTimeCtrl::SetRange(const CTime* pMinRange, const CTime* pMaxRange)
{
    SYSTEMTIME range[2] = {};
    DWORD dwFlags = 0;
    if (pMinRange != NULL && pMinRange->GetAsSystemTime(range[0]))
        dwFlags |= GDTR_MIN;
    if (pMaxRange != NULL && pMaxRange->GetAsSystemTime(range[1]))
        dwFlags |= GDTR_MAX;
    return (BOOL)SendMessage(DTM_SETRANGE, dwFlags, (LPARAM)range);
}

COLORREF CDateTimeCtrl::GetMonthCalColor(int iColor) const { return (COLORREF)SendMessage(DTM_GETMCCOLOR, (WPARAM)iColor); }
COLORREF CDateTimeCtrl::SetMonthCalColor(int iColor, COLORREF ref)
{
    return (COLORREF)SendMessage(DTM_SETMCCOLOR, (WPARAM)iColor, (LPARAM)ref);
}
CFont* CDateTimeCtrl::GetMonthCalFont() const { return CFont::FromHandle((HFONT)SendMessage(DTM_GETMCFONT)); }
void CDateTimeCtrl::SetMonthCalFont(HFONT hFont, BOOL bRedraw) { SendMessage(DTM_SETMCFONT, (WPARAM)hFont, bRedraw); }
