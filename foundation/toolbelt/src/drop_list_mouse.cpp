// The drop list window's mouse: the capture passed to the part under the mouse, the size grip,
// closing by a press outside, and the wheel.
#include "DropList.h"

#include <algorithm>

BEGIN_MESSAGE_MAP(CBaseDropList, CWnd)
    ON_WM_CREATE()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_PAINT()
    ON_WM_SIZE()
    ON_WM_MOUSEWHEEL()
    ON_MESSAGE(WM_DROPLIST_SETCAPTURE, OnDropListSetCapture)
    ON_MESSAGE(WM_DROPLIST_RELEASECAPTURE, OnDropListReleaseCapture)
END_MESSAGE_MAP()

namespace {

bool Contains(CWnd* pWnd, CPoint screen)
{
    if (pWnd == NULL || pWnd->GetSafeHwnd() == NULL || !pWnd->IsWindowVisible())
        return false;
    CRect rect;
    pWnd->GetWindowRect(&rect);
    return rect.PtInRect(screen) != FALSE;
}

} // namespace

void CBaseDropList::OnMouseMove(UINT /*nFlags*/, CPoint point)
{
    CPoint screen = point;
    ClientToScreen(&screen);
    if (m_bSizing) {
        CRect window;
        GetWindowRect(&window);
        const int width = std::max(int(screen.x + m_nSizeOffsetX - window.left), ::GetSystemMetrics(SM_CXVSCROLL));
        const int height = std::max(int(screen.y + m_nSizeOffsetY - window.top), ::GetSystemMetrics(SM_CYVSCROLL));
        SetWindowPos(NULL, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER);
        return;
    }
    if (Contains(m_pListBox, screen)) {
        ::SetCursor(::LoadCursor(NULL, IDC_ARROW));
        ::ReleaseCapture();
        m_pScrollBar->SendMessage(WM_DROPLIST_RELEASECAPTURE);
        m_pListBox->SendMessage(WM_DROPLIST_SETCAPTURE);
    } else if (Contains(m_pScrollBar, screen)) {
        ::SetCursor(::LoadCursor(NULL, IDC_ARROW));
        ::ReleaseCapture();
        m_pListBox->SendMessage(WM_DROPLIST_RELEASECAPTURE);
        m_pScrollBar->SendMessage(WM_DROPLIST_SETCAPTURE);
    } else {
        const bool onGrip = m_bSizable && m_rectGrip.PtInRect(point);
        ::SetCursor(::LoadCursor(NULL, onGrip ? IDC_SIZENWSE : IDC_ARROW));
        if (GetCapture() != this)
            SetCapture();
    }
}

void CBaseDropList::OnLButtonDown(UINT /*nFlags*/, CPoint point)
{
    CPoint screen = point;
    ClientToScreen(&screen);
    CRect window;
    GetWindowRect(&window);
    if (m_bSizable && m_rectGrip.PtInRect(point)) {
        m_bSizing = TRUE;
        m_ptPress = point;
        m_nSizeOffsetX = window.right - screen.x;
        m_nSizeOffsetY = window.bottom - screen.y;
        if (GetCapture() != this)
            SetCapture();
    } else if (!window.PtInRect(screen)) {
        ::ReleaseCapture();
        if (m_pOwner->GetSafeHwnd() != NULL)
            m_pOwner->PostMessage(WM_DROPLIST_CLOSE);
    }
}

void CBaseDropList::OnLButtonUp(UINT /*nFlags*/, CPoint /*point*/)
{
    m_bSizing = FALSE;
}

void CBaseDropList::OnPaint()
{
    CPaintDC dc(this);
    if (m_bSizable) {
        CRect grip = m_rectGrip;
        dc.DrawFrameControl(&grip, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
    }
}

BOOL CBaseDropList::OnMouseWheel(UINT /*nFlags*/, short zDelta, CPoint /*pt*/)
{
    return ScrollByWheel(m_pListBox->GetSafeHwnd(), zDelta);
}

BOOL CBaseDropList::ScrollByWheel(HWND hListBox, short zDelta)
{
    if (m_pScrollBar == NULL || m_pScrollBar->GetSafeHwnd() == NULL || !m_pScrollBar->IsWindowVisible())
        return TRUE;
    ::SendMessageA(hListBox, WM_VSCROLL, zDelta > 0 ? SB_LINEUP : SB_LINEDOWN, 0);
    return TRUE;
}

LRESULT CBaseDropList::OnDropListSetCapture(WPARAM, LPARAM)
{
    SetCapture();
    return 1;
}

LRESULT CBaseDropList::OnDropListReleaseCapture(WPARAM, LPARAM)
{
    if (GetCapture() == this)
        ::ReleaseCapture();
    return 1;
}
