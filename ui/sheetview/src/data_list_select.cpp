// The record-bound list's selection in record coordinates (rows and columns counted over all
// records, not the grid), its hit test, and the mouse: clicks, Ctrl and Shift selection, check
// boxes, buttons and edits.
#include "GridDataList.h"

#include <algorithm>

namespace {

DWORD Key(int col, int row)
{
    return ((DWORD)(row & 0xFFFF) << 16) | (DWORD)(col & 0xFFFF);
}

} // namespace

void CGridDataList::HitTest(const CPoint& point, tagGRDHITTEST* result)
{
    CGrid::HitTest(point, result);
    if (result == NULL || result->nFlags == 0)
        return;
    if (result->nCol >= (int)m_nColHeadCount)
        result->nCol += ColShift();
    if (result->nRow >= (int)m_nRowHeadCount)
        result->nRow += RowShift();
}

int CGridDataList::SelectCell(UINT col, UINT row, int redraw)
{
    m_setSelected.insert(Key((int)col, (int)row));
    const int gc = (int)col >= (int)m_nColHeadCount ? (int)col - ColShift() : (int)col;
    const int gr = (int)row >= (int)m_nRowHeadCount ? (int)row - RowShift() : (int)row;
    if (gc >= 0 && gr >= 0 && IsCell(gc, gr)) {
        m_ppCells[gc][gr].nFlags |= GCF_SELECTED;
        if (redraw)
            RepaintCell(gc, gr, FALSE);
    }
    return 1;
}

void CGridDataList::NormaliseRange(int& col1, int& row1, int& col2, int& row2) const
{
    if (col1 > col2)
        std::swap(col1, col2);
    if (row1 > row2)
        std::swap(row1, row2);
    if (m_bRowSelect) {
        col1 = (int)m_nColHeadCount + ColShift();
        col2 = (int)m_nColCount - 1 + ColShift();
    }
}

bool CGridDataList::VisiblePart(int col1, int row1, int col2, int row2, CRect& cells) const
{
    cells.SetRect(std::max(col1 - ColShift(), (int)m_nColHeadCount), std::max(row1 - RowShift(), (int)m_nRowHeadCount),
                  std::min(col2 - ColShift(), (int)m_nColCount - 1), std::min(row2 - RowShift(), (int)m_nRowCount - 1));
    return m_ppCells != NULL && cells.left <= cells.right && cells.top <= cells.bottom;
}

void CGridDataList::AddSelection(int col1, int row1, int col2, int row2, int redraw)
{
    if (!m_bUseCellSelect || m_ppCells == NULL)
        return;
    m_nSelectRow = row1;
    NormaliseRange(col1, row1, col2, row2);
    for (int row = row1; row <= row2; ++row)
        for (int col = col1; col <= col2; ++col)
            m_setSelected.insert(Key(col, row));
    CRect cells;
    if (!VisiblePart(col1, row1, col2, row2, cells))
        return;
    for (int col = cells.left; col <= cells.right; ++col)
        for (int row = cells.top; row <= cells.bottom; ++row)
            m_ppCells[col][row].nFlags |= GCF_SELECTED;
    if (redraw)
        RepaintCells(cells, FALSE);
}

void CGridDataList::DeleteSelection(int col1, int row1, int col2, int row2, int redraw)
{
    NormaliseRange(col1, row1, col2, row2);
    for (int row = row1; row <= row2; ++row)
        for (int col = col1; col <= col2; ++col)
            m_setSelected.erase(Key(col, row));
    CRect cells;
    if (!VisiblePart(col1, row1, col2, row2, cells))
        return;
    for (int col = cells.left; col <= cells.right; ++col)
        for (int row = cells.top; row <= cells.bottom; ++row)
            m_ppCells[col][row].nFlags &= ~GCF_SELECTED;
    if (redraw)
        RepaintCells(cells, TRUE);
}

void CGridDataList::RepaintCells(const CRect& cells, BOOL erase)
{
    // The range where it shows: moved by the pixel offsets, with the line above it that text
    // cells cover.
    CRect area = GetRect(cells.left, cells.top, cells.right, cells.bottom);
    area.OffsetRect(-m_nHScroll, -m_nVScroll);
    area.top -= 1;
    Repaint(area, erase);
}

void CGridDataList::ResetSelection()
{
    if (m_ppCells == NULL || m_setSelected.empty())
        return;
    for (UINT col = m_nColHeadCount; col < m_nColCount; ++col) {
        for (UINT row = m_nRowHeadCount; row < m_nRowCount; ++row) {
            if (m_setSelected.count(Key((int)col + ColShift(), (int)row + RowShift())) != 0) {
                m_ppCells[col][row].nFlags |= GCF_SELECTED;
                RepaintCell(col, row, TRUE);
            }
        }
    }
}

void CGridDataList::OnLButtonDown(UINT nFlags, CPoint point)
{
    const bool shift = (nFlags & MK_SHIFT) != 0, ctrl = (nFlags & MK_CONTROL) != 0;
    tagGRDHITTEST hit;
    HitTest(point, &hit);
    SetFocus();
    if (!shift && !ctrl)
        ClearSelection(1);
    const int gc = hit.nCol >= (int)m_nColHeadCount ? hit.nCol - ColShift() : hit.nCol;
    const int gr = hit.nRow >= (int)m_nRowHeadCount ? hit.nRow - RowShift() : hit.nRow;

    if (m_nCursorState == CURSOR_RES1) {
        StartColumnResize(gc, gr);
        return;
    }

    tagCell* cell = hit.nFlags != 0 ? GetCellPtr(gc, gr) : NULL;
    if (m_nCursorState == CURSOR_ARROW && (hit.nFlags & GHT_BODY) && cell != NULL) {
        if (!shift || m_nAnchorCol < 0) {
            m_nAnchorCol = hit.nCol;
            m_nAnchorRow = hit.nRow;
            AddSelection(hit.nCol, hit.nRow, hit.nCol, hit.nRow, 1);
            m_nRangeEndCol = m_nRangeEndRow = -1;
        } else {
            if (m_nRangeEndCol >= 0)
                DeleteSelection(m_nAnchorCol, m_nAnchorRow, m_nRangeEndCol, m_nRangeEndRow, 1);
            m_nRangeEndCol = hit.nCol;
            m_nRangeEndRow = hit.nRow;
            AddSelection(m_nAnchorCol, m_nAnchorRow, hit.nCol, hit.nRow, 1);
        }
        switch (cell->nFlags & GCF_STYLE_MASK) {
        case GCS_CHECK:
            SetCheck(gc, gr, (cell->nFlags & GCF_CHECKED) ? 0 : 1, 1);
            break;
        case GCS_BUTTON:
            cell->nFlags |= GCF_PRESSED;
            m_nPressCol = gc;
            m_nPressRow = gr;
            m_bCapturing = 1;
            RepaintCell(gc, gr, FALSE);
            break;
        default:
            break;
        }
        SetCapture();
    }
    if (hit.nFlags == GHT_BODY && cell != NULL && (cell->nFlags & GCF_STYLE_MASK) == GCS_EDIT)
        SetGridEdit(hit.nCol, hit.nRow);
    CWnd::OnLButtonDown(nFlags, point);
    NotifyParent(WM_GRID_LBUTTONDOWN, m_nID, (LPARAM)&point);
}

void CGridDataList::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_nAnchorCol >= 0 && m_nAnchorRow >= 0) {
        const int gc = m_nAnchorCol >= (int)m_nColHeadCount ? m_nAnchorCol - ColShift() : m_nAnchorCol;
        const int gr = m_nAnchorRow >= (int)m_nRowHeadCount ? m_nAnchorRow - RowShift() : m_nAnchorRow;
        tagCell* cell = gc >= 0 && gr >= 0 ? GetCellPtr(gc, gr) : NULL;
        if (cell != NULL && (cell->nFlags & GCF_STYLE_MASK) == GCS_BUTTON) {
            cell->nFlags &= ~GCF_PRESSED;
            m_bCapturing = 0; // first: releasing the capture is no lost press
            if (::GetCapture() == m_hWnd)
                ::ReleaseCapture();
            RepaintCell(gc, gr, FALSE);
            tagCellInfo pressed = {m_nAnchorCol, m_nAnchorRow};
            NotifyParent(WM_GRID_BUTTONCLICK, m_nID, (LPARAM)&pressed);
            m_nAnchorCol = m_nAnchorRow = m_nRangeEndCol = m_nRangeEndRow = -1;
            m_nPressCol = m_nPressRow = -1;
        }
    }
    m_nResizeCol = -1;
    m_bCapturing = 0;
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    CWnd::OnLButtonUp(nFlags, point);
    NotifyParent(WM_GRID_LBUTTONUP, m_nID, (LPARAM)&point);
}
