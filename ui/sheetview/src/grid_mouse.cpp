// The grid and the mouse: clicks on check boxes, buttons and editable cells, the messages to
// the parent, cursors, the captured button press, focus loss and the in-place edit.
#include "Grid.h"

#include <algorithm>

LRESULT CGrid::NotifyParent(UINT message, WPARAM wParam, LPARAM lParam)
{
    HWND parent = ::GetParent(m_hWnd);
    return parent != NULL ? ::SendMessage(parent, message, wParam, lParam) : 0;
}

void CGrid::OnLButtonDown(UINT nFlags, CPoint point)
{
    SetFocus();
    ClearSelection(1);
    tagGRDHITTEST hit;
    HitTest(point, &hit);
    m_nPressCol = m_nPressRow = -1;
    if (hit.nFlags != 0) {
        m_nPressCol = hit.nCol;
        m_nPressRow = hit.nRow;
        tagCell& cell = m_ppCells[hit.nCol][hit.nRow];
        switch (cell.nFlags & GCF_STYLE_MASK) {
        case GCS_CHECK:
            SetCheck(hit.nCol, hit.nRow, (cell.nFlags & GCF_CHECKED) ? 0 : 1, 1);
            break;
        case GCS_BUTTON:
            cell.nFlags |= GCF_PRESSED;
            SetCapture();
            m_bCapturing = 1;
            RepaintCell(hit.nCol, hit.nRow, FALSE);
            break;
        case GCS_EDIT:
            SetGridEdit(hit.nCol, hit.nRow);
            break;
        default:
            if (m_bUseCellSelect && (hit.nFlags & GHT_BODY))
                SelectCell(hit.nCol, hit.nRow, 1);
            break;
        }
    }
    CWnd::OnLButtonDown(nFlags, point);
    NotifyParent(WM_GRID_LBUTTONDOWN, m_nID, (LPARAM)&point);
}

void CGrid::OnLButtonUp(UINT nFlags, CPoint point)
{
    tagCell* cell = m_nPressCol >= 0 && m_nPressRow >= 0 ? GetCellPtr(m_nPressCol, m_nPressRow) : NULL;
    if (cell != NULL && (cell->nFlags & GCF_STYLE_MASK) == GCS_BUTTON) {
        cell->nFlags &= ~GCF_PRESSED;
        // Cleared first: releasing the capture is no lost press.
        m_bCapturing = 0;
        ::ReleaseCapture();
        RepaintCell(m_nPressCol, m_nPressRow, FALSE);
        tagCellInfo pressed = {m_nPressCol, m_nPressRow};
        NotifyParent(WM_GRID_BUTTONCLICK, m_nID, (LPARAM)&pressed);
        InitSelectCell();
    }
    CWnd::OnLButtonUp(nFlags, point);
    NotifyParent(WM_GRID_LBUTTONUP, m_nID, (LPARAM)&point);
}

void CGrid::EndPress(BOOL repaint)
{
    tagCell* cell = m_nPressCol >= 0 && m_nPressRow >= 0 ? GetCellPtr(m_nPressCol, m_nPressRow) : NULL;
    if (cell != NULL && (cell->nFlags & GCF_STYLE_MASK) == GCS_BUTTON) {
        cell->nFlags &= ~GCF_PRESSED;
        if (repaint)
            RepaintCell(m_nPressCol, m_nPressRow, FALSE);
    }
    if (m_bCapturing) {
        m_bCapturing = 0;
        if (::GetCapture() == m_hWnd)
            ::ReleaseCapture();
    }
    InitSelectCell();
}

void CGrid::OnCaptureChanged(CWnd* pWnd)
{
    CWnd::OnCaptureChanged(pWnd);
    // Another window took the mouse while a button was held: the press is over, no click.
    if (m_bCapturing && (pWnd == NULL || pWnd->m_hWnd != m_hWnd))
        EndPress(TRUE);
}

void CGrid::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    CWnd::OnLButtonDblClk(nFlags, point);
    tagGRDHITTEST hit;
    HitTest(point, &hit);
    NotifyParent(WM_GRID_LBUTTONDBLCLK, m_nID, (LPARAM)&hit);
}

void CGrid::OnRButtonDown(UINT nFlags, CPoint point)
{
    CPoint screen = point;
    ClientToScreen(&screen);
    NotifyParent(WM_GRID_RBUTTONDOWN, m_nID, (LPARAM)&screen);
    CWnd::OnRButtonDown(nFlags, point);
}

void CGrid::OnMouseMove(UINT nFlags, CPoint point)
{
    tagGRDHITTEST hit;
    HitTest(point, &hit);
    if (hit.nFlags == GHT_BODY) {
        const tagCell& cell = m_ppCells[hit.nCol][hit.nRow];
        SetCursorState((cell.nFlags & GCF_STYLE_MASK) == GCS_EDIT ? CURSOR_IBEAM : CURSOR_ARROW);
    }
    TRACKMOUSEEVENT track;
    track.cbSize = sizeof track;
    track.dwFlags = TME_LEAVE;
    track.hwndTrack = m_hWnd;
    track.dwHoverTime = HOVER_DEFAULT;
    ::TrackMouseEvent(&track);
    CWnd::OnMouseMove(nFlags, point);
}

void CGrid::OnMouseLeave()
{
    SetCursorState(CURSOR_ARROW);
    CWnd::OnMouseLeave();
}

BOOL CGrid::OnSetCursor(CWnd*, UINT, UINT)
{
    ::SetCursor(m_hCursor[m_nCursorState]);
    return TRUE;
}

void CGrid::SetCursorState(int state)
{
    if (state < 0 || state >= CURSOR_COUNT)
        return;
    m_nCursorState = state;
    ::SetCursor(m_hCursor[state]);
}

void CGrid::OnKillFocus(CWnd* pNewWnd)
{
    CWnd::OnKillFocus(pNewWnd);
    // A button held while the focus leaves is let go without a click.
    if (m_bCapturing)
        EndPress(TRUE);
    if (!m_bKeepSelection)
        ClearSelection(1);
    InitSelectCell();
}

int CGrid::SetGridEdit(int col, int row)
{
    if (col < 0 || row < 0 || !IsCell(col, row))
        return 0;
    const tagCell& cell = m_ppCells[col][row];
    m_bEditing = 1;
    const CRect rect = GetCellRect(col, row);
    m_wndEdit.SetWindowPos(NULL, rect.left, rect.top, rect.Width(), rect.Height(), SWP_SHOWWINDOW | SWP_NOZORDER);
    m_wndEdit.SetTarget(col, row);
    const UINT align = cell.nFlags & GCF_ALIGN_MASK;
    m_wndEdit.SetAlign(align == 0 ? CBaseEdit::ALIGN_LEFT : align == 1 ? CBaseEdit::ALIGN_CENTER : CBaseEdit::ALIGN_RIGHT);
    m_wndEdit.SetMaxLength(CGridEdit::LengthFor(std::max<int>(32, cell.nBufSize)));
    if (cell.pszText != NULL)
        m_wndEdit.SetData(cell.pszText);
    m_wndEdit.SetFocus();
    m_wndEdit.SelectAll();
    return 1;
}

LRESULT CGrid::OnSetEditData(WPARAM wParam, LPARAM lParam)
{
    SetCellText(LOWORD(wParam), HIWORD(wParam), (const char*)lParam, 0);
    NotifyParent(WM_GRID_SETEDITDATA, m_nID, wParam);
    m_bEditing = 0;
    return 0;
}

void CGrid::SelectClickedRow(CPoint point, int rowSelect)
{
    if (!m_bUseCellSelect || !rowSelect)
        return;
    tagGRDHITTEST hit;
    HitTest(point, &hit);
    if ((hit.nFlags & GHT_BODY) && m_nColCount > m_nColHeadCount)
        SelectCell(m_nColHeadCount, hit.nRow, m_nColCount - 1, hit.nRow, 1);
}
