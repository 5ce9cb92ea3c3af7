// The drop list's scroll bar: scrolls the list box and hands the capture back when the mouse
// leaves it.
#include "DropList.h"

#include <algorithm>

BEGIN_MESSAGE_MAP(CBaseDropListScrollBar, CScrollBar)
    ON_WM_VSCROLL_REFLECT()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_MESSAGE(WM_DROPLIST_SETCAPTURE, OnDropListSetCapture)
    ON_MESSAGE(WM_DROPLIST_RELEASECAPTURE, OnDropListReleaseCapture)
END_MESSAGE_MAP()

CBaseDropListScrollBar::CBaseDropListScrollBar() : m_pListBox(NULL)
{
}

CBaseDropListScrollBar::~CBaseDropListScrollBar()
{
}

BOOL CBaseDropListScrollBar::CreateControl(CBaseDropListBox* pListBox, CRect rect)
{
    m_pListBox = pListBox;
    if (m_hWnd == NULL)
        return FALSE;
    MoveWindow(&rect);
    CBaseDropList* pDropList = static_cast<CBaseDropList*>(GetParent());
    long page = pDropList != NULL ? pDropList->GetVisibleRows() : -1;
    if (page <= 0) // no row limit: a page is what the list box shows
        page = std::max(1L, pListBox->GetBottomIdx() - pListBox->GetTopIndex());
    SCROLLINFO info = {sizeof info};
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMin = 0;
    info.nMax = std::max(0, pListBox->GetCount() - 1);
    info.nPage = UINT(page);
    info.nPos = 0;
    SetScrollInfo(&info, TRUE);
    ShowWindow(SW_SHOW);
    return TRUE;
}

void CBaseDropListScrollBar::ScrollTo(UINT nSBCode, UINT nPos)
{
    SCROLLINFO info = {sizeof info};
    if (m_pListBox == NULL || !GetScrollInfo(&info, SIF_ALL))
        return;
    const int page = std::max(1, int(info.nPage));
    int pos = info.nPos;
    switch (nSBCode) {
    case SB_LINEUP: --pos; break;
    case SB_LINEDOWN: ++pos; break;
    case SB_PAGEUP: pos -= page; break;
    case SB_PAGEDOWN: pos += page; break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: pos = int(nPos); break;
    case SB_TOP: pos = info.nMin; break;
    case SB_BOTTOM: pos = info.nMax; break;
    default: return;
    }
    pos = std::max(info.nMin, std::min(pos, std::max(info.nMin, info.nMax - page + 1)));
    m_pListBox->SetTopIdx(pos, FALSE);
    SetScrollPos(pos);
}

void CBaseDropListScrollBar::VScroll(UINT nSBCode, UINT nPos)
{
    ScrollTo(nSBCode, nPos);
}

void CBaseDropListScrollBar::OnMouseMove(UINT /*nFlags*/, CPoint point)
{
    CRect client;
    GetClientRect(&client);
    if (!client.PtInRect(point)) {
        ::ReleaseCapture();
        GetParent()->SendMessage(WM_DROPLIST_SETCAPTURE);
        return;
    }
    Default();
}

void CBaseDropListScrollBar::OnLButtonDown(UINT /*nFlags*/, CPoint point)
{
    CRect client;
    GetClientRect(&client);
    if (!client.PtInRect(point)) {
        ::ReleaseCapture();
        GetParent()->SendMessage(WM_DROPLIST_SETCAPTURE);
        return;
    }
    Default(); // the bar's own tracking, which ends by releasing the capture
    if (m_hWnd != NULL && ::IsWindow(m_hWnd))
        SetCapture();
}

LRESULT CBaseDropListScrollBar::OnDropListSetCapture(WPARAM, LPARAM)
{
    SetCapture();
    return 1;
}

LRESULT CBaseDropListScrollBar::OnDropListReleaseCapture(WPARAM, LPARAM)
{
    if (GetCapture() == this)
        ::ReleaseCapture();
    return 1;
}
