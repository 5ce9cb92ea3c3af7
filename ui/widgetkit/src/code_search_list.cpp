// CCodeSearchList: the pop-up of master entries that begin with the typed text, its mouse
// capture and the presses it passes on.
#include "CdeCtrl.h"

#include "SharedData.h"
#include "WidgetRules.h"
#include "code_dialog_support.h"

IMPLEMENT_DYNAMIC(CCodeSearchList, CWnd)

BEGIN_MESSAGE_MAP(CCodeSearchList, CWnd)
    ON_WM_LBUTTONDOWN()
    ON_WM_RBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_NCACTIVATE()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

namespace {

const COLORREF kListGround = RGB(0x7F, 0x7F, 0x7F);
const int kListHeight = 257;

} // namespace

CCodeSearchList::CCodeSearchList() : m_pControl(NULL) {}

CCodeSearchList::~CCodeSearchList()
{
    if (m_hWnd != NULL)
        DestroyWindow();
}

BOOL CCodeSearchList::CreateList(CWnd* control)
{
    m_pControl = control;
    const CRect rect(0, 0, 100, kListHeight + 2);
    if (!CreateEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW)), "",
                  WS_POPUP | WS_CLIPCHILDREN, rect, control, 0))
        return FALSE;
    if (!m_list.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                       CRect(1, 1, rect.Width() - 1, 1 + kListHeight), this, CODELIST_LISTBOX_ID))
        return FALSE;
    m_list.SetFont(CSharedData::GetDefaultFont(1));
    return TRUE;
}

void CCodeSearchList::Fill(const char* typed)
{
    m_list.ResetContent();
    ForEachStockRecord([this, typed](_API_CODE_INFO* record) {
        if (!CodeMatchesTyped(record->strCode, record->strName, typed))
            return;
        CString text;
        text.Format("%s %s", static_cast<const char*>(record->strCode), static_cast<const char*>(record->strName));
        const int index = m_list.AddString(text);
        if (index >= 0)
            m_list.SetItemDataPtr(index, record);
    });
}

void CCodeSearchList::ShowAt(const CRect& screen)
{
    SetWindowPos(&CWnd::wndTopMost, screen.left, screen.top, screen.Width(), screen.Height(),
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
    m_list.MoveWindow(1, 1, screen.Width() - 1, kListHeight);
    SetCapture();
}

void CCodeSearchList::HideList()
{
    if (m_hWnd == NULL)
        return;
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    ShowWindow(SW_HIDE);
}

void CCodeSearchList::MoveSelection(int delta)
{
    const int count = m_list.GetCount();
    if (count <= 0)
        return;
    int index = m_list.GetCurSel() + delta;
    if (m_list.GetCurSel() < 0)
        index = delta > 0 ? 0 : count - 1;
    if (index < 0)
        index = 0;
    if (index >= count)
        index = count - 1;
    m_list.SetCurSel(index);
}

_API_CODE_INFO* CCodeSearchList::GetSelectedRecord(BOOL firstWhenNone)
{
    int index = m_list.GetCurSel();
    if (index < 0 && firstWhenNone && m_list.GetCount() > 0)
        index = 0;
    if (index < 0)
        return NULL;
    return static_cast<_API_CODE_INFO*>(m_list.GetItemDataPtr(index));
}

void CCodeSearchList::ReplayPressBelow(UINT message, CPoint client)
{
    CPoint screen = client;
    ClientToScreen(&screen);
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    HWND below = ::WindowFromPoint(screen);
    if (below == NULL || below == m_hWnd || ::IsChild(m_hWnd, below))
        return;
    CPoint local = screen;
    ::ScreenToClient(below, &local);
    // Through the message queue, so that the window's own pre-translation sees it too.
    ::PostMessage(below, message, message == WM_LBUTTONDOWN ? MK_LBUTTON : MK_RBUTTON,
                  MAKELPARAM(static_cast<WORD>(static_cast<short>(local.x)), static_cast<WORD>(static_cast<short>(local.y))));
}

void CCodeSearchList::OnLButtonDown(UINT nFlags, CPoint point)
{
    CRect window;
    GetWindowRect(&window);
    CPoint screen = point;
    ClientToScreen(&screen);
    if (!window.PtInRect(screen)) {
        ReplayPressBelow(::GetSystemMetrics(SM_SWAPBUTTON) ? WM_RBUTTONDOWN : WM_LBUTTONDOWN, point);
        return;
    }
    CRect client;
    GetClientRect(&client);
    if (!client.PtInRect(point))
        return;
    CPoint inList = point;
    MapWindowPoints(&m_list, &inList, 1);
    const LPARAM at = MAKELPARAM(static_cast<WORD>(static_cast<short>(inList.x)), static_cast<WORD>(static_cast<short>(inList.y)));
    m_list.SendMessage(WM_LBUTTONDOWN, nFlags | MK_LBUTTON, at);
    m_list.SendMessage(WM_LBUTTONUP, nFlags & ~MK_LBUTTON, at);
    if (m_pControl != NULL && m_pControl->m_hWnd != NULL)
        m_pControl->SendMessage(WM_CODELIST_TAKE);
}

void CCodeSearchList::OnRButtonDown(UINT nFlags, CPoint point)
{
    (void)nFlags;
    CRect window;
    GetWindowRect(&window);
    CPoint screen = point;
    ClientToScreen(&screen);
    if (!window.PtInRect(screen))
        ReplayPressBelow(::GetSystemMetrics(SM_SWAPBUTTON) ? WM_LBUTTONDOWN : WM_RBUTTONDOWN, point);
}

void CCodeSearchList::OnLButtonUp(UINT nFlags, CPoint point)
{
    (void)nFlags;
    CRect client;
    GetClientRect(&client);
    if (client.PtInRect(point))
        return;
    // A release over the list box's scroll bar belongs to the list.
    CRect scroll;
    m_list.GetWindowRect(&scroll);
    CPoint screen = point;
    ClientToScreen(&screen);
    if (scroll.PtInRect(screen))
        return;
    if (m_pControl != NULL && m_pControl->m_hWnd != NULL)
        m_pControl->SendMessage(WM_CODELIST_HIDE);
}

BOOL CCodeSearchList::OnNcActivate(BOOL bActive)
{
    (void)bActive;
    // Shown without activation, yet drawn as the active window while it is up.
    return CWnd::OnNcActivate(IsShown() ? TRUE : bActive);
}

BOOL CCodeSearchList::OnEraseBkgnd(CDC* pDC)
{
    CRect client;
    GetClientRect(&client);
    pDC->FillSolidRect(&client, kListGround);
    return TRUE;
}
