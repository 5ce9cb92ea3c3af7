// The record-bound list's scrolling: its own skinned bars (made over standard bar children),
// the visible row count, scrolling by whole records with overscroll rows, pixel scrolling of
// the columns, and positioning on a record.
#include "GridDataList.h"

#include <algorithm>
#include <cstring>

BEGIN_MESSAGE_MAP(CGridDataList, CGridList)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_VSCROLL()
    ON_WM_HSCROLL()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_MESSAGE(WM_GRID_SETEDITDATA, OnSetEditData)
    ON_MESSAGE(WM_GRID_NEXTEDIT, OnNextEditFocus)
END_MESSAGE_MAP()

namespace {

// Places of the own bars: the vertical one 16 pixels wide one pixel in from the right, the
// horizontal one 16 pixels high along the bottom.
CRect VerticalBarRect(const CRect& client, bool withHorizontal)
{
    return CRect(client.right - 17, 0, client.right - 1, client.bottom - (withHorizontal ? 18 : 0));
}

CRect HorizontalBarRect(const CRect& client, bool withVertical)
{
    return CRect(0, client.bottom - 16, client.right - (withVertical ? 16 : 0), client.bottom);
}

} // namespace

int CGridDataList::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CGridList::OnCreate(lpCreateStruct) == -1)
        return -1;
    CRect client;
    GetClientRect(&client);
    const bool vertical = (m_nOwnBars & GDL_SCROLL_VERT) != 0, horizontal = (m_nOwnBars & GDL_SCROLL_HORZ) != 0;
    // Each own bar takes the place of a standard bar child made for it.
    if (vertical) {
        const CRect r = VerticalBarRect(client, horizontal);
        ::CreateWindowExA(0, "SCROLLBAR", NULL, WS_CHILD | WS_VISIBLE | SBS_VERT, r.left, r.top, r.Width(), r.Height(),
                          m_hWnd, (HMENU)(INT_PTR)IDC_GDL_VSCROLL, AfxGetInstanceHandle(), NULL);
        m_wndVScroll.CreateFromExisting(this, IDC_GDL_VSCROLL);
    }
    if (horizontal) {
        const CRect r = HorizontalBarRect(client, vertical);
        ::CreateWindowExA(0, "SCROLLBAR", NULL, WS_CHILD | WS_VISIBLE | SBS_HORZ, r.left, r.top, r.Width(), r.Height(),
                          m_hWnd, (HMENU)(INT_PTR)IDC_GDL_HSCROLL, AfxGetInstanceHandle(), NULL);
        m_wndHScroll.CreateFromExisting(this, IDC_GDL_HSCROLL);
    }
    MeasureVisibleRows();
    SetVScrollInfo(m_nTopRecord + m_nOverscroll);
    SetHScrollInfo(m_nUpdateStyle ? m_nHScroll : m_nLeftRecord);
    RefreshVisible();
    return 0;
}

void CGridDataList::LayOutOwnBars()
{
    CRect client;
    GetClientRect(&client);
    const bool vertical = m_wndVScroll.m_hWnd != NULL, horizontal = m_wndHScroll.m_hWnd != NULL;
    if (vertical)
        m_wndVScroll.MoveWindow(VerticalBarRect(client, horizontal));
    if (horizontal)
        m_wndHScroll.MoveWindow(HorizontalBarRect(client, vertical));
}

void CGridDataList::MeasureVisibleRows()
{
    m_nVisibleRows = 0;
    if (m_hWnd == NULL || m_pRowExt == NULL)
        return;
    CRect client;
    GetClientRect(&client);
    const int limit = client.bottom - (m_wndHScroll.m_hWnd != NULL ? 15 : 0);
    for (UINT row = 0; row < m_nRowCount; ++row) {
        if (m_pRowExt[row].nStart + m_pRowExt[row].nSize > limit)
            break;
        ++m_nVisibleRows;
    }
}

void CGridDataList::OnSize(UINT nType, int cx, int cy)
{
    CGridList::OnSize(nType, cx, cy);
    LayOutOwnBars();
    MeasureVisibleRows();
    SetVScrollInfo(m_nTopRecord + m_nOverscroll);
}

void CGridDataList::SetVScrollInfo(int position)
{
    if (!m_nUpdateStyle) {
        CGridList::SetVScrollInfo(position);
        return;
    }
    if (m_wndVScroll.m_hWnd == NULL)
        return;
    const int page = m_nVisibleRows > 0 ? (m_nVisibleRows - (int)m_nRowHeadCount) / m_nRepeatCount : 0;
    SetBodyScrollInfo(SB_CTL, &m_wndVScroll, (int)m_records.size() - 1, page, position);
}

void CGridDataList::SetHScrollInfo(int position)
{
    if (m_wndHScroll.m_hWnd == NULL)
        return;
    if (m_nUpdateStyle) {
        // Pixels of the body columns, the own vertical bar's width not counted as page.
        const CRect body = GetDataRect();
        CRect client;
        GetClientRect(&client);
        const int right = client.right - (m_wndVScroll.m_hWnd != NULL ? 16 : 0);
        SetBodyScrollInfo(SB_CTL, &m_wndHScroll, body.right - m_nBorderWidth - body.left,
                          std::min<int>(body.right, right) - body.left, position);
    } else {
        SetBodyScrollInfo(SB_CTL, &m_wndHScroll, (int)m_records.size() - 1,
                          ((int)m_nColCount - (int)m_nColHeadCount) / m_nRepeatCount, position);
    }
}

bool CGridDataList::RecordDelta(const SCROLLINFO& info, UINT code, int pos, long long& delta)
{
    if (code == SB_TOP)
        delta = -pos;
    else if (!CodeDelta(info, code, 1, pos, delta))
        return false;
    // Within the records: from the first to the last full page.
    delta = std::min<long long>(delta, (long long)info.nMax - (long long)info.nPage - pos + 1);
    delta = std::max<long long>(delta, -pos);
    return true;
}

int CGridDataList::OwnBarPos(CXeScrollBar& bar, SCROLLINFO& info)
{
    memset(&info, 0, sizeof info);
    info.cbSize = sizeof info;
    if (bar.m_hWnd == NULL || !bar.GetScrollInfo(&info, SIF_ALL))
        return 0;
    return 1;
}

void CGridDataList::ScrollRecords(UINT code)
{
    SCROLLINFO info;
    if (!OwnBarPos(m_wndVScroll, info))
        return;
    const int pos = m_nTopRecord + m_nOverscroll;
    long long delta;
    if (!RecordDelta(info, code, pos, delta))
        return;
    if (delta <= 0) {
        if (m_nOverscroll + delta >= 0) {
            m_nOverscroll += (int)delta;
        } else {
            m_nTopRecord += m_nOverscroll + (int)delta;
            m_nOverscroll = 0;
        }
    } else {
        const int perGrid = ((int)m_nRowCount - (int)m_nRowHeadCount) / m_nRepeatCount;
        const int lastTop = std::max<int>(0, (int)m_records.size() - perGrid);
        const int wanted = m_nTopRecord + (int)delta;
        if (wanted > lastTop) {
            const int base = std::max(m_nTopRecord, lastTop);
            m_nOverscroll += wanted - base;
            m_nTopRecord = base;
        } else {
            m_nTopRecord = wanted;
        }
    }
    // Overscroll rows move the body up by whole rows below the last full page.
    const int row = std::min(m_nOverscroll, (int)m_nRowCount - 1);
    m_nVScroll = m_nOverscroll > 0 && row > 0 ? std::max<int>(0, GetRowStart(row) - 1) : 0;
    RefreshVisible();
    ClearSelection(0);
    ResetSelection();
    RepaintBody(TRUE);
    m_wndVScroll.SetScrollPos(m_nTopRecord + m_nOverscroll, TRUE);
}

void CGridDataList::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    if (!m_nUpdateStyle) {
        CGridList::OnVScroll(nSBCode, nPos, pScrollBar);
        return;
    }
    if (m_wndVScroll.m_hWnd == NULL)
        return;
    EndEditForScroll();
    ScrollRecords(nSBCode);
}

void CGridDataList::ScrollColumns(UINT code)
{
    SCROLLINFO info;
    if (!OwnBarPos(m_wndHScroll, info))
        return;
    if (m_nUpdateStyle) {
        int target;
        if (!ScrollTarget(info, code, HSCROLL_LINE, m_nHScroll, true, target) || target == m_nHScroll)
            return;
        m_nHScroll = target;
        Repaint(BodyColumnsStrip(), TRUE);
        m_wndHScroll.SetScrollPos(m_nHScroll, TRUE);
        return;
    }
    long long delta;
    if (!RecordDelta(info, code, m_nLeftRecord, delta))
        return;
    m_nLeftRecord += (int)delta;
    UpdateHorzList(-1, -1);
    RepaintBody(TRUE);
    m_wndHScroll.SetScrollPos(m_nLeftRecord, TRUE);
}

void CGridDataList::OnHScroll(UINT nSBCode, UINT, CScrollBar*)
{
    if (m_nOwnBars == 0)
        return;
    EndEditForScroll();
    ScrollColumns(nSBCode);
}

void CGridDataList::SetScrollPosition(int vertical, int position)
{
    const int count = (int)m_records.size();
    CXeScrollBar& bar = vertical ? m_wndVScroll : m_wndHScroll;
    SCROLLINFO info;
    long long last;
    if (OwnBarPos(bar, info) && (vertical ? m_nUpdateStyle : !m_nUpdateStyle))
        last = (long long)info.nMax - (long long)info.nPage + 1;
    else
        last = count - RecordsPerPage();
    const int target = (int)std::max<long long>(0, std::min<long long>(position, last));
    if (vertical) {
        m_nTopRecord = target;
        m_nOverscroll = 0;
        m_nVScroll = 0;
        RefreshVisible();
        ClearSelection(0);
        ResetSelection();
        RepaintBody(TRUE);
        if (m_wndVScroll.m_hWnd != NULL)
            m_wndVScroll.SetScrollPos(m_nTopRecord, TRUE);
    } else {
        m_nLeftRecord = target;
        RefreshVisible();
        RepaintBody(TRUE);
        if (m_wndHScroll.m_hWnd != NULL)
            m_wndHScroll.SetScrollPos(m_nLeftRecord, TRUE);
    }
}

int CGridDataList::GetMaxScrollPosition(int vertical)
{
    SCROLLINFO info;
    if (!OwnBarPos(vertical ? m_wndVScroll : m_wndHScroll, info))
        return 0;
    return (int)((long long)info.nMax - (long long)info.nPage - info.nMin + 1);
}

void CGridDataList::SetVisibleRowIndex(int index)
{
    const int perGrid = ((int)m_nRowCount - (int)m_nRowHeadCount) / m_nRepeatCount;
    const int position = index - perGrid / 2;
    if (position > 0)
        SetScrollPosition(1, position);
}

void CGridDataList::SelectRowByDataIndex(int index)
{
    if (index < 0 || index >= (int)m_records.size())
        return;
    const int perGrid = ((int)m_nRowCount - (int)m_nRowHeadCount) / m_nRepeatCount;
    SetScrollPosition(1, std::max<int>(0, index - perGrid / 2));
    ClearSelection(1);
    const int row = (int)m_nRowHeadCount + index * m_nRepeatCount;
    AddSelection(0, row, (int)m_nColCount - 1, row + m_nRepeatCount - 1, 1);
}
