// The grid's hit test: a client point to the cell under it (merge origins for covered cells),
// with flags for body, header row, header column and the edges between cells.
#include "Grid.h"

int CGrid::FindColumn(int x, int last) const
{
    int lo = 0, hi = last;
    for (;;) {
        if (lo > hi)
            return -1;
        int mid = (lo + hi) / 2;
        while (mid < hi && (m_pColExt[mid].nFlags & GEF_HIDDEN))
            ++mid;
        const tagExtent& e = m_pColExt[mid];
        if (e.nStart <= x) {
            if (e.nStart + e.nSize + m_nBorderWidth >= x)
                return mid;
            lo = mid + 1;
        } else {
            hi = mid - 1;
        }
    }
}

int CGrid::FindRow(int y) const
{
    int lo = 0, hi = (int)m_nRowCount - 1;
    for (;;) {
        if (lo > hi)
            return -1;
        const int mid = (lo + hi) / 2;
        const tagExtent& e = m_pRowExt[mid];
        if (e.nStart <= y) {
            if (e.nStart + e.nSize + m_nBorderWidth >= y)
                return mid;
            lo = mid + 1;
        } else {
            hi = mid - 1;
        }
    }
}

void CGrid::HitTest(const CPoint& point, tagGRDHITTEST* result)
{
    if (result == NULL)
        return;
    result->nCol = result->nRow = 0;
    result->nFlags = 0;
    if (m_ppCells == NULL || m_nColCount == 0 || m_nRowCount == 0)
        return;

    const CRect body = GetDataRect();
    const int hOffset = point.x >= body.left ? m_nHScroll : 0;
    const int vOffset = point.y >= body.top ? m_nVScroll : 0;
    int last = (int)m_nColCount - 1;
    while (last > 0 && (m_pColExt[last].nFlags & GEF_HIDDEN))
        --last;

    int col = FindColumn(point.x + hOffset, last);
    int row = FindRow(point.y + vOffset);
    if (col < 0 || row < 0)
        return;

    int dc = 0, dr = 0;
    const tagCell& cell = m_ppCells[col][row];
    if ((cell.nFlags & (GCF_COVERED | GCF_MERGED)) == GCF_COVERED) {
        dc = HIBYTE(cell.nMerge);
        dr = LOBYTE(cell.nMerge);
        if (dc > col || dr > row) // offsets that lead outside the grid: take the cell itself
            dc = dr = 0;
        col -= dc;
        row -= dr;
    }

    UINT flags = 0;
    if (point.x > m_pColExt[col].nStart - hOffset + 2) {
        const tagExtent& e = m_pColExt[col + dc];
        if (point.x >= e.nStart + e.nSize - hOffset - 2)
            flags |= GHT_COLEDGE;
        else
            flags |= (UINT)col >= m_nColHeadCount ? GHT_BODY : GHT_HEADCOL;
    } else {
        flags |= GHT_COLEDGE;
    }
    if (point.y > m_pRowExt[row].nStart - vOffset + 2) {
        const tagExtent& e = m_pRowExt[row + dr];
        if (point.y >= e.nStart + e.nSize - vOffset - 2)
            flags |= GHT_ROWEDGE;
        else
            flags |= (UINT)row >= m_nRowHeadCount ? GHT_BODY : GHT_HEADROW;
    } else {
        flags |= GHT_ROWEDGE;
    }
    result->nCol = col;
    result->nRow = row;
    result->nFlags = flags;
}
