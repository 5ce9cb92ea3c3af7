// The grid's selection: the ordered set of selected cells and their selected flags.
#include "Grid.h"

int CGrid::SelectCell(UINT col, UINT row, int redraw)
{
    if (!IsCell(col, row))
        return 0;
    m_setSelected.insert((DWORD)(row << 16) | (col & 0xFFFF));
    m_ppCells[col][row].nFlags |= GCF_SELECTED;
    if (redraw)
        RepaintCell(col, row, FALSE);
    return 1;
}

int CGrid::SelectCell(UINT col1, UINT row1, UINT col2, UINT row2, int redraw)
{
    if (row1 > row2 || col1 > col2)
        return 0;
    if (!IsRange(col1, row1, col2, row2))
        return 0;
    for (UINT row = row1; row <= row2; ++row)
        for (UINT col = col1; col <= col2; ++col)
            SelectCell(col, row, redraw);
    return 1;
}

void CGrid::ClearSelection(int clearSet)
{
    if (m_ppCells != NULL) {
        for (UINT col = 0; col < m_nColCount; ++col) {
            for (UINT row = 0; row < m_nRowCount; ++row) {
                if (m_ppCells[col][row].nFlags & GCF_SELECTED) {
                    m_ppCells[col][row].nFlags &= ~GCF_SELECTED;
                    RepaintCell(col, row, TRUE);
                }
            }
        }
    }
    if (clearSet)
        m_setSelected.clear();
}

void CGrid::GetSelectedCells(CArray<tagCellInfo, tagCellInfo&>& out)
{
    for (DWORD key : m_setSelected) {
        tagCellInfo info;
        info.nCol = (int)(key & 0xFFFF);
        info.nRow = (int)(key >> 16);
        out.Add(info);
    }
}

void CGrid::SetUseCellSelect(int on)
{
    if (on != m_bUseCellSelect && !on)
        ClearSelection(1);
    m_bUseCellSelect = on;
}

void CGrid::InitSelectCell()
{
    m_nPressCol = m_nPressRow = m_nAnchorCol = m_nAnchorRow = -1;
}

void CGrid::SetSelectedCell(tagGRDHITTEST* hit)
{
    InitSelectCell();
    if (hit != NULL && hit->nFlags != 0) {
        m_nPressCol = hit->nCol;
        m_nPressRow = hit->nRow;
    }
}
