// The grid's in-place editor: Enter ends the edit, Tab asks for the next one, and the focus
// leaving hands the text to the grid.
#include "GridEdit.h"

IMPLEMENT_DYNAMIC(CGridEdit, CBaseEdit)

BEGIN_MESSAGE_MAP(CGridEdit, CBaseEdit)
    ON_WM_KILLFOCUS()
    ON_WM_SIZE()
    ON_WM_KEYDOWN()
    ON_WM_CONTEXTMENU()
    ON_WM_GETDLGCODE()
END_MESSAGE_MAP()

CGridEdit::CGridEdit() : m_nCol(NO_TARGET), m_nRow(NO_TARGET) {}

CGridEdit::~CGridEdit() {}

void CGridEdit::SetTarget(int col, int row)
{
    m_nCol = (WORD)col;
    m_nRow = (WORD)row;
}

void CGridEdit::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    HWND grid = ::GetParent(m_hWnd);
    if (nChar == VK_RETURN && grid != NULL)
        ::SetFocus(grid); // the focus loss commits
    else if (nChar == VK_TAB && grid != NULL)
        ::PostMessage(grid, WM_GRID_NEXTEDIT, 0, 0);
    CBaseEdit::OnKeyDown(nChar, nRepCnt, nFlags);
}

UINT CGridEdit::OnGetDlgCode()
{
    // Tab moves the edit on (OnKeyDown): in a dialog the keyboard navigation would otherwise take
    // it first and move the focus off the grid.
    return DLGC_WANTTAB | DLGC_WANTARROWS | DLGC_WANTCHARS;
}

void CGridEdit::OnKillFocus(CWnd* pNewWnd)
{
    CBaseEdit::OnKillFocus(pNewWnd);
    ShowWindow(SW_HIDE);
    if (m_nCol != NO_TARGET && m_nRow != NO_TARGET) {
        HWND grid = ::GetParent(m_hWnd);
        if (grid != NULL)
            ::SendMessage(grid, WM_GRID_SETEDITDATA, ((WPARAM)m_nRow << 16) + m_nCol, (LPARAM)GetData());
    }
    m_nCol = m_nRow = NO_TARGET;
    ClearData(FALSE);
    Invalidate();
}

void CGridEdit::OnSize(UINT nType, int cx, int cy)
{
    CBaseEdit::OnSize(nType, cx, cy);
}

void CGridEdit::OnContextMenu(CWnd*, CPoint)
{
    // No context menu in grid cells.
}
