// The scrolling grid list and the mouse: resizing a column by dragging its edge in a header
// row, and whole-row selection on a click.
#include "GridList.h"

void CGridList::OnMouseMove(UINT nFlags, CPoint point)
{
    // A drag keeps going wherever the pointer goes, body rows included.
    const bool dragging = m_nCursorState == CURSOR_RES1 && m_nResizeCol >= 0 && m_nResizeCol < (int)m_nColCount;
    CGrid::OnMouseMove(nFlags, point);
    if (dragging) {
        SetCursorState(CURSOR_RES1);
        // The column's start as it shows on screen: body columns move with the scroll.
        const int start = m_pColExt[m_nResizeCol].nStart - (m_nResizeCol >= (int)m_nColHeadCount ? m_nHScroll : 0);
        if (point.x - start >= MIN_COLUMN_WIDTH)
            SetColumnWidth(m_nResizeCol, point.x - start);
        return;
    }
    HitTest(point, &m_hoverHit);
    if ((m_hoverHit.nFlags & GHT_COLEDGE) && (m_hoverHit.nFlags & GHT_HEADROW))
        SetCursorState(CURSOR_RES1);
    else
        SetCursorState(CURSOR_ARROW);
}

void CGridList::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (m_nCursorState == CURSOR_RES1) {
        StartColumnResize(m_hoverHit.nCol, m_hoverHit.nRow);
        return;
    }
    if (m_nCursorState != CURSOR_ARROW) {
        CGrid::OnLButtonDown(nFlags, point);
        return;
    }
    CGrid::OnLButtonDown(nFlags, point);
    SelectClickedRow(point, m_bRowSelect);
}

void CGridList::StartColumnResize(int col, int row)
{
    // Over a merge origin the edge is that of the merge's last column.
    const tagCell* cell = GetCellPtr(col, row);
    if (cell != NULL && (cell->nFlags & GCF_MERGED))
        col += HIBYTE(cell->nMerge);
    m_nResizeCol = col;
    SetCapture();
    m_bCapturing = 1;
}

void CGridList::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_nCursorState == CURSOR_RES1 || m_bCapturing) {
        m_bCapturing = 0;
        if (::GetCapture() == m_hWnd)
            ::ReleaseCapture();
    }
    m_nResizeCol = -1;
    CGrid::OnLButtonUp(nFlags, point);
}
