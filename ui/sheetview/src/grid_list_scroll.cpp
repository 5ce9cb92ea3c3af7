// The scrolling grid list and its standard bars: scroll info from the body's size, pixel
// scrolling by bar codes, the wheel, sizing and creation.
#include "GridList.h"

#include <algorithm>
#include <cstring>

void CGridList::SetBodyScrollInfo(int bar, CScrollBar* own, int max, int page, int position)
{
    SCROLLINFO info;
    memset(&info, 0, sizeof info);
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    info.nMin = 0;
    info.nMax = std::max(0, max);
    info.nPage = (UINT)std::max(0, page);
    info.nPos = position;
    if (own != NULL)
        own->SetScrollInfo(&info, TRUE);
    else
        CWnd::SetScrollInfo(bar, &info, TRUE);
}

void CGridList::SetVScrollInfo(int position)
{
    if (m_hWnd == NULL)
        return;
    const CRect body = GetDataRect();
    SetBodyScrollInfo(SB_VERT, NULL, body.bottom - m_nBorderWidth - body.top, GetPageSize(1), position);
}

void CGridList::SetHScrollInfo(int position)
{
    if (m_hWnd == NULL)
        return;
    const CRect body = GetDataRect();
    SetBodyScrollInfo(SB_HORZ, NULL, body.right - m_nBorderWidth - body.left, GetPageSize(0), position);
}

void CGridList::SetScroll()
{
    if (m_hWnd == NULL)
        return;
    if (m_dwScrollBars & WS_HSCROLL)
        SetHScrollInfo(0);
    if (m_dwScrollBars & WS_VSCROLL)
        SetVScrollInfo(0);
}

int CGridList::GetPageSize(int vertical)
{
    if (m_hWnd == NULL)
        return 0;
    const CRect body = GetDataRect();
    CRect client;
    GetClientRect(&client);
    return vertical ? std::max<int>(0, std::min<int>(body.bottom, client.bottom) - body.top)
                    : std::max<int>(0, std::min<int>(body.right, client.right) - body.left);
}

bool CGridList::CodeDelta(const SCROLLINFO& info, UINT code, int line, int current, long long& delta)
{
    switch (code) {
    case SB_LINEUP:
        delta = -line;
        return true;
    case SB_LINEDOWN:
        delta = line;
        return true;
    case SB_PAGEUP:
        delta = -(long long)info.nPage;
        return true;
    case SB_PAGEDOWN:
        delta = info.nPage;
        return true;
    case SB_THUMBTRACK:
        delta = (long long)info.nTrackPos - current;
        return true;
    default:
        return false;
    }
}

bool CGridList::ScrollTarget(const SCROLLINFO& info, UINT code, int line, int current, bool otherCodesMove,
                             int& target)
{
    long long delta = 0;
    if (!CodeDelta(info, code, line, current, delta) && !otherCodesMove)
        return false;
    long long pos = current + delta;
    if (pos < info.nMin)
        pos = 0;
    const long long last = (long long)info.nMax - (long long)info.nPage + 1;
    if (pos > (long long)info.nMax - (long long)info.nPage)
        pos = last;
    // A body smaller than its page has nowhere to go: never above the start.
    if (pos < std::max(info.nMin, 0))
        pos = std::max(info.nMin, 0);
    target = (int)pos;
    return true;
}

CRect CGridList::BodyColumnsStrip()
{
    CRect client;
    GetClientRect(&client);
    const int left = m_nColHeadCount < m_nColCount ? m_pColExt[m_nColHeadCount].nStart : client.right;
    return CRect(left, client.top, client.right, client.bottom);
}

CRect CGridList::BodyRowsStrip()
{
    CRect client;
    GetClientRect(&client);
    const int top = m_nRowHeadCount < m_nRowCount ? m_pRowExt[m_nRowHeadCount].nStart : client.bottom;
    return CRect(client.left, top, client.right, client.bottom);
}

void CGridList::ScrollBodyBy(int dx, int dy)
{
    if (dx == 0 && dy == 0)
        return;
    m_nHScroll += dx;
    m_nVScroll += dy;
    const CRect strip = dx != 0 ? BodyColumnsStrip() : BodyRowsStrip();
    ScrollWindow(-dx, -dy, &strip, &strip);
}

void CGridList::EndEditForScroll()
{
    // The editor's focus loss commits what it holds before the cell moves away.
    if (m_wndEdit.m_hWnd != NULL && m_wndEdit.IsWindowVisible())
        SetFocus();
}

void CGridList::OnHScroll(UINT nSBCode, UINT, CScrollBar*)
{
    if (m_ppCells == NULL)
        return;
    EndEditForScroll();
    SCROLLINFO info;
    memset(&info, 0, sizeof info);
    if (!CWnd::GetScrollInfo(SB_HORZ, &info, SIF_ALL))
        return; // without a horizontal bar there is no range to scroll in
    int target;
    if (!ScrollTarget(info, nSBCode, HSCROLL_LINE, m_nHScroll, true, target))
        return;
    ScrollBodyBy(target - m_nHScroll, 0);
    CWnd::SetScrollPos(SB_HORZ, m_nHScroll, TRUE);
}

void CGridList::OnVScroll(UINT nSBCode, UINT, CScrollBar*)
{
    if (m_ppCells == NULL)
        return;
    EndEditForScroll();
    SCROLLINFO info;
    memset(&info, 0, sizeof info);
    if (!CWnd::GetScrollInfo(SB_VERT, &info, SIF_ALL))
        return;
    int target;
    if (!ScrollTarget(info, nSBCode, m_nDefRowHeight, m_nVScroll, false, target))
        return;
    ScrollBodyBy(0, target - m_nVScroll);
    CWnd::SetScrollPos(SB_VERT, m_nVScroll, TRUE);
}

void CGridList::SetScrollPosition(int vertical, int position)
{
    if (m_hWnd == NULL || m_ppCells == NULL)
        return;
    SCROLLINFO info;
    memset(&info, 0, sizeof info);
    if (!CWnd::GetScrollInfo(vertical ? SB_VERT : SB_HORZ, &info, SIF_ALL))
        return;
    const long long last = std::max<long long>(info.nMin, (long long)info.nMax - (long long)info.nPage + 1);
    const int target = (int)std::max<long long>(info.nMin, std::min<long long>(position, last));
    if (vertical) {
        ScrollBodyBy(0, target - m_nVScroll);
        CWnd::SetScrollPos(SB_VERT, m_nVScroll, TRUE);
    } else {
        ScrollBodyBy(target - m_nHScroll, 0);
        CWnd::SetScrollPos(SB_HORZ, m_nHScroll, TRUE);
    }
}

BOOL CGridList::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
{
    SendMessage(m_nUpdateStyle ? WM_VSCROLL : WM_HSCROLL, zDelta <= 0 ? SB_LINEDOWN : SB_LINEUP, 0);
    return CGrid::OnMouseWheel(nFlags, zDelta, pt);
}

void CGridList::OnSize(UINT nType, int cx, int cy)
{
    CGrid::OnSize(nType, cx, cy);
    if (m_nUpdateStyle && (m_dwScrollBars & WS_VSCROLL))
        SetVScrollInfo(m_nVScroll);
}

int CGridList::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    m_dwScrollBars = lpCreateStruct->style & (WS_HSCROLL | WS_VSCROLL);
    const int result = CGrid::OnCreate(lpCreateStruct);
    if (result == -1)
        return result;
    SetScroll();
    return result;
}
